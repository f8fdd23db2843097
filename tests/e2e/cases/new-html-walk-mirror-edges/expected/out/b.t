b
