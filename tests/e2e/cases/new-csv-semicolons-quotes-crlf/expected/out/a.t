hall: Room
  sdesc = "Зал; большой"; ldesc = 'say "hi"; go'
  say("quoted twice", "a & <b>")
;
