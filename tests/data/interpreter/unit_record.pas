unit U;
type TPt = record
  X, Y: integer;
  Name: string;
end;
function main: string;
var a, b: TPt;
begin
  a.X := 3;
  a.Name := 'p';
  b := a;
  a.X := 5;
  Result := b.Name + IntToStr(b.X) + IntToStr(a.X);
end;
end.
// expect: String: p35
