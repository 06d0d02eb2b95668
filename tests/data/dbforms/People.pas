unit People;

interface

type
  TPeopleForm = class(TForm)
    Table1: TTable;
    DataSource1: TDataSource;
    DBGrid1: TDBGrid;
    DBEdit1: TDBEdit;
    DBText1: TDBText;
    DBCheckBox1: TDBCheckBox;
    DBNavigator1: TDBNavigator;
    procedure DataSource1DataChange(Sender: TObject; Field: TField);
  public
    Changes: Integer;
  end;

var
  PeopleForm: TPeopleForm;

implementation

procedure TPeopleForm.DataSource1DataChange(Sender: TObject; Field: TField);
begin
  Changes := Changes + 1;
  Caption := 'People: ' + DBText1.Caption;
end;

end.
