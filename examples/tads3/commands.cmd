>look
>x lamp post
>x lamp post
>x door
>north
>look under mat
>look under mat
>x key
>unlock door with key
>open door
>x door
>north
>x clock
>wind clock
>x sign
>x counter
>open box
>open box
>wind box
>look
>up
>look
>x ledger
>read ledger
>x can
>down
>wind clock
>x clock
>look
>south
>x me
>quit
>y
