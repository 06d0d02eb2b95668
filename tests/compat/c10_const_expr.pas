program ConstExpressions;
const
  N = 4;
  Size = N * 2;
  Half = Size div 2;
  Last = Size - 1;
var
  a: array[0..Last] of integer;
  b: array[1..N * 2] of char;
  i: integer;
begin
  for i := 0 to Last do a[i] := i * i;
  for i := 1 to Size do b[i] := Chr(Ord('a') + i - 1);
  WriteLn(Size, ' ', Half, ' ', Last);
  for i := 0 to Last do Write(a[i], ' ');
  WriteLn;
  for i := 1 to Size do Write(b[i]);
  WriteLn;
  case a[2] of
    N: WriteLn('four');
    Size: WriteLn('eight');
  else
    WriteLn('other');
  end;
end.
