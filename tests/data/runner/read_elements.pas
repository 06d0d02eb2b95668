program ReadElements;
var
  names: array[1..2] of string;
  n: array[0..1] of integer;
begin
  ReadLn(names[2]);
  ReadLn(n[1]);
  WriteLn(names[2], ' ', n[1] * 2);
end.
