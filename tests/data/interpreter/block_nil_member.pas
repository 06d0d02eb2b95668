var a: TList;
begin
  a := TList(0);
  a.Free;
  Result := a.Count;
end;
// error: 6 Access violation: member 'Count' of nil
