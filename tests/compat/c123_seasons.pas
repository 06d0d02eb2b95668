program Seasons;
{ Enumerations: Succ and Pred, loops, case, sets of an enumeration. }
type
  TMonth = (Jan, Feb, Mar, Apr, May, Jun, Jul, Aug, Sep, Oct, Nov, Dec);
  TSeason = (Winter, Spring, Summer, Autumn);
  TMonths = set of TMonth;
var
  m: TMonth;
  s: TSeason;
  Holidays, Warm, Both: TMonths;
  Count: array[TSeason] of Integer;

function SeasonOf(m: TMonth): TSeason;
begin
  case m of
    Dec, Jan, Feb: SeasonOf := Winter;
    Mar..May: SeasonOf := Spring;
    Jun..Aug: SeasonOf := Summer;
  else
    SeasonOf := Autumn;
  end;
end;

function NextMonth(m: TMonth): TMonth;
begin
  if m = High(TMonth) then
    NextMonth := Low(TMonth)
  else
    NextMonth := Succ(m);
end;

begin
  for s := Winter to Autumn do
    Count[s] := 0;
  for m := Jan to Dec do
  begin
    Inc(Count[SeasonOf(m)]);
    Write(m, ':', SeasonOf(m), ' ');
    if Ord(m) mod 4 = 3 then WriteLn;
  end;
  for s := Low(TSeason) to High(TSeason) do
    WriteLn(s:8, Count[s]:3, Ord(s):3);
  m := Nov;
  Write('Three months after ', m, ':');
  m := NextMonth(NextMonth(NextMonth(m)));
  WriteLn(' ', m);
  WriteLn('Pred(Dec) = ', Pred(Dec), ', Succ(Jan) = ', Succ(Jan), ', Ord(Jul) = ', Ord(Jul));
  Holidays := [Jan, May, Nov, Dec];
  Warm := [May..Sep];
  Both := Holidays * Warm;
  Write('Warm holidays:');
  for m := Jan to Dec do
    if m in Both then Write(' ', m);
  WriteLn;
  Write('Cold without holidays:');
  for m in [Jan..Dec] - Warm - Holidays do
    Write(' ', m);
  WriteLn;
  Include(Warm, Oct);
  Exclude(Warm, May);
  Write('Warm now:');
  for m in Warm do Write(' ', m);
  WriteLn;
  WriteLn(Jun in Warm, ' ', May in Warm, ' ', Warm = [Jun..Oct], ' ', [Jun] <= Warm);
  s := TSeason(2);
  WriteLn(s, ' ', TMonth(0), ' ', High(TSeason), ' ', Low(TMonth));
end.
