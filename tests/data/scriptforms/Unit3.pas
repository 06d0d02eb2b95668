unit Unit3;

interface

uses Forms;

type
  TForm3 = class(TForm)
  end;

implementation

end.
