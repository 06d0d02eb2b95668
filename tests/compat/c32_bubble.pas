program BubbleSort;
const
  N = 10;
  Data: array[1..N] of integer = (34, 7, 23, 32, 5, 62, 14, 7, 1, 50);
var
  a: array[1..N] of integer;
  i, j, t: integer;
  swapped: boolean;
begin
  for i := 1 to N do a[i] := Data[i];
  repeat
    swapped := False;
    for j := 1 to N - 1 do
      if a[j] > a[j + 1] then
      begin
        t := a[j]; a[j] := a[j + 1]; a[j + 1] := t;
        swapped := True;
      end;
  until not swapped;
  for i := 1 to N do Write(a[i], ' ');
  WriteLn;
end.
