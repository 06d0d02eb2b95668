program Fibonacci;
var
  i: integer;

function Fib(n: integer): integer;
begin
  if n < 2 then Fib := n
  else Fib := Fib(n - 1) + Fib(n - 2);
end;

begin
  for i := 1 to 15 do
    Write(Fib(i), ' ');
  WriteLn;
end.
