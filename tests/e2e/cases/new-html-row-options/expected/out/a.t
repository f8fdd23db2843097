a: Room
  s = "ONE" 'slashes'
  t = "extra"
;
