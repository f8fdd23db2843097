zoneB: Room
  s = "zoneB"
