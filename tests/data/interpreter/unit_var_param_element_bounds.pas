unit U;
procedure Clear(var x: integer);
begin
  x := 0;
end;
function main: integer;
var a: array[1..3] of integer;
begin
  Clear(a[4]);
end;
end.
// error: 171 Error in unit 'U' on line 9 : Array index out of bounds
