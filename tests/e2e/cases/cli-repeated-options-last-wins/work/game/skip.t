skip: Room
  s = "skip"
