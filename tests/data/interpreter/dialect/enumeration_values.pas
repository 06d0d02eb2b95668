{ Enumerations: ordinals, Succ and Pred, Low and High, as array index, in for and case. }
unit U;
type
  TDay = (Mon, Tue, Wed, Thu, Fri, Sat, Sun);
  TWork = Mon..Fri;
function main: string;
var d: TDay; hours: array[TDay] of integer; total: integer;
begin
  total := 0;
  for d := Low(TWork) to High(TWork) do
    hours[d] := Ord(d) + 1;
  for d := Mon to Sun do
    case d of
      Mon..Wed: total := total + hours[d];
      Sat, Sun: total := total + 100;
    else
      total := total + 10 * hours[d];
    end;
  Result := IntToStr(total) + ' ' + IntToStr(Ord(Pred(High(TDay)))) + ' ' + IntToStr(Ord(Succ(Mon)));
end;
end.
// expect: String: 296 5 1
