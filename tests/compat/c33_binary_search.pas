program BinarySearch;
const
  Sorted: array[0..9] of integer = (2, 5, 8, 12, 16, 23, 38, 56, 72, 91);

function Find(const a: array of integer; key: integer): integer;
var
  lo, hi, mid: integer;
begin
  lo := 0;
  hi := High(a);
  Find := -1;
  while lo <= hi do
  begin
    mid := (lo + hi) div 2;
    if a[mid] = key then
    begin
      Find := mid;
      Exit;
    end
    else if a[mid] < key then
      lo := mid + 1
    else
      hi := mid - 1;
  end;
end;

begin
  WriteLn(Find(Sorted, 23));
  WriteLn(Find(Sorted, 2));
  WriteLn(Find(Sorted, 91));
  WriteLn(Find(Sorted, 7));
end.
