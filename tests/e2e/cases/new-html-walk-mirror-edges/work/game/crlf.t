one
"two"