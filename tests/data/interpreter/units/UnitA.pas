unit UnitA;
uses UnitB;
function FromA(n: integer): integer;
begin
  Result := n * 10 + FromB(n);
end;
end.
