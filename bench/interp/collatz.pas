{ Benchmark: total Collatz steps for every start value up to 100000 (the largest value reached,
  1570824736, fits in 32 bits). }
unit BenchCollatz;

function main: integer;
var
  i, n, steps: integer;
begin
  steps := 0;
  for i := 1 to 100000 do
  begin
    n := i;
    while n <> 1 do
    begin
      if n mod 2 = 0 then
        n := n div 2
      else
        n := 3 * n + 1;
      steps := steps + 1;
    end;
  end;
  Result := steps;
end;

end.
