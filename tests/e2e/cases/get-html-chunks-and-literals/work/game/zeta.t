zeta: Room
  s = "Зета"
