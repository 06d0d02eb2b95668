program Eratosthenes;
{ The sieve of Eratosthenes with a boolean array, printed ten to a line. }
const
  Limit = 120;
var
  composite: array[2..Limit] of boolean;
  i, j, count: integer;
begin
  for i := 2 to Limit do
    composite[i] := False;
  i := 2;
  while i * i <= Limit do
  begin
    if not composite[i] then
    begin
      j := i * i;
      while j <= Limit do
      begin
        composite[j] := True;
        j := j + i;
      end;
    end;
    Inc(i);
  end;
  count := 0;
  for i := 2 to Limit do
    if not composite[i] then
    begin
      Write(i:5);
      Inc(count);
      if count mod 10 = 0 then
        WriteLn;
    end;
  WriteLn;
  WriteLn('Primes up to ', Limit, ': ', count);
end.
