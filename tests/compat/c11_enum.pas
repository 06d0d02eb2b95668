program Enumerations;
type
  TDay = (Mon, Tue, Wed, Thu, Fri, Sat, Sun);
var
  d: TDay;
  work: integer;
begin
  work := 0;
  for d := Mon to Sun do
    if d < Sat then work := work + 1;
  WriteLn('work days: ', work);
  WriteLn('Ord(Wed) = ', Ord(Wed));
  d := Succ(Mon);
  WriteLn('after Mon: ', Ord(d));
  d := Pred(Sun);
  WriteLn('before Sun: ', Ord(d));
  WriteLn(Ord(Low(TDay)), ' ', Ord(High(TDay)));
  case d of
    Mon..Fri: WriteLn('weekday');
    Sat, Sun: WriteLn('weekend');
  end;
end.
