rooms: Room
  s = "rooms"
