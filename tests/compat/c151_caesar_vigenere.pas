program Ciphers;
{ Vigenere and Atbash ciphers, letter-case kept, other characters untouched. }
const
  Plain = 'Attack at Dawn, 5 AM!';
  Key = 'Lemon';

function Shift(c: Char; k: Integer): Char;
begin
  if c in ['a'..'z'] then
    Shift := Chr((Ord(c) - Ord('a') + k + 26) mod 26 + Ord('a'))
  else if c in ['A'..'Z'] then
    Shift := Chr((Ord(c) - Ord('A') + k + 26) mod 26 + Ord('A'))
  else
    Shift := c;
end;

function Vigenere(const s, Key: string; Decode: Boolean): string;
var
  i, j, k: Integer;
  r: string;
begin
  r := '';
  j := 0;
  for i := 1 to Length(s) do
    if UpCase(s[i]) in ['A'..'Z'] then
    begin
      k := Ord(UpCase(Key[j mod Length(Key) + 1])) - Ord('A');
      if Decode then k := -k;
      r := r + Shift(s[i], k);
      Inc(j);
    end
    else
      r := r + s[i];
  Vigenere := r;
end;

function Atbash(const s: string): string;
var
  i: Integer;
  c: Char;
begin
  Atbash := s;
  for i := 1 to Length(s) do
  begin
    c := s[i];
    case c of
      'a'..'z': Atbash[i] := Chr(Ord('z') - (Ord(c) - Ord('a')));
      'A'..'Z': Atbash[i] := Chr(Ord('Z') - (Ord(c) - Ord('A')));
    end;
  end;
end;

var
  Coded: string;
begin
  Coded := Vigenere(Plain, Key, False);
  WriteLn(Plain);
  WriteLn(Coded);
  WriteLn(Vigenere(Coded, Key, True));
  WriteLn(Atbash(Plain));
  WriteLn(Atbash(Atbash(Plain)));
  WriteLn(Shift('z', 1), Shift('A', -1), Shift('m', 13), Shift('!', 3));
end.
