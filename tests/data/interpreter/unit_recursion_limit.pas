unit U;
function Deep(n: integer): integer;
begin
  Result := Deep(n + 1);
end;
function main: integer;
begin
  Result := Deep(0);
end;
end.
// error: 52 Error in unit 'U' on line 4 : Stack overflow in routine 'Deep' (calls nested too deeply)
