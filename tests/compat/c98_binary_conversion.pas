program BaseConversion;
{ Integers to binary, octal and hexadecimal with repeat loops, and back with Val. }
function ToBase(n, base: integer): string;
const
  Digits = '0123456789ABCDEF';
begin
  Result := '';
  repeat
    Result := Digits[n mod base + 1] + Result;
    n := n div base;
  until n = 0;
end;

var
  n, back, code: integer;
begin
  for n := 0 to 5 do
    Write(ToBase(n, 2), ' ');
  WriteLn;
  n := 2024;
  WriteLn(n, ' = ', ToBase(n, 2), ' (2) = ', ToBase(n, 8), ' (8) = ', ToBase(n, 16), ' (16)');
  Val('$' + ToBase(n, 16), back, code);
  WriteLn('back: ', back, ' code ', code);
  Val('12a', back, code);
  WriteLn('bad digit at ', code);
end.
