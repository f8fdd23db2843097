/* Changed library behaviour and messages. */

modify Thing
    notLitMsg = 'It\'s too dark to see anything.'
    cannotEatMsg = "{You/he} cannot eat {that dobj/him}."
;

modify libMessages
    scoreChange = 'Your score has just gone up by <<delta>> points.'
;

replace waitMessage
    "Time passes. Far below, the sea crashes against the rocks.";
;

commandHelp: function
{
    "Type <b>LOOK</b> to look around, <b>INVENTORY</b> to see what you carry. ";
    "Single words work too: 'n', 's', 'up', 'down'.";
}
