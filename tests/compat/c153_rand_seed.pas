program RandSeedUse;
{ A fixed seed gives the same throws every run; the seed reads back as Free Pascal keeps it. }
var
  i, code: Integer;
  c: Cardinal;
  l: LongInt;
  x: Real;
begin
  writeln('start: ', RandSeed);
  writeln('first: ', Random(100), ', seed now ', RandSeed);
  RandSeed := 2024;
  write('dice:');
  for i := 1 to 10 do
    write(' ', Random(6) + 1);
  writeln;
  RandSeed := 2024;
  write('again:');
  for i := 1 to 10 do
    write(' ', Random(6) + 1);
  writeln;
  RandSeed := RandSeed;
  writeln('kept: ', Random(1000));
  RandSeed := -5;
  writeln(RandSeed, ' ', Random(100));
  Inc(RandSeed);
  writeln(RandSeed, ' ', Random(100));
  c := RandSeed;
  l := RandSeed;
  writeln(c, ' ', l);
  writeln(Random);
  x := Random;
  writeln(x:0:6);
  code := 0;
  for i := 1 to 1000 do
    if Random < 0.5 then
      Inc(code);
  writeln('below a half: ', code);
end.
