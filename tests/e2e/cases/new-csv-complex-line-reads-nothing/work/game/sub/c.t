c: Room
  s = "c"
