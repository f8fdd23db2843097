hall: Room
  s = "hall"
