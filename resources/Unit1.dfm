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
              08000000000000D80000C40E0000C40E00000001000000000000000000002828
              280040404000646464006868680070707000787878007C7C7C00808080008484
              8400888888008C8C8C00949494009C9C9C00A0A0A000A4A4A400A8A8A800ACAC
              AC00B0B0B000B4B4B400B8B8B800BCBCBC00C0C0C000C4C4C400C8C8C800CCCC
              CC00D0D0D000D4D4D400D8D8D800DCDCDC00E0E0E000E4E4E400E8E8E800ECEC
              EC00F0F0F000F4F4F400F8F8F800FCFCFC00FF00FF00FFFFFF0060421E006143
              1F00614320006B4F2D00755B3B0091663A00917C630092683D009F7A5400A290
              7B00AB8B6900AC8B6A00AF762900B0772B00B8813700BF8A4200C6B09900CC9B
              5900D18C2E00D2A36400D3C2B100D6974300D6984400DCA75F00DEAC6800DFB5
              7D00E2B67A00E2B67B00E3BB8600E5BE8A00E5BF8B00E6C08C00E6C08D00E6C1
              8E00E6C18F00F0EAE400F8F6F300FDFCFB00FDFDFC0000000000000000000000
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
              0000000000000000000000000000000000000000000000000000272727272727
              27272727100A0504030303030303030303030000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              00000303030303030303030304050A1027272727272727272727272727272727
              27272727100A0504030303030303030303030000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              00000303030303030303030304050A1027272727272727272727272727272727
              27272727100A0504030303030303030303030000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              00000303030303030303030304050A1027272727272727272727272727272727
              2727060303030303030303030303030303030000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000030303030303030303030303030303062727272727272727272727272727
              2727060303030303030303030303030303030000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000030303030303030303030303030303062727272727272727272727272727
              2727060303030303030303030303030303030000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000030303030303030303030303030303062727272727272727272727272727
              080303091315110F0F0F0F0F0F0F0F0F0F0F0202020202020202020202020202
              0202020202020202020202020202020202020202020202020202020202020202
              02020F0F0F0F0F0F0F0F0F0F0F11151309030308272727272727272727272727
              080303090D0D0C0B0B0B0B0B0B0B0B0B0B0B0101010101010101010101010101
              0101010101010101010101010101010101010101010101010101010101010101
              01010B0B0B0B0B0B0B0B0B0B0B0C0D0D09030308272727272727272727272727
              0803030919212727272727272727272727271010101010101010101010101010
              1010101010101010101010101010101010101010101010101010101010101010
              1010272727272727272727272727211909030308272727272727272727272704
              0309150F0F0F0F0F0F0F0F0F0F0F0F0F0F0F0202020202020202020202020202
              0202020202020202020202020202020202020202020202020202020202020202
              02020F0F0F0F0F0F0F0F0F0F0F0F0F0F0F150903042727272727272727272704
              03070D0B0B0B0B0B0B0B0B0B0B0B0B0B0B0B0101010101010101010101010101
              0101010101010101010101010101010101010101010101010101010101010101
              01010B0B0B0B0B0B0B0B0B0B0B0B0B0B0B0D0703042727272727272727272704
              03091F2727272727272727272727272727271010101010101010101010101010
              1010101010101010101010101010101010101010101010101010101010101010
              10102727272727272727272727272727271F0903042727272727272727270403
              0F110F111D272727272727272727272727271A1A1A1A1A1A1A1A1A1A1A1A1A1A
              1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A
              1A1A272727272727272727272727271D110F110F030427272727272727270403
              0D0B0B0C131D2327272727272727272727270E0E0E0E0E0E0E0E0E0E0E0E0E0E
              0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E
              0E0E2727272727272727272727231D130C0B0B0D030427272727272727270403
              1327272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272713030427272727272727040313
              0F0F1D2727272727272727272727272727271A1A1A1A1A1A1A1A1A1A1A1A1A1A
              1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A
              1A1A2727272727272727272727272727271D0F0F13030427272727272704030D
              0B0B132327272727272727272727272727271212121212121212121212121212
              1212121212121212121212121212121212121212121212121212121212121212
              1212272727272727272727272727272723130B0B0D030427272727272704031D
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              27272727272727272727272727272727272727271D0304272727272708030F0F
              0F25272727272727272727272727272727271A1A1A1A1A1A1A1A1A1A1A1A1A1A
              1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A
              1A1A27272727272727272727272727272727250F0F0F03082727272708030D0B
              0B1B272727272727272727272727272727271616161616161616161616161616
              1616161616161616161616161616161616161616161616161616161616161616
              1616272727272727272727272727272727271B0B0B0D03082727272708031527
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727150308272727270309110F
              2527272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              27272727272727272727272727272727272727250F1109032727272703070B0B
              1B27272727272727272727272727272727271818181818181818181818181818
              1818181818181818181818181818181818181818181818181818181818181818
              181827272727272727272727272727272727271B0B0B07032727272703092727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272709032727270603150F1D
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              27272727272727272727272727272727272727271D0F150306272706030D0B13
              2727272727272727272727272727272727271C1C1C1C1C1C1C1C1C1C1C1C1C1C
              1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C
              1C1C272727272727272727272727272727272727130B0D030627270603272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              27272727272727272727272727272727272727272727270306272703090F1127
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727110F0903272703090B0C23
              2727272727272727272727272727272727271E1E1E1E1E1E1E1E1E1E1E1E1E1E
              1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E
              1E1E272727272727272727272727272727272727230C0B090327270309272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              27272727272727272727272727272727272727272727270903271003130F1D27
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727271D0F13031010030D0B1327
              2727272727272727272727272727272727272020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              202027272727272727272727272727272727272727130B0D031010031D272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              27272727272727272727272727272727272727272727271D03100A03150F2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270F15030A0A030D0B1D27
              2727272727272727272727272727272727272222222222222222222222222222
              2222222222222222222222222222222222222222222222222222222222222222
              2222272727272727272727272727272727272727271D0B0D030A0A0327272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727272727030A0503110F2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270F11030505030C0B2327
              2727272727272727272727272727272727272424242424242424242424242424
              2424242424242424242424242424242424242424242424242424242424242424
              242427272727272727272727272727272727272727230B0C0305050327272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727272727030504030F0F2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270F0F030404030B0B2727
              2727272727272727272727272727272727272424242424242424242424242424
              2424242424242424242424242424242424242424242424242424242424242424
              242427272727272727272727272727272727272727270B0B0304040327272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727272727030403030F0F2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270F0F030303030B0B2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270B0B0303030327272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727272727030303030F0F2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270F0F030303030B0B2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270B0B0303030327272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727272727030303030F0F2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270F0F030303030B0B2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270B0B0303030327272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727272727030303030F0F2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270F0F030303030B0B2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270B0B0303030327272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727272727030303030F0F2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270F0F030303030B0B2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270B0B0303030327272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727272727030303030F0F2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270F0F030303030B0B2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270B0B0303030327272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727272727030303030F0F2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270F0F030303030B0B2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270B0B0303030327272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727272727030303030F0F2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270F0F030303030B0B2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270B0B0303030327272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727272727030303030F0F2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270F0F030303030B0B2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270B0B0303030327272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727272727030303030F0F2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270F0F030303030B0B2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270B0B0303030327272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270303000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727270000000002021A1A
              1A27272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727271A1A1A02020000000001010E12
              16181C1E20222424272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727242422201E1C1816120E01010000000027272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727272727000003030F0F2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270F0F030303030B0B2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270B0B0303030327272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727272727030303030F0F2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270F0F030303030B0B2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270B0B0303030327272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727272727030303030F0F2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270F0F030303030B0B2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270B0B0303030327272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727272727030303030F0F2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270F0F030303030B0B2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270B0B0303030327272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727272727030303030F0F2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270F0F030303030B0B2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270B0B0303030327272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727272727030303030F0F2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270F0F030303030B0B2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270B0B0303030327272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727272727030303030F0F2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270F0F030303030B0B2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270B0B0303030327272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727272727030303030F0F2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270F0F030303030B0B2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270B0B0303030327272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727272727030303030F0F2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270F0F030303030B0B2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270B0B0303030327272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727272727030303030F0F2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270F0F030303030B0B2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270B0B0303030327272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727272727030304030F0F2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270F0F030404030B0B2727
              2727272727272727272727272727272727272424242424242424242424242424
              2424242424242424242424242424242424242424242424242424242424242424
              242427272727272727272727272727272727272727270B0B0304040327272727
              2727272727272727272727272727272727272424242424242424242424242424
              2424242424242424242424242424242424242424242424242424242424242424
              24242727272727272727272727272727272727272727272703040503110F2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270F11030505030C0B2327
              2727272727272727272727272727272727272424242424242424242424242424
              2424242424242424242424242424242424242424242424242424242424242424
              242427272727272727272727272727272727272727230B0C0305050327272727
              2727272727272727272727272727272727272424242424242424242424242424
              2424242424242424242424242424242424242424242424242424242424242424
              24242727272727272727272727272727272727272727272703050A03150F2727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727270F15030A0A030D0B1D27
              2727272727272727272727272727272727272222222222222222222222222222
              2222222222222222222222222222222222222222222222222222222222222222
              2222272727272727272727272727272727272727271D0B0D030A0A0327272727
              2727272727272727272727272727272727272424242424242424242424242424
              2424242424242424242424242424242424242424242424242424242424242424
              242427272727272727272727272727272727272727272727030A1003130F1D27
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727271D0F13031010030D0B1327
              2727272727272727272727272727272727272020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              202027272727272727272727272727272727272727130B0D031010031D272727
              2727272727272727272727272727272727272222222222222222222222222222
              2222222222222222222222222222222222222222222222222222222222222222
              22222727272727272727272727272727272727272727271D03102703090F1127
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727110F0903272703090B0C23
              2727272727272727272727272727272727271E1E1E1E1E1E1E1E1E1E1E1E1E1E
              1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E
              1E1E272727272727272727272727272727272727230C0B090327270309272727
              2727272727272727272727272727272727272020202020202020202020202020
              2020202020202020202020202020202020202020202020202020202020202020
              2020272727272727272727272727272727272727272727090327270603150F1D
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              27272727272727272727272727272727272727271D0F150306272706030D0B13
              2727272727272727272727272727272727271C1C1C1C1C1C1C1C1C1C1C1C1C1C
              1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C
              1C1C272727272727272727272727272727272727130B0D030627270603252727
              2727272727272727272727272727272727271E1E1E1E1E1E1E1E1E1E1E1E1E1E
              1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E1E
              1E1E27272727272727272727272727272727272727272503062727270309110F
              2527272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              27272727272727272727272727272727272727250F1109032727272703070B0B
              1B27272727272727272727272727272727271818181818181818181818181818
              1818181818181818181818181818181818181818181818181818181818181818
              181827272727272727272727272727272727271B0B0B07032727272703092727
              2727272727272727272727272727272727271C1C1C1C1C1C1C1C1C1C1C1C1C1C
              1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C1C
              1C1C272727272727272727272727272727272727272709032727272708030F0F
              0F25272727272727272727272727272727271A1A1A1A1A1A1A1A1A1A1A1A1A1A
              1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A
              1A1A27272727272727272727272727272727250F0F0F03082727272708030D0B
              0B1B272727272727272727272727272727271616161616161616161616161616
              1616161616161616161616161616161616161616161616161616161616161616
              1616272727272727272727272727272727271B0B0B0D03082727272708031527
              2727272727272727272727272727272727271A1A1A1A1A1A1A1A1A1A1A1A1A1A
              1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A
              1A1A272727272727272727272727272727272727271503082727272727040313
              0F0F1D2727272727272727272727272727271A1A1A1A1A1A1A1A1A1A1A1A1A1A
              1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A
              1A1A2727272727272727272727272727271D0F0F13030427272727272704030D
              0B0B132327272727272727272727272727271212121212121212121212121212
              1212121212121212121212121212121212121212121212121212121212121212
              1212272727272727272727272727272723130B0B0D0304272727272727040319
              2727272727272727272727272727272727271818181818181818181818181818
              1818181818181818181818181818181818181818181818181818181818181818
              1818272727272727272727272727272727272727190304272727272727270403
              0F110F111D272727272727272727272727271A1A1A1A1A1A1A1A1A1A1A1A1A1A
              1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A
              1A1A272727272727272727272727271D110F110F030427272727272727270403
              0D0B0B0C131D2327272727272727272727270E0E0E0E0E0E0E0E0E0E0E0E0E0E
              0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E
              0E0E2727272727272727272727231D130C0B0B0D030427272727272727270403
              1327272727272727272727272727272727271414141414141414141414141414
              1414141414141414141414141414141414141414141414141414141414141414
              1414272727272727272727272727272727272713030427272727272727272704
              0309150F0F0F0F0F0F0F0F0F0F0F0F0F0F0F0202020202020202020202020202
              0202020202020202020202020202020202020202020202020202020202020202
              02020F0F0F0F0F0F0F0F0F0F0F0F0F0F0F150903042727272727272727272704
              03070D0B0B0B0B0B0B0B0B0B0B0B0B0B0B0B0101010101010101010101010101
              0101010101010101010101010101010101010101010101010101010101010101
              01010B0B0B0B0B0B0B0B0B0B0B0B0B0B0B0D0703042727272727272727272704
              0309212727272727272727272727272727271212121212121212121212121212
              1212121212121212121212121212121212121212121212121212121212121212
              1212272727272727272727272727272727210903042727272727272727272727
              080303091315110F0F0F0F0F0F0F0F0F0F0F0202020202020202020202020202
              0202020202020202020202020202020202020202020202020202020202020202
              02020F0F0F0F0F0F0F0F0F0F0F11151309030308272727272727272727272727
              080303090D0D0C0B0B0B0B0B0B0B0B0B0B0B0101010101010101010101010101
              0101010101010101010101010101010101010101010101010101010101010101
              01010B0B0B0B0B0B0B0B0B0B0B0C0D0D09030308272727272727272727272727
              0803030917212527272727272727272727270E0E0E0E0E0E0E0E0E0E0E0E0E0E
              0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E
              0E0E272727272727272727272725211709030308272727272727272727272727
              2727060303030303030303030303030303030000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000030303030303030303030303030303062727272727272727272727272727
              2727060303030303030303030303030303030000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000030303030303030303030303030303062727272727272727272727272727
              2727060303030303030303030303030303030000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000030303030303030303030303030303062727272727272727272727272727
              27272727100A0504030303030303030303030000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              00000303030303030303030304050A1027272727272727272727272727272727
              27272727100A0504030303030303030303030000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              00000303030303030303030304050A1027272727272727272727272727272727
              27272727100A0504030303030303030303030000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              00000303030303030303030304050A1027272727272727272727262626262626
              262626262D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D
              2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D
              2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D26262626262626262626262626262626
              2626262634343434343434343434343434343434343434343434343434343434
              3434343434343434343434343434343434343434343434343434343434343434
              3434343434343434343434343434343426262626262626262626262626262626
              2626262628282828282828282828282828282828282828282828282828282828
              2828282828282828282828282828282828282828282828282828282828282828
              2828282828282828282828282828282826262626262626262626262626262626
              26262D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D
              2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D
              2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2626262626262626262626262626
              2626343434343434343434343434343434343434343434343434343434343434
              3434343434343434343434343434343434343434343434343434343434343434
              3434343434343434343434343434343434342626262626262626262626262626
              2626282828282828282828282828282828282828282828282828282828282828
              2828282828282828282828282828282828282828282828282828282828282828
              2828282828282828282828282828282828282626262626262626262626262626
              2D2D2D2F333C4B4D272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727274D4B3C332F2D2D2D262626262626262626262626
              34343435373B4145474747474747474747474747474747474747474747474747
              4747474747474747474747474747474747474747474747474747474747474747
              47474747474747474747474745413B3735343434262626262626262626262626
              2828282A2C312727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727312C2A28282826262626262626262626262D
              2D2F384E27272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727274E382F2D2D2626262626262626262634
              3435394648494A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A
              4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A
              4A4A4A4A4A4A4A4A4A4A4A4A4A4A494846393534342626262626262626262628
              28292E2727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              27272727272727272727272727272727272E2928282626262626262626262D2D
              304C272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727274C302D2D26262626262626263434
              36444948423F3E27272727272727272727273A3A3A3A3A3A3A3A3A3A3A3A3A3A
              3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A
              3A3A27272727272727272727273E3F4248494436343426262626262626262828
              2B27272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              262627272727272727272727272727272727272B2828262626262626262D2D32
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727322D2D262626262626343437
              4849433D27272727272727272727272727273A3A3A3A3A3A3A3A3A3A3A3A3A3A
              3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A
              3A3A27272727272727272727272727273D434948373434262626262626282828
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              262627272727272727272727272727272727272728282826262626262D2D3027
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727302D2D2626262634343648
              4940272727272727272727272727272727273A3A3A3A3A3A3A3A3A3A3A3A3A3A
              3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A
              3A3A272727272727272727272727272727274049483634342626262628282827
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              262627272727272727272727272727272727272727282828262626262D2F4C27
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626272727272727272727272727272727272727274C2F2D2626262634354449
              4027272727272727272727272727272727273A3A3A3A3A3A3A3A3A3A3A3A3A3A
              3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A
              3A3A272727272727272727272727272727272740494435342626262628282727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626272727272727272727272727272727272727272728282626262D2D382727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262727272727272727272727272727272727272727382D2D26263434394943
              2727272727272727272727272727272727273A3A3A3A3A3A3A3A3A3A3A3A3A3A
              3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A
              3A3A272727272727272727272727272727272727434939343426262828272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626272727272727272727272727272727272727272727282826262D2F4E2727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              262627272727272727272727272727272727272727274E2F2D2626343546483D
              2727272727272727272727272727272727273A3A3A3A3A3A3A3A3A3A3A3A3A3A
              3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A
              3A3A2727272727272727272727272727272727273D4846353426262828272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262727272727272727272727272727272727272727272828262D2D33272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626272727272727272727272727272727272727272727332D2D343437484227
              2727272727272727272727272727272727273A3A3A3A3A3A3A3A3A3A3A3A3A3A
              3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A
              3A3A272727272727272727272727272727272727274248373434282828272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262727272727272727272727272727272727272727272828282D2D3C272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262727272727272727272727272727272727272727273C2D2D34343B493F27
              2727272727272727272727272727272727273A3A3A3A3A3A3A3A3A3A3A3A3A3A
              3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A
              3A3A272727272727272727272727272727272727273F493B3434282827272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262727272727272727272727272727272727272727272728282D2D4B272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262727272727272727272727272727272727272727274B2D2D3434414A3E27
              2727272727272727272727272727272727273A3A3A3A3A3A3A3A3A3A3A3A3A3A
              3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A
              3A3A272727272727272727272727272727272727273E4A413434282827272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262727272727272727272727272727272727272727272728282D2D4D272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262727272727272727272727272727272727272727274D2D2D3434454A2727
              2727272727272727272727272727272727273A3A3A3A3A3A3A3A3A3A3A3A3A3A
              3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A
              3A3A27272727272727272727272727272727272727274A453434282827272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262727272727272727272727272727272727272727272728282D2D27272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626272727272727272727272727272727272727272727272D2D3434474A2727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              262627272727272727272727272727272727272727274A473434282827272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262727272727272727272727272727272727272727272728282D2D27272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626272727272727272727272727272727272727272727272D2D3434474A2727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              262627272727272727272727272727272727272727274A473434282827272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262727272727272727272727272727272727272727272728282D2D27272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626272727272727272727272727272727272727272727272D2D3434474A2727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              262627272727272727272727272727272727272727274A473434282827272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262727272727272727272727272727272727272727272728282D2D27272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626272727272727272727272727272727272727272727272D2D3434474A2727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              262627272727272727272727272727272727272727274A473434282827272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262727272727272727272727272727272727272727272728282D2D27272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626272727272727272727272727272727272727272727272D2D3434474A2727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              262627272727272727272727272727272727272727274A473434282827272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262727272727272727272727272727272727272727272728282D2D27272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626272727272727272727272727272727272727272727272D2D3434474A2727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              262627272727272727272727272727272727272727274A473434282827272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262727272727272727272727272727272727272727272728282D2D27272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626272727272727272727272727272727272727272727272D2D3434474A2727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              262627272727272727272727272727272727272727274A473434282827272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262727272727272727272727272727272727272727272728282D2D27272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626272727272727272727272727272727272727272727272D2D3434474A2727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              262627272727272727272727272727272727272727274A473434282827272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262727272727272727272727272727272727272727272728282D2D27272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626272727272727272727272727272727272727272727272D2D3434474A2727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              262627272727272727272727272727272727272727274A473434282827272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262727272727272727272727272727272727272727272728282D2D27272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626272727272727272727272727272727272727272727272D2D3434474A2727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              262627272727272727272727272727272727272727274A473434282827272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262727272727272727272727272727272727272727272728282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2726262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262627272727272D2D3434474A3A3A
              3A3A3A3A3A3A3A3A262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626263A3A3A3A3A3A3A3A3A3A4A473434282826262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262626262626262626262626262626262626262626262628282D2D27272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626272727272727272727272727272727272727272727272D2D3434474A2727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              262627272727272727272727272727272727272727274A473434282827272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262727272727272727272727272727272727272727272728282D2D27272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626272727272727272727272727272727272727272727272D2D3434474A2727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              262627272727272727272727272727272727272727274A473434282827272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262727272727272727272727272727272727272727272728282D2D27272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626272727272727272727272727272727272727272727272D2D3434474A2727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              262627272727272727272727272727272727272727274A473434282827272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262727272727272727272727272727272727272727272728282D2D27272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626272727272727272727272727272727272727272727272D2D3434474A2727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              262627272727272727272727272727272727272727274A473434282827272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262727272727272727272727272727272727272727272728282D2D27272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626272727272727272727272727272727272727272727272D2D3434474A2727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              262627272727272727272727272727272727272727274A473434282827272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262727272727272727272727272727272727272727272728282D2D27272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626272727272727272727272727272727272727272727272D2D3434474A2727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              262627272727272727272727272727272727272727274A473434282827272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262727272727272727272727272727272727272727272728282D2D27272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626272727272727272727272727272727272727272727272D2D3434474A2727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              262627272727272727272727272727272727272727274A473434282827272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262727272727272727272727272727272727272727272728282D2D27272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626272727272727272727272727272727272727272727272D2D3434474A2727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              262627272727272727272727272727272727272727274A473434282827272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262727272727272727272727272727272727272727272728282D2D27272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626272727272727272727272727272727272727272727272D2D3434474A2727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              262627272727272727272727272727272727272727274A473434282827272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262727272727272727272727272727272727272727272728282D2D27272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626272727272727272727272727272727272727272727272D2D3434474A2727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              262627272727272727272727272727272727272727274A473434282827272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262727272727272727272727272727272727272727272728282D2D4D272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262727272727272727272727272727272727272727274D2D2D3434454A2727
              2727272727272727272727272727272727273A3A3A3A3A3A3A3A3A3A3A3A3A3A
              3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A
              3A3A27272727272727272727272727272727272727274A453434282827272727
              2727272727272727272727272727272727272828282828282828282828282828
              2828282828282828282828282828282828282828282828282828282828282828
              28282727272727272727272727272727272727272727272728282D2D4B272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262727272727272727272727272727272727272727274B2D2D3434414A3E27
              2727272727272727272727272727272727273A3A3A3A3A3A3A3A3A3A3A3A3A3A
              3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A
              3A3A272727272727272727272727272727272727273E4A413434282827272727
              2727272727272727272727272727272727272828282828282828282828282828
              2828282828282828282828282828282828282828282828282828282828282828
              28282727272727272727272727272727272727272727272728282D2D3C272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262727272727272727272727272727272727272727273C2D2D34343B493F27
              2727272727272727272727272727272727273A3A3A3A3A3A3A3A3A3A3A3A3A3A
              3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A
              3A3A272727272727272727272727272727272727273F493B3434282827272727
              2727272727272727272727272727272727272828282828282828282828282828
              2828282828282828282828282828282828282828282828282828282828282828
              28282727272727272727272727272727272727272727272728282D2D33272727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626272727272727272727272727272727272727272727332D2D343437484227
              2727272727272727272727272727272727273A3A3A3A3A3A3A3A3A3A3A3A3A3A
              3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A
              3A3A272727272727272727272727272727272727274248373434282828272727
              2727272727272727272727272727272727272828282828282828282828282828
              2828282828282828282828282828282828282828282828282828282828282828
              2828272727272727272727272727272727272727272727282828262D2F4E2727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              262627272727272727272727272727272727272727274E2F2D2626343546483D
              2727272727272727272727272727272727273A3A3A3A3A3A3A3A3A3A3A3A3A3A
              3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A
              3A3A2727272727272727272727272727272727273D4846353426262828272727
              2727272727272727272727272727272727272828282828282828282828282828
              2828282828282828282828282828282828282828282828282828282828282828
              2828272727272727272727272727272727272727272727282826262D2D382727
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              26262727272727272727272727272727272727272727382D2D26263434394943
              2727272727272727272727272727272727273A3A3A3A3A3A3A3A3A3A3A3A3A3A
              3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A
              3A3A272727272727272727272727272727272727434939343426262828282727
              2727272727272727272727272727272727272828282828282828282828282828
              2828282828282828282828282828282828282828282828282828282828282828
              282827272727272727272727272727272727272727272828282626262D2F4C27
              2727272727272727272727272727272727272626262626262626262626262626
              2626262626262626262626262626262626262626262626262626262626262626
              2626272727272727272727272727272727272727274C2F2D2626262634354449
              4027272727272727272727272727272727273A3A3A3A3A3A3A3A3A3A3A3A3A3A
              3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A
              3A3A272727272727272727272727272727272740494435342626262628282727
              2727272727272727272727272727272727272828282828282828282828282828
              2828282828282828282828282828282828282828282828282828282828282828
              282827272727272727272727272727272727272727272828262626262D2D3027
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727272727272727302D2D2626262634343648
              4940272727272727272727272727272727273A3A3A3A3A3A3A3A3A3A3A3A3A3A
              3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A
              3A3A272727272727272727272727272727274049483634342626262628282827
              2727272727272727272727272727272727272828282828282828282828282828
              2828282828282828282828282828282828282828282828282828282828282828
              28282727272727272727272727272727272727272728282826262626262D2D32
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727322D2D262626262626343437
              4849433D27272727272727272727272727273A3A3A3A3A3A3A3A3A3A3A3A3A3A
              3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A
              3A3A27272727272727272727272727273D434948373434262626262626282828
              2727272727272727272727272727272727272828282828282828282828282828
              2828282828282828282828282828282828282828282828282828282828282828
              2828272727272727272727272727272727272727282828262626262626262D2D
              304C272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727274C302D2D26262626262626263434
              36444948423F3E27272727272727272727273A3A3A3A3A3A3A3A3A3A3A3A3A3A
              3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A3A
              3A3A27272727272727272727273E3F4248494436343426262626262626262828
              2827272727272727272727272727272727272828282828282828282828282828
              2828282828282828282828282828282828282828282828282828282828282828
              282827272727272727272727272727272727272828282626262626262626262D
              2D2F384E27272727272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              272727272727272727272727272727274E382F2D2D2626262626262626262634
              3435394648494A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A
              4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A4A
              4A4A4A4A4A4A4A4A4A4A4A4A4A4A494846393534342626262626262626262628
              2828282727272727272727272727272727272828282828282828282828282828
              2828282828282828282828282828282828282828282828282828282828282828
              2828272727272727272727272727272727282828282626262626262626262626
              2D2D2D2F333C4B4D272727272727272727272727272727272727272727272727
              2727272727272727272727272727272727272727272727272727272727272727
              2727272727272727272727274D4B3C332F2D2D2D262626262626262626262626
              34343435373B4145474747474747474747474747474747474747474747474747
              4747474747474747474747474747474747474747474747474747474747474747
              47474747474747474747474745413B3735343434262626262626262626262626
              2828282828282827272727272727272727272828282828282828282828282828
              2828282828282828282828282828282828282828282828282828282828282828
              2828272727272727272727272728282828282828262626262626262626262626
              26262D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D
              2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D
              2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2626262626262626262626262626
              2626343434343434343434343434343434343434343434343434343434343434
              3434343434343434343434343434343434343434343434343434343434343434
              3434343434343434343434343434343434342626262626262626262626262626
              2626282828282828282828282828282828282828282828282828282828282828
              2828282828282828282828282828282828282828282828282828282828282828
              2828282828282828282828282828282828282626262626262626262626262626
              262626262D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D
              2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D
              2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D26262626262626262626262626262626
              2626262634343434343434343434343434343434343434343434343434343434
              3434343434343434343434343434343434343434343434343434343434343434
              3434343434343434343434343434343426262626262626262626262626262626
              2626262628282828282828282828282828282828282828282828282828282828
              2828282828282828282828282828282828282828282828282828282828282828
              2828282828282828282828282828282826262626262626262626}
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
          0800101010001818180028282800303030003838380040404000505050006060
          600064646400686868006C6C6C007070700074747400787878007C7C7C008080
          800084848400888888008C8C8C009090900094949400989898009C9C9C00A0A0
          A000A4A4A400A8A8A800ACACAC00B0B0B000B4B4B400B8B8B800BCBCBC00C0C0
          C000C4C4C400C8C8C800CCCCCC00D0D0D000D4D4D400D8D8D800E0E0E000E4E4
          E400E8E8E800ECECEC00F0F0F000F4F4F400F8F8F800FCFCFC00FF00FF00FFFF
          FF0060421E00D18C2E00775D3D00D8D7E10014166000D9C2A900C3904C008A56
          26009A7A5600DAA97E00B29E8700B37D3F0024319E00B1703300D2A16300BFA7
          8C00A7754300E7D7C50031317500FAF2E900644521003E48A400AF762900828F
          DC00A26E3C00F7D4AA00FEEEDB00F1BD800073615B00BA824E00D59945009864
          2D00A8917600F7E0C70095693C006C6A9400CDB398008654260097A6EB00EEC9
          A10086501F00F7E9DA00EEAD6400F0D2AD00C67F3C00A5672D002A3EB600FCF8
          F300BA7D2B00DFAC7C003B50CB006F75B300BE9677009E836500F6E7D800E9DD
          D000F0D4BA00AB7F480090775A00A5A2B200F6E6D500C4A17F00B48F6700DAA6
          5E00A0602A0086684600E8CCAD00AB7949001A1E8000ECC39800724C2200DDBA
          8C00D4A66E00BE7A3800C1CCF700E2BE9600FAF0E400EBECF600A0622C00B585
          5200A87735008D725100F2DBC000F3E1CF00ECD3BA00F1B67300D3935600F1EE
          EB00BC843800DFB58800CC8C4E00A0ABE200F9DCBA00CB995F0047467C00FBE5
          CC005A70DE00FDFCFB00B28A6300BC9771006B4E2C00DEC6AE008A6D4B00C080
          4000C8AC8F00E8BD9300BDA28400AA6B2F00F6F1EB003344B5007F5B2D00D6BE
          A400CC8747007180DC00A2744600EACFB4002536AA00F7E9DC00EBA55500F2DF
          CB0091663A008E5C2800B8763600967045008482A100D8AF77009E673000F6CF
          A100ECE3DB00EEDAC500DEBCA000E2C6A4002F46C600FEF4E900D7995E004C4E
          89004C61D500EFD4B40023298D00DFCFBE00F0DCC800C7A88800AF875F00CEAB
          7F00DCC9B700B37B3100B57A2A00EED7C000BE9F7D002D379000F3EBE300A77B
          4F00A16A3500BD802E008A99E500C3976600D19D5800A5B3EF00C39A6C00B796
          7300515EB9005B5C91008B623600F9D8B100BCAFA000171B6D007C624400F8EC
          E000A0714300FCE2C40096703E009C6E4000FDFAF7007B532300E6C18E00CBBF
          B100A86B3600E99F4B0056538000F4E4D300D59A4B00F1D9BA00C58D4300BA89
          460069492300AB825900BD7B3E00DB9F6600D5BA9E005D6CC900CB9B6900F8EB
          DE00B6936E00BE8B5A00AA784700FAF4ED00A2896C00E5B88E00945F2A00D1B1
          8D00745735007A789B00FDE8D100D08D4F00FBF5EF0000000000303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030300000303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          0000303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          30303030303030303030303030303030303030300000311D1716050505051617
          1D31303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          303030303030303000001D241E1E080808081E1E241D30303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          303030303030303030303030303030303030303030303030303030300000171E
          31313131313131311E1730303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030306EFED96E6EFED96E6EFED96E6EFE
          D96E303037979797979797979797979737303030303797979797979797979797
          9737303030303797979797979797979797973730303030303030303030303030
          3030303030303030303030303030303000000508313131313131313108053030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030306E6EFED96E6EFED96E6EFED96E6EFED93042395A5A5A5A5A5A5A
          5A5A5A5A394230304F5F72727272727272727272725F4F3030ADEA3232323232
          323232323232EAAD303030303030303030303030303030303030303030303030
          3030303000000508313131313131313108053030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030D96E6EFED96E
          6EFED96E6EFED96E6EFE42F8F03B3B3B3B3B3B3B3B3B3B3BF0F8424F3F634D4D
          4D4D4D4D4D4D4D4D4D633F4FADDFAC5E5E5E5E5E5E5E5E5E5E5EACDFAD303030
          3030303030303030303030303030303030303030303030300000050831313131
          3131313108053030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030FED96E6EFED96E6EFED96E6EFED96E6E39F0
          FD5E5E5E5E5E5E5E5E5E5E5EFDF0395F635CE3E3E3E3E3E3E3E3E3E3E35C635F
          EAAC5E5E5E5E5E5E5E5E5E5E5E5E5EACEA303030303030303030303030303030
          3030303030303030303030300000171E31313131313131311E17311B15040404
          040404151B313030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          30306EFED96E6EFED96E6EFED96E6EFED96E5A8BA2A2A2A2A2A2A2A2A2A2A2A2
          A28B5A7277A8A8A8A8A8A8A8A8A8A8A8A8A87772327B7B7B7B7B7B7B7B7B7B7B
          7B7B7B7B32303030303030303030303030303030303030303030303030303030
          00001D241E1E080808081E1E241D1B221E0808080808081E221B303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          303030303030303030303030303030303030303030306E6EFED96E6EFED96E6E
          FED96E6EFED95A8BFDFDFDFDFDFDFDFDFDFDFDFDFD8B5A72775C5C5C5C5C5C5C
          5C5C5C5C5C5C777232ACACACACACACACACACACACACACACAC3230303030303030
          30303030303030303030303030303030303030300000311D1716050505051617
          1D31042E31313131313131312E04310331303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          30303030303030303030D96E6EFED96E6EFED96E6EFED96E6EFE5AF788888888
          888888888888888888F75A72B15C5C5C5C5C5C5C5C5C5C5C5C5CB17232ACACAC
          ACACACACACACACACACACACAC3230303030303030303030303030303030303030
          3030303030303030000030A4A4A4A4A4A4A4A4A4A430042E3131313131313131
          2E04310331303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          303030303030303030303030303030303030303030303030303030303030FED9
          6E6EFED96E6EFED96E6EFED96E6E5A7DB8B8B8B8B8B8B8B8B8B8B8B8B87D5A72
          B187878787878787878787878787B172323F3F3F3F3F3F3F3F3F3F3F3F3F3F3F
          323030303030303030303030303030303030303030303030303030300000A49A
          93313131313131939AA41B2D31272727272727312D1B31033130303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030306EFED96E6EFED96E6EFED96E6EFE
          D96E5A77EDEDEDEDEDEDEDEDEDEDEDEDED775A724B4D4D4D4D4D4D4D4D4D4D4D
          4D4D4B72323F3F3F3F3F3F3F3F3F3F3F3F3F3F3F323030303030303030303030
          303030303030303030303030303030300000A493313130303030313193A4311B
          15040404040404151B3131033130303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030306E6EFED96E6EFED96E6EFED96E6EFED95ABBF7F7F7F7F7F7F7F7
          F7F7F7F7F7BB5A72DBB1B1B1B1B1B1B1B1B1B1B1B1B1DB72329D9D9D9D9D9D9D
          9D9D9D9D9D9D9D9D323030303030303030303030303030303030303030303030
          303030300000A431303030303030303031A43075757575757575757575303103
          3131313131313030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030D96E6EFED96E
          6EFED96E6EFED96E6EFE5A6A9B9B9B9B9B9B9B9B9B9B9B9B9B6A5A72DB4B4B4B
          4B4B4B4B4B4B4B4B4B4BDB72325F5F5F5F5F5F5F5F5F5F5F5F5F5F5F32303030
          3030303030303030303030303030303030303030303030300000A43130303030
          3030303031A4759A93313131313131939A753075300303030303303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030FED96E6EFED96E6EFED96E6EFED96E6E5AE7
          77777777777777777777777777E75A7291D5D5D5D5D5D5D5D5D5D5D5D5D59172
          325F5F5F5F5F5F5F5F5F5F5F5F5F5F5F32303030303030303030303030303030
          3030303030303030303030300000A431303030303030303031A4757530303030
          3030303075753075303131313131303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          30306EFED96E6EFED96E6EFED96E6EFED96E5A84595959595959595959595959
          59845A72FC8E8E8E8E8E8E8E8E8E8E8E8E8EFC72328080808080808080808080
          8080808032303030303030303030303030303030303030303030303030303030
          0000A493313130303030313193A4757530303030303030307575307530303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          303030303030303030303030303030303030303030306E6EFED96E6EFED96E6E
          FED96E6EFED9ABB55D59595959595959595959595DB5ABE2E7DBDBDBDBDBDBDB
          DBDBDBDBDBDBE7E2465739393939393939393939393939574630303030303030
          30303030303030303030303030303030303030300000A49A9331313131313193
          9AA475A43132323232323231A475307530757575757530303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          30303030303030303030D96E6EFED96E6EFED96E6EFED96E6EFE814A74535353
          5353535353535353744A81CD4F844C4C4C4C4C4C4C4C4C4C4C844FCDD4EA5757
          5757575757575757575757EAD430303030303030303030303030303030303030
          3030303030303030000030A4A4A4A4A4A4A4A4A4A43030757575757575757575
          7530307530303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          303030303030303030303030303030303030303030303030303030303030FED9
          6E6EFED96E6EFED96E6EFED96E6E3081AB5A5A5A5A5A5A5A5A5A5A5AAB813030
          CDE27272727272727272727272E2CD3030D446323232323232323232323246D4
          3030303030303030303030303030303030303030303030303030303000003125
          1917171717171717171717171925313125191717171717171717171717192531
          3125191717171717171717171717192531303125191717171717171717171717
          1925313125191717171717171717171717192531312519171717171717171717
          1717192531303125191717171717171717171717192531312519171717171717
          1717171717192531312519171717171717171717171719253130312519171717
          1717171717171717192531312519171717171717171717171719253131251917
          1717171717171717171719253130303000002306000000000000000000000000
          0006232306000000000000000000000000000623230600000000000000000000
          0000000623302306000000000000000000000000000623230600000000000000
          0000000000000623230600000000000000000000000000062330230600000000
          0000000000000000000623230600000000000000000000000000062323060000
          0000000000000000000000062330230600000000000000000000000000062323
          0600000000000000000000000000062323060000000000000000000000000006
          2330303000000600000000000000000000000000000006060000000000000000
          0000000000000006060000000000000000000000000000000630060000000000
          0000000000000000000006060000000000000000000000000000000606000000
          0000000000000000000000000630060000000000000000000000000000000606
          0000000000000000000000000000000606000000000000000000000000000000
          0630060000000000000000000000000000000606000000000000000000000000
          0000000606000000000000000000000000000000063030300000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000030000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0030000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000003000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000003030300000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0030000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000003000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000003000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000303030
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000003000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000003000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000300000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000303030000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000003000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000300000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000300000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000303030000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000300000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000300000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000300000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000030303000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000300000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000300000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000030000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000030303000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000300000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000030000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000030000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0030303000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000030000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000030000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0030000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000003030300000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000030000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0030000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000003000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000003030300000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0030000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000003000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000003000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000303030
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000003000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000003000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000300000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000303030000007000000000000000000
          0000000000000707000000000000000000000000000000070700000000000000
          0000000000000000073007000000000000000000000000000000070700000000
          0000000000000000000000070700000000000000000000000000000007300700
          0000000000000000000000000000070700000000000000000000000000000007
          0700000000000000000000000000000007300700000000000000000000000000
          0000070700000000000000000000000000000007070000000000000000000000
          000000000730303000002E0700000000000000000000000000072E2E07000000
          00000000000000000000072E2E0700000000000000000000000000072E302E07
          00000000000000000000000000072E2E0700000000000000000000000000072E
          2E0700000000000000000000000000072E302E07000000000000000000000000
          00072E2E0700000000000000000000000000072E2E0700000000000000000000
          000000072E302E0700000000000000000000000000072E2E0700000000000000
          000000000000072E2E0700000000000000000000000000072E30303000003031
          3131313131313131313131313131303031313131313131313131313131313130
          3031313131313131313131313131313130303031313131313131313131313131
          3131303031313131313131313131313131313130303131313131313131313131
          3131313130303031313131313131313131313131313130303131313131313131
          3131313131313130303131313131313131313131313131313030303131313131
          3131313131313131313130303131313131313131313131313131313030313131
          3131313131313131313131313030303000009ECA395A5A5A5A5A5A5A5A5A5A5A
          39CA9EF5EC5F72727272727272727272725FECF59ED4EA323232323232323232
          3232EAD49E309ECA395A5A5A5A5A5A5A5A5A5A5A39CA9EF5EC5F727272727272
          72727272725FECF59ED4EA3232323232323232323232EAD49E309ECA395A5A5A
          5A5A5A5A5A5A5A5A39CA9EF5EC5F72727272727272727272725FECF59ED4EA32
          32323232323232323232EAD49E309ECA395A5A5A5A5A5A5A5A5A5A5A39CA9E7F
          3E767676767676767676767676763E7F7FC7D73636363636363636363636D7C7
          7F3030300000CAF8F03B3B3B3B3B3B3B3B3B3B3BF0F8CAEC3F634D4D4D4D4D4D
          4D4D4D4D4D633FECD4DFACACB0B0B0B0B0B0B0B0B0ACACDFD430CAF8F03B3B3B
          3B3B3B3B3B3B3B3BF0F8CAEC3F634D4D4D4D4D4D4D4D4D4D4D633FECD4DFAC5E
          5E5E5E5E5E5E5E5E5E5EACDFD430CAF8F03B3B3B3B3B3B3B3B3B3B3BF0F8CAEC
          3F634D4D4D4D4D4D4D4D4D4D4D633FECD4DFAC5E5E5E5EE2B0B0E25E5E5EACDF
          D430CAF8F03B3B3B3B3B3B3B3B3B3B3BF0F8CA3EBCEFA3A3A3A3A3A3A3A3A3A3
          A3EFBC3EC77660B6B69FB6B6B6B6B69FB6B66076C7303030000039F0FDACB0B0
          B0B0B0B0B0B0B0ACFDF0395F635CFD3D3D3D3D3D3D3D3D3DFD5C635FEAAC5EB0
          F531313131313131F5B05EACEA3039F0FD5E5E5E5E5E5E5E5E5E5E5EFDF0395F
          635CE3E3E3E3E3E3E3E3E3E3E35C635FEAAC5E5E3FB05151515151B03F5E5EAC
          EA3039F0FD5E5E5E5EE2B0B0E25E5E5EFDF0395F635CE3E3E3E3993D3D99E3E3
          E35C635FEAAC5E5E5E5E5E513131515E5E5E5EACEA3039F0FD5E5EEC5E5E5E5E
          5EEC5E5EFDF03976EFBAB6B69FB6B6B6B6B69FB6B6BAEF76D760B6B690FBB99F
          B69FB9FB90B6B660D730303000005A8BA2CAF531313131313131F5CAA28B5A72
          77A83DFE31313131313131FE3DA87772327B7B51315151515151515131517B7B
          32305A8BA2A23DCACACACACACACA3DA2A28B5A7277A8A8FD3D3D3D3D3D3D3DFD
          A8A87772327B7B7B51DE3131313131DE517B7B7B32305A8BA2A2A2A2A2CA3131
          CAA2A2A2A28B5A7277A8A8A8A8A83D31313DA8A8A8A87772327B7B7B7B7B7B51
          3131517B7B7B7B7B32305A8BA2A24AD14299A29942D14AA2A28B5A76496464B9
          AEB9646464B9AEB9646449763660609FFB3135B947B93531FB9F606036303030
          00005A8BFD4A314A4A4A4A4A4A4A314AFD8B5A72775C3D313D3D3D3D3D3D3D31
          3D5C777232ACAC513151ACACACACAC513151ACAC32305A8BFDFD4A9331313131
          31934AFDFD8B5A72775C5C3D933131313131933D5C5C777232ACACAC51DE3131
          313131DE51ACACAC32305A8BFDFDFDFDFD4A31314AFDFDFDFD8B5A72775C5C5C
          5C5C3D31313D5C5C5C5C777232ACACACACACAC51F8F851ACACACACAC32305A8B
          FDA2953169429942693195A2FD8B5A76496464AE3135D3D2D33531AE64644976
          3660606090353135E4353135906060603630303000005AF78842314288888888
          8842314288F75A72B15C8131815C5C5C5C5C8131815CB17232ACACF831F8ACAC
          ACACACF831F8ACAC32305AF788884293313131313193428888F75A72B15C5C81
          93313131313193815C5CB17232ACACAC5FF8F8F8F8F8F8F85FACACAC32305AF7
          8888888888424A4A4288888888F75A72B15C5C5C5C5C4F6B6B4F5C5C5C5CB172
          32ACACACACACACF83131F8ACACACACAC32305AF78888F4693169C9693169F488
          88F75A76CCBABAD335313555353135D3BABACC7636606060609035312E313590
          606060603630303000005A7DB8423142B8B8B8B8B8423142B87D5A72B1878131
          81878787878781318187B172323F3FF831F83F3F3F3F3FF831F83F3F32305A7D
          B8B84F424242424242424FB8B87D5A72B187874081818181818181408787B172
          323F3F3F3F3F3F3F3F3F3F3F3F3F3F3F32305A7DB8B8B8B8B842313142B8B8B8
          B87D5A72B187878787878131318187878787B172323F3F3F3F3F3FF83131AB51
          3F3F3F3F32305A7DB8B888C96931933169C988B8B87D5A76CCBABABAD335312F
          3135D3BABABACC763660606060C7E42E312EE4C7606060603630303000005A77
          ED753175EDEDEDEDED753175ED775A724B4DF331F34D4D4D4D4DF331F34D4B72
          323F3FAB31AB3F3F3F3F3FAB31AB3F3F32305A77EDEDEDEDEDEDEDEDEDEDEDED
          ED775A724B4D4D4D4D4D4D4D4D4D4D4D4D4D4B72323F3F3F3F3F3F3F3F3F3F3F
          3F3F3F3F32305A77EDEDEDEDED7531314281EDEDED775A724B4D4D4D4D4DF331
          31818F4D4D4D4B72323F3F3F3F3F3F51AB3131AB513F3F3F32305A77EDEDEDF3
          EB933193EBF3EDEDED775A7658929292EF552F312F55EF929292587636A6A6A6
          A69035312E313590A6A6A6A63630303000005ABBF7C031C0F7F7F7F7F7C031C0
          F7BB5A72DBB1953195B1B1B1B1B1953195B1DB72329D9DAB31ABABABABABABAB
          31AB9D9D32305ABBF7F7F7F7F7F7F7F7F7F7F7F7F7BB5A72DBB1B1B1B1B1B1B1
          B1B1B1B1B1B1DB72329D9D9D9D9D9D9D9D9D9D9D9D9D9D9D32305ABBF7F7F7F7
          F795EB3131EB95F7F7BB5A72DBB1B1B1B1B1C170313170C1B1B1DB72329D9D9D
          9DF8ABABAB393131AB9D9D9D32305ABBF7F73B70B2319331B2703BF7F7BB5A76
          CFCCCC49FB28312F3128FB49CCCCCF7636A6A6A690353135E435313590A6A6A6
          3630303000005A6A9B9431C09494949494C031949B6A5A72DB4B9531F2959595
          9595F231954BDB72325F5F39313131313131313131395F5F32305A6A9B9B9B9B
          9B9B9B9B9B9B9B9B9B6A5A72DB4B4B4B4B4B4B4B4B4B4B4B4B4BDB72325F5F5F
          5F5F5F5F5F5F5F5F5F5F5F5F32305A6A9B9B9BD09494C0C03131949B9B6A5A72
          DB4B4B4BC19595F2F23131954B4BDB72325F5F5F5F39313139393131395F5F5F
          32305A6A9BF770B231B2F2B231B270F79B6A5A767CCCCCAE283128AE283128AE
          CCCC7C7636A6A63EFB313590C7903531FB3EA6A63630303000005AE777703131
          313131313131317077E75A7291D59531313131313131313195D59172325F5F39
          9E313131313131319E395F5F32305AE777777777777777777777777777E75A72
          91D5D5D5D5D5D5D5D5D5D5D5D5D59172325F5F5F5F5F5F5F5F5F5F5F5F5F5F5F
          32305AE777777770313194943131707777E75A7291D5D5D5953131D1D1313195
          D5D59172325F5F5F5FAB573131313157AB5F5F5F32305AE7778B9A31B2F2C1F2
          B2319A8B77E75A767C58CC6D3129AE49AE29316DCC587C76363E3E3E44FB903E
          3E3E90FB443E3E3E3630303000005A8459F2613131313131313161F259845A72
          FC8EC6613131313131313161C68EFC72328080F8575757575757575757F88080
          32305A8459595959595959595959595959845A72FC8E8E8E8E8E8E8E8E8E8E8E
          8E8EFC723280808080808080808080808080808032305A845959596F94313131
          31946F5959845A72FC8E8E8EF9D131313131D1F98E8EFC72328080808080AB57
          575757AB8080808032305A845977959AD17D597DD19A957759845A767C5858AE
          6DAE585858AE6DAE58587C76363E3E3E3E3E3E3E3E3E3E3E3E3E3E3E36303030
          0000ABB55DF9D1F2F2F2F2F2F2F2D1F95DB5ABE2E7DBB59CC6C6C6C6C6C6C69C
          B5DBE7E2465739393939393939393939393939574630ABB55D59595959595959
          595959595DB5ABE2E7DBDBDBDBDBDBDBDBDBDBDBDBDBE7E24657393939393939
          39393939393939574630ABB55D5959596FF2F2F2F26F59595DB5ABE2E7DBDBDB
          DBF9C6C6C6C6F9DBDBDBE7E2465739393939393939393939393939574630ABB5
          5D59597D59595959597D59595DB5ABBC8DCFCFCF8DCFCFCFCFCF8DCFCFCF8DBC
          36444444444444444444444444444444363030300000F44A7453535353535353
          53535353744AF4F34F844C4C4C4C4C4C4C4C4C4C4C844FF378EA575757575757
          57575757575757EA7830F44A745353535353535353535353744AF4F34F844C4C
          4C4C4C4C4C4C4C4C4C844FF378EA57575757575757575757575757EA7830F44A
          745353535353535353535353744AF4F34F844C4C4C4C4C4C4C4C4C4C4C844FF3
          78EA57575757575757575757575757EA7830F44A745353535353535353535353
          744AF44747CF7C7C7C7C7C7C7C7C7C7C7CCF4747D7D744444444444444444444
          444444D7D73030300000F3F4AB5A5A5A5A5A5A5A5A5A5A5AABF4F37AF3E27272
          727272727272727272E2F37ADF784632323232323232323232324678DF30F3F4
          AB5A5A5A5A5A5A5A5A5A5A5AABF4F37AF3E27272727272727272727272E2F37A
          DF784632323232323232323232324678DF30F3F4AB5A5A5A5A5A5A5A5A5A5A5A
          ABF4F37AF3E27272727272727272727272E2F37ADF7846323232323232323232
          32324678DF30F3F4AB5A5A5A5A5A5A5A5A5A5A5AABF4F3D247BC767676767676
          7676767676BC47D276D736363636363636363636363636D77630303000003030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303000003131313131313131313131313131
          3131313131313131313131313131313131313131313131313131313131313131
          3131313131313131313131313131313131313131313131313131313131313131
          3131313131313131313131313131313131313030313131313131313131313131
          3131313131313131313131313131313131313131313131313131313131313131
          3131313130313131313131313131313131313131313131313131313131313131
          3131313131313131313131313131313131313131313030303030303030303030
          3030303000003131313131313131313131313131313131313131313131313131
          3131313131313131313131313131313131313131313131313131313131313131
          3131313131313131313131313131313131313131313131313131313131313131
          3131313131313030313131313131313131313131313131313131313131313131
          3131313131313131313131313131313131313131313131313031313131313131
          3131313131313131313131313131313131313131313131313131313131313131
          3131313131313131313030303030303030303030303030300000313131313131
          3131313131313131313131313131313131313131313131313131313131313131
          3131313131313131313131313131313131313131313131313131313131313131
          3131313131313131313131313131313131313131313131313131303031313131
          3131313131313131313131313131313131313131313131313131313131313131
          3131313131313131313131313031313131313131313131313131313131313131
          3131313131313131313131313131313131313131313131313131313131303030
          3030303030303030303030300000312102000000000000000000000221313121
          0200000000000000000000022131312102000000000000000000000221313121
          0200000000000000000000022131312102000000000000000000000221313121
          0200000000000000000000022131303031313131250601000001062531313131
          3131313125060100000106253131313131313131250601000001062531313131
          3031313131250601000001062531313131313131312506010000010625313131
          3131313131250601000001062531313131303030303030303030303030303030
          0000310200000000000000000000000002313102000000000000000000000000
          0231310200000000000000000000000002313102000000000000000000000000
          0231310200000000000000000000000002313102000000000000000000000000
          023130303131310B00000000000000000B3131313131310B0000000000000000
          0B3131313131310B00000000000000000B313131303131310B00000000000000
          000B3131313131310B00000000000000000B3131313131310B00000000000000
          000B313131303030303030303030303030303030000031000000000000000000
          0000000000313100000000000000000000000000003131000000000000000000
          0000000000313100000000000000000000000000003131000000000000000000
          00000000003131000000000000000000000000000031303031310B0000000000
          00000000000B313131310B000000000000000000000B313131310B0000000000
          00000000000B31313031310B000000000000000000000B313131310B00000000
          0000000000000B313131310B000000000000000000000B313130303030303030
          3030303030303030000031000000000000000000000000000031310000000000
          0000000000000000003131000000000000000000000000000031310000000000
          0000000000000000003131000000000000000000000000000031310000000000
          0000000000000000003130303125000000000000000000000000253131250000
          0000000000000000000025313125000000000000000000000000253130312500
          0000000000000000000000253131250000000000000000000000002531312500
          0000000000000000000000253130303030303030303030303030303000003100
          0000000000000000000000000031310000000000000000000000000000313100
          0000000000000000000000000031310000000000000000000000000000313100
          0000000000000000000000000031310000000000000000000000000000313030
          3106000000000000000000000000063131060000000000000000000000000631
          3106000000000000000000000000063130310600000000000000000000000006
          3131060000000000000000000000000631310600000000000000000000000006
          3130303030303030303030303030303000003100000000000000000000000000
          0031310000000000000000000000000000313100000000000000000000000000
          0031310000000000000000000000000000313100000000000000000000000000
          0031310000000000000000000000000000313030310100000000000000000000
          0000013131010000000000000000000000000131310100000000000000000000
          0000013130310100000000000000000000000001313101000000000000000000
          0000000131310100000000000000000000000001313030303030303030303030
          3030303000003100000000000000000000000000003131000000000000000000
          0000000000313100000000000000000000000000003131000000000000000000
          0000000000313100000000000000000000000000003131000000000000000000
          0000000000313030310000000000000000000000000000313100000000000000
          0000000000000031310000000000000000000000000000313031000000000000
          0000000000000000313100000000000000000000000000003131000000000000
          0000000000000000313030303030303030303030303030300000310000000000
          0000000000000000003131000000000000000000000000000031310000000000
          0000000000000000003131000000000000000000000000000031310000000000
          0000000000000000003131000000000000000000000000000031303031000000
          0000000000000000000000313100000000000000000000000000003131000000
          0000000000000000000000313031000000000000000000000000000031310000
          0000000000000000000000003131000000000000000000000000000031303030
          3030303030303030303030300000310000000000000000000000000000313100
          0000000000000000000000000031310000000000000000000000000000313100
          0000000000000000000000000031310000000000000000000000000000313100
          0000000000000000000000000031303031010000000000000000000000000131
          3101000000000000000000000000013131010000000000000000000000000131
          3031010000000000000000000000000131310100000000000000000000000001
          3131010000000000000000000000000131303030303030303030303030303030
          0000310000000000000000000000000000313100000000000000000000000000
          0031310000000000000000000000000000313100000000000000000000000000
          0031310000000000000000000000000000313100000000000000000000000000
          0031303031060000000000000000000000000631310600000000000000000000
          0000063131060000000000000000000000000631303106000000000000000000
          0000000631310600000000000000000000000006313106000000000000000000
          0000000631303030303030303030303030303030000031000000000000000000
          0000000000313100000000000000000000000000003131000000000000000000
          0000000000313100000000000000000000000000003131000000000000000000
          0000000000313100000000000000000000000000003130303125000000000000
          0000000000002531312500000000000000000000000025313125000000000000
          0000000000002531303125000000000000000000000000253131250000000000
          0000000000000025313125000000000000000000000000253130303030303030
          3030303030303030000031000000000000000000000000000031310000000000
          0000000000000000003131000000000000000000000000000031310000000000
          0000000000000000003131000000000000000000000000000031310000000000
          00000000000000000031303031310B000000000000000000000B313131310B00
          0000000000000000000B313131310B000000000000000000000B31313031310B
          000000000000000000000B313131310B000000000000000000000B313131310B
          000000000000000000000B313130303030303030303030303030303000003102
          0000000000000000000000000231310200000000000000000000000002313102
          0000000000000000000000000231310200000000000000000000000002313102
          0000000000000000000000000231310200000000000000000000000002313030
          3131310B00000000000000000B3131313131310B00000000000000000B313131
          3131310B00000000000000000B313131303131310B00000000000000000B3131
          313131310B00000000000000000B3131313131310B00000000000000000B3131
          3130303030303030303030303030303000003121020000000000000000000002
          2131312102000000000000000000000221313121020000000000000000000002
          2131312102000000000000000000000221313121020000000000000000000002
          2131312102000000000000000000000221313030313131312506010000010625
          3131313131313131250601000001062531313131313131312506010000010625
          3131313130313131312506010000010625313131313131313125060100000106
          2531313131313131312506010000010625313131313030303030303030303030
          3030303000003131313131313131313131313131313131313131313131313131
          3131313131313131313131313131313131313131313131313131313131313131
          3131313131313131313131313131313131313131313131313131313131313131
          3131313131313030313131313131313131313131313131313131313131313131
          3131313131313131313131313131313131313131313131313031313131313131
          3131313131313131313131313131313131313131313131313131313131313131
          3131313131313131313030303030303030303030303030300000303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030300000303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          0000303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030000030BFC0DADADADADADADA
          DADADAC0BF30307AE862626262626262626262E87A303052D832323232323232
          323232D8523030BFC0DADADADADADADADADADAC0BF30307AE862626262626262
          626262E87A303052D832323232323232323232D85230303030303030BF95EBA4
          A4EB95BF30303030303030307ACEE8CBCBE8CE7A3030303030303030526C3446
          46346C52303030303030303030BF95EBA4A4EB95BF30303030303030307ACEE8
          CBCBE8CE7A3030303030303030526C344646346C523030303030303030303030
          3030303030303030000030C05645FEFEFEFEFEFEFEFE4556C03030E8AF5D5D5D
          5D5D5D5D5D5D5DAFE83030D83CA7D9D9D9D9D9D9D9D9A73CD83030C05645FEFE
          FEFEFEFEFEFE4556C03030E8AF5D5D5D5D5D5D5D5D5D5DAFE83030D83CA7D9D9
          D9D9D9D9D9D9A73CD8303030303030C6C9BF43454543BFC9C630303030303040
          8A7A775D5D777A8A40303030303030679652C26868C252966730303030303030
          C6C9BF43454543BFC9C6303030303030408A7A775D5D777A8A40303030303030
          679652C26868C2529667303030303030303030303030303030303030000030DA
          F568686868686868686868F5DA3030625DB14B4B4B4B4B4B4B4BB15D62303032
          68A7A7A7A7A7A7A7A7A7A768323030DAF568686868686868686868F5DA303062
          5DB14B4B4B4B4B4B4B4BB15D6230303268A7A7A7A7A7A7A7A7A7A76832303030
          30306FEB6945F16868F14569EB6F3030303040E8595DB14B4BB15D59E8403030
          303067FABDA7A7A7A7A7A7BDFA6730303030306FEB6945F16868F14569EB6F30
          30303040E8595DB14B4BB15D59E8403030303067FABDA7A7A7A7A7A7BDFA6730
          30303030303030303030303030303030000030DAFE5B5B5B5B5B5B5B5B5B5BFE
          DA303062BBD5DBDBDBDBDBDBDBDBD5BB62303032686868686868686868686868
          323030DAFE5B5B8598FA435B5B5B5BFEDA303062BBD5DB8473FAA5DBDBDBD5BB
          623030326868688573FA4368686868683230303030BFC9697E5B5B5B5B5B5B7E
          69C9BF3030AF8A595D8EDBDBDBDB8E5D598AAF30305296C26868686868686868
          C29652303030BFC9697E5B5BBDBD5B5B7E69C9BF3030AF8A595D8EDB7474DB8E
          5D598AAF30305296C2686868BDBD686868C29652303030303030303030303030
          30303030000030DA61F1F1F1F1F1F1F1F1F1F161DA303062BBD5919191919191
          9191D5BB62303032E5E5E5E5E5E5E5E5E5E5E5E5323030DA61F1688346469868
          F1F1F161DA303062BBD55383EAEA98539191D5BB62303032E5E5858346469885
          E5E5E5E53230303030959A45F1F1F1F1F1F1F1F1459A953030CE7A5D8E919191
          9191918E5D7ACE30306CF6E5E5E5E5E5E5E5E5E5E5F66C303030959A45F14373
          EAEA7343F1459A953030CE7A5D8EA573EAEA73A58E5D7ACE30306CF6E5E5BD73
          EAEA73BDE5E5F66C30303030303030303030303030303030000030DA61D9D9D9
          D9D9D9D9D9D9D961DA303062BB8EFCFCFCFCFCFCFCFC8EBB6230303285858585
          8585858585858585323030DA61F13A7878787852D9D9D961DA303062BBE7EBDF
          DFA0DFD1FCFC8EBB6230303285A93A7878787852858585853230303030EB697E
          D9D9D9D9D9D9D9D97E69EB3030E859BBFCFCFCFCFCFCFCFCBB59E83030FA3785
          85858585858585858537FA303030EB697ED9ADDFDFDFDFADD97E69EB3030E859
          BBFC3AA0A0A0A03AFCBB59E83030FA378585ADDFDFDFDFAD858537FA30303030
          303030303030303030303030000030DADE7E7E7E7E7E7E7E7E7E7EDEDA303062
          BB8E4C4C4C4C4C4C4C4C8EBB62303032A9A9A9A9A9A9A9A9A9A9A9A9323030DA
          DE9ADFDF5641DFDFA17E7EDEDA303062BBC1ABABF9BFABABB44C8EBB62303032
          A99CDFDFBFC6DFDF56A9A9A93230303030A4FE7E7E7E7E7E7E7E7E7E7EFEA430
          30CBBB8E4C4C4C4C4C4C4C4C8EBBCB303046B3A9A9A9A9A9A9A9A9A9A9B34630
          3030A4FE7E43ABF851ABABAB437EFEA43030CBBB8EC554DCDC545454C58EBBCB
          303046B3A974ABF851ABABAB74A9B34630303030303030303030303030303030
          000030DADE45454545454545454545DEDA303062E7534C4C4C4C4C4C4C4C53E7
          62303032BEBEBEBEBEBEBEBEBEBEBEBE323030DADEBDDC9A4545C0ABD46945DE
          DA303062E7B53DF94C4CCD5F82BE53E762303032BEA1DC6FBEBEEBABF874BEBE
          3230303030A4FE45454545454545454545FEA43030CBBB844C4C4C4C4C4C4C4C
          84BBCB303046C5BEBEBEBEBEBEBEBEBEBEC546303030A4FE45BE9DF9EE825F5F
          BE45FEA43030CBBB84BE6BEE37816B6BBE84BBCB303046C5BE749DF9EE825F5F
          74BEC54630303030303030303030303030303030000030DADEF5F5F5F5F5F5F5
          F5F5F5DEDA303062E7537E7E7E7E7E7E7E7E53E762303032B3B3B3B3B3B3B3B3
          B3B3B3B3323030DADEF5F5F5F5F5C8A4F86B7EDEDA303062E7537E7E7E7E5BE9
          C43884E762303032B3B3B3B3B3B3864AF8F4C5B33230303030EB69FEF5F5F5F5
          F5F5F5F5FE69EB3030E859E77E7E7E7E7E7E7E7EE759E83030FAA1B3B3B3B3B3
          B3B3B3B3B3A1FA303030EB69FEF5387DB5E9C438F5FE69EB3030E859E77E7A97
          74CD38F07EE759E83030FAA1B3B3387DB5E9C4E8B3B3A1FA3030303030303030
          3030303030303030000030DA93FEFEFEFEFEFEFEFEFEFE93DA303062E791B7B7
          B7B7B7B7B7B791E762303032C5C5C5C5C5C5C5C5C5C5C5C5323030DA93FEFEFE
          FEFEFE43CAB0BF93DA303062E791B7B7B7B7B7843333AFE762303032C5C5C5C5
          C5C5C5B55FB0D0C53230303030C69ADEFEFEFEFEFEFEFEFEDE9AC6303040AFE7
          5BB7B7B7B7B7B75BE7AF4030308367C5C5C5C5C5C5C5C5C5C56783303030C69A
          DEFE6E405033CE6EFEDE9AC6303040AFE75B6E8B7A40AF6E5BE7AF4030308367
          C5C574CE50335074C5C5678330303030303030303030303030303030000030DA
          936161616161616161616193DA303062E76EB7B7B7B7B7B7B7B76EE762303032
          868686868686868686868686323030DA9361616161616161A19DF993DA303062
          E76EB7B7B7B7B7B759338BE7623030328686868686868686C19DD08632303030
          3056C9B2DE616161616161DEB2C95630308B8A74E7F1B7B7B7B7F1E7748A8B30
          30F696A18686868686868686A196F630303056C9B2DE616168686161DEB2C956
          30308B8A74E7F1B75B5BB7F1E7748A8B3030F696A18686867474868686A196F6
          30303030303030303030303030303030000030DA93DEDEDEDEDEDEDEDEDEDE93
          DA303062E7536E6E6E6E6E6E6E6E53E762303032A586868686868686868686A5
          323030DA93DEDEDEDEDEDEDEDE9EDE93DA303062E7536E6E6E6E6E6E6E5353E7
          62303032A586868686868686867486A5323030303030BFEBB293DEDEDEDE93B2
          EBBF30303030AFE874E7536E6E53E774E8AF303030303AFAEE868686868686EE
          FA3A3030303030BFEBB293DEDEDEDE93B2EBBF30303030AFE874E7536E6E53E7
          74E8AF303030303AFAEE868686868686EEFA3A30303030303030303030303030
          3030303000003094A193313131313131313193A19430303879E7848484848484
          8484E7793830303452A5A5A5A5A5A5A5A5A5A55234303094A193313131313131
          313193A19430303879E78484848484848484E7793830303452A5A5A5A5A5A5A5
          A5A5A55234303030303030BFC956B2DEDEB256C9BF303030303030AF8AAF74E7
          E774AF8AAF3030303030303A96675674745667963A30303030303030BFC956B2
          DEDEB256C9BF303030303030AF8AAF74E7E774AF8AAF3030303030303A966756
          74745667963A3030303030303030303030303030303030300000305694DADADA
          DADADADADADADA94563030793862626262626262626262387930306734323232
          32323232323232346730305694DADADADADADADADADADA945630307938626262
          6262626262626238793030673432323232323232323232346730303030303030
          56C6C0A4A4C0C6563030303030303030797A38CBCB387A793030303030303030
          6798FA4646FA986730303030303030303056C6C0A4A4C0C65630303030303030
          30797A38CBCB387A7930303030303030306798FA4646FA986730303030303030
          3030303030303030303030300000303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          0000303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030300A0A0A0A0A0A0A000000000000000A0A0A0A0A0A0A3030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030000030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030313131313131
          311F1F1F1F1F1F1F313131313131313030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030000030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030223131313131312C2C2C2C2C2C2C31313131
          3131223030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303000003030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030223131313131312C2C2C2C2C2C2C31313131313122303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303000003030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          30303030303030303030303030303030303030303030223131313131312C2C2C
          2C2C2C2C31313131313122303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303000003030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          30303030303030303030091F2C2C2C2C2C2C2C2C2C2C2C2C2C2C2C2C2C1F0930
          3030303030303030303030303030303030303030303030303030303030303030
          30303030303030303030303030303030303030303030303000002424240B0B0B
          0B0B0B242424141414040404040404141414311B15040404040404151B312431
          3131313131313131312431313131313131313131313131171110030303031011
          1731311711100303030310111731313131313131313131313131313131313131
          313131313131313131313131313131313131313131313131313131313131091F
          2C2C2C2C2C2C2C2C2C2C2C2C2C2C2C2C2C1F0930303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          30303030303030303030303000001E1E1E0808080808081E1E1E141E1E080808
          0808081E1E141B221E0808080808081E221B2431313131313131313131243131
          31313131313131313131171E14140404040414141E17172F3131313131313131
          2F17310600000000000000000631310600000000000000000631310600000000
          000000000631313131313131313131313131091F2C2C2C2C2C2C2C2C2C2C2C2C
          2C2C2C2C2C1F0930303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          0000313131313131313131313131143131313131313131313114153131313131
          3131313131152431313131313131313131243131313131313131313131311114
          3131252525253131141111313131313131313131311131000000000000000000
          0031310000000000000000000031310000000000000000000031313131023131
          023131023131091F2C2C2C2C2C2C2C2C2C2C2C2C2C2C2C2C2C1F093030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030000031313131313131313131
          31310431313131313131313131040431313131313131313131040B3131313131
          31313131310B3131313131313131313131311014313131313131313114101031
          3131313131313131311031000000000000000000003131000000000000000000
          0031310000000000000000000031313103313103313103313131091F2C2C2C2C
          2C2C2C2C2C2C2C2C2C2C2C2C2C1F093030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030000031313131313131313131313104313131313131313131
          31040431313131313131313131040B313131313131313131310B313131313131
          3131313131310304253131313131312504030331313131313131313131033100
          0000000000000000003131000000000000000000003131000000000000000000
          0031313131313131313131313131243131313131312C2C2C2C2C2C2C31313131
          3131243030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303000003131
          3131313131313131313104313131313131313131310404313131313131313131
          31040B313131313131313131310B313131313131313131313131030425313131
          3131312504030331313131313131313131033100000000000000000000313100
          0000000000000000003131000000000000000000003131313131313102313102
          31312B3131313131312C2C2C2C2C2C2C3131313131312B303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303000003131313131313131313131310431
          313131313131313131040431313131313131313131040B313131313131313131
          310B313131313131313131313131030425313131313131250403033131313131
          3131313131033100000000000000000000313100000000000000000000313100
          00000000000000000031313131313103313103313131312631313131312C2C2C
          2C2C2C2C31313131312631303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303000003131313131313131313131310431313131313131313131040431
          313131313131313131040B313131313131313131310B31313131313131313131
          3131030425313131313131250403033131313131313131313103310000000000
          0000000000313100000000000000000000313100000000000000000000313131
          31313131313131313131313126313131311F1F1F1F1F1F1F3131313126313130
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030300000313131313131
          3131313131310431313131313131313131040431313131313131313131040B31
          3131313131313131310B31313131313131313131313110143131313131313131
          1410103131313131313131313110310000000000000000000031310000000000
          0000000000313100000000000000000000313131313131313131310231313131
          312B242222090909090909092222242B31313130303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030300000313131313131313131313131143131313131
          3131313131141531313131313131313131152531313131313131313131253131
          3131313131313131313111143131252525253131141111313131313131313131
          3111310000000000000000000031310000000000000000000031310000000000
          0000000000313131313131313131033131313232323232323232323232323232
          3232323232323230303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          00003131313131313131313131311431312727272727273131141B2D31272727
          272727312D1B282B311B1B1B1B1B1B312B28313131313131313131313131171E
          14140404040414141E1717293131232323233131291731060000000000000000
          0631310600000000000000000631310600000000000000000631313131313131
          3131313131313131313131313134343434343434313131313131313030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030000031313131313131313131
          3131141414040404040404141414311B15040404040404151B313128250B0B0B
          0B0B0B2528313131313131313131313131313117111003030303101117313117
          1110030303031011173131313131313131313131313131313131313131313131
          3131313131313131313131313131313131313131313131313131313131313131
          3131313131313131313131313131313030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030000075757575757575757575757575757575757575757575
          7575307575757575757575757530323131303030303030313132313131313030
          3030313131313048484848484848484848303032323232323232323232303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030313131313131313131313131313131313131
          3131313030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303000003131
          31313131313131313131753131313131313131313175759A9331313131313193
          9A7532313130303030303031313231313131303030303131313148C193313131
          31313193C1483232313130303030313132323095DADADADADADADADA95303095
          DADADADADADADADA95303095DADADADADADADADA953030303030303030303030
          3030313131313131313131313131313131313131313131303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303000003131313030303030303131317531
          3130303030303031317575313130303030303031317532313130303030303031
          3132313131313030303031313131489331313333333331319348323131313030
          30303131313230DA856E6E6E6E6E6E85DA3030DA856E6E6E6E6E6E85DA3030DA
          856E6E6E6E6E6E85DA3030303031303031303031303031313131313131313131
          3131313131313131313131303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303000003030303030303030303030307530303030303030303030757530
          3030303030303030307532303030303030303030303231313131303030303131
          313148313131303030303131314832313131303030303131313230DA5B5B3CF6
          685B5B5BDA3030DA5B5B5B5B5B5B5B5BDA3030DA5BA937A1A137A95BDA303030
          7530307530307530303031313131313131313131313131313131313131313130
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030300000303030303030
          3030303030307530303030303030303030757530303030303030303030753230
          3030303030303030303230303030303030303030303048313330303030303033
          314832303030303030303030303230DAD93C323252D9D9D9DA3030DAD9D9D9D9
          D9D9D9D9DA3030DAD9379595959537D9DA303030303030303030303030303131
          3131313131313131313131313131313131313130303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030300000303030303030303030303030753030303030
          3030303030757530303030303030303030753230303030303030303030323030
          3030303030303030303048313330303030303033314832303030303030303030
          303230DA5632347332417E7EDA3030DA7E7E7E7E7E7E7E7EDA3030DA7E379595
          9595377EDA303030303030303130303130303131313131313131313131313131
          3131313131313130303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          0000303030303030303030303030753030303030303030303075753030303030
          3030303030753230303030303030303030323030303030303030303030304831
          3330303030303033314832303030303030303030303230DAE17369B2FA46E145
          DA3030DA4545454545454545DA3030DA4597959595959745DA30303030303075
          3030753030303131313131313131313131313131313131313131313030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030000030303030303030303030
          3030753030303030303030303075753030303030303030303075323030303030
          3030303030323030303030303030303030304831333030303030303331483230
          3030303030303030303230DAFEFEFEFE4396EA43DA3030DAFEFEFEFEFEFEFEFE
          DA3030DAFE979595959597FEDA30303030303030303030303030313131313131
          3131313131313131313131313131313030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030000030303030303030303030303075303030303030303030
          3075753030303030303030303075323030303030303030303032313131313030
          30303131313148313131303030303131314832313131303030303131313230DA
          6161616161C2463CDA3030DA6161616161616161DA3030DA61C8C2C2C2C2C861
          DA30303030303030303030313030313131313131313131313131313131313131
          3131313030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303000003131
          3130303030303031313175313130303030303031317575313130303030303031
          3175323131303030303030313132313131313030303031313131489331313333
          33333131934832313131303030303131313230A4F5DEDEDEDEDEC89EA43030A4
          F5DEDEDEDEDEDEF5A43030A4F5DEDEDEDEDEDEF5A43030303030303030307530
          3030313131313131313131313131313131313131313131303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303000003131313030303030303131317531
          3132323232323231317575A43132323232323231A47532343131313131313131
          343231313131303030303131313148C19331313131313193C148323231313232
          32323131323230C6A4DADADADADADAA4C63030C6A4DADADADADADAA4C63030C6
          A4DADADADADADAA4C63030303030303030303030303031313131313131313131
          3131313131313131313131303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303000003131313030303030303131317575757575757575757575753075
          7575757575757575753030323232323232323232323031313131303030303131
          3131304848484848484848484830303232323232323232323230303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303031313131313131313131313131313131313131313130
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030300000101010100303
          030310101010312A29291111111129292A313131313131313131313131313131
          3131313131313131313131231F0808080808081F233110101003030303030310
          10102929291111111111112929292424240B0B0B0B0B0B242424313131171717
          1717173131312424240B0B0B0B0B0B2424243117111003030303101117313030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          30303030303030303030303000001016161605050505161616102A2B29291111
          111129292B2A3131313131313131313131313131313131313131313131312322
          180505050505051822231A313131313131313131311031313131313131313131
          3131241616050505050505161624312D240B0B0B0B0B0B242D31313131313131
          3131313131311720181605050505161820173030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          0000101631313131313131311610292931313131313131312929313131313131
          3131313131313131313131313131313131311F183131313131313131181F1A31
          3131313131313131311031313131313131313131313124163131313131313131
          1624312431313131313131312431313131313131313131313131111831313131
          3131313118113030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030000010163131313131313131
          1610292931313131313131312929313131313131313131313131313131313131
          3131313131310805313131313131313105080731313131313131313131033131
          313131313131313131310B053131313131313131050B170B3131313131313131
          0B17313131313131313131313131101631313131313131311610303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030000003053131313131313131050311113131313131313131
          1111313131313131313131313131313131313131313131313131080531313131
          3131313105080731313131313131313131033131313131313131313131310B05
          3131313131313131050B170B31313131313131310B1731313131313131313131
          3131030531313131313131310503303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303000000305
          3131313131313131050311113131313131313131111131313131313131313131
          3131313131313131313131313131080531313131313131310508073131313131
          3131313131033131313131313131313131310B053131313131313131050B170B
          31313131313131310B1731313131313131313131313103053131313131313131
          0503303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303000000305313131313131313105031111
          3131313131313131111131313131313131313131313131313131313131313131
          3131080531313131313131310508073131313131313131313103313131313131
          3131313131310B053131313131313131050B170B31313131313131310B173131
          3131313131313131313103053131313131313131050330303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303000000305313131313131313105031111313131313131313111113131
          3131313131313131313131313131313131313131313108053131313131313131
          05080731313131313131313131033131313131313131313131310B0531313131
          31313131050B170B31313131313131310B173131313131313131313131310305
          3131313131313131050330303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030300000101631313131
          3131313116102929313131313131313129293131313131313131313131313131
          3131313131313131313108053131313131313131050807313131313131313131
          31033131313131313131313131310B053131313131313131050B170B31313131
          313131310B173131313131313131313131311016313131313131313116103030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030300000101631313131313131311610292931313131
          3131313129293131313131313131313131313131313131313131313131311F18
          3131313131313131181F1A313131313131313131311031313131313131313131
          3131241631313131313131311624312431313131313131312431313131313131
          3131313131311118313131313131313118113030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          00001016161605050505161616102A2B29291111111129292B2A141414040404
          0404041414141414140404040404041414142322180505050505051822231A31
          3131313131313131311031313131313131313131313124161605050505050516
          1624312D240B0B0B0B0B0B242D31313131313131313131313131172018160505
          0505161820173030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030000010101010030303031010
          1010312A29291111111129292A312626260D0D0D0D0D0D2626261E1E1E080808
          0808081E1E1E31231F0808080808081F23311A1A1A0707070707071A1A101616
          160505050505051616162424240B0B0B0B0B0B24242431313117171717171731
          3131292929111111111111292929311711100303030310111731303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          30303030303030300000757575757575757575757575306F6F6F6F6F6F6F6F6F
          6F30313131303030303030313131313131303030303030313131307575757575
          7575757575303131313131313131313131317575757575757575757575757575
          7575757575757575757530313175757575757531313032323232323232323232
          3232305454545454545454545430303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303000007531
          313131313131313131756FC83131313131313131C86F31313130303030303031
          313131313130303030303031313175EE9331313131313193EE75753131303030
          30303031313131313130303030303031313175313131313131313131317531C2
          3131313131313131C231313131303030303030313131549C9331313131313193
          9C54303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303000007531313130303030313131756F31
          3131303030303131316F31313130303030303031313131313130303030303031
          3131759331303030303030319375753131303030303030313131313131303030
          3030303131317531313030303030303131753131313030303030303131313131
          3130303030303031313154933131303030303131935430303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303000007531313130303030313131756F313131303030303131316F3030
          3030303030303030303030303030303030303030303075313030303030303030
          3175753030303030303030303031303030303030303030303030753130303030
          3030303031757531303030303030303031753030303030303030303030305431
          3131303030303131315430303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030300000753130303030
          3030303031756F313030303030303030316F3030303030303030303030303030
          3030303030303030303075313030303030303030317575303030303030303030
          3031303030303030303030303030753130303030303030303175753130303030
          3030303031753030303030303030303030305431303030303030303031543030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          30303030303030303030303000007531303030303030303031756F3130303030
          30303030316F3030303030303030303030303030303030303030303030307531
          3030303030303030317575303030303030303030303130303030303030303030
          3030753130303030303030303175753130303030303030303175303030303030
          3030303030305431303030303030303031543030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          00007531303030303030303031756F313030303030303030316F303030303030
          3030303030303030303030303030303030307531303030303030303031757530
          3030303030303030303130303030303030303030303075313030303030303030
          3175753130303030303030303175303030303030303030303030543130303030
          3030303031543030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030000075313030303030303030
          31756F313030303030303030316F303030303030303030303030303030303030
          3030303030307531303030303030303031757530303030303030303030313030
          3030303030303030303075313030303030303030317575313030303030303030
          3175303030303030303030303030543130303030303030303154303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          303030303030303000007531313130303030313131756F313131303030303131
          316F303030303030303030303030303030303030303030303030753130303030
          3030303031757530303030303030303030313030303030303030303030307531
          3030303030303030317575313030303030303030317530303030303030303030
          3030543131313030303031313154303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303000007531
          313130303030313131756F313131303030303131316F31313130303030303031
          3131313131303030303030313131759331303030303030319375753131303030
          3030303131313131313030303030303131317531313030303030303131753131
          3130303030303031313131313130303030303031313154933131303030303131
          9354303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303000007531313131313131313131756FC8
          3131313131313131C86F31313131313131313131313131313131313131313131
          313175EE9331313131313193EE75753131303030303030313131313131303030
          30303031313175313131313131313131317531C23131313131313131C2313131
          31303030303030313131549C93313131313131939C5430303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          303030300000757575757575757575757575306F6F6F6F6F6F6F6F6F6F307575
          7575757575757575757575757575757575757575757530757575757575757575
          7530757575757575757575757531313131313131313131313131757575757575
          7575757575753031317575757575753131303131313131313131313131313054
          5454545454545454543030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030300000303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030313131313131313131313131313131313131313131
          3131313131313131313131313131313131313131313131313131313030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030300000303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303031
          312E1F1F2E313131312E1F1F2E313131312E1F1F2E3131310303030303033131
          0303030303033131030303030303313030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          0000313131313131313131313131313131313131313131313131313131313131
          31313131313131313131313131313131313131312C2A2A2A2A2A2C313131312C
          2A2A2A2A2A2C313131312C2A2A2A2A2A2C3131312E170404172E31312E170404
          172E31312E170404172E31310303030303033131030303030303313103030303
          0303313030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030000031313131313131313131
          3131313131313131313131313131313131313131313131313131313131313131
          3131313131313127040000000000042731312704000000000004273131270400
          000000000427312E1704000004172E2E1704000004172E2E1704000004172E31
          0303030303033131030303030303313103030303030331303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030000031313131313131313131313131313131313131313131
          31313131313131313131313131313131313131313131313131312C0400000000
          000000042C2C0400000000000000042C2C0400000000000000042C1904000404
          0004191904000404000419190400040400041931030303030303313103030303
          0303313103030303030331303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303000003121
          0200000000000000000000022131312102000000000000000000000221313121
          02000000000000000000000221312A0000000000000000002A2A000000000000
          0000002A2A0000000000000000002A0B0004171704000B0B0004171704000B0B
          0004171704000B31030303030303313103030303030331310303030303033130
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303000003102000000000000000000000000
          0231310200000000000000000000000002313102000000000000000000000000
          02312A0000000000000000002A2A0000000000000000002A2A00000000000000
          00002A1F0B192E2E190B1F1F0B192E2E190B1F1F0B192E2E190B1F3103030303
          0303313103030303030331310303030303033130303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303000003100000000000000000000000000003131000000000000000000
          000000000031310000000000000000000000000000312A000000000000000000
          2A2A0000000000000000002A2A0000000000000000002A312E313131312E3131
          2E313131312E31312E313131312E313131313131313131313131313131313131
          3131313131313130303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030300000310000000000
          0000000000000000003131000000000000000000000000000031310000000000
          000000000000000000312A0000000000000000002A2A0000000000000000002A
          2A0000000000000000002A303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030300000310000000000000000000000000000313100
          0000000000000000000000000031310000000000000000000000000000312A00
          00000000000000002A2A0000000000000000002A2A0000000000000000002A30
          3031313131303030303131313130303030313131313030303131313131313030
          3131313131313030313131313131303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          0000310000000000000000000000000000313100000000000000000000000000
          0031310000000000000000000000000000312A0000000000000000002A2A0000
          000000000000002A2A0000000000000000002A303189D8D88931303031F53838
          F53130303189D8D8893130307575757575753030484848484848303075757575
          7575303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030000031000000000000000000
          0000000000313100000000000000000000000000003131000000000000000000
          0000000000312A0000000000000000002A2A0000000000000000002A2A000000
          0000000000002A318934323234893131F538626238F531318934323234893130
          3131313131313030313131313131303031313131313130303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030000031000000000000000000000000000031310000000000
          00000000000000000031310000000000000000000000000000312A0000000000
          000000002A2A0000000000000000002A2A0000000000000000002A8934323434
          323489F5386238386238F5893432343432348930757575757575303048484848
          4848303075757575757530303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303000003100
          0000000000000000000000000031310000000000000000000000000000313100
          00000000000000000000000000312A0000000000000000002A2A000000000000
          0000002A2A0000000000000000002AD6323489893432D6B56238F5F53862B5D6
          323489893432D630313131313131303031313131313130303131313131313030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303000003100000000000000000000000000
          0031310000000000000000000000000000313100000000000000000000000000
          00312A0000000000000000002A2A0000000000000000002A2A00000000000000
          00002A31D689313189D63131B5F53131F5B53131D689313189D6313075757575
          7575303048484848484830307575757575753030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303000003100000000000000000000000000003131000000000000000000
          000000000031310000000000000000000000000000312A000000000000000000
          2A2A0000000000000000002A2A0000000000000000002A303130303030313030
          3130303030313030313030303031303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030300000310000000000
          0000000000000000003131000000000000000000000000000031310000000000
          000000000000000000312A0000000000000000002A2A0000000000000000002A
          2A0000000000000000002A31312C2A2A2A2A2A2A2A2A2A2A2A2A2C313131312C
          2A2A2A2A2A2A2A2A2A2A2A2A2C313131312C2A2A2A2A2A2A2A2A2A2A2A2A2C31
          3130303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030300000310200000000000000000000000002313102
          0000000000000000000000000231310200000000000000000000000002312C04
          00000000000000042C2C0400000000000000042C2C0400000000000000042C31
          2704000000000000000000000000042731312704000000000000000000000000
          0427313127040000000000000000000000000427313030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          0000312102000000000000000000000221313121020000000000000000000002
          2131312102000000000000000000000221313127040000000000042731312704
          000000000004273131270400000000000427312C040000000000000000000000
          000000042C2C040000000000000000000000000000042C2C0400000000000000
          00000000000000042C3030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030000031313131313131313131
          3131313131313131313131313131313131313131313131313131313131313131
          31313131313131312C2A2A2A2A2A2C313131312C2A2A2A2A2A2C313131312C2A
          2A2A2A2A2C31312A000000000000000000000000000000002A2A000000000000
          000000000000000000002A2A000000000000000000000000000000002A303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030000030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303032323232
          3232323030303032323232323232303030303232323232323230302A00000000
          0000000000000000000000002A2A000000000000000000000000000000002A2A
          000000000000000000000000000000002A303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303000003030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030307394A4DDDDDDA494733030AA38C3484848
          C338AA3030D883EA323232EA83D8302A00000000000000000000000000000000
          2A2A000000000000000000000000000000002A2A000000000000000000000000
          000000002A303030323232323232323232323232323232323232323232323232
          3232323232323232323232323232323030303030303030303030303030303030
          3030303030303030303030303030303000003030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030329470A56A6A6AA570943232383877B1B1B17738383232836C695B5B5B69
          6C83322A000000000000000000000000000000002A2A00000000000000000000
          0000000000002A2A000000000000000000000000000000002A30323263636363
          6363636363636363636363636363636363636363636363636363636363636363
          6363633232303030303030303030303030303030303030303030303030303030
          30303030000030BFC0DADADADADADADADADADAC0BF30307AE862626262626262
          626262E87A303052D832323232323232323232D8523032A4A58484848484A5A4
          3232C359B1B1B1B1B159C33232EAB36868686868B3EA322A0000000000000000
          00000000000000002A2A000000000000000000000000000000002A2A00000000
          0000000000000000000000002A3032638C8C8C8C8C8C8C8C8C8C8C8C8C8C8C8C
          8C8C8C8C8C8C8C8C8C8C8C8C8C8C8C8C8C8C8C8C8C8C8C633230303030303030
          303030303030303030303030303030303030303030303030000030C05645FEFE
          FEFEFEFEFEFE4556C03030E8AF5D5D5D5D5D5D5D5D5D5DAFE83030D83CA7D9D9
          D9D9D9D9D9D9A73CD83032DD84848484848484DD3232484B4B4B4B4B4B4B4832
          32326E6E6E6E6E6E6E32322C040000000000000000000000000000042C2C0400
          00000000000000000000000000042C2C04000000000000000000000000000004
          2C32638C8C999999999999999999999999999999999999999999999999999999
          999999999999999999998C8C6332303030303030303030303030303030303030
          303030303030303030303030000030DAF568686868686868686868F5DA303062
          5DB14B4B4B4B4B4B4B4BB15D6230303268A7A7A7A7A7A7A7A7A7A768323032DD
          A9A9A9A9A9A9A9DD323248D5D5D5D5D5D5D548323232E5E5E5E5E5E5E5323231
          2704000000000000000000000000042731312704000000000000000000000000
          04273131270400000000000000000000000004273132638C996A6A6A6A6A6A6A
          6A6A6A6A6A6A6A6A6A6A6A6A6A6A6A6A6A6A6A6A6A6A6A6A6A6A6A6A6A6A998C
          6332303030303030303030303030303030303030303030303030303030303030
          000030DAFE5B5B5B5B5B5B5B5B5B5BFEDA303062BBD5DBDBDBDBDBDBDBDBD5BB
          62303032686868686868686868686868323032DD85A5EEEEEEA585DD3232488E
          598B8B8B598E4832323285974141419785323231312C2A2A2A2A2A2A2A2A2A2A
          2A2A2C313131312C2A2A2A2A2A2A2A2A2A2A2A2A2C313131312C2A2A2A2A2A2A
          2A2A2A2A2A2A2C313132638C996A303030303030303030303030303030303030
          30303030303030303030303030303030306A998C633230303030303030303030
          3030303030303030303030303030303030303030000030DA61F1F1F9D0D0D0D0
          F9F1F161DA303062BBD591F9CDCDCDCDF991D5BB62303032E5E5E5F9CDCDCDCD
          F9E5E5E5323032DDE5A5EEEEEEA5E5DD3232488E59797979598E48323232A937
          41414137A9323230303232323232323232323232323232303030303232323232
          323232323232323232303030303232323232323232323232323232303032638C
          996A303030303030303030303030303030303030303030303030303030303030
          30303030306A998C633230303030303030303030303030303030303030303030
          3030303030303030000030DA61D9D9D0D0D0D0D0D0D9D961DA303062BB8EFCCD
          CDCDCDCDCDFC8EBB62303032858585CDCDCDCDCDCD858585323032DD6886A1A1
          A18668DD323248DB5D7979795DDB48323232BE3741414137BE3232307394A4DD
          DDDDDDDDDDDDDDDDDDA4D1833030AA38C348484848484848484848C3CD833030
          D883EA32323232323232323232EA73343032638C996A30303030303030303030
          303030303030303030303030303030303030303030303030306A998C63323030
          30303030303030303030303030303030303030303030303030303030000030DA
          DE7E7EF0F0F0F0F0F07E7EDEDA303062BB8E4CF0F0F0F0F0F04C8EBB62303032
          A9A9A98F8F8F8F8F8FA9A9A9323032DDA743A1A1A143A7DD323248915D7D7D7D
          5D914832323284A1414141A1843232329470A584A985E568A7D97E45FEC866D1
          32323838594BD58E8EDB91FC4C7EB7F1F0CD3232836CB36EE585A9BE84C56ABB
          A5B598733232638C996A30303030303030303030303030303030303030303030
          303030303030303030303030306A998C63323030303030303030303030303030
          30303030303030303030303030303030000030DADE45454040404040404545DE
          DA303062E7534C4040404040404C53E762303032BEBEBE8F8F8F8F8F8FBEBEBE
          323032DDD94337373743D9DD323248FCBB7D7D7DBBFC48323232C5A19C9C9CA1
          C5323232A4A58484A9A5A58643434345FE619EA43232C377B14BD559595D5DBB
          E77EB7FE7EC33232EA69686EE5973737A1A1EEBBA574B4EA3232638C996A3030
          3030303030303030303030303030303030303030303030303030303030303030
          306A998C63323030303030303030303030303030303030303030303030303030
          30303030000030DADEF5F5404040404040F5F5DEDA303062E7537E4040404040
          407E53E762303032B3B3B3CECECECECECEB3B3B3323032DD7E43373737437EDD
          3232484CE7B5B5B5E74C483232326AEE9C9C9CEE6A323232DD6A8484A9EEEEA1
          A1373745FE61DEDD323248B1B14BD58B79797D7DB57EB7FEDE483232325B686E
          E5414141419C9CBBA57474323232638C996A3030303030303030303030303030
          3030303030303030303030303030303030303030306A998C6332303030303030
          303030303030303030303030303030303030303030303030000030DA93FEFEE0
          71717171E0FEFE93DA303062E791B7E071717171E0B791E762303032C5C5C5AF
          CECECECEAFC5C5C5323032DD45454545454545DD3232487E7E7E7E7E7E7E4832
          3232BBBBBBBBBBBBBB323232DD6A8484A9EEEEA1A1373745FE61DEDD323248B1
          B14BD58B79797D7DB57EB7FEDE483232325B686EE5414141419C9CBBA5747432
          3232638C996A3030303030303030303030303030303030303030303030303030
          3030303030303030306A998C6332303030303030303030303030303030303030
          303030303030303030303030000030DA936161616161616161616193DA303062
          E76EB7B7B7B7B7B7B7B76EE762303032868686868686868686868686323032DD
          FEFEFEFEFEFEFEDD323248B7B7B7B7B7B7B748323232A5A5A5A5A5A5A5323232
          DD6A8484A9EEEEA1A1373745FE61DEDD323248B1B14BD58B79797D7DB57EB7FE
          DE483232325B686EE5414141419C9CBBA57474323232638C996A303030303030
          30303030303030303030303030303030303030303030303030303030306A998C
          6332303030303030303030303030303030303030303030303030303030303030
          000030DA93DEDEDEDEDEDEDEDEDEDE93DA303062E7536E6E6E6E6E6E6E6E53E7
          62303032A586868686868686868686A5323032A4C86161616161C8A43232C3F1
          FEFEFEFEFEF1C33232EAB57474747474B5EA3232A4A58484A9A5A58643434345
          FE619EA43232C377B14BD559595D5DBBE77EB7FE7EC33232EA69686EE5973737
          A1A1EEBBA574B4EA3232638C996A303030303030303030303030303030303030
          30303030303030303030303030303030306A998C633230303030303030303030
          303030303030303030303030303030303030303000003094A193313131313131
          313193A19430303879E78484848484848484E7793830303452A5A5A5A5A5A5A5
          A5A5A552343032D1669EDEDEDE9E66D13232CDF07EDEDEDE7EF0CD32327398B4
          747474B4987332329470A584A985E568A7D97E45FEC866D132323838594BD58E
          8EDB91FC4C7EB7F1F0CD3232836CB36EE585A9BE84C56ABBA5B598733232638C
          996A303030303030303030303030303030303030303030303030303030303030
          30303030306A998C633230303030303030303030303030303030303030303030
          30303030303030300000305694DADADADADADADADADADA945630307938626262
          62626262626262387930306734323232323232323232323467303083D1A4DDDD
          DDA4D183303083CDC3484848C3CD8330303473EA323232EA733430307394A4DD
          DDDDDDDDDDDDDDDDDDA4D1833030AA38C348484848484848484848C3CD833030
          D883EA32323232323232323232EA73343032638C996A30303030303030303030
          303030303030303030303030303030303030303030303030306A998C63323030
          3030303030303030303030303030303030303030303030303030303000003030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303032323232323232303030303232323232
          3232303030303232323232323230303030323232323232323232323232323230
          3030303232323232323232323232323232303030303232323232323232323232
          323232303032638C996A30303030303030303030303030303030303030303030
          303030303030303030303030306A998C63323030303030303030303030303030
          303030303030303030303030303030300000311D111010030303031010111D31
          311D111010030303031010111D31311D111010030303031010111D31311D1110
          10030303031010101010311D111010030303031010101010311D111010030303
          0310101010101010101010030303031010111D31101010101003030303101011
          1D311010101010030303031010111D3130303030303030303032638C996A3030
          3030303030303030303030303030303030303030303030303030303030303030
          306A998C63323030303030303030303030303030303030303030303030303030
          3030303000001D1C201E1E080808081E1E201C1D1D180E0C0C010101010C0C0E
          181D1D160C0A0A000000000A0A0C161D1D1C201E1E080808081E1E1E1E1E1D18
          0E1E1E080808081E1E1E1E1E1D160C10100303030310101010101E1E1E1E1E08
          0808081E1E201C1D1E1E1E1E1E080808081E1E0E181D10101010100303030310
          100C161D30303030303030303032638C996A3030303030303030303030303030
          3030303030303030303030303030303030303030306A998C6332303030303030
          3030303030303030303030303030303030303030303030300000112031313131
          3131313131312011110E121414040404041414120E11110C1214140404040414
          14120C111120313131313131313131313131110E123131313131313131313131
          110C123131313131313131313131313131313131313131313131201131313131
          31313131313131120E113131313131313131313131120C113030303030303030
          3032638C996A3030303030303030303030303030303030303030303030303030
          3030303030303030306A998C6332303030303030303030303030303030303030
          3030303030303030303030300000101E313131313131313131311E10101E3131
          31313131313131311E101010313131313131313131311010101E313131313131
          313131313131100C143131313131313131313131100A14313131313131313131
          31313131313131313131313131311E103131313131313131313131140C103131
          313131313131313131140A1030303030303030303032638C996A303030303030
          30303030303030303030303030303030303030303030303030303030306A998C
          6332303030303030303030303030303030303030303030303030303030303030
          0000101E313131313131313131311E10101E313131313131313131311E101010
          313131313131313131311010101E313131313131313131313131100C14313131
          3131313131313131100A14313131313131313131313131313131313131313131
          31311E103131313131313131313131140C103131313131313131313131140A10
          30303030303030303032638C996A303030303030303030303030303030303030
          30303030303030303030303030303030306A998C633230303030303030303030
          3030303030303030303030303030303030303030000003083131313131313131
          3131080303083131313131313131313108030303313131313131313131310303
          0308313131313131313131313131030104313131313131313131313103000431
          3131313131313131313131313131313131313131313108033131313131313131
          313131040103313131313131313131313104000330303030303030303032638C
          996A303030303030303030303030303030303030303030303030303030303030
          30303030306A998C633230303030303030303030303030303030303030303030
          3030303030303030000003083131313131313131313108030308313131313131
          3131313108030303313131313131313131310303030831313131313131313131
          3131030104313131313131313131313103000431313131313131313131313131
          3131313131313131313108033131313131313131313131040103313131313131
          313131313104000330303030303030303032638C996A30303030303030303030
          303030303030303030303030303030303030303030303030306A998C63323030
          3030303030303030303030303030303030303030303030303030303000000308
          3131313131313131313108030308313131313131313131310803030331313131
          3131313131310303030831313131313131313131313103010431313131313131
          3131313103000431313131313131313131313131313131313131313131310803
          3131313131313131313131040103313131313131313131313104000330303030
          303030303032638C996A30303030303030303030303030303030303030303030
          303030303030303030303030306A998C63323030303030303030303030303030
          3030303030303030303030303030303000000308313131313131313131310803
          0308313131313131313131310803030331313131313131313131030303083131
          3131313131313131313103010431313131313131313131310300043131313131
          3131313131313131313131313131313131310803313131313131313131313104
          0103313131313131313131313104000330303030303030303032638C996A3030
          3030303030303030303030303030303030303030303030303030303030303030
          306A998C63323030303030303030303030303030303030303030303030303030
          303030300000101E313131313131313131311E10101E31313131313131313131
          1E101010313131313131313131311010101E313131313131313131313131100C
          143131313131313131313131100A143131313131313131313131313131313131
          3131313131311E103131313131313131313131140C1031313131313131313131
          31140A1030303030303030303032638C996A3030303030303030303030303030
          3030303030303030303030303030303030303030306A998C6332303030303030
          3030303030303030303030303030303030303030303030300000101E31313131
          3131313131311E10101E313131313131313131311E1010103131313131313131
          31311010101E313131313131313131313131100C143131313131313131313131
          100A1431313131313131313131313131313131313131313131311E1031313131
          31313131313131140C103131313131313131313131140A103030303030303030
          3032638C996A3030303030303030303030303030303030303030303030303030
          3030303030303030306A998C6332303030303030303030303030303030303030
          3030303030303030303030300000101E313131313131313131311E10101E3131
          31313131313131311E1010103131313131313131313110101120313131313131
          313131313131110E123131313131313131313131110C12313131313131313131
          313131313131313131313131313120113131313131313131313131120E113131
          313131313131313131120C1130303030303030303032638C996A303030303030
          30303030303030303030303030303030303030303030303030303030306A998C
          6332303030303030303030303030303030303030303030303030303030303030
          0000101E313131313131313131311E10101E313131313131313131311E101010
          3131313131313131313110101D1C201E1E080808081E1E1E1E1E1D180E1E1E08
          0808081E1E1E1E1E1D160C10100303030310101010101E1E1E1E1E080808081E
          1E201C1D1E1E1E1E1E080808081E1E0E181D10101010100303030310100C161D
          30303030303030303032638C996A303030303030303030303030303030303030
          30303030303030303030303030303030306A998C633230303030303030303030
          30303030303030303030303030303030303030300000101E3131313131313131
          31311E10101E313131313131313131311E101010313131313131313131311010
          311D111010030303031010101010311D111010030303031010101010311D1110
          100303030310101010101010101010030303031010111D311010101010030303
          031010111D311010101010030303031010111D3130303030303030303032638C
          996A303030303030303030303030303030303030303030303030303030303030
          30303030306A998C633230303030303030303030303030303030303030303030
          3030303030303030000030757575757575757575757575303048484848484848
          4848484848303075757575757575757575757530307575757575757575757575
          7575304848484848484848484848484830757575757575757575757575757575
          7575757575757575757575304848484848484848484848484830757575757575
          757575757575753030303030303030303032638C996A30303030303030303030
          303030303030303030303030303030303030303030303030306A998C63323030
          3030303030303030303030303030303030303030303030303030303000007594
          9E31313131313131319E9475488AE65050505050505050E68A48758138E9E9E9
          E9E9E9E9E938817575949E3131313131313131313131488AE631313131313131
          31313131758138313131313131313131313131313131313131313131319E9475
          3131313131313131313131E68A48313131313131313131313138817530303030
          303030303032638C996A30303030303030303030303030303030303030303030
          303030303030303030303030306A998C63323030303030303030303030303030
          303030303030303030303030303030300000759E313131303030303131319E75
          48E633333333333333333333E6487538C34848484848484848C33875759E3131
          3130303030313131313148E63331313030303031313131317538C33131303030
          3031313131313131313131303030303131319E75313131313130303030313133
          E6483131313131303030303131C3387530303030303030303032638C996A3030
          3030303030303030303030303030303030303030303030303030303030303030
          306A998C63323030303030303030303030303030303030303030303030303030
          3030303000007531313131303030303131313175483131313130303030313131
          3148753131313130303030313131317575313131313030303031313131314850
          33313130303030313131313175E9483131303030303131313131313131313130
          3030303131313175313131313130303030313133504831313131313030303031
          3148E97530303030303030303032638C996A3030303030303030303030303030
          3030303030303030303030303030303030303030306A998C6332303030303030
          3030303030303030303030303030303030303030303030300000753131313130
          3030303131313175483131313130303030313131314875313131313030303031
          3131317575313131313030303031313131314850333131303030303131313131
          75E9483131303030303131313131313131313130303030313131317531313131
          31303030303131335048313131313130303030313148E9753030303030303030
          3032638C996A3030303030303030303030303030303030303030303030303030
          3030303030303030306A998C6332303030303030303030303030303030303030
          3030303030303030303030300000753130303030303030303030317548313030
          3030303030303030314875313030303030303030303031757531303030303030
          303030303030485033303030303030303030303075E948303030303030303030
          3030303030303030303030303030317530303030303030303030303350483030
          30303030303030303048E97530303030303030303032638C996A303030303030
          30303030303030303030303030303030303030303030303030303030306A998C
          6332303030303030303030303030303030303030303030303030303030303030
          0000753130303030303030303030317548313030303030303030303031487531
          3030303030303030303031757531303030303030303030303030485033303030
          303030303030303075E948303030303030303030303030303030303030303030
          303031753030303030303030303030335048303030303030303030303048E975
          30303030303030303032638C996A303030303030303030303030303030303030
          30303030303030303030303030303030306A998C633230303030303030303030
          3030303030303030303030303030303030303030000075313030303030303030
          3030317548313030303030303030303031487531303030303030303030303175
          7531303030303030303030303030485033303030303030303030303075E94830
          3030303030303030303030303030303030303030303031753030303030303030
          303030335048303030303030303030303048E97530303030303030303032638C
          996A303030303030303030303030303030303030303030303030303030303030
          30303030306A998C633230303030303030303030303030303030303030303030
          3030303030303030000075313030303030303030303031754831303030303030
          3030303031487531303030303030303030303175753130303030303030303030
          3030485033303030303030303030303075E94830303030303030303030303030
          3030303030303030303031753030303030303030303030335048303030303030
          303030303048E97530303030303030303032638C996A30303030303030303030
          303030303030303030303030303030303030303030303030306A998C63323030
          3030303030303030303030303030303030303030303030303030303000007531
          3131313030303031313131754831313131303030303131313148753131313130
          3030303131313175753131313130303030313131313148503331313030303031
          3131313175E94831313030303031313131313131313131303030303131313175
          3131313131303030303131335048313131313130303030313148E97530303030
          303030303032638C996A6A6A6A6A6A6A6A6A6A6A6A6A6A6A6A6A6A6A6A6A6A6A
          6A6A6A6A6A6A6A6A6A6A6A6A6A6A998C63323030303030303030303030303030
          3030303030303030303030303030303000007531313131303030303131313175
          4831313131303030303131313148753131313130303030313131317575313131
          31303030303131313131485033313130303030313131313175E9483131303030
          3031313131313131313131303030303131313175313131313130303030313133
          5048313131313130303030313148E97530303030303030303032638C8C999999
          9999999999999999999999999999999999999999999999999999999999999999
          99998C8C63323030303030303030303030303030303030303030303030303030
          3030303000007531313131303030303131313175483131313130303030313131
          31487531313131303030303131313175759E31313130303030313131313148E6
          3331313030303031313131317538C33131303030303131313131313131313130
          3030303131319E75313131313130303030313133E64831313131313030303031
          31C338753030303030303030303032638C8C8C8C8C8C8C8C8C8C8C8C8C8C8C8C
          8C8C8C8C8C8C8C8C8C8C8C8C8C8C8C8C8C8C8C8C8C8C8C633230303030303030
          3030303030303030303030303030303030303030303030300000753131313130
          3030303131313175483131313130303030313131314875313131313030303031
          3131317575949E3131313131313131313131488AE63131313131313131313131
          758138313131313131313131313131313131313131313131319E947531313131
          31313131313131E68A4831313131313131313131313881753030303030303030
          3030323263636363636363636363636363636363636363636363636363636363
          6363636363636363636363323230303030303030303030303030303030303030
          3030303030303030303030300000753131313130303030313131317548313131
          3130303030313131314875313131313030303031313131753075757575757575
          7575757575753048484848484848484848484848307575757575757575757575
          7575757575757575757575757575753048484848484848484848484848307575
          7575757575757575757575303030303030303030303030303232323232323232
          3232323232323232323232323232323232323232323232323232323232323230
          3030303030303030303030303030303030303030303030303030303030303030
          0000303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030306666666666666666666666666666666666
          6666666666666666666666666666666666666630303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030000030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          30303031B4B4B4B4B4B4B4B4B4B4B4B4B4B4B4B4B4B4B4B4B4B4B4B4B4B4B4B4
          B4B4B4B4B4B46630303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030000030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030314530303030303030
          30303030303030303030303030303030303030303030303030B4663030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303000003030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030314530303030303030303030303030303030303030
          30303030303030303030303030B4663030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303000003030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303031
          4530303030303030303030303030303030303030303030303030303030303030
          30B4663030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303000003030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303031453030303030303030303030
          303030303030303030303030303030303030303030B466303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030300000303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303031453030303030303030303030303030303030303030303030
          303030303030303030B466303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030300000303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303145303030
          3030303030303030303030303030303030303030303030303030303030B46630
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          0000101E313131313131313131311E10101E313131313131313131311E101010
          3131313131313131313110103030303145303030303030303030303030303030
          3030303030303030303030303030303030B466312E313131312E31312E313131
          312E31312E313131312E31313131313131313131313131313131313131313131
          3131313131312E190B1F313131312E190B1F313131312E190B1F31311F0B192E
          313131311F0B192E313131311F0B192E31313131313131313131313131313131
          31313131313131313131313030303030303030300000101E3131313131313131
          31311E10101E313131313131313131311E101010313131313131313131311010
          3030303145303030303030303030303030303030303030303030303030303030
          3030303030B4661F0B192E2E190B1F1F0B192E2E190B1F1F0B192E2E190B1F31
          312E1F1F2E313131312E1F1F2E313131312E1F1F2E313131312E1704000B2E31
          312E1704000B2E31312E1704000B2E2E0B0004172E31312E0B0004172E31312E
          0B0004172E313131030303030303313103030303030331310303030303033130
          30303030303030300000101E313131313131313131311E10101E313131313131
          313131311E101010313131313131313131311010303030314530303030303030
          30303030303030303030303030303030303030303030303030B4660B00041717
          04000B0B0004171704000B0B0004171704000B312E170404172E31312E170404
          172E31312E170404172E31312E170400041931312E170400041931312E170400
          0419313119040004172E313119040004172E313119040004172E313103030303
          030331310303030303033131030303030303313030303030303030300000101E
          313131313131313131311E10101E313131313131313131311E10101031313131
          3131313131311010303030314530303030303030303030303030303030303030
          30303030303030303030303030B4661904000404000419190400040400041919
          040004040004192E1704000004172E2E1704000004172E2E1704000004172E31
          1F040004172E31311F040004172E31311F040004172E31312E170400041F3131
          2E170400041F31312E170400041F313103030303030331310303030303033131
          030303030303313030303030303030300000101E313131313131313131311E10
          101E313131313131313131311E10101031313131313131313131101030303031
          4530303030303030303030303030303030303030303030303030303030303030
          30B4662E1704000004172E2E1704000004172E2E1704000004172E1904000404
          00041919040004040004191904000404000419311F040004172E31311F040004
          172E31311F040004172E31312E170400041F31312E170400041F31312E170400
          041F313103030303030331310303030303033131030303030303313030303030
          3030303000000308313131313131313131310803030831313131313131313131
          0803030331313131313131313131030330303031453030303030303030303030
          303030303030303030303030303030303030303030B466312E170404172E3131
          2E170404172E31312E170404172E310B0004171704000B0B0004171704000B0B
          0004171704000B312E170400041931312E170400041931312E17040004193131
          19040004172E313119040004172E313119040004172E31310303030303033131
          0303030303033131030303030303313030303030303030300000030831313131
          3131313131310803030831313131313131313131080303033131313131313131
          3131030330303031453030303030303030303030303030303030303030303030
          303030303030303030B46631312E1F1F2E313131312E1F1F2E313131312E1F1F
          2E31311F0B192E2E190B1F1F0B192E2E190B1F1F0B192E2E190B1F31312E1704
          000B2E31312E1704000B2E31312E1704000B2E2E0B0004172E31312E0B000417
          2E31312E0B0004172E3131310303030303033131030303030303313103030303
          0303313030303030303030300000030831313131313131313131080303083131
          3131313131313131080303033131313131313131313103033030303145303030
          3030303030303030303030303030303030303030303030303030303030B46631
          3131313131313131313131313131313131313131313131312E313131312E3131
          2E313131312E31312E313131312E313131312E190B1F313131312E190B1F3131
          31312E190B1F31311F0B192E313131311F0B192E313131311F0B192E31313131
          3131313131313131313131313131313131313131313131303030303030303030
          0000030831313131313131313131080303083131313131313131313108030303
          3131313131313131313103033030303145303030303030303030303030303030
          3030303030303030303030303030303030B46630313030303031303031303030
          3031303031303030303130303030303030303030303030303030303030303030
          3030303030303189D6313030303031F5B531303030303189D631303031D68931
          3030303031B5F5313030303031D6893130303030303030303030303030303030
          30303030303030303030303030303030303030300000101E3131313131313131
          31311E10101E313131313131313131311E101010313131313131313131311010
          3030303145303030303030303030303030303030303030303030303030303030
          3030303030B46631D689313189D63131B5F53131F5B53131D689313189D63130
          3031313131303030303131313130303030313131313030303031893432D63130
          3031F53862B531303031893432D63131D632348931303031B56238F531303031
          D632348931303030753175317531303048314831483130307531753175313030
          30303030303030300000101E313131313131313131311E10101E313131313131
          313131311E101010313131313131313131311010303030314530303030303030
          30303030303030303030303030303030303030303030303030B466D632348989
          3432D6B56238F5F53862B5D6323489893432D6303189D8D88931303031F53838
          F53130303189D8D889313030318934323489303031F5386238F5303031893432
          348930308934323489313030F5386238F5313030893432348931303075317531
          7531303048314831483130307531753175313030303030303030303000001120
          313131313131313131312011110E121414040404041414120E11110C12141404
          0404041414120C11303030314530303030303030303030303030303030303030
          30303030303030303030303030B4668934323434323489F5386238386238F589
          34323434323489318934323234893131F538626238F531318934323234893130
          31D832348931303031386238F531303031D832348931303031893432D8313030
          31F538623831303031893432D831303075317531753130304831483148313030
          7531753175313030303030303030303000001D1C201E1E080808081E1E201C1D
          1D180E0C0C010101010C0C0E181D1D160C0A0A000000000A0A0C161D30303031
          4530303030303030303030303030303030303030303030303030303030303030
          30B466318934323234893131F538626238F53131893432323489318934323434
          323489F5386238386238F589343234343234893031D832348931303031386238
          F531303031D832348931303031893432D831303031F538623831303031893432
          D831303075317531753130304831483148313030753175317531303030303030
          303030300000311D111010030303031010111D31311D11101003030303101011
          1D31311D111010030303031010111D3130303031453030303030303030303030
          303030303030303030303030303030303030303030B466303189D8D889313030
          31F53838F53130303189D8D8893130D6323489893432D6B56238F5F53862B5D6
          323489893432D630318934323489303031F5386238F530303189343234893030
          8934323489313030F5386238F531303089343234893130307531753175313030
          4831483148313030753175317531303030303030303030300000753131313130
          3030303131313175483131313130303030313131314875313131313030303031
          3131317530303031453030303030303030303030303030303030303030303030
          303030303030303030B466303031313131303030303131313130303030313131
          31303031D689313189D63131B5F53131F5B53131D689313189D6313030318934
          32D631303031F53862B531303031893432D63131D632348931303031B56238F5
          31303031D6323489313030307531753175313030483148314831303075317531
          7531303030303030303030300000753131313130303030313131317548313131
          3130303030313131314875313131313030303031313131753030303145303030
          3030303030303030303030303030303030303030303030303030303030B46630
          3030303030303030303030303030303030303030303030303130303030313030
          3130303030313030313030303031303030303189D6313030303031F5B5313030
          30303189D631303031D689313030303031B5F5313030303031D6893130303030
          3030303030303030303030303030303030303030303030303030303030303030
          0000753131313130303030313131317548313131313030303031313131487531
          3131313030303031313131753030303145303030303030303030303030303030
          3030303030303030303030303030303030B46631171110100303030303101011
          1731311711101003030303031010111731311711101003030303031010111731
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030000075313131313030303031
          3131317548313131313030303031313131487531313131303030303131313175
          3030303145303030303030303030303030303030303030303030303030303030
          3030303030B46617221E1E1E08080808081E1E1E2217171E1414140404040404
          1414141E17172F31313131313131313131312F17303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030000075313131313030303031313131754831313131303030
          3031313131487531313131303030303131313175303030314530303030303030
          30303030303030303030303030303030303030303030303030B466111E313131
          31313131313131311E1111143131312525252525313131141111313131313131
          3131313131313111303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303000007531
          3030303030303030303031754831303030303030303030303148753130303030
          3030303030303175303030314530303030303030303030303030303030303030
          30303030303030303030303030B466101E31313131313131313131311E101014
          3131313131313131313131141010313131313131313131313131311030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303000007531303030303030303030303175
          4831303030303030303030303148753130303030303030303030317530303031
          4530303030303030303030303030303030303030303030303030303030303030
          30B466101E31313131313131313131311E101014313131313131313131313114
          1010313131313131313131313131311030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303000007531303030303030303030303175483130303030303030303030
          3148753130303030303030303030317530303031453030303030303030303030
          303030303030303030303030303030303030303030B466030831313131313131
          3131313108030304253131313131313131312504030331313131313131313131
          3131310330303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030300000753130303030
          3030303030303175483130303030303030303030314875313030303030303030
          3030317530303031453030303030303030303030303030303030303030303030
          303030303030303030B466030831313131313131313131310803030425313131
          3131313131312504030331313131313131313131313131031F11101003030303
          1010111F1F111010030303031010111F1F111010030303031010111F31131010
          0303030310101331311310100303030310101331311310100303030310101331
          3030303030303030303030300000753131313130303030313131317548313131
          3130303030313131314875313131313030303031313131753030303145303030
          3030303030303030303030303030303030303030303030303030303030B46603
          0831313131313131313131310803030425313131313131313131250403033131
          313131313131313131313103113131313131313131313111113131311D1D1D1D
          3131311111313131313131313131311113221E1E080808081E1E2213131A1414
          0404040414141A13133131313131313131313113303030303030303030303030
          0000753131313130303030313131317548313131313030303031313131487531
          3131313030303031313131753030303145303030303030303030303030303030
          3030303030303030303030303030303030B46603083131313131313131313131
          0803030425313131313131313131250403033131313131313131313131313103
          1031313131313131313131101031313131313131313131101031313131313131
          31313110101E31313131313131311E1010143131252525253131141010313131
          31313131313131103030303030303030303030300000759E3131313030303031
          31319E7548E633333333333333333333E6487538C34848484848484848C33875
          3030303145303030303030303030303030303030303030303030303030303030
          3030303030B46603083131313131313131313131080303042531313131313131
          3131250403033131313131313131313131313103103131313131313131313110
          103131313131313131313110103131313131313131313110101E313131313131
          31311E1010143131313131313131141010313131313131313131311030303030
          3030303030303030000075949E31313131313131319E9475488AE65050505050
          505050E68A48758138E9E9E9E9E9E9E9E9388175303030314545454545454545
          45454545454545454545454545454545454545454545454545B466101E313131
          31313131313131311E1010143131313131313131313131141010313131313131
          3131313131313110033131313131313131313103031D31313131313131311D03
          0331313131313131313131030308313131313131313108030304253131313131
          3125040303313131313131313131310330303030303030303030303000003075
          7575757575757575757575303048484848484848484848484830307575757575
          7575757575757530303030313131313131313131313131313131313131313131
          313131313131313131313131313166101E31313131313131313131311E101014
          3131313131313131313131141010313131313131313131313131311003313131
          3131313131313103031D31313131313131311D03033131313131313131313103
          0308313131313131313108030304253131313131312504030331313131313131
          31313103303030303030303030303030000031311D0F0B0A0A0A0A0000000000
          000000000A0A0A0A0B0F1D313131311D0F0B0A0A0A0A0000000000000000000A
          0A0A0A0B0F1D313131311D0F0B0A0A0A0A0000000000000000000A0A0A0A0B0F
          1D3131111E31313131313131313131311E111114313131252525252531313114
          11113131313131313131313131313111033131313131313131313103031D3131
          3131313131311D03033131313131313131313103030831313131313131310803
          0304253131313131312504030331313131313131313131033030303030303030
          30303030000031131A1E1A1A1A1A1A0707070707070707071A1A1A1A1A1E1A13
          3131131818141414141404040404040404040414141414141818133131131E2B
          2D2D2D2D2D1515151515151515152D2D2D2D2D2B1E133117221E1E1E08080808
          081E1E1E2217171E14141404040404041414141E171729313131232323232331
          31312917033131313131313131313103031D31313131313131311D0303313131
          3131313131313103030831313131313131310803030425313131313131250403
          03313131313131313131310330303030303030303030303000001D1A20313131
          313131212121212121212121313131313131201A1D1D181A2F31313131312121
          2121212121212131313131312F1A181D1D1E2F31313131313131313131313131
          31313131313131312F1E1D311711101003030303031010111731311711101003
          0303030310101117313117111010030303030310101117311031313131313131
          31313110103131313131313131313110103131313131313131313110101E3131
          3131313131311E10101431313131313131311410103131313131313131313110
          30303030303030303030303000000F1E31313131313131313131313131313131
          313131313131311E0F0F182F3131313131312828282828282828283131313131
          312F180F0F2B31313131313131313131313131313131313131313131312B0F30
          DDDDDDDDDDDDDDDDDDDDDDDDDD30304848484848484848484848484830303232
          3232323232323232323232301031313131313131313131101031313131313131
          31313110103131313131313131313110101E31313131313131311E1010143131
          2525252531311410103131313131313131313110303030303030303030303030
          00000B1A31313131313131313131313131313131313131313131311A0B0B1431
          3131313131312E2E2E2E2E2E2E2E2E31313131313131140B0B31313131313131
          3131313131313131313131313131313131310BDD9C9331313131313131313193
          9CDD48C19331313131313131313193C148323231313130303030303131313232
          113131312A2A2A2A31313111113131311B1B1B1B31313111113131312A2A2A2A
          3131311113221E1E080808081E1E2213131A14140404040414141A1313313131
          232323233131311330303030303030303030303000000A1A3131313131313131
          3131313131313131313131313131311A0A0A1431313131313131313131313131
          31313131313131313131140A0A31313131313131313131313131313131313131
          3131313131310ADD93313131303030303031313193DD48933131313333333333
          31313193483231313131303030303031313131321F111010030303031010111F
          1F111010030303031010111F1F111010030303031010111F3113101003030303
          1010133131131010030303031010133131131010030303031010133130303030
          303030303030303000000A1A3131313131313131313131313131313131313131
          3131311A0A0A143131313131313131313131313131313131313131313131140A
          0A313131313131313131313131313131313131313131313131310ADD31313131
          303030303031313131DD48313131313030303030313131314832313131313030
          3030303131313132757575757575757575757575C4C4C4C4C4C4C4C4C4C4C4C4
          32323232323232323232323230DDDDDDDDDDDDDDDDDDDD303048484848484848
          4848483030323232323232323232323030303030303030303030303000000A1A
          31313131313131313131313131313131313131313131311A0A0A143131313131
          313131313131313131313131313131313131140A0A3131313131313131313131
          31313131313131313131313131310ADD31313131303030303031313131DD4831
          3131313030303030313131314832313131313030303030313131313275313131
          3030303031313175C431313133333333313131C4323131313030303031313132
          DD43313131313131313143DD48B33131313131313131B3483231313130303030
          3131313230303030303030303030303000000A1A313131313131313131313131
          31313131313131313131311A0A0A143131313131313131313131313131313131
          313131313131140A0A3131313131313131313131313131313131313131313131
          31310ADD31303030303030303030303031DD4831333030303030303030303331
          48323030303030303030303030303032753131313030303031313175C4313131
          30303030313131C4323131313030303031313132DD31313130303030313131DD
          4831313133333333313131483231313130303030313131323030303030303030
          3030303000000007213131313131313131313131313131313131313131312107
          00000421282E31313131313131313131313131313131312E2821040000313131
          3131313131313131313131313131313131313131313100DD3130303030303030
          3030303031DD4831333030303030303030303331483230303030303030303030
          30303032753131313030303031313175C431313130303030313131C432313131
          3030303031313132DD31313130303030313131DD483131313030303031313148
          3231313130303030313131323030303030303030303030300000000721313131
          313131313131313131313131313131313131210700000421282E313131313131
          31313131313131313131312E2821040000313131313131313131313131313131
          3131313131313131313100DD31303030303030303030303031DD483133303030
          3030303030303331483230303030303030303030303030327530303030303030
          30303075C433303030303030303033C4323030303030303030303032DD313030
          30303030303031DD483133303030303030333148323030303030303030303032
          3030303030303030303030300000000721313131313131313131313131313131
          313131313131210700000421282E31313131313131313131313131313131312E
          28210400003131313131313131313131313131313131313131313131313100DD
          31303030303030303030303031DD483133303030303030303030333148323030
          303030303030303030303032753030303030303030303075C433303030303030
          303033C4323030303030303030303032DD31303030303030303031DD48313330
          3030303030333148323030303030303030303032303030303030303030303030
          0000000721313131313131313131313131313131313131313131210700000421
          282E31313131313131313131313131313131312E282104000031313131313131
          31313131313131313131313131313131313100DD313030303030303030303030
          31DD483133303030303030303030333148323030303030303030303030303032
          753030303030303030303075C433303030303030303033C43230303030303030
          30303032DD31303030303030303031DD48313330303030303033314832303030
          3030303030303032303030303030303030303030000000072131313131313131
          3131313131313131313131313131210700000421282E31313131313131313131
          313131313131312E282104000031313131313131313131313131313131313131
          31313131313100DD31313131303030303031313131DD48313131313030303030
          3131313148323131313130303030303131313132753030303030303030303075
          C433303030303030303033C4323030303030303030303032DD31303030303030
          303031DD48313330303030303033314832303030303030303030303230303030
          3030303030303030000000072131313131313131313131313131313131313131
          3131210700000421282E31313131313131313131313131313131312E28210400
          003131313131313131313131313131313131313131313131313100DD31313131
          303030303031313131DD48313131313030303030313131314832313131313030
          3030303131313132753131313030303031313175C431313130303030313131C4
          323131313030303031313132DD31313130303030313131DD4831313130303030
          3131314832313131303030303131313230303030303030303030303000000007
          21313131313131313131313131313131313131313131210700000421282E3131
          3131313131313131313131313131312E28210400003131313131313131313131
          313131313131313131313131313100DD93313131303030303031313193DD4893
          3131313333333333313131934832313131313030303030313131313275313131
          3030303031313175C431313130303030313131C4323131313030303031313132
          DD31313130303030313131DD4831313133333333313131483231313130303030
          3131313230303030303030303030303000000007213131313131313131313131
          31313131313131313131210700000421282E3131313131313131313131313131
          3131312E28210400003131313131313131313131313131313131313131313131
          313100DD9C93313131313131313131939CDD48C19331313131313131313193C1
          48323231313132323232323131313232753131313232323231313175C4313131
          CBCBCBCB313131C4323131313232323231313132DD43313131313131313143DD
          48B33131313131313131B3483231313132323232313131323030303030303030
          3030303000000007213131313131313131313131313131313131313131312107
          00000421282E31313131313131313131313131313131312E2821040000313131
          313131313131313131313131313131313131313131310030DDDDDDDDDDDDDDDD
          DDDDDDDDDD303048484848484848484848484848303032323232323232323232
          32323230757575757575757575757575C4C4C4C4C4C4C4C4C4C4C4C432323232
          323232323232323230DDDDDDDDDDDDDDDDDDDD30304848484848484848484830
          30323232323232323232323030303030303030303030303000000A1A31313131
          313131313131313131313131313131313131311A0A0A14313131313131313131
          3131313131313131313131313131140A0A313131313131313131313131313131
          313131313131313131310A313115111010030303030303101011153131313115
          1110100303030303031010111531313131151110100303030303031010111531
          31313131313131313131313131313131313131311D1110101003030303030310
          1010111D31311D11101010030303030303101010111D31303030303030303030
          30303030303030303030303000000A1A31313131313131313131313131313131
          313131313131311A0A0A14313131313131313131313131313131313131313131
          3131140A0A313131313131313131313131313131313131313131313131310A31
          16221E1E1E0808080808081E1E1E22163131161C141414040404040404141414
          1C16313118313131313131313131313131313118313131313131313131313131
          313131313131311D1C18141414040404040404141414181C1D1D223131313131
          313131313131313131221D303030303030303030303030303030303030303030
          00000A1A31313131313131313131313131313131313131313131311A0A0A1431
          31313131313131313131313131313131313131313131140A0A31313131313131
          3131313131313131313131313131313131310A15223131313131313131313131
          3131312215151C2B3131312525252525253131312B1C15153131313131313131
          3131313131313131153131313131313131313131313131313131311118313131
          3125252525252531313131181111313131313131313131313131313131311130
          303030303030303030303030303030303030303000000A1A3131313131313131
          3131313131313131313131313131311A0A0A1431313131313131313131313131
          31313131313131313131140A0A31313131313131313131313131313131313131
          3131313131310A111E31313131313131313131313131311E1111143131313131
          3131313131313131311411113131313131313131313131313131313111313131
          3131313131313131313131313131311014313131313131313131313131313114
          1010313131313131313131313131313131311030303030303030303030303030
          303030303030303000000B1A3131313131313131313131313131313131313131
          3131311A0B0B14313131313131312E2E2E2E2E2E2E2E2E31313131313131140B
          0B31313131313131312E2E2E2E2E2E2E2E2E31313131313131310B101E313131
          31313131313131313131311E1010143131313131313131313131313131141010
          3131313131313131313131313131313110313131313131313131313131313131
          3131311014313131313131313131313131313114101031313131313131313131
          3131313131311030303030303030303030303030303030303030303000000F1E
          31313131313131313131313131313131313131313131311E0F0F182F31313131
          31312828282828282828283131313131312F180F0F31313131313131312A2A2A
          2A2A2A2A2A2A31313131313131310F101E31313131313131313131313131311E
          1010143131313131313131313131313131141010313131313131313131313131
          3131313110313131313131313131313131313131313131101431313131313131
          3131313131313114101031313131313131313131313131313131103030303030
          3030303030303030303030303030303000001D1A203131313131312121212121
          21212121313131313131201A1D1D181A2F313131313121212121212121212131
          313131312F1A181D1D2031313131313131252525252525252525313131313131
          31201D0308313131313131313131313131313108030304253131313131313131
          3131313125040303313131313131313131313131313131310331313131313131
          3131313131313131313131030425313131313131313131313131250403033131
          3131313131313131313131313131033030303030303030303030303030303030
          30303030000031131A1E1A1A1A1A1A0707070707070707071A1A1A1A1A1E1A13
          3131131818141414141404040404040404040414141414141818133131131E31
          31313131311D1D1D1D1D1D1D1D1D3131313131311E1331030831313131313131
          3131313131313108030304253131313131313131313131312504030331313131
          3131313131313131313131310331313131313131313131313131313131313103
          0425313131313131313131313131250403033131313131313131313131313131
          313103303030303030303030303030303030303030303030000031311D0F0B0A
          0A0A0A0000000000000000000A0A0A0A0B0F1D313131311D0F0B0A0A0A0A0000
          000000000000000A0A0A0A0B0F1D313131311D0F0B0A0A0A0A00000000000000
          00000A0A0A0A0B0F1D3131030831313131313131313131313131310803030425
          3131313131313131313131312504030331313131313131313131313131313131
          0331313131313131313131313131313131313103042531313131313131313131
          3131250403033131313131313131313131313131313103303030303030303030
          30303030303030303030303000003030AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA
          AAAAAAAAAAAAAA30303030484848484848484848484848484848484848484848
          4848303030303232323232323232323232323232323232323232323232303003
          0831313131313131313131313131310803030425313131313131313131313131
          2504030331313131313131313131313131313131033131313131313131313131
          3131313131313103042531313131313131313131313125040303313131313131
          3131313131313131313103303030303030303030303030303030303030303030
          000030AA3A6931313131313131313131313131313131313131693AAA3030488A
          AFE0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0AF8A4830303296E193313131
          313131313131313131313131313193E196323003083131313131313131313131
          3131310803030425313131313131313131313131250403033131313131313131
          3131313131313131033131313131313131313131313131313131310304253131
          3131313131313131313125040303313131313131313131313131313131310330
          30303030303030303030303030303030303030300000AA3A3131313131313131
          3131313131313131313131313131313AAA488AE0713131313131333333333333
          333333313131313171E08A483296313131313131313030303030303030303131
          3131313131963203083131313131313131313131313131080303042531313131
          3131313131313131250403033131313131313131313131313131313103313131
          3131313131313131313131313131310304253131313131313131313131312504
          0303313131313131313131313131313131310330303030303030303030303030
          30303030303030300000AA693131313131313130303030303030303031313131
          31313169AA48AF7131313131313133333333333333333331313131313171AF48
          32E13131313131313130303030303030303031313131313131E132101E313131
          31313131313131313131311E1010143131313131313131313131313131141010
          3131313131313131313131313131313110313131313131313131313131313131
          3131311014313131313131313131313131313114101031313131313131313131
          313131313131103030303030303030303030303030303030303030300000AA31
          313131313131313030303030303030303131313131313131AA48E03131313131
          313133333333333333333331313131313131E048323131313131313131303030
          303030303030313131313131313132101E31313131313131313131313131311E
          1010143131313131313131313131313131141010313131313131313131313131
          3131313110313131313131313131313131313131313131101431313131313131
          3131313131313114101031313131313131313131313131313131103030303030
          303030303030303030303030303030300000AA31313131313131313030303030
          303030303131313131313131AA48E03131313131313130303030303030303031
          313131313131E048323131313131313131303030303030303030313131313131
          313132111E31313131313131313131313131311E111114313131313131313131
          3131313131141111313131313131313131313131313131311131313131313131
          3131313131313131313131101431313131313131313131313131311410103131
          3131313131313131313131313131103030303030303030303030303030303030
          303030300000AA31313131313131313030303030303030303131313131313131
          AA48E03131313131313130303030303030303031313131313131E04832313131
          3131313131303030303030303030313131313131313132152231313131313131
          313131313131312215151C2B3131312525252525253131312B1C151531313131
          3131313131313131313131311531313131313131313131313131313131313111
          1831313131252525252525313131311811113131313131313131313131313131
          3131113030303030303030303030303030303030303030300000AA3131313131
          3131313030303030303030303131313131313131AA48E0313131313131313030
          3030303030303031313131313131E04832313131313131313130303030303030
          30303131313131313131323116221E1E1E0808080808081E1E1E22163131161C
          1414140404040404041414141C16313118313131312323232323233131313118
          313131313131313131313131313131313131311D1C1814141404040404040414
          1414181C1D1D203131313123232323232331313131201D303030303030303030
          3030303030303030303030300000AA3131313131313131303030303030303030
          3131313131313131AA48E0313131313131313030303030303030303131313131
          3131E04832313131313131313130303030303030303031313131313131313231
          3115111010030303030303101011153131313115111010030303030303101011
          1531313131151110100303030303031010111531313131313131313131313131
          31313131313131311D11101010030303030303101010111D31311D1110101003
          0303030303101010111D31303030303030303030303030303030303030303030
          0000AA31313030303030303030303030303030303030303030303131AA48E033
          33333030303030303030303030303030303030333333E0483230303030303030
          303030303030303030303030303030303030323030DDDDDDDDDDDDDDDDDDDDDD
          DDDDDD3030303048484848484848484848484848483030303032323232323232
          3232323232323230303131313131313030303030303131313131313048484848
          4848484848484848484848483030323232323232323232323232323232323030
          30303030303030303030303030303030303030300000AA313130303030303030
          30303030303030303030303030303131AA48E033333330303030303030303030
          30303030303030333333E0483230303030303030303030303030303030303030
          3030303030303230DABD933131313131313131313193BDDA3030C34331313131
          313131313131313143C330303231313131303030303030313131313230313131
          31313130303030303031313131313148E99E3131313131313131313131319EE9
          4832323131313130303030303031313131323230303030303030303030303030
          30303030303030300000AA313130303030303030303030303030303030303030
          30303131AA48E03333333030303030303030303030303030303030333333E048
          323030303030303030303030303030303030303030303030303032DDBD313131
          3130303030303031313131BDDD48438531313133333333333331313185434832
          3131313131303030303030313131313132313131313131303030303030313131
          313131489E31313131333333333333313131319E483231313131313030303030
          303131313131323030303030303030303030303030303030303030300000AA31
          313030303030303030303030303030303030303030303131AA48E03333333030
          303030303030303030303030303030333333E048323030303030303030303030
          303030303030303030303030303032DD93313131313030303030303131313193
          DD48313131313130303030303031313131314832313131313130303030303031
          3131313132313131313131303030303030313131313131483131313131303030
          3030303131313131483231313131313030303030303131313131323030303030
          303030303030303030303030303030300000AA31313030303030303030303030
          303030303030303030303131AA48E03333333030303030303030303030303030
          303030333333E048323030303030303030303030303030303030303030303030
          303032DD31313131313030303030303131313131DD4831313131313030303030
          3031313131314832313131313130303030303031313131313231313131313130
          3030303030313131313131483131313131303030303030313131313148323131
          3131313030303030303131313131323030303030303030303030303030303030
          303030300000AA31313030303030303030303030303030303030303030303131
          AA48E03333333030303030303030303030303030303030333333E04832303030
          3030303030303030303030303030303030303030303032DD3131313131303030
          3030303131313131DD4831313131313030303030303131313131483231313131
          3130303030303031313131313231313131313130303030303031313131313148
          3131313131303030303030313131313148323131313131303030303030313131
          3131323030303030303030303030303030303030303030300000AA3131303030
          3030303030303030303030303030303030303131AA48E0333333303030303030
          3030303030303030303030333333E04832303030303030303030303030303030
          3030303030303030303032DD31303030303030303030303030303031DD483133
          3030303030303030303030303331483230303030303030303030303030303030
          3230303030303030303030303030303030303048313330303030303030303030
          3030333148323030303030303030303030303030303032303030303030303030
          3030303030303030303030300000AA3131303030303030303030303030303030
          3030303030303131AA48E0333333303030303030303030303030303030303033
          3333E048323030303030303030303030303030303030303030303030303032DD
          31303030303030303030303030303031DD483133303030303030303030303030
          3331483230303030303030303030303030303030323030303030303030303030
          3030303030303048313330303030303030303030303033314832303030303030
          3030303030303030303032303030303030303030303030303030303030303030
          0000AA31313030303030303030303030303030303030303030303131AA48E033
          33333030303030303030303030303030303030333333E0483230303030303030
          30303030303030303030303030303030303032DD313030303030303030303030
          30303031DD483133303030303030303030303030333148323030303030303030
          3030303030303030323030303030303030303030303030303030304831333030
          3030303030303030303033314832303030303030303030303030303030303230
          30303030303030303030303030303030303030300000AA313131313131313130
          30303030303030303131313131313131AA48E031313131313131303030303030
          30303031313131313131E0483231313131313131313030303030303030303131
          31313131313132DD31303030303030303030303030303031DD48313330303030
          3030303030303030333148323030303030303030303030303030303032303030
          3030303030303030303030303030304831333030303030303030303030303331
          4832303030303030303030303030303030303230303030303030303030303030
          30303030303030300000AA313131313131313130303030303030303031313131
          31313131AA48E03131313131313130303030303030303031313131313131E048
          323131313131313131303030303030303030313131313131313132DD31303030
          303030303030303030303031DD48313330303030303030303030303033314832
          3030303030303030303030303030303032303030303030303030303030303030
          3030304831333030303030303030303030303331483230303030303030303030
          303030303030323030303030303030303030303030303030303030300000AA31
          313131313131313030303030303030303131313131313131AA48E03131313131
          313130303030303030303031313131313131E048323131313131313131303030
          303030303030313131313131313132DD31303030303030303030303030303031
          DD48313330303030303030303030303033314832303030303030303030303030
          3030303032303030303030303030303030303030303030483133303030303030
          3030303030303331483230303030303030303030303030303030323030303030
          303030303030303030303030303030300000AA31313131313131313030303030
          303030303131313131313131AA48E03131313131313130303030303030303031
          313131313131E048323131313131313131303030303030303030313131313131
          313132DD31313131313030303030303131313131DD4831313131313030303030
          3031313131314832313131313130303030303031313131313231313131313130
          3030303030313131313131483131313131303030303030313131313148323131
          3131313030303030303131313131323030303030303030303030303030303030
          303030300000AA31313131313131313030303030303030303131313131313131
          AA48E03131313131313133333333333333333331313131313131E04832313131
          3131313131323232323232323232313131313131313132DD3131313131303030
          3030303131313131DD4831313131313030303030303131313131483231313131
          3130303030303031313131313231313131313130303030303031313131313148
          3131313131303030303030313131313148323131313131303030303030313131
          3131323030303030303030303030303030303030303030300000AA6931313131
          3131313030303030303030303131313131313169AA48AF713131313131313333
          3333333333333331313131313171AF4832313131313131313132323232323232
          3232313131313131313132DD93313131313030303030303131313193DD483131
          3131313030303030303131313131483231313131313030303030303131313131
          3231313131313130303030303031313131313148313131313130303030303031
          3131313148323131313131303030303030313131313132303030303030303030
          3030303030303030303030300000AA3A31313131313131313131313131313131
          313131313131313AAA488AE07131313131313333333333333333333131313131
          71E08A48323231313131313131323232323232323232313131313131313232DD
          BD3131313130303030303031313131BDDD484385313131333333333333313131
          8543483231313131313030303030303131313131323131313131313030303030
          30313131313131489E31313131333333333333313131319E4832313131313130
          3030303030313131313132303030303030303030303030303030303030303030
          000030AA3A6931313131313131313131313131313131313131693AAA3030488A
          AFE0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0E0AF8A48303032323131313131
          3132323232323232323231313131313132323030DABD93313131313131313131
          3193BDDA3030C34331313131313131313131313143C330303231313131323232
          32323231313131323031313131313130303030303031313131313148E99E3131
          313131313131313131319EE94832323131313132323232323231313131323230
          303030303030303030303030303030303030303000003030AAAAAAAAAAAAAAAA
          AAAAAAAAAAAAAAAAAAAAAAAAAAAAAA3030303048484848484848484848484848
          4848484848484848484830303030323232323232323232323232323232323232
          323232323230303030DDDDDDDDDDDDDDDDDDDDDDDDDDDD303030304848484848
          4848484848484848483030303032323232323232323232323232323030313131
          3131313030303030303131313131313048484848484848484848484848484848
          3030323232323232323232323232323232323030303030303030303030303030
          30303030303030300000}
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
