object Form1: TForm
  Color = clWobble
end
