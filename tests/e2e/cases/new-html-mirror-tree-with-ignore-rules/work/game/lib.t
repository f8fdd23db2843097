l: Room
  s = "plain"
  t = "two"
