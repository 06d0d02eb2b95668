program NestedTypes;
type
  TDate = record
    Day, Month, Year: integer;
  end;
  TPerson = record
    Name: string;
    Born: TDate;
    Marks: array[1..3] of integer;
  end;
var
  p, q: TPerson;
begin
  p.Name := 'Olga';
  p.Born.Day := 12; p.Born.Month := 4; p.Born.Year := 1990;
  p.Marks[1] := 5; p.Marks[2] := 4; p.Marks[3] := 5;
  q := p;
  q.Name := 'Copy';
  q.Marks[2] := 3;
  WriteLn(p.Name, ' ', p.Born.Day, '.', p.Born.Month, '.', p.Born.Year, ' ', p.Marks[2]);
  WriteLn(q.Name, ' ', q.Marks[2]);
end.
