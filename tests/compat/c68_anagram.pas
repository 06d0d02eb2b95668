program Anagram;

function SameLetters(a, b: string): boolean;
var
  counts: array[char] of integer;
  c: char;
  i: integer;
begin
  for c := #0 to #255 do counts[c] := 0;
  for i := 1 to Length(a) do Inc(counts[a[i]]);
  for i := 1 to Length(b) do Dec(counts[b[i]]);
  SameLetters := True;
  for c := 'a' to 'z' do
    if counts[c] <> 0 then SameLetters := False;
end;

begin
  WriteLn(SameLetters('listen', 'silent'));
  WriteLn(SameLetters('apple', 'paple'));
  WriteLn(SameLetters('hello', 'world'));
end.
