program TestListEditor;

{ Проверяет редактор списка без окна: добавляет, переставляет и удаляет строки. Выводит OK,
  если всё сошлось. }

var
  F: TObject;
  Key: Char;
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
  F := VlInterpreterMakeForm('ListEditor.pas');
  Expect(F.CountLabel.Caption, 'Строк: 0', 'пустой список');
  F.ItemEdit.Text := 'Первая';
  F.AddButton.Click;
  F.ItemEdit.Text := '  Вторая  ';
  F.AddButton.Click;
  F.ItemEdit.Text := 'Третья';
  Key := Chr(13);
  F.ItemEditKeyPress(F.ItemEdit, Key);
  Expect(IntToStr(Ord(Key)), '0', 'Enter поглощён');
  Expect(F.Items.Items[0] + '|' + F.Items.Items[1] + '|' + F.Items.Items[2], 'Первая|Вторая|Третья', 'три строки');
  Expect(F.CountLabel.Caption, 'Строк: 3', 'счётчик');
  Expect(F.ItemEdit.Text, '', 'строка ввода очищена');
  F.UpButton.Click;
  Expect(F.Items.Items[1], 'Третья', 'вверх');
  Expect(IntToStr(F.Items.ItemIndex), '1', 'выбор после «Вверх»');
  F.Items.ItemIndex := 0;
  F.DownButton.Click;
  Expect(F.Items.Items[1], 'Первая', 'вниз');
  F.DeleteButton.Click;
  Expect(IntToStr(F.Items.Items.Count), '2', 'удаление');
  Expect(F.Items.Items[0] + '|' + F.Items.Items[1], 'Третья|Вторая', 'после удаления');
  F.ClearButton.Click;
  Expect(F.CountLabel.Caption, 'Строк: 0', 'очистка');
  if F.DeleteButton.Enabled then
    Expect('доступна', 'недоступна', 'кнопка «Удалить» после очистки');
  F.Free;
  if Failures = 0 then
    WriteLn('OK');
end.
