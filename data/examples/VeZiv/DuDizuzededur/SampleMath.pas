unit SampleMath;

{ Вспомогательный юнит примера "Юнит, использующий другой юнит" }

function Gcd(a, b: integer): integer;
var
  t: integer;
begin
  while b <> 0 do
  begin
    t := a mod b;
    a := b;
    b := t;
  end;
  Result := a;
end;

function Power2(n: integer): integer;
var
  i: integer;
begin
  Result := 1;
  for i := 1 to n do
    Result := Result * 2;
end;

function IsPrime(n: integer): boolean;
var
  d: integer;
begin
  Result := n > 1;
  for d := 2 to n - 1 do
    if n mod d = 0 then
      Result := false;
end;

function BoolToText(b: boolean): string;
begin
  if b then
    Result := 'да'
  else
    Result := 'нет';
end;

end.
