{ Benchmark: bubble sort of 3000 integers from a linear congruential generator (all products fit
  in 32 bits); the checksum folds the sorted array. }
unit BenchSort;

function main: integer;
var
  a: array[0..2999] of integer;
  i, j, t, n, seed, sum: integer;
begin
  n := 3000;
  seed := 12345;
  for i := 0 to n - 1 do
  begin
    seed := (seed * 25173 + 13849) mod 65536;
    a[i] := seed;
  end;
  for i := 0 to n - 2 do
    for j := 0 to n - 2 - i do
      if a[j] > a[j + 1] then
      begin
        t := a[j];
        a[j] := a[j + 1];
        a[j + 1] := t;
      end;
  sum := 0;
  for i := 0 to n - 1 do
    sum := (sum * 31 + a[i]) mod 1000003;
  Result := sum;
end;

end.
