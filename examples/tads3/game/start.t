#include <adv3.h>
#include <en_us.h>

/*
 *   The Clockmaker's Key: a small game of the Brisvane examples.
 *   This file has no charset line; it holds plain ASCII only.
 */

versionInfo: GameID
    IFID = '5b1f0c2e-8d3a-4c7e-9f41-2a6b7c8d9e0f'
    name = 'The Clockmaker\'s Key'
    byline = 'by the Brisvane team'
    htmlByline = 'by <a href="mailto:team@example.org">the Brisvane team</a>'
    version = '1.0'
    authorEmail = 'the Brisvane team <team@example.org>'
    desc = 'A short game about a closed shop, a stopped clock and a key.'
    htmlDesc = 'A short game about a closed shop, a stopped clock and a key.'
;

gameMain: GameMainDef
    initialPlayerChar = me

    // The opening text runs over several lines, as most prose does.
    showIntro()
    {
        "<b>The Clockmaker's Key</b>\b
        Old Mr. Harrow asked you to wind the great clock in his shop
        before the town wakes. He left the key somewhere <q>safe</q>,
        which with him means anywhere at all.\b";
    }

    showGoodbye() { "<.p>Thanks for playing!\n"; }
;

me: Actor
    location = street
    desc = "You look as tired as anyone awake at this hour. "
;

/* A verb of our own: its grammar words are vocabulary, not prose. */
DefineTAction(Wind);

VerbRule(Wind)
    ('wind' | 'wind' 'up') singleDobj
    : WindAction
    verbPhrase = 'wind/winding (what)'
;

modify Thing
    dobjFor(Wind)
    {
        verify() { illogical('{The dobj/he} {is} not something you can wind. '); }
    }
;

/* How much oil a can holds, in words. */
oilLevel(full)
{
    return full ? 'full to the brim' : 'nearly empty';
}
