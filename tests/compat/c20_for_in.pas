program ForIn;
var
  a: array[1..5] of integer = (3, 1, 4, 1, 5);
  x, sum: integer;
  c: char;
  word: string;
begin
  sum := 0;
  for x in a do sum := sum + x;
  WriteLn('sum ', sum);
  word := 'Pascal';
  for c in word do Write(c, '.');
  WriteLn;
  for c in ['x', 'a', 'm'] do Write(c);
  WriteLn;
end.
