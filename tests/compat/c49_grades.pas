program Grades;
type
  TGrade = (Fail, Pass, Good, Excellent);
const
  GradeName: array[TGrade] of string = ('fail', 'pass', 'good', 'excellent');
  Scores: array[1..6] of integer = (45, 67, 88, 92, 55, 74);

function GradeOf(score: integer): TGrade;
begin
  case score of
    0..49: GradeOf := Fail;
    50..69: GradeOf := Pass;
    70..89: GradeOf := Good;
  else
    GradeOf := Excellent;
  end;
end;

var
  i: integer;
  g: TGrade;
  counts: array[TGrade] of integer;
begin
  for g := Fail to Excellent do counts[g] := 0;
  for i := 1 to 6 do
  begin
    g := GradeOf(Scores[i]);
    Inc(counts[g]);
    WriteLn(Scores[i]:4, ' ', GradeName[g]);
  end;
  for g := Low(TGrade) to High(TGrade) do
    WriteLn(GradeName[g]:10, counts[g]:3);
end.
