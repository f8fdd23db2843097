kitchen: Room
  sdesc = "Большая кухня"
  ldesc = "A bigpot & a <lid>.";  noun = 'pan' 'кастрюлька'
  adesc = "old"
;
