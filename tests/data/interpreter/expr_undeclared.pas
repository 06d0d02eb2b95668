x + 1
// error: 104 Undeclared Identifier 'x'
