/* A stand-in for the standard library. The demo leaves this folder out with
 * --ignore=stdlib, so none of its texts reach the document. */

libMessages: MessageHelper
    notHere = 'You don\'t see that here.'
    cannotGo = "You can\'t go that way."
;
