program Driver;
var
  F: TObject;
begin
  F := VlInterpreterMakeForm('Unit2.pas');
  WriteLn(F.Label1.Caption);
  F.Button1.Click;
  F.Button1.Click;
  WriteLn(F.Label1.Caption);
  WriteLn(F.Caption);
  WriteLn(F.Clicks);
  F.Free;
end.
