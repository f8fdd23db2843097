z: Room
  s = "z"
