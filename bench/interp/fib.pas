{ Benchmark: naive recursive Fibonacci, measuring script routine calls. }
unit BenchFib;

function fib(n: integer): integer;
begin
  if n < 2 then
    Result := n
  else
    Result := fib(n - 1) + fib(n - 2);
end;

function main: integer;
begin
  Result := fib(27);
end;

end.
