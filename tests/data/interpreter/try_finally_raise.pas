unit U;
var log: string;
procedure P;
begin
  try
    log := log + 'a';
    raise Exception.Create('x');
  finally
    log := log + 'f';
  end;
end;
function main: string;
begin
  log := '';
  try
    P;
  except
    on E: Exception do log := log + E.Message;
  end;
  Result := log;
end;
end.
// expect: String: afx
