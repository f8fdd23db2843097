obj: Thing
  name = 'NAME'
  desc = "Новое описание"
