start: Room
  sdesc = "Start"
