program Caesar;

function Shift(const s: string; k: integer): string;
var
  i: integer;
  c: char;
begin
  Result := s;
  for i := 1 to Length(s) do
  begin
    c := s[i];
    case c of
      'a'..'z': Result[i] := Chr((Ord(c) - Ord('a') + k + 26) mod 26 + Ord('a'));
      'A'..'Z': Result[i] := Chr((Ord(c) - Ord('A') + k + 26) mod 26 + Ord('A'));
    end;
  end;
end;

var
  secret: string;
begin
  secret := Shift('Hello, World!', 3);
  WriteLn(secret);
  WriteLn(Shift(secret, -3));
end.
