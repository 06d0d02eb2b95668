unit U;
var x: integer;
function F(x: integer): integer;
begin
  Result := x * 2;
end;
function main: integer;
begin
  x := 100;
  Result := F(3) + x;
end;
end.
// expect: Integer: 106
