#charset "latin1"
#include <adv3.h>
#include <en_us.h>

#pragma newline_spacing(collapse)

shop: Room 'Harrow\'s Clock Shop' 'the clock shop'
    "Clocks cover every wall, from cuckoo clocks to a great clock in a
    walnut case. A painted sign over the counter reads \"Horlogerie Harrow
    &amp; Fils, Genève\". <<one of>>A cuckoo clock clears its throat but thinks
    better of it.<<or>>Somewhere a pendulum misses a beat and catches
    up.<<or>>The ticking fills the room like rain.<<cycling>> A door leads
    south to the street, and narrow stairs climb up. "
    south = shopDoorInside
    out asExit(south)
    up = attic
;

+ shopDoorInside: Door ->shopDoor 'green door' 'shop door'
    "The inside of the green door. A bell hangs over it. "
;

+ greatClock: Fixture 'great walnut clock/case' 'great clock'
    "A tall clock in a walnut case, its face painted with a sun and a
    moon. <<if isWound>>It ticks, slow and sure.<<else>>Its hands stand at
    ten to four, and it is silent.<<end>> A small winding hole sits below
    the twelve. "
    isWound = nil
    dobjFor(Wind)
    {
        verify()
        {
            if (isWound)
                illogicalAlready('The great clock is already wound. ');
        }
        check()
        {
            if (!brassKey.isIn(me))
                failCheck('You have nothing to wind it with. ');
        }
        action()
        {
            isWound = true;
            """You fit the key into the winding hole and turn it until it will
            turn no more. The great clock draws a breath and says "Bong!"
            four times. """;
        }
    }
;

+ shopSign: Decoration 'painted sign' 'sign'
    """The sign reads "Horlogerie Harrow &amp; Fils, Genève" in gold letters
    that have seen better days."""
;

+ counter: Fixture, Surface 'long wooden counter' 'counter'
    "A long counter, polished by a hundred years of elbows. "
;

++ musicBox: Thing 'little music box' 'music box'
    "A little box of inlaid wood. Its lid shows a dancer. "
    dobjFor(Open)
    {
        verify() { }
        action()
        {
            "The lid springs open and the dancer turns to a tune you almost
            remember<<one of>><<or>>, again<<stopping>>. ";
        }
    }
;

attic: Room 'Attic' 'the attic'
    "A low attic under the roof, smelling of oil and dust. Stairs lead
    down. "
    down = shop
;

+ ledger: Readable '''harrow's clockmaker's ledger/book''' '''Harrow's ledger'''
    "A ledger bound in green cloth. "
    isQualifiedName = true
    readDesc = "The last entry, in Harrow's hand:\n
        <i>Wound the great clock at four. Key under the mat, as always.
        Told nobody. - H.</i> "
;

+ oilCan: Thing 'small oil can/oilcan' 'oil can'
    "A small oil can, <<oilLevel(nil)>>. "
;
