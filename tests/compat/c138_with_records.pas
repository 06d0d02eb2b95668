program WithRecords;
{ The with statement on nested records, on array elements and on two records at once. }
type
  TPoint = record
    X, Y: Real;
  end;
  TRect = record
    TopLeft, BottomRight: TPoint;
    Name: string;
  end;
  TShapeKind = (skSquare, skWide, skTall);
var
  R: TRect;
  Rects: array[1..3] of TRect;
  P: TPoint;
  i: Integer;

function Width(const r: TRect): Real;
begin
  with r do
    Width := BottomRight.X - TopLeft.X;
end;

function Height(const r: TRect): Real;
begin
  with r, TopLeft do
    Height := BottomRight.Y - Y;
end;

function KindOf(const r: TRect): TShapeKind;
begin
  if Abs(Width(r) - Height(r)) < 1e-9 then KindOf := skSquare
  else if Width(r) > Height(r) then KindOf := skWide
  else KindOf := skTall;
end;

begin
  with R do
  begin
    Name := 'first';
    with TopLeft do
    begin
      X := 1;
      Y := 2;
    end;
    BottomRight.X := 4.5;
    BottomRight.Y := 5.5;
  end;
  Rects[1] := R;
  for i := 2 to 3 do
    with Rects[i] do
    begin
      TopLeft := Rects[i - 1].TopLeft;
      BottomRight.X := Rects[i - 1].BottomRight.X * i;
      BottomRight.Y := Rects[i - 1].BottomRight.Y + i;
      Str(i, Name);
      Name := 'rect' + Name;
    end;
  for i := 1 to 3 do
    with Rects[i], BottomRight do
      WriteLn(Name:6, ': (', TopLeft.X:0:1, ',', TopLeft.Y:0:1, ')-(', X:0:1, ',', Y:0:1, ') ',
        Width(Rects[i]):6:2, Height(Rects[i]):6:2, ' ', KindOf(Rects[i]));
  P.X := 3;
  P.Y := 4;
  with P do
    WriteLn('Distance from origin: ', Sqrt(X * X + Y * Y):0:3);
end.
