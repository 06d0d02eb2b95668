program ArrayOfRecords;
type
  TStudent = record
    Name: string;
    Mark: integer;
  end;
const
  Count = 4;
var
  group: array[1..Count] of TStudent;
  i, best: integer;
  sum: real;
begin
  group[1].Name := 'Anna';  group[1].Mark := 5;
  group[2].Name := 'Boris'; group[2].Mark := 3;
  group[3].Name := 'Vera';  group[3].Mark := 4;
  group[4].Name := 'Gleb';  group[4].Mark := 5;
  sum := 0;
  best := 1;
  for i := 1 to Count do
  begin
    sum := sum + group[i].Mark;
    if group[i].Mark > group[best].Mark then best := i;
  end;
  WriteLn('average: ', sum / Count:0:2);
  WriteLn('first best: ', group[best].Name);
  for i := 1 to Count do
    with group[i] do
      WriteLn(Name:6, Mark:3);
end.
