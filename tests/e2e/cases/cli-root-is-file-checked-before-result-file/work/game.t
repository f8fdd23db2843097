game: Room
