// Погреб. This file is stored in code page 1251 with CR LF line ends.

cellar: DarkRoom
    roomName = 'Погреб'
    desc = "Сырой погреб. На стене мелом написано: «Не входить»."
    smell = "It smells of salt and old rope.
        Somewhere water is dripping."
    vocab = 'табличка', 'sign'
    up = hall
;

rope: Thing
    name = 'верёвка'
    desc = "A coil of rope. Someone wrote \"SOS\" on the tag."
;
