>look
>x red book
>take red book
>take iron key
>inventory
>x plant
>take plant
>x television
>turn upper dial
>east
>look
>x desk
>open drawer
>look in drawer
>x typewriter
>west
>west
>x platform
>open white box
>look in box
>east
>north
>look
>south
>south
>open door
>south
>look
>x balloons
>take balloon
>north
>talk to bob
>ask bob about key
>give red book to bob
>x bill
>put iron key in duffel
>i
>score
>x me
>wait
