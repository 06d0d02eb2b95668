program P;
var x: integer;
begin
  x := 2;
end.
// expect: Empty: 
