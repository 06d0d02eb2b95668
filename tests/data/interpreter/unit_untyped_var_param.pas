unit U;
procedure Clear(var x);
begin
  x := 0;
end;
function main: integer;
var n: integer;
begin
  n := 9;
  Clear(n);
  Result := n;
end;
end.
// expect: Integer: 0
