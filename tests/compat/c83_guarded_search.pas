program GuardedSearch;
{ Linear search with a guard, and conditions whose right side must not run. }
const
  Count = 6;
var
  items: array[1..Count] of integer = (7, 3, 9, 1, 12, 5);
  i, target, zero, asked: integer;
  found: boolean;

function Expensive(n: integer): boolean;
begin
  Inc(asked);
  Expensive := n mod 2 = 1;
end;

begin
  for target := 0 to 13 do
  begin
    i := 1;
    while (i <= Count) and (items[i] <> target) do
      Inc(i);
    found := i <= Count;
    if found then
      WriteLn(target, ' found at ', i)
  end;
  zero := 0;
  if (zero <> 0) and (100 div zero > 1) then
    WriteLn('never')
  else
    WriteLn('division guarded');
  if (zero = 0) or (100 div zero > 1) then
    WriteLn('or guarded');
  asked := 0;
  for i := 1 to 10 do
    if (i > 5) and Expensive(i) then
      Write(i, ' ');
  WriteLn('asked ', asked);
  asked := 0;
  for i := 1 to 10 do
    if (i <= 5) or Expensive(i) then
      Write(i, ' ');
  WriteLn('asked ', asked);
  found := False;
  WriteLn(found and Expensive(3), ' ', not found or Expensive(3), ' ', asked);
  WriteLn((1 > 2) and (2 > 1) or (3 > 2), ' ', (1 < 2) or (2 < 1) and (3 < 2));
end.
