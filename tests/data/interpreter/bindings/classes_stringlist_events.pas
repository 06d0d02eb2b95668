unit U;
var Changes, Changings: integer; Seen: string;
procedure ListChanged(Sender: TObject);
begin
  Changes := Changes + 1;
  Seen := Seen + IntToStr(TStringList(Sender).Count);
end;
procedure ListChanging(Sender: TObject);
begin
  Changings := Changings + 1;
end;
function main: string;
var sl: TStringList;
begin
  sl := TStringList.Create;
  sl.OnChange := ListChanged;
  sl.OnChanging := ListChanging;
  sl.Add('a');
  sl.Add('b');
  sl.BeginUpdate;
  sl.Add('c');
  sl.Delete(0);
  sl.EndUpdate;
  sl.OnChange := nil;
  sl.Add('d');
  sl.OnChange := ListChanged;
  sl.OnChange := ListChanged;
  sl.Sort;
  sl.Free;
  Result := IntToStr(Changes) + ' ' + IntToStr(Changings) + ' ' + Seen;
end;
end.
// expect: String: 4 5 1223
