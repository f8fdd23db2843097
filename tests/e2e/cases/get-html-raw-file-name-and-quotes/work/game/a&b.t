o: t
  d = 'say "hi" & <b>';
