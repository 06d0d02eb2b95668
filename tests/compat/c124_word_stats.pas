program WordStatistics;
{ Words of a text: count, longest, vowels and consonants by sets of chars. }
const
  Text = 'It was the best of times, it was the worst of times; it was the age of wisdom.';
  Vowels = ['a', 'e', 'i', 'o', 'u', 'A', 'E', 'I', 'O', 'U'];
type
  TCharSet = set of Char;
var
  Letters: TCharSet;
  i, WordCount, VowelCount, ConsonantCount, Longest, Len: Integer;
  Word, LongestWord: string;
  Seen: set of Char;
  c: Char;
  InWord: Boolean;
begin
  Letters := ['a'..'z', 'A'..'Z'];
  WordCount := 0;
  VowelCount := 0;
  ConsonantCount := 0;
  Longest := 0;
  LongestWord := '';
  Word := '';
  Seen := [];
  InWord := False;
  for i := 1 to Length(Text) + 1 do
  begin
    if i <= Length(Text) then c := Text[i] else c := ' ';
    if c in Letters then
    begin
      Word := Word + c;
      InWord := True;
      if c in Vowels then Inc(VowelCount) else Inc(ConsonantCount);
      Seen := Seen + [UpCase(c)];
    end
    else if InWord then
    begin
      Inc(WordCount);
      Len := Length(Word);
      if Len > Longest then
      begin
        Longest := Len;
        LongestWord := Word;
      end;
      Word := '';
      InWord := False;
    end;
  end;
  WriteLn('Words: ', WordCount);
  WriteLn('Vowels: ', VowelCount, ', consonants: ', ConsonantCount);
  WriteLn('Longest word: ', LongestWord, ' (', Longest, ')');
  Write('Letters used: ');
  for c := 'A' to 'Z' do
    if c in Seen then Write(c);
  WriteLn;
  Write('Letters not used: ');
  for c in ['A'..'Z'] - Seen do
    Write(c);
  WriteLn;
  WriteLn('Punctuation: ', ',' in [',', ';', '.'], ' ', 'x' in Vowels);
end.
