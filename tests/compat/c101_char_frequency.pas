program CharFrequency;
{ Counting letters with an array indexed by characters, then a bar chart. }
var
  counts: array['a'..'z'] of integer;
  s: string;
  ch: char;
  i, most: integer;
begin
  s := 'Mississippi river banks';
  for ch := 'a' to 'z' do
    counts[ch] := 0;
  for i := 1 to Length(s) do
  begin
    ch := LowerCase(s[i]);
    if ch in ['a'..'z'] then
      Inc(counts[ch]);
  end;
  most := 0;
  for ch := 'a' to 'z' do
    if counts[ch] > most then
      most := counts[ch];
  for ch := 'a' to 'z' do
    if counts[ch] > 0 then
      WriteLn(ch, ' ', StringOfChar('#', counts[ch]), ' ', counts[ch]);
  WriteLn('Most frequent count: ', most);
end.
