var s: string;
begin
  s := '';
  try
    try
      raise EConvertError.Create('c');
    except
      on E: EDivByZero do s := s + 'wrong';
    end;
  except
    on E: EConvertError do s := s + 'outer ' + E.Message;
  end;
  Result := s;
end;
// expect: String: outer c
