program TestCalculator;

{ Проверяет калькулятор без окна: нажимает кнопки и сверяет табло. Выводит OK, если всё сошлось. }

var
  F: TObject;
  Failures: Integer;

procedure Expect(const Actual, Wanted, What: string);
begin
  if Actual <> Wanted then
  begin
    WriteLn(What + ': ' + Actual + ', ожидалось ' + Wanted);
    Failures := Failures + 1;
  end;
end;

begin
  Failures := 0;
  F := VlInterpreterMakeForm('Calculator.pas');
  Expect(F.Display.Text, '0', 'после создания');
  Expect(F.Caption, 'Калькулятор', 'заголовок');
  F.Btn1.Click;
  F.Btn2.Click;
  F.BtnPlus.Click;
  F.Btn3.Click;
  F.BtnEquals.Click;
  Expect(F.Display.Text, '15', '12 + 3');
  F.BtnClear.Click;
  F.Btn7.Click;
  F.BtnMul.Click;
  F.Btn6.Click;
  F.BtnMinus.Click;
  Expect(F.Display.Text, '42', '7 * 6 -');
  F.Btn2.Click;
  F.BtnEquals.Click;
  Expect(F.Display.Text, '40', '42 - 2');
  F.BtnClear.Click;
  F.Btn9.Click;
  F.BtnDiv.Click;
  F.Btn4.Click;
  F.BtnEquals.Click;
  Expect(F.Display.Text, FloatToStr(2.25), '9 / 4');
  F.Free;
  if Failures = 0 then
    WriteLn('OK');
end.
