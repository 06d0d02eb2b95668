program Sieve;
const
  Max = 100;
var
  isPrime: array[2..Max] of boolean;
  i, j, count: integer;
begin
  for i := 2 to Max do isPrime[i] := True;
  for i := 2 to Max do
    if isPrime[i] then
    begin
      j := i * i;
      while j <= Max do
      begin
        isPrime[j] := False;
        j := j + i;
      end;
    end;
  count := 0;
  for i := 2 to Max do
    if isPrime[i] then
    begin
      Write(i:4);
      Inc(count);
      if count mod 10 = 0 then WriteLn;
    end;
  WriteLn;
  WriteLn('primes: ', count);
end.
