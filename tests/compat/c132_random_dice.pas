program RandomDice;
{ Dice statistics without Randomize, so every run gives the same numbers. }
var
  Counts: array[1..6] of Integer;
  i, Roll, Sum: Integer;
  x: Real;
begin

  for i := 1 to 6 do Counts[i] := 0;
  Sum := 0;
  for i := 1 to 600 do
  begin
    Roll := Random(6) + 1;
    Inc(Counts[Roll]);
    Sum := Sum + Roll;
  end;
  for i := 1 to 6 do
    WriteLn(i, ': ', Counts[i]:4, ' ', StringOfChar('#', Counts[i] div 10));
  WriteLn('Average: ', Sum / 600:0:3);
  for i := 1 to 5 do
    Write(Random(100):4);
  WriteLn;
  x := Random;
  WriteLn(x:0:6);

  WriteLn(Random(6) + 1);
end.
