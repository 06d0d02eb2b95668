program Database;

{ База данных из скрипта (TQuery)

  TQuery выполняет SQL-запросы. Его DatabaseName - это имя файла базы SQLite
  (файл создаётся, если его нет), ':memory:' - база в памяти, пока идёт
  программа, а адрес вида 'postgresql://пользователь@сервер/база' - сервер
  PostgreSQL.

  Значения в запрос передаются параметрами: в тексте пишется :имя, а значение
  задаётся через ParamByName. Так русский текст и кавычки в значениях
  доходят до базы без искажений.

  ExecSQL выполняет запрос без результата (CREATE, INSERT, UPDATE, DELETE),
  Open - запрос с результатом (SELECT). Записи результата читаются по одной:
  FieldByName даёт поле текущей записи, Next переходит к следующей, Eof
  говорит, что записи кончились. }

procedure AddGood(Q: TQuery; const Name: string; Price: Double; Count: Integer);
begin
  Q.SQL.Text := 'INSERT INTO goods (name, price, count) VALUES (:name, :price, :count)';
  Q.ParamByName('name').AsString := Name;
  Q.ParamByName('price').AsFloat := Price;
  Q.ParamByName('count').AsInteger := Count;
  Q.ExecSQL;
end;

var
  Q: TQuery;
  Total: Double;
begin
  Q := TQuery.Create(nil);
  try
    Q.DatabaseName := ':memory:';
    Q.SQL.Text := 'CREATE TABLE goods (name TEXT, price REAL, count INTEGER)';
    Q.ExecSQL;
    AddGood(Q, 'Чай «Букет»', 120.5, 3);
    AddGood(Q, 'Кофе', 340, 1);
    AddGood(Q, 'Сок яблочный', 95.25, 4);

    Q.SQL.Text := 'SELECT name, price * count AS cost FROM goods WHERE count >= :least ORDER BY cost DESC';
    Q.ParamByName('least').AsInteger := 2;
    Q.Open;
    Total := 0;
    while not Q.Eof do
    begin
      writeln(Q.FieldByName('name').AsString, ': ', Q.FieldByName('cost').AsFloat:0:2);
      Total := Total + Q.FieldByName('cost').AsFloat;
      Q.Next;
    end;
    writeln('Записей: ', Q.RecordCount, ', итого: ', Total:0:2);
  finally
    Q.Free;
  end;
end.
