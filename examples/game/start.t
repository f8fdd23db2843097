/* The Lighthouse Keeper: a tiny TADS 3 game that shows Brisvane's round
 * trip. Start-up, game-wide settings and the score.
 */
#charset "cp1251"
#include <adv3.h>
#include <en_us.h>

versionInfo: GameID
    IFID = '0d9b7c1e-5a4f-4e61-9c2b-7a1d2e3f4b5c'
    name = 'The Lighthouse Keeper'
    byline = 'by the Brisvane team'
    htmlByline = 'by <a href="mailto:keeper@example.org">the Brisvane team</a>'
    version = '1.0'
    desc = 'A short game about a lighthouse, a lamp and a locked cellar.'
;

gameMain: GameMainDef
    initialPlayerChar = me
    showIntro()
    {
        "<b>The Lighthouse Keeper</b>\b";
        "The storm has raged for three days. Tonight the lamp must burn.\b";
    }
    showGoodbye() { "Thanks for playing!\n"; }
;

me: Actor
    location = hall
;

scoreRank: function
{
    if (libScore.totalScore > 5)
        "You are a true keeper of the light.";
    else
        "You are still an apprentice.";
}
