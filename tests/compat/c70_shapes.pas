program Shapes;
type
  TShape = (Circle, Square, Triangle);
  TFigure = record
    Kind: TShape;
    Size: real;
  end;
const
  Names: array[TShape] of string = ('circle', 'square', 'triangle');
var
  figures: array[1..3] of TFigure;
  i: integer;

function Area(const f: TFigure): real;
begin
  case f.Kind of
    Circle: Area := Pi * Sqr(f.Size);
    Square: Area := Sqr(f.Size);
    Triangle: Area := Sqrt(3) / 4 * Sqr(f.Size);
  end;
end;

begin
  figures[1].Kind := Circle;   figures[1].Size := 1.5;
  figures[2].Kind := Square;   figures[2].Size := 2;
  figures[3].Kind := Triangle; figures[3].Size := 3;
  for i := 1 to 3 do
    WriteLn(Names[figures[i].Kind]:9, Area(figures[i]):9:3);
end.
