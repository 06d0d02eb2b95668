program StrVal;
var
  s: string;
  n, code: integer;
  r: real;
begin
  Str(42, s);
  WriteLn('[', s, ']');
  Str(7:5, s);
  WriteLn('[', s, ']');
  Str(3.14159:0:2, s);
  WriteLn('[', s, ']');
  Val('123', n, code);
  WriteLn(n, ' ', code);
  Val('12x', n, code);
  WriteLn(n, ' ', code);
  Val('2.5', r, code);
  WriteLn(r:0:1, ' ', code);
end.
