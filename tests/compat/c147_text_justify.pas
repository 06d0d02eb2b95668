program TextJustify;
{ Breaking a text into lines of a given width and justifying them on both sides. }
const
  Text = 'Pascal is a small and efficient language intended to encourage good programming practices using structured programming and data structuring.';
  Width = 30;
var
  Words: array[1..40] of string;
  WordCount, i, First, Len: Integer;

procedure Split(const s: string);
var
  i: Integer;
  w: string;
begin
  WordCount := 0;
  w := '';
  for i := 1 to Length(s) do
    if s[i] = ' ' then
    begin
      if w <> '' then
      begin
        Inc(WordCount);
        Words[WordCount] := w;
        w := '';
      end;
    end
    else
      w := w + s[i];
  if w <> '' then
  begin
    Inc(WordCount);
    Words[WordCount] := w;
  end;
end;

procedure PrintLine(First, Last: Integer; Justify: Boolean);
var
  i, Letters, Gaps, Spaces, Extra: Integer;
  Line: string;
begin
  Letters := 0;
  for i := First to Last do
    Letters := Letters + Length(Words[i]);
  Gaps := Last - First;
  Line := Words[First];
  for i := First + 1 to Last do
  begin
    if Justify and (Gaps > 0) then
    begin
      Spaces := (Width - Letters) div Gaps;
      Extra := (Width - Letters) mod Gaps;
      if i - First <= Extra then Inc(Spaces);
    end
    else
      Spaces := 1;
    Line := Line + StringOfChar(' ', Spaces) + Words[i];
  end;
  WriteLn('|', Line, '':Width - Length(Line), '|');
end;

begin
  Split(Text);
  WriteLn('Words: ', WordCount);
  First := 1;
  Len := Length(Words[1]);
  for i := 2 to WordCount do
    if Len + 1 + Length(Words[i]) > Width then
    begin
      PrintLine(First, i - 1, True);
      First := i;
      Len := Length(Words[i]);
    end
    else
      Len := Len + 1 + Length(Words[i]);
  PrintLine(First, WordCount, False);
end.
