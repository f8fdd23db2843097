one
"2"