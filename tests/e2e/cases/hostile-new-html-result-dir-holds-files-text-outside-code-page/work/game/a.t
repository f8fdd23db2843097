obj: Thing
  name = 'old name'
  desc = "old desc"
