l: Room
  s = "LIB"
  t = "two"
