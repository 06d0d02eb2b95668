program ExternalCalls;

{ Вызов функций из библиотек (external)

  Функцию из готовой библиотеки можно объявить словом external и вызывать
  как обычную:
    function strlen(s: PChar): Integer; external 'libc.so.6' name 'strlen';

  ОСТОРОЖНО: такой вызов уходит прямо в машинный код библиотеки.
  Интерпретатор не может проверить, что объявление верное. Если ошибиться
  в числе или типах параметров, в типе результата или в имени функции,
  программа может повести себя непредсказуемо или аварийно закрыться,
  и несохранённый текст пропадёт. Сохраните файл перед запуском и
  объявляйте только те функции, описание которых вы знаете точно.

  Что можно передавать:
    Integer, Smallint (Word), Boolean - числа;
    string, PChar - копия строки только на время вызова (функция не должна
      писать в неё больше, чем в ней символов, и запоминать её);
    var Integer, var Smallint, var Boolean - функция может изменить
      переменную.
  Результат: Integer, Smallint (Word), Boolean, или процедура без результата.
  Другие типы интерпретатор не передаёт и сообщает об ошибке до вызова.

  Библиотека загружается на время каждого вызова и сразу выгружается.
  Имя вида 'имя.dll' ищется как libимя.so и имя.so сначала в папке
  программы, затем в системе; 'user32.dll' с функцией MessageBox
  (модуль Windows) входит в поставку. }
uses Windows;

function strlen(s: PChar): Integer; external 'libc.so.6' name 'strlen';
function abs(n: Integer): Integer; external 'libc.so.6' name 'abs';
function toupper(c: Integer): Integer; external 'libc.so.6' name 'toupper';

begin
  WriteLn('Длина строки "Привет": ', strlen('Привет'));
  WriteLn('Модуль числа -42: ', abs(-42));
  WriteLn('Заглавная буква для q: ', Chr(toupper(Ord('q'))));
  MessageBox(0, 'Функции библиотеки вызваны.', 'Из библиотеки', MB_OK or MB_ICONINFORMATION);
end.
