{ A function's name takes its result; with arguments it calls itself; F() calls it without. }
unit U;
var depth: integer;
function Fact(n: integer): integer;
begin
  if n <= 1 then Fact := 1 else Fact := n * Fact(n - 1);
end;
function Down: integer;
begin
  Inc(depth);
  if depth < 4 then Down := Down() + 10 else Down := 0;
  Down := Down + 1;
end;
function main: integer;
begin
  Result := Fact(6) + Down * 1000;
end;
end.
// expect: Integer: 34720
