object Form1: TForm
  BorderIcons = [biSystemMenu,

end
