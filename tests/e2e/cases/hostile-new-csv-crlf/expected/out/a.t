obj: Thing
  name = 'NAME'
  desc = "DESC"
