a: Room
  s = "a"
