object Form1: TForm
  Wobble = 3
end
