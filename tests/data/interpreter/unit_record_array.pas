unit U;
type TItem = record
  Name: string;
  Count: integer;
end;
function main: string;
var items: array[1..2] of TItem; i: integer;
begin
  items[1].Name := 'x';
  items[2].Name := 'y';
  for i := 1 to 2 do
    items[i].Count := i * 10;
  Result := items[1].Name + items[2].Name + IntToStr(items[2].Count);
end;
end.
// expect: String: xy20
