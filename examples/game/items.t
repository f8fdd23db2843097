/* Things the player can carry. */

lamp: Thing
    vocabWords = 'brass lamp/lantern'
    name = 'brass lamp'
    desc = "An old brass lamp. A label reads \"Property of the keeper\"."
    isLit = nil
    dobjFor(Light)
    {
        action() { isLit = true; "The lamp flickers and comes alight."; }
    }
;

ironKey: Key
    name = 'iron key'
    desc = "A heavy iron key. It\'s cold to the touch."
    owner = 'Bob\'s'
;

note: Readable
    name = 'note'
    readDesc = "The note says: \"Meet me in the cellar at midnight.\" It is signed '<i>B.</i>'."
    hint = ''
;

class Candle: LightSource
    desc = "A stub of tallow candle."
;
