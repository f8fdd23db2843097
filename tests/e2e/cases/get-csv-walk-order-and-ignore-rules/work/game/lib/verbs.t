verbs: Room
  s = "verbs"
