unit U;
function Two(a, b: integer): integer;
begin
  Result := a + b;
end;
function main: integer;
begin
  Result := Two(1, 2, 3);
end;
end.
// error: 181 Error in unit 'U' on line 8 : Too many actual parameters
