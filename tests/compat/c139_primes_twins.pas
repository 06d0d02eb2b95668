program TwinPrimes;
{ A boolean sieve up to 1000: twin primes, Goldbach sums and the gaps between primes. }
const
  Limit = 1000;
var
  Composite: array[2..Limit] of Boolean;
  i, j, Count, Twins, Gap, MaxGap, Last, GapStart: Integer;

function IsPrime(n: Integer): Boolean;
begin
  IsPrime := (n >= 2) and not Composite[n];
end;

begin
  for i := 2 to Limit do Composite[i] := False;
  i := 2;
  while i * i <= Limit do
  begin
    if not Composite[i] then
    begin
      j := i * i;
      while j <= Limit do
      begin
        Composite[j] := True;
        j := j + i;
      end;
    end;
    Inc(i);
  end;
  Count := 0;
  for i := 2 to Limit do
    if IsPrime(i) then Inc(Count);
  WriteLn('Primes up to ', Limit, ': ', Count);
  Twins := 0;
  Write('Twin primes below 200:');
  for i := 2 to Limit - 2 do
    if IsPrime(i) and IsPrime(i + 2) then
    begin
      Inc(Twins);
      if i < 200 then Write(' (', i, ',', i + 2, ')');
    end;
  WriteLn;
  WriteLn('Twin pairs up to ', Limit, ': ', Twins);
  for i := 2 to 15 do
  begin
    j := 2;
    while not (IsPrime(j) and IsPrime(2 * i - j)) do
      Inc(j);
    Write(2 * i, '=', j, '+', 2 * i - j, ' ');
  end;
  WriteLn;
  MaxGap := 0;
  Last := 2;
  GapStart := 2;
  for i := 3 to Limit do
    if IsPrime(i) then
    begin
      Gap := i - Last;
      if Gap > MaxGap then
      begin
        MaxGap := Gap;
        GapStart := Last;
      end;
      Last := i;
    end;
  WriteLn('Largest gap: ', MaxGap, ' after ', GapStart);
end.
