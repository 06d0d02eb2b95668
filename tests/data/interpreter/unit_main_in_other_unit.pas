unit U;
uses UnitB;
function main: integer;
begin
  Result := FromB(4) + Start;
end;
end.
// expect: Integer: 140
