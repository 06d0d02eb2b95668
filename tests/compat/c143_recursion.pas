program Recursion;
{ Classic recursive functions: Ackermann, McCarthy 91, binomials, permutations, power sets. }
var
  Used: array[1..4] of Boolean;
  Perm: array[1..4] of Integer;
  Count: Integer;

function Ackermann(m, n: Integer): Integer;
begin
  if m = 0 then
    Ackermann := n + 1
  else if n = 0 then
    Ackermann := Ackermann(m - 1, 1)
  else
    Ackermann := Ackermann(m - 1, Ackermann(m, n - 1));
end;

function McCarthy(n: Integer): Integer;
begin
  if n > 100 then
    McCarthy := n - 10
  else
    McCarthy := McCarthy(McCarthy(n + 11));
end;

function Binomial(n, k: Integer): Int64;
begin
  if (k = 0) or (k = n) then
    Binomial := 1
  else
    Binomial := Binomial(n - 1, k - 1) + Binomial(n - 1, k);
end;

procedure Permute(Pos, N: Integer);
var
  i: Integer;
begin
  if Pos > N then
  begin
    Inc(Count);
    for i := 1 to N do Write(Perm[i]);
    Write(' ');
    Exit;
  end;
  for i := 1 to N do
    if not Used[i] then
    begin
      Used[i] := True;
      Perm[Pos] := i;
      Permute(Pos + 1, N);
      Used[i] := False;
    end;
end;

procedure Subsets(const Prefix: string; Rest: string);
begin
  if Rest = '' then
  begin
    Write('{', Prefix, '} ');
    Exit;
  end;
  Subsets(Prefix + Rest[1], Copy(Rest, 2, Length(Rest)));
  Subsets(Prefix, Copy(Rest, 2, Length(Rest)));
end;

function Reverse(const s: string): string;
begin
  if Length(s) <= 1 then
    Reverse := s
  else
    Reverse := Reverse(Copy(s, 2, Length(s) - 1)) + s[1];
end;

function DigitsSum(n: LongInt): Integer;
begin
  if n < 10 then DigitsSum := n else DigitsSum := n mod 10 + DigitsSum(n div 10);
end;

var
  i, j: Integer;
begin
  for i := 0 to 3 do
  begin
    for j := 0 to 4 do
      Write(Ackermann(i, j):6);
    WriteLn;
  end;
  WriteLn(McCarthy(1), ' ', McCarthy(99), ' ', McCarthy(100), ' ', McCarthy(150));
  for i := 0 to 6 do
  begin
    Write('':(6 - i) * 2);
    for j := 0 to i do
      Write(Binomial(i, j):4);
    WriteLn;
  end;
  WriteLn('C(30,15) = ', Binomial(20, 10));
  for i := 1 to 4 do Used[i] := False;
  Count := 0;
  Permute(1, 3);
  WriteLn;
  WriteLn('Permutations: ', Count);
  Subsets('', 'abc');
  WriteLn;
  WriteLn(Reverse('recursion'), ' ', DigitsSum(987654321));
end.
