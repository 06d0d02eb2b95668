program MoneyChange;
{ Greedy change with coin tables, formatted real output and a repeat loop. }
const
  Coins: array[1..6] of integer = (200, 100, 50, 10, 5, 1);
var
  amounts: array[1..3] of real = (3.87, 12.5, 0.99);
  i, k, cents, n: integer;
begin
  for i := 1 to 3 do
  begin
    cents := Round(amounts[i] * 100);
    Write(amounts[i]:6:2, ':');
    for k := 1 to 6 do
    begin
      n := cents div Coins[k];
      if n > 0 then
        Write(' ', n, 'x', Coins[k]);
      cents := cents mod Coins[k];
    end;
    WriteLn;
  end;
end.
