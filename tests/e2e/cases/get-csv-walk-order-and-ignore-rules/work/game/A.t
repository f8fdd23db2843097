rootA: Room
  s = "rootA"
