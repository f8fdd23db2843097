obj: Thing
  name = 'NAME'
  desc = "old desc"
