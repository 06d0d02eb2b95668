object BadEventForm: TBadEventForm
  Caption = 'Bad'
  object StringGrid1: TStringGrid
    Left = 0
    Top = 0
    OnSelectCell = GridSelectCell
  end
end
