program FoldedConstants;
{ Square roots, absolute values and squares of constants, as a geometry lesson writes them. }
const
  Side = 2.0;
  Half = 0.5;
  Steps = 4;
var
  s: single;
  d: double;
  i: integer;
begin
  WriteLn('Diagonal of the unit square: ', Sqrt(2.0));
  WriteLn('Diagonal of a square of side 2: ', Side * Sqrt(2.0));
  WriteLn('Sqrt(2.0) = Sqrt(2): ', Sqrt(2.0) = Sqrt(2));
  WriteLn('Abs(-2.5) = ', Abs(-2.5), '  Sqr(1.5) = ', Sqr(1.5));
  WriteLn('Abs(-Side) + Sqr(Half) = ', Abs(-Side) + Sqr(Half));
  WriteLn('Sqrt(Side * 8.0) = ', Sqrt(Side * 8.0));
  WriteLn('Sqrt(Steps) = ', Sqrt(Steps), '  Sqr(Steps) = ', Sqr(Steps));
  WriteLn('Exp(1.0) = ', Exp(1.0), '  Ln(2.0) = ', Ln(2.0));
  WriteLn('Sin(0.5) + Cos(0.5) = ', Sin(0.5) + Cos(0.5));
  WriteLn('ArcTan(1.0) * 4 = ', ArcTan(1.0) * 4, '  Pi = ', Pi);
  WriteLn('Frac(2.75) = ', Frac(2.75), '  Int(2.75) = ', Int(2.75));
  WriteLn('Round(Sqrt(2.0) * 1000) = ', Round(Sqrt(2.0) * 1000), '  Trunc(Sqrt(99.0)) = ', Trunc(Sqrt(99.0)));
  WriteLn('2.5 * 2.0 = ', 2.5 * 2.0, '  1.5 / 3 = ', 1.5 / 3, '  2.5 - 0.1 = ', 2.5 - 0.1);
  s := 2.25;
  d := 2.25;
  WriteLn('Sqrt of a single: ', Sqrt(s), '  of a double: ', Sqrt(d));
  WriteLn('Abs and Sqr of a single: ', Abs(-s), ' ', Sqr(s));
  WriteLn('A single times a constant root: ', s * Sqrt(2.0));
  WriteLn('A double times a constant root: ', d * Sqrt(2.0));
  for i := 1 to Steps do
    WriteLn(i:2, Sqrt(i):12:6, Sqrt(i * 1.0):12:6, Sqr(i * Half):8:3);
  WriteLn('Rounded: ', Sqrt(2.0):0:4, ' ', Abs(-2.5):6:2, ' ', Sqr(0.1):0:3);
end.
