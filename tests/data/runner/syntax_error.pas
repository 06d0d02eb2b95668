program Bad;
begin
  WriteLn(1);
  WriteLn((1 + 2;
end.
