program TestDrawing;

{ Проверяет рисование без окна: ведёт «мышь» по полю, меняет цвет, перерисовывает и стирает.
  Выводит OK, если всё сошлось. }

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
  F := VlInterpreterMakeForm('Drawing.pas');
  Expect(F.StatusLabel.Caption, 'Рисуйте мышью', 'после создания');
  F.PaintBox1MouseMove(F.PaintBox1, [ssShift], 5, 5);
  Expect(IntToStr(F.SegmentCount), '0', 'движение без нажатия');
  F.PaintBox1MouseDown(F.PaintBox1, mbLeft, [ssLeft], 10, 10);
  F.PaintBox1MouseMove(F.PaintBox1, [ssLeft], 20, 15);
  F.PaintBox1MouseMove(F.PaintBox1, [ssLeft], 30, 30);
  F.PaintBox1MouseUp(F.PaintBox1, mbLeft, [ssShift], 40, 30);
  Expect(IntToStr(F.SegmentCount), '3', 'три отрезка');
  Expect(F.StatusLabel.Caption, 'Отрезков: 3', 'строка состояния');
  F.RedButton.Click;
  Expect(F.StatusLabel.Caption, 'Цвет: Красный', 'красный цвет');
  Expect(IntToStr(F.PenColor), IntToStr(clRed), 'цвет пера');
  F.PaintBox1MouseDown(F.PaintBox1, mbRight, [ssRight], 50, 50);
  F.PaintBox1MouseMove(F.PaintBox1, [ssRight], 60, 60);
  Expect(IntToStr(F.SegmentCount), '3', 'правая кнопка не рисует');
  F.Show;
  F.PaintBox1.Repaint;
  Application.ProcessMessages;
  F.ClearButton.Click;
  Expect(IntToStr(F.SegmentCount), '0', 'очистка');
  Expect(F.StatusLabel.Caption, 'Рисунок стёрт', 'после очистки');
  F.Free;
  if Failures = 0 then
    WriteLn('OK');
end.
