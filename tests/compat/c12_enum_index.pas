program EnumIndex;
type
  TColor = (Red, Green, Blue);
const
  ColorNames: array[TColor] of string = ('red', 'green', 'blue');
var
  count: array[TColor] of integer;
  c: TColor;
  i: integer;
begin
  for c := Red to Blue do count[c] := 0;
  for i := 1 to 10 do
    Inc(count[TColor(i mod 3)]);
  for c := Low(TColor) to High(TColor) do
    WriteLn(ColorNames[c]:6, ': ', count[c]);
end.
