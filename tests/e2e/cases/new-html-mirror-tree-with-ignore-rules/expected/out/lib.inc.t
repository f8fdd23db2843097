l: Room
  s = "LIB"
