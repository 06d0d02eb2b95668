program IntegerTypes;
var
  b: byte;
  w: word;
  si: shortint;
  sm: smallint;
  c: cardinal;
  i: integer;
  big: int64;
begin
  b := 250; b := b + 10; WriteLn('byte: ', b);
  w := 65530; w := w + 10; WriteLn('word: ', w);
  si := 120; si := si + 10; WriteLn('shortint: ', si);
  sm := 32767; sm := sm + 1; WriteLn('smallint: ', sm);
  c := 0; c := c - 1; WriteLn('cardinal: ', c);
  i := 2147483647; i := i + 1; WriteLn('integer: ', i);
  big := 2147483647; big := big * 4; WriteLn('int64: ', big);
  big := 9223372036854775807; WriteLn('max int64: ', big);
  WriteLn(High(byte), ' ', High(word), ' ', Low(shortint), ' ', High(smallint));
  WriteLn(High(integer), ' ', Low(integer));
end.
