unit MainUnit;

Interface

Uses
  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms, Dialogs;

type
 TMain= class(TForm)
 private
  { Private declarations }
 public
  { Public declarations }
 end;

var
 Main:TMain;

implementation

{$R *.dfm}

end.