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
    InternalSkins = <
      item
        Name = 'NextKavra (internal)'
        GeneralData = <
          item
            SectionName = 'GLOBALINFO'
            ParentClass = ''
            Color = 15847088
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 6308382 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = clWhite
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'SPLITTER'
            ParentClass = 'SPEEDBUTTON_SMALL'
            Color = 15847088
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 100
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16243906
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'MENUITEM'
            ParentClass = ''
            Color = 16445670
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '6308382 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16243906
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16509914;15913128;99;0;0;15913128;15913128;0;0;0'
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'MAINMENU'
            ParentClass = ''
            Color = 15847088
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16577772;15847088;99;0;0;15847088;15847088;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = clWhite
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'COMBOBOX'
            ParentClass = 'EDIT'
            Color = clWhite
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = True
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 10
            HotColor = clWhite
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'MENULINE'
            ParentClass = ''
            Color = 14267535
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 14267535
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'PAGECONTROL'
            ParentClass = ''
            Color = 15390916
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16445670;15390916;99;0;0;15390916;15390916;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 15390916
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'SCROLLBAR1H'
            ParentClass = ''
            Color = 16114383
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 15782580
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'SCROLLBAR2H'
            ParentClass = ''
            Color = 16114383
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 15782580
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'SCROLLBAR1V'
            ParentClass = ''
            Color = 16114383
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 15782580
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'SCROLLBAR2V'
            ParentClass = ''
            Color = 16114383
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 15782580
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'STATUSBAR'
            ParentClass = ''
            Color = 15847088
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16113350;15319708;99;0;0;15319708;15319708;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 15847088
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'DIVIDER'
            ParentClass = ''
            Color = 15847088
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 100
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = clWhite
            HotTransparency = 100
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'GROUPBOX'
            ParentClass = ''
            Color = 14215660
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 100
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = clWhite
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'PAGECONTROLBOTTOM'
            ParentClass = 'PAGECONTROL'
            Color = 15390916
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16445670;15390916;99;0;0;15390916;15390916;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 15390916
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'TABCONTROL'
            ParentClass = 'PAGECONTROL'
            Color = 15390916
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16445670;15390916;99;0;0;15390916;15390916;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 15390916
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'TABCONTROLBOTTOM'
            ParentClass = 'PAGECONTROLBOTTOM'
            Color = 15390916
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16445670;15390916;99;0;0;15390916;15390916;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 15390916
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'TABCONTROLLEFT'
            ParentClass = 'PAGECONTROLLEFT'
            Color = 15390916
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16445670;15390916;99;0;0;15390916;15390916;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 15390916
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'TABCONTROLRIGHT'
            ParentClass = 'PAGECONTROLRIGHT'
            Color = 15390916
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16445670;15390916;99;0;0;15390916;15390916;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 15390916
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'PAGECONTROLRIGHT'
            ParentClass = 'PAGECONTROL'
            Color = 15390916
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16445670;15390916;99;0;0;15390916;15390916;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 15390916
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'PAGECONTROLLEFT'
            ParentClass = 'PAGECONTROL'
            Color = 15390916
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16445670;15390916;99;0;0;15390916;15390916;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 15390916
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'CALCPANEL'
            ParentClass = ''
            Color = 16445670
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16445670
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'FORMTITLE'
            ParentClass = ''
            Color = clWhite
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '16777181 -1 -1 12615808 12615808'
            HotFontColor = '16777181 -1 -1 8140820 8140820'
            Transparency = 0
            GradientPercent = 100
            GradientData = '15985380;15322048;23;0;0;15322048;11107158;63;0;0;11107158;12550976;13;0;0;12550976;12550976;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = clWhite
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '15190957;14195561;15;0;0;14195561;11957577;71;0;0;11957577;12550976;12;0;0;12550976;12550976;0;0;0'
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'PANEL_LOW'
            ParentClass = ''
            Color = 15785160
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 15785160
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'DIALOG'
            ParentClass = 'FORM'
            Color = 14998481
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 14998481
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'TOOLBAR'
            ParentClass = ''
            Color = 15847088
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16577772;15388850;99;0;0;15388850;15388850;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 15847088
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'PANEL'
            ParentClass = ''
            Color = 15390916
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '14396279;14730921;99;0;0;14730921;14730921;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = clWhite
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'EDIT'
            ParentClass = ''
            Color = clWhite
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = True
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 10
            HotColor = clWhite
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'DRAGBAR'
            ParentClass = ''
            Color = 11237705
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '16777215 -1 -1 -1 -1'
            HotFontColor = '16777215 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '13732910;11237705;99;0;0;11237705;11237705;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 13732910
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '13732910;11237705;99;0;0;11237705;11237705;0;0;0'
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'KAVRACOMBOBOX'
            ParentClass = 'KAVRAEDIT'
            Color = clWhite
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = True
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 10
            HotColor = clWhite
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'PROGRESSH'
            ParentClass = ''
            Color = 16313052
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16313052
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'PROGRESSV'
            ParentClass = ''
            Color = 16313052
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16313052
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'GAUGE'
            ParentClass = ''
            Color = 16313052
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16313052
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'TABBOTTOM'
            ParentClass = ''
            Color = 15390916
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16578288;15389370;99;0;0;15389370;15389370;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = True
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 10
            HotColor = clWhite
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16777215;16113350;99;0;0;16113350;16113350;0;0;0'
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'TABTOP'
            ParentClass = ''
            Color = 15390916
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16578288;15389370;99;0;0;15389370;15389370;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = True
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 10
            HotColor = clWhite
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16777215;16113350;99;0;0;16113350;16113350;0;0;0'
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'TABLEFT'
            ParentClass = ''
            Color = 15390916
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16578288;15389370;99;0;0;15389370;15389370;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = True
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 10
            HotColor = clWhite
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16777215;16113350;99;0;0;16113350;16113350;0;0;0'
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'TABRIGHT'
            ParentClass = ''
            Color = 15390916
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16578288;15389370;99;0;0;15389370;15389370;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = True
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 10
            HotColor = clWhite
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16777215;16113350;99;0;0;16113350;16113350;0;0;0'
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'SCROLLBTNBOTTOM'
            ParentClass = ''
            Color = 16246484
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16643822;15651508;99;0;0;15651508;15651508;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = True
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 10
            HotColor = clWhite
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16777215;15779984;99;0;0;15779984;15779984;0;0;0'
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'SCROLLBTNLEFT'
            ParentClass = ''
            Color = 16246484
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16643822;15651508;99;0;0;15651508;15651508;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = True
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 10
            HotColor = clWhite
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16777215;15779984;99;0;0;15779984;15779984;0;0;0'
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'SCROLLBTNRIGHT'
            ParentClass = ''
            Color = 16246484
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16643822;15651508;99;0;0;15651508;15651508;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = True
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 10
            HotColor = clWhite
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16777215;15779984;99;0;0;15779984;15779984;0;0;0'
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'SCROLLBTNTOP'
            ParentClass = ''
            Color = 16246484
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16643822;15651508;99;0;0;15651508;15651508;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = True
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 10
            HotColor = clWhite
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16777215;15779984;99;0;0;15779984;15779984;0;0;0'
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'SCROLLSLIDERH'
            ParentClass = ''
            Color = 16246484
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16643822;15651508;99;0;0;15651508;15651508;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = True
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 10
            HotColor = clWhite
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16777215;15779984;99;0;0;15779984;15779984;0;0;0'
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'SCROLLSLIDERV'
            ParentClass = ''
            Color = 16246484
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16643822;15651508;99;0;0;15651508;15651508;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = True
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 10
            HotColor = clWhite
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16777215;15779984;99;0;0;15779984;15779984;0;0;0'
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'SPEEDBUTTON_SMALL'
            ParentClass = ''
            Color = 16246484
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16643822;15651508;99;0;0;15651508;15651508;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = True
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 10
            HotColor = clWhite
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16777215;15779984;99;0;0;15779984;15779984;0;0;0'
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'FORM'
            ParentClass = ''
            Color = 14998481
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 14998481
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'KAVRAEDIT'
            ParentClass = ''
            Color = clWhite
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = True
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 10
            HotColor = clWhite
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'BAR'
            ParentClass = ''
            Color = 15847088
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16312020;15255718;99;0;0;15255718;15255718;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 15847088
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'BARPANEL'
            ParentClass = ''
            Color = 15847088
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 15847088
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'WEBBUTTON'
            ParentClass = ''
            Color = 15847088
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '13732910 -1 -1 -1 -1'
            HotFontColor = '6308382 -1 -1 -1 -1'
            Transparency = 100
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = clWhite
            HotTransparency = 100
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'RADIOBUTTON'
            ParentClass = ''
            Color = clWhite
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 100
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = True
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 20
            HotColor = clWhite
            HotTransparency = 100
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'CHECKBOX'
            ParentClass = ''
            Color = clWhite
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 100
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = True
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 20
            HotColor = clWhite
            HotTransparency = 100
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'BUTTON_BIG'
            ParentClass = 'BUTTON'
            Color = clWhite
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '5454116 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 50
            GradientPercent = 100
            GradientData = '16777215;11237449;99;0;0;11237449;11237449;0;0;0'
            ImagePercent = 0
            ShowFocus = True
            FadingEnabled = True
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 20
            HotColor = clWhite
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16777215;13732910;99;0;0;13732910;13732910;0;0;0'
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'BUTTON'
            ParentClass = ''
            Color = clWhite
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '5454116 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 50
            GradientPercent = 100
            GradientData = '16777215;11237449;99;0;0;11237449;11237449;0;0;0'
            ImagePercent = 0
            ShowFocus = True
            FadingEnabled = True
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 20
            HotColor = clWhite
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16777215;13732910;99;0;0;13732910;13732910;0;0;0'
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'BARTITLE'
            ParentClass = ''
            Color = 11237705
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '16777215 -1 -1 -1 -1'
            HotFontColor = '16777215 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '13732910;11237705;99;0;0;11237705;11237705;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 13732910
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '13732910;11237705;99;0;0;11237705;11237705;0;0;0'
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'SPEEDBUTTON'
            ParentClass = ''
            Color = 16246484
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 30
            GradientPercent = 100
            GradientData = '16777215;11237449;99;0;0;11237449;11237449;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = True
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 10
            HotColor = clWhite
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16777215;13732910;99;0;0;13732910;13732910;0;0;0'
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'TOOLBUTTON'
            ParentClass = ''
            Color = 15847088
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 100
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = True
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 10
            HotColor = clWhite
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16777215;15779984;99;0;0;15779984;15779984;0;0;0'
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'EXTRALINE'
            ParentClass = ''
            Color = 11237705
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 11237705
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'GRIPH'
            ParentClass = ''
            Color = 15847088
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 100
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = clWhite
            HotTransparency = 100
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'HINT'
            ParentClass = ''
            Color = 16775408
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '6308382 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16777215;16312536;99;0;0;16312536;16312536;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = clWhite
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'TRACKBAR'
            ParentClass = ''
            Color = 15847088
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 100
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = clWhite
            HotTransparency = 100
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = 'BUTTON_HUGE'
            ParentClass = ''
            Color = clWhite
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '5454116 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 50
            GradientPercent = 100
            GradientData = '16777215;11237449;99;0;0;11237449;11237449;0;0;0'
            ImagePercent = 0
            ShowFocus = True
            FadingEnabled = True
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 20
            HotColor = clWhite
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16777215;13732910;99;0;0;13732910;13732910;0;0;0'
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end
          item
            SectionName = ''
            ParentClass = ''
            Color = clWhite
            Bevel = cbNone
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowOffset = 0
            ShadowTransparency = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = clWhite
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = clBlack
            BorderColor2 = clBlack
            Name = ''
          end>
        Images = <
          item
            SectionName = 'GLOBALINFO'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BICONCLOSE'
            Left = 156
            Top = 247
            Right = 207
            Bottom = 279
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 0
            ImgType = itisaGlyph
            WL = 0
            WR = 0
            WT = 0
            WB = 0
          end
          item
            SectionName = 'GLOBALINFO'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BICONHELP'
            Left = 104
            Top = 247
            Right = 155
            Bottom = 279
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 0
            ImgType = itisaGlyph
            WL = 0
            WR = 0
            WT = 0
            WB = 0
          end
          item
            SectionName = 'GLOBALINFO'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BICONMAX'
            Left = 0
            Top = 247
            Right = 51
            Bottom = 279
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 0
            ImgType = itisaGlyph
            WL = 0
            WR = 0
            WT = 0
            WB = 0
          end
          item
            SectionName = 'GLOBALINFO'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BICONMIN'
            Left = 52
            Top = 247
            Right = 103
            Bottom = 279
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 0
            ImgType = itisaGlyph
            WL = 0
            WR = 0
            WT = 0
            WB = 0
          end
          item
            SectionName = 'GLOBALINFO'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BICONNORM'
            Left = 0
            Top = 247
            Right = 51
            Bottom = 279
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 0
            ImgType = itisaGlyph
            WL = 0
            WR = 0
            WT = 0
            WB = 0
          end
          item
            SectionName = 'GLOBALINFO'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'TITLEBUTTON'
            Left = 132
            Top = 279
            Right = 183
            Bottom = 295
            ImageCount = 3
            MaskType = 0
            BorderWidth = 0
            StretchMode = 0
            ImgType = itisaGlyph
            WL = 0
            WR = 0
            WT = 0
            WB = 0
          end
          item
            SectionName = 'GLOBALINFO'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'GRIPIMAGE'
            Left = 120
            Top = 180
            Right = 132
            Bottom = 204
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
            StretchMode = 0
            ImgType = itisaGlyph
            WL = 0
            WR = 0
            WT = 0
            WB = 0
          end
          item
            SectionName = 'GLOBALINFO'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'RADIOCHECKED'
            Left = 147
            Top = 210
            Right = 195
            Bottom = 246
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 0
            ImgType = itisaGlyph
            WL = 0
            WR = 0
            WT = 0
            WB = 0
          end
          item
            SectionName = 'GLOBALINFO'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'RADIOUNCHECKED'
            Left = 98
            Top = 210
            Right = 146
            Bottom = 246
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 0
            ImgType = itisaGlyph
            WL = 0
            WR = 0
            WT = 0
            WB = 0
          end
          item
            SectionName = 'GLOBALINFO'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BOXCHECKED'
            Left = 48
            Top = 210
            Right = 96
            Bottom = 246
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 0
            ImgType = itisaGlyph
            WL = 0
            WR = 0
            WT = 0
            WB = 0
          end
          item
            SectionName = 'GLOBALINFO'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BOXUNCHECKED'
            Left = 0
            Top = 210
            Right = 48
            Bottom = 246
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 0
            ImgType = itisaGlyph
            WL = 0
            WR = 0
            WT = 0
            WB = 0
          end
          item
            SectionName = 'GLOBALINFO'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BOXGRAYED'
            Left = 0
            Top = 118
            Right = 48
            Bottom = 154
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 0
            ImgType = itisaGlyph
            WL = 0
            WR = 0
            WT = 0
            WB = 0
          end
          item
            SectionName = 'GLOBALINFO'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'SMALLCHECKED'
            Left = 84
            Top = 180
            Right = 96
            Bottom = 204
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
            StretchMode = 0
            ImgType = itisaGlyph
            WL = 0
            WR = 0
            WT = 0
            WB = 0
          end
          item
            SectionName = 'GLOBALINFO'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'SMALLUNCHECKED'
            Left = 96
            Top = 180
            Right = 108
            Bottom = 204
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
            StretchMode = 0
            ImgType = itisaGlyph
            WL = 0
            WR = 0
            WT = 0
            WB = 0
          end
          item
            SectionName = 'GLOBALINFO'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'SMALLGRAYED'
            Left = 108
            Top = 180
            Right = 120
            Bottom = 204
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
            StretchMode = 0
            ImgType = itisaGlyph
            WL = 0
            WR = 0
            WT = 0
            WB = 0
          end
          item
            SectionName = 'MENUITEM'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 48
            Top = 180
            Right = 84
            Bottom = 204
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 4
            WR = 4
            WT = 4
            WB = 4
          end
          item
            SectionName = 'MAINMENU'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 0
            Top = 180
            Right = 12
            Bottom = 204
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 3
            WR = 3
            WT = 3
            WB = 3
          end
          item
            SectionName = 'COMBOBOX'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'GLYPHMASK'
            Left = 81
            Top = 140
            Right = 105
            Bottom = 156
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 0
            ImgType = itisaGlyph
            WL = 0
            WR = 0
            WT = 0
            WB = 0
          end
          item
            SectionName = 'PAGECONTROL'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 0
            Top = 156
            Right = 12
            Bottom = 180
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 4
            WR = 4
            WT = 4
            WB = 4
          end
          item
            SectionName = 'SCROLLBAR1H'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 12
            Top = 156
            Right = 24
            Bottom = 180
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 4
            WR = 4
            WT = 4
            WB = 4
          end
          item
            SectionName = 'SCROLLBAR2H'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 12
            Top = 156
            Right = 24
            Bottom = 180
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 4
            WR = 4
            WT = 4
            WB = 4
          end
          item
            SectionName = 'SCROLLBAR1V'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 12
            Top = 156
            Right = 24
            Bottom = 180
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 4
            WR = 4
            WT = 4
            WB = 4
          end
          item
            SectionName = 'SCROLLBAR2V'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 12
            Top = 156
            Right = 24
            Bottom = 180
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 4
            WR = 4
            WT = 4
            WB = 4
          end
          item
            SectionName = 'STATUSBAR'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 24
            Top = 156
            Right = 36
            Bottom = 180
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 3
            WR = 3
            WT = 3
            WB = 3
          end
          item
            SectionName = 'STATUSBAR'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'GRIPIMAGE'
            Left = 120
            Top = 180
            Right = 132
            Bottom = 204
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
            StretchMode = 0
            ImgType = itisaGlyph
            WL = 0
            WR = 0
            WT = 0
            WB = 0
          end
          item
            SectionName = 'DIVIDER'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 36
            Top = 156
            Right = 48
            Bottom = 180
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 3
            WR = 3
            WT = 3
            WB = 3
          end
          item
            SectionName = 'GROUPBOX'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 0
            Top = 279
            Right = 12
            Bottom = 297
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 4
            WR = 4
            WT = 3
            WB = 3
          end
          item
            SectionName = 'PAGECONTROLBOTTOM'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 0
            Top = 156
            Right = 12
            Bottom = 180
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 4
            WR = 4
            WT = 4
            WB = 4
          end
          item
            SectionName = 'PAGECONTROLRIGHT'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 0
            Top = 156
            Right = 12
            Bottom = 180
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 4
            WR = 4
            WT = 4
            WB = 4
          end
          item
            SectionName = 'PAGECONTROLLEFT'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 0
            Top = 156
            Right = 12
            Bottom = 180
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 4
            WR = 4
            WT = 4
            WB = 4
          end
          item
            SectionName = 'CALCPANEL'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 48
            Top = 156
            Right = 60
            Bottom = 180
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 3
            WR = 3
            WT = 3
            WB = 3
          end
          item
            SectionName = 'FORMTITLE'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 132
            Top = 180
            Right = 153
            Bottom = 210
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 7
            WR = 7
            WT = 5
            WB = 5
          end
          item
            SectionName = 'PANEL_LOW'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 60
            Top = 156
            Right = 72
            Bottom = 180
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 3
            WR = 3
            WT = 3
            WB = 3
          end
          item
            SectionName = 'TOOLBAR'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 72
            Top = 156
            Right = 84
            Bottom = 180
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 3
            WR = 3
            WT = 3
            WB = 3
          end
          item
            SectionName = 'PANEL'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 45
            Top = 54
            Right = 81
            Bottom = 90
            ImageCount = 1
            MaskType = 0
            BorderWidth = 2
            StretchMode = 1
            ImgType = itisaBorder
            WL = 2
            WR = 2
            WT = 2
            WB = 2
          end
          item
            SectionName = 'EDIT'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 126
            Top = 36
            Right = 162
            Bottom = 60
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 4
            WR = 4
            WT = 4
            WB = 4
          end
          item
            SectionName = 'DRAGBAR'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 108
            Top = 156
            Right = 120
            Bottom = 180
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 3
            WR = 3
            WT = 3
            WB = 3
          end
          item
            SectionName = 'KAVRACOMBOBOX'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'GLYPHMASK'
            Left = 81
            Top = 140
            Right = 105
            Bottom = 156
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 0
            ImgType = itisaGlyph
            WL = 0
            WR = 0
            WT = 0
            WB = 0
          end
          item
            SectionName = 'PROGRESSH'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 24
            Top = 180
            Right = 36
            Bottom = 204
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 3
            WR = 3
            WT = 3
            WB = 3
          end
          item
            SectionName = 'PROGRESSV'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 24
            Top = 180
            Right = 36
            Bottom = 204
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 3
            WR = 3
            WT = 3
            WB = 3
          end
          item
            SectionName = 'GAUGE'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 12
            Top = 180
            Right = 24
            Bottom = 204
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 3
            WR = 3
            WT = 3
            WB = 3
          end
          item
            SectionName = 'TABBOTTOM'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 0
            Top = 90
            Right = 42
            Bottom = 118
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 5
            WR = 5
            WT = 5
            WB = 5
          end
          item
            SectionName = 'TABTOP'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 0
            Top = 54
            Right = 42
            Bottom = 82
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 5
            WR = 5
            WT = 5
            WB = 5
          end
          item
            SectionName = 'TABLEFT'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 42
            Top = 90
            Right = 84
            Bottom = 118
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 5
            WR = 5
            WT = 5
            WB = 5
          end
          item
            SectionName = 'TABRIGHT'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 84
            Top = 90
            Right = 126
            Bottom = 118
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 5
            WR = 5
            WT = 5
            WB = 5
          end
          item
            SectionName = 'SCROLLBTNBOTTOM'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 81
            Top = 36
            Right = 126
            Bottom = 66
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 5
            WR = 5
            WT = 5
            WB = 5
          end
          item
            SectionName = 'SCROLLBTNBOTTOM'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'GLYPHMASK'
            Left = 105
            Top = 66
            Right = 129
            Bottom = 82
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 0
            ImgType = itisaGlyph
            WL = 0
            WR = 0
            WT = 0
            WB = 0
          end
          item
            SectionName = 'SCROLLBTNLEFT'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 81
            Top = 36
            Right = 126
            Bottom = 66
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 5
            WR = 5
            WT = 5
            WB = 5
          end
          item
            SectionName = 'SCROLLBTNLEFT'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'GLYPHMASK'
            Left = 129
            Top = 66
            Right = 153
            Bottom = 82
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 0
            ImgType = itisaGlyph
            WL = 0
            WR = 0
            WT = 0
            WB = 0
          end
          item
            SectionName = 'SCROLLBTNRIGHT'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 81
            Top = 36
            Right = 126
            Bottom = 66
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 5
            WR = 5
            WT = 5
            WB = 5
          end
          item
            SectionName = 'SCROLLBTNRIGHT'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'GLYPHMASK'
            Left = 153
            Top = 66
            Right = 177
            Bottom = 82
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 0
            ImgType = itisaGlyph
            WL = 0
            WR = 0
            WT = 0
            WB = 0
          end
          item
            SectionName = 'SCROLLBTNTOP'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 81
            Top = 36
            Right = 126
            Bottom = 66
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 5
            WR = 5
            WT = 5
            WB = 5
          end
          item
            SectionName = 'SCROLLBTNTOP'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'GLYPHMASK'
            Left = 81
            Top = 66
            Right = 105
            Bottom = 82
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 0
            ImgType = itisaGlyph
            WL = 0
            WR = 0
            WT = 0
            WB = 0
          end
          item
            SectionName = 'SCROLLSLIDERH'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 81
            Top = 36
            Right = 126
            Bottom = 66
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 5
            WR = 5
            WT = 5
            WB = 5
          end
          item
            SectionName = 'SCROLLSLIDERH'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'GLYPHMASK'
            Left = 177
            Top = 66
            Right = 201
            Bottom = 82
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 0
            ImgType = itisaGlyph
            WL = 0
            WR = 0
            WT = 0
            WB = 0
          end
          item
            SectionName = 'SCROLLSLIDERV'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 81
            Top = 36
            Right = 126
            Bottom = 66
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 5
            WR = 5
            WT = 5
            WB = 5
          end
          item
            SectionName = 'SCROLLSLIDERV'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'GLYPHMASK'
            Left = 105
            Top = 140
            Right = 129
            Bottom = 156
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 0
            ImgType = itisaGlyph
            WL = 0
            WR = 0
            WT = 0
            WB = 0
          end
          item
            SectionName = 'SPEEDBUTTON_SMALL'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 162
            Top = 36
            Right = 198
            Bottom = 60
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 4
            WR = 4
            WT = 4
            WB = 4
          end
          item
            SectionName = 'FORM'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 135
            Top = 90
            Right = 180
            Bottom = 135
            ImageCount = 1
            MaskType = 0
            BorderWidth = 5
            StretchMode = 1
            ImgType = itisaBorder
            WL = 5
            WR = 5
            WT = 5
            WB = 5
          end
          item
            SectionName = 'FORM'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BICONCLOSE'
            Left = 156
            Top = 247
            Right = 207
            Bottom = 279
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 0
            ImgType = itisaGlyph
            WL = 0
            WR = 0
            WT = 0
            WB = 0
          end
          item
            SectionName = 'FORM'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BICONHELP'
            Left = 104
            Top = 247
            Right = 155
            Bottom = 279
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 0
            ImgType = itisaGlyph
            WL = 0
            WR = 0
            WT = 0
            WB = 0
          end
          item
            SectionName = 'FORM'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BICONMAX'
            Left = 0
            Top = 247
            Right = 51
            Bottom = 279
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 0
            ImgType = itisaGlyph
            WL = 0
            WR = 0
            WT = 0
            WB = 0
          end
          item
            SectionName = 'FORM'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BICONMIN'
            Left = 52
            Top = 247
            Right = 103
            Bottom = 279
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 0
            ImgType = itisaGlyph
            WL = 0
            WR = 0
            WT = 0
            WB = 0
          end
          item
            SectionName = 'FORM'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BICONNORM'
            Left = 0
            Top = 247
            Right = 51
            Bottom = 279
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 0
            ImgType = itisaGlyph
            WL = 0
            WR = 0
            WT = 0
            WB = 0
          end
          item
            SectionName = 'FORM'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'TITLEBUTTON'
            Left = 132
            Top = 279
            Right = 183
            Bottom = 295
            ImageCount = 3
            MaskType = 0
            BorderWidth = 0
            StretchMode = 0
            ImgType = itisaGlyph
            WL = 0
            WR = 0
            WT = 0
            WB = 0
          end
          item
            SectionName = 'KAVRAEDIT'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 126
            Top = 36
            Right = 162
            Bottom = 60
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 4
            WR = 4
            WT = 4
            WB = 4
          end
          item
            SectionName = 'BAR'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 84
            Top = 156
            Right = 96
            Bottom = 180
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 3
            WR = 3
            WT = 3
            WB = 3
          end
          item
            SectionName = 'BARPANEL'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 96
            Top = 156
            Right = 108
            Bottom = 180
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 3
            WR = 3
            WT = 3
            WB = 3
          end
          item
            SectionName = 'WEBBUTTON'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 135
            Top = 0
            Right = 189
            Bottom = 36
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 6
            WR = 6
            WT = 6
            WB = 6
          end
          item
            SectionName = 'BUTTON'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 0
            Top = 0
            Right = 81
            Bottom = 54
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 9
            WR = 9
            WT = 9
            WB = 9
          end
          item
            SectionName = 'BARTITLE'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 36
            Top = 180
            Right = 48
            Bottom = 204
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 3
            WR = 3
            WT = 3
            WB = 3
          end
          item
            SectionName = 'BARTITLE'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'PATTERN'
            Left = 116
            Top = 279
            Right = 132
            Bottom = 295
            ImageCount = 1
            MaskType = 0
            BorderWidth = 0
            StretchMode = 0
            ImgType = itisaTexture
            WL = 0
            WR = 0
            WT = 0
            WB = 0
          end
          item
            SectionName = 'SPEEDBUTTON'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 81
            Top = 0
            Right = 135
            Bottom = 36
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 6
            WR = 6
            WT = 6
            WB = 6
          end
          item
            SectionName = 'TOOLBUTTON'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 135
            Top = 0
            Right = 189
            Bottom = 36
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 6
            WR = 6
            WT = 6
            WB = 6
          end
          item
            SectionName = 'HINT'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'BORDERSMASK'
            Left = 120
            Top = 156
            Right = 132
            Bottom = 180
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 4
            WR = 4
            WT = 4
            WB = 4
          end
          item
            SectionName = 'TRACKBAR'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'SLIDERCHANNEL'
            Left = 12
            Top = 279
            Right = 24
            Bottom = 291
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 3
            WR = 3
            WT = 2
            WB = 2
          end
          item
            SectionName = 'TRACKBAR'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'SLIDERMASK'
            Left = 48
            Top = 118
            Right = 81
            Bottom = 154
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 0
            ImgType = itisaGlyph
            WL = 0
            WR = 0
            WT = 0
            WB = 0
          end
          item
            SectionName = 'TRACKBAR'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'SLIDERVMASK'
            Left = 81
            Top = 118
            Right = 135
            Bottom = 140
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 0
            ImgType = itisaGlyph
            WL = 0
            WR = 0
            WT = 0
            WB = 0
          end
          item
            SectionName = 'TRACKBAR'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'TICKHORZ'
            Left = 24
            Top = 279
            Right = 27
            Bottom = 289
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
            StretchMode = 0
            ImgType = itisaGlyph
            WL = 0
            WR = 0
            WT = 0
            WB = 0
          end
          item
            SectionName = 'TRACKBAR'
            Image.Data = {
              00000000}
            Name = ''
            PropertyName = 'TICKVERT'
            Left = 27
            Top = 279
            Right = 32
            Bottom = 285
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
            StretchMode = 0
            ImgType = itisaGlyph
            WL = 0
            WR = 0
            WT = 0
            WB = 0
          end
          item
            SectionName = 'BUTTON_HUGE'
            Image.Data = {
              36DC0000424D36DC000000000000360400002800000020010000C00000000100
              08000000000000D80000C40E0000C40E00000001000000000000000000000808
              0800181818002020200028282800303030003838380040404000484848005050
              5000585858006060600068686800707070007878780080808000888888009090
              900098989800A0A0A000A8A8A800B0B0B000B8B8B800C0C0C000C8C8C800D0D0
              D000D8D8D800E0E0E000E8E8E800F0F0F000F8F8F800FF00FF00FFFFFF006042
              1E0061431F00614320006B4F2D00755B3B0091663A00917C630092683D009F7A
              5400A2907B00AB8B6900AC8B6A00AF762900B0772B00B8813700BF8A4200C6B0
              9900CC9B5900D18C2E00D28E3200D2A36400D3C2B100D6974300D6984400D6CF
              C600DCA75F00DEAC6800DFB57D00E2B67A00E2B67B00E3BB8600E5BE8A00E5BF
              8B00E6C08C00E6C08D00E6C18E00E6C18F00ECE8E400F0EAE400F8F6F300F9F8
              F600FAF9F800FDFCFB00FDFDFC00000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000202020202020
              202020170D060200000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000002060D17202020202020202020202020202020
              202020170D060200000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000002060D17202020202020202020202020202020
              202020170D060200000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000002060D17202020202020202020202020202020
              1E12030000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              000000000000000000000000000000000003121E202020202020202020202020
              1E12030000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              000000000000000000000000000000000003121E202020202020202020202020
              1E12030000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              000000000000000000000000000000000003121E20202020202020202020201A
              05000003090A0807070707070707070707070707070707070707070707070707
              0707070707070707070707070707070707070707070707070707070707070707
              07070707070707070707070707080A09030000051A202020202020202020201A
              0500000306060504040404040404040404040404040404040404040404040404
              0404040404040404040404040404040404040404040404040404040404040404
              04040404040404040404040404050606030000051A202020202020202020201A
              050000030C101314141414141414141414141414141414141414141414141414
              1414141414141414141414141414141414141414141414141414141414141414
              1414141414141414141414141413100C030000051A2020202020202020201601
              00030A0707070707070707070707070707070707070707070707070707070707
              0707070707070707070707070707070707070707070707070707070707070707
              07070707070707070707070707070707070A0300011620202020202020201601
              0002060404040404040404040404040404040404040404040404040404040404
              0404040404040404040404040404040404040404040404040404040404040404
              0404040404040404040404040404040404060200011620202020202020201601
              00030F1414141414141414141414141414141414141414141414141414141414
              1414141414141414141414141414141414141414141414141414141414141414
              14141414141414141414141414141414140F0300011620202020202020160100
              070807080E141718191919191919191919191919191919191919191919191919
              1919191919191919191919191919191919191919191919191919191919191919
              1919191919191919191919191817140E08070807000116202020202020160100
              06040405090E1113131313131313131313131313131313131313131313131313
              1313131313131313131313131313131313131313131313131313131313131313
              13131313131313131313131313110E0905040406000116202020202020160100
              09131414181B1E20202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              202020202020202020202020201E1B181414130900011620202020201A010009
              07070E1719191919191919191919191919191919191919191919191919191919
              1919191919191919191919191919191919191919191919191919191919191919
              19191919191919191919191919191919170E07070900011A202020201A010006
              0404091114141515151515151515151515151515151515151515151515151515
              1515151515151515151515151515151515151515151515151515151515151515
              15151515151515151515151515151414110904040600011A202020201A01000E
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              20202020202020202020202020202020202020200E00011A2020201E05000707
              0712191919191919191919191919191919191919191919191919191919191919
              1919191919191919191919191919191919191919191919191919191919191919
              1919191919191919191919191919191919191207070700051E20201E05000604
              040D131515161717171717171717171717171717171717171717171717171717
              1717171717171717171717171717171717171717171717171717171717171717
              1717171717171717171717171717161515130D04040600051E20201E05000A20
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020200A00051E20201200030807
              12191919191C1E20202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              202020202020202020202020201E1C1919191912070803001220201200020404
              0D14151617181818181818181818181818181818181818181818181818181818
              1818181818181818181818181818181818181818181818181818181818181818
              181818181818181818181818181818171615140D040402001220201200031D20
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020201D030012202003000A070E
              1919191B20202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              202020202020202020202020202020201B1919190E070A000320200300060409
              1315161718191A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A
              1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A
              1A1A1A1A1A1A1A1A1A1A1A1A1A1A191817161513090406000320200300142020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202014000320170003070817
              19191B2020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              20202020202020202020202020202020201B1919170807030017170003040511
              151617191A1A1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B
              1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B
              1B1B1B1B1B1B1B1B1B1B1B1B1B1B1A1A19171615110504030017170003202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              20202020202020202020202020202020202020202020200300170D0009070E19
              1919202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020201919190E0709000D0D0006040914
              1517181A1B1B1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C
              1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C
              1C1C1C1C1C1C1C1C1C1C1C1C1C1C1B1B1A18171514090406000D0D000E202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              20202020202020202020202020202020202020202020200E000D06000A071419
              191C202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020201C191914070A0006060006040E14
              1618191A1B1C1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D
              1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D
              1D1D1D1D1D1D1D1D1D1D1D1D1D1D1C1B1A191816140E04060006060016202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020160006020008071719
              191E202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020201E19191707080002020005041115
              17181A1B1C1D1D1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E
              1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E
              1E1E1E1E1E1E1E1E1E1E1E1E1E1D1D1C1B1A181715110405000202001C202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              20202020202020202020202020202020202020202020201C0002000007071819
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191807070000000004041315
              17181A1B1C1D1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E
              1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E
              1E1E1E1E1E1E1E1E1E1E1E1E1E1E1D1C1B1A181715130404000000001E202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              20202020202020202020202020202020202020202020201E0000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071919
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191907070000000004041315
              17181A1B1C1D1E1E202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020201E1E1D1C1B1A1817151304040000000020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020200000000007071819
              1920202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202019191807070000000004041315
              17181A1B1C1D1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E
              1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E
              1E1E1E1E1E1E1E1E1E1E1E1E1E1E1D1C1B1A181715130404000000001E1E1E1E
              1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E
              1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E
              1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E0000020008071719
              191E202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020201E19191707080002020005041115
              17181A1B1C1D1D1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E
              1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E
              1E1E1E1E1E1E1E1E1E1E1E1E1E1D1D1C1B1A181715110405000202001B1E1E1E
              1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E
              1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E
              1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1B000206000A071419
              191C202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020201C191914070A0006060006040E14
              1618191A1B1C1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D
              1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D
              1D1D1D1D1D1D1D1D1D1D1D1D1D1D1C1B1A191816140E040600060600161E1E1E
              1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E
              1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E
              1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1600060D0009070E19
              1919202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020201919190E0709000D0D0006040914
              1517181A1B1B1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C
              1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C
              1C1C1C1C1C1C1C1C1C1C1C1C1C1C1B1B1A18171514090406000D0D000E1D1D1D
              1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D
              1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D
              1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D0E000D170003070817
              19191B2020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              20202020202020202020202020202020201B1919170807030017170003040511
              151617191A1A1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B
              1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B
              1B1B1B1B1B1B1B1B1B1B1B1B1B1B1A1A191716151105040300171700031C1C1C
              1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C
              1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C
              1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C0300172003000A070E
              1919191B20202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              202020202020202020202020202020201B1919190E070A000320200300060409
              1315161718191A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A
              1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A
              1A1A1A1A1A1A1A1A1A1A1A1A1A1A191817161513090406000320200300121B1B
              1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B
              1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B
              1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B12000320201200030807
              12191919191C1E20202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              202020202020202020202020201E1C1919191912070803001220201200020404
              0D14151617181818181818181818181818181818181818181818181818181818
              1818181818181818181818181818181818181818181818181818181818181818
              181818181818181818181818181818171615140D04040200122020120003191A
              1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A
              1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A
              1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1903001220201E05000707
              0712191919191919191919191919191919191919191919191919191919191919
              1919191919191919191919191919191919191919191919191919191919191919
              1919191919191919191919191919191919191207070700051E20201E05000604
              040D131515161717171717171717171717171717171717171717171717171717
              1717171717171717171717171717171717171717171717171717171717171717
              1717171717171717171717171717161515130D04040600051E20201E05000A19
              1919191919191919191919191919191919191919191919191919191919191919
              1919191919191919191919191919191919191919191919191919191919191919
              1919191919191919191919191919191919191919190A00051E2020201A010009
              07070E1719191919191919191919191919191919191919191919191919191919
              1919191919191919191919191919191919191919191919191919191919191919
              19191919191919191919191919191919170E07070900011A202020201A010006
              0404091114141515151515151515151515151515151515151515151515151515
              1515151515151515151515151515151515151515151515151515151515151515
              15151515151515151515151515151414110904040600011A202020201A01000C
              1818181818181818181818181818181818181818181818181818181818181818
              1818181818181818181818181818181818181818181818181818181818181818
              18181818181818181818181818181818181818180C00011A2020202020160100
              070807080E141718191919191919191919191919191919191919191919191919
              1919191919191919191919191919191919191919191919191919191919191919
              1919191919191919191919191817140E08070807000116202020202020160100
              06040405090E1113131313131313131313131313131313131313131313131313
              1313131313131313131313131313131313131313131313131313131313131313
              13131313131313131313131313110E0905040406000116202020202020160100
              0916161616161616161616161616161616161616161616161616161616161616
              1616161616161616161616161616161616161616161616161616161616161616
              1616161616161616161616161616161616161609000116202020202020201601
              00030A0707070707070707070707070707070707070707070707070707070707
              0707070707070707070707070707070707070707070707070707070707070707
              07070707070707070707070707070707070A0300011620202020202020201601
              0002060404040404040404040404040404040404040404040404040404040404
              0404040404040404040404040404040404040404040404040404040404040404
              0404040404040404040404040404040404060200011620202020202020201601
              0003101515151515151515151515151515151515151515151515151515151515
              1515151515151515151515151515151515151515151515151515151515151515
              151515151515151515151515151515151510030001162020202020202020201A
              05000003090A0807070707070707070707070707070707070707070707070707
              0707070707070707070707070707070707070707070707070707070707070707
              07070707070707070707070707080A09030000051A202020202020202020201A
              0500000306060504040404040404040404040404040404040404040404040404
              0404040404040404040404040404040404040404040404040404040404040404
              04040404040404040404040404050606030000051A202020202020202020201A
              050000030B101213131313131313131313131313131313131313131313131313
              1313131313131313131313131313131313131313131313131313131313131313
              1313131313131313131313131312100B030000051A2020202020202020202020
              1E12030000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              000000000000000000000000000000000003121E202020202020202020202020
              1E12030000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              000000000000000000000000000000000003121E202020202020202020202020
              1E12030000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              000000000000000000000000000000000003121E202020202020202020202020
              202020170D060200000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000002060D17202020202020202020202020202020
              202020170D060200000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000002060D17202020202020202020202020202020
              202020170D060200000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000002060D172020202020202020201F1F1F1F1F1F
              1F1F1F2626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626261F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D
              2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D
              2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F2121212121212121212121212121212121212121212121212121212121
              2121212121212121212121212121212121212121212121212121212121212121
              21212121212121212121212121212121211F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626261F1F1F1F1F1F1F1F1F1F1F1F
              2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D
              2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D
              2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D1F1F1F1F1F1F1F1F1F1F1F1F
              2121212121212121212121212121212121212121212121212121212121212121
              2121212121212121212121212121212121212121212121212121212121212121
              21212121212121212121212121212121212121211F1F1F1F1F1F1F1F1F1F1F26
              262626282C36474B202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020204B47362C28262626261F1F1F1F1F1F1F1F1F1F2D
              2D2D2D2E30353C40424242424242424242424242424242424242424242424242
              4242424242424242424242424242424242424242424242424242424242424242
              424242424242424242424242403C35302E2D2D2D2D1F1F1F1F1F1F1F1F1F1F21
              21212123252A3949202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              20202020202020202020202049392A2523212121211F1F1F1F1F1F1F1F1F2626
              2628314C20202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              202020202020202020202020202020204C31282626261F1F1F1F1F1F1F1F2D2D
              2D2E324143444545454545454545454545454545454545454545454545454545
              4545454545454545454545454545454545454545454545454545454545454545
              4545454545454545454545454545444341322E2D2D2D1F1F1F1F1F1F1F1F2121
              2122274A20202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              202020202020202020202020202020204A27222121211F1F1F1F1F1F1F262626
              2948202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              20202020202020202020202020202020202048292626261F1F1F1F1F1F2D2D2D
              2F3F44433D3A3834333333333333333333333333333333333333333333333333
              3333333333333333333333333333333333333333333333333333333333333333
              33333333333333333333333334383A3D43443F2F2D2D2D1F1F1F1F1F1F212121
              244620202020201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F202020202046242121211F1F1F1F1F2626262B
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              20202020202020202020202020202020202020202B2626261F1F1F1F2D2D2D30
              43443E3733333333333333333333333333333333333333333333333333333333
              3333333333333333333333333333333333333333333333333333333333333333
              33333333333333333333333333333333373E4443302D2D2D1F1F1F1F21212121
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F212121211F1F1F2626262920
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              202020202020202020202020202020202020202020292626261F1F2D2D2D2F43
              443B333333333333333333333333333333333333333333333333333333333333
              3333333333333333333333333333333333333333333333333333333333333333
              3333333333333333333333333333333333333B44432F2D2D2D1F1F212121211F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F212121211F1F2626284820
              202020202020201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F2020202020202020482826261F1F2D2D2E3F44
              3B33333333333333333333333333333333333333333333333333333333333333
              3333333333333333333333333333333333333333333333333333333333333333
              333333333333333333333333333333333333333B443F2E2D2D1F1F212121211F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F212121211F1F2626312020
              202020201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2020202020203126261F1F2D2D32443E
              3333333333333333333333333333333333333333333333333333333333333333
              3333333333333333333333333333333333333333333333333333333333333333
              33333333333333333333333333333333333333333E44322D2D1F1F2121211F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121211F2626284C2020
              2020201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F20202020204C2826262D2D2E414337
              3333333333333333333333333333333333333333333333333333333333333333
              3333333333333333333333333333333333333333333333333333333333333333
              33333333333333333333333333333333333333333743412E2D2D2121211F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F21212126262C202020
              20201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F20202020202C26262D2D30433D33
              3333333333333333333333333333333333333333333333333333333333333333
              3333333333333333333333333333333333333333333333333333333333333333
              3333333333333333333333333333333333333333333D43302D2D2121211F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F212121262636202020
              20201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F20202020203626262D2D35443A33
              3333333333333333333333333333333333333333333333333333333333333333
              3333333333333333333333333333333333333333333333333333333333333333
              3333333333333333333333333333333333333333333A44352D2D2121211F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F212121262647202020
              20201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F20202020204726262D2D3C453833
              3333333333333333333333333333333333333333333333333333333333333333
              3333333333333333333333333333333333333333333333333333333333333333
              33333333333333333333333333333333333333333338453C2D2D2121211F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F21212126264B202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020204B26262D2D40453433
              3333333333333333333333333333333333333333333333333333333333333333
              3333333333333333333333333333333333333333333333333333333333333333
              3333333333333333333333333333333333333333333445402D2D2121211F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F212121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2121262620202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020202026262D2D42453333
              33333333333333331F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F3333333333333333333345422D2D21211F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F212126264B202020
              201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F202020204B26262D2D40453433
              3333333333333333333333333333333333333333333333333333333333333333
              3333333333333333333333333333333333333333333333333333333333333333
              3333333333333333333333333333333333333333333445402D2D212121212121
              2121212121212121212121212121212121212121212121212121212121212121
              2121212121212121212121212121212121212121212121212121212121212121
              2121212121212121212121212121212121212121212121212121262647202020
              20201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F20202020204726262D2D3C453833
              3333333333333333333333333333333333333333333333333333333333333333
              3333333333333333333333333333333333333333333333333333333333333333
              33333333333333333333333333333333333333333338453C2D2D212121212121
              2121212121212121212121212121212121212121212121212121212121212121
              2121212121212121212121212121212121212121212121212121212121212121
              2121212121212121212121212121212121212121212121212121262636202020
              20201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F20202020203626262D2D35443A33
              3333333333333333333333333333333333333333333333333333333333333333
              3333333333333333333333333333333333333333333333333333333333333333
              3333333333333333333333333333333333333333333A44352D2D212121212121
              2121212121212121212121212121212121212121212121212121212121212121
              2121212121212121212121212121212121212121212121212121212121212121
              212121212121212121212121212121212121212121212121212126262C202020
              20201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F20202020202C26262D2D30433D33
              3333333333333333333333333333333333333333333333333333333333333333
              3333333333333333333333333333333333333333333333333333333333333333
              3333333333333333333333333333333333333333333D43302D2D212121212121
              2121212121212121212121212121212121212121212121212121212121212121
              2121212121212121212121212121212121212121212121212121212121212121
              21212121212121212121212121212121212121212121212121212626284C2020
              2020201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F20202020204C2826262D2D2E414337
              3333333333333333333333333333333333333333333333333333333333333333
              3333333333333333333333333333333333333333333333333333333333333333
              33333333333333333333333333333333333333333743412E2D2D212121212121
              2121212121212121212121212121212121212121212121212121212121212121
              2121212121212121212121212121212121212121212121212121212121212121
              21212121212121212121212121212121212121212121212121211F2626312020
              202020201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F2020202020203126261F1F2D2D32443E
              3333333333333333333333333333333333333333333333333333333333333333
              3333333333333333333333333333333333333333333333333333333333333333
              33333333333333333333333333333333333333333E44322D2D1F1F2121212121
              2121212121212121212121212121212121212121212121212121212121212121
              2121212121212121212121212121212121212121212121212121212121212121
              212121212121212121212121212121212121212121212121211F1F2626284820
              202020202020201F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F1F1F1F1F1F1F1F1F1F1F2020202020202020482826261F1F2D2D2E3F44
              3B33333333333333333333333333333333333333333333333333333333333333
              3333333333333333333333333333333333333333333333333333333333333333
              333333333333333333333333333333333333333B443F2E2D2D1F1F2121212121
              2121212121212121212121212121212121212121212121212121212121212121
              2121212121212121212121212121212121212121212121212121212121212121
              212121212121212121212121212121212121212121212121211F1F2626262920
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              202020202020202020202020202020202020202020292626261F1F2D2D2D2F43
              443B333333333333333333333333333333333333333333333333333333333333
              3333333333333333333333333333333333333333333333333333333333333333
              3333333333333333333333333333333333333B44432F2D2D2D1F1F2121212121
              2121212121212121212121212121212121212121212121212121212121212121
              2121212121212121212121212121212121212121212121212121212121212121
              212121212121212121212121212121212121212121212121211F1F1F2626262B
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              20202020202020202020202020202020202020202B2626261F1F1F1F2D2D2D30
              43443E3733333333333333333333333333333333333333333333333333333333
              3333333333333333333333333333333333333333333333333333333333333333
              33333333333333333333333333333333373E4443302D2D2D1F1F1F1F21212121
              2121212121212121212121212121212121212121212121212121212121212121
              2121212121212121212121212121212121212121212121212121212121212121
              2121212121212121212121212121212121212121212121211F1F1F1F1F262626
              2948202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              20202020202020202020202020202020202048292626261F1F1F1F1F1F2D2D2D
              2F3F44433D3A3834333333333333333333333333333333333333333333333333
              3333333333333333333333333333333333333333333333333333333333333333
              33333333333333333333333334383A3D43443F2F2D2D2D1F1F1F1F1F1F212121
              2121212121212121212121212121212121212121212121212121212121212121
              2121212121212121212121212121212121212121212121212121212121212121
              21212121212121212121212121212121212121212121211F1F1F1F1F1F1F2626
              2628314C20202020202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              202020202020202020202020202020204C31282626261F1F1F1F1F1F1F1F2D2D
              2D2E324143444545454545454545454545454545454545454545454545454545
              4545454545454545454545454545454545454545454545454545454545454545
              4545454545454545454545454545444341322E2D2D2D1F1F1F1F1F1F1F1F2121
              2121212121212121212121212121212121212121212121212121212121212121
              2121212121212121212121212121212121212121212121212121212121212121
              212121212121212121212121212121212121212121211F1F1F1F1F1F1F1F1F26
              262626282C36474B202020202020202020202020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020202020202020202020204B47362C28262626261F1F1F1F1F1F1F1F1F1F2D
              2D2D2D2E30353C40424242424242424242424242424242424242424242424242
              4242424242424242424242424242424242424242424242424242424242424242
              424242424242424242424242403C35302E2D2D2D2D1F1F1F1F1F1F1F1F1F1F21
              2121212121212121212121212121212121212121212121212121212121212121
              2121212121212121212121212121212121212121212121212121212121212121
              2121212121212121212121212121212121212121211F1F1F1F1F1F1F1F1F1F1F
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626261F1F1F1F1F1F1F1F1F1F1F1F
              2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D
              2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D
              2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D1F1F1F1F1F1F1F1F1F1F1F1F
              2121212121212121212121212121212121212121212121212121212121212121
              2121212121212121212121212121212121212121212121212121212121212121
              21212121212121212121212121212121212121211F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F2626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626261F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D
              2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D
              2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F
              1F1F1F2121212121212121212121212121212121212121212121212121212121
              2121212121212121212121212121212121212121212121212121212121212121
              21212121212121212121212121212121211F1F1F1F1F1F1F1F1F}
            Name = 'BUTTONHUGE.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 0
            Top = 0
            Right = 0
            Bottom = 0
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
            StretchMode = 1
            ImgType = itisaBorder
            WL = 24
            WR = 24
            WT = 24
            WB = 24
          end>
        Patterns = <>
        MasterBitmap.Data = {
          A6FC0000424DA6FC0000000000003604000028000000D20000002C0100000100
          08000000000070F80000C40E0000C40E00000001000000000000000000000808
          0800101010001818180020202000282828003030300038383800404040004848
          4800505050005858580060606000686868007070700078787800808080008888
          88009090900098989800A0A0A000A8A8A800B0B0B000B8B8B800C0C0C000C8C8
          C800D0D0D000D8D8D800E0E0E000E8E8E800F0F0F000F8F8F800FF00FF00FFFF
          FF0060421E00D18C2E00775D3D00F4E4D40014166000D6BEA400C28F4B008754
          25009A7A5600CEA27500B19E8800BB77370024319E00AF6E3200BFA88D00A775
          4300DFCFBE00CC874700FBF2E8003131750064452100CDB39900AF7629003E48
          A400A26E3C00828FDC00F6CFA100FDE9D40073615B00BA824E00A5662E009569
          3C00E8BD9300FBDDBA00A8917600D7A460006C6A9400E4AE7200F1CCA500FCF8
          F30097A6EB0086501F00D6D5E000C67F3C002A3EB600D6965A00955F2B003B50
          CB00E7D7C500BA7D2B006F75B300D28E32009E836500F3E2CF00BE967700AB79
          4900DAA97E00E8CBAC0091663A0090775A00A5A2B200C3916000F4E7DA00C4A1
          7F00ECA85B00E6B88D00724C2200F0D4BA00F9D8B1001A1E8000DFB38900F8EC
          E000B7C2F300BB8439008D5A2900DAC3AB00AB733500B5855200D69B4D008D72
          5100FAF4ED00BD802D00EBECF600F1EEEB00C0804000F2DABD00CC8C4E00A0AB
          E200EED3B600A96C2F0047467C00A2734500E5DBD100EAD2B800FDFCFB005A70
          DE00C8AA8C00CD9B6700DFC19D00B28A6300C8986300BB9771008B6D4B00D8AF
          77003344B500E2BC93007180DC006B4E2C009B662F002536AA00BEA38500DEBC
          A00096704500EDC79F00DEAC7D00C58D4300F8E0C8008482A1008A5626008668
          4600EFB06900BE7A3A00E9E3DE00F6E7D800F1DCC700F8F2EC00F2DFCB00F5F0
          EA002F46C600B5723500FEF6ED00D5A76B00EED7BF00F7DBBB00E99F4B00F7E8
          D300DEC6AE00D6994500A0714300EACFB200B48F67004C4E89004C61D500A46A
          350023298D00FEEEDC00D5BA9E00DCB98A00AF875F00EFBD8300E3B77B008B62
          3600BE9F7D00E3C7A500C7A78600F1D6B4002D379000A0602A00A77B4F007C62
          440076583400B37839008A99E500F2C79500A3B2EF00BA894600F6E6D600515E
          B900BF976F00B79673005B5C9100BCAFA000F7D4AA00A979470096703E009C6E
          4000171B6D00EDD4BC00B27A3000F5DFC400D09C5B007B532300CBBFB1005653
          8000EFDAC400D08E510090622600B57A2A0069492300AB825900FDFAF7005D6C
          C900F0D2AE00DCC9B700CFAC8100FAF0E400DB9F6600F3EBE300C1853400EBDD
          CF00D2913C00BD8B5A00B37D3400B6936E00C9AF9400C79D6900C4986500A289
          6C00F3BC7D00FCE2C400EAC299007A789B00B37F4200E6C18F00D1B28E00C694
          5000F7E9DB00F1B67300FCE5CB00C6D1F900FBF5EF0000000000202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020200000202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          0000202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          202020202020202020202020202020202020202000001C0C0706060606060607
          0C1C202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          202020202020202000000C0D0A0A0A0A0A0A0A0A0D0C20202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          202020202020202020202020202020202020202020202020202020200000070A
          1F2121212121211F0A0720202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          202020202020202020202020202020202020C8FE69C8C8FE69C8C8FE69C8C8FE
          69C820206DAAAAAAAAAAAAAAAAAAAAAA6D202020206DAAAAAAAAAAAAAAAAAAAA
          AA6D202020206DAAAAAAAAAAAAAAAAAAAAAA6D20202020202020202020202020
          202020202020202020202020202020200000060A21212121212121210A062020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          202020202020C8C8FE69C8C8FE69C8C8FE69C8C8FE692031984B4B4B4B4B4B4B
          4B4B4B4B983120203F40BFBFBFBFBFBFBFBFBFBFBF403F202092DE2222222222
          222222222222DE92202020202020202020202020202020202020202020202020
          202020200000060A21212121212121210A062020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          202020202020202020202020202020202020202020202020202069C8C8FE69C8
          C8FE69C8C8FE69C8C8FE3150835A5A5A5A5A5A5A5A5A5A5A8350313FA347B7B7
          B7B7B7B7B7B7B7B7B747A33F92D72D4D4D4D4D4D4D4D4D4D4D4D2DD792202020
          2020202020202020202020202020202020202020202020200000060A21212121
          212121210A062020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020FE69C8C8FE69C8C8FE69C8C8FE69C8C89883
          DB4D4D4D4D4D4D4D4D4D4D4DDB8398404762A8A8A8A8A8A8A8A8A8A8A8624740
          DEA34D4D4D4D4D4D4D4D4D4D4D4D4DA3DE202020202020202020202020202020
          2020202020202020202020200000070A1F2121212121211F0A071C0B05050505
          050505050B1C2020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020C8FE69C8C8FE69C8C8FE69C8C8FE69C84B68333333333333333333333333
          33684BBFC562626262626262626262626262C5BF229B9B9B9B9B9B9B9B9B9B9B
          9B9B9B9B22202020202020202020202020202020202020202020202020202020
          00000C0D0A0A0A0A0A0A0A0A0D0C0B0C0A0A0A0A0A0A0A0A0C0B202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          20202020202020202020202020202020202020202020C8C8FE69C8C8FE69C8C8
          FE69C8C8FE694B68DBDBDBDBDBDBDBDBDBDBDBDBDB684BBFC562626262626262
          626262626262C5BF222D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2220202020202020
          202020202020202020202020202020202020202000001C0C0706060606060607
          0C1C051F21212121212121211F05210321202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202069C8C8FE69C8C8FE69C8C8FE69C8C8FE4B8B4F4F4F4F
          4F4F4F4F4F4F4F4F4F8B4BBF3C9A9A9A9A9A9A9A9A9A9A9A9A9A3CBF22A3A3A3
          A3A3A3A3A3A3A3A3A3A3A3A32220202020202020202020202020202020202020
          202020202020202000007D7D7D7D7D7D7D7D7D7D7D7D051F2121212121212121
          1F05210321202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          202020202020202020202020202020202020202020202020202020202020FE69
          C8C8FE69C8C8FE69C8C8FE69C8C84B8B4F4F4F4F4F4F4F4F4F4F4F4F4F8B4BBF
          3CFBFBFBFBFBFBFBFBFBFBFBFBFB3CBF22A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3
          2220202020202020202020202020202020202020202020202020202000007D82
          8021212121212180827D0B121B1B1B1B1B1B1B1B120B21032120202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          202020202020202020202020202020202020C8FE69C8C8FE69C8C8FE69C8C8FE
          69C84BF4E6E6E6E6E6E6E6E6E6E6E6E6E6F44BBFCEF2F2F2F2F2F2F2F2F2F2F2
          F2F2CEBF222F2F2F2F2F2F2F2F2F2F2F2F2F2F2F222020202020202020202020
          2020202020202020202020202020202000007D802120202020202021807D1C0B
          05050505050505050B1C21032120202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          202020202020C8C8FE69C8C8FE69C8C8FE69C8C8FE694B7A6363636363636363
          63636363637A4BBFF33C3C3C3C3C3C3C3C3C3C3C3C3CF3BF227B7B7B7B7B7B7B
          7B7B7B7B7B7B7B7B222020202020202020202020202020202020202020202020
          2020202000007D212020202020202020217D5959595959595959595959592103
          2121212121212020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          202020202020202020202020202020202020202020202020202069C8C8FE69C8
          C8FE69C8C8FE69C8C8FE4B6542424242424242424242424242654BBFF3CECECE
          CECECECECECECECECECEF3BF2240404040404040404040404040404022202020
          20202020202020202020202020202020202020202020202000007D2120202020
          20202020217D5982802121212121218082592059200303030303202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020FE69C8C8FE69C8C8FE69C8C8FE69C8C84B77
          F4F4F4F4F4F4F4F4F4F4F4F4F4774BBFFC66666666666666666666666666FCBF
          2240404040404040404040404040404022202020202020202020202020202020
          20202020202020202020202000007D212020202020202020217D595920202020
          2020202059592059202121212121202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020C8FE69C8C8FE69C8C8FE69C8C8FE69C84B77939393939393939393939393
          93774BBF3D434343434343434343434343433DBF22BFBFBFBFBFBFBFBFBFBFBF
          BFBFBFBF22202020202020202020202020202020202020202020202020202020
          00007D802120202020202021807D595920202020202020205959205920202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          20202020202020202020202020202020202020202020C8C8FE69C8C8FE69C8C8
          FE69C8C8FE696CBBE24848484848484848484848E2BB6CB165FCF3F3F3F3F3F3
          F3F3F3F3F3FC65B1362998989898989898989898989898293620202020202020
          202020202020202020202020202020202020202000007D828021212121212180
          827D597D36222222222222367D59205920595959595920202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202069C8C8FE69C8C8FE69C8C8FE69C8C8FE6F3A5B969696
          96969696969696965B3A6F5F3F77B3B3B3B3B3B3B3B3B3B3B3773F5FB9DE2929
          2929292929292929292929DEB920202020202020202020202020202020202020
          202020202020202000007D7D7D7D7D7D7D7D7D7D7D7D59595959595959595959
          5959205920202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          202020202020202020202020202020202020202020202020202020202020FE69
          C8C8FE69C8C8FE69C8C8FE69C8C8206F6C4B4B4B4B4B4B4B4B4B4B4B6C6F2020
          5FB1BFBFBFBFBFBFBFBFBFBFBFB15F2020B936222222222222222222222236B9
          202020202020202020202020202020202020202020202020202020200000211A
          141313131313131313131313141A21211A141313131313131313131313141A21
          211A141313131313131313131313141A2120211A141313131313131313131313
          141A21211A141313131313131313131313141A21211A14131313131313131313
          1313141A2120211A141313131313131313131313141A21211A14131313131313
          1313131313141A21211A141313131313131313131313141A2120211A14131313
          1313131313131313141A21211A141313131313131313131313141A21211A1413
          13131313131313131313141A2120202000001907000000000000000000000000
          0007191907000000000000000000000000000719190700000000000000000000
          0000000719201907000000000000000000000000000719190700000000000000
          0000000000000719190700000000000000000000000000071920190700000000
          0000000000000000000719190700000000000000000000000000071919070000
          0000000000000000000000071920190700000000000000000000000000071919
          0700000000000000000000000000071919070000000000000000000000000007
          1920202000000700000000000000000000000000000007070000000000000000
          0000000000000007070000000000000000000000000000000720070000000000
          0000000000000000000007070000000000000000000000000000000707000000
          0000000000000000000000000720070000000000000000000000000000000707
          0000000000000000000000000000000707000000000000000000000000000000
          0720070000000000000000000000000000000707000000000000000000000000
          0000000707000000000000000000000000000000072020200000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000020000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0020000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000002000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000002020200000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0020000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000002000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000002000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000202020
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000002000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000002000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000200000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000202020000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000002000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000200000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000200000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000202020000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000200000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000200000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000200000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000020202000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000200000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000200000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000020000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000020202000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000200000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000020000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000020000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0020202000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000020000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000020000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0020000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000002020200000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000020000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0020000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000002000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000002020200000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0020000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000002000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000002000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000202020
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000002000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000002000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000200000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000202020000008000000000000000000
          0000000000000808000000000000000000000000000000080800000000000000
          0000000000000000082008000000000000000000000000000000080800000000
          0000000000000000000000080800000000000000000000000000000008200800
          0000000000000000000000000000080800000000000000000000000000000008
          0800000000000000000000000000000008200800000000000000000000000000
          0000080800000000000000000000000000000008080000000000000000000000
          000000000820202000001F0800000000000000000000000000081F1F08000000
          00000000000000000000081F1F0800000000000000000000000000081F201F08
          00000000000000000000000000081F1F0800000000000000000000000000081F
          1F0800000000000000000000000000081F201F08000000000000000000000000
          00081F1F0800000000000000000000000000081F1F0800000000000000000000
          000000081F201F0800000000000000000000000000081F1F0800000000000000
          000000000000081F1F0800000000000000000000000000081F20202000002021
          2121212121212121212121212121202021212121212121212121212121212120
          2021212121212121212121212121212120202021212121212121212121212121
          2121202021212121212121212121212121212120202121212121212121212121
          2121212120202021212121212121212121212121212120202121212121212121
          2121212121212120202121212121212121212121212121212020202121212121
          2121212121212121212120202121212121212121212121212121212020212121
          2121212121212121212121212020202000009FB1294B4B4B4B4B4B4B4B4B4B4B
          29B19F729B40BFBFBFBFBFBFBFBFBFBFBF409B72A1B9DE222222222222222222
          2222DEB9A1209FB1294B4B4B4B4B4B4B4B4B4B4B29B19F729B40BFBFBFBFBFBF
          BFBFBFBFBF409B72A1B9DE2222222222222222222222DEB9A1209FB1294B4B4B
          4B4B4B4B4B4B4B4B29B19F729B40BFBFBFBFBFBFBFBFBFBFBF409B72A1B9DE22
          22222222222222222222DEB9A1209FB1294B4B4B4B4B4B4B4B4B4B4B29B19F74
          2E676767676767676767676767672E7474BED22626262626262626262626D2BE
          742020200000B150835A5A5A5A5A5A5A5A5A5A5A8350B19BA347B7B7B7B7B7B7
          B7B7B7B7B747A39BB9D72DC38E8E8E8E8E8E8E8E8EC32DD7B920B150835A5A5A
          5A5A5A5A5A5A5A5A8350B19BA347B7B7B7B7B7B7B7B7B7B7B747A39BB9D72D4D
          4D4D4D4D4D4D4D4D4D4D2DD7B920B150835A5A5A5A5A5A5A5A5A5A5A8350B19B
          A347B7B7B7B7B7B7B7B7B7B7B747A39BB9D72D4D4D4D4D7B8E8E7B4D4D4D2DD7
          B920B150835A5A5A5A5A5A5A5A5A5A5A8350B12EB2E18C8C8C8C8C8C8C8C8C8C
          8CE1B22EBE674EA2A28AA2A2A2A2A28AA2A24E67BE20202000009883DBC3B18E
          8E8E8E8E8E8EB1C3DB8398404762EAC3C3C3C3C3C3C3C3C3EA624740DEA34D8E
          9F212121212121219F8E4DA3DE209883DB4D4D4D4D4D4D4D4D4D4D4DDB839840
          4762A8A8A8A8A8A8A8A8A8A8A8624740DEA34D4D6E8E8E8E8E8E8E8E6E4D4DA3
          DE209883DB4D4D4D4D6E8E8E6E4D4D4DDB8398404762A8A8A8A876C3C376A8A8
          A8624740DEA34D4D4D4D4D8E21218E4D4D4D4DA3DE209883DB4D4D9B4D4D4D4D
          4D9B4D4DDB839867E1B0A2A28AA2A2A2A2A28AA2A2B0E167D24EA2A27CF5AF8A
          A28AAFF57CA2A24ED220202000004B6833B1722121212121212172B133684BBF
          C562F6FE21212121212121FEF662C5BF229B9B8E21508E8E8E8E8E50218E9B9B
          22204B683333C3B1B1B1B1B1B1B1C33333684BBFC5626278F6F6F6F6F6F6F678
          6262C5BF229B9B9B8EE02121212121E08E9B9B9B22204B683333333333B12121
          B133333333684BBFC56262626262F62121F662626262C5BF229B9B9B9B9B9B8E
          21218E9B9B9B9B9B22204B6833333ACB3176337631CB3A3333684B673B5151AF
          97AF515151AF97AF51513B67264E4E8AF5214CAF39AF4C21F58A4E4E26202020
          00004B68DB3A213A3A3A3A3A3A3A213ADB684BBFC562F621F6F6F6F6F6F6F621
          F662C5BF222D2D5021502D2D2D2D2D5021502D2D22204B68DBDB3A8021212121
          21803ADBDB684BBFC56262F680212121212180F66262C5BF222D2D2D50E02121
          212121E0502D2D2D22204B68DBDBDBDBDB3A21213ADBDBDBDB684BBFC5626262
          6262F62121F662626262C5BF222D2D2D2D2D2D8E50508E2D2D2D2D2D22204B68
          DB338721E9317631E9218733DB684B673B515197214CCCC9CC4C219751513B67
          264E4E4E7C4C214CD94C214C7C4E4E4E2620202000004B8B4F3121314F4F4F4F
          4F3121314F8B4BBF3C9A6F216F9A9A9A9A9A6F216F9A3CBF22A3A3502150A3A3
          A3A3A3502150A3A322204B8B4F4F3180212121212180314F4F8B4BBF3C9A9A6F
          802121212121806F9A9A3CBF22A3A3A3B150505050505050B1A3A3A322204B8B
          4F4F4F4F4F313A3A314F4F4F4F8B4BBF3C9A9A9A9A9A3FF6F63F9A9A9A9A3CBF
          22A3A3A3A3A3A350212150A3A3A3A3A322204B8B4FDBCFE921E9C0E921E9CFDB
          4F8B4B67C4B0B0CC4C214C464C214CCCB0B0C467264E4E4E4E7C4C211F214C7C
          4E4E4E4E2620202000004B8B4F3121314F4F4F4F4F3121314F8B4BBF3CFB6F21
          6FFBFBFBFBFB6F216FFB3CBF22A3A3502150A3A3A3A3A3502150A3A322204B8B
          4F4F3F313131313131313F4F4F8B4BBF3CFBFBD66F6F6F6F6F6F6FD6FBFB3CBF
          22A3A3A3A3A3A3A3A3A3A3A3A3A3A3A322204B8B4F4F4F4F4F312121314F4F4F
          4F8B4BBF3CFBFBFBFBFB6F21216FFBFBFBFB3CBF22A3A3A3A3A3A35021216C8E
          A3A3A3A322204B8B4F4FDBC0E9218021E9C0DB4F4F8B4B67C4B0B0B0CC4C2180
          214CCCB0B0B0C467264E4E4E4EBED91F211FD9BE4E4E4E4E2620202000004BF4
          E6CF21CFE6E6E6E6E6CF21CFE6F44BBFCEF2EB21EBF2F2F2F2F2EB21EBF2CEBF
          222F2F6C216C2F2F2F2F2F6C216C2F2F22204BF4E6E6E6E6E6E6E6E6E6E6E6E6
          E6F44BBFCEF2F2F2F2F2F2F2F2F2F2F2F2F2CEBF222F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F22204BF4E6E6E6E6E6CF2121316FE6E6E6F44BBFCEF2F2F2F2F2EB21
          216F86F2F2F2CEBF222F2F2F2F2F2F506C21216C502F2F2F22204BF4E6E6E65F
          DF802180DF5FE6E6E6F44B674A818181E14680218046E18181814A67268F8F8F
          8F7C4C211F214C7C8F8F8F8F2620202000004B7A63B621B66363636363B621B6
          637A4BBFF33C8721873C3C3C3C3C8721873CF3BF227B7B6C216C6C6C6C6C6C6C
          216C7B7B22204B7A636363636363636363636363637A4BBFF33C3C3C3C3C3C3C
          3C3C3C3C3C3CF3BF227B7B7B7B7B7B7B7B7B7B7B7B7B7B7B22204B7A63636363
          63CADF2121DFCA63637A4BBFF33C3C3C3C3C2BAE2121AE2B3C3CF3BF227B7B7B
          7B506C6C6C6C21216C7B7B7B22204B7A636394AE9C2180219CAE9463637A4B67
          6AC4C43BF51C2180211CF53BC4C46A67268F8F8F7C4C214CD94C214C7C8F8F8F
          2620202000004B65428521B68585858585B6218542654BBFF3CE8721ED878787
          8787ED2187CEF3BF2240406C2121212121212121216C404022204B6542424242
          424242424242424242654BBFF3CECECECECECECECECECECECECEF3BF22404040
          40404040404040404040404022204B65424242CA8585B6B62121854242654BBF
          F3CECECEE48787EDED212187CECEF3BF22404040406C2121989821216C404040
          22204B654263AE9C219CED9C219CAE6342654B676AC4C4971C211C971C211C97
          C4C46A67268F8F2EF5214C7CBE7C4C21F52E8F8F2620202000004B77F4AE2121
          21212121212121AEF4774BBFFC66872121212121212121218766FCBF22404098
          9F212121212121219F98404022204B77F4F4F4F4F4F4F4F4F4F4F4F4F4774BBF
          FC66666666666666666666666666FCBF22404040404040404040404040404040
          22204B77F4F4F4AE212185852121AEF4F4774BBFFC666666872121CBCB212187
          6666FCBF22404040406C2921212121296C40404022204B77F46882219CEDE4ED
          9C218268F4774B676A4AC45E211C973B971C215EC44A6A67262E2E2E35F57C2E
          2E2E7CF5352E2E2E2620202000004B7793ED492121212121212149ED93774BBF
          3D43BA492121212121212149BA433DBF22BFBF5029292929292929292950BFBF
          22204B7793939393939393939393939393774BBF3D4343434343434343434343
          43433DBF22BFBFBFBFBFBFBFBFBFBFBFBFBFBFBF22204B779393936185212121
          2185619393774BBF3D434343F8CB21212121CBF843433DBF22BFBFBFBFBF6C29
          2929296CBFBFBFBF22204B77939387EECB8B938BCBEE879393774B676A4A4A97
          5E974A4A4A975E974A4A6A67262E2E2E2E2E2E2E2E2E2E2E2E2E2E2E26202020
          00006CBBE2F8CBEDEDEDEDEDEDEDCBF8E2BB6CB165FCBB90BABABABABABABA90
          BBFC65B13629989898989898989898989898982936206CBBE248484848484848
          48484848E2BB6CB165FCF3F3F3F3F3F3F3F3F3F3F3FC65B13629989898989898
          989898989898982936206CBBE248484861EDEDEDED614848E2BB6CB165FCF3F3
          F3F8BABABABAF8F3F3FC65B13629989898989898989898989898982936206CBB
          E248488B93484848938B4848E2BB6CB279C6C6C679C6C6C6C6C679C6C6C679B2
          26353535353535353535353535353535262020200000CF3A5B96969696969696
          969696965B3ACFEB3F77B3B3B3B3B3B3B3B3B3B3B3773FEB64DE292929292929
          29292929292929DE6420CF3A5B96969696969696969696965B3ACFEB3F77B3B3
          B3B3B3B3B3B3B3B3B3773FEB64DE29292929292929292929292929DE6420CF3A
          5B96969696969696969696965B3ACFEB3F77B3B3B3B3B3B3B3B3B3B3B3773FEB
          64DE29292929292929292929292929DE6420CF3A5B9696969696969696969696
          5B3ACF3939C6FDFDFDFDFDFDFDFDFDFDFDC63939D2D235353535353535353535
          353535D2D22020200000EB596C4B4B4B4B4B4B4B4B4B4B4B6C59EB2BEBB1BFBF
          BFBFBFBFBFBFBFBFBFB1EB2BD7643622222222222222222222223664D720EB59
          6C4B4B4B4B4B4B4B4B4B4B4B6C59EB2BEBB1BFBFBFBFBFBFBFBFBFBFBFB1EB2B
          D7643622222222222222222222223664D720EB596C4B4B4B4B4B4B4B4B4B4B4B
          6C59EB2BEBB1BFBFBFBFBFBFBFBFBFBFBFB1EB2BD76436222222222222222222
          22223664D720EB596C4B4B4B4B4B4B4B4B4B4B4B6C59EBC939B2676767676767
          6767676767B239C967D226262626262626262626262626D26720202000002020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202000002121212121212121212121212121
          2121212121212121212121212121212121212121212121212121212121212121
          2121212121212121212121212121212121212121212121212121212121212121
          2121212121212121212121212121212121212020212121212121212121212121
          2121212121212121212121212121212121212121212121212121212121212121
          2121212120212121212121212121212121212121212121212121212121212121
          2121212121212121212121212121212121212121212020202020202020202020
          2020202000002121212121212121212121212121212121212121212121212121
          2121212121212121212121212121212121212121212121212121212121212121
          2121212121212121212121212121212121212121212121212121212121212121
          2121212121212020212121212121212121212121212121212121212121212121
          2121212121212121212121212121212121212121212121212021212121212121
          2121212121212121212121212121212121212121212121212121212121212121
          2121212121212121212020202020202020202020202020200000212121212121
          2121212121212121212121212121212121212121212121212121212121212121
          2121212121212121212121212121212121212121212121212121212121212121
          2121212121212121212121212121212121212121212121212121202021212121
          2121212121212121212121212121212121212121212121212121212121212121
          2121212121212121212121212021212121212121212121212121212121212121
          2121212121212121212121212121212121212121212121212121212121202020
          2020202020202020202020200000211802000000000000000000000218212118
          0200000000000000000000021821211802000000000000000000000218212118
          0200000000000000000000021821211802000000000000000000000218212118
          02000000000000000000000218212020212121211A0701000001071A21212121
          212121211A0701000001071A21212121212121211A0701000001071A21212121
          20212121211A0701000001071A21212121212121211A0701000001071A212121
          21212121211A0701000001071A21212121202020202020202020202020202020
          0000210200000000000000000000000002212102000000000000000000000000
          0221210200000000000000000000000002212102000000000000000000000000
          0221210200000000000000000000000002212102000000000000000000000000
          022120202121210D00000000000000000D2121212121210D0000000000000000
          0D2121212121210D00000000000000000D212121202121210D00000000000000
          000D2121212121210D00000000000000000D2121212121210D00000000000000
          000D212121202020202020202020202020202020000021000000000000000000
          0000000000212100000000000000000000000000002121000000000000000000
          0000000000212100000000000000000000000000002121000000000000000000
          00000000002121000000000000000000000000000021202021210D0000000000
          00000000000D212121210D000000000000000000000D212121210D0000000000
          00000000000D21212021210D000000000000000000000D212121210D00000000
          0000000000000D212121210D000000000000000000000D212120202020202020
          2020202020202020000021000000000000000000000000000021210000000000
          0000000000000000002121000000000000000000000000000021210000000000
          0000000000000000002121000000000000000000000000000021210000000000
          000000000000000000212020211A0000000000000000000000001A21211A0000
          000000000000000000001A21211A0000000000000000000000001A2120211A00
          00000000000000000000001A21211A0000000000000000000000001A21211A00
          00000000000000000000001A2120202020202020202020202020202000002100
          0000000000000000000000000021210000000000000000000000000000212100
          0000000000000000000000000021210000000000000000000000000000212100
          0000000000000000000000000021210000000000000000000000000000212020
          2107000000000000000000000000072121070000000000000000000000000721
          2107000000000000000000000000072120210700000000000000000000000007
          2121070000000000000000000000000721210700000000000000000000000007
          2120202020202020202020202020202000002100000000000000000000000000
          0021210000000000000000000000000000212100000000000000000000000000
          0021210000000000000000000000000000212100000000000000000000000000
          0021210000000000000000000000000000212020210100000000000000000000
          0000012121010000000000000000000000000121210100000000000000000000
          0000012120210100000000000000000000000001212101000000000000000000
          0000000121210100000000000000000000000001212020202020202020202020
          2020202000002100000000000000000000000000002121000000000000000000
          0000000000212100000000000000000000000000002121000000000000000000
          0000000000212100000000000000000000000000002121000000000000000000
          0000000000212020210000000000000000000000000000212100000000000000
          0000000000000021210000000000000000000000000000212021000000000000
          0000000000000000212100000000000000000000000000002121000000000000
          0000000000000000212020202020202020202020202020200000210000000000
          0000000000000000002121000000000000000000000000000021210000000000
          0000000000000000002121000000000000000000000000000021210000000000
          0000000000000000002121000000000000000000000000000021202021000000
          0000000000000000000000212100000000000000000000000000002121000000
          0000000000000000000000212021000000000000000000000000000021210000
          0000000000000000000000002121000000000000000000000000000021202020
          2020202020202020202020200000210000000000000000000000000000212100
          0000000000000000000000000021210000000000000000000000000000212100
          0000000000000000000000000021210000000000000000000000000000212100
          0000000000000000000000000021202021010000000000000000000000000121
          2101000000000000000000000000012121010000000000000000000000000121
          2021010000000000000000000000000121210100000000000000000000000001
          2121010000000000000000000000000121202020202020202020202020202020
          0000210000000000000000000000000000212100000000000000000000000000
          0021210000000000000000000000000000212100000000000000000000000000
          0021210000000000000000000000000000212100000000000000000000000000
          0021202021070000000000000000000000000721210700000000000000000000
          0000072121070000000000000000000000000721202107000000000000000000
          0000000721210700000000000000000000000007212107000000000000000000
          0000000721202020202020202020202020202020000021000000000000000000
          0000000000212100000000000000000000000000002121000000000000000000
          0000000000212100000000000000000000000000002121000000000000000000
          000000000021210000000000000000000000000000212020211A000000000000
          0000000000001A21211A0000000000000000000000001A21211A000000000000
          0000000000001A2120211A0000000000000000000000001A21211A0000000000
          000000000000001A21211A0000000000000000000000001A2120202020202020
          2020202020202020000021000000000000000000000000000021210000000000
          0000000000000000002121000000000000000000000000000021210000000000
          0000000000000000002121000000000000000000000000000021210000000000
          00000000000000000021202021210D000000000000000000000D212121210D00
          0000000000000000000D212121210D000000000000000000000D21212021210D
          000000000000000000000D212121210D000000000000000000000D212121210D
          000000000000000000000D212120202020202020202020202020202000002102
          0000000000000000000000000221210200000000000000000000000002212102
          0000000000000000000000000221210200000000000000000000000002212102
          0000000000000000000000000221210200000000000000000000000002212020
          2121210D00000000000000000D2121212121210D00000000000000000D212121
          2121210D00000000000000000D212121202121210D00000000000000000D2121
          212121210D00000000000000000D2121212121210D00000000000000000D2121
          2120202020202020202020202020202000002118020000000000000000000002
          1821211802000000000000000000000218212118020000000000000000000002
          1821211802000000000000000000000218212118020000000000000000000002
          1821211802000000000000000000000218212020212121211A0701000001071A
          21212121212121211A0701000001071A21212121212121211A0701000001071A
          2121212120212121211A0701000001071A21212121212121211A070100000107
          1A21212121212121211A0701000001071A212121212020202020202020202020
          2020202000002121212121212121212121212121212121212121212121212121
          2121212121212121212121212121212121212121212121212121212121212121
          2121212121212121212121212121212121212121212121212121212121212121
          2121212121212020212121212121212121212121212121212121212121212121
          2121212121212121212121212121212121212121212121212021212121212121
          2121212121212121212121212121212121212121212121212121212121212121
          2121212121212121212020202020202020202020202020200000202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020200000202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          0000202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020000020BCB6ACACACACACACAC
          ACACACB6BC2020A5955353535353535353535395A5202044C122222222222222
          222222C1442020BCB6ACACACACACACACACACACB6BC2020A59553535353535353
          53535395A5202044C122222222222222222222C14420202020202020BC87DF7D
          7DDF87BC2020202020202020A5D695737395D6A52020202020202020445D2436
          36245D44202020202020202020BC87DF7D7DDF87BC2020202020202020A5D695
          737395D6A52020202020202020445D243636245D442020202020202020202020
          2020202020202020000020B63772FEFEFEFEFEFEFEFE7237B620209589E2E2E2
          E2E2E2E2E2E2E289952020C12CFA6969696969696969FA2CC12020B63772FEFE
          FEFEFEFEFEFE7237B620209589E2E2E2E2E2E2E2E2E2E289952020C12CFA6969
          696969696969FA2CC1202020202020BAC0BC52343452BCC0BA20202020202045
          E8A5F4E2E2F4A5E845202020202020568D44E36060E3448D5620202020202020
          BAC0BC52343452BCC0BA20202020202045E8A5F4E2E2F4A5E845202020202020
          568D44E36060E3448D56202020202020202020202020202020202020000020AC
          729D9D9D9D9D9D9D9D9D9D72AC202053E248CECECECECECECECE48E253202022
          60FAFAFAFAFAFAFAFAFAFA60222020AC729D9D9D9D9D9D9D9D9D9D72AC202053
          E248CECECECECECECECE48E25320202260FAFAFAFAFAFAFAFAFAFA6022202020
          202061DFE934FA9D9DFA34E9DF6120202020A595934848CECE48489395A52020
          202056C232FAFAFAFAFAFA32C256202020202061DFE934FA9D9DFA34E9DF6120
          202020A595934848CECE48489395A52020202056C232FAFAFAFAFAFA32C25620
          20202020202020202020202020202020000020ACFEFAFAFAFAFAFAFAFAFAFAFE
          AC202053BD66F3F3F3F3F3F3F3F366BD532020229D9D9D9D9D9D9D9D9D9D9D9D
          222020ACFEFAFA5799C252FAFAFAFAFEAC202053BD66F37799C2ADF3F3F366BD
          532020229D9D9DE999C2529D9D9D9D9D222020202082C0E9E5FAFAFAFAFAFAE5
          E9C082202089E89348A7F3F3F3F3A74893E8892020448DE39D9D9D9D9D9D9D9D
          E38D4420202082C0E9E5FAFA3232FAFAE5E9C082202089E89348A7F35B5BF3A7
          4893E8892020448DE39D9D9D32329D9D9DE38D44202020202020202020202020
          20202020000020AC496969696969696969696949AC202053BD66FCFCFCFCFCFC
          FCFC66BD53202022252525252525252525252525222020AC4969607136368860
          69696949AC202053BD669671DEDE8896FCFC66BD532020222525A07136369957
          25252525222020202087827269696969696969697282872020D6A5E243FCFCFC
          FCFCFC43E2A5D620205DF125252525252525252525F15D202020878272695299
          DEDE9952697282872020D6A5E2437F99DEDE997F43E2A5D620205DF125253299
          DEDE99322525F15D20202020202020202020202020202020000020AC49696969
          6969696969696949AC202053BDA73D3D3D3D3D3D3D3DA7BD5320202257575757
          5757575757575757222020AC49692A646464644469696949AC202053BDBDDFD7
          D7D7D7CB3D3DA7BD5320202257A02A6464646444575757572220202020DFE9E5
          6969696969696969E5E9DF20209593BD3D3D3D3D3D3D3D3DBD93952020C26D57
          5757575757575757576DC2202020DFE9E56992D7D7D7D79269E5E9DF20209593
          BD3D2AC2C2C2C22A3DBD93952020C26D575792D7D7D7D79257576DC220202020
          202020202020202020202020000020ACE0E5E5E5E5E5E5E5E5E5E5E0AC202053
          BDA73D3D3D3D3D3D3D3DA7BD53202022A0A0A0A0A0A0A0A0A0A0A0A0222020AC
          E0EED7D73730D7D727E5E5E0AC202053BDE4DCDCF8E4DCDC913DA7BD53202022
          A090D7D782BAD7D737A0A0A022202020207DFEE5E5E5E5E5E5E5E5E5E5FE7D20
          2073BDA73D3D3D3D3D3D3D3DA7BD73202036DAA0A0A0A0A0A0A0A0A0A0DA3620
          20207DFEE552DCDCDCDCDCDC52E5FE7D202073BDA7A641D0D0414141A6A7BD73
          202036DAA05BDCDCDCDCDCDC5BA0DA3620202020202020202020202020202020
          000020ACE034343434343434343434E0AC202053BDD5B3B3B3B3B3B3B3B3D5BD
          532020229E9E9E9E9E9E9E9E9E9E9E9E222020ACE032D0EE3434B66CB9E934E0
          AC202053BDBBF6F8B3B35F7B6E9ED5BD532020229E27D0619E9EDF6CDCE39E9E
          22202020207DFE34343434343434343434FE7D202073BDD5B3B3B3B3B3B3B3B3
          D5BD73202036DA9E9E9E9E9E9E9E9E9E9EDA362020207DFE34E97BF8B46E7B7B
          E934FE7D202073BDD59E59B4276FCFCF9ED5BD73202036DA9E5B7BF8B46E7B7B
          5B9EDA3620202020202020202020202020202020000020ACE072727272727272
          727272E0AC202053BD96E5E5E5E5E5E5E5E596BD53202022DADADADADADADADA
          DADADADA222020ACE07272727272E77DDCC0E5E0AC202053BD96E5E5E5E5FAC7
          DD28D5BD53202022DADADADADADA7F3ADCCFA6DA2220202020DFE9FE72727272
          72727272FEE9DF202095BB77E5E5E5E5E5E5E5E577BB952020C227DADADADADA
          DADADADADA27C2202020DFE9FE72F98484C7DD2872FEE9DF202095BB77E52BAA
          AAF028EFE577BB952020C227DADA288484C7DD28DADA27C22020202020202020
          2020202020202020000020AC80FEFEFEFEFEFEFEFEFEFE80AC20205377963434
          343434343434967753202022A6A6A6A6A6A6A6A6A6A6A6A6222020AC80FEFEFE
          FEFEFE527B8EBC80AC20205377963434343434D523E8897753202022A6A6A6A6
          A6A6A6847B8EEFA62220202020BAEEE0FEFEFEFEFEFEFEFEE0EEBA2020A589BD
          3D3434343434343DBD89A520207156A6A6A6A6A6A6A6A6A6A65671202020BAEE
          E0FEC845EAE870C8FEE0EEBA2020A589BD3DA968A5D689A93DBD89A520207156
          A6A65BD6EAE8AB5BA6A6567120202020202020202020202020202020000020AC
          804949494949494949494980AC20205377A9A4A4A4A4A4A4A4A4A97753202022
          D3D3D3D3D3D3D3D3D3D3D3D3222020AC8049494949494949277BF880AC202053
          77A9A4A4A4A4A4A44823B87753202022D3D3D3D3D3D3D3D3E47BEFD322202020
          20EEC09CE0494949494949E09CC0EE2020B56B5B7769A4A4A4A469775B6BB520
          20F18D27D3D3D3D3D3D3D3D3278DF1202020EEC09CE049499D9D4949E09CC0EE
          2020B56B5B7769A4FAFAA469775B6BB52020F18D27D3D3D35B5BD3D3D3278DF1
          202020202020202020202020202020200000207D80E0E0E0E0E0E0E0E0E0E080
          7D20205377D5A9A9A9A9A9A9A9A9D577532020227F7F7F7F7F7F7F7F7F7F7F7F
          2220207D80E0E0E0E0E0E0E0E0A1E0807D20205377D5A9A9A9A9A9A9A996D577
          532020227F7F7F7F7F7F7F7F7F5B7F7F222020202020BCDF9C80E0E0E0E0809C
          DFBC202020208995AD77D5A9A9D577AD9589202020202AC2B47F7F7F7F7F7FB4
          C22A2020202020BCDF9C80E0E0E0E0809CDFBC202020208995AD77D5A9A9D577
          AD9589202020202AC2B47F7F7F7F7F7FB4C22A20202020202020202020202020
          2020202000002085278021212121212121218027852020F9B577777777777777
          777777B5F920202444ADADADADADADADADADAD44242020852780212121212121
          21218027852020F9B577777777777777777777B5F920202444ADADADADADADAD
          ADADAD442420202020202082C0EE9CE0E09CEEC082202020202020896B895B77
          775B896B892020202020202A8D56375B5B37568D2A2020202020202082C0EE9C
          E0E09CEEC082202020202020896B895B77775B896B892020202020202A8D5637
          5B5B37568D2A20202020202020202020202020202020202000002037857DACAC
          ACACACACACAC7D85372020B5F953535353535353535353F9B520205624222222
          222222222222222456202037857DACACACACACACACAC7D85372020B5F9535353
          53535353535353F9B52020562422222222222222222222245620202020202020
          37BAB67D7DB6BA372020202020202020B5A528737328A5B52020202020202020
          5688C23636C2885620202020202020202037BAB67D7DB6BA3720202020202020
          20B5A528737328A5B520202020202020205688C23636C2885620202020202020
          2020202020202020202020200000202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          0000202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020200000000000000000000000000000000000000000002020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020000020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020111818181818
          1818181818181818181818181818132020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020000020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020162121212121212121212121212121212121
          21211A2020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202000002020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          202016212121212121212121212121212121212121211A202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202000002020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202016212121212121212121
          212121212121212121211A202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202000002020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202016212121212121212121212121212121212121211A20
          2020202020202020202020202020202020202020202020202020202020202020
          20202020202020202020202020202020202020202020202000000D0D0D0D0D0D
          0D0D0D0D0D0D0505050505050505050505051C0B05050505050505050B1C0D21
          2121212121212121210D2121212121212121212121211C0A0303030303030303
          0A1C1C0A03030303030303030A1C212121212121212121212121212121212121
          2121212121212121212121212121212121212121212121212121212121211621
          2121212121212121212121212121212121211A20202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          20202020202020202020202000000A0A0A0A0A0A0A0A0A0A0A0A050A0A0A0A0A
          0A0A0A0A0A050B0C0A0A0A0A0A0A0A0A0C0B0D212121212121212121210D2121
          212121212121212121210A0A05050505050505050A0A0A131F2121212121211F
          130A210700000000000000000721210700000000000000000721210700000000
          0000000007212121212121212121212121211621212121212121212121212121
          2121212121211A20202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          0000212121212121212121212121052121212121212121212105051F21212121
          212121211F050D212121212121212121210D2121212121212121212121210305
          191A1A1A1A1A1A190503031F21212121212121211F0321000000000000000000
          0021210000000000000000000021210000000000000000000021212121022121
          02212102212116212121212121212121212121212121212121211A2020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020000021212121212121212121
          21210521212121212121212121050521212121212121212121050D2121212121
          21212121210D21212121212121212121212103051A2121212121211A05030321
          2121212121212121210321000000000000000000002121000000000000000000
          0021210000000000000000000021212103212103212103212121162121212121
          21212121212121212121212121211A2020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020000021212121212121212121212105212121212121212121
          21050521212121212121212121050D212121212121212121210D212121212121
          21212121212103051A2121212121211A05030321212121212121212121032100
          0000000000000000002121000000000000000000002121000000000000000000
          0021212121212121212121212121162121212121212121212121212121212121
          21211A2020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202000002121
          2121212121212121212105212121212121212121210505212121212121212121
          21050D212121212121212121210D21212121212121212121212103051A212121
          2121211A05030321212121212121212121032100000000000000000000212100
          0000000000000000002121000000000000000000002121212121212102212102
          212116212121212121212121212121212121212121211A202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202000002121212121212121212121210521
          212121212121212121050521212121212121212121050D212121212121212121
          210D21212121212121212121212103051A2121212121211A0503032121212121
          2121212121032100000000000000000000212100000000000000000000212100
          0000000000000000002121212121210321210321212116212121212121212121
          212121212121212121211A202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202000002121212121212121212121210521212121212121212121050521
          212121212121212121050D212121212121212121210D21212121212121212121
          212103051A2121212121211A0503032121212121212121212103210000000000
          0000000000212100000000000000000000212100000000000000000000212121
          2121212121212121212111181818181818181818181818181818181818181320
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020200000212121212121
          2121212121210521212121212121212121050521212121212121212121050D21
          2121212121212121210D21212121212121212121212103051A2121212121211A
          0503032121212121212121212103210000000000000000000021210000000000
          000000000021210000000000000000000021212121212121212121022121070A
          0A0A0A0A0A0A0A0A0A0A0A0A0A0A0A0A0A0A0820202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020200000212121212121212121212121052121212121
          212121212105051F21212121212121211F050E1E21212121212121211E0E2121
          212121212121212121210305191A1A1A1A1A1A190503031F2121212121212121
          1F03210000000000000000000021210000000000000000000021210000000000
          0000000000212121212121212121032121212222222222222222222222222222
          2222222222222220202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          0000212121212121212121212121051B1B1B1B1B1B1B1B1B1B050B121B1B1B1B
          1B1B1B1B120B1511151515151515151511152121212121212121212121210A0A
          05050505050505050A0A0A101919191919191919100A21070000000000000000
          0721210700000000000000000721210700000000000000000721212121212121
          2121212121212C22222222222222222222222222222222222222222020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020000021212121212121212121
          21210505050505050505050505051C0B05050505050505050B1C1F150E0D0D0D
          0D0D0D0E151F2121212121212121212121211C0A03030303030303030A1C1C0A
          03030303030303030A1C21212121212121212121212121212121212121212121
          2121212121212121212121212121212121212121212121212121212020202020
          2020202020202020202020202020222020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020000059595959595959595959595959595959595959595959
          5959595959595959595959595959222020202020202020202022202020202020
          2020202020203838383838383838383838382222222222222222222222222020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020212020202020202020202020202020202020
          2020222020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202000002121
          2121212121212121212159212121212121212121215959828021212121212180
          825922202020202020202020202220202020202020202020202038E480212121
          21212180E43822222220202020202022222220877DACACACACACAC7D87202087
          7DACACACACACAC7D872020877DACACACACACAC7D872020202020202020202020
          2020212020202020202020202020202020202020202022202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202000002020202020202020202020205920
          2020202020202020205959592020202020202020595922202020202020202020
          2022202020202020202020202020388070232323232323708038222220202020
          202020202222207D57C8C8C8C8C8C8577D20207D57C8C8C8C8C8C8577D20207D
          57C8C8C8C8C8C8577D2020202021202021202021202021202020202020202020
          2020202020202020202022202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202000002020202020202020202020205920202020202020202020595920
          2020202020202020205922202020202020202020202220202020202020202020
          202038212320202020202023213822202020202020202020202220ACFAFA2CF1
          9DFAFAFAAC2020ACFAFAFAFAFAFAFAFAAC2020ACFAA027272727A0FAAC202020
          5920205920205920202021202020202020202020202020202020202020202220
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020200000202020202020
          2020202020205920202020202020202020595920202020202020202020592220
          2020202020202020202220202020202020202020202038212320202020202023
          213822202020202020202020202220AC692C222244696969AC2020AC69696969
          69696969AC2020AC696DCACACACA6D69AC202020202020202020202020202120
          2020202020202020202020202020202020202220202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020200000202020202020202020202020592020202020
          2020202020595920202020202020202020592220202020202020202020222020
          2020202020202020202038212320202020202023213822202020202020202020
          202220AC372224992230E5E5AC2020ACE5E5E5E5E5E5E5E5AC2020ACE56DCACA
          CACA6DE5AC202020202020202120202120202120202020202020202020202020
          2020202020202220202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          0000202020202020202020202020592020202020202020202059592020202020
          2020202020592220202020202020202020222020202020202020202020203821
          2320202020202023213822202020202020202020202220ACD899E9E9C236D834
          AC2020AC3434343434343434AC2020AC34AACACACACAAA34AC20202020202059
          2020592020202120202020202020202020202020202020202020222020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020000020202020202020202020
          2020592020202020202020202059592020202020202020202059222020202020
          2020202020222020202020202020202020203821232020202020202321382220
          2020202020202020202220ACFEFEFEFE7E8DDE52AC2020ACFEFEFEFEFEFEFEFE
          AC2020ACFEAACACACACAAAFEAC20202020202020202020202020212020202020
          2020202020202020202020202020222020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020000020202020202020202020202059202020202020202020
          2059592020202020202020202059222020202020202020202022202020202020
          20202020202038212320202020202023213822202020202020202020202220AC
          4949494949E3362CAC2020AC4949494949494949AC2020AC49E7E3E3E3E3E749
          AC20202020202020202020212020212020202020202020202020202020202020
          2020222020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202000002020
          2020202020202020202059202020202020202020205959592020202020202020
          5959222220202020202020202222202020202020202020202020388070232323
          232323708038222220202020202020202222207D72E0E0E0E0E0E79F7D20207D
          72E0E0E0E0E0E0727D20207D72E0E0E0E0E0E0727D2020202020202020205920
          2020212020202020202020202020202020202020202022202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202000002020202020202020202020205922
          22222222222222222259597D36222222222222367D5922249C2121212121219C
          242220202020202020202020202038E48021212121212180E438222222222222
          22222222222220BA7DACACACACACAC7DBA2020BA7DACACACACACAC7DBA2020BA
          7DACACACACACAC7DBA2020202020202020202020202021212121212121212121
          212121212121212121212C202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202000002020202020202020202020205959595959595959595959595959
          5959595959595959595922222222222222222222222220202020202020202020
          2020383838383838383838383838222222222222222222222222202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202021212121212121212121212121212121212121217520
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020200000030303030303
          0303030303031B111010101010101010111B2121212121212121212121212121
          212121212121212121211D0F0A0A0A0A0A0A0A0A0F1D03030303030303030303
          03031010101010101010101010100D0D0D0D0D0D0D0D0D0D0D0D1E1613131313
          13131313161E0D0D0D0D0D0D0D0D0D0D0D0D1C0A03030303030303030A1C2020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020200000030606060606060606060603111110101010
          1010101011112121212121212121212121212121212121212121212121210F0C
          07060606060606070C0F08212121212121212121210321212121212121212121
          21210D060606060606060606060D16120D0D0D0D0D0D0D0D1216212121212121
          2121212121210A0B07060606060606070B0A2020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          0000030621212121212121210603101021212121212121211010212121212121
          2121212121212121212121212121212121210A071F2121212121211F070A0821
          212121212121212121032121212121212121212121210D062121212121212121
          060D130D1F2121212121211F0D1321212121212121212121212103071F212121
          2121211F07032020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020000003062121212121212121
          0603101021212121212121211010212121212121212121212121212121212121
          2121212121210A062121212121212121060A0821212121212121212121032121
          212121212121212121210D062121212121212121060D130D2121212121212121
          0D13212121212121212121212121030621212121212121210603202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020000003062121212121212121060310102121212121212121
          10102121212121212121212121212121212121212121212121210A0621212121
          21212121060A0821212121212121212121032121212121212121212121210D06
          2121212121212121060D130D21212121212121210D1321212121212121212121
          2121030621212121212121210603202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202000000306
          2121212121212121060310102121212121212121101021212121212121212121
          21212121212121212121212121210A062121212121212121060A082121212121
          2121212121032121212121212121212121210D062121212121212121060D130D
          21212121212121210D1321212121212121212121212103062121212121212121
          0603202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202000000306212121212121212106031010
          2121212121212121101021212121212121212121212121212121212121212121
          21210A062121212121212121060A082121212121212121212103212121212121
          2121212121210D062121212121212121060D130D21212121212121210D132121
          2121212121212121212103062121212121212121060320202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202000000306212121212121212106031010212121212121212110102121
          212121212121212121212121212121212121212121210A062121212121212121
          060A0821212121212121212121032121212121212121212121210D0621212121
          21212121060D130D21212121212121210D132121212121212121212121210306
          2121212121212121060320202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020200000030621212121
          2121212106031010212121212121212110102121212121212121212121212121
          212121212121212121210A062121212121212121060A08212121212121212121
          21032121212121212121212121210D062121212121212121060D130D21212121
          212121210D132121212121212121212121210306212121212121212106032020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020200000030621212121212121210603101021212121
          2121212110102121212121212121212121212121212121212121212121210A07
          1F2121212121211F070A08212121212121212121210321212121212121212121
          21210D062121212121212121060D130D1F2121212121211F0D13212121212121
          21212121212103071F2121212121211F07032020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          0000030606060606060606060603111110101010101010101111050505050505
          0505050505050505050505050505050505050F0C07060606060606070C0F0821
          212121212121212121032121212121212121212121210D060606060606060606
          060D16120D0D0D0D0D0D0D0D12162121212121212121212121210A0B07060606
          060606070B0A2020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020000003030303030303030303
          03031B111010101010101010111B0E0E0E0E0E0E0E0E0E0E0E0E0A0A0A0A0A0A
          0A0A0A0A0A0A1D0F0A0A0A0A0A0A0A0A0F1D0808080808080808080808030606
          060606060606060606060D0D0D0D0D0D0D0D0D0D0D0D1E161313131313131313
          161E1010101010101010101010101C0A03030303030303030A1C202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020000059595959595959595959595961616161616161616161
          6161202020202020202020202020202020202020202020202020595959595959
          5959595959592121212121212121212121215959595959595959595959595959
          5959595959595959595959595959595959595959595922222222222222222222
          2222414141414141414141414141202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202000005921
          2121212121212121215961E72121212121212121E76120202020202020202020
          202020202020202020202020202059B48021212121212180B459592020202020
          20202020202120202020202020202020202059212121212121212121215959E3
          2121212121212121E35920202020202020202020202041908021212121212180
          9041202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202000005921202020202020202021596121
          2020202020202020216120202020202020202020202020202020202020202020
          2020598021202020202020218059592020202020202020202021202020202020
          2020202020205921202020202020202021595921212020202020202121592020
          2020202020202020202041802120202020202021804120202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202000005921202020202020202021596121202020202020202021612020
          2020202020202020202020202020202020202020202059212020202020202020
          2159592020202020202020202021202020202020202020202020592120202020
          2020202021595921202020202020202021592020202020202020202020204121
          2020202020202020214120202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020200000592120202020
          2020202021596121202020202020202021612020202020202020202020202020
          2020202020202020202059212020202020202020215959202020202020202020
          2021202020202020202020202020592120202020202020202159592120202020
          2020202021592020202020202020202020204121202020202020202021412020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020200000592120202020202020202159612120202020
          2020202021612020202020202020202020202020202020202020202020205921
          2020202020202020215959202020202020202020202120202020202020202020
          2020592120202020202020202159592120202020202020202159202020202020
          2020202020204121202020202020202021412020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          0000592120202020202020202159612120202020202020202161202020202020
          2020202020202020202020202020202020205921202020202020202021595920
          2020202020202020202120202020202020202020202059212020202020202020
          2159592120202020202020202159202020202020202020202020412120202020
          2020202021412020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020000059212020202020202020
          2159612120202020202020202161202020202020202020202020202020202020
          2020202020205921202020202020202021595920202020202020202020212020
          2020202020202020202059212020202020202020215959212020202020202020
          2159202020202020202020202020412120202020202020202141202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020000059212020202020202020215961212020202020202020
          2161202020202020202020202020202020202020202020202020592120202020
          2020202021595920202020202020202020212020202020202020202020205921
          2020202020202020215959212020202020202020215920202020202020202020
          2020412120202020202020202141202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202000005921
          2020202020202020215961212020202020202020216120202020202020202020
          2020202020202020202020202020598021202020202020218059592020202020
          2020202020212020202020202020202020205921202020202020202021595921
          2120202020202021215920202020202020202020202041802120202020202021
          8041202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          20202020202020202020202020202020000059212121212121212121215961E7
          2121212121212121E76121212121212121212121212121212121212121212121
          212159B48021212121212180B459592020202020202020202021202020202020
          20202020202059212121212121212121215959E32121212121212121E3592020
          2020202020202020202041908021212121212180904120202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202000005959595959595959595959596161616161616161616161615959
          5959595959595959595959595959595959595959595959595959595959595959
          5959595959595959595959595921212121212121212121212121595959595959
          5959595959595959595959595959595959592121212121212121212121214141
          4141414141414141414120202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020200000202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020212121212121212121212121212121212121212121
          2121212121212121212121212121212121212121212121212121212020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020200000202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202021
          211F17171F212121211F17171F212121211F17171F2121210303030303032121
          0303030303032121030303030303212020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          0000212121212121212121212121212121212121212121212121212121212121
          21212121212121212121212121212121212121211E1D1D1D1D1D1E212121211E
          1D1D1D1D1D1E212121211E1D1D1D1D1D1E2121211F130505131F21211F130505
          131F21211F130505131F21210303030303032121030303030303212103030303
          0303212020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020000021212121212121212121
          2121212121212121212121212121212121212121212121212121212121212121
          212121212121211B050000000000051B21211B050000000000051B21211B0500
          00000000051B211F1305000005131F1F1305000005131F1F1305000005131F21
          0303030303032121030303030303212103030303030321202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020000021212121212121212121212121212121212121212121
          21212121212121212121212121212121212121212121212121211E0500000000
          000000051E1E0500000000000000051E1E0500000000000000051E1405000505
          0005141405000505000514140500050500051421030303030303212103030303
          0303212103030303030321202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202000002118
          0200000000000000000000021821211802000000000000000000000218212118
          02000000000000000000000218211D0000000000000000001D1D000000000000
          0000001D1D0000000000000000001D0D0005131305000D0D0005131305000D0D
          0005131305000D21030303030303212103030303030321210303030303032120
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202000002102000000000000000000000000
          0221210200000000000000000000000002212102000000000000000000000000
          02211D0000000000000000001D1D0000000000000000001D1D00000000000000
          00001D170D141F1F140D17170D141F1F140D17170D141F1F140D172103030303
          0303212103030303030321210303030303032120202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202000002100000000000000000000000000002121000000000000000000
          000000000021210000000000000000000000000000211D000000000000000000
          1D1D0000000000000000001D1D0000000000000000001D211F212121211F2121
          1F212121211F21211F212121211F212121212121212121212121212121212121
          2121212121212120202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020200000210000000000
          0000000000000000002121000000000000000000000000000021210000000000
          000000000000000000211D0000000000000000001D1D0000000000000000001D
          1D0000000000000000001D202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020200000210000000000000000000000000000212100
          0000000000000000000000000021210000000000000000000000000000211D00
          00000000000000001D1D0000000000000000001D1D0000000000000000001D20
          2021212121202020202121212120202020212121212020202121212121212020
          2121212121212020212121212121202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          0000210000000000000000000000000000212100000000000000000000000000
          0021210000000000000000000000000000211D0000000000000000001D1D0000
          000000000000001D1D0000000000000000001D202175C1C175212020219FF9F9
          9F2120202175C1C1752120205959595959592020383838383838202059595959
          5959202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020000021000000000000000000
          0000000000212100000000000000000000000000002121000000000000000000
          0000000000211D0000000000000000001D1D0000000000000000001D1D000000
          0000000000001D2175242222247521219F285353289F21217524222224752120
          2121212121212020212121212121202021212121212120202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020000021000000000000000000000000000021210000000000
          00000000000000000021210000000000000000000000000000211D0000000000
          000000001D1D0000000000000000001D1D0000000000000000001D7524222424
          2224757228532828532872752422242422247520595959595959202038383838
          3838202059595959595920202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202000002100
          0000000000000000000000000021210000000000000000000000000000212100
          00000000000000000000000000211D0000000000000000001D1D000000000000
          0000001D1D0000000000000000001DCD222475752422CDBB53289F9F2853BBCD
          222475752422CD20212121212121202021212121212120202121212121212020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202000002100000000000000000000000000
          0021210000000000000000000000000000212100000000000000000000000000
          00211D0000000000000000001D1D0000000000000000001D1D00000000000000
          00001D21CD75212175CD2121BB72212172BB2121CD75212175CD212059595959
          5959202038383838383820205959595959592020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202000002100000000000000000000000000002121000000000000000000
          000000000021210000000000000000000000000000211D000000000000000000
          1D1D0000000000000000001D1D0000000000000000001D202120202020212020
          2120202020212020212020202021202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020200000210000000000
          0000000000000000002121000000000000000000000000000021210000000000
          000000000000000000211D0000000000000000001D1D0000000000000000001D
          1D0000000000000000001D21211E1D1D1D1D1D1D1D1D1D1D1D1D1E212121211E
          1D1D1D1D1D1D1D1D1D1D1D1D1E212121211E1D1D1D1D1D1D1D1D1D1D1D1D1E21
          2120202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020200000210200000000000000000000000002212102
          0000000000000000000000000221210200000000000000000000000002211E05
          00000000000000051E1E0500000000000000051E1E0500000000000000051E21
          1B05000000000000000000000000051B21211B05000000000000000000000000
          051B21211B05000000000000000000000000051B212020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          0000211802000000000000000000000218212118020000000000000000000002
          182121180200000000000000000000021821211B050000000000051B21211B05
          0000000000051B21211B050000000000051B211E050000000000000000000000
          000000051E1E050000000000000000000000000000051E1E0500000000000000
          00000000000000051E2020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020000021212121212121212121
          2121212121212121212121212121212121212121212121212121212121212121
          21212121212121211E1D1D1D1D1D1E212121211E1D1D1D1D1D1E212121211E1D
          1D1D1D1D1E21211D000000000000000000000000000000001D1D000000000000
          000000000000000000001D1D000000000000000000000000000000001D202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020000020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202022222222
          2222222020202022222222222222202020202222222222222220201D00000000
          0000000000000000000000001D1D000000000000000000000000000000001D1D
          000000000000000000000000000000001D202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202000002020
          2020202020202020202020202020202020202020202020202020202020202020
          20202020202020202020202020202099857DD1D1D17D859920205C28D4383838
          D4285C2020C171DE222222DE71C1201D00000000000000000000000000000000
          1D1D000000000000000000000000000000001D1D000000000000000000000000
          000000001D222222222222222222222222222222222222222222222222222222
          2222222222222222222222222222222222222020202020202020202020202020
          2020202020202020202020202020202000002020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          20202285AEAD656565ADAE8522222828C53C3C3CC528282222715DE9FAFAFAE9
          5D71221D000000000000000000000000000000001D1D00000000000000000000
          0000000000001D1D000000000000000000000000000000001D22949494949494
          9494949494949494949494949494949494949494949494949494949494949494
          9494949494222020202020202020202020202020202020202020202020202020
          20202020000020BCB6ACACACACACACACACACACB6BC2020A59553535353535353
          53535395A5202044C122222222222222222222C14420227DAD7777777777AD7D
          2222D4C53C3C3C3C3CC5D42222DE529D9D9D9D9D52DE221D0000000000000000
          00000000000000001D1D000000000000000000000000000000001D1D00000000
          0000000000000000000000001D22947878787878787878787878787878787878
          7878787878787878787878787878787878787878787878789422202020202020
          202020202020202020202020202020202020202020202020000020B63772FEFE
          FEFEFEFEFEFE7237B620209589E2E2E2E2E2E2E2E2E2E289952020C12CFA6969
          696969696969FA2CC12022D19E9E9E9E9E9E9ED1222238CECECECECECECE3822
          2222C8C8C8C8C8C8C822221E050000000000000000000000000000051E1E0500
          00000000000000000000000000051E1E05000000000000000000000000000005
          1E22947876767676767676767676767676767676767676767676767676767676
          7676767676767676767676789422202020202020202020202020202020202020
          202020202020202020202020000020AC729D9D9D9D9D9D9D9D9D9D72AC202053
          E248CECECECECECECECE48E25320202260FAFAFAFAFAFAFAFAFAFA60222022D1
          A0A0A0A0A0A0A0D1222238666666666666663822222257575757575757222221
          1B05000000000000000000000000051B21211B05000000000000000000000000
          051B21211B05000000000000000000000000051B212294787665656565656565
          6565656565656565656565656565656565656565656565656565656565657678
          9422202020202020202020202020202020202020202020202020202020202020
          000020ACFEFAFAFAFAFAFAFAFAFAFAFEAC202053BD66F3F3F3F3F3F3F3F366BD
          532020229D9D9D9D9D9D9D9D9D9D9D9D222022D157ADB4B4B4AD57D1222238A7
          93B5B5B593A738222222576D3030306D57222221211E1D1D1D1D1D1D1D1D1D1D
          1D1D1E212121211E1D1D1D1D1D1D1D1D1D1D1D1D1E212121211E1D1D1D1D1D1D
          1D1D1D1D1D1D1E21212294787665202020202020202020202020202020202020
          2020202020202020202020202020202020657678942220202020202020202020
          2020202020202020202020202020202020202020000020AC496969F8CACACACA
          F8696949AC202053BD66FCE4F0F0F0F0E4FC66BD53202022252525F8CACACACA
          F8252525222022D1257FB4B4B47F25D12222384348B5B5B5484338222222A06D
          3030306DA0222220202222222222222222222222222222202020202222222222
          2222222222222222222020202022222222222222222222222222222020229478
          7665202020202020202020202020202020202020202020202020202020202020
          2020202020657678942220202020202020202020202020202020202020202020
          2020202020202020000020AC496969EFEFEFEFEFEF696949AC202053BDA73D86
          86868686863DA7BD53202022575757F0F0F0F0F0F0575757222022D19D7F2727
          277F9DD1222238F3E28B8B8BE2F3382222229E6D3030306D9E22222099857DD1
          D1D1D1D1D1D1D1D1D17DCB7120205C28D438383838383838383838ECF0712020
          C171DE22222222222222222222DE992420229478766520202020202020202020
          2020202020202020202020202020202020202020202020202065767894222020
          20202020202020202020202020202020202020202020202020202020000020AC
          E0E5E5EFEFEFEFEFEFE5E5E0AC202053BDA73D8383838383833DA7BD53202022
          A0A0A0868686868686A0A0A0222022D1FA5227272752FAD1222238FCE28B8B8B
          E2FC38222222DA2790909027DA22222285AEAD9EA057259DFA69E534FEE758CB
          22222828C5CE66A743F3FC3DB3E53469EFF02222715D52C85757A09EDAA6D37A
          AD84889922229478766520202020202020202020202020202020202020202020
          2020202020202020202020202065767894222020202020202020202020202020
          20202020202020202020202020202020000020ACE034348383838383833434E0
          AC202053BDD5B3838383838383B3D5BD532020229E9E9ED6D6D6D6D6D69E9E9E
          222022D169522727275269D12222383D7A8484847A3D38222222A62790909027
          A62222227DAD779EA0AD7F7F52525234FE49A17D2222D4C53CCE669348E2E27A
          A6E534A4E5EC2222DEE99DC8576D6D6D2727B47AADAD84DE2222947876652020
          2020202020202020202020202020202020202020202020202020202020202020
          2065767894222020202020202020202020202020202020202020202020202020
          20202020000020ACE072724545454545457272E0AC202053BD96E54545454545
          45E596BD53202022DADADAD6D6D6D6D6D6DADADA222022D1E5526D6D6D52E5D1
          222238B3A6848484A6B338222222D3B4909090B4D3222222D165779EA0B4B427
          27276D34FE49E0D12222383C3CCE66B5B58B8B8484E534A4E038222222FA9DC8
          573030309090907AADAD5B222222947876652020202020202020202020202020
          2020202020202020202020202020202020202020206576789422202020202020
          202020202020202020202020202020202020202020202020000020AC80FEFEF7
          45454545F7FEFE80AC20205377963463454545456334967753202022A6A6A689
          7070707089A6A6A6222022D134343434343434D1222238E5E5E5E5E5E5E53822
          22227A7A7A7A7A7A7A222222D165779EA0B4B42727276D34FE49E0D12222383C
          3CCE66B5B58B8B8484E534A4E038222222FA9DC8573030309090907AADAD5B22
          2222947876652020202020202020202020202020202020202020202020202020
          2020202020202020206576789422202020202020202020202020202020202020
          202020202020202020202020000020AC804949494949494949494980AC202053
          77A9A4A4A4A4A4A4A4A4A97753202022D3D3D3D3D3D3D3D3D3D3D3D3222022D1
          FEFEFEFEFEFEFED12222383434343434343438222222ADADADADADADAD222222
          D165779EA0B4B42727276D34FE49E0D12222383C3CCE66B5B58B8B8484E534A4
          E038222222FA9DC8573030309090907AADAD5B22222294787665202020202020
          2020202020202020202020202020202020202020202020202020202020657678
          9422202020202020202020202020202020202020202020202020202020202020
          0000207D80E0E0E0E0E0E0E0E0E0E0807D20205377D5A9A9A9A9A9A9A9A9D577
          532020227F7F7F7F7F7F7F7F7F7F7F7F2220227DE74949494949E77D2222EC69
          A4A4A4A4A469EC2222DE84ADADADADAD84DE22227DAD779EA0AD7F7F52525234
          FE49A17D2222D4C53CCE669348E2E27AA6E534A4E5EC2222DEE99DC8576D6D6D
          2727B47AADAD84DE222294787665202020202020202020202020202020202020
          2020202020202020202020202020202020657678942220202020202020202020
          2020202020202020202020202020202020202020000020852780212121212121
          21218027852020F9B577777777777777777777B5F920202444ADADADADADADAD
          ADADAD44242022CB58A1E0E0E0A158CB2222F0EFE5E0E0E0E5EFF02222998884
          5B5B5B848899222285AEAD9EA057259DFA69E534FEE758CB22222828C5CE66A7
          43F3FC3DB3E53469EFF02222715D52C85757A09EDAA6D37AAD84889922229478
          7665202020202020202020202020202020202020202020202020202020202020
          2020202020657678942220202020202020202020202020202020202020202020
          202020202020202000002037857DACACACACACACACAC7D85372020B5F9535353
          53535353535353F9B520205624222222222222222222222456202071CB7DD1D1
          D17DCB71202071F0EC383838ECF07120202499DE222222DE9924202099857DD1
          D1D1D1D1D1D1D1D1D17DCB7120205C28D438383838383838383838ECF0712020
          C171DE22222222222222222222DE992420229478766520202020202020202020
          2020202020202020202020202020202020202020202020202065767894222020
          2020202020202020202020202020202020202020202020202020202000002020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202022222222222222202020202222222222
          2222202020202222222222222220202020222222222222222222222222222220
          2020202222222222222222222222222222202020202222222222222222222222
          2222222020229478766520202020202020202020202020202020202020202020
          2020202020202020202020202065767894222020202020202020202020202020
          2020202020202020202020202020202000001F0F050303030303030303050F1F
          1F0F050303030303030303050F1F1F0F050303030303030303050F1F1F0F0503
          030303030303030303031F0F0503030303030303030303031F0F050303030303
          0303030303030303030303030303030303050F1F030303030303030303030305
          0F1F0303030303030303030303050F1F20202020202020202022947876652020
          2020202020202020202020202020202020202020202020202020202020202020
          2065767894222020202020202020202020202020202020202020202020202020
          2020202000000F090B0A0A0A0A0A0A0A0A0B090F0F0702010101010101010102
          070F0F0601000000000000000001060F0F090B0A0A0A0A0A0A0A0A0A0A0A0F07
          020A0A0A0A0A0A0A0A0A0A0A0F060103030303030303030303030A0A0A0A0A0A
          0A0A0A0A0A0B090F0A0A0A0A0A0A0A0A0A0A0A02070F03030303030303030303
          0301060F20202020202020202022947876652020202020202020202020202020
          2020202020202020202020202020202020202020206576789422202020202020
          2020202020202020202020202020202020202020202020200000050B1B212121
          21212121211B0B05050204050505050505050504020505010405050505050505
          05040105050B1B21212121212121212121210502042121212121212121212121
          050104212121212121212121212121212121212121212121211B0B0521212121
          2121212121212104020521212121212121212121210401052020202020202020
          2022947876652020202020202020202020202020202020202020202020202020
          2020202020202020206576789422202020202020202020202020202020202020
          2020202020202020202020200000030A212121212121212121210A03030A2121
          21212121212121210A030303212121212121212121210303030A212121212121
          2121212121210301052121212121212121212121030005212121212121212121
          21212121212121212121212121210A0321212121212121212121210501032121
          2121212121212121210500032020202020202020202294787665202020202020
          2020202020202020202020202020202020202020202020202020202020657678
          9422202020202020202020202020202020202020202020202020202020202020
          0000030A212121212121212121210A03030A212121212121212121210A030303
          212121212121212121210303030A212121212121212121212121030105212121
          2121212121212121030005212121212121212121212121212121212121212121
          21210A0321212121212121212121210501032121212121212121212121050003
          2020202020202020202294787665202020202020202020202020202020202020
          2020202020202020202020202020202020657678942220202020202020202020
          20202020202020202020202020202020202020200000030A2121212121212121
          21210A03030A212121212121212121210A030303212121212121212121210303
          030A212121212121212121212121030105212121212121212121212103000521
          212121212121212121212121212121212121212121210A032121212121212121
          2121210501032121212121212121212121050003202020202020202020229478
          7665202020202020202020202020202020202020202020202020202020202020
          2020202020657678942220202020202020202020202020202020202020202020
          20202020202020200000030A212121212121212121210A03030A212121212121
          212121210A030303212121212121212121210303030A21212121212121212121
          2121030105212121212121212121212103000521212121212121212121212121
          212121212121212121210A032121212121212121212121050103212121212121
          2121212121050003202020202020202020229478766520202020202020202020
          2020202020202020202020202020202020202020202020202065767894222020
          202020202020202020202020202020202020202020202020202020200000030A
          212121212121212121210A03030A212121212121212121210A03030321212121
          2121212121210303030A21212121212121212121212103010521212121212121
          2121212103000521212121212121212121212121212121212121212121210A03
          2121212121212121212121050103212121212121212121212105000320202020
          2020202020229478766520202020202020202020202020202020202020202020
          2020202020202020202020202065767894222020202020202020202020202020
          202020202020202020202020202020200000030A212121212121212121210A03
          030A212121212121212121210A030303212121212121212121210303030A2121
          2121212121212121212103010521212121212121212121210300052121212121
          2121212121212121212121212121212121210A03212121212121212121212105
          0103212121212121212121212105000320202020202020202022947876652020
          2020202020202020202020202020202020202020202020202020202020202020
          2065767894222020202020202020202020202020202020202020202020202020
          202020200000030A212121212121212121210A03030A21212121212121212121
          0A030303212121212121212121210303030A2121212121212121212121210301
          0521212121212121212121210300052121212121212121212121212121212121
          2121212121210A03212121212121212121212105010321212121212121212121
          2105000320202020202020202022947876652020202020202020202020202020
          2020202020202020202020202020202020202020206576789422202020202020
          2020202020202020202020202020202020202020202020200000030A21212121
          2121212121210A03030A212121212121212121210A0303032121212121212121
          21210303030A2121212121212121212121210301052121212121212121212121
          03000521212121212121212121212121212121212121212121210A0321212121
          2121212121212105010321212121212121212121210500032020202020202020
          2022947876652020202020202020202020202020202020202020202020202020
          2020202020202020206576789422202020202020202020202020202020202020
          2020202020202020202020200000030A212121212121212121210A03030A2121
          21212121212121210A030303212121212121212121210303050B1B2121212121
          2121212121210502042121212121212121212121050104212121212121212121
          212121212121212121212121211B0B0521212121212121212121210402052121
          2121212121212121210401052020202020202020202294787665202020202020
          2020202020202020202020202020202020202020202020202020202020657678
          9422202020202020202020202020202020202020202020202020202020202020
          0000030A212121212121212121210A03030A212121212121212121210A030303
          2121212121212121212103030F090B0A0A0A0A0A0A0A0A0A0A0A0F07020A0A0A
          0A0A0A0A0A0A0A0A0F060103030303030303030303030A0A0A0A0A0A0A0A0A0A
          0A0B090F0A0A0A0A0A0A0A0A0A0A0A02070F030303030303030303030301060F
          2020202020202020202294787665202020202020202020202020202020202020
          2020202020202020202020202020202020657678942220202020202020202020
          20202020202020202020202020202020202020200000030A2121212121212121
          21210A03030A212121212121212121210A030303212121212121212121210303
          1F0F0503030303030303030303031F0F0503030303030303030303031F0F0503
          030303030303030303030303030303030303030303050F1F0303030303030303
          030303050F1F0303030303030303030303050F1F202020202020202020229478
          7665202020202020202020202020202020202020202020202020202020202020
          2020202020657678942220202020202020202020202020202020202020202020
          2020202020202020000059595959595959595959595959593838383838383838
          3838383838385959595959595959595959595959595959595959595959595959
          5959383838383838383838383838383859595959595959595959595959595959
          5959595959595959595959593838383838383838383838383838595959595959
          5959595959595959202020202020202020229478766520202020202020202020
          2020202020202020202020202020202020202020202020202065767894222020
          2020202020202020202020202020202020202020202020202020202000005985
          A12121212121212121A18559386B70ABABABABABABABAB706B38596F28C7C7C7
          C7C7C7C7C7286F595985A12121212121212121212121386B7021212121212121
          21212121596F2821212121212121212121212121212121212121212121A18559
          2121212121212121212121706B382121212121212121212121286F5920202020
          2020202020229478766520202020202020202020202020202020202020202020
          2020202020202020202020202065767894222020202020202020202020202020
          20202020202020202020202020202020000059A121202020202020202021A159
          38705523232323232323235570385928D43838383838383838D4285959A12120
          2020202020202020202038705520202020202020202020205928D42020202020
          202020202020202020202020202020202021A159202020202020202020202055
          70382020202020202020202020D4285920202020202020202022947876652020
          2020202020202020202020202020202020202020202020202020202020202020
          2065767894222020202020202020202020202020202020202020202020202020
          2020202000005921202020202020202020202159382120202020202020202020
          21385921202020202020202020202159592120202020202020202020202038AB
          23202020202020202020202059C7382020202020202020202020202020202020
          2020202020202159202020202020202020202023AB3820202020202020202020
          2038C75920202020202020202022947876652020202020202020202020202020
          2020202020202020202020202020202020202020206576789422202020202020
          2020202020202020202020202020202020202020202020200000592120202020
          2020202020202159382120202020202020202020213859212020202020202020
          20202159592120202020202020202020202038AB232020202020202020202020
          59C7382020202020202020202020202020202020202020202020215920202020
          2020202020202023AB38202020202020202020202038C7592020202020202020
          2022947876652020202020202020202020202020202020202020202020202020
          2020202020202020206576789422202020202020202020202020202020202020
          2020202020202020202020200000592120202020202020202020215938212020
          2020202020202020213859212020202020202020202021595921202020202020
          20202020202038AB23202020202020202020202059C738202020202020202020
          20202020202020202020202020202159202020202020202020202023AB382020
          20202020202020202038C7592020202020202020202294787665202020202020
          2020202020202020202020202020202020202020202020202020202020657678
          9422202020202020202020202020202020202020202020202020202020202020
          0000592120202020202020202020215938212020202020202020202021385921
          202020202020202020202159592120202020202020202020202038AB23202020
          202020202020202059C738202020202020202020202020202020202020202020
          20202159202020202020202020202023AB38202020202020202020202038C759
          2020202020202020202294787665202020202020202020202020202020202020
          2020202020202020202020202020202020657678942220202020202020202020
          2020202020202020202020202020202020202020000059212020202020202020
          2020215938212020202020202020202021385921202020202020202020202159
          592120202020202020202020202038AB23202020202020202020202059C73820
          2020202020202020202020202020202020202020202021592020202020202020
          20202023AB38202020202020202020202038C759202020202020202020229478
          7665202020202020202020202020202020202020202020202020202020202020
          2020202020657678942220202020202020202020202020202020202020202020
          2020202020202020000059212020202020202020202021593821202020202020
          2020202021385921202020202020202020202159592120202020202020202020
          202038AB23202020202020202020202059C73820202020202020202020202020
          202020202020202020202159202020202020202020202023AB38202020202020
          202020202038C759202020202020202020229478766520202020202020202020
          2020202020202020202020202020202020202020202020202065767894222020
          2020202020202020202020202020202020202020202020202020202000005921
          2020202020202020202021593821202020202020202020202138592120202020
          2020202020202159592120202020202020202020202038AB2320202020202020
          2020202059C73820202020202020202020202020202020202020202020202159
          202020202020202020202023AB38202020202020202020202038C75920202020
          2020202020229478766565656565656565656565656565656565656565656565
          6565656565656565656565656565767894222020202020202020202020202020
          2020202020202020202020202020202000005921202020202020202020202159
          3821202020202020202020202138592120202020202020202020215959212020
          2020202020202020202038AB23202020202020202020202059C7382020202020
          2020202020202020202020202020202020202159202020202020202020202023
          AB38202020202020202020202038C75920202020202020202022947876767676
          7676767676767676767676767676767676767676767676767676767676767676
          7676767894222020202020202020202020202020202020202020202020202020
          2020202000005921202020202020202020202159382120202020202020202020
          2138592120202020202020202020215959A12120202020202020202020203870
          5520202020202020202020205928D42020202020202020202020202020202020
          202020202021A159202020202020202020202055703820202020202020202020
          20D4285920202020202020202022947878787878787878787878787878787878
          7878787878787878787878787878787878787878787878789422202020202020
          2020202020202020202020202020202020202020202020200000592120202020
          2020202020202159382120202020202020202020213859212020202020202020
          202021595985A12121212121212121212121386B702121212121212121212121
          596F2821212121212121212121212121212121212121212121A1855921212121
          21212121212121706B382121212121212121212121286F592020202020202020
          2022949494949494949494949494949494949494949494949494949494949494
          9494949494949494949494949422202020202020202020202020202020202020
          2020202020202020202020200000592120202020202020202020215938212020
          2020202020202020213859212020202020202020202021595959595959595959
          5959595959593838383838383838383838383838595959595959595959595959
          5959595959595959595959595959595938383838383838383838383838385959
          5959595959595959595959592020202020202020202222222222222222222222
          2222222222222222222222222222222222222222222222222222222222222222
          2222202020202020202020202020202020202020202020202020202020202020
          0000202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020205858585858585858585858585858585858
          5858585858585858585858585858585858585820202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020000020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202191919191919191919191919191919191919191919191919191919191
          9191919191915820202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020000020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020213420202020202020
          2020202020202020202020202020202020202020202020202091582020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202000002020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020213420202020202020202020202020202020202020
          2020202020202020202020202091582020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202000002020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202021
          3420202020202020202020202020202020202020202020202020202020202020
          2091582020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202000002020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202021342020202020202020202020
          2020202020202020202020202020202020202020209158202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020200000202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202021342020202020202020202020202020202020202020202020
          2020202020202020209158202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020200000202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202134202020
          2020202020202020202020202020202020202020202020202020202020915820
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          0000030A212121212121212121210A03030A212121212121212121210A030303
          2121212121212121212103032020202134202020202020202020202020202020
          20202020202020202020202020202020209158211F212121211F21211F212121
          211F21211F212121211F21212121212121212121212121212121212121212121
          2121212121211F140D17212121211F140D17212121211F140D172121170D141F
          21212121170D141F21212121170D141F21212121212121212121212121212121
          21212121212121212121212020202020202020200000030A2121212121212121
          21210A03030A212121212121212121210A030303212121212121212121210303
          2020202134202020202020202020202020202020202020202020202020202020
          20202020209158170D141F1F140D17170D141F1F140D17170D141F1F140D1721
          211F17171F212121211F17171F212121211F17171F212121211F1305000D1F21
          211F1305000D1F21211F1305000D1F1F0D0005131F21211F0D0005131F21211F
          0D0005131F212121030303030303212103030303030321210303030303032120
          20202020202020200000030A212121212121212121210A03030A212121212121
          212121210A030303212121212121212121210303202020213420202020202020
          2020202020202020202020202020202020202020202020202091580D00051313
          05000D0D0005131305000D0D0005131305000D211F130505131F21211F130505
          131F21211F130505131F21211F130500051421211F130500051421211F130500
          0514212114050005131F212114050005131F212114050005131F212103030303
          030321210303030303032121030303030303212020202020202020200000030A
          212121212121212121210A03030A212121212121212121210A03030321212121
          2121212121210303202020213420202020202020202020202020202020202020
          2020202020202020202020202091581405000505000514140500050500051414
          050005050005141F1305000005131F1F1305000005131F1F1305000005131F21
          17050005131F212117050005131F212117050005131F21211F13050005172121
          1F130500051721211F1305000517212103030303030321210303030303032121
          030303030303212020202020202020200000030A212121212121212121210A03
          030A212121212121212121210A03030321212121212121212121030320202021
          3420202020202020202020202020202020202020202020202020202020202020
          2091581F1305000005131F1F1305000005131F1F1305000005131F1405000505
          000514140500050500051414050005050005142117050005131F212117050005
          131F212117050005131F21211F130500051721211F130500051721211F130500
          0517212103030303030321210303030303032121030303030303212020202020
          202020200000030A212121212121212121210A03030A21212121212121212121
          0A03030321212121212121212121030320202021342020202020202020202020
          2020202020202020202020202020202020202020209158211F130505131F2121
          1F130505131F21211F130505131F210D0005131305000D0D0005131305000D0D
          0005131305000D211F130500051421211F130500051421211F13050005142121
          14050005131F212114050005131F212114050005131F21210303030303032121
          0303030303032121030303030303212020202020202020200000030A21212121
          2121212121210A03030A212121212121212121210A0303032121212121212121
          2121030320202021342020202020202020202020202020202020202020202020
          202020202020202020915821211F17171F212121211F17171F212121211F1717
          1F2121170D141F1F140D17170D141F1F140D17170D141F1F140D1721211F1305
          000D1F21211F1305000D1F21211F1305000D1F1F0D0005131F21211F0D000513
          1F21211F0D0005131F2121210303030303032121030303030303212103030303
          0303212020202020202020200000030A212121212121212121210A03030A2121
          21212121212121210A0303032121212121212121212103032020202134202020
          2020202020202020202020202020202020202020202020202020202020915821
          2121212121212121212121212121212121212121212121211F212121211F2121
          1F212121211F21211F212121211F212121211F140D17212121211F140D172121
          21211F140D172121170D141F21212121170D141F21212121170D141F21212121
          2121212121212121212121212121212121212121212121202020202020202020
          0000030A212121212121212121210A03030A212121212121212121210A030303
          2121212121212121212103032020202134202020202020202020202020202020
          2020202020202020202020202020202020915820212020202021202021202020
          2021202021202020202120202020202020202020202020202020202020202020
          2020202020202175CD21202020202172BB21202020202175CD21202021CD7521
          2020202021BB72212020202021CD752120202020202020202020202020202020
          20202020202020202020202020202020202020200000030A2121212121212121
          21210A03030A212121212121212121210A030303212121212121212121210303
          2020202134202020202020202020202020202020202020202020202020202020
          2020202020915821CD75212175CD2121BB72212172BB2121CD75212175CD2120
          2021212121202020202121212120202020212121212020202021752422CD2120
          20219F2853BB21202021752422CD2121CD22247521202021BB53289F21202021
          CD22247521202020592159215921202038213821382120205921592159212020
          20202020202020200000030A212121212121212121210A03030A212121212121
          212121210A030303212121212121212121210303202020213420202020202020
          202020202020202020202020202020202020202020202020209158CD22247575
          2422CDBB53289F9F2853BBCD222475752422CD202175C1C175212020219FF9F9
          9F2120202175C1C1752120202175242224752020219F28532872202021752422
          247520207524222475212020722853289F212020752422247521202059215921
          592120203821382138212020592159215921202020202020202020200000050B
          1B21212121212121211B0B050502040505050505050505040205050104050505
          0505050505040105202020213420202020202020202020202020202020202020
          2020202020202020202020202091587524222424222475722853282853287275
          242224242224752175242222247521219F285353289F21217524222224752120
          21C122247521202021F953289F21202021C122247521202021752422C1212020
          219F2853F921202021752422C121202059215921592120203821382138212020
          5921592159212020202020202020202000000F090B0A0A0A0A0A0A0A0A0B090F
          0F0702010101010101010102070F0F0601000000000000000001060F20202021
          3420202020202020202020202020202020202020202020202020202020202020
          2091582175242222247521219F285353289F2121752422222475217524222424
          222475722853282853287275242224242224752021C122247521202021F95328
          9F21202021C122247521202021752422C1212020219F2853F921202021752422
          C121202059215921592120203821382138212020592159215921202020202020
          2020202000001F0F050303030303030303050F1F1F0F05030303030303030305
          0F1F1F0F050303030303030303050F1F20202021342020202020202020202020
          2020202020202020202020202020202020202020209158202175C1C175212020
          219FF9F99F2120202175C1C1752120CD222475752422CDBB53289F9F2853BBCD
          222475752422CD202175242224752020219F2853287220202175242224752020
          7524222475212020722853289F21202075242224752120205921592159212020
          3821382138212020592159215921202020202020202020200000592120202020
          2020202020202159382120202020202020202020213859212020202020202020
          2020215920202021342020202020202020202020202020202020202020202020
          2020202020202020209158202021212121202020202121212120202020212121
          21202021CD75212175CD2121BB72212172BB2121CD75212175CD212020217524
          22CD212020219F2853BB21202021752422CD2121CD22247521202021BB53289F
          21202021CD222475212020205921592159212020382138213821202059215921
          5921202020202020202020200000592120202020202020202020215938212020
          2020202020202020213859212020202020202020202021592020202134202020
          2020202020202020202020202020202020202020202020202020202020915820
          2020202020202020202020202020202020202020202020202120202020212020
          2120202020212020212020202021202020202175CD21202020202172BB212020
          20202175CD21202021CD75212020202021BB72212020202021CD752120202020
          2020202020202020202020202020202020202020202020202020202020202020
          0000592120202020202020202020215938212020202020202020202021385921
          2020202020202020202021592020202134202020202020202020202020202020
          202020202020202020202020202020202091581C0A0303030303030303030303
          0A1C1C0A03030303030303030303030A1C1C0A03030303030303030303030A1C
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020000059212020202020202020
          2020215938212020202020202020202021385921202020202020202020202159
          2020202134202020202020202020202020202020202020202020202020202020
          202020202091580A0C0A0A0A0A0A0A0A0A0A0A0A0C0A0A0A0505050505050505
          0505050A0A0A131F2121212121212121211F130A202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020000059212020202020202020202021593821202020202020
          2020202021385921202020202020202020202159202020213420202020202020
          202020202020202020202020202020202020202020202020209158030A1F2121
          212121212121211F0A030305191A1A1A1A1A1A1A1A1A190503031F2121212121
          2121212121211F03202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202000005921
          2020202020202020202021593821202020202020202020202138592120202020
          2020202020202159202020213420202020202020202020202020202020202020
          202020202020202020202020209158030A21212121212121212121210A030305
          1A2121212121212121211A050303212121212121212121212121210320202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202000005921202020202020202020202159
          3821202020202020202020202138592120202020202020202020215920202021
          3420202020202020202020202020202020202020202020202020202020202020
          209158030A21212121212121212121210A0303051A2121212121212121211A05
          0303212121212121212121212121210320202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202000005921202020202020202020202159382120202020202020202020
          2138592120202020202020202020215920202021342020202020202020202020
          2020202020202020202020202020202020202020209158030A21212121212121
          212121210A0303051A2121212121212121211A05030321212121212121212121
          2121210320202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020200000592120202020
          2020202020202159382120202020202020202020213859212020202020202020
          2020215920202021342020202020202020202020202020202020202020202020
          2020202020202020209158030A21212121212121212121210A0303051A212121
          2121212121211A05030321212121212121212121212121031004030303030303
          0303041010040303030303030303041010040303030303030303041017060303
          0303030303030617170603030303030303030617170603030303030303030617
          2020202020202020202020200000592120202020202020202020215938212020
          2020202020202020213859212020202020202020202021592020202134202020
          2020202020202020202020202020202020202020202020202020202020915803
          0A21212121212121212121210A0303051A2121212121212121211A0503032121
          212121212121212121212103041E21212121212121211E040416161616161616
          16161604041E21212121212121211E04060C0A0A0A0A0A0A0A0A0C0606080505
          0505050505050806061A21212121212121211A06202020202020202020202020
          0000592120202020202020202020215938212020202020202020202021385921
          2020202020202020202021592020202134202020202020202020202020202020
          20202020202020202020202020202020209158030A2121212121212121212121
          0A0303051A2121212121212121211A0503032121212121212121212121212103
          0321212121212121212121030316212121212121212116030321212121212121
          21212103030A21212121212121210A0303051A1A1A1A1A1A1A1A050303212121
          2121212121212103202020202020202020202020000059A12120202020202020
          2021A15938705523232323232323235570385928D43838383838383838D42859
          2020202134202020202020202020202020202020202020202020202020202020
          20202020209158030A21212121212121212121210A0303051A21212121212121
          21211A0503032121212121212121212121212103032121212121212121212103
          031621212121212121211603032121212121212121212103030A212121212121
          21210A0303051A2121212121211A050303212121212121212121210320202020
          202020202020202000005985A12121212121212121A18559386B70ABABABABAB
          ABABAB706B38596F28C7C7C7C7C7C7C7C7286F59202020213434343434343434
          343434343434343434343434343434343434343434343434349158030A212121
          21212121212121210A0303051A2121212121212121211A050303212121212121
          2121212121212103032121212121212121212103031621212121212121211603
          032121212121212121212103030A21212121212121210A0303051A2121212121
          211A050303212121212121212121210320202020202020202020202000005959
          5959595959595959595959593838383838383838383838383838595959595959
          5959595959595959202020212121212121212121212121212121212121212121
          212121212121212121212121212158030A21212121212121212121210A030305
          1A2121212121212121211A050303212121212121212121212121210303212121
          2121212121212103031621212121212121211603032121212121212121212103
          030A21212121212121210A0303051A2121212121211A05030321212121212121
          212121032020202020202020202020200000211F0F0400000000000000000000
          000000000000000000040F1F21211F0F04000000000000000000000000000000
          00000000040F1F21211F0F040000000000000000000000000000000000000004
          0F1F21030A1F2121212121212121211F0A030305191A1A1A1A1A1A1A1A1A1905
          03031F21212121212121212121211F0303212121212121212121210303162121
          2121212121211603032121212121212121212103030A21212121212121210A03
          03051A2121212121211A05030321212121212121212121032020202020202020
          2020202000001F07080A080808080808080808080808080808080808080A0807
          1F1F070707050505050505050505050505050505050505050707071F1F070A11
          12121212121212121212121212121212121212110A071F0A0C0A0A0A0A0A0A0A
          0A0A0A0A0C0A0A0A05050505050505050505050A0A0A10191919191919191919
          1919100A03212121212121212121210303162121212121212121160303212121
          2121212121212103030A21212121212121210A0303051A2121212121211A0503
          03212121212121212121210320202020202020202020202000000F080B151818
          1818181818181818181818181818181818150B080F0F07081318181818181818
          1818181818181818181818181308070F0F0A131D212121212121212121212121
          212121212121211D130A0F1C0A03030303030303030303030A1C1C0A03030303
          030303030303030A1C1C0A03030303030303030303030A1C0321212121212121
          21212103031621212121212121211603032121212121212121212103030A2121
          2121212121210A0303051A2121212121211A0503032121212121212121212103
          2020202020202020202020200000040A151C2121212121212121212121212121
          21212121211C150A040407131B1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C
          1B13070404111D2121212121212121212121212121212121212121211D1104D1
          D1D1D1D1D1D1D1D1D1D1D1D1D1D1383838383838383838383838383838222222
          2222222222222222222222220321212121212121212121030316212121212121
          21211603032121212121212121212103030A21212121212121210A0303051A1A
          1A1A1A1A1A1A0503032121212121212121212103202020202020202020202020
          0000000818212121212121212121212121212121212121212121180800000518
          1C1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1C1805000021212121212121
          21212121212121212121212121212121212100D1908021212121212121212180
          90D138E48021212121212121212180E438222222202020202020202020222222
          041C1D1D1D1D1D1D1D1D1C04041415151515151515151404041C1D1D1D1D1D1D
          1D1D1C04060C0A0A0A0A0A0A0A0A0C0606080505050505050505080606151919
          1919191919191506202020202020202020202020000000081821212121212121
          21212121212121212121212121211808000005181C1F21212121212121212121
          212121212121211F1C1805000021212121212121212121212121212121212121
          21212121212100D180212020202020202020202180D138807023232323232323
          2323708038222220202020202020202020202222100403030303030303030410
          1004030303030303030304101004030303030303030304101706030303030303
          0303061717060303030303030303061717060303030303030303061720202020
          2020202020202020000000081821212121212121212121212121212121212121
          21211808000005181C1F21212121212121212121212121212121211F1C180500
          002121212121212121212121212121212121212121212121212100D121202020
          202020202020202021D138212320202020202020202023213822202020202020
          2020202020202022595959595959595959595959DDDDDDDDDDDDDDDDDDDDDDDD
          222222222222222222222222D1D1D1D1D1D1D1D1D1D1D1D13838383838383838
          3838383822222222222222222222222220202020202020202020202000000008
          182121212121212121212121212121212121212121211808000005181C1F2121
          2121212121212121212121212121211F1C180500002121212121212121212121
          212121212121212121212121212100D121202020202020202020202021D13821
          2320202020202020202023213822202020202020202020202020202259592020
          2020202020205959DD23232323232323232323DD222220202020202020202222
          D152212121212121212152D138E92121212121212121E9382222202020202020
          2020222220202020202020202020202000000008182121212121212121212121
          212121212121212121211808000005181C1F2121212121212121212121212121
          2121211F1C180500002121212121212121212121212121212121212121212121
          212100D121202020202020202020202021D13821232020202020202020202321
          38222020202020202020202020202022592020202020202020202059DD232020
          20202020202023DD222020202020202020202022D121202020202020202021D1
          3821232323232323232321382220202020202020202020222020202020202020
          2020202000000008182121212121212121212121212121212121212121211808
          000005181C1F21212121212121212121212121212121211F1C18050000212121
          2121212121212121212121212121212121212121212100D12120202020202020
          2020202021D13821232020202020202020202321382220202020202020202020
          20202022592020202020202020202059DD23202020202020202023DD22202020
          2020202020202022D121202020202020202021D1382123202020202020232138
          2220202020202020202020222020202020202020202020200000000818212121
          2121212121212121212121212121212121211808000005181C1F212121212121
          21212121212121212121211F1C18050000212121212121212121212121212121
          2121212121212121212100D121202020202020202020202021D1382123202020
          2020202020202321382220202020202020202020202020225920202020202020
          20202059DD23202020202020202023DD222020202020202020202022D1212020
          20202020202021D1382123202020202020232138222020202020202020202022
          2020202020202020202020200000000818212121212121212121212121212121
          2121212121211808000005181C1F21212121212121212121212121212121211F
          1C180500002121212121212121212121212121212121212121212121212100D1
          21202020202020202020202021D1382123202020202020202020232138222020
          202020202020202020202022592020202020202020202059DD23202020202020
          202023DD222020202020202020202022D121202020202020202021D138212320
          2020202020232138222020202020202020202022202020202020202020202020
          0000000818212121212121212121212121212121212121212121180800000518
          1C1F21212121212121212121212121212121211F1C1805000021212121212121
          21212121212121212121212121212121212100D1212020202020202020202020
          21D1382123202020202020202020232138222020202020202020202020202022
          592020202020202020202059DD23202020202020202023DD2220202020202020
          20202022D121202020202020202021D138212320202020202023213822202020
          2020202020202022202020202020202020202020000000081821212121212121
          21212121212121212121212121211808000005181C1F21212121212121212121
          212121212121211F1C1805000021212121212121212121212121212121212121
          21212121212100D121202020202020202020202021D138212320202020202020
          2020232138222020202020202020202020202022592020202020202020202059
          DD23202020202020202023DD222020202020202020202022D121202020202020
          202021D138212320202020202023213822202020202020202020202220202020
          2020202020202020000000081821212121212121212121212121212121212121
          21211808000005181C1F21212121212121212121212121212121211F1C180500
          002121212121212121212121212121212121212121212121212100D121202020
          202020202020202021D138212320202020202020202023213822202020202020
          2020202020202022592020202020202020202059DD23202020202020202023DD
          222020202020202020202022D121202020202020202021D13821232020202020
          2023213822202020202020202020202220202020202020202020202000000008
          182121212121212121212121212121212121212121211808000005181C1F2121
          2121212121212121212121212121211F1C180500002121212121212121212121
          212121212121212121212121212100D180212020202020202020202180D13880
          7023232323232323232370803822222020202020202020202020222259202020
          2020202020202059DD23202020202020202023DD222020202020202020202022
          D121202020202020202021D13821232323232323232321382220202020202020
          2020202220202020202020202020202000000008182121212121212121212121
          212121212121212121211808000005181C1F2121212121212121212121212121
          2121211F1C180500002121212121212121212121212121212121212121212121
          212100D190802121212121212121218090D138E48021212121212121212180E4
          3822222222222222222222222222222259C22222222222222222C259DD737373
          73737373737373DD222222222222222222222222D152212121212121212152D1
          38E92121212121212121E9382222222222222222222222222020202020202020
          2020202000000008182121212121212121212121212121212121212121211808
          000005181C1F21212121212121212121212121212121211F1C18050000212121
          2121212121212121212121212121212121212121212100D1D1D1D1D1D1D1D1D1
          D1D1D1D1D1D13838383838383838383838383838382222222222222222222222
          22222222595959595959595959595959DDDDDDDDDDDDDDDDDDDDDDDD22222222
          2222222222222222D1D1D1D1D1D1D1D1D1D1D1D1383838383838383838383838
          2222222222222222222222222020202020202020202020200000000818212121
          2121212121212121212121212121212121211808000005181C1F212121212121
          21212121212121212121211F1C18050000212121212121212121212121212121
          2121212121212121212100211608030303030303030303030303081621211608
          0303030303030303030303030816212116080303030303030303030303030816
          212121212121212121212121212121212121211F0F0503030303030303030303
          0303050F1F1F0F05030303030303030303030303050F1F202020202020202020
          2020202020202020202020200000000818212121212121212121212121212121
          2121212121211808000005181C1F21212121212121212121212121212121211F
          1C18050000212121212121212121212121212121212121212121212121210016
          060C0A0A0A0A0A0A0A0A0A0A0A0A0C0616160609050505050505050505050505
          0906161607192121212121212121212121211907162121212121212121212121
          212121212121210F090705050505050505050505050507090F0F0C1D21212121
          21212121212121211D0C0F202020202020202020202020202020202020202020
          0000000818212121212121212121212121212121212121212121180800000518
          1C1F21212121212121212121212121212121211F1C1805000021212121212121
          21212121212121212121212121212121212100080C1621212121212121212121
          2121160C08080911191A1A1A1A1A1A1A1A1A1A19110908081921212121212121
          2121212121212119082121212121212121212121212121212121210507161A1A
          1A1A1A1A1A1A1A1A1A1A160705051D21212121212121212121212121211D0520
          2020202020202020202020202020202020202020000000081821212121212121
          21212121212121212121212121211808000005181C1F21212121212121212121
          212121212121211F1C1805000021212121212121212121212121212121212121
          21212121212100030A21212121212121212121212121210A0303051921212121
          2121212121212121190503032121212121212121212121212121212103212121
          21212121212121212121212121212103051A2121212121212121212121211A05
          0303212121212121212121212121212121210320202020202020202020202020
          2020202020202020000000081821212121212121212121212121212121212121
          21211808000005181C1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1C180500
          001F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F00030A212121
          21212121212121212121210A0303051A2121212121212121212121211A050303
          2121212121212121212121212121212103212121212121212121212121212121
          21212103051A2121212121212121212121211A05030321212121212121212121
          212121212121032020202020202020202020202020202020202020200000040A
          151C212121212121212121212121212121212121211C150A040407131B1C1C1C
          1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1B13070404191D1D1D1D1D1D1D1D1D1D
          1D1D1D1D1D1D1D1D1D1D1D1D1D1904030A21212121212121212121212121210A
          0303051A2121212121212121212121211A050303212121212121212121212121
          212121210321212121212121212121212121212121212103051A212121212121
          2121212121211A05030321212121212121212121212121212121032020202020
          2020202020202020202020202020202000000F080B1518181818181818181818
          181818181818181818150B080F0F070813181818181818181818181818181818
          181818181308070F0F0B1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A
          1A0B0F030A21212121212121212121212121210A0303051A2121212121212121
          212121211A050303212121212121212121212121212121210321212121212121
          212121212121212121212103051A2121212121212121212121211A0503032121
          2121212121212121212121212121032020202020202020202020202020202020
          2020202000001F07080A080808080808080808080808080808080808080A0807
          1F1F070707050505050505050505050505050505050505050707071F1F070A14
          16161616161616161616161616161616161616140A071F030A21212121212121
          212121212121210A0303051A2121212121212121212121211A05030321212121
          2121212121212121212121210321212121212121212121212121212121212103
          051A2121212121212121212121211A0503032121212121212121212121212121
          2121032020202020202020202020202020202020202020200000211F0F040000
          0000000000000000000000000000000000040F1F21211F0F0400000000000000
          000000000000000000000000040F1F21211F0F04000000000000000000000000
          00000000000000040F1F21030A21212121212121212121212121210A0303051A
          2121212121212121212121211A05030321212121212121212121212121212121
          0321212121212121212121212121212121212103051A21212121212121212121
          21211A0503032121212121212121212121212121212103202020202020202020
          2020202020202020202020200000205C5C5C5C5C5C5C5C5C5C5C5C5C5C5C5C5C
          5C5C5C5C5C5C5C5C202038383838383838383838383838383838383838383838
          3838382020222222222222222222222222222222222222222222222222222003
          0A21212121212121212121212121210A0303051A212121212121212121212121
          1A05030321212121212121212121212121212121032121212121212121212121
          2121212121212103051A2121212121212121212121211A050303212121212121
          2121212121212121212103202020202020202020202020202020202020202020
          00005C5C2A7E212121212121212121212121212121212121217E2A5C5C38386B
          89F7F7F7F7F7F7F7F7F7F7F7F7F7F7F7F7F7F7F7896B383822228DD880212121
          212121212121212121212121212180D88D2222030A2121212121212121212121
          2121210A0303051A2121212121212121212121211A0503032121212121212121
          21212121212121210321212121212121212121212121212121212103051A2121
          212121212121212121211A050303212121212121212121212121212121210320
          202020202020202020202020202020202020202000005C2A2121212121212121
          2121212121212121212121212121212A5C386BF7455523232323232323232323
          232323232323235545F76B38228D212120202020202020202020202020202020
          20202021218D22030A21212121212121212121212121210A0303051A21212121
          21212121212121211A0503032121212121212121212121212121212103212121
          21212121212121212121212121212103051A2121212121212121212121211A05
          0303212121212121212121212121212121210320202020202020202020202020
          202020202020202000005C7E2121202020202020202020202020202020202020
          2021217E5C388945232323232323232323232323232323232323232323458938
          22D82120202020202020202020202020202020202020202021D822030A212121
          21212121212121212121210A0303051A2121212121212121212121211A050303
          2121212121212121212121212121212103212121212121212121212121212121
          21212103051A2121212121212121212121211A05030321212121212121212121
          2121212121210320202020202020202020202020202020202020202000005C21
          2120202020202020202020202020202020202020202021215C38F75523232323
          232323232323232323232323232323232355F738222020202020202020202020
          202020202020202020202020202022030A21212121212121212121212121210A
          0303051A2121212121212121212121211A050303212121212121212121212121
          212121210321212121212121212121212121212121212103051A212121212121
          2121212121211A05030321212121212121212121212121212121032020202020
          2020202020202020202020202020202000005C21212020202020202020202020
          2020202020202020202021215C38F72323232020202020202020202020202020
          202020232323F738222020202020202020202020202020202020202020202020
          202022030A21212121212121212121212121210A030305192121212121212121
          2121212119050303212121212121212121212121212121210321212121212121
          212121212121212121212103051A2121212121212121212121211A0503032121
          2121212121212121212121212121032020202020202020202020202020202020
          2020202000005C21212020202020202020202020202020202020202020202121
          5C38F72323232020202020202020202020202020202020232323F73822202020
          2020202020202020202020202020202020202020202022080C16212121212121
          212121212121160C08080911191A1A1A1A1A1A1A1A1A1A191109080819212121
          2121212121212121212121190821212121212121212121212121212121212105
          07161A1A1A1A1A1A1A1A1A1A1A1A160705051D21212121212121212121212121
          211D0520202020202020202020202020202020202020202000005C2121202020
          20202020202020202020202020202020202021215C38F7232323202020202020
          2020202020202020202020232323F73822202020202020202020202020202020
          202020202020202020202216060C0A0A0A0A0A0A0A0A0A0A0A0A0C0616160609
          0505050505050505050505050906161607151919191919191919191919191507
          162121212121212121212121212121212121210F090705050505050505050505
          050507090F0F0B18191919191919191919191919180B0F202020202020202020
          20202020202020202020202000005C2121202020202020202020202020202020
          20202020202021215C38F7232323202020202020202020202020202020202023
          2323F73822202020202020202020202020202020202020202020202020202221
          1608030303030303030303030303081621211608030303030303030303030303
          0816212116080303030303030303030303030816212121212121212121212121
          212121212121211F0F05030303030303030303030303050F1F1F0F0503030303
          0303030303030303050F1F202020202020202020202020202020202020202020
          00005C212120202020202020202020202020202020202020202021215C38F723
          23232020202020202020202020202020202020232323F7382220202020202020
          2020202020202020202020202020202020202220D1D1D1D1D1D1D1D1D1D1D1D1
          D1D1D1D120203838383838383838383838383838383820202222222222222222
          2222222222222222202020202020202020202020202020202020203838383838
          3838383838383838383838383822222222222222222222222222222222222220
          202020202020202020202020202020202020202000005C212120202020202020
          202020202020202020202020202021215C38F723232320202020202020202020
          20202020202020232323F7382220202020202020202020202020202020202020
          20202020202022D1AC3280212121212121212121218032ACD138D45221212121
          212121212121212152D438222222202020202020202020202020222222202020
          20202020202020202020202020202038C79F2121212121212121212121219FC7
          3822222220202020202020202020202022222220202020202020202020202020
          202020202020202000005C212120202020202020202020202020202020202020
          202021215C38F72323232020202020202020202020202020202020232323F738
          222020202020202020202020202020202020202020202020202022D132212020
          202020202020202020202132D1385257EA23232323232323232323EA57523822
          2220202020202020202020202020202222202020202020202020202020202020
          202020389FF7232323232323232323232323F79F382222202020202020202020
          2020202020222220202020202020202020202020202020202020202000005C21
          2120202020202020202020202020202020202020202021215C38F72323232020
          202020202020202020202020202020232323F738222020202020202020202020
          202020202020202020202020202022D180202020202020202020202020202080
          D13821EA202020202020202020202020EA213822202020202020202020202020
          2020202022202020202020202020202020202020202020382123202020202020
          2020202020202321382220202020202020202020202020202020222020202020
          2020202020202020202020202020202000005C21212020202020202020202020
          2020202020202020202021215C38F72323232020202020202020202020202020
          202020232323F738222020202020202020202020202020202020202020202020
          202022D121202020202020202020202020202021D13821232020202020202020
          2020202023213822202020202020202020202020202020202220202020202020
          2020202020202020202020382123202020202020202020202020232138222020
          2020202020202020202020202020222020202020202020202020202020202020
          2020202000005C21212020202020202020202020202020202020202020202121
          5C38F72323232020202020202020202020202020202020232323F73822202020
          2020202020202020202020202020202020202020202022D12120202020202020
          2020202020202021D13821232020202020202020202020202321382220202020
          2020202020202020202020202220202020202020202020202020202020202038
          2123202020202020202020202020232138222020202020202020202020202020
          20202220202020202020202020202020202020202020202000005C2121202020
          20202020202020202020202020202020202021215C38F7232323202020202020
          2020202020202020202020232323F73822202020202020202020202020202020
          2020202020202020202022D121202020202020202020202020202021D1382123
          2020202020202020202020202321382220202020202020202020202020202020
          2220202020202020202020202020202020202038212320202020202020202020
          2020232138222020202020202020202020202020202022202020202020202020
          20202020202020202020202000005C2121202020202020202020202020202020
          20202020202021215C38F7232323202020202020202020202020202020202023
          2323F738222020202020202020202020202020202020202020202020202022D1
          21202020202020202020202020202021D1382123202020202020202020202020
          2321382220202020202020202020202020202020222020202020202020202020
          2020202020202038212320202020202020202020202023213822202020202020
          2020202020202020202022202020202020202020202020202020202020202020
          00005C212120202020202020202020202020202020202020202021215C38F723
          23232020202020202020202020202020202020232323F7382220202020202020
          20202020202020202020202020202020202022D1212020202020202020202020
          20202021D1382123202020202020202020202020232138222020202020202020
          2020202020202020222020202020202020202020202020202020203821232020
          2020202020202020202023213822202020202020202020202020202020202220
          202020202020202020202020202020202020202000005C212120202020202020
          202020202020202020202020202021215C38F723232320202020202020202020
          20202020202020232323F7382220202020202020202020202020202020202020
          20202020202022D121202020202020202020202020202021D138212320202020
          2020202020202020232138222020202020202020202020202020202022202020
          2020202020202020202020202020203821232020202020202020202020202321
          3822202020202020202020202020202020202220202020202020202020202020
          202020202020202000005C212120202020202020202020202020202020202020
          202021215C38F72323232020202020202020202020202020202020232323F738
          222020202020202020202020202020202020202020202020202022D121202020
          202020202020202020202021D138212320202020202020202020202023213822
          2020202020202020202020202020202022202020202020202020202020202020
          2020203821232020202020202020202020202321382220202020202020202020
          2020202020202220202020202020202020202020202020202020202000005C21
          2120202020202020202020202020202020202020202021215C38F72323232020
          202020202020202020202020202020232323F738222020202020202020202020
          202020202020202020202020202022D121202020202020202020202020202021
          D138212320202020202020202020202023213822202020202020202020202020
          2020202022202020202020202020202020202020202020382123202020202020
          2020202020202321382220202020202020202020202020202020222020202020
          2020202020202020202020202020202000005C21212020202020202020202020
          2020202020202020202021215C38F72323232020202020202020202020202020
          202020232323F738222020202020202020202020202020202020202020202020
          202022D121202020202020202020202020202021D13821232020202020202020
          2020202023213822202020202020202020202020202020202220202020202020
          2020202020202020202020382123202020202020202020202020232138222020
          2020202020202020202020202020222020202020202020202020202020202020
          2020202000005C21212020202020202020202020202020202020202020202121
          5C38F75523232323232323232323232323232323232323232355F73822222222
          2222222222222222222222222222222222222222222222D12120202020202020
          2020202020202021D13821232020202020202020202020202321382220202020
          2020202020202020202020202220202020202020202020202020202020202038
          2123202020202020202020202020232138222020202020202020202020202020
          20202220202020202020202020202020202020202020202000005C7E21212020
          202020202020202020202020202020202021217E5C3889452323232323232323
          2323232323232323232323232345893822222222222222222222222222222222
          2222222222222222222222D180202020202020202020202020202080D13821EA
          202020202020202020202020EA21382220202020202020202020202020202020
          2220202020202020202020202020202020202038212320202020202020202020
          2020232138222020202020202020202020202020202022202020202020202020
          20202020202020202020202000005C2A21212121212121212121212121212121
          212121212121212A5C386BF74555232323232323232323232323232323232355
          45F76B38222222222222222222222222222222222222222222222222222222D1
          32212020202020202020202020202132D1385257EA23232323232323232323EA
          5752382222202020202020202020202020202022222020202020202020202020
          20202020202020389FF7232323232323232323232323F79F3822222020202020
          2020202020202020202222202020202020202020202020202020202020202020
          00005C5C2A7E212121212121212121212121212121212121217E2A5C5C38386B
          89F7F7F7F7F7F7F7F7F7F7F7F7F7F7F7F7F7F7F7896B38382222222222222222
          22222222222222222222222222222222222222D1AC3280212121212121212121
          218032ACD138D45221212121212121212121212152D438222222222222222222
          22222222222222222220202020202020202020202020202020202038C79F2121
          212121212121212121219FC73822222222222222222222222222222222222220
          20202020202020202020202020202020202020200000205C5C5C5C5C5C5C5C5C
          5C5C5C5C5C5C5C5C5C5C5C5C5C5C5C5C20203838383838383838383838383838
          3838383838383838383838202022222222222222222222222222222222222222
          2222222222222020D1D1D1D1D1D1D1D1D1D1D1D1D1D1D1D12020383838383838
          3838383838383838383820202222222222222222222222222222222220202020
          2020202020202020202020202020203838383838383838383838383838383838
          3822222222222222222222222222222222222220202020202020202020202020
          20202020202020200000}
        Shadow1Color = 13022873
        Shadow1Offset = 3
        Shadow1Blur = 2
        Shadow1Transparency = 50
        Version = 5.0
        Author = 'Команда «Сортария»'
        Description = 'Светлая сине-белая тема окна тренажёра сортировки выбором'
      end>
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
