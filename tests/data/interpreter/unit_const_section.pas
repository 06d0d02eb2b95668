unit U;
const Base = 40; Extra = 2;
function main: integer;
const Local = 100;
begin
  Result := Base + Extra + Local;
end;
end.
// expect: Integer: 142
