(1 + 2
// error: 103 ')' expected but End of File found
