program Palindromes;
{ String processing: cleaning a phrase and checking it reads the same both ways. }
function Clean(const s: string): string;
var
  i: integer;
begin
  Result := '';
  for i := 1 to Length(s) do
    if UpCase(s[i]) in ['A'..'Z'] then
      Result := Result + UpCase(s[i]);
end;

function IsPalindrome(const s: string): boolean;
var
  i, n: integer;
begin
  n := Length(s);
  IsPalindrome := True;
  for i := 1 to n div 2 do
    if s[i] <> s[n - i + 1] then
    begin
      IsPalindrome := False;
      Break;
    end;
end;

const
  Phrases: array[1..4] of string = ('Madam, I''m Adam', 'Never odd or even', 'Pascal', 'Was it a car or a cat I saw?');
var
  i: integer;
begin
  for i := Low(Phrases) to High(Phrases) do
    WriteLn(Phrases[i], ' -> ', Clean(Phrases[i]), ' ', IsPalindrome(Clean(Phrases[i])));
end.
