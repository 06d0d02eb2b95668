program MagicSquare;
{ The Siamese method for odd magic squares, with a check of every line. }
const
  MaxN = 9;
type
  TSquare = array[1..MaxN, 1..MaxN] of Integer;
var
  Sq: TSquare;
  n: Integer;

procedure Build(var S: TSquare; n: Integer);
var
  r, c, k, nr, nc: Integer;
begin
  for r := 1 to n do
    for c := 1 to n do
      S[r][c] := 0;
  r := 1;
  c := (n + 1) div 2;
  for k := 1 to n * n do
  begin
    S[r, c] := k;
    nr := r - 1;
    nc := c + 1;
    if nr < 1 then nr := n;
    if nc > n then nc := 1;
    if S[nr, nc] <> 0 then
    begin
      nr := r + 1;
      nc := c;
      if nr > n then nr := 1;
    end;
    r := nr;
    c := nc;
  end;
end;

function IsMagic(const S: TSquare; n: Integer): Boolean;
var
  r, c, Target, Sum, Diag1, Diag2: Integer;
begin
  Target := n * (n * n + 1) div 2;
  IsMagic := True;
  Diag1 := 0;
  Diag2 := 0;
  for r := 1 to n do
  begin
    Sum := 0;
    for c := 1 to n do
      Sum := Sum + S[r, c];
    if Sum <> Target then IsMagic := False;
    Sum := 0;
    for c := 1 to n do
      Sum := Sum + S[c, r];
    if Sum <> Target then IsMagic := False;
    Diag1 := Diag1 + S[r, r];
    Diag2 := Diag2 + S[r, n + 1 - r];
  end;
  if (Diag1 <> Target) or (Diag2 <> Target) then IsMagic := False;
end;

procedure Print(const S: TSquare; n: Integer);
var
  r, c: Integer;
begin
  for r := 1 to n do
  begin
    for c := 1 to n do
      Write(S[r, c]:4);
    WriteLn;
  end;
end;

begin
  n := 3;
  while n <= 7 do
  begin
    Build(Sq, n);
    WriteLn('Order ', n, ', magic sum ', n * (n * n + 1) div 2);
    Print(Sq, n);
    WriteLn('Magic: ', IsMagic(Sq, n));
    WriteLn;
    n := n + 2;
  end;
  Sq[1, 1] := Sq[1, 1] + 1;
  WriteLn('After a change: ', IsMagic(Sq, 7));
end.
