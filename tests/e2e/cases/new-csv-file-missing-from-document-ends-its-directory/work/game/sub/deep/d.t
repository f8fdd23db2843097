d: Room
  s = "d"
