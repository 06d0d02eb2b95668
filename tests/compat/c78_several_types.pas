program SeveralTypes;
type
  TIndex = 1..5;
  TValues = array[TIndex] of integer;
  TName = string[8];
  TSize = (Small, Medium, Large);
var
  v: TValues;
  n: TName;
  s: TSize;
  i: TIndex;
begin
  for i := Low(TIndex) to High(TIndex) do v[i] := i * 100;
  n := 'Veronica Long';
  s := Medium;
  WriteLn(v[1], ' ', v[5], ' ', n, ' ', Ord(s));
end.
