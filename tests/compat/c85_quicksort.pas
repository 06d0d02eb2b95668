program QuickSortDemo;
{ Recursive quicksort of an array passed by reference, Hoare's partition. }
type
  TData = array[1..12] of integer;
var
  data: TData = (42, 7, 19, 88, 3, 56, 23, 91, 14, 65, 30, 7);
  i: integer;

procedure Swap(var a, b: integer);
var t: integer;
begin
  t := a; a := b; b := t;
end;

procedure QuickSort(var a: TData; lo, hi: integer);
var
  i, j, pivot: integer;
begin
  i := lo;
  j := hi;
  pivot := a[(lo + hi) div 2];
  repeat
    while a[i] < pivot do Inc(i);
    while a[j] > pivot do Dec(j);
    if i <= j then
    begin
      Swap(a[i], a[j]);
      Inc(i);
      Dec(j);
    end;
  until i > j;
  if lo < j then QuickSort(a, lo, j);
  if i < hi then QuickSort(a, i, hi);
end;

begin
  QuickSort(data, 1, 12);
  for i := 1 to 12 do
    Write(data[i], ' ');
  WriteLn;
end.
