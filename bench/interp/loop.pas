{ Benchmark: a tight counting loop; the sum is kept modulo 1000000007 so it stays in 32 bits. }
unit BenchLoop;

function main: integer;
var
  i, s: integer;
begin
  s := 0;
  for i := 1 to 10000000 do
    s := (s + i) mod 1000000007;
  Result := s;
end;

end.
