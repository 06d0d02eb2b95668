program CharCodes;
var
  c: char;
begin
  for c := 'A' to 'J' do Write(c, Ord(c):4, ' ');
  WriteLn;
  WriteLn(Chr(72), Chr(105), '!');
  WriteLn(Ord('0'), ' ', Ord(' '), ' ', Char(97));
end.
