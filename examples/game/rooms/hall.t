/* The ground floor and the lamp room of the lighthouse. */

hall: Room
    roomName = 'Hall'
    desc = "The hall of the lighthouse. A spiral stair leads <b>up</b>, and a trapdoor leads down."
    up = lampRoom
    down = cellar
;

lampRoom: Room
    roomName = 'Lamp Room'
    desc = "Great lenses surround the <<lamp.isLit ? 'burning' : 'cold'>> lamp."
    down = hall
;
