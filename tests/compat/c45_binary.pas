program ToBinary;

function Binary(n: integer): string;
begin
  if n = 0 then Exit('0');
  Result := '';
  while n > 0 do
  begin
    Result := Chr(Ord('0') + n mod 2) + Result;
    n := n div 2;
  end;
end;

function Hex(n: integer): string;
const
  Digits = '0123456789ABCDEF';
begin
  Result := '';
  repeat
    Result := Digits[n mod 16 + 1] + Result;
    n := n div 16;
  until n = 0;
end;

var
  i: integer;
begin
  for i := 0 to 8 do Write(Binary(i), ' ');
  WriteLn;
  WriteLn(Hex(255), ' ', Hex(4096), ' ', Hex(48879));
end.
