program CharPlay;
{ Character arithmetic: Chr, Ord, Succ, Pred, UpCase and a home-made LowerCase. }
var
  c: Char;
  i: Integer;
  s: string;

function LowerChar(c: Char): Char;
begin
  if c in ['A'..'Z'] then
    LowerChar := Chr(Ord(c) + 32)
  else
    LowerChar := c;
end;

function SwapCase(const s: string): string;
var
  i: Integer;
  r: string;
begin
  r := s;
  for i := 1 to Length(r) do
    if r[i] in ['a'..'z'] then
      r[i] := UpCase(r[i])
    else
      r[i] := LowerChar(r[i]);
  SwapCase := r;
end;

begin
  for c := 'A' to 'Z' do
    Write(c);
  WriteLn;
  for c := 'z' downto 'a' do
    Write(c);
  WriteLn;
  c := 'a';
  for i := 1 to 5 do
  begin
    Write(c, '=', Ord(c), ' ');
    c := Succ(Succ(c));
  end;
  WriteLn;
  WriteLn(Pred('B'), Succ('Y'), Chr(48 + 7), Chr(Ord('a') - Ord('A') + Ord('Q')));
  WriteLn(Ord('0'), ' ', Ord(' '), ' ', Ord('~'), ' ', Ord(#0), ' ', Ord(#255));
  WriteLn(SwapCase('Hello, World 123!'));
  s := '';
  for i := 0 to 9 do
    s := s + Chr(Ord('0') + (i * 3) mod 10);
  WriteLn(s);
  c := '5';
  WriteLn('Digit value: ', Ord(c) - Ord('0'), ', times 3: ', (Ord(c) - 48) * 3);
  WriteLn('A' < 'a', ' ', 'b' > 'B', ' ', 'abc' < 'abd', ' ', 'Z' < 'a', ' ', 'ab' < 'abc');
  c := 'x';
  Inc(c);
  Write(c);
  Inc(c, 2);
  Write(c);
  Dec(c, 25);
  WriteLn(c);
  for c := 'a' to 'e' do
    Write(UpCase(c), LowerChar(UpCase(c)));
  WriteLn;
  WriteLn(Chr(65), Chr(66):3, '|', 'c':1, '|', 'd':0, '|');
end.
