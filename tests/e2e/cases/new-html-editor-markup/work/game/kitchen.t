kitchen: Room
  sdesc = "Кухня"
  ldesc = "A pot.";  noun = 'pot' 'кастрюля'
  adesc = "old"
;
