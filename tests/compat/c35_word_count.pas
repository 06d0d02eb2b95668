program WordCount;
var
  text: string;
  i, words: integer;
  inWord: boolean;
begin
  text := '  The quick  brown fox jumps over   the lazy dog ';
  words := 0;
  inWord := False;
  for i := 1 to Length(text) do
    if text[i] <> ' ' then
    begin
      if not inWord then Inc(words);
      inWord := True;
    end
    else
      inWord := False;
  WriteLn('words: ', words);
end.
