begin Result := 5; end
// error: 103 ';' expected but End of File found
