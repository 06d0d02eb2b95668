program SelectionSort;
var
  a: array[1..8] of integer = (29, 10, 14, 37, 13, 5, 88, 1);
  i, j, m, t: integer;
begin
  for i := 1 to 7 do
  begin
    m := i;
    for j := i + 1 to 8 do
      if a[j] < a[m] then m := j;
    t := a[i]; a[i] := a[m]; a[m] := t;
  end;
  for i := 1 to 8 do Write(a[i]:3);
  WriteLn;
end.
