program Overflow;
{ What happens when integers of each size run over. }
var
  b: Byte;
  sh: ShortInt;
  w: Word;
  sm: SmallInt;
  i: Integer;
  li: LongInt;
  c: Cardinal;
  i64: Int64;
  k: Integer;
begin
  b := 250;
  for k := 1 to 10 do
    Inc(b);
  WriteLn('Byte 250 + 10 = ', b);
  b := 3;
  Dec(b, 5);
  WriteLn('Byte 3 - 5 = ', b);
  sh := 120;
  Inc(sh, 10);
  WriteLn('ShortInt 120 + 10 = ', sh);
  w := 65535;
  Inc(w);
  WriteLn('Word 65535 + 1 = ', w);
  sm := -32768;
  Dec(sm);
  WriteLn('SmallInt -32768 - 1 = ', sm);
  i := MaxInt;
  WriteLn('MaxInt = ', i);
  li := MaxLongInt;
  Inc(li);
  WriteLn('MaxLongInt + 1 = ', li);
  c := 0;
  Dec(c);
  WriteLn('Cardinal 0 - 1 = ', c);
  i64 := High(Int64);
  WriteLn('High(Int64) = ', i64);
  Inc(i64);
  WriteLn('High(Int64) + 1 = ', i64);
  WriteLn('Low(Integer) = ', Low(Integer), ', High(Word) = ', High(Word), ', High(Byte) = ', High(Byte));
  WriteLn('Low(ShortInt) = ', Low(ShortInt), ', High(SmallInt) = ', High(SmallInt));
  WriteLn('High(Cardinal) = ', High(Cardinal));
  i64 := 1;
  for k := 1 to 64 do
  begin
    i64 := i64 * 3;
    if k mod 8 = 0 then
      WriteLn('3^', k, ' = ', i64);
  end;
  b := 200;
  w := b * 2;
  WriteLn('Byte 200 * 2 into Word = ', w);
  b := b * 2;
  WriteLn('Byte 200 * 2 into Byte = ', b);
  i := 100000;
  i64 := i * i;
  WriteLn('Integer 100000 * 100000 = ', i64);
  i64 := Int64(i) * i;
  WriteLn('Int64(100000) * 100000 = ', i64);
end.
