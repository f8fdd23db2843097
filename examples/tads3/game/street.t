#charset "us-ascii"
#include <adv3.h>
#include <en_us.h>

street: OutdoorRoom 'Clock Street' 'Clock Street'
    "Wet cobbles shine under a single lamp. To the north, behind a door
    with a bell above it, is Harrow's clock shop; the street runs on into
    the fog in every other direction, but you have no business there. "
    north = shopDoor
    in asExit(north)
;

+ shopDoor: LockableWithKey, Door 'narrow green shop door' 'shop door'
    "A narrow green door with a brass bell over it.
    <<isLocked ? 'Its lock is turned.' : 'Its lock is open.'>> "
    keyList = [brassKey]
;

+ doormat: Fixture 'worn door mat/doormat' 'door mat'
    "A worn mat that says <q>WELCOME</q> in letters nobody has read for
    years. "
    dobjFor(LookUnder)
    {
        verify() { }
        action()
        {
            if (brassKey.location == nil)
            {
                brassKey.moveInto(me);
                "You lift a corner of the mat. Underneath lies a small
                brass key, exactly where a burglar would look first. You
                take it. ";
            }
            else
                "Nothing else is under the mat. ";
        }
    }
;

+ lampPost: Fixture 'iron lamp post/lamp' 'lamp post'
    "The lamp hums to itself<<one of>>.<<or>>, a little louder now.<<or>>;
    a moth circles it.<<cycling>> "
;

brassKey: Key 'small brass key/latchkey' 'brass key'
    "A small brass key with a square bit: it would fit a lock, or the
    winding hole of a clock. "
;
