Answer * 2
// expect: Integer: 84
