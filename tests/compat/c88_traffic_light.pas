program TrafficLight;
{ An enumeration with case, Succ through the cycle, and names written directly. }
type
  TLight = (Red, RedYellow, Green, Yellow);
var
  light: TLight;
  step: integer;

function Next(l: TLight): TLight;
begin
  if l = High(TLight) then
    Next := Low(TLight)
  else
    Next := Succ(l);
end;

function Seconds(l: TLight): integer;
begin
  case l of
    Red: Seconds := 30;
    RedYellow, Yellow: Seconds := 3;
    Green: Seconds := 25;
  end;
end;

begin
  light := Red;
  for step := 1 to 6 do
  begin
    WriteLn(step, ': ', light, ' for ', Seconds(light), ' s');
    light := Next(light);
  end;
  WriteLn('Ord(Green) = ', Ord(Green));
end.
