object Form1: TForm1
  Left = 188
  Top = 108
  Align = alClient
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = 'Сортарий'
  ClientHeight = 590
  ClientWidth = 688
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OnCreate = FormCreate
  object sPanel1: TsPanel
    Left = 0
    Top = 0
    Width = 688
    Height = 113
    Alignment = taLeftJustify
    TabOrder = 0
    SkinData.SkinSection = 'PANEL'
    object StaticText1: TStaticText
      Left = 0
      Top = 0
      Width = 113
      Height = 113
      Alignment = taCenter
      AutoSize = False
      BorderStyle = sbsSingle
      Caption = '12'
      Font.Charset = RUSSIAN_CHARSET
      Font.Color = clWindowText
      Font.Height = -96
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
      TabOrder = 0
      Tag = 1
      OnClick = StaticTextClick
    end
    object StaticText2: TStaticText
      Left = 113
      Top = 0
      Width = 113
      Height = 113
      Alignment = taCenter
      AutoSize = False
      BorderStyle = sbsSingle
      Caption = '12'
      Font.Charset = RUSSIAN_CHARSET
      Font.Color = clWindowText
      Font.Height = -96
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
      TabOrder = 1
      Tag = 2
      OnClick = StaticTextClick
    end
    object StaticText3: TStaticText
      Left = 226
      Top = 0
      Width = 113
      Height = 113
      Alignment = taCenter
      AutoSize = False
      BorderStyle = sbsSingle
      Caption = '12'
      Font.Charset = RUSSIAN_CHARSET
      Font.Color = clWindowText
      Font.Height = -96
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
      TabOrder = 2
      Tag = 3
      OnClick = StaticTextClick
    end
    object StaticText4: TStaticText
      Left = 339
      Top = 0
      Width = 113
      Height = 113
      Alignment = taCenter
      AutoSize = False
      BorderStyle = sbsSingle
      Caption = '12'
      Font.Charset = RUSSIAN_CHARSET
      Font.Color = clWindowText
      Font.Height = -96
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
      TabOrder = 3
      Tag = 4
      OnClick = StaticTextClick
    end
    object StaticText5: TStaticText
      Left = 452
      Top = 0
      Width = 113
      Height = 113
      Alignment = taCenter
      AutoSize = False
      BorderStyle = sbsSingle
      Caption = '12'
      Font.Charset = RUSSIAN_CHARSET
      Font.Color = clWindowText
      Font.Height = -96
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
      TabOrder = 4
      Tag = 5
      OnClick = StaticTextClick
    end
    object StaticText6: TStaticText
      Left = 565
      Top = 0
      Width = 113
      Height = 113
      Alignment = taCenter
      AutoSize = False
      BorderStyle = sbsSingle
      Caption = '12'
      Font.Charset = RUSSIAN_CHARSET
      Font.Color = clWindowText
      Font.Height = -96
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
      TabOrder = 5
      Tag = 6
      OnClick = StaticTextClick
    end
    object StaticText7: TStaticText
      Left = 678
      Top = 0
      Width = 113
      Height = 113
      Alignment = taCenter
      AutoSize = False
      BorderStyle = sbsSingle
      Caption = '12'
      Font.Charset = RUSSIAN_CHARSET
      Font.Color = clWindowText
      Font.Height = -96
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
      TabOrder = 6
      Tag = 7
      OnClick = StaticTextClick
    end
    object StaticText8: TStaticText
      Left = 791
      Top = 0
      Width = 113
      Height = 113
      Alignment = taCenter
      AutoSize = False
      BorderStyle = sbsSingle
      Caption = '12'
      Font.Charset = RUSSIAN_CHARSET
      Font.Color = clWindowText
      Font.Height = -96
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
      TabOrder = 7
      Tag = 8
      OnClick = StaticTextClick
    end
    object StaticText9: TStaticText
      Left = 904
      Top = 0
      Width = 113
      Height = 113
      Alignment = taCenter
      AutoSize = False
      BorderStyle = sbsSingle
      Caption = '12'
      Font.Charset = RUSSIAN_CHARSET
      Font.Color = clWindowText
      Font.Height = -96
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
      TabOrder = 8
      Tag = 9
      OnClick = StaticTextClick
    end
    object StaticText10: TStaticText
      Left = 1017
      Top = 0
      Width = 113
      Height = 113
      Alignment = taCenter
      AutoSize = False
      BorderStyle = sbsSingle
      Caption = '12'
      Font.Charset = RUSSIAN_CHARSET
      Font.Color = clWindowText
      Font.Height = -96
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
      TabOrder = 9
      Tag = 10
      OnClick = StaticTextClick
    end
  end
  object sSkinManager1: TsSkinManager
    SkinDirectory = 'Skins'
    SkinName = 'NextKavra'
    SkinInfo = '5'
    SkinnedPopups = False
    MenuSupport.IcoLineSkin = 'ICOLINE'
  end
  object sSkinProvider1: TsSkinProvider
    SkinData.SkinSection = 'FORM'
    TitleButtons = <>
  end
  object sPanel2: TsPanel
    Left = -16
    Top = 112
    Width = 193
    Height = 457
    TabOrder = 1
    SkinData.SkinSection = 'PANEL'
    object sBitBtn1: TsBitBtn
      Left = 24
      Top = 96
      Width = 145
      Height = 60
      Caption = 'Заполнить '#13#10'массив'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -16
      Font.Name = 'MS Sans Serif'
      Font.Style = []
      ParentFont = False
      TabOrder = 0
      OnClick = sBitBtn1Click
      SkinData.SkinSection = 'BUTTON'
    end
    object sRadioGroup: TsRadioGroup
      Left = 16
      Top = 0
      Width = 161
      Height = 81
      Caption = 'Упорядочение по ...'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -13
      Font.Name = 'MS Sans Serif'
      Font.Style = []
      ItemIndex = 0
      Items.Strings = (
        'возрастанию'
        'убыванию')
      ParentFont = False
      TabOrder = 1
      SkinData.SkinSection = 'GROUPBOX'
    end
    object sBitBtn2: TsBitBtn
      Left = 24
      Top = 176
      Width = 145
      Height = 60
      Caption = 'Показать'#13#10'программу'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -16
      Font.Name = 'MS Sans Serif'
      Font.Style = []
      ParentFont = False
      TabOrder = 2
      OnClick = sBitBtn2Click
      SkinData.SkinSection = 'BUTTON'
    end
    object sBitBtn3: TsBitBtn
      Left = 24
      Top = 256
      Width = 145
      Height = 60
      Caption = 'Спрятать '#13#10'программу'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -16
      Font.Name = 'MS Sans Serif'
      Font.Style = []
      ParentFont = False
      TabOrder = 3
      OnClick = sBitBtn3Click
      SkinData.SkinSection = 'BUTTON'
    end
    object sBitBtn4: TsBitBtn
      Left = 24
      Top = 336
      Width = 145
      Height = 60
      Caption = 'Упорядочить'#13#10'автоматически'
      Enabled = False
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -16
      Font.Name = 'MS Sans Serif'
      Font.Style = []
      ParentFont = False
      TabOrder = 4
      OnClick = sBitBtn4Click
      SkinData.SkinSection = 'BUTTON'
    end
  end
  object sText1: TRichEdit
    Left = 176
    Top = 112
    Width = 185
    Height = 89
    Color = clWhite
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -32
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    Lines.Strings = (
      '')
    ParentFont = False
    TabOrder = 2
  end
end
