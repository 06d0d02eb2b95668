unit U;
var Trace: string;
function Current: string;
begin
  if ExceptObject = nil then
    Result := 'nil'
  else
    Result := ExceptObject.ClassName + ':' + Exception(ExceptObject).Message;
end;
function main: string;
begin
  Trace := Current;
  try
    raise EConvertError.Create('plain');
  except
    Trace := Trace + ' ' + Current;
  end;
  try
    StrToInt('x');
  except
    on E: EConvertError do
      if ExceptObject = E then Trace := Trace + ' same';
  end;
  try
    raise EAbort.Create('outer');
  except
    on E: EAbort do
    begin
      try
        raise EZeroDivide.Create('inner');
      except
        Trace := Trace + ' ' + Current;
      end;
      Trace := Trace + ' ' + Current;
    end;
  end;
  Result := Trace + ' ' + Current;
end;
end.
// expect: String: nil EConvertError:plain same EZeroDivide:inner EAbort:outer nil
