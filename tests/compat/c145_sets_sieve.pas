program SetSieve;
{ The sieve of Eratosthenes written with a set of byte, and set arithmetic. }
type
  TNumbers = set of Byte;
var
  Sieve, Primes, Evens, Squares: TNumbers;
  i, j, Count: Integer;

procedure Show(const Caption: string; const s: TNumbers);
var
  i: Integer;
begin
  Write(Caption, ':');
  for i := 0 to 255 do
    if i in s then Write(' ', i);
  WriteLn;
end;

function Card(const s: TNumbers): Integer;
var
  b: Byte;
  n: Integer;
begin
  n := 0;
  for b in s do
    Inc(n);
  Card := n;
end;

begin
  Sieve := [2..100];
  Primes := [];
  i := 2;
  while Sieve <> [] do
  begin
    while not (i in Sieve) do Inc(i);
    Primes := Primes + [i];
    j := i;
    while j <= 100 do
    begin
      Exclude(Sieve, j);
      j := j + i;
    end;
  end;
  Show('Primes', Primes);
  Evens := [];
  for i := 0 to 50 do Include(Evens, 2 * i);
  Squares := [];
  for i := 0 to 10 do Squares := Squares + [i * i];
  Show('Even squares', Evens * Squares);
  Show('Odd squares', Squares - Evens);
  Show('Prime or square below 30', (Primes + Squares) * [0..29]);
  Count := Card(Primes);
  WriteLn('Count: ', Count, ', ', Card([]), ', ', Card([0..255]));
  WriteLn([2, 3] <= Primes, ' ', Primes >= [4], ' ', [1..3] = [1, 2, 3], ' ', Evens * Primes = [2]);
end.
