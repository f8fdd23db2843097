obj: Thing
  name = 'NAME'
  desc = "Привет, ?? — Gr??e ? мир"
