'a' + 2
// error: 53 Type mismatch
