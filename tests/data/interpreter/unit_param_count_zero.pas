unit U;
procedure P;
begin
end;
function main: integer;
begin
  P();
  P;
  Result := 1;
end;
end.
// expect: Integer: 1
