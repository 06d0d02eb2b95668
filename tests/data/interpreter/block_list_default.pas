var l: TList;
begin l := TList.Create; l.Add(3); l.Add(4); l[1] := 9; Result := l[0] + l.Items[1] + l.Count; l.Free; end;
// expect: Integer: 14
