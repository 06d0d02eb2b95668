unit U;
uses Broken;
function main: integer;
begin
  Result := Fails(1);
end;
end.
// error: 104 Error in unit 'Broken' on line 5 : Undeclared Identifier 'nothing'
