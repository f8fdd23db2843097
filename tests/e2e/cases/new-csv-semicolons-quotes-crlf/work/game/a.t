hall: Room
  sdesc = "Hall"; ldesc = 'x'
  say("one", "two")
;
