unit U;
uses TestUnit;
function main: integer;
begin
  Result := Answer;
end;
end.
// expect: Integer: 42
