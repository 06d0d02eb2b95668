program Subranges;
type
  TDigit = 0..9;
  TLetter = 'a'..'z';
  TScore = 1..100;
var
  d: TDigit;
  l: TLetter;
  s: TScore;
  total: integer;
begin
  total := 0;
  for d := Low(TDigit) to High(TDigit) do
    total := total + d;
  WriteLn('digits sum: ', total);
  l := 'q';
  WriteLn('letter: ', l, ' code ', Ord(l));
  s := 75;
  WriteLn('score: ', s);
  WriteLn(Low(TScore), '..', High(TScore));
end.
