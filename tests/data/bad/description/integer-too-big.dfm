object Form1: TForm
  Left = 99999999999
end
