begin
  try raise Exception.Create('a') except on E: Exception do ; end;
  Result := E;
end;
// error: 104 Undeclared Identifier 'E'
