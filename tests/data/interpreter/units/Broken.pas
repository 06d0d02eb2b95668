unit Broken;
function Fails(n: integer): integer;
begin
  Result := n;
  Result := nothing;
end;
end.
