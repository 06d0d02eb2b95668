var sl: TStringList; l: TList; c: TCollection; m: TMemoryStream; comp: TComponent; s: string;
begin
  sl := TStringList.Create;
  sl.NameValueSeparator := ':';
  sl.Add('a:1');
  sl.Add('b:2');
  s := sl.ValueFromIndex[1] + sl.Values['a'] + sl.NameValueSeparator;
  sl.Delimiter := ';';
  sl.StrictDelimiter := True;
  sl.DelimitedText := 'x y;z';
  s := s + ' ' + IntToStr(sl.Count) + sl[0];
  sl.StrictDelimiter := False;
  sl.QuoteChar := '|';
  s := s + ' ' + sl.DelimitedText;
  sl.Capacity := 10;
  if sl.Capacity >= 10 then s := s + ' cap';
  sl.SetText(sl.GetText + 'w');
  s := s + ' ' + IntToStr(sl.Count);
  sl.Free;
  c := TCollection.Create(TCollectionItem);
  c.Add;
  c.Add;
  s := s + ' ' + IntToStr(c[1].Index);
  if c.Owner = nil then s := s + ' free';
  c.Free;
  l := TList.Create;
  if l.Expand.Capacity > 0 then s := s + ' grown';
  l.Free;
  m := TMemoryStream.Create;
  m.SetSize(5);
  s := s + ' ' + IntToStr(m.Size);
  m.Free;
  comp := TComponent.Create(nil);
  if (comp.ComponentState = []) and not comp.HasParent and (comp.GetParentComponent = nil) then s := s + ' plain';
  comp.Free;
  try
    raise EStringListError.Create('dup');
  except
    on E: EListError do s := s + ' wrong';
    on E: Exception do s := s + ' ' + E.ClassName + ':' + E.Message;
  end;
  Result := s;
end;
// expect: String: 21: 2x y |x y|;z cap 3 1 free grown 5 plain EStringListError:dup
