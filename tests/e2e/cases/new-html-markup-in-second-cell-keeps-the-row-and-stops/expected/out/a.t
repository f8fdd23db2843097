a: Room
  s = "A" '\\1 '
  t = "three"
;
