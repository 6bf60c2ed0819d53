object Form1: TForm
  BorderIcons = [biSystemMenu, biWobble]
end
