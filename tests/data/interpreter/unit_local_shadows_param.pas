unit U;
function P(a: integer): string;
var a: string;
begin
  a := 'local';
  Result := a;
end;
function main: string;
begin
  Result := P(1);
end;
end.
// expect: String: local
