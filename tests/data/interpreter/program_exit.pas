program P;
var x: integer;
begin
  x := 1;
  exit;
  x := y;
end.
// expect: Empty: 
