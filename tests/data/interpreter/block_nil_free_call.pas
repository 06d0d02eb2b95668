var a: TList;
begin
  a := TList(0);
  a.Free(1);
end;
// error: 6 Access violation: member 'Free' of nil
