var a, b: boolean;
begin
  a := true; b := not a;
  Result := (a and not b) or (b xor a);
end;
// expect: Boolean: True
