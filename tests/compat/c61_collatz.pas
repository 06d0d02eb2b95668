program Collatz;
var
  n, steps, best, bestSteps, start: integer;
begin
  best := 1; bestSteps := 0;
  for start := 1 to 30 do
  begin
    n := start; steps := 0;
    while n <> 1 do
    begin
      if Odd(n) then n := 3 * n + 1 else n := n div 2;
      Inc(steps);
    end;
    if steps > bestSteps then begin best := start; bestSteps := steps end;
  end;
  WriteLn(best, ' takes ', bestSteps, ' steps');
end.
