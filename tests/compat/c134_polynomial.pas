program Polynomials;
{ Polynomials as arrays of coefficients: printing, Horner evaluation, derivative, product. }
const
  MaxDeg = 10;
type
  TPoly = record
    Deg: Integer;
    C: array[0..MaxDeg] of Integer;
  end;

procedure Init(var p: TPoly; const Coeffs: array of Integer);
var
  i: Integer;
begin
  p.Deg := High(Coeffs);
  for i := 0 to High(Coeffs) do
    p.C[i] := Coeffs[High(Coeffs) - i];
end;

procedure Print(const p: TPoly);
var
  i, a: Integer;
  First: Boolean;
begin
  First := True;
  for i := p.Deg downto 0 do
  begin
    a := p.C[i];
    if a = 0 then Continue;
    if not First then
      if a > 0 then Write(' + ') else Write(' - ')
    else if a < 0 then
      Write('-');
    if (Abs(a) <> 1) or (i = 0) then Write(Abs(a));
    if i > 0 then Write('x');
    if i > 1 then Write('^', i);
    First := False;
  end;
  if First then Write('0');
  WriteLn;
end;

function Eval(const p: TPoly; x: Real): Real;
var
  i: Integer;
  r: Real;
begin
  r := 0;
  for i := p.Deg downto 0 do
    r := r * x + p.C[i];
  Eval := r;
end;

procedure Derive(const p: TPoly; var d: TPoly);
var
  i: Integer;
begin
  if p.Deg = 0 then
  begin
    d.Deg := 0;
    d.C[0] := 0;
    Exit;
  end;
  d.Deg := p.Deg - 1;
  for i := 1 to p.Deg do
    d.C[i - 1] := i * p.C[i];
end;

procedure Multiply(const a, b: TPoly; var r: TPoly);
var
  i, j: Integer;
begin
  r.Deg := a.Deg + b.Deg;
  for i := 0 to r.Deg do r.C[i] := 0;
  for i := 0 to a.Deg do
    for j := 0 to b.Deg do
      r.C[i + j] := r.C[i + j] + a.C[i] * b.C[j];
end;

var
  p, q, d, r: TPoly;
  x: Real;
  k: Integer;
begin
  Init(p, [2, -3, 0, 5]);
  Init(q, [1, -1]);
  Print(p);
  Print(q);
  Derive(p, d);
  Print(d);
  Multiply(p, q, r);
  Print(r);
  Init(r, [-1, 0, 0, 0, 1]);
  Print(r);
  for k := -2 to 2 do
  begin
    x := k / 2;
    WriteLn('p(', x:4:1, ') = ', Eval(p, x):8:3, '   q = ', Eval(q, x):6:2);
  end;
  { Newton's method for the root of p }
  x := -1;
  Derive(p, d);
  for k := 1 to 6 do
  begin
    x := x - Eval(p, x) / Eval(d, x);
    WriteLn(k, ': ', x:0:10);
  end;
end.
