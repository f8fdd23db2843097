a: Room
  s = "a & <b> &quot; x∆" ''
  t = ""
;
