unit U;
var g: array[1..3] of integer; gs: string; calls: integer;
procedure Exchange(var x, y: integer);
var t: integer;
begin
  t := x; x := y; y := t;
end;
procedure Mark(var c: string);
begin
  if c = 'c' then c := 'Q' else c := '?';
end;
function Next(var i: integer): integer;
begin
  calls := calls + 1;
  i := i + 1;
  Result := i;
end;
function main: string;
var a: array[1..5] of integer; s: string; i, k: integer;
begin
  for i := 1 to 5 do a[i] := i * 10;
  Exchange(a[1], a[5]);
  i := 2;
  Exchange(a[i + 1], a[i]);
  s := 'abcde';
  Mark(s[3]);
  g[1] := 7; g[3] := 9;
  Swap(g[1], g[3]);  // a host routine
  gs := 'xyz';
  Mark(gs[1]);
  k := 1;
  calls := 0;
  Exchange(a[Next(k)], a[4]);
  Result := IntToStr(a[1]) + ' ' + IntToStr(a[2]) + ' ' + IntToStr(a[3]) + ' ' + IntToStr(a[4]) + ' ' +
    IntToStr(a[5]) + ' ' + s + ' ' + IntToStr(g[1]) + IntToStr(g[3]) + ' ' + gs + ' ' + IntToStr(calls) +
    IntToStr(k);
end;
end.
// expect: String: 50 40 20 30 10 abQde 97 ?yz 12
