[1, 3]
// expect: Set: 10
