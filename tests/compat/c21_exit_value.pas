program ExitValue;

function IndexOf(const a: array of integer; x: integer): integer;
var
  i: integer;
begin
  for i := 0 to High(a) do
    if a[i] = x then Exit(i);
  Result := -1;
end;

function IsPrime(n: integer): boolean;
var
  d: integer;
begin
  if n < 2 then Exit(False);
  d := 2;
  while d * d <= n do
  begin
    if n mod d = 0 then Exit(False);
    Inc(d);
  end;
  IsPrime := True;
end;

var
  i: integer;
begin
  WriteLn(IndexOf([5, 7, 9, 11], 9), ' ', IndexOf([1, 2], 5));
  for i := 1 to 30 do
    if IsPrime(i) then Write(i, ' ');
  WriteLn;
end.
