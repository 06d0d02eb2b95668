{ Factorial through the function's own name }
program FactorialName;
var
  i: integer;

function Fact(n: integer): longint;
begin
  if n <= 1 then
    Fact := 1
  else
    Fact := n * Fact(n - 1);
end;

begin
  for i := 0 to 10 do
    WriteLn(i:2, '! = ', Fact(i));
end.
