l: Room
  s = "inc"
