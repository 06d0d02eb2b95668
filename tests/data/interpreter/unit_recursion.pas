unit U;
function Fib(n: integer): integer;
begin
  if n < 2 then Result := n else Result := Fib(n - 1) + Fib(n - 2);
end;
function main: integer;
begin
  Result := Fib(15);
end;
end.
// expect: Integer: 610
