m: Room
  s = "m"
