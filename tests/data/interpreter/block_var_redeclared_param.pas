unit U;
procedure P(a: integer);
var b: string; b: integer;
begin
end;
function main: integer;
begin
  P(1);
  Result := 0;
end;
end.
// error: 111 Error in unit 'U' on line 3 : Identifier redeclared: 'b'
