unit U;
var g: integer;
procedure Inc2(var x: integer);
begin
  x := x + 2;
end;
function main: integer;
var a: integer;
begin
  a := 1;
  Inc2(a);
  Inc2(a + 1);
  Inc2(5);
  g := 10;
  Inc2(g);
  Result := a * 100 + g;
end;
end.
// expect: Integer: 612
