unit U;
uses UnitA;
function main: integer;
begin
  Result := FromA(1) + FromB(1) + UnitB.Shared;
end;
end.
// expect: Integer: 130
