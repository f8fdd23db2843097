secret: Room
  s = "secret"
