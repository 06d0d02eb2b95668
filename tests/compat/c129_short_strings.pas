program ShortStrings;
{ string[N] keeps at most N characters; Length, Concat and StringOfChar. }
type
  TCode = string[5];
var
  Code: TCode;
  Name: string[10];
  Line: string;
  i: Integer;
begin
  Code := 'ABCDEFGH';
  WriteLn(Code, ' ', Length(Code));
  Name := 'Alexander the Great';
  WriteLn('[', Name, '] ', Length(Name));
  Name := 'Bob';
  Name := Name + ' and Alice';
  WriteLn('[', Name, ']');
  Code := '';
  for i := 1 to 8 do
  begin
    Code := Code + Chr(Ord('0') + i);
    Write(Code, ' ');
  end;
  WriteLn;
  Line := StringOfChar('-', 20);
  WriteLn(Line);
  Line := Concat('a', 'bc', 'def', Code);
  WriteLn(Line, ' ', Length(Line));
  Name := Line;
  WriteLn(Name, ' ', Name[10], ' ', Name = 'abcdef1234');
  Name[1] := 'Z';
  WriteLn(Name:12, '|', Name:3, '|');
  WriteLn(StringOfChar('*', 0), '|', '|');
end.
