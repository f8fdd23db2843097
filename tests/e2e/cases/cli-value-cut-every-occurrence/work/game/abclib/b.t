b: Room
  s = "b"
