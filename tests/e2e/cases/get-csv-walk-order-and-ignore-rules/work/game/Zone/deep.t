deep: Room
  s = "deep"
