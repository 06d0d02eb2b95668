program NestedRoutines;
uses SysUtils;
{ Nested procedures that reach the locals and parameters of the routine around them. }
procedure Report(const title: string; n: integer);
var
  line: string;
  total: integer;

  procedure AddItem(k: integer);
  begin
    total := total + k;
    if line <> '' then
      line := line + ' + ';
    line := line + IntToStr(k);
  end;

  function Summary: string;
  begin
    Summary := title + ': ' + line + ' = ' + IntToStr(total);
  end;

var
  i: integer;
begin
  line := '';
  total := 0;
  for i := 1 to n do
    AddItem(i * i);
  WriteLn(Summary);
end;

begin
  Report('squares to 3', 3);
  Report('squares to 5', 5);
end.
