unit U;
type TPt = record
  X: integer;
end;
procedure Show(p: variant);
begin
end;
function main: integer;
var a: TPt;
begin
  Show(a);
  Result := 1;
end;
end.
// error: 2 Error in unit 'U' on line 6 : Internal interpreter error: Array and Record types are not allowed as procedure/function parameternot implemented
