y: Room
  s = "y"
