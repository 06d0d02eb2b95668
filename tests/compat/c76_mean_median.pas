program MeanMedian;
const
  N = 7;
var
  v: array[1..N] of real = (4.5, 2.0, 9.25, 1.5, 7.0, 3.0, 8.75);
  i, j: integer;
  t, sum: real;
begin
  sum := 0;
  for i := 1 to N do sum := sum + v[i];
  for i := 1 to N - 1 do
    for j := i + 1 to N do
      if v[j] < v[i] then begin t := v[i]; v[i] := v[j]; v[j] := t end;
  WriteLn('mean   ', sum / N:0:3);
  WriteLn('median ', v[(N + 1) div 2]:0:3);
end.
