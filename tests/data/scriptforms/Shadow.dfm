object ShadowForm: TShadowForm
  Caption = 'Shadow'
  object Button1: TButton
    Caption = 'B'
  end
  object Label1: TLabel
    Caption = 'L'
  end
end
