rootB: Room
  s = "rootB"
