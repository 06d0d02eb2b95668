program InitialisedVars;
var
  count: integer = 0;
  total: integer = 100;
  name: string = 'Pascal';
  ratio: real = 0.5;
begin
  count := count + 1;
  total := total - 25;
  WriteLn(name, ' ', count, ' ', total);
  WriteLn(ratio:0:2);
end.
