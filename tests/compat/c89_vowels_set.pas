program VowelsAndConsonants;
{ Sets of characters: vowels, consonants, digits in a sentence. }
const
  Vowels = ['a', 'e', 'i', 'o', 'u', 'y'];
var
  text: string;
  i, v, c, d, other: integer;
  ch: char;
  seen: set of char;
begin
  text := 'The quick brown fox jumps over 13 lazy dogs.';
  v := 0; c := 0; d := 0; other := 0;
  seen := [];
  for i := 1 to Length(text) do
  begin
    ch := LowerCase(text[i]);
    if ch in Vowels then
      Inc(v)
    else if ch in ['a'..'z'] then
      Inc(c)
    else if ch in ['0'..'9'] then
      Inc(d)
    else
      Inc(other);
    if ch in ['a'..'z'] then
      Include(seen, ch);
  end;
  WriteLn('Vowels: ', v, ', consonants: ', c, ', digits: ', d, ', other: ', other);
  Write('Letters not used: ');
  for ch := 'a' to 'z' do
    if not (ch in seen) then
      Write(ch);
  WriteLn;
end.
