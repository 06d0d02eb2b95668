program P;
var x: integer;
begin
  x := 2;
  x := y;
end.
// error: 104 Error in unit 'P' on line 5 : Undeclared Identifier 'y'
