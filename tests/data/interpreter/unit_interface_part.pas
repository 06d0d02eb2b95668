unit U;
interface
function Twice(n: integer): integer;
implementation
function Twice(n: integer): integer;
begin
  Result := n * 2;
end;
function main: integer;
begin
  Result := Twice(21);
end;
end.
// expect: Integer: 42
