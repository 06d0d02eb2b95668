unit Unit1;

Interface

Uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms, Dialogs;

type
 TForm1= class(TForm)
 private
  { Private declarations }
 public
  { Public declarations }
 end;

var
 Form1:TForm1;

implementation

{$R *.dfm}

end.