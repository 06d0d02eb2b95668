program ShortStrings;
var
  code: string[3];
  name: string[10];
begin
  code := 'ABCDEF';
  name := 'Programming';
  WriteLn(code, ' ', Length(code));
  WriteLn(name, ' ', Length(name));
  name := 'Hi';
  name := name + ' there, friend';
  WriteLn(name);
end.
