z: Room
  s = "z!"
