program ProcedureParams;

procedure Swap(var a, b: integer);
var
  t: integer;
begin
  t := a; a := b; b := t;
end;

procedure Order(var x, y, z: integer);
begin
  if x > y then Swap(x, y);
  if y > z then Swap(y, z);
  if x > y then Swap(x, y);
end;

var
  p, q, r: integer;
begin
  p := 9; q := 2; r := 5;
  Order(p, q, r);
  WriteLn(p, ' ', q, ' ', r);
end.
