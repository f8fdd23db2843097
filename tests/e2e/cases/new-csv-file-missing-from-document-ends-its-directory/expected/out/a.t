a: Room
  s = "a!"
