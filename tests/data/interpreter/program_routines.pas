program P;
var total: integer;
procedure Add(var x: integer; n: integer);
begin
  x := x + n;
end;
function Twice(n: integer): integer;
begin
  Result := n * 2;
end;
begin
  total := 1;
  Add(total, Twice(3));
  Add(total + 1, 10);
  Add(5, 100);
end.
// expect: Empty: 
