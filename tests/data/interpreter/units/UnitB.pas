unit UnitB;
uses UnitA;
var Shared: integer;
const Start = 100;
function FromB(n: integer): integer;
begin
  Shared := Start;
  Result := n * 10;
end;
end.
