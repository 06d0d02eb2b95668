unit U;
function Two(a, b: integer): integer;
begin
  Result := a + b;
end;
function main: integer;
begin
  Result := Two(1);
end;
end.
// error: 182 Error in unit 'U' on line 8 : Not enough parameters
