program Sets;
type
  TDigits = set of 0..9;
var
  evens, odds, small, s: TDigits;
  i: integer;
  vowels: set of char;
  text: string;
  n: integer;
begin
  evens := [0, 2, 4, 6, 8];
  odds := [1, 3, 5, 7, 9];
  small := [0..4];
  s := evens * small;
  for i := 0 to 9 do
    if i in s then Write(i, ' ');
  WriteLn;
  s := odds + [0];
  for i := 0 to 9 do
    if i in s then Write(i, ' ');
  WriteLn;
  s := small - evens;
  for i in s do Write(i, ' ');
  WriteLn;
  Include(s, 9);
  Exclude(s, 1);
  for i := 0 to 9 do
    if i in s then Write(i, ' ');
  WriteLn;
  vowels := ['a', 'e', 'i', 'o', 'u'];
  text := 'programming in pascal';
  n := 0;
  for i := 1 to Length(text) do
    if text[i] in vowels then n := n + 1;
  WriteLn('vowels: ', n);
  WriteLn(evens = [0, 2, 4, 6, 8], ' ', small <= [0..5]);
end.
