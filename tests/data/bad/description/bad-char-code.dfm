object Form1: TForm
  Caption = #99999999999
end
