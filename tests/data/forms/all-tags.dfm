object Form1: TForm1
  Left = 8
  Top = -200
  Width = 70000
  Tag = 5000000000
  Ratio = 1.500000000000000000
  Offset = -0.125000000000000000
  Scale = 0.25s
  Price = 12.5c
  Stamp = 45000.5d
  Tiny = 3.814697265625E-6s
  Huge = 1.18059162071741E21s
  Caption = 'Hello'
  Hint = ''
  Quote = 'It'#39's'
  Lines2 = 'Line1'#13#10'Line2'
  Title = #1055#1088#1080#1074#1077#1090
  Mixed = 'Button '#1050
  Long = 
    'aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa' +
    'bbbb'
  VeryLong = 
    'xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx' +
    'xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx' +
    'xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx' +
    'xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx' +
    'xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx'
  Align = alClient
  Visible = False
  Enabled = True
  Parent = nil
  Value = Null
  PopupMenu = Form2.PopupMenu1
  Font.Style = [fsBold, fsItalic]
  Anchors = []
  Glyph.Data = {0A0B0C}
  Picture.Data = {
    000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F
    2021}
  Items.Strings = (
    'one'
    'two')
  Nested = (
    1
    (
      2))
  Empty = ()
  Panels = <
    item
      Width = 50
    end
    item [3]
      Text = 'x'
    end>
  Columns = <>
  OnClick = FormClick
  object Button1: TButton [2]
    Caption = 'OK'
  end
  inherited Panel1: TPanel
    object TLabel
    end
  end
  inline Frame1: TFrame1
  end
end
