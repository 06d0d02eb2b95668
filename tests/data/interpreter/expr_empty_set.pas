[]
// expect: Set: 0
