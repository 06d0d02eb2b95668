program IncDec;
var
  i, j: integer;
  c: char;
  a: array[1..3] of integer;
begin
  i := 10;
  Inc(i);
  Inc(i, 5);
  Dec(i, 3);
  Dec(i);
  WriteLn(i);
  c := 'a';
  Inc(c);
  Inc(c, 2);
  WriteLn(c);
  a[1] := 0; a[2] := 0; a[3] := 0;
  for j := 1 to 10 do Inc(a[j mod 3 + 1], j);
  WriteLn(a[1], ' ', a[2], ' ', a[3]);
  WriteLn(Succ(5), ' ', Pred(5), ' ', Succ('y'), ' ', Pred('b'));
end.
