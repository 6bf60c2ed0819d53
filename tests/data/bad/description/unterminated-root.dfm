object Form1: TForm
  Left = 10
