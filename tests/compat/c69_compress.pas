program Compress;

function RunLength(const s: string): string;
var
  i, n: integer;
  t: string;
begin
  Result := '';
  i := 1;
  while i <= Length(s) do
  begin
    n := 1;
    while (i + n <= Length(s)) do
    begin
      if s[i + n] <> s[i] then Break;
      Inc(n);
    end;
    Str(n, t);
    Result := Result + s[i] + t;
    i := i + n;
  end;
end;

begin
  WriteLn(RunLength('aaabccdddd'));
  WriteLn(RunLength('abc'));
end.
