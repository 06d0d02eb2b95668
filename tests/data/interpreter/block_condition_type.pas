begin if 1 then Result := 1; end;
// error: 105 Type of expression must be boolean
