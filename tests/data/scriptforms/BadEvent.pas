unit BadEvent;

interface

uses Forms, Grids;

type
  TBadEventForm = class(TForm)
    StringGrid1: TStringGrid;
    procedure GridSelectCell(Sender: TObject; ACol, ARow: Integer; var CanSelect: Boolean);
  end;

implementation

procedure TBadEventForm.GridSelectCell(Sender: TObject; ACol, ARow: Integer; var CanSelect: Boolean);
begin
end;

end.
