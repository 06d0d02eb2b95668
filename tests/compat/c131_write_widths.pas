program WriteWidths;
{ Write and WriteLn with widths for every kind of value. }
type
  TColor = (Red, Green, Blue);
var
  i: Integer;
  i64: Int64;
  w: Word;
  b: Byte;
  c: Cardinal;
  r: Real;
  s: Single;
  ok: Boolean;
  ch: Char;
  st: string;
  col: TColor;
begin
  i := -123;
  i64 := 9876543210;
  w := 65000;
  b := 7;
  c := 4000000000;
  r := -12.5;
  s := 0.1;
  ok := False;
  ch := '#';
  st := 'Pascal';
  col := Green;
  WriteLn('[', i:6, '][', i:2, '][', i:0, '][', i:-6, ']');
  WriteLn('[', i64:14, '][', w:7, '][', b:3, '][', c:12, ']');
  WriteLn('[', r:10, '][', r:10:1, '][', r:0:4, '][', s:12, '][', s:8:4, ']');
  WriteLn('[', ok:7, '][', ok:2, '][', not ok:-6, '][', True, ']');
  WriteLn('[', ch:4, '][', ch:-4, '][', st:10, '][', st:3, '][', st:-10, ']');
  WriteLn('[', col:8, '][', col, '][', col:-8, ']');
  WriteLn('[', 'literal':9, '][', 42:5, '][', 2.5:6:2, '][', 'x':3, ']');
  for i := 1 to 5 do
    Write(i:i + 1);
  WriteLn;
  for i := 1 to 4 do
    WriteLn('*':i, '*':(9 - 2 * i));
  WriteLn(1, 2, 3, ' ', -1, -2, ' ', 1.5:4:1, 2.5:4:1);
  WriteLn(Ord(ok), Ord(True), ' ', Ord(col), ' ', Ord(ch));
  Write('no newline');
  WriteLn;
  WriteLn;
  WriteLn('after empty line', #9, 'tab', #33);
end.
