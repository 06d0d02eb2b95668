program Students;
{ Records of students: average marks, the best student, a table. }
type
  TStudent = record
    Name: string;
    Marks: array[1..4] of integer;
    Average: real;
  end;
const
  Count = 4;
var
  group: array[1..Count] of TStudent;
  i, j, best: integer;
  sum: integer;

procedure Fill(var s: TStudent; const n: string; m1, m2, m3, m4: integer);
begin
  s.Name := n;
  s.Marks[1] := m1;
  s.Marks[2] := m2;
  s.Marks[3] := m3;
  s.Marks[4] := m4;
end;

begin
  Fill(group[1], 'Ivanov', 5, 4, 4, 5);
  Fill(group[2], 'Petrova', 5, 5, 5, 4);
  Fill(group[3], 'Sidorov', 3, 4, 3, 4);
  Fill(group[4], 'Kuznetsova', 4, 5, 4, 4);
  best := 1;
  for i := 1 to Count do
  begin
    sum := 0;
    for j := 1 to 4 do
      sum := sum + group[i].Marks[j];
    group[i].Average := sum / 4;
    if group[i].Average > group[best].Average then
      best := i;
  end;
  WriteLn('Name':12, 'Average':9);
  for i := 1 to Count do
    with group[i] do
      WriteLn(Name:12, Average:9:2);
  WriteLn('Best: ', group[best].Name);
end.
