procedure TForm1.Button1Enter(Sender: TObject)
begin

end;
procedure TForm1.FormCreate(Sender: TObject)
begin

end;
Добавлена процедура OnEnter
Добавлена процедура OnCreate