Answer Answer
// error: 110 Missing operator or semicolon
// position: 13
