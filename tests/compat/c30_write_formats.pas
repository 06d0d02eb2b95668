program WriteFormats;
var
  i: integer;
  r: real;
  b: boolean;
  c: char;
  s: string;
begin
  i := 42;
  r := 3.14159;
  b := True;
  c := 'Z';
  s := 'text';
  WriteLn(i);
  WriteLn(i:6);
  WriteLn(-i:6);
  WriteLn(r:10:3);
  WriteLn(r:0:0);
  WriteLn(r:1:4);
  WriteLn(b, ' ', not b);
  WriteLn(b:7);
  WriteLn(c, c:3);
  WriteLn(s:8, '|', s:2, '|');
  WriteLn(i:3, r:8:2, c:2, s:6);
  WriteLn(-0.5:0:0, ' ', 0.5:0:0, ' ', 1.5:0:0, ' ', 2.5:0:0);
  WriteLn(123456.789:12:2);
end.
