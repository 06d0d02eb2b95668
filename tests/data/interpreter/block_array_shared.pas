var a: array[1..2] of integer; b: variant;
begin b := a; end;
// error: 2 Internal interpreter error: Array to array assignmentnot implemented
