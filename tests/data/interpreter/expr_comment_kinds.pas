{a} 1 (* b *) + // c
2
// expect: Integer: 3
