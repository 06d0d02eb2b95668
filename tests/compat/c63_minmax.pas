program MinMax;
uses Math;
const
  V: array[1..7] of integer = (12, -5, 33, 7, 0, 33, -8);
var
  i, lo, hi: integer;
begin
  lo := V[1]; hi := V[1];
  for i := 2 to 7 do
  begin
    lo := Min(lo, V[i]);
    hi := Max(hi, V[i]);
  end;
  WriteLn('min ', lo, ', max ', hi);
  WriteLn(Max(2.5, 1.5):0:1, ' ', Min(3, 9));
end.
