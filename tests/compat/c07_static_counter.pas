program StaticCounter;

function NextId: integer;
const
  Counter: integer = 0;
begin
  Counter := Counter + 1;
  NextId := Counter;
end;

procedure Report;
const
  Calls: integer = 0;
begin
  Inc(Calls);
  WriteLn('Report called ', Calls, ' time(s)');
end;

var
  i: integer;
begin
  for i := 1 to 3 do
    WriteLn('id ', NextId());
  Report;
  Report;
  Report;
end.
