unit U;
function F(const a: integer; b: integer = 5): integer;
begin
  Result := a + b;
end;
function main: integer;
begin
  Result := F(1, 2);
end;
end.
// expect: Integer: 3
