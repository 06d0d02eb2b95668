[1..3]
// error: 103 ']' expected but '..' found
