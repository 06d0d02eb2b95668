program OpenArrayStats;
{ Open array parameters: minimum, maximum and mean of static, dynamic and constructed arrays. }
procedure Stats(const a: array of real; const title: string);
var
  i: integer;
  lo, hi, sum: real;
begin
  lo := a[0];
  hi := a[0];
  sum := 0;
  for i := Low(a) to High(a) do
  begin
    if a[i] < lo then lo := a[i];
    if a[i] > hi then hi := a[i];
    sum := sum + a[i];
  end;
  WriteLn(title, ': n=', Length(a), ' min=', lo:0:1, ' max=', hi:0:1, ' mean=', sum / Length(a):0:3);
end;

var
  fixed: array[1..5] of real = (3.5, 1.25, 9.0, 4.75, 6.5);
  dyn: array of real;
  i: integer;
begin
  Stats(fixed, 'fixed');
  SetLength(dyn, 4);
  for i := 0 to 3 do
    dyn[i] := i * i / 2;
  Stats(dyn, 'dynamic');
  Stats([10, 20, 30.5], 'literal');
end.
