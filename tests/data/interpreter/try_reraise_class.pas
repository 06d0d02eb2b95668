var s: string;
begin
  try
    try
      raise ERangeError.Create('r');
    except
      on E: Exception do raise;
    end;
  except
    on E: ERangeError do s := 'range ' + E.Message;
  end;
  Result := s;
end;
// expect: String: range r
