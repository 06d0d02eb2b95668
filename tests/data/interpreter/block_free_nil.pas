var a: TList; b: TList;
begin
  a := nil;
  a.Free;
  b.Free;
  TList(0).Free;
  a := TList.Create;
  a.Free;
  Result := 1;
end;
// expect: Integer: 1
