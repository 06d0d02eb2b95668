{ Benchmark: one million calls of a small function of two integers. }
unit BenchCalls;

function add(a, b: integer): integer;
begin
  Result := a + b;
end;

function main: integer;
var
  i, s: integer;
begin
  s := 0;
  for i := 1 to 1000000 do
    s := add(s, i) mod 1000000007;
  Result := s;
end;

end.
