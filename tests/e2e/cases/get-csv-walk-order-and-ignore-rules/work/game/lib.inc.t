libinc: Room
  s = "libinc"
