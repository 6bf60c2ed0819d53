object Form1: TForm
  Caption = 'Сортарий
end
