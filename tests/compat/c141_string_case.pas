program StringCase;
{ Commands chosen by case on strings, string comparisons and a little interpreter. }
const
  Programme: array[1..9] of string = ('push 3', 'push 4', 'add', 'push 5', 'mul', 'print', 'dup', 'sub', 'print');
var
  Stack: array[1..10] of LongInt;
  Top, i, p, Code: Integer;
  Cmd, Arg: string;
  v: LongInt;
begin
  Top := 0;
  for i := Low(Programme) to High(Programme) do
  begin
    p := Pos(' ', Programme[i]);
    if p > 0 then
    begin
      Cmd := Copy(Programme[i], 1, p - 1);
      Arg := Copy(Programme[i], p + 1, Length(Programme[i]));
    end
    else
    begin
      Cmd := Programme[i];
      Arg := '';
    end;
    case Cmd of
      'push':
        begin
          Val(Arg, v, Code);
          Inc(Top);
          Stack[Top] := v;
        end;
      'add', 'sub', 'mul':
        begin
          v := Stack[Top];
          Dec(Top);
          if Cmd = 'add' then Stack[Top] := Stack[Top] + v
          else if Cmd = 'sub' then Stack[Top] := Stack[Top] - v
          else Stack[Top] := Stack[Top] * v;
        end;
      'dup':
        begin
          Inc(Top);
          Stack[Top] := Stack[Top - 1];
        end;
      'print': WriteLn('top = ', Stack[Top], ' (depth ', Top, ')');
    else
      WriteLn('unknown: ', Cmd);
    end;
  end;
  WriteLn('apple' < 'banana', ' ', 'Apple' < 'apple', ' ', 'abc' = 'abc', ' ', 'abc' <> 'abd', ' ', '' < 'a');
  WriteLn('zebra' > 'zoo', ' ', 'car' < 'cart', ' ', 'Z' > 'A', ' ', 'ab' >= 'ab', ' ', 'b' <= 'a');
end.
