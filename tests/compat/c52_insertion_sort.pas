program InsertionSort;
var
  a: array[0..6] of string = ('pear', 'apple', 'fig', 'kiwi', 'banana', 'date', 'cherry');
  i, j: integer;
  key: string;
begin
  for i := 1 to 6 do
  begin
    key := a[i];
    j := i;
    while j > 0 do
    begin
      if a[j - 1] <= key then Break;
      a[j] := a[j - 1];
      Dec(j);
    end;
    a[j] := key;
  end;
  for i := 0 to 6 do Write(a[i], ' ');
  WriteLn;
end.
