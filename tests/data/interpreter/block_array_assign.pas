var a, b: array[1..3] of integer;
begin a := b; end;
// error: 2 Internal interpreter error: Array to array assignmentnot implemented
