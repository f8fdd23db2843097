one
"two"
