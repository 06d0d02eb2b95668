program ExitSearch;
{ Exit with a value from searches, a forward declaration and mutual recursion. }
function IsEven(n: integer): boolean; forward;

function IsOdd(n: integer): boolean;
begin
  if n = 0 then
    Exit(False);
  IsOdd := IsEven(n - 1);
end;

function IsEven(n: integer): boolean;
begin
  if n = 0 then
    Exit(True);
  IsEven := IsOdd(n - 1);
end;

function IndexOf(const a: array of string; const s: string): integer;
var
  i: integer;
begin
  for i := 0 to High(a) do
    if a[i] = s then
      Exit(i);
  Exit(-1);
end;

begin
  WriteLn(IsEven(10), ' ', IsOdd(7), ' ', IsEven(3));
  WriteLn(IndexOf(['red', 'green', 'blue'], 'blue'), ' ', IndexOf(['red'], 'black'));
end.
