program ClassRegister;
{ A class register: records holding arrays of marks, passed by value and by reference. }
const
  Subjects = 4;
  Pupils = 5;
type
  TMarks = array[1..Subjects] of Integer;
  TPupil = record
    Name: string;
    Marks: TMarks;
  end;
  TClass = array[1..Pupils] of TPupil;
const
  SubjectNames: array[1..Subjects] of string = ('Math', 'Phys', 'Lit', 'Hist');
var
  Group: TClass;
  Copy1: TPupil;
  i, j: Integer;

function Average(p: TPupil): Real;
var
  i, s: Integer;
begin
  s := 0;
  for i := 1 to Subjects do
    s := s + p.Marks[i];
  p.Marks[1] := 0;   { a value parameter: the caller's record does not change }
  Average := s / Subjects;
end;

procedure Improve(var p: TPupil; Subject: Integer);
begin
  if p.Marks[Subject] < 5 then
    Inc(p.Marks[Subject]);
end;

procedure SetPupil(var p: TPupil; const n: string; const m: TMarks);
begin
  p.Name := n;
  p.Marks := m;
end;

function Best(const g: TClass): Integer;
var
  i: Integer;
begin
  Best := 1;
  for i := 2 to Pupils do
    if Average(g[i]) > Average(g[Best]) then
      Best := i;
end;

var
  m: TMarks;
begin
  m[1] := 5; m[2] := 4; m[3] := 3; m[4] := 4;
  SetPupil(Group[1], 'Ivanov', m);
  m[1] := 3; m[3] := 5;
  SetPupil(Group[2], 'Petrova', m);
  m[2] := 5; m[4] := 5;
  SetPupil(Group[3], 'Sidorov', m);
  m[1] := 4; m[2] := 3; m[3] := 3; m[4] := 3;
  SetPupil(Group[4], 'Orlova', m);
  m[1] := 5; m[2] := 5; m[3] := 4; m[4] := 5;
  SetPupil(Group[5], 'Volkov', m);
  Write('Name':10);
  for j := 1 to Subjects do Write(SubjectNames[j]:6);
  WriteLn('Avg':7);
  for i := 1 to Pupils do
  begin
    Write(Group[i].Name:10);
    for j := 1 to Subjects do
      Write(Group[i].Marks[j]:6);
    WriteLn(Average(Group[i]):7:2);
  end;
  WriteLn('Best: ', Group[Best(Group)].Name);
  Copy1 := Group[4];
  for j := 1 to Subjects do
    Improve(Group[4], j);
  WriteLn(Group[4].Name, ' before ', Average(Copy1):0:2, ', after ', Average(Group[4]):0:2);
  WriteLn('First mark kept: ', Group[1].Marks[1], ' ', Copy1.Marks[1]);
  for j := 1 to Subjects do
  begin
    m[j] := 0;
    for i := 1 to Pupils do
      m[j] := m[j] + Group[i].Marks[j];
  end;
  for j := 1 to Subjects do
    WriteLn(SubjectNames[j]:5, m[j] / Pupils:6:2);
end.
