1 < 2 and 3 < 4
// expect: Boolean: True
