program ReverseString;

function Reverse(const s: string): string;
var
  i: integer;
begin
  Result := '';
  for i := Length(s) downto 1 do
    Result := Result + s[i];
end;

function IsPalindrome(s: string): boolean;
begin
  IsPalindrome := s = Reverse(s);
end;

begin
  WriteLn(Reverse('Pascal'));
  WriteLn(IsPalindrome('level'), ' ', IsPalindrome('pascal'));
  WriteLn(Reverse(''), '|');
end.
