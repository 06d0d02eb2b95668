object LifeForm: TLifeForm
  Caption = 'Life'
  object Button1: TButton
    Caption = '1'
    OnClick = Button1Click
  end
  object Button2: TButton
    Caption = '2'
    OnClick = Button2Click
  end
  object Label1: TLabel
  end
end
