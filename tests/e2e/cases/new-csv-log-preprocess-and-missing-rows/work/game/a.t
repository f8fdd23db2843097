a: Room
  n = 'a' 'b'
  m = "x" "y"
  k = 'жук'
