object Form1: TForm
  Caption = 'Сорт
arий'
end
