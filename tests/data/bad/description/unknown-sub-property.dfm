object Form1: TForm
  Font.Wobble = 3
end
