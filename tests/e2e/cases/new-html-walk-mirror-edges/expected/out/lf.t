one
"2"
