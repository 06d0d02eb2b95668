program GradesCase;
{ case with ranges and lists on integers and characters; a histogram of grades. }
const
  Scores: array[1..10] of integer = (95, 82, 67, 74, 58, 88, 91, 43, 79, 100);
var
  i: integer;
  grade: char;
  counts: array['A'..'F'] of integer;
begin
  for grade := 'A' to 'F' do
    counts[grade] := 0;
  for i := 1 to 10 do
  begin
    case Scores[i] of
      90..100: grade := 'A';
      80..89: grade := 'B';
      70..79: grade := 'C';
      60..69: grade := 'D';
    else
      grade := 'F';
    end;
    Inc(counts[grade]);
    Write(Scores[i], grade, ' ');
  end;
  WriteLn;
  for grade := 'A' to 'F' do
    case grade of
      'A', 'B': WriteLn(grade, ' good: ', counts[grade]);
      'C'..'D': WriteLn(grade, ' fair: ', counts[grade]);
      'E': ;
    else
      WriteLn(grade, ' failed: ', counts[grade]);
    end;
end.
