object Form1: TForm
  Left = 10
  object P: TPanel
    Top = 1
