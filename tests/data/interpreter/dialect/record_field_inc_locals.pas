{ Inc and var parameters write into fields of local records, also from a nested routine. }
unit U;
type TRec = record n: integer; inner: record k: integer end end;
function main: string;
var a: array[1..2] of TRec; r: TRec; i: integer;
  procedure Deeper;
  begin
    Inc(r.inner.k, 3);
    Inc(a[i].n);
  end;
begin
  i := 2;
  a[2].n := 0; r.n := 0; r.inner.k := 0;
  Inc(a[i].n, 5); Inc(r.n); Inc(r.inner.k);
  Deeper;
  Result := IntToStr(a[2].n) + ' ' + IntToStr(r.n) + ' ' + IntToStr(r.inner.k);
end;
end.
// expect: String: 6 1 4
