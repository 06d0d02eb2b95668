program InsertionGuard;
{ The textbook insertion sort: the guard j >= 0 keeps a[j] from being read at j = -1. }
const
  N = 8;
var
  a: array[0..N - 1] of integer = (31, 4, 15, 9, 26, 5, 3, 58);
  i, j, key: integer;
begin
  for i := 1 to N - 1 do
  begin
    key := a[i];
    j := i - 1;
    while (j >= 0) and (a[j] > key) do
    begin
      a[j + 1] := a[j];
      j := j - 1;
    end;
    a[j + 1] := key;
  end;
  for i := 0 to N - 1 do
    Write(a[i]:4);
  WriteLn;
end.
