unit U;
uses Missing;
function main: integer;
begin
  Result := 1;
end;
end.
// error: 56 Error in unit 'U' on line 2 : Unit 'Missing' not found
