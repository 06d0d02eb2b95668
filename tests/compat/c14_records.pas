program Records;
type
  TPoint = record
    X, Y: integer;
  end;
  TRect = record
    TopLeft, BottomRight: TPoint;
    Name: string
  end;
var
  r: TRect;
  p: TPoint;

function Area(const rect: TRect): integer;
begin
  Area := (rect.BottomRight.X - rect.TopLeft.X) * (rect.BottomRight.Y - rect.TopLeft.Y);
end;

procedure Move(var pt: TPoint; dx, dy: integer);
begin
  pt.X := pt.X + dx;
  pt.Y := pt.Y + dy;
end;

begin
  r.TopLeft.X := 1; r.TopLeft.Y := 2;
  r.BottomRight.X := 11; r.BottomRight.Y := 7;
  r.Name := 'box';
  WriteLn(r.Name, ' area ', Area(r));
  p.X := 0; p.Y := 0;
  Move(p, 3, 4);
  Move(p, 1, 1);
  WriteLn('p = (', p.X, ', ', p.Y, ')');
end.
