program StringTools;
{ Replacing, trimming and splitting strings with Pos, Copy, Delete and Insert. }
var
  s, w: string;
  p, n: Integer;

function ReplaceAll(Text, Old, New: string): string;
var
  p: Integer;
  Done: string;
begin
  Done := '';
  p := Pos(Old, Text);
  while p > 0 do
  begin
    Done := Done + Copy(Text, 1, p - 1) + New;
    Delete(Text, 1, p + Length(Old) - 1);
    p := Pos(Old, Text);
  end;
  ReplaceAll := Done + Text;
end;

function TrimSpaces(s: string): string;
begin
  while (Length(s) > 0) and (s[1] = ' ') do
    Delete(s, 1, 1);
  while (Length(s) > 0) and (s[Length(s)] = ' ') do
    Delete(s, Length(s), 1);
  while Pos('  ', s) > 0 do
    Delete(s, Pos('  ', s), 1);
  TrimSpaces := s;
end;

function Capitalize(s: string): string;
var
  i: Integer;
  Start: Boolean;
begin
  Start := True;
  for i := 1 to Length(s) do
  begin
    if Start and (s[i] in ['a'..'z']) then
      s[i] := UpCase(s[i]);
    Start := s[i] = ' ';
  end;
  Capitalize := s;
end;

begin
  s := 'the cat sat on the mat with the hat';
  WriteLn(ReplaceAll(s, 'the', 'a'));
  WriteLn(ReplaceAll(s, 'at', 'og'));
  WriteLn('[', TrimSpaces('   too    many   spaces   here  '), ']');
  WriteLn(Capitalize(s));
  s := 'Hello World';
  Insert(' Wide', s, 6);
  WriteLn(s, ' (', Length(s), ')');
  Insert('!', s, 100);
  WriteLn(s);
  Delete(s, 1, 6);
  WriteLn(s);
  Delete(s, 50, 2);
  WriteLn(s);
  WriteLn(Copy(s, 6, 100), '|', Copy(s, 0, 3), '|', Copy(s, 20, 3), '|');
  s := 'one,two,,three,four';
  n := 0;
  repeat
    p := Pos(',', s);
    if p = 0 then
    begin
      w := s;
      s := '';
    end
    else
    begin
      w := Copy(s, 1, p - 1);
      Delete(s, 1, p);
    end;
    Inc(n);
    WriteLn(n, ': "', w, '"');
  until s = '';
  WriteLn(Pos('', 'abc'), Pos('c', 'abc'), Pos('abcd', 'abc'));
end.
