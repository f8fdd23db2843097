#include "adv.t"
kitchen: Room
  sdesc = "Кухня"
  ldesc = "The kettle is <b>hot</b> & steaming; say \"hi\" and it\'s done."
  noun = 'чайник' 'kettle' ''
  adesc = "";  // it's here
;
	modify Kettle
  verb = 'say \'boo\'' "x"
replace thing
  doc = "A" 'B' "C"
redBall: item // not a header
  d = "line one
  still open"
_шар : function шарик
  return "шар";
modifyScore
