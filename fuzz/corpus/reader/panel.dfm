object Form1: TForm1
  Left = 188
  Caption = 'Сортарий'
  Font.Height = -11
  object sPanel1: TsPanel
    Left = 0
    Width = 688
    SkinData.SkinSection = 'PANEL'
    object StaticText1: TStaticText
      Tag = 1
      Caption = '12'
    end
  end
end
