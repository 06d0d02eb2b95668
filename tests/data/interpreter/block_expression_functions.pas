begin
  Result := StrLen(IntToStr(12345)) * (2 + Answer div 2) - -1;
end;
// expect: Integer: 116
