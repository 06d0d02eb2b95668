program BubbleWords;
{ Bubble sort of words with an early stop when a pass swaps nothing. }
var
  words: array[1..7] of string = ('kiwi', 'apple', 'mango', 'banana', 'cherry', 'fig', 'date');
  i, pass: integer;
  swapped: boolean;
  tmp: string;
begin
  pass := 0;
  repeat
    swapped := False;
    Inc(pass);
    for i := 1 to 7 - pass do
      if words[i] > words[i + 1] then
      begin
        tmp := words[i];
        words[i] := words[i + 1];
        words[i + 1] := tmp;
        swapped := True;
      end;
  until not swapped;
  for i := 1 to 7 do
    Write(words[i], ' ');
  WriteLn;
  WriteLn('Passes: ', pass);
end.
