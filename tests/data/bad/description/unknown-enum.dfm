object Form1: TForm
  BorderStyle = bsWobbly
end
