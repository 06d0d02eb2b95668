program LetterFrequency;
var
  freq: array['a'..'z'] of integer;
  c: char;
  s: string;
  i: integer;
begin
  for c := 'a' to 'z' do freq[c] := 0;
  s := 'the quick brown fox jumps over the lazy dog again';
  for i := 1 to Length(s) do
    if s[i] in ['a'..'z'] then Inc(freq[s[i]]);
  for c := 'a' to 'z' do
    if freq[c] > 1 then Write(c, '=', freq[c], ' ');
  WriteLn;
end.
