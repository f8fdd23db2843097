inner: Room
  s = "inner"
