x: Room
  s = "x"
