n: Room
  s = "n"
