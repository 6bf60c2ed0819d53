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
          FF0060421E00D18C2E00775C3D00D6D5E00014166000D9C1A900C28F4B008754
          25009A7A5600D8AF7700A8937A00B37B3C00B371340024319E00BFA88E00A775
          4200E7D7C500D393560031317500F7F1EB0064452100AF7629003E48A400828F
          DC00A26E3C00D4B99D00F1CDA500FEEEDB0073615B00BA824E0090622600A88F
          730095693C00FCE2C100D2A163006C6A9400E4AE7300EAC2990097A6EB008650
          1F00F7E9DA00C67F3C00F0D2AE00BA7D2B00A5672D002A3EB600FCF8F300C39A
          6C003B50CB00F6E6D600E9DDD0006F75B3009E836500C4A17F00D28E3200F6E7
          D700A5A2B200F0D4BA00AB7F4800945E2B0090775A00EFB06900B48F6700D79D
          500086684600AB794900DAA97E00E5B88E001A1E8000724C2200DEC7AF00ECD3
          BA00E8BD9300C1CCF700FAF0E400BE967700EBECF600AF6E3200A0622C00F2DA
          BF00B3804500F3E1CF00B5855200B77536008D725100F9D8B100F1EEEB00A0AB
          E200F8E0C800CD8C4E00CB995F0047467C00CC8747005A70DE00E8CBAA00C8AC
          8F00FDFCFB00C0804000E9CEB300DFB48900B28A6300D59A4B00BF9E7C00AA6B
          2F008A6D4B006B4E2C00EDC79F00CFA3710091663A00F5F0EA003344B5007E5A
          2D00B57A2A00A0602A00A27345007180DC00F2DFCB00EDAA5F002536AA009670
          4500BB977100F7EADD008482A100E9E3DE00D5BCA20098642E00EDD1B500C694
          5100EEDAC500BD802D002F46C600FEF6ED00E2BC9400F1D9BB00DDC1A200D699
          4500C7A888004C4E8900DAA65E004C61D500EFDCC800CFAC820023298D00DEBC
          A000F3BC7D00AF875F00EBA55500BC783700D7995E00C58E4400BDA18100E3C7
          A6002D379000A0693300F3EBE300A77B4F00CCC0B200F1D6B4008A99E500EED7
          C000C3976600B9823900A5B3EF00515EB900F8ECE0008B623600F2C79500F6CF
          A1007C6244005B5C9100A86B3500BCAFA00096703E009C6E4000171B6D00B694
          6F00A0714300DEAC7D00B37B3100FDFAF7007B5323008D5A2900D09C5A007457
          350056538000F5E4D300F1B67300DECEBD00FCE4C900BA89460069492300AB82
          59005D6CC900B29E8700DBB88B00CC9B6900E8D1B900BEA48800DB9F6600BD8B
          5A00C1863700AA7847008A562600FAF3EC00FDE8D100D7A86D00F9DCBA00D291
          3C00F4DEC400CDB39600A2896C00E99F4B00EFBD8300E6C18F00E0C19A00F7D4
          AA007A789B00FBF5EF00EBCEAD00BD7B3E00FBF2E80000000000202020202020
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
          20202020202020202020202020202020202053FBC65353FBC65353FBC65353FB
          C653202027686868686868686868686827202020202768686868686868686868
          6827202020202768686868686868686868682720202020202020202020202020
          202020202020202020202020202020200000060A21212121212121210A062020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020205353FBC65353FBC65353FBC65353FBC62031EC49494949494949
          49494949EC3120203F4E93939393939393939393934E3F202099E02222222222
          222222222222E099202020202020202020202020202020202020202020202020
          202020200000060A21212121212121210A062020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020C65353FBC653
          53FBC65353FBC65353FB315DE56464646464646464646464E55D313F2E46F6F6
          F6F6F6F6F6F6F6F6F6462E3F99D6754B4B4B4B4B4B4B4B4B4B4B75D699202020
          2020202020202020202020202020202020202020202020200000060A21212121
          212121210A062020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020FBC65353FBC65353FBC65353FBC65353ECE5
          7B4B4B4B4B4B4B4B4B4B4B4B7BE5EC4E4697F5F5F5F5F5F5F5F5F5F5F597464E
          E0754B4B4B4B4B4B4B4B4B4B4B4B4B75E0202020202020202020202020202020
          2020202020202020202020200000070A1F2121212121211F0A071C0B05050505
          050505050B1C2020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          202053FBC65353FBC65353FBC65353FBC65349857E7E7E7E7E7E7E7E7E7E7E7E
          7E854993C8B4B4B4B4B4B4B4B4B4B4B4B4B4C89322B5B5B5B5B5B5B5B5B5B5B5
          B5B5B5B522202020202020202020202020202020202020202020202020202020
          00000C0D0A0A0A0A0A0A0A0A0D0C0B0C0A0A0A0A0A0A0A0A0C0B202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          202020202020202020202020202020202020202020205353FBC65353FBC65353
          FBC65353FBC649857B7B7B7B7B7B7B7B7B7B7B7B7B854993C897979797979797
          979797979797C89322B5B5B5B5B5B5B5B5B5B5B5B5B5B5B52220202020202020
          202020202020202020202020202020202020202000001C0C0706060606060607
          0C1C051F21212121212121211F05210321202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          20202020202020202020C65353FBC65353FBC65353FBC65353FB496533333333
          333333333333333333654993C95F5F5F5F5F5F5F5F5F5F5F5F5FC99322757575
          7575757575757575757575752220202020202020202020202020202020202020
          20202020202020200000949494949494949494949494051F2121212121212121
          1F05210321202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          202020202020202020202020202020202020202020202020202020202020FBC6
          5353FBC65353FBC65353FBC6535349A6B6B6B6B6B6B6B6B6B6B6B6B6B6A64993
          C9DCDCDCDCDCDCDCDCDCDCDCDCDCC993222E2E2E2E2E2E2E2E2E2E2E2E2E2E2E
          2220202020202020202020202020202020202020202020202020202000009481
          822121212121218281940B121B1B1B1B1B1B1B1B120B21032120202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          20202020202020202020202020202020202053FBC65353FBC65353FBC65353FB
          C6534947E8E8E8E8E8E8E8E8E8E8E8E8E8474993F9B2B2B2B2B2B2B2B2B2B2B2
          B2B2F993226F6F6F6F6F6F6F6F6F6F6F6F6F6F6F222020202020202020202020
          2020202020202020202020202020202000009482212020202020202182941C0B
          05050505050505050B1C21032120202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020205353FBC65353FBC65353FBC65353FBC649A06565656565656565
          6565656565A0499343C9C9C9C9C9C9C9C9C9C9C9C9C943932289898989898989
          8989898989898989222020202020202020202020202020202020202020202020
          2020202000009421202020202020202021946363636363636363636363632103
          2121212121212020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020C65353FBC653
          53FBC65353FBC65353FB495B6A6A6A6A6A6A6A6A6A6A6A6A6A5B4993DEF9F9F9
          F9F9F9F9F9F9F9F9F9F9DE93224E4E4E4E4E4E4E4E4E4E4E4E4E4E4E22202020
          2020202020202020202020202020202020202020202020200000942120202020
          2020202021946381822121212121218281632063200303030303202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020FBC65353FBC65353FBC65353FBC6535349A7
          47474747474747474747474747A74993DE77777777777777777777777777DE93
          224E4E4E4E4E4E4E4E4E4E4E4E4E4E4E22202020202020202020202020202020
          2020202020202020202020200000942120202020202020202194636320202020
          2020202063632063202121212121202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          202053FBC65353FBC65353FBC65353FBC65349718C8C8C8C8C8C8C8C8C8C8C8C
          8C714993EEF0F0F0F0F0F0F0F0F0F0F0F0F0EE93227070707070707070707070
          7070707022202020202020202020202020202020202020202020202020202020
          0000948221202020202020218294636320202020202020206363206320202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          202020202020202020202020202020202020202020205353FBC65353FBC65353
          FBC65353FBC6D7B94C3C3C3C3C3C3C3C3C3C3C3C4CB9D7CCA7DE434343434343
          4343434343DEA7CC3629ECECECECECECECECECECECECEC293620202020202020
          2020202020202020202020202020202020202020000094818221212121212182
          8194639436222222222222369463206320636363636320202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          20202020202020202020C65353FBC65353FBC65353FBC65353FB743A807A7A7A
          7A7A7A7A7A7A7A7A803A74C23F713D3D3D3D3D3D3D3D3D3D3D713FC2C7E02929
          2929292929292929292929E0C720202020202020202020202020202020202020
          2020202020202020000094949494949494949494949463636363636363636363
          6363206320202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          202020202020202020202020202020202020202020202020202020202020FBC6
          5353FBC65353FBC65353FBC653532074D74949494949494949494949D7742020
          C2CC9393939393939393939393CCC22020C736222222222222222222222236C7
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
          21212121212121212121212120202020000035BB294949494949494949494949
          29BB35EDFD4E93939393939393939393934EFDED8FC7E0222222222222222222
          2222E0C78F2035BB29494949494949494949494929BB35EDFD4E939393939393
          93939393934EFDED8FC7E02222222222222222222222E0C78F2035BB29494949
          494949494949494929BB35EDFD4E93939393939393939393934EFDED8FC7E022
          22222222222222222222E0C78F2035BB29494949494949494949494929BB356E
          2F666666666666666666666666662F6E6EBAD02626262626262626262626D0BA
          6E2020200000BB5DE56464646464646464646464E55DBBFD2E46F6F6F6F6F6F6
          F6F6F6F6F6462EFDC7D67575BBBBBBBBBBBBBBBBBB7575D6C720BB5DE5646464
          6464646464646464E55DBBFD2E46F6F6F6F6F6F6F6F6F6F6F6462EFDC7D6754B
          4B4B4B4B4B4B4B4B4B4B75D6C720BB5DE56464646464646464646464E55DBBFD
          2E46F6F6F6F6F6F6F6F6F6F6F6462EFDC7D6754B4B4B4BCCBBBBCC4B4B4B75D6
          C720BB5DE56464646464646464646464E55DBB2FB0E295959595959595959595
          95E2B02FBA664FA4A490A4A4A4A4A490A4A44F66BA2020200000ECE57B75BBBB
          BBBBBBBBBBBBBB757BE5EC4E4697F12D2D2D2D2D2D2D2D2DF197464EE0754B9F
          ED21212121212121ED9F4B75E020ECE57B4B4B4B4B4B4B4B4B4B4B4B7BE5EC4E
          4697F5F5F5F5F5F5F5F5F5F5F597464EE0754B4B6F9F9F9F9F9F9F9F6F4B4B75
          E020ECE57B4B4B4B4B6FBBBB6F4B4B4B7BE5EC4E4697F5F5F5F5832D2D83F5F5
          F597464EE0754B4B4B4B4B9F21219F4B4B4B4B75E020ECE57B4B4BFD4B4B4B4B
          4BFD4B4B7BE5EC66E2ADA4A490A4A4A4A4A490A4A4ADE266D04FA4A47DFAAB90
          A490ABFA7DA4A44FD0202020000049857E3AFB21212121212121FB3A7E854993
          C8B42DFB21212121212121FB2DB4C89322B5B59F219F9F9F9F9F9F9F219FB5B5
          222049857E7E2DBBBBBBBBBBBBBB2D7E7E854993C8B4B47B2D2D2D2D2D2D2D7B
          B4B4C89322B5B5B59FD52121212121D59FB5B5B5222049857E7E7E7E7EBB2121
          BB7E7E7E7E854993C8B4B4B4B4B42D21212DB4B4B4B4C89322B5B5B5B5B5B59F
          21219FB5B5B5B5B5222049857E7E3A9A31837E83319A3A7E7E854966395252AB
          9CAB525252AB9CAB52523966264F4F90FA2125AB38AB2521FA904F4F26202020
          000049857B3A213A3A3A3A3A3A3A213A7B854993C89772217272727272727221
          7297C89322B5B59F219FB5B5B5B5B59F219FB5B5222049857B7B3A8221212121
          21823A7B7B854993C897977282212121212182729797C89322B5B5B59FD52121
          212121D59FB5B5B5222049857B7B7B7B7B3A21213A7B7B7B7B854993C8979797
          97977221217297979797C89322B5B5B5B5B5B59F5D5D9FB5B5B5B5B522204985
          7B7E9A215431833154219A7E7B8549663952529C2125CBC5CB25219C52523966
          264F4F4F7D252125DA2521257D4F4F4F26202020000049653331213133333333
          3331213133654993C95F7421745F5F5F5F5F7421745FC9932275755D215D7575
          7575755D215D75752220496533333182212121212182313333654993C95F5F74
          82212121212182745F5FC993227575754E5D5D5D5D5D5D5D4E75757522204965
          3333333333313A3A3133333333654993C95F5F5F5F5F3F5C5C3F5F5F5F5FC993
          227575757575755D21215D7575757575222049653333EB542154BD542154EB33
          33654966C0ADADCB25212545252125CBADADC066264F4F4F4F7D25211F21257D
          4F4F4F4F26202020000049A6B6312131B6B6B6B6B6312131B6A64993C9DC7421
          74DCDCDCDCDC742174DCC993222E2E5D215D2E2E2E2E2E5D215D2E2E222049A6
          B6B63F313131313131313FB6B6A64993C9DCDC447474747474747444DCDCC993
          222E2E2E2E2E2E2E2E2E2E2E2E2E2E2E222049A6B6B6B6B6B631212131B6B6B6
          B6A64993C9DCDCDCDCDC74212174DCDCDCDCC993222E2E2E2E2E2E5D2121D79F
          2E2E2E2E222049A6B6B633BD5421822154BD33B6B6A64966C0ADADADCB252182
          2125CBADADADC066264F4F4F4FBADA1F211FDABA4F4F4F4F2620202000004947
          E8632163E8E8E8E8E8632163E8474993F9B2E921E9B2B2B2B2B2E921E9B2F993
          226F6FD721D76F6F6F6F6FD721D76F6F22204947E8E8E8E8E8E8E8E8E8E8E8E8
          E8474993F9B2B2B2B2B2B2B2B2B2B2B2B2B2F993226F6F6F6F6F6F6F6F6F6F6F
          6F6F6F6F22204947E8E8E8E8E86321213174E8E8E8474993F9B2B2B2B2B2E921
          21747CB2B2B2F993226F6F6F6F6F6F9FD72121D79F6F6F6F22204947E8E8E8A1
          E1822182E1A1E8E8E8474966487F7F7FE24582218245E27F7F7F486626989898
          987D25211F21257D9898989826202020000049A065B321B36565656565B321B3
          65A0499343C99A219AC9C9C9C9C99A219AC94393228989D721D7D7D7D7D7D7D7
          21D78989222049A065656565656565656565656565A0499343C9C9C9C9C9C9C9
          C9C9C9C9C9C9439322898989898989898989898989898989222049A065656565
          659AE12121E19A6565A0499343C9C9C9C9C9576021216057C9C9439322898989
          895DD7D7D7D72121D7898989222049A06565D3609D2182219D60D36565A04966
          C4C0C039FA1C2182211CFA39C0C0C466269898987D252125DA2521257D989898
          262020200000495B6A8621B38686868686B321866A5B4993DEF99A21D19A9A9A
          9A9AD1219AF9DE93224E4ED7212121212121212121D74E4E2220495B6A6A6A6A
          6A6A6A6A6A6A6A6A6A5B4993DEF9F9F9F9F9F9F9F9F9F9F9F9F9DE93224E4E4E
          4E4E4E4E4E4E4E4E4E4E4E4E2220495B6A6A6A518686B3B32121866A6A5B4993
          DEF9F9F9AF9A9AD1D121219AF9F9DE93224E4E4E4ED72121ECEC2121D74E4E4E
          2220495B6A65609D219DD19D219D60656A5B49666BC0C09C1C211C9C1C211C9C
          C0C06B662698982FFA21257DBA7D2521FA2F989826202020000049A747602121
          212121212121216047A74993DE779A2121212121212121219A77DE93224E4EEC
          352121212121212135EC4E4E222049A747474747474747474747474747A74993
          DE77777777777777777777777777DE93224E4E4E4E4E4E4E4E4E4E4E4E4E4E4E
          222049A747474760212186862121604747A74993DE7777779A2121D1D121219A
          7777DE93224E4E4E4ED7292121212129D74E4E4E222049A7478581219DD1AFD1
          9D21818547A749666B48C05A211C9C399C1C215AC0486B66262F2F2F34FA7D2F
          2F2F7DFA342F2F2F26202020000049718CD1502121212121212150D18C714993
          EEF08850212121212121215088F0EE932270705D2929292929292929295D7070
          222049718C8C8C8C8C8C8C8C8C8C8C8C8C714993EEF0F0F0F0F0F0F0F0F0F0F0
          F0F0EE9322707070707070707070707070707070222049718C8C8C5786212121
          2186578C8C714993EEF0F0F0819A212121219A81F0F0EE93227070707070D729
          292929D770707070222049718C8C9A81D1A68CA6D1819A8C8C7149666B48489C
          5A9C4848489C5A9C48486B66262F2F2F2F2F2F2F2F2F2F2F2F2F2F2F26202020
          0000D7B94CE4D1D1D1D1D1D1D1D1D1E44CB9D7CCA7DEB9B8B8B8B8B8B8B8B8B8
          B9DEA7CC3629ECECECECECECECECECECECECEC293620D7B94C3C3C3C3C3C3C3C
          3C3C3C3C4CB9D7CCA7DE4343434343434343434343DEA7CC3629ECECECECECEC
          ECECECECECECEC293620D7B94C3C3C3C57D1D1D1D1573C3C4CB9D7CCA7DE4343
          43F3B8B8B8B8F34343DEA7CC3629ECECECECECECECECECECECECEC293620D7B9
          4C3C8CA68C3C3C3C8CA68C3C4CB9D7B079C4C4C479C4C4C4C4C479C4C4C479B0
          26343434343434343434343434343434262020200000EB3A807A7A7A7A7A7A7A
          7A7A7A7A803AEBE93F713D3D3D3D3D3D3D3D3D3D3D713FE967E0292929292929
          29292929292929E06720EB3A807A7A7A7A7A7A7A7A7A7A7A803AEBE93F713D3D
          3D3D3D3D3D3D3D3D3D713FE967E029292929292929292929292929E06720EB3A
          807A7A7A7A7A7A7A7A7A7A7A803AEBE93F713D3D3D3D3D3D3D3D3D3D3D713FE9
          67E029292929292929292929292929E06720EB3A807A7A7A7A7A7A7A7A7A7A7A
          803AEB3838C46B6B6B6B6B6B6B6B6B6B6BC43838D0D034343434343434343434
          343434D0D02020200000E9EBD74949494949494949494949D7EBE98DE9CC9393
          939393939393939393CCE98DD6673622222222222222222222223667D620E9EB
          D74949494949494949494949D7EBE98DE9CC9393939393939393939393CCE98D
          D6673622222222222222222222223667D620E9EBD74949494949494949494949
          D7EBE98DE9CC9393939393939393939393CCE98DD66736222222222222222222
          22223667D620E9EBD74949494949494949494949D7EBE9C538B0666666666666
          6666666666B038C566D026262626262626262626262626D06620202000002020
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
          2020202020202020202020202020202020202020000020AAB3D2D2D2D2D2D2D2
          D2D2D2B3AA2020EFB74D4D4D4D4D4D4D4D4D4DB7EF20202CCA22222222222222
          222222CA2C2020AAB3D2D2D2D2D2D2D2D2D2D2B3AA2020EFB74D4D4D4D4D4D4D
          4D4D4DB7EF20202CCA22222222222222222222CA2C20202020202020AA9AE194
          94E19AAA2020202020202020EFD8B7A3A3B7D8EF20202020202020202C5E2436
          36245E2C202020202020202020AA9AE19494E19AAA2020202020202020EFD8B7
          A3A3B7D8EF20202020202020202C5E243636245E2C2020202020202020202020
          2020202020202020000020B3F3EDFBFBFBFBFBFBFBFBEDF3B32020B72B4C4C4C
          4C4C4C4C4C4C4C2BB72020CAE39BC6C6C6C6C6C6C6C69BE3CA2020B3F3EDFBFB
          FBFBFBFBFBFBEDF3B32020B72B4C4C4C4C4C4C4C4C4C4C2BB72020CAE39BC6C6
          C6C6C6C6C6C69BE3CA20202020202088BDAA32353532AABD8820202020202044
          EAEF474C4C47EFEA44202020202020568B41DD5959DD418B5620202020202020
          88BDAA32353532AABD8820202020202044EAEF474C4C47EFEA44202020202020
          568B41DD5959DD418B56202020202020202020202020202020202020000020D2
          ED59595959595959595959EDD220204D4C3CF9F9F9F9F9F9F9F93C4C4D202022
          599B9B9B9B9B9B9B9B9B9B59222020D2ED59595959595959595959EDD220204D
          4C3CF9F9F9F9F9F9F9F93C4C4D202022599B9B9B9B9B9B9B9B9B9B5922202020
          202088E154FE9B59599BFE54E1882020202044EA8C3C3CF9F93C3C8CEA442020
          202056D9DD9B9B9B9B9B9BDDD956202020202088E154FE9B59599BFE54E18820
          20202044EA8C3C3CF9F93C3C8CEA442020202056D9DD9B9B9B9B9B9BDDD95620
          20202020202020202020202020202020000020D2FB4A4A4A4A4A4A4A4A4A4AFB
          D220204DBF77DEDEDEDEDEDEDEDE77BF4D202022595959595959595959595959
          222020D2FB4A4A738AD9324A4A4A4AFBD220204DBF77DE7162D9A0DEDEDE77BF
          4D2020225959597362D93259595959592220202020AABD546C4A4A4A4A4A4A6C
          54BDAA20202BEA8C3CF0DEDEDEDEF03C8CEA2B2020418BDD5959595959595959
          DD8B41202020AABD546C4A4ADDDD4A4A6C54BDAA20202BEA8C3CF0DE8080DEF0
          3C8CEA2B2020418BDD595959DDDD595959DD8B41202020202020202020202020
          20202020000020D2509B9B9B9B9B9B9B9B9B9B50D220204DBF77DEDEDEDEDEDE
          DEDE77BF4D202022DBDBDBDBDBDBDBDBDBDBDBDB222020D2509B597636368A4A
          9B9B9B50D220204DBF777A76E0E08A7ADEDE77BF4D202022DBDB737636368A73
          DBDBDBDB22202020209A81ED9B9B9B9B9B9B9B9BED819A2020D8EF4CF0DEDEDE
          DEDEDEF04CEFD820205EF4DBDBDBDBDBDBDBDBDBDBF45E2020209A81ED9B3262
          E0E062329BED819A2020D8EF4CF0E662E0E062E6F04CEFD820205EF4DBDBDD62
          E0E062DDDBDBF45E20202020202020202020202020202020000020D250C6C6C6
          C6C6C6C6C6C6C650D220204DBFF0EEEEEEEEEEEEEEEEF0BF4D20202273737373
          7373737373737373222020D2509B2A676767672CC6C6C650D220204DBFBFE1D6
          D691D6D1EEEEF0BF4D20202273962A6767676741737373732220202020E1546C
          C6C6C6C6C6C6C6C66C54E12020B78CBFEEEEEEEEEEEEEEEEBF8CB72020D92773
          73737373737373737327D9202020E1546CC699D6D6D6D699C66C54E12020B78C
          BFEE2A919191912AEEBF8CB72020D927737399D6D6D6D699737327D920202020
          202020202020202020202020000020D2D56C6C6C6C6C6C6C6C6C6CD5D220204D
          BFF03D3D3D3D3D3D3D3DF0BF4D202022969696969696969696969696222020D2
          D581D6D6F330D6D69E6C6CD5D220204DBFAF4040F3AF4040A83DF0BF4D202022
          96E7D6D6AAB8D6D6F3969696222020202094FB6C6C6C6C6C6C6C6C6C6CFB9420
          20A3BFF03D3D3D3D3D3D3D3DF0BFA3202036A296969696969696969696A23620
          202094FB6C32404040404040326CFB942020A3BFF0C142CECE424242C1F0BFA3
          202036A296844040404040408496A23620202020202020202020202020202020
          000020D2D5FEFEFEFEFEFEFEFEFEFED5D220204DBFF23D3D3D3D3D3D3D3DF2BF
          4D202022AEAEAEAEAEAEAEAEAEAEAEAE222020D2D5DDCE81FEFEB3D7C754FED5
          D220204DBFB972E43D3DC24E37F2F2BF4D202022AE9ECE57AEAEE1D74068AEAE
          222020202094FBFEFEFEFEFEFEFEFEFEFEFB942020A3BFF23D3D3D3D3D3D3D3D
          F2BFA3202036C1AEAEAEAEAEAEAEAEAEAEC13620202094FBFEAE89F33B314E4E
          AEFEFB942020A3BFF2AE5C3B27745C5CAEF2BFA3202036C1AE8489F33B314E4E
          84AEC13620202020202020202020202020202020000020D2D5EDEDEDEDEDEDED
          EDEDEDD5D220204DA77A6C6C6C6C6C6C6C6C7AA74D202022A2A2A2A2A2A2A2A2
          A2A2A2A2222020D2D5EDEDEDEDEDBC94405C6CD5D220204DA77A6C6C6C6C4ADF
          9228F2A74D202022A2A2A2A2A2A2693A40EBC1A22220202020E154FBEDEDEDED
          EDEDEDEDFB54E12020B780A76C6C6C6C6C6C6C6CA780B72020D99EA2A2A2A2A2
          A2A2A2A2A29ED9202020E154FBEDA1F8A8DF9228EDFB54E12020B780A76C8D68
          68C2288D6CA780B72020D99EA2A228F8A8DF9228A2A29ED92020202020202020
          2020202020202020000020D282FBFBFBFBFBFBFBFBFBFB82D220204DA77AFEFE
          FEFEFEFEFEFE7AA74D202022C1C1C1C1C1C1C1C1C1C1C1C1222020D282FBFBFB
          FBFBFB32BB4EAA82D220204DA77AFEFEFEFEFEF223EA2BA74D202022C1C1C1C1
          C1C1C1A8BB4E51C122202020208881D5FBFBFBFBFBFBFBFBD581882020442BBF
          4AFEFEFEFEFEFE4ABF2B4420207656C1C1C1C1C1C1C1C1C1C156762020208881
          D5FB5944F1EA6159FBD581882020442BBF4A5985EF442B594ABF2B4420207656
          C1C180D8F1EA8780C1C1567620202020202020202020202020202020000020D2
          825050505050505050505082D220204DA7DBA5A5A5A5A5A5A5A5DBA74D202022
          696969696969696969696969222020D28250505050505050A889AF82D220204D
          A7DBA5A5A5A5A5A53C2346A74D2020226969696969696969AF89516922202020
          20F3BD9DD5505050505050D59DBDF32020E4EAFCA7C6A5A5A5A5C6A7FCEAE420
          20F48B9E69696969696969699E8BF4202020F3BD9DD5505059595050D59DBDF3
          2020E4EAFCA7C6A54A4AA5C6A7FCEAE42020F48B9E69696980806969699E8BF4
          202020202020202020202020202020200000209482D5D5D5D5D5D5D5D5D5D582
          9420204DA7F25959595959595959F2A74D202022E669696969696969696969E6
          2220209482D5D5D5D5D5D5D5D535D5829420204DA7F2595959595959597AF2A7
          4D202022E669696969696969698069E6222020202020AAE19D82D5D5D5D5829D
          E1AA202020202BB7FCA7F25353F2A7FCB72B202020202AD93B6969696969693B
          D92A2020202020AAE19D82D5D5D5D5829DE1AA202020202BB7FCA7F25353F2A7
          FCB72B202020202AD93B6969696969693BD92A20202020202020202020202020
          20202020000020869E822121212121212121829E862020A1E471717171717171
          717171E4A1202024418484848484848484848441242020869E82212121212121
          2121829E862020A1E471717171717171717171E4A12020244184848484848484
          8484844124202020202020AABDF39DD5D59DF3BDAA2020202020202BEA2B80A7
          A7802BEA2B2020202020202A8B56F38484F3568B2A20202020202020AABDF39D
          D5D59DF3BDAA2020202020202BEA2B80A7A7802BEA2B2020202020202A8B56F3
          8484F3568B2A202020202020202020202020202020202020000020F38694D2D2
          D2D2D2D2D2D29486F32020E4A14D4D4D4D4D4D4D4D4D4DA1E420205624222222
          2222222222222224562020F38694D2D2D2D2D2D2D2D29486F32020E4A14D4D4D
          4D4D4D4D4D4D4DA1E42020562422222222222222222222245620202020202020
          F388B39494B388F32020202020202020E48D28A3A3288DE42020202020202020
          568AD93636D98A56202020202020202020F388B39494B388F320202020202020
          20E48D28A3A3288DE42020202020202020568AD93636D98A5620202020202020
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
          2020202020202020202020202020202020202020202020202020171717171717
          1717171717171717171717171717172020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020000020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          20202020202020202020202020200C171E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E
          1E170C2020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202000002020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          20200C171E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E170C202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202000002020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          202020202020202020202020202020202020202020200C171E1E1E1E1E1E1E1E
          1E1E1E1E1E1E1E1E1E170C202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202000002020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          202020202020202020200C171E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E170C20
          2020202020202020202020202020202020202020202020202020202020202020
          20202020202020202020202020202020202020202020202000000D0D0D0D0D0D
          0D0D0D0D0D0D0505050505050505050505051C0B05050505050505050B1C0D21
          2121212121212121210D2121212121212121212121211C0A0303030303030303
          0A1C1C0A03030303030303030A1C212121212121212121212121212121212121
          2121212121212121212121212121212121212121212121212121212121210C17
          1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E170C20202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          20202020202020202020202000000A0A0A0A0A0A0A0A0A0A0A0A050A0A0A0A0A
          0A0A0A0A0A050B0C0A0A0A0A0A0A0A0A0C0B0D212121212121212121210D2121
          212121212121212121210A0A05050505050505050A0A0A131F2121212121211F
          130A210700000000000000000721210700000000000000000721210700000000
          0000000007212121212121212121212121210C171E1E1E1E1E1E1E1E1E1E1E1E
          1E1E1E1E1E170C20202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          0000212121212121212121212121052121212121212121212105051F21212121
          212121211F050D212121212121212121210D2121212121212121212121210305
          191A1A1A1A1A1A190503031F21212121212121211F0321000000000000000000
          0021210000000000000000000021210000000000000000000021212121022121
          0221210221210C171E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E170C2020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020000021212121212121212121
          21210521212121212121212121050521212121212121212121050D2121212121
          21212121210D21212121212121212121212103051A2121212121211A05030321
          2121212121212121210321000000000000000000002121000000000000000000
          00212100000000000000000000212121032121032121032121210C171E1E1E1E
          1E1E1E1E1E1E1E1E1E1E1E1E1E170C2020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020000021212121212121212121212105212121212121212121
          21050521212121212121212121050D212121212121212121210D212121212121
          21212121212103051A2121212121211A05030321212121212121212121032100
          0000000000000000002121000000000000000000002121000000000000000000
          00212121212121212121212121210D161E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E
          1E160D2020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202000002121
          2121212121212121212105212121212121212121210505212121212121212121
          21050D212121212121212121210D21212121212121212121212103051A212121
          2121211A05030321212121212121212121032100000000000000000000212100
          0000000000000000002121000000000000000000002121212121212102212102
          212111141B1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1B1411202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202000002121212121212121212121210521
          212121212121212121050521212121212121212121050D212121212121212121
          210D21212121212121212121212103051A2121212121211A0503032121212121
          2121212121032100000000000000000000212100000000000000000000212100
          00000000000000000021212121212103212103212121190E171B1E1E1E1E1E1E
          1E1E1E1E1E1E1E1B170E19202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202000002121212121212121212121210521212121212121212121050521
          212121212121212121050D212121212121212121210D21212121212121212121
          212103051A2121212121211A0503032121212121212121212103210000000000
          0000000000212100000000000000000000212100000000000000000000212121
          2121212121212121212121150E1416171717171717171717171716140E152120
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020200000212121212121
          2121212121210521212121212121212121050521212121212121212121050D21
          2121212121212121210D21212121212121212121212103051A2121212121211A
          0503032121212121212121212103210000000000000000000021210000000000
          0000000000212100000000000000000000212121212121212121210221212121
          19110D0C0C0C0C0C0C0C0C0C0C0C0D1119212120202020202020202020202020
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
          2121212121212424242424242424242424242424242424242424242020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020000021212121212121212121
          21210505050505050505050505051C0B05050505050505050B1C1F150E0D0D0D
          0D0D0D0E151F2121212121212121212121211C0A03030303030303030A1C1C0A
          03030303030303030A1C21212121212121212121212121212121212121212121
          2121212121212121212121212121212121212121212121212121212121212121
          2121212121212121212121212121212020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020000063636363636363636363636363636363636363636363
          6363636363636363636363636363222020202020202020202022202020202020
          2020202020203737373737373737373737372222222222222222222222222020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020212121212121212121212121212121212121
          2121212020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202000002121
          2121212121212121212163212121212121212121216363818221212121212182
          816322202020202020202020202220202020202020202020202037AF82212121
          21212182AF37222222202020202020222222209A94D2D2D2D2D2D2949A20209A
          94D2D2D2D2D2D2949A20209A94D2D2D2D2D2D2949A2020202020202020202020
          2020212121212121212121212121212121212121212121202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202000002020202020202020202020206320
          2020202020202020206363632020202020202020636322202020202020202020
          2022202020202020202020202020378261232323232323618237222220202020
          2020202022222094735353535353537394202094735353535353537394202094
          7353535353535373942020202021202021202021202021212121212121212121
          2121212121212121212121202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202000002020202020202020202020206320202020202020202020636320
          2020202020202020206322202020202020202020202220202020202020202020
          202037212320202020202023213722202020202020202020202220D24A4AE3F4
          594A4A4AD22020D24A4A4A4A4A4A4A4AD22020D24A96A8A8A8A8964AD2202020
          6320206320206320202021212121212121212121212121212121212121212120
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020200000202020202020
          2020202020206320202020202020202020636320202020202020202020632220
          2020202020202020202220202020202020202020202037212320202020202023
          213722202020202020202020202220D2C6E3222241C6C6C6D22020D2C6C6C6C6
          C6C6C6C6D22020D2C6279A9A9A9A27C6D2202020202020202020202020202121
          2121212121212121212121212121212121212120202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020200000202020202020202020202020632020202020
          2020202020636320202020202020202020632220202020202020202020222020
          2020202020202020202037212320202020202023213722202020202020202020
          202220D2CD22246222306C6CD22020D26C6C6C6C6C6C6C6CD22020D26C279A9A
          9A9A276CD2202020202020202120202120202121212121212121212121212121
          2121212121212120202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          0000202020202020202020202020632020202020202020202063632020202020
          2020202020632220202020202020202020222020202020202020202020203721
          2320202020202023213722202020202020202020202220D2BE625454D936BEFE
          D22020D2FEFEFEFEFEFEFEFED22020D2FE689A9A9A9A68FED220202020202063
          2020632020202121212121212121212121212121212121212121212020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020000020202020202020202020
          2020632020202020202020202063632020202020202020202063222020202020
          2020202020222020202020202020202020203721232020202020202321372220
          2020202020202020202220D2FBFBFBFB328BE032D22020D2FBFBFBFBFBFBFBFB
          D22020D2FB689A9A9A9A68FBD220202020202020202020202020212121212121
          2121212121212121212121212121212020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020000020202020202020202020202063202020202020202020
          2063632020202020202020202063222020202020202020202022202020202020
          20202020202037212320202020202023213722202020202020202020202220D2
          5050505050BE36E3D22020D25050505050505050D22020D250BC68686868BC50
          D220202020202020202020212020212121212121212121212121212121212121
          2121212020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202000002020
          2020202020202020202063202020202020202020206363632020202020202020
          6363222220202020202020202222202020202020202020202020378261232323
          2323236182372222202020202020202022222094FBD5D5D5D5D5BC3594202094
          FBD5D5D5D5D5D5FB94202094FBD5D5D5D5D5D5FB942020202020202020206320
          2020212121212121212121212121212121212121212121202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202000002020202020202020202020206322
          2222222222222222226363943622222222222236946322249D2121212121219D
          242220202020202020202020202037AF8221212121212182AF37222222222222
          222222222222208894D2D2D2D2D2D2948820208894D2D2D2D2D2D29488202088
          94D2D2D2D2D2D294882020202020202020202020202020212121212121212121
          2121212121212121212120202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202000002020202020202020202020206363636363636363636363636363
          6363636363636363636322222222222222222222222220202020202020202020
          2020373737373737373737373737222222222222222222222222202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202121212121212121212121212121212121202020
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
          2020202020202020000063636363636363636363636357575757575757575757
          5757202020202020202020202020202020202020202020202020636363636363
          6363636363632121212121212121212121216363636363636363636363636363
          6363636363636363636363636363636363636363636322222222222222222222
          2222424242424242424242424242202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202000006321
          2121212121212121216357BC2121212121212121BC5720202020202020202020
          2020202020202020202020202020633B82212121212121823B63632020202020
          2020202020212020202020202020202020206321212121212121212121636368
          2121212121212121686320202020202020202020202042E78221212121212182
          E742202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202000006321202020202020202021635721
          2020202020202020215720202020202020202020202020202020202020202020
          2020638221202020202020218263632020202020202020202021202020202020
          2020202020206321202020202020202021636321212020202020202121632020
          2020202020202020202042822120202020202021824220202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202000006321202020202020202021635721202020202020202021572020
          2020202020202020202020202020202020202020202063212020202020202020
          2163632020202020202020202021202020202020202020202020632120202020
          2020202021636321202020202020202021632020202020202020202020204221
          2020202020202020214220202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020200000632120202020
          2020202021635721202020202020202021572020202020202020202020202020
          2020202020202020202063212020202020202020216363202020202020202020
          2021202020202020202020202020632120202020202020202163632120202020
          2020202021632020202020202020202020204221202020202020202021422020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020200000632120202020202020202163572120202020
          2020202021572020202020202020202020202020202020202020202020206321
          2020202020202020216363202020202020202020202120202020202020202020
          2020632120202020202020202163632120202020202020202163202020202020
          2020202020204221202020202020202021422020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          0000632120202020202020202163572120202020202020202157202020202020
          2020202020202020202020202020202020206321202020202020202021636320
          2020202020202020202120202020202020202020202063212020202020202020
          2163632120202020202020202163202020202020202020202020422120202020
          2020202021422020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020000063212020202020202020
          2163572120202020202020202157202020202020202020202020202020202020
          2020202020206321202020202020202021636320202020202020202020212020
          2020202020202020202063212020202020202020216363212020202020202020
          2163202020202020202020202020422120202020202020202142202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020000063212020202020202020216357212020202020202020
          2157202020202020202020202020202020202020202020202020632120202020
          2020202021636320202020202020202020212020202020202020202020206321
          2020202020202020216363212020202020202020216320202020202020202020
          2020422120202020202020202142202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202000006321
          2020202020202020216357212020202020202020215720202020202020202020
          2020202020202020202020202020638221202020202020218263632020202020
          2020202020212020202020202020202020206321202020202020202021636321
          2120202020202021216320202020202020202020202042822120202020202021
          8242202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          20202020202020202020202020202020000063212121212121212121216357BC
          2121212121212121BC5721212121212121212121212121212121212121212121
          2121633B82212121212121823B63632020202020202020202021202020202020
          2020202020206321212121212121212121636368212121212121212168632020
          2020202020202020202042E78221212121212182E74220202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202000006363636363636363636363635757575757575757575757576363
          6363636363636363636363636363636363636363636363636363636363636363
          6363636363636363636363636321212121212121212121212121636363636363
          6363636363636363636363636363636363632121212121212121212121214242
          4242424242424242424220202020202020202020202020202020202020202020
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
          000000000000001D1D0000000000000000001D202178CACA7821202021EDA1A1
          ED2120202178CACA782120206363636363632020373737373737202063636363
          6363202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020000021000000000000000000
          0000000000212100000000000000000000000000002121000000000000000000
          0000000000211D0000000000000000001D1D0000000000000000001D1D000000
          0000000000001D217824222224782121ED284D4D28ED21217824222224782120
          2121212121212020212121212121202021212121212120202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020000021000000000000000000000000000021210000000000
          00000000000000000021210000000000000000000000000000211D0000000000
          000000001D1D0000000000000000001D1D0000000000000000001D7824222424
          222478ED284D28284D28ED782422242422247820636363636363202037373737
          3737202063636363636320202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202000002100
          0000000000000000000000000021210000000000000000000000000000212100
          00000000000000000000000000211D0000000000000000001D1D000000000000
          0000001D1D0000000000000000001DCD222478782422CDB94D28EDED284DB9CD
          222478782422CD20212121212121202021212121212120202121212121212020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202000002100000000000000000000000000
          0021210000000000000000000000000000212100000000000000000000000000
          00211D0000000000000000001D1D0000000000000000001D1D00000000000000
          00001D21CD78212178CD2121B9ED2121EDB92121CD78212178CD212063636363
          6363202037373737373720206363636363632020202020202020202020202020
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
          202020202020202020202020202020628694CFCFCF94866220208E28D4373737
          D4288E2020CA76E0222222E076CA201D00000000000000000000000000000000
          1D1D000000000000000000000000000000001D1D000000000000000000000000
          000000001D202020222222222222222222222222222222222222222222222222
          2222222222222222222222222222222020202020202020202020202020202020
          2020202020202020202020202020202000002020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020228660845B5B5B84608622222828C8C9C9C9C828282222765E544A4A4A54
          5E76221D000000000000000000000000000000001D1D00000000000000000000
          0000000000001D1D000000000000000000000000000000001D202222D3D3D3D3
          D3D3D3D3D3D3D3D3D3D3D3D3D3D3D3D3D3D3D3D3D3D3D3D3D3D3D3D3D3D3D3D3
          D3D3D32222202020202020202020202020202020202020202020202020202020
          20202020000020AAB3D2D2D2D2D2D2D2D2D2D2B3AA2020EFB74D4D4D4D4D4D4D
          4D4D4DB7EF20202CCA22222222222222222222CA2C202294A07171717171A094
          2222D4C8C9C9C9C9C9C8D42222E0A25959595959A2E0221D0000000000000000
          00000000000000001D1D000000000000000000000000000000001D1D00000000
          0000000000000000000000001D2022D37B7B7B7B7B7B7B7B7B7B7B7B7B7B7B7B
          7B7B7B7B7B7B7B7B7B7B7B7B7B7B7B7B7B7B7B7B7B7B7BD32220202020202020
          202020202020202020202020202020202020202020202020000020B3F3EDFBFB
          FBFBFBFBFBFBEDF3B32020B72B4C4C4C4C4C4C4C4C4C4C2BB72020CAE39BC6C6
          C6C6C6C6C6C69BE3CA2022CFF2F2F2F2F2F2F2CF222237F9F9F9F9F9F9F93722
          22225353535353535322221E050000000000000000000000000000051E1E0500
          00000000000000000000000000051E1E05000000000000000000000000000005
          1E22D37B7B838383838383838383838383838383838383838383838383838383
          838383838383838383837B7BD322202020202020202020202020202020202020
          202020202020202020202020000020D2ED59595959595959595959EDD220204D
          4C3CF9F9F9F9F9F9F9F93C4C4D202022599B9B9B9B9B9B9B9B9B9B59222022CF
          96969696969696CF2222377777777777777737222222DBDBDBDBDBDBDB222221
          1B05000000000000000000000000051B21211B05000000000000000000000000
          051B21211B05000000000000000000000000051B2122D37B835B5B5B5B5B5B5B
          5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B837B
          D322202020202020202020202020202020202020202020202020202020202020
          000020D2FB4A4A4A4A4A4A4A4A4A4AFBD220204DBF77DEDEDEDEDEDEDEDE77BF
          4D202022595959595959595959595959222022CF73843B3B3B8473CF222237F0
          8C8585858CF03722222273683030306873222221211E1D1D1D1D1D1D1D1D1D1D
          1D1D1E212121211E1D1D1D1D1D1D1D1D1D1D1D1D1E212121211E1D1D1D1D1D1D
          1D1D1D1D1D1D1E212122D37B835B202020202020202020202020202020202020
          20202020202020202020202020202020205B837BD32220202020202020202020
          2020202020202020202020202020202020202020000020D2509B9BF351515151
          F39B9B50D220204DBF77DEAFC2C2C2C2AFDE77BF4D202022DBDBDBAFC2C2C2C2
          AFDBDBDB222022CFDBE69E9E9EE6DBCF222237F03CE4E4E43CF0372222229627
          3030302796222220202222222222222222222222222222202020202222222222
          222222222222222222202020202222222222222222222222222222202022D37B
          835B202020202020202020202020202020202020202020202020202020202020
          20202020205B837BD32220202020202020202020202020202020202020202020
          2020202020202020000020D250C6C6515151515151C6C650D220204DBFF0EEC2
          C2C2C2C2C2EEF0BF4D202022737373C2C2C2C2C2C2737373222022CF59E69E9E
          9EE659CF2222377AFCA6A6A6FC7A37222222F227E7E7E727F2222220628694CF
          CFCFCFCFCFCFCFCFCF94D17620208E28D437373737373737373737D4C2762020
          CA76E022222222222222222222E062242022D37B835B20202020202020202020
          202020202020202020202020202020202020202020202020205B837BD3222020
          20202020202020202020202020202020202020202020202020202020000020D2
          D56C6CE5E5E5E5E5E56C6CD5D220204DBFF03DE5E5E5E5E5E53DF0BF4D202022
          9696967C7C7C7C7C7C969696222022CF9B32272727329BCF222237DE4CA6A6A6
          4CDE372222227127E7E7E727712222228660A0F29673DB599BC66CFEFBBC6D9A
          22222828C8F977F0F07ADEEE3D6CFEC6E5C22222765EA253DB7396F271C15BA0
          A0A88A622222D37B835B20202020202020202020202020202020202020202020
          202020202020202020202020205B837BD3222020202020202020202020202020
          20202020202020202020202020202020000020D2D5FEFE444444444444FEFED5
          D220204DBFF23D4444444444443DF2BF4D202022AEAEAE7C7C7C7C7C7CAEAEAE
          222022CFC63227272732C6CF222237EEBFF8F8F8BFEE37222222C19EE7E7E79E
          C1222222948471F29684E6E6323232FEFB508F942222D4C8C9F9778C3CFC4CBF
          A76CFEA56CD42222E0545953DB682727279E9EA0A0FCA8E02222D37B835B2020
          2020202020202020202020202020202020202020202020202020202020202020
          205B837BD3222020202020202020202020202020202020202020202020202020
          20202020000020D2D5EDED444444444444EDEDD5D220204DA77A6C4444444444
          446C7AA74D202022A2A2A2D8D8D8D8D8D8A2A2A2222022CF6C32272727326CCF
          2222373DA7F8F8F8A73D372222225B9EB8B8B89E5B222222CF5B71F2963B9E9E
          272727FEFB50D5CF222237C9C9F97785E4A6A6F8F86CFEA5D5372222224A5953
          DB3030E7E7E7B8A0A0FC80222222D37B835B2020202020202020202020202020
          2020202020202020202020202020202020202020205B837BD322202020202020
          202020202020202020202020202020202020202020202020000020D282FBFBF7
          ACACACACF7FBFB82D220204DA77AFEF7ACACACACF7FE7AA74D202022C1C1C12B
          616161612BC1C1C1222022CFFEFEFEFEFEFEFECF2222376C6C6C6C6C6C6C3722
          2222A0A0A0A0A0A0A0222222CF5B71F2963B9E9E272727FEFB50D5CF222237C9
          C9F97785E4A6A6F8F86CFEA5D5372222224A5953DB3030E7E7E7B8A0A0FC8022
          2222D37B835B2020202020202020202020202020202020202020202020202020
          2020202020202020205B837BD322202020202020202020202020202020202020
          202020202020202020202020000020D2825050505050505050505082D220204D
          A7DBA5A5A5A5A5A5A5A5DBA74D202022696969696969696969696969222022CF
          FBFBFBFBFBFBFBCF222237FEFEFEFEFEFEFE37222222A0A0A0A0A0A0A0222222
          CF5B71F2963B9E9E272727FEFB50D5CF222237C9C9F97785E4A6A6F8F86CFEA5
          D5372222224A5953DB3030E7E7E7B8A0A0FC80222222D37B835B202020202020
          20202020202020202020202020202020202020202020202020202020205B837B
          D322202020202020202020202020202020202020202020202020202020202020
          0000209482D5D5D5D5D5D5D5D5D5D5829420204DA7F25959595959595959F2A7
          4D202022E669696969696969696969E622202294BC5050505050BC942222D4C6
          A5A5A5A5A5C6D42222E0A8FCFCFCFCFCA8E02222948471F29684E6E6323232FE
          FB508F942222D4C8C9F9778C3CFC4CBFA76CFEA56CD42222E0545953DB682727
          279E9EA0A0FCA8E02222D37B835B202020202020202020202020202020202020
          20202020202020202020202020202020205B837BD32220202020202020202020
          2020202020202020202020202020202020202020000020869E82212121212121
          2121829E862020A1E471717171717171717171E4A12020244184848484848484
          84848441242022D16D8FD5D5D58F6DD12222C2E56CD5D5D56CE5C22222628AA8
          808080A88A6222228660A0F29673DB599BC66CFEFBBC6D9A22222828C8F977F0
          F07ADEEE3D6CFEC6E5C22222765EA253DB7396F271C15BA0A0A88A622222D37B
          835B202020202020202020202020202020202020202020202020202020202020
          20202020205B837BD32220202020202020202020202020202020202020202020
          2020202020202020000020F38694D2D2D2D2D2D2D2D29486F32020E4A14D4D4D
          4D4D4D4D4D4D4DA1E4202056242222222222222222222224562020769A94CFCF
          CF949A76202076C2D4373737D4C27620202462E0222222E062242020628694CF
          CFCFCFCFCFCFCFCFCF94D17620208E28D437373737373737373737D4C2762020
          CA76E022222222222222222222E062242022D37B835B20202020202020202020
          202020202020202020202020202020202020202020202020205B837BD3222020
          2020202020202020202020202020202020202020202020202020202000002020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202022222222222222202020202222222222
          2222202020202222222222222220202020222222222222222222222222222220
          2020202222222222222222222222222222202020202222222222222222222222
          222222202022D37B835B20202020202020202020202020202020202020202020
          202020202020202020202020205B837BD3222020202020202020202020202020
          2020202020202020202020202020202000001F0F050303030303030303050F1F
          1F0F050303030303030303050F1F1F0F050303030303030303050F1F1F0F0503
          030303030303030303031F0F0503030303030303030303031F0F050303030303
          0303030303030303030303030303030303050F1F030303030303030303030305
          0F1F0303030303030303030303050F1F20202020202020202022D37B835B2020
          2020202020202020202020202020202020202020202020202020202020202020
          205B837BD3222020202020202020202020202020202020202020202020202020
          2020202000000F090B0A0A0A0A0A0A0A0A0B090F0F0702010101010101010102
          070F0F0601000000000000000001060F0F090B0A0A0A0A0A0A0A0A0A0A0A0F07
          020A0A0A0A0A0A0A0A0A0A0A0F060103030303030303030303030A0A0A0A0A0A
          0A0A0A0A0A0B090F0A0A0A0A0A0A0A0A0A0A0A02070F03030303030303030303
          0301060F20202020202020202022D37B835B2020202020202020202020202020
          2020202020202020202020202020202020202020205B837BD322202020202020
          2020202020202020202020202020202020202020202020200000050B1B212121
          21212121211B0B05050204050505050505050504020505010405050505050505
          05040105050B1B21212121212121212121210502042121212121212121212121
          050104212121212121212121212121212121212121212121211B0B0521212121
          2121212121212104020521212121212121212121210401052020202020202020
          2022D37B835B2020202020202020202020202020202020202020202020202020
          2020202020202020205B837BD322202020202020202020202020202020202020
          2020202020202020202020200000030A212121212121212121210A03030A2121
          21212121212121210A030303212121212121212121210303030A212121212121
          2121212121210301052121212121212121212121030005212121212121212121
          21212121212121212121212121210A0321212121212121212121210501032121
          21212121212121212105000320202020202020202022D37B835B202020202020
          20202020202020202020202020202020202020202020202020202020205B837B
          D322202020202020202020202020202020202020202020202020202020202020
          0000030A212121212121212121210A03030A212121212121212121210A030303
          212121212121212121210303030A212121212121212121212121030105212121
          2121212121212121030005212121212121212121212121212121212121212121
          21210A0321212121212121212121210501032121212121212121212121050003
          20202020202020202022D37B835B202020202020202020202020202020202020
          20202020202020202020202020202020205B837BD32220202020202020202020
          20202020202020202020202020202020202020200000030A2121212121212121
          21210A03030A212121212121212121210A030303212121212121212121210303
          030A212121212121212121212121030105212121212121212121212103000521
          212121212121212121212121212121212121212121210A032121212121212121
          212121050103212121212121212121212105000320202020202020202022D37B
          835B202020202020202020202020202020202020202020202020202020202020
          20202020205B837BD32220202020202020202020202020202020202020202020
          20202020202020200000030A212121212121212121210A03030A212121212121
          212121210A030303212121212121212121210303030A21212121212121212121
          2121030105212121212121212121212103000521212121212121212121212121
          212121212121212121210A032121212121212121212121050103212121212121
          212121212105000320202020202020202022D37B835B20202020202020202020
          202020202020202020202020202020202020202020202020205B837BD3222020
          202020202020202020202020202020202020202020202020202020200000030A
          212121212121212121210A03030A212121212121212121210A03030321212121
          2121212121210303030A21212121212121212121212103010521212121212121
          2121212103000521212121212121212121212121212121212121212121210A03
          2121212121212121212121050103212121212121212121212105000320202020
          202020202022D37B835B20202020202020202020202020202020202020202020
          202020202020202020202020205B837BD3222020202020202020202020202020
          202020202020202020202020202020200000030A212121212121212121210A03
          030A212121212121212121210A030303212121212121212121210303030A2121
          2121212121212121212103010521212121212121212121210300052121212121
          2121212121212121212121212121212121210A03212121212121212121212105
          0103212121212121212121212105000320202020202020202022D37B835B2020
          2020202020202020202020202020202020202020202020202020202020202020
          205B837BD3222020202020202020202020202020202020202020202020202020
          202020200000030A212121212121212121210A03030A21212121212121212121
          0A030303212121212121212121210303030A2121212121212121212121210301
          0521212121212121212121210300052121212121212121212121212121212121
          2121212121210A03212121212121212121212105010321212121212121212121
          2105000320202020202020202022D37B835B2020202020202020202020202020
          2020202020202020202020202020202020202020205B837BD322202020202020
          2020202020202020202020202020202020202020202020200000030A21212121
          2121212121210A03030A212121212121212121210A0303032121212121212121
          21210303030A2121212121212121212121210301052121212121212121212121
          03000521212121212121212121212121212121212121212121210A0321212121
          2121212121212105010321212121212121212121210500032020202020202020
          2022D37B835B2020202020202020202020202020202020202020202020202020
          2020202020202020205B837BD322202020202020202020202020202020202020
          2020202020202020202020200000030A212121212121212121210A03030A2121
          21212121212121210A030303212121212121212121210303050B1B2121212121
          2121212121210502042121212121212121212121050104212121212121212121
          212121212121212121212121211B0B0521212121212121212121210402052121
          21212121212121212104010520202020202020202022D37B835B202020202020
          20202020202020202020202020202020202020202020202020202020205B837B
          D322202020202020202020202020202020202020202020202020202020202020
          0000030A212121212121212121210A03030A212121212121212121210A030303
          2121212121212121212103030F090B0A0A0A0A0A0A0A0A0A0A0A0F07020A0A0A
          0A0A0A0A0A0A0A0A0F060103030303030303030303030A0A0A0A0A0A0A0A0A0A
          0A0B090F0A0A0A0A0A0A0A0A0A0A0A02070F030303030303030303030301060F
          20202020202020202022D37B835B202020202020202020202020202020202020
          20202020202020202020202020202020205B837BD32220202020202020202020
          20202020202020202020202020202020202020200000030A2121212121212121
          21210A03030A212121212121212121210A030303212121212121212121210303
          1F0F0503030303030303030303031F0F0503030303030303030303031F0F0503
          030303030303030303030303030303030303030303050F1F0303030303030303
          030303050F1F0303030303030303030303050F1F20202020202020202022D37B
          835B202020202020202020202020202020202020202020202020202020202020
          20202020205B837BD32220202020202020202020202020202020202020202020
          2020202020202020000063636363636363636363636363633737373737373737
          3737373737376363636363636363636363636363636363636363636363636363
          6363373737373737373737373737373763636363636363636363636363636363
          6363636363636363636363633737373737373737373737373737636363636363
          636363636363636320202020202020202022D37B835B20202020202020202020
          202020202020202020202020202020202020202020202020205B837BD3222020
          2020202020202020202020202020202020202020202020202020202000006386
          8F21212121212121218F866337C387A9A9A9A9A9A9A9A987C337637428DFDFDF
          DFDFDFDFDF28746363868F212121212121212121212137C38721212121212121
          21212121637428212121212121212121212121212121212121212121218F8663
          212121212121212121212187C337212121212121212121212128746320202020
          202020202022D37B835B20202020202020202020202020202020202020202020
          202020202020202020202020205B837BD3222020202020202020202020202020
          202020202020202020202020202020200000638F212020202020202020218F63
          37875823232323232323235887376328D43737373737373737D42863638F2120
          2020202020202020202037875820202020202020202020206328D42020202020
          2020202020202020202020202020202020218F63202020202020202020202058
          87372020202020202020202020D4286320202020202020202022D37B835B2020
          2020202020202020202020202020202020202020202020202020202020202020
          205B837BD3222020202020202020202020202020202020202020202020202020
          2020202000006321202020202020202020202163372120202020202020202020
          21376321202020202020202020202163632120202020202020202020202037A9
          23202020202020202020202063DF372020202020202020202020202020202020
          2020202020202163202020202020202020202023A93720202020202020202020
          2037DF6320202020202020202022D37B835B2020202020202020202020202020
          2020202020202020202020202020202020202020205B837BD322202020202020
          2020202020202020202020202020202020202020202020200000632120202020
          2020202020202163372120202020202020202020213763212020202020202020
          20202163632120202020202020202020202037A9232020202020202020202020
          63DF372020202020202020202020202020202020202020202020216320202020
          2020202020202023A937202020202020202020202037DF632020202020202020
          2022D37B835B2020202020202020202020202020202020202020202020202020
          2020202020202020205B837BD322202020202020202020202020202020202020
          2020202020202020202020200000632120202020202020202020216337212020
          2020202020202020213763212020202020202020202021636321202020202020
          20202020202037A923202020202020202020202063DF37202020202020202020
          20202020202020202020202020202163202020202020202020202023A9372020
          20202020202020202037DF6320202020202020202022D37B835B202020202020
          20202020202020202020202020202020202020202020202020202020205B837B
          D322202020202020202020202020202020202020202020202020202020202020
          0000632120202020202020202020216337212020202020202020202021376321
          202020202020202020202163632120202020202020202020202037A923202020
          202020202020202063DF37202020202020202020202020202020202020202020
          20202163202020202020202020202023A937202020202020202020202037DF63
          20202020202020202022D37B835B202020202020202020202020202020202020
          20202020202020202020202020202020205B837BD32220202020202020202020
          2020202020202020202020202020202020202020000063212020202020202020
          2020216337212020202020202020202021376321202020202020202020202163
          632120202020202020202020202037A923202020202020202020202063DF3720
          2020202020202020202020202020202020202020202021632020202020202020
          20202023A937202020202020202020202037DF6320202020202020202022D37B
          835B202020202020202020202020202020202020202020202020202020202020
          20202020205B837BD32220202020202020202020202020202020202020202020
          2020202020202020000063212020202020202020202021633721202020202020
          2020202021376321202020202020202020202163632120202020202020202020
          202037A923202020202020202020202063DF3720202020202020202020202020
          202020202020202020202163202020202020202020202023A937202020202020
          202020202037DF6320202020202020202022D37B835B20202020202020202020
          202020202020202020202020202020202020202020202020205B837BD3222020
          2020202020202020202020202020202020202020202020202020202000006321
          2020202020202020202021633721202020202020202020202137632120202020
          2020202020202163632120202020202020202020202037A92320202020202020
          2020202063DF3720202020202020202020202020202020202020202020202163
          202020202020202020202023A937202020202020202020202037DF6320202020
          202020202022D37B835B5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B
          5B5B5B5B5B5B5B5B5B5B5B5B5B5B837BD3222020202020202020202020202020
          2020202020202020202020202020202000006321202020202020202020202163
          3721202020202020202020202137632120202020202020202020216363212020
          2020202020202020202037A923202020202020202020202063DF372020202020
          2020202020202020202020202020202020202163202020202020202020202023
          A937202020202020202020202037DF6320202020202020202022D37B7B838383
          8383838383838383838383838383838383838383838383838383838383838383
          83837B7BD3222020202020202020202020202020202020202020202020202020
          2020202000006321202020202020202020202163372120202020202020202020
          21376321202020202020202020202163638F2120202020202020202020203787
          5820202020202020202020206328D42020202020202020202020202020202020
          2020202020218F63202020202020202020202058873720202020202020202020
          20D428632020202020202020202022D37B7B7B7B7B7B7B7B7B7B7B7B7B7B7B7B
          7B7B7B7B7B7B7B7B7B7B7B7B7B7B7B7B7B7B7B7B7B7B7BD32220202020202020
          2020202020202020202020202020202020202020202020200000632120202020
          2020202020202163372120202020202020202020213763212020202020202020
          2020216363868F212121212121212121212137C3872121212121212121212121
          637428212121212121212121212121212121212121212121218F866321212121
          2121212121212187C33721212121212121212121212874632020202020202020
          20202222D3D3D3D3D3D3D3D3D3D3D3D3D3D3D3D3D3D3D3D3D3D3D3D3D3D3D3D3
          D3D3D3D3D3D3D3D3D3D3D3222220202020202020202020202020202020202020
          2020202020202020202020200000632120202020202020202020216337212020
          2020202020202020213763212020202020202020202021636363636363636363
          6363636363633737373737373737373737373737636363636363636363636363
          6363636363636363636363636363636337373737373737373737373737376363
          6363636363636363636363632020202020202020202020202222222222222222
          2222222222222222222222222222222222222222222222222222222222222220
          2020202020202020202020202020202020202020202020202020202020202020
          0000202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020206D6D6D6D6D6D6D6D6D6D6D6D6D6D6D6D6D
          6D6D6D6D6D6D6D6D6D6D6D6D6D6D6D6D6D6D6D20202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020000020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          20202021B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1B1
          B1B1B1B1B1B16D20202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020000020202020202020202020202020202020202020202020
          202020202020202020202020202020202020202020202021FE20202020202020
          20202020202020202020202020202020202020202020202020B16D2020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202000002020
          2020202020202020202020202020202020202020202020202020202020202020
          202020202020202020202021FE20202020202020202020202020202020202020
          20202020202020202020202020B16D2020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202000002020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202021
          FE20202020202020202020202020202020202020202020202020202020202020
          20B16D2020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202000002020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202021FE2020202020202020202020
          202020202020202020202020202020202020202020B16D202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020200000202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202021FE2020202020202020202020202020202020202020202020
          202020202020202020B16D202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020200000202020202020202020202020202020202020
          20202020202020202020202020202020202020202020202020202021FE202020
          2020202020202020202020202020202020202020202020202020202020B16D20
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          0000030A212121212121212121210A03030A212121212121212121210A030303
          21212121212121212121030320202021FE202020202020202020202020202020
          2020202020202020202020202020202020B16D211F212121211F21211F212121
          211F21211F212121211F21212121212121212121212121212121212121212121
          2121212121211F140D17212121211F140D17212121211F140D172121170D141F
          21212121170D141F21212121170D141F21212121212121212121212121212121
          21212121212121212121212020202020202020200000030A2121212121212121
          21210A03030A212121212121212121210A030303212121212121212121210303
          20202021FE202020202020202020202020202020202020202020202020202020
          2020202020B16D170D141F1F140D17170D141F1F140D17170D141F1F140D1721
          211F17171F212121211F17171F212121211F17171F212121211F1305000D1F21
          211F1305000D1F21211F1305000D1F1F0D0005131F21211F0D0005131F21211F
          0D0005131F212121030303030303212103030303030321210303030303032120
          20202020202020200000030A212121212121212121210A03030A212121212121
          212121210A03030321212121212121212121030320202021FE20202020202020
          20202020202020202020202020202020202020202020202020B16D0D00051313
          05000D0D0005131305000D0D0005131305000D211F130505131F21211F130505
          131F21211F130505131F21211F130500051421211F130500051421211F130500
          0514212114050005131F212114050005131F212114050005131F212103030303
          030321210303030303032121030303030303212020202020202020200000030A
          212121212121212121210A03030A212121212121212121210A03030321212121
          212121212121030320202021FE20202020202020202020202020202020202020
          20202020202020202020202020B16D1405000505000514140500050500051414
          050005050005141F1305000005131F1F1305000005131F1F1305000005131F21
          17050005131F212117050005131F212117050005131F21211F13050005172121
          1F130500051721211F1305000517212103030303030321210303030303032121
          030303030303212020202020202020200000030A212121212121212121210A03
          030A212121212121212121210A03030321212121212121212121030320202021
          FE20202020202020202020202020202020202020202020202020202020202020
          20B16D1F1305000005131F1F1305000005131F1F1305000005131F1405000505
          000514140500050500051414050005050005142117050005131F212117050005
          131F212117050005131F21211F130500051721211F130500051721211F130500
          0517212103030303030321210303030303032121030303030303212020202020
          202020200000030A212121212121212121210A03030A21212121212121212121
          0A03030321212121212121212121030320202021FE2020202020202020202020
          202020202020202020202020202020202020202020B16D211F130505131F2121
          1F130505131F21211F130505131F210D0005131305000D0D0005131305000D0D
          0005131305000D211F130500051421211F130500051421211F13050005142121
          14050005131F212114050005131F212114050005131F21210303030303032121
          0303030303032121030303030303212020202020202020200000030A21212121
          2121212121210A03030A212121212121212121210A0303032121212121212121
          2121030320202021FE2020202020202020202020202020202020202020202020
          202020202020202020B16D21211F17171F212121211F17171F212121211F1717
          1F2121170D141F1F140D17170D141F1F140D17170D141F1F140D1721211F1305
          000D1F21211F1305000D1F21211F1305000D1F1F0D0005131F21211F0D000513
          1F21211F0D0005131F2121210303030303032121030303030303212103030303
          0303212020202020202020200000030A212121212121212121210A03030A2121
          21212121212121210A03030321212121212121212121030320202021FE202020
          2020202020202020202020202020202020202020202020202020202020B16D21
          2121212121212121212121212121212121212121212121211F212121211F2121
          1F212121211F21211F212121211F212121211F140D17212121211F140D172121
          21211F140D172121170D141F21212121170D141F21212121170D141F21212121
          2121212121212121212121212121212121212121212121202020202020202020
          0000030A212121212121212121210A03030A212121212121212121210A030303
          21212121212121212121030320202021FE202020202020202020202020202020
          2020202020202020202020202020202020B16D20212020202021202021202020
          2021202021202020202120202020202020202020202020202020202020202020
          2020202020202178CD212020202021EDB921202020202178CD21202021CD7821
          2020202021B9ED212020202021CD782120202020202020202020202020202020
          20202020202020202020202020202020202020200000030A2121212121212121
          21210A03030A212121212121212121210A030303212121212121212121210303
          20202021FE202020202020202020202020202020202020202020202020202020
          2020202020B16D21CD78212178CD2121B9ED2121EDB92121CD78212178CD2120
          2021212121202020202121212120202020212121212020202021782422CD2120
          2021ED284DB921202021782422CD2121CD22247821202021B94D28ED21202021
          CD22247821202020632163216321202037213721372120206321632163212020
          20202020202020200000030A212121212121212121210A03030A212121212121
          212121210A03030321212121212121212121030320202021FE20202020202020
          20202020202020202020202020202020202020202020202020B16DCD22247878
          2422CDB94D28EDED284DB9CD222478782422CD202178CACA7821202021EDA1A1
          ED2120202178CACA78212020217824222478202021ED284D28ED202021782422
          247820207824222478212020ED284D28ED212020782422247821202063216321
          632120203721372137212020632163216321202020202020202020200000050B
          1B21212121212121211B0B050502040505050505050505040205050104050505
          050505050504010520202021FE20202020202020202020202020202020202020
          20202020202020202020202020B16D7824222424222478ED284D28284D28ED78
          24222424222478217824222224782121ED284D4D28ED21217824222224782120
          21CA22247821202021A14D28ED21202021CA22247821202021782422CA212020
          21ED284DA121202021782422CA21202063216321632120203721372137212020
          6321632163212020202020202020202000000F090B0A0A0A0A0A0A0A0A0B090F
          0F0702010101010101010102070F0F0601000000000000000001060F20202021
          FE20202020202020202020202020202020202020202020202020202020202020
          20B16D217824222224782121ED284D4D28ED2121782422222478217824222424
          222478ED284D28284D28ED78242224242224782021CA22247821202021A14D28
          ED21202021CA22247821202021782422CA21202021ED284DA121202021782422
          CA21202063216321632120203721372137212020632163216321202020202020
          2020202000001F0F050303030303030303050F1F1F0F05030303030303030305
          0F1F1F0F050303030303030303050F1F20202021FE2020202020202020202020
          202020202020202020202020202020202020202020B16D202178CACA78212020
          21EDA1A1ED2120202178CACA782120CD222478782422CDB94D28EDED284DB9CD
          222478782422CD20217824222478202021ED284D28ED20202178242224782020
          7824222478212020ED284D28ED21202078242224782120206321632163212020
          3721372137212020632163216321202020202020202020200000632120202020
          2020202020202163372120202020202020202020213763212020202020202020
          2020216320202021FE2020202020202020202020202020202020202020202020
          202020202020202020B16D202021212121202020202121212120202020212121
          21202021CD78212178CD2121B9ED2121EDB92121CD78212178CD212020217824
          22CD21202021ED284DB921202021782422CD2121CD22247821202021B94D28ED
          21202021CD222478212020206321632163212020372137213721202063216321
          6321202020202020202020200000632120202020202020202020216337212020
          20202020202020202137632120202020202020202020216320202021FE202020
          2020202020202020202020202020202020202020202020202020202020B16D20
          2020202020202020202020202020202020202020202020202120202020212020
          2120202020212020212020202021202020202178CD212020202021EDB9212020
          20202178CD21202021CD78212020202021B9ED212020202021CD782120202020
          2020202020202020202020202020202020202020202020202020202020202020
          0000632120202020202020202020216337212020202020202020202021376321
          20202020202020202020216320202021FE202020202020202020202020202020
          2020202020202020202020202020202020B16D1C0A0303030303030303030303
          0A1C1C0A03030303030303030303030A1C1C0A03030303030303030303030A1C
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020000063212020202020202020
          2020216337212020202020202020202021376321202020202020202020202163
          20202021FE202020202020202020202020202020202020202020202020202020
          2020202020B16D0A0C0A0A0A0A0A0A0A0A0A0A0A0C0A0A0A0505050505050505
          0505050A0A0A131F2121212121212121211F130A202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020000063212020202020202020202021633721202020202020
          202020202137632120202020202020202020216320202021FE20202020202020
          20202020202020202020202020202020202020202020202020B16D030A1F2121
          212121212121211F0A030305191A1A1A1A1A1A1A1A1A190503031F2121212121
          2121212121211F03202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202000006321
          2020202020202020202021633721202020202020202020202137632120202020
          202020202020216320202021FE20202020202020202020202020202020202020
          20202020202020202020202020B16D030A21212121212121212121210A030305
          1A2121212121212121211A050303212121212121212121212121210320202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202000006321202020202020202020202163
          3721202020202020202020202137632120202020202020202020216320202021
          FE20202020202020202020202020202020202020202020202020202020202020
          20B16D030A21212121212121212121210A0303051A2121212121212121211A05
          0303212121212121212121212121210320202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202000006321202020202020202020202163372120202020202020202020
          2137632120202020202020202020216320202021FE2020202020202020202020
          202020202020202020202020202020202020202020B16D030A21212121212121
          212121210A0303051A2121212121212121211A05030321212121212121212121
          2121210320202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020202020202020202020
          2020202020202020202020202020202020202020202020200000632120202020
          2020202020202163372120202020202020202020213763212020202020202020
          2020216320202021FE2020202020202020202020202020202020202020202020
          202020202020202020B16D030A21212121212121212121210A0303051A212121
          2121212121211A05030321212121212121212121212121031004030303030303
          0303041010040303030303030303041010040303030303030303041017060303
          0303030303030617170603030303030303030617170603030303030303030617
          2020202020202020202020200000632120202020202020202020216337212020
          20202020202020202137632120202020202020202020216320202021FE202020
          2020202020202020202020202020202020202020202020202020202020B16D03
          0A21212121212121212121210A0303051A2121212121212121211A0503032121
          212121212121212121212103041E21212121212121211E040416161616161616
          16161604041E21212121212121211E04060C0A0A0A0A0A0A0A0A0C0606080505
          0505050505050806061A21212121212121211A06202020202020202020202020
          0000632120202020202020202020216337212020202020202020202021376321
          20202020202020202020216320202021FE202020202020202020202020202020
          2020202020202020202020202020202020B16D030A2121212121212121212121
          0A0303051A2121212121212121211A0503032121212121212121212121212103
          0321212121212121212121030316212121212121212116030321212121212121
          21212103030A21212121212121210A0303051A1A1A1A1A1A1A1A050303212121
          21212121212121032020202020202020202020200000638F2120202020202020
          20218F6337875823232323232323235887376328D43737373737373737D42863
          20202021FE202020202020202020202020202020202020202020202020202020
          2020202020B16D030A21212121212121212121210A0303051A21212121212121
          21211A0503032121212121212121212121212103032121212121212121212103
          031621212121212121211603032121212121212121212103030A212121212121
          21210A0303051A2121212121211A050303212121212121212121210320202020
          2020202020202020000063868F21212121212121218F866337C387A9A9A9A9A9
          A9A9A987C337637428DFDFDFDFDFDFDFDF28746320202021FEFEFEFEFEFEFEFE
          FEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFEB16D030A212121
          21212121212121210A0303051A2121212121212121211A050303212121212121
          2121212121212103032121212121212121212103031621212121212121211603
          032121212121212121212103030A21212121212121210A0303051A2121212121
          211A050303212121212121212121210320202020202020202020202000006363
          6363636363636363636363633737373737373737373737373737636363636363
          6363636363636363202020212121212121212121212121212121212121212121
          21212121212121212121212121216D030A21212121212121212121210A030305
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
          1B13070404111D2121212121212121212121212121212121212121211D1104CF
          CFCFCFCFCFCFCFCFCFCFCFCFCFCF373737373737373737373737373737222222
          2222222222222222222222220321212121212121212121030316212121212121
          21211603032121212121212121212103030A21212121212121210A0303051A1A
          1A1A1A1A1A1A0503032121212121212121212103202020202020202020202020
          0000000818212121212121212121212121212121212121212121180800000518
          1C1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1C1805000021212121212121
          21212121212121212121212121212121212100CFB88221212121212121212182
          B8CF37AF8221212121212121212182AF37222222202020202020202020222222
          041C1D1D1D1D1D1D1D1D1C04041415151515151515151404041C1D1D1D1D1D1D
          1D1D1C04060C0A0A0A0A0A0A0A0A0C0606080505050505050505080606151919
          1919191919191506202020202020202020202020000000081821212121212121
          21212121212121212121212121211808000005181C1F21212121212121212121
          212121212121211F1C1805000021212121212121212121212121212121212121
          21212121212100CF82212020202020202020202182CF37826123232323232323
          2323618237222220202020202020202020202222100403030303030303030410
          1004030303030303030304101004030303030303030304101706030303030303
          0303061717060303030303030303061717060303030303030303061720202020
          2020202020202020000000081821212121212121212121212121212121212121
          21211808000005181C1F21212121212121212121212121212121211F1C180500
          002121212121212121212121212121212121212121212121212100CF21202020
          202020202020202021CF37212320202020202020202023213722202020202020
          2020202020202022636363636363636363636363929292929292929292929292
          222222222222222222222222CFCFCFCFCFCFCFCFCFCFCFCF3737373737373737
          3737373722222222222222222222222220202020202020202020202000000008
          182121212121212121212121212121212121212121211808000005181C1F2121
          2121212121212121212121212121211F1C180500002121212121212121212121
          212121212121212121212121212100CF21202020202020202020202021CF3721
          2320202020202020202023213722202020202020202020202020202263632020
          2020202020206363922323232323232323232392222220202020202020202222
          CF32212121212121212132CF37AE2121212121212121AE372222202020202020
          2020222220202020202020202020202000000008182121212121212121212121
          212121212121212121211808000005181C1F2121212121212121212121212121
          2121211F1C180500002121212121212121212121212121212121212121212121
          212100CF21202020202020202020202021CF3721232020202020202020202321
          3722202020202020202020202020202263202020202020202020206392232020
          2020202020202392222020202020202020202022CF21202020202020202021CF
          3721232323232323232321372220202020202020202020222020202020202020
          2020202000000008182121212121212121212121212121212121212121211808
          000005181C1F21212121212121212121212121212121211F1C18050000212121
          2121212121212121212121212121212121212121212100CF2120202020202020
          2020202021CF3721232020202020202020202321372220202020202020202020
          2020202263202020202020202020206392232020202020202020239222202020
          2020202020202022CF21202020202020202021CF372123202020202020232137
          2220202020202020202020222020202020202020202020200000000818212121
          2121212121212121212121212121212121211808000005181C1F212121212121
          21212121212121212121211F1C18050000212121212121212121212121212121
          2121212121212121212100CF21202020202020202020202021CF372123202020
          2020202020202321372220202020202020202020202020226320202020202020
          20202063922320202020202020202392222020202020202020202022CF212020
          20202020202021CF372123202020202020232137222020202020202020202022
          2020202020202020202020200000000818212121212121212121212121212121
          2121212121211808000005181C1F21212121212121212121212121212121211F
          1C180500002121212121212121212121212121212121212121212121212100CF
          21202020202020202020202021CF372123202020202020202020232137222020
          2020202020202020202020226320202020202020202020639223202020202020
          20202392222020202020202020202022CF21202020202020202021CF37212320
          2020202020232137222020202020202020202022202020202020202020202020
          0000000818212121212121212121212121212121212121212121180800000518
          1C1F21212121212121212121212121212121211F1C1805000021212121212121
          21212121212121212121212121212121212100CF212020202020202020202020
          21CF372123202020202020202020232137222020202020202020202020202022
          6320202020202020202020639223202020202020202023922220202020202020
          20202022CF21202020202020202021CF37212320202020202023213722202020
          2020202020202022202020202020202020202020000000081821212121212121
          21212121212121212121212121211808000005181C1F21212121212121212121
          212121212121211F1C1805000021212121212121212121212121212121212121
          21212121212100CF21202020202020202020202021CF37212320202020202020
          2020232137222020202020202020202020202022632020202020202020202063
          922320202020202020202392222020202020202020202022CF21202020202020
          202021CF37212320202020202023213722202020202020202020202220202020
          2020202020202020000000081821212121212121212121212121212121212121
          21211808000005181C1F21212121212121212121212121212121211F1C180500
          002121212121212121212121212121212121212121212121212100CF21202020
          202020202020202021CF37212320202020202020202023213722202020202020
          2020202020202022632020202020202020202063922320202020202020202392
          222020202020202020202022CF21202020202020202021CF3721232020202020
          2023213722202020202020202020202220202020202020202020202000000008
          182121212121212121212121212121212121212121211808000005181C1F2121
          2121212121212121212121212121211F1C180500002121212121212121212121
          212121212121212121212121212100CF82212020202020202020202182CF3782
          6123232323232323232361823722222020202020202020202020222263202020
          2020202020202063922320202020202020202392222020202020202020202022
          CF21202020202020202021CF3721232323232323232321372220202020202020
          2020202220202020202020202020202000000008182121212121212121212121
          212121212121212121211808000005181C1F2121212121212121212121212121
          2121211F1C180500002121212121212121212121212121212121212121212121
          212100CFB88221212121212121212182B8CF37AF8221212121212121212182AF
          3722222222222222222222222222222263912222222222222222916392A3A3A3
          A3A3A3A3A3A3A392222222222222222222222222CF32212121212121212132CF
          37AE2121212121212121AE372222222222222222222222222020202020202020
          2020202000000008182121212121212121212121212121212121212121211808
          000005181C1F21212121212121212121212121212121211F1C18050000212121
          2121212121212121212121212121212121212121212100CFCFCFCFCFCFCFCFCF
          CFCFCFCFCFCF3737373737373737373737373737372222222222222222222222
          2222222263636363636363636363636392929292929292929292929222222222
          2222222222222222CFCFCFCFCFCFCFCFCFCFCFCF373737373737373737373737
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
          2020202020202020202020200000208E8E8E8E8E8E8E8E8E8E8E8E8E8E8E8E8E
          8E8E8E8E8E8E8E8E202037373737373737373737373737373737373737373737
          3737372020222222222222222222222222222222222222222222222222222003
          0A21212121212121212121212121210A0303051A212121212121212121212121
          1A05030321212121212121212121212121212121032121212121212121212121
          2121212121212103051A2121212121212121212121211A050303212121212121
          2121212121212121212103202020202020202020202020202020202020202020
          00008E8E2A5421212121212121212121212121212121212121542A8E8E3737C3
          2BF7F7F7F7F7F7F7F7F7F7F7F7F7F7F7F7F7F7F72BC3373722228BBE82212121
          212121212121212121212121212182BE8B2222030A2121212121212121212121
          2121210A0303051A2121212121212121212121211A0503032121212121212121
          21212121212121210321212121212121212121212121212121212103051A2121
          212121212121212121211A050303212121212121212121212121212121210320
          202020202020202020202020202020202020202000008E2A2121212121212121
          2121212121212121212121212121212A8E37C3F7AC5823232323232323232323
          2323232323232358ACF7C337228B212120202020202020202020202020202020
          20202021218B22030A21212121212121212121212121210A0303051A21212121
          21212121212121211A0503032121212121212121212121212121212103212121
          21212121212121212121212121212103051A2121212121212121212121211A05
          0303212121212121212121212121212121210320202020202020202020202020
          202020202020202000008E542121202020202020202020202020202020202020
          202121548E372BAC232323232323232323232323232323232323232323AC2B37
          22BE2120202020202020202020202020202020202020202021BE22030A212121
          21212121212121212121210A0303051A2121212121212121212121211A050303
          2121212121212121212121212121212103212121212121212121212121212121
          21212103051A2121212121212121212121211A05030321212121212121212121
          2121212121210320202020202020202020202020202020202020202000008E21
          2120202020202020202020202020202020202020202021218E37F75823232323
          232323232323232323232323232323232358F737222020202020202020202020
          202020202020202020202020202022030A21212121212121212121212121210A
          0303051A2121212121212121212121211A050303212121212121212121212121
          212121210321212121212121212121212121212121212103051A212121212121
          2121212121211A05030321212121212121212121212121212121032020202020
          2020202020202020202020202020202000008E21212020202020202020202020
          2020202020202020202021218E37F72323232020202020202020202020202020
          202020232323F737222020202020202020202020202020202020202020202020
          202022030A21212121212121212121212121210A030305192121212121212121
          2121212119050303212121212121212121212121212121210321212121212121
          212121212121212121212103051A2121212121212121212121211A0503032121
          2121212121212121212121212121032020202020202020202020202020202020
          2020202000008E21212020202020202020202020202020202020202020202121
          8E37F72323232020202020202020202020202020202020232323F73722202020
          2020202020202020202020202020202020202020202022080C16212121212121
          212121212121160C08080911191A1A1A1A1A1A1A1A1A1A191109080819212121
          2121212121212121212121190821212121212121212121212121212121212105
          07161A1A1A1A1A1A1A1A1A1A1A1A160705051D21212121212121212121212121
          211D0520202020202020202020202020202020202020202000008E2121202020
          20202020202020202020202020202020202021218E37F7232323202020202020
          2020202020202020202020232323F73722202020202020202020202020202020
          202020202020202020202216060C0A0A0A0A0A0A0A0A0A0A0A0A0C0616160609
          0505050505050505050505050906161607151919191919191919191919191507
          162121212121212121212121212121212121210F090705050505050505050505
          050507090F0F0B18191919191919191919191919180B0F202020202020202020
          20202020202020202020202000008E2121202020202020202020202020202020
          20202020202021218E37F7232323202020202020202020202020202020202023
          2323F73722202020202020202020202020202020202020202020202020202221
          1608030303030303030303030303081621211608030303030303030303030303
          0816212116080303030303030303030303030816212121212121212121212121
          212121212121211F0F05030303030303030303030303050F1F1F0F0503030303
          0303030303030303050F1F202020202020202020202020202020202020202020
          00008E212120202020202020202020202020202020202020202021218E37F723
          23232020202020202020202020202020202020232323F7372220202020202020
          2020202020202020202020202020202020202220CFCFCFCFCFCFCFCFCFCFCFCF
          CFCFCFCF20203737373737373737373737373737373720202222222222222222
          2222222222222222202020202020202020202020202020202020203737373737
          3737373737373737373737373722222222222222222222222222222222222220
          202020202020202020202020202020202020202000008E212120202020202020
          202020202020202020202020202021218E37F723232320202020202020202020
          20202020202020232323F7372220202020202020202020202020202020202020
          20202020202022CFD2DD822121212121212121212182DDD2CF37D43221212121
          212121212121212132D437222222202020202020202020202020222222202020
          20202020202020202020202020202037DF3521212121212121212121212135DF
          3722222220202020202020202020202022222220202020202020202020202020
          202020202020202000008E212120202020202020202020202020202020202020
          202021218E37F72323232020202020202020202020202020202020232323F737
          222020202020202020202020202020202020202020202020202022CFDD212020
          2020202020202020202021DDCF373273F123232323232323232323F173323722
          2220202020202020202020202020202222202020202020202020202020202020
          2020203735F7232323232323232323232323F735372222202020202020202020
          2020202020222220202020202020202020202020202020202020202000008E21
          2120202020202020202020202020202020202020202021218E37F72323232020
          202020202020202020202020202020232323F737222020202020202020202020
          202020202020202020202020202022CF82202020202020202020202020202082
          CF3721F1202020202020202020202020F1213722202020202020202020202020
          2020202022202020202020202020202020202020202020372123202020202020
          2020202020202321372220202020202020202020202020202020222020202020
          2020202020202020202020202020202000008E21212020202020202020202020
          2020202020202020202021218E37F72323232020202020202020202020202020
          202020232323F737222020202020202020202020202020202020202020202020
          202022CF21202020202020202020202020202021CF3721232020202020202020
          2020202023213722202020202020202020202020202020202220202020202020
          2020202020202020202020372123202020202020202020202020232137222020
          2020202020202020202020202020222020202020202020202020202020202020
          2020202000008E21212020202020202020202020202020202020202020202121
          8E37F72323232020202020202020202020202020202020232323F73722202020
          2020202020202020202020202020202020202020202022CF2120202020202020
          2020202020202021CF3721232020202020202020202020202321372220202020
          2020202020202020202020202220202020202020202020202020202020202037
          2123202020202020202020202020232137222020202020202020202020202020
          20202220202020202020202020202020202020202020202000008E2121202020
          20202020202020202020202020202020202021218E37F7232323202020202020
          2020202020202020202020232323F73722202020202020202020202020202020
          2020202020202020202022CF21202020202020202020202020202021CF372123
          2020202020202020202020202321372220202020202020202020202020202020
          2220202020202020202020202020202020202037212320202020202020202020
          2020232137222020202020202020202020202020202022202020202020202020
          20202020202020202020202000008E2121202020202020202020202020202020
          20202020202021218E37F7232323202020202020202020202020202020202023
          2323F737222020202020202020202020202020202020202020202020202022CF
          21202020202020202020202020202021CF372123202020202020202020202020
          2321372220202020202020202020202020202020222020202020202020202020
          2020202020202037212320202020202020202020202023213722202020202020
          2020202020202020202022202020202020202020202020202020202020202020
          00008E212120202020202020202020202020202020202020202021218E37F723
          23232020202020202020202020202020202020232323F7372220202020202020
          20202020202020202020202020202020202022CF212020202020202020202020
          20202021CF372123202020202020202020202020232137222020202020202020
          2020202020202020222020202020202020202020202020202020203721232020
          2020202020202020202023213722202020202020202020202020202020202220
          202020202020202020202020202020202020202000008E212120202020202020
          202020202020202020202020202021218E37F723232320202020202020202020
          20202020202020232323F7372220202020202020202020202020202020202020
          20202020202022CF21202020202020202020202020202021CF37212320202020
          2020202020202020232137222020202020202020202020202020202022202020
          2020202020202020202020202020203721232020202020202020202020202321
          3722202020202020202020202020202020202220202020202020202020202020
          202020202020202000008E212120202020202020202020202020202020202020
          202021218E37F72323232020202020202020202020202020202020232323F737
          222020202020202020202020202020202020202020202020202022CF21202020
          202020202020202020202021CF37212320202020202020202020202023213722
          2020202020202020202020202020202022202020202020202020202020202020
          2020203721232020202020202020202020202321372220202020202020202020
          2020202020202220202020202020202020202020202020202020202000008E21
          2120202020202020202020202020202020202020202021218E37F72323232020
          202020202020202020202020202020232323F737222020202020202020202020
          202020202020202020202020202022CF21202020202020202020202020202021
          CF37212320202020202020202020202023213722202020202020202020202020
          2020202022202020202020202020202020202020202020372123202020202020
          2020202020202321372220202020202020202020202020202020222020202020
          2020202020202020202020202020202000008E21212020202020202020202020
          2020202020202020202021218E37F72323232020202020202020202020202020
          202020232323F737222020202020202020202020202020202020202020202020
          202022CF21202020202020202020202020202021CF3721232020202020202020
          2020202023213722202020202020202020202020202020202220202020202020
          2020202020202020202020372123202020202020202020202020232137222020
          2020202020202020202020202020222020202020202020202020202020202020
          2020202000008E21212020202020202020202020202020202020202020202121
          8E37F75823232323232323232323232323232323232323232358F73722222222
          2222222222222222222222222222222222222222222222CF2120202020202020
          2020202020202021CF3721232020202020202020202020202321372220202020
          2020202020202020202020202220202020202020202020202020202020202037
          2123202020202020202020202020232137222020202020202020202020202020
          20202220202020202020202020202020202020202020202000008E5421212020
          20202020202020202020202020202020202121548E372BAC2323232323232323
          23232323232323232323232323AC2B3722222222222222222222222222222222
          2222222222222222222222CF82202020202020202020202020202082CF3721F1
          202020202020202020202020F121372220202020202020202020202020202020
          2220202020202020202020202020202020202037212320202020202020202020
          2020232137222020202020202020202020202020202022202020202020202020
          20202020202020202020202000008E2A21212121212121212121212121212121
          212121212121212A8E37C3F7AC58232323232323232323232323232323232358
          ACF7C337222222222222222222222222222222222222222222222222222222CF
          DD2120202020202020202020202021DDCF373273F123232323232323232323F1
          7332372222202020202020202020202020202022222020202020202020202020
          202020202020203735F7232323232323232323232323F7353722222020202020
          2020202020202020202222202020202020202020202020202020202020202020
          00008E8E2A5421212121212121212121212121212121212121542A8E8E3737C3
          2BF7F7F7F7F7F7F7F7F7F7F7F7F7F7F7F7F7F7F72BC337372222222222222222
          22222222222222222222222222222222222222CFD2DD82212121212121212121
          2182DDD2CF37D43221212121212121212121212132D437222222222222222222
          22222222222222222220202020202020202020202020202020202037DF352121
          2121212121212121212135DF3722222222222222222222222222222222222220
          20202020202020202020202020202020202020200000208E8E8E8E8E8E8E8E8E
          8E8E8E8E8E8E8E8E8E8E8E8E8E8E8E8E20203737373737373737373737373737
          3737373737373737373737202022222222222222222222222222222222222222
          2222222222222020CFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCF2020373737373737
          3737373737373737373720202222222222222222222222222222222220202020
          2020202020202020202020202020203737373737373737373737373737373737
          3722222222222222222222222222222222222220202020202020202020202020
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
