program Knapsack;
{ 0/1 knapsack by dynamic programming, and the coins problem. }
const
  ItemCount = 5;
  Capacity = 10;
  Weights: array[1..ItemCount] of Integer = (2, 3, 4, 5, 9);
  Values: array[1..ItemCount] of Integer = (3, 4, 5, 8, 10);
  Names: array[1..ItemCount] of string = ('map', 'rope', 'food', 'tent', 'stove');
  Coins: array[0..3] of Integer = (1, 5, 10, 25);
var
  Best: array[0..ItemCount, 0..Capacity] of Integer;
  Ways: array[0..100] of Int64;
  i, w, c: Integer;

function Max(a, b: Integer): Integer;
begin
  if a > b then Max := a else Max := b;
end;

begin
  for w := 0 to Capacity do
    Best[0, w] := 0;
  for i := 1 to ItemCount do
    for w := 0 to Capacity do
    begin
      Best[i, w] := Best[i - 1, w];
      if Weights[i] <= w then
        Best[i, w] := Max(Best[i, w], Best[i - 1, w - Weights[i]] + Values[i]);
    end;
  Write('w:');
  for w := 0 to Capacity do Write(w:4);
  WriteLn;
  for i := 0 to ItemCount do
  begin
    Write(i:2);
    for w := 0 to Capacity do
      Write(Best[i, w]:4);
    WriteLn;
  end;
  WriteLn('Best value: ', Best[ItemCount, Capacity]);
  w := Capacity;
  Write('Take:');
  for i := ItemCount downto 1 do
    if Best[i, w] <> Best[i - 1, w] then
    begin
      Write(' ', Names[i]);
      w := w - Weights[i];
    end;
  WriteLn;
  for i := 0 to 100 do Ways[i] := 0;
  Ways[0] := 1;
  for c := Low(Coins) to High(Coins) do
    for i := Coins[c] to 100 do
      Ways[i] := Ways[i] + Ways[i - Coins[c]];
  WriteLn('Ways to change 100: ', Ways[100], ', 50: ', Ways[50], ', 7: ', Ways[7]);
end.
