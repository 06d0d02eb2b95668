unit U;
function other: integer;
begin
  Result := 42;
end;
end.
// error: 55 Function 'main' undefined
