unit U;
function S: string; begin end;
function B: boolean; begin end;
function D: double; begin end;
function V: variant; begin end;
function main: string;
begin
  Result := S + '|';
  if not B then Result := Result + 'false|';
  if D = 0 then Result := Result + 'zero';
  if V = Null then Result := Result + '|null' else Result := Result + '|empty';
end;
end.
// expect: String: |false|zero|empty
