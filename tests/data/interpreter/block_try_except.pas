var s: string;
begin try raise Exception.Create('e') except on E: Exception do s := E.Message; end; Result := s; end;
// expect: String: e
