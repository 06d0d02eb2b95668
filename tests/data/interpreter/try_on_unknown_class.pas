begin
  try raise Exception.Create('a') except on E: TNothing do ; end;
end;
// error: 104 Undeclared Identifier 'TNothing'
