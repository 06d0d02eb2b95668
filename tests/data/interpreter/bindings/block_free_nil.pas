var a: TStringList; b: TStringList; p: variant; n: integer;
begin
  n := 0;
  a := nil;
  a.Free;
  b.Free;
  p := nil;
  p.Free;
  a := TStringList.Create;
  a.Free;
  n := n + 1;
  Result := n;
end;
// expect: Integer: 1
