program NestedRoutines;
{ Nested procedures that use their parent's parameters and locals. }

procedure Report(const Title: string; Count: Integer);
var
  Line: Integer;
  Total: LongInt;

  procedure Rule(c: Char);
  var
    i: Integer;
  begin
    for i := 1 to Length(Title) + 4 do
      Write(c);
    WriteLn;
  end;

  procedure AddLine(v: Integer);
  begin
    Inc(Line);
    Total := Total + v;
    WriteLn(Line:2, ': ', v:5, Total:7);
  end;

  function Square(k: Integer): Integer;

    function Twice(m: Integer): Integer;
    begin
      Twice := m + m;
    end;

  begin
    Square := k * k + Twice(Line) - Twice(Line);
  end;

var
  k: Integer;
begin
  Line := 0;
  Total := 0;
  Rule('=');
  WriteLn('| ', Title, ' |');
  Rule('-');
  for k := 1 to Count do
    AddLine(Square(k));
  Rule('=');
  WriteLn('Lines: ', Line, ', total: ', Total);
end;

function SumDigitsTimes(n, Times: Integer): Integer;
var
  Acc: Integer;

  procedure Walk(m: Integer);
  begin
    if m = 0 then Exit;
    Acc := Acc + (m mod 10) * Times;
    Walk(m div 10);
  end;

begin
  Acc := 0;
  Walk(n);
  SumDigitsTimes := Acc;
end;

begin
  Report('Squares', 6);
  Report('Few', 2);
  WriteLn(SumDigitsTimes(12345, 1), ' ', SumDigitsTimes(999, 3), ' ', SumDigitsTimes(0, 7));
end.
