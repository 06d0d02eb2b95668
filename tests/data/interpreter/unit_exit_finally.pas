unit U;
var log: string;
procedure P;
begin
  try
    log := log + 'a';
    exit;
    log := log + 'b';
  finally
    log := log + 'c';
  end;
  log := log + 'd';
end;
function main: string;
begin
  log := '';
  P;
  Result := log;
end;
end.
// expect: String: ac
