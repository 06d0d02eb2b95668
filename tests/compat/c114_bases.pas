program NumberBases;
{ Converting numbers between bases 2 to 16, and checking Str and Val. }
const
  Digits: string = '0123456789ABCDEF';
var
  n, b, Code, v: Integer;
  s: string;
  r: Real;

function ToBase(n, b: Integer): string;
var
  s: string;
begin
  if n = 0 then
  begin
    ToBase := '0';
    Exit;
  end;
  s := '';
  while n > 0 do
  begin
    s := Digits[n mod b + 1] + s;
    n := n div b;
  end;
  ToBase := s;
end;

function FromBase(const s: string; b: Integer): LongInt;
var
  i: Integer;
  r: LongInt;
begin
  r := 0;
  for i := 1 to Length(s) do
    r := r * b + Pos(UpCase(s[i]), Digits) - 1;
  FromBase := r;
end;

begin
  WriteLn('  n':5, 'bin':12, 'oct':6, 'hex':5, 'b7':6);
  for n := 0 to 20 do
    if (n < 5) or (n mod 5 = 0) then
      WriteLn(n:5, ToBase(n, 2):12, ToBase(n, 8):6, ToBase(n, 16):5, ToBase(n, 7):6);
  n := 2026;
  for b := 2 to 16 do
    Write(ToBase(n, b), ' ');
  WriteLn;
  WriteLn(FromBase('11111101010', 2), ' ', FromBase('7ea', 16), ' ', FromBase('3752', 8));
  Str(n, s);
  WriteLn('"', s, '"');
  Str(n:8, s);
  WriteLn('"', s, '"');
  Str(3.14159:6:2, s);
  WriteLn('"', s, '"');
  Str(-2.5:0:1, s);
  WriteLn('"', s, '"');
  Val('1234', v, Code);
  WriteLn(v, ' ', Code);
  Val('12x4', v, Code);
  WriteLn(v, ' ', Code);
  Val('', v, Code);
  WriteLn(v, ' ', Code);
  Val('-77', v, Code);
  WriteLn(v, ' ', Code);
  Val('$FF', v, Code);
  WriteLn(v, ' ', Code);
  Val('2.75', r, Code);
  WriteLn(r:0:2, ' ', Code);
  Val('1e3', r, Code);
  WriteLn(r:0:1, ' ', Code);
  Val('3.', r, Code);
  WriteLn(r:0:1, ' ', Code);
end.
