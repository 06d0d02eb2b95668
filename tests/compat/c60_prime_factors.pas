program PrimeFactors;

procedure Factorize(n: integer);
var
  d: integer;
  first: boolean;
begin
  Write(n, ' =');
  d := 2;
  first := True;
  while n > 1 do
  begin
    while n mod d = 0 do
    begin
      if first then Write(' ', d) else Write(' * ', d);
      first := False;
      n := n div d;
    end;
    Inc(d);
  end;
  WriteLn;
end;

begin
  Factorize(360);
  Factorize(97);
  Factorize(1001);
  Factorize(65536);
end.
