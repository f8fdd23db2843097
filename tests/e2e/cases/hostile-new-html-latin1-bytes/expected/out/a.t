obj: Thing
  name = 'NAME'
  desc = "caf? cr?me br?l?"
