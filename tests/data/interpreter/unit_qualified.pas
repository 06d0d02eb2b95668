unit U;
uses UnitB;
function main: integer;
begin
  Result := UnitB.Shared + UnitB.FromB(2);
end;
end.
// expect: Integer: 20
