program StringRoutines;
uses SysUtils;
var
  s, t: string;
  p: integer;
begin
  s := 'Hello, Pascal world';
  WriteLn(Length(s));
  WriteLn(Copy(s, 8, 6));
  p := Pos('world', s);
  WriteLn(p);
  t := s;
  Delete(t, 6, 8);
  WriteLn(t);
  Insert(' dear', t, 6);
  WriteLn(t);
  WriteLn(UpCase('q'), ' ', UpperCase(s), ' ', LowerCase('ABC'));
  WriteLn(Concat('ab', 'cd', 'ef'));
  WriteLn(StringOfChar('*', 10));
  WriteLn(s[1], s[Length(s)]);
end.
