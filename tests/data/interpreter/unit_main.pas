unit U;
function main: integer;
begin
  Result := 42;
end;
end.
// expect: Integer: 42
