object Form1: TForm
  Left = 'ten'
end
