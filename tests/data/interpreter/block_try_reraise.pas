begin try raise EDivByZero.Create('boom') except on E: Exception do raise; end; end;
// error: 6 boom
