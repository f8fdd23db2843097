a: Room
  s = "one" 'two'
  t = "three"
;
