program Booleans;
var
  a, b: boolean;
begin
  for a := False to True do
    for b := False to True do
      WriteLn(a:6, b:6, (a and b):6, (a or b):6, (a xor b):6);
end.
