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
          0800101010001818180028282800303030003838380040404000505050006464
          6400686868006C6C6C007070700074747400787878007C7C7C00808080008484
          8400888888008C8C8C009090900094949400989898009C9C9C00A0A0A000A4A4
          A400A8A8A800ACACAC00B0B0B000B4B4B400B8B8B800BCBCBC00C0C0C000C4C4
          C400C8C8C800CCCCCC00D0D0D000D4D4D400D8D8D800E0E0E000E4E4E400E8E8
          E800ECECEC00F0F0F000F4F4F400F8F8F800FCFCFC00FF00FF00FFFFFF006042
          1E00D18C2E00775D3D00D6D5E00014166000D9C1A800C3904C008A5626009A7A
          5600DAA97E00B19E8800B37D3F0024319E00B1703300D2A16300BFA88D00A775
          4300E1D2C20031317500FAF1E800644521003E48A400AF762900828FDC00A26E
          3C00F5D0A500FEEEDB00F1BD8000CC87470073615B00BA824E0096612C00F8DE
          C000A891760095693C007572950086542600F0D1AC00EEAD640097A6EB008650
          1F00F6E7D800CDB39600ECC49C00FCF8F300A5672D002A3EB600BA7D2B00F6E6
          D500C67F3C00DFAC7C003B50CB00EDD9C4006F75B3009E836500BE967700F4E3
          D100E8CCAC00D59B4D00AB7F480090775A00A5A2B200C1926200C4A17F00A060
          2A0086684600724C2200AB7949001A1E8000F2D7B600D28F3300CE9E7000F0EF
          ED00F1D7BB00F0D4BA00BE7A3800C1CCF700E5B88D00E3BB9400A0622C00B585
          5200A8773500F3EBE3008D725100F1DABE00F1B67300BC843800F1EEEB00E8BD
          9300EBA55500FAF0E300DCC9B600F1DCC700CD8C4E00A0ABE200EAD2B8004746
          7C00D6965A00FDFCFB005A70DE00C8AC8F00B28A6300FDF4EA00CA986500EED3
          B600C0804000BB9771008A6D4B00D8AF77006B4E2C00F7E0C800E99F4B00AA6B
          2F00F7E9DB003344B5007180DC00A2744600E6C18F002536AA00BEA38500F2C7
          9500DEBCA00091663A008F5C2800C58D4300B8763600967045008180A0009D67
          2F00E9E3DE00EED7C000DCB68900E8DACB002F46C600DFCDB800E3C7A600B48F
          67004C4E89004C61D500EACFB30023298D00C7A88800AF875F00F8F2EC00F8EC
          E000B37B3100F7D4AB00B57A2A00BE9F7D00D6994500FCE7CF002D379000F2DF
          CB00D5BBA000A77B4F00A16A3400BD802E00CFAC82008A99E500EDD4BC00A5B3
          EF00515EB900BF976F0075583400FADAB500B79673005D5D9100BCAFA0008B62
          3500171B6D00DEC6AE007C624400DFC19D00A071430096703E009C6E4000D6A8
          6D00FCE3C5007B532300EAC9A000CBBFB100FBF5EF00CE8F5500F0CBA500A86B
          360056538000DB9F6600F0D4AF00BA89460069492300AB825900BD7B3E00FDFA
          F7005D6CC900E2BC8C00CF9C5B00CF914600F6CEA000BD8B5A00AA784700EBDE
          D100B6936E00C79C6900C4986500A2896C00DAA65E00000000002F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F00002F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          00002F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F0000301C1615050505051516
          1C302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F00001C231D1D080808081D1D231C2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F0000161D
          30303030303030301D162F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F61E6C16161E6C16161E6C16161E6
          C1612F2F36DBDBDBDBDBDBDBDBDBDBDB362F2F2F2F36DBDBDBDBDBDBDBDBDBDB
          DB362F2F2F2F36DBDBDBDBDBDBDBDBDBDBDB362F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00000508303030303030303008052F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F6161E6C16161E6C16161E6C16161E6C12F413859595959595959
          5959595938412F2F4F5E71717171717171717171715E4F2F2FAFEE3131313131
          313131313131EEAF2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F00000508303030303030303008052F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2FC16161E6C161
          61E6C16161E6C16161E64150983A3A3A3A3A3A3A3A3A3A3A9850414F3E634C4C
          4C4C4C4C4C4C4C4C4C633E4FAFE3AE6262626262626262626262AEE3AF2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F0000050830303030
          3030303008052F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2FE6C16161E6C16161E6C16161E6C161613878
          E76262626262626262626262E778385E6357A0A0A0A0A0A0A0A0A0A0A057635E
          EEAE62626262626262626262626262AEEE2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F0000161D30303030303030301D16301A14040404
          040404141A302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F61E6C16161E6C16161E6C16161E6C16159B44D4D4D4D4D4D4D4D4D4D4D4D
          4DB45971A98A8A8A8A8A8A8A8A8A8A8A8A8AA971317C7C7C7C7C7C7C7C7C7C7C
          7C7C7C7C312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          00001C231D1D080808081D1D231C1A211D0808080808081D211A2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F6161E6C16161E6C16161
          E6C16161E6C1597E8E8E8E8E8E8E8E8E8E8E8E8E8E7E5971A957575757575757
          575757575757A97131AEAEAEAEAEAEAEAEAEAEAEAEAEAEAE312F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F0000301C1615050505051516
          1C30042D30303030303030302D043003302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2FC16161E6C16161E6C16161E6C16161E6597F92929292
          9292929292929292927F5971F657575757575757575757575757F67131AEAEAE
          AEAEAEAEAEAEAEAEAEAEAEAE312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F00002FA5A5A5A5A5A5A5A5A5A52F042D3030303030303030
          2D043003302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2FE6C1
          6161E6C16161E6C16161E6C16161597F929292929292929292929292927F5971
          4A868686868686868686868686864A71313E3E3E3E3E3E3E3E3E3E3E3E3E3E3E
          312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F0000A595
          933030303030309395A51A2C30262626262626302C1A3003302F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F61E6C16161E6C16161E6C16161E6
          C161595CEBEBEBEBEBEBEBEBEBEBEBEBEB5C5971C34C4C4C4C4C4C4C4C4C4C4C
          4C4CC371313E3E3E3E3E3E3E3E3E3E3E3E3E3E3E312F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F0000A59330302F2F2F2F303093A5301A
          14040404040404141A303003302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F6161E6C16161E6C16161E6C16161E6C159997E7E7E7E7E7E7E7E
          7E7E7E7E7E99597151F6F6F6F6F6F6F6F6F6F6F6F6F6517131A1A1A1A1A1A1A1
          A1A1A1A1A1A1A1A1312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F0000A5302F2F2F2F2F2F2F2F30A52F747474747474747474742F3003
          3030303030302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2FC16161E6C161
          61E6C16161E6C16161E6597B898989898989898989898989897B5971E2C3C3C3
          C3C3C3C3C3C3C3C3C3C3E271315E5E5E5E5E5E5E5E5E5E5E5E5E5E5E312F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F0000A5302F2F2F2F
          2F2F2F2F30A57495933030303030309395742F742F03030303032F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2FE6C16161E6C16161E6C16161E6C16161597A
          5C5C5C5C5C5C5C5C5C5C5C5C5C7A5971C7D5D5D5D5D5D5D5D5D5D5D5D5D5C771
          315E5E5E5E5E5E5E5E5E5E5E5E5E5E5E312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F0000A5302F2F2F2F2F2F2F2F30A574742F2F2F2F
          2F2F2F2F74742F742F30303030302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F61E6C16161E6C16161E6C16161E6C16159855C5C5C5C5C5C5C5C5C5C5C5C
          5C855971C7D5D5D5D5D5D5D5D5D5D5D5D5D5C771318080808080808080808080
          80808080312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          0000A59330302F2F2F2F303093A574742F2F2F2F2F2F2F2F74742F742F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F6161E6C16161E6C16161
          E6C16161E6C1ACB856E8E8E8E8E8E8E8E8E8E8E856B8ACE97AE2E2E2E2E2E2E2
          E2E2E2E2E2E27AE945553838383838383838383838383855452F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F0000A5959330303030303093
          95A574A53031313131313130A5742F742F74747474742F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2FC16161E6C16161E6C16161E6C16161E681496A9F9F9F
          9F9F9F9F9F9F9F9F6A49816F4F854B4B4B4B4B4B4B4B4B4B4B854F6FD9EE5555
          5555555555555555555555EED92F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F00002FA5A5A5A5A5A5A5A5A5A52F2F747474747474747474
          742F2F742F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2FE6C1
          6161E6C16161E6C16161E6C161612F81AC5959595959595959595959AC812F2F
          6FE97171717171717171717171E96F2F2FD945313131313131313131313145D9
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00003024
          1816161616161616161616161824303024181616161616161616161616182430
          30241816161616161616161616161824302F3024181616161616161616161616
          1824303024181616161616161616161616182430302418161616161616161616
          16161824302F3024181616161616161616161616182430302418161616161616
          161616161618243030241816161616161616161616161824302F302418161616
          1616161616161616182430302418161616161616161616161618243030241816
          161616161616161616161824302F2F2F00002206000000000000000000000000
          0006222206000000000000000000000000000622220600000000000000000000
          00000006222F2206000000000000000000000000000622220600000000000000
          000000000000062222060000000000000000000000000006222F220600000000
          0000000000000000000622220600000000000000000000000000062222060000
          000000000000000000000006222F220600000000000000000000000000062222
          0600000000000000000000000000062222060000000000000000000000000006
          222F2F2F00000600000000000000000000000000000006060000000000000000
          000000000000000606000000000000000000000000000000062F060000000000
          0000000000000000000006060000000000000000000000000000000606000000
          000000000000000000000000062F060000000000000000000000000000000606
          0000000000000000000000000000000606000000000000000000000000000000
          062F060000000000000000000000000000000606000000000000000000000000
          0000000606000000000000000000000000000000062F2F2F0000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          000000000000000000000000002F000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          002F000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000002F00000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000002F2F2F0000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          002F000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000002F00000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000002F00000000000000000000000000000000000000000000
          00000000000000000000000000000000000000000000000000000000002F2F2F
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000002F00000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000002F00000000000000000000000000000000000000000000
          00000000000000000000000000000000000000000000000000000000002F0000
          0000000000000000000000000000000000000000000000000000000000000000
          00000000000000000000000000000000002F2F2F000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000002F00000000000000000000000000000000000000000000
          00000000000000000000000000000000000000000000000000000000002F0000
          0000000000000000000000000000000000000000000000000000000000000000
          00000000000000000000000000000000002F0000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          00000000002F2F2F000000000000000000000000000000000000000000000000
          00000000000000000000000000000000000000000000000000000000002F0000
          0000000000000000000000000000000000000000000000000000000000000000
          00000000000000000000000000000000002F0000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          00000000002F0000000000000000000000000000000000000000000000000000
          000000000000000000000000000000000000000000000000002F2F2F00000000
          0000000000000000000000000000000000000000000000000000000000000000
          00000000000000000000000000000000002F0000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          00000000002F0000000000000000000000000000000000000000000000000000
          000000000000000000000000000000000000000000000000002F000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          000000000000000000000000002F2F2F00000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          00000000002F0000000000000000000000000000000000000000000000000000
          000000000000000000000000000000000000000000000000002F000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          000000000000000000000000002F000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          002F2F2F00000000000000000000000000000000000000000000000000000000
          000000000000000000000000000000000000000000000000002F000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          000000000000000000000000002F000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          002F000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000002F2F2F0000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          000000000000000000000000002F000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          002F000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000002F00000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000002F2F2F0000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          002F000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000002F00000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000002F00000000000000000000000000000000000000000000
          00000000000000000000000000000000000000000000000000000000002F2F2F
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000002F00000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000002F00000000000000000000000000000000000000000000
          00000000000000000000000000000000000000000000000000000000002F0000
          0000000000000000000000000000000000000000000000000000000000000000
          00000000000000000000000000000000002F2F2F000007000000000000000000
          0000000000000707000000000000000000000000000000070700000000000000
          0000000000000000072F07000000000000000000000000000000070700000000
          00000000000000000000000707000000000000000000000000000000072F0700
          0000000000000000000000000000070700000000000000000000000000000007
          07000000000000000000000000000000072F0700000000000000000000000000
          0000070700000000000000000000000000000007070000000000000000000000
          00000000072F2F2F00002D0700000000000000000000000000072D2D07000000
          00000000000000000000072D2D0700000000000000000000000000072D2F2D07
          00000000000000000000000000072D2D0700000000000000000000000000072D
          2D0700000000000000000000000000072D2F2D07000000000000000000000000
          00072D2D0700000000000000000000000000072D2D0700000000000000000000
          000000072D2F2D0700000000000000000000000000072D2D0700000000000000
          000000000000072D2D0700000000000000000000000000072D2F2F2F00002F30
          30303030303030303030303030302F2F3030303030303030303030303030302F
          2F3030303030303030303030303030302F2F2F30303030303030303030303030
          30302F2F3030303030303030303030303030302F2F3030303030303030303030
          303030302F2F2F3030303030303030303030303030302F2F3030303030303030
          303030303030302F2F3030303030303030303030303030302F2F2F3030303030
          303030303030303030302F2F3030303030303030303030303030302F2F303030
          3030303030303030303030302F2F2F2F0000C0CC385959595959595959595959
          38CCC0C0F05E71717171717171717171715EF0C0C0D9EE313131313131313131
          3131EED9C02FC0CC38595959595959595959595938CCC0C0F05E717171717171
          71717171715EF0C0C0D9EE3131313131313131313131EED9C02FC0CC38595959
          595959595959595938CCC0C0F05E71717171717171717171715EF0C0C0D9EE31
          31313131313131313131EED9C02FC0CC38595959595959595959595938CCC02B
          3D757575757575757575757575753D2B2AC8DA3535353535353535353535DAC8
          2A2F2F2F0000CC50983A3A3A3A3A3A3A3A3A3A3A9850CCF03E634C4C4C4C4C4C
          4C4C4C4C4C633EF0D9E3AEAEB1B1B1B1B1B1B1B1B1AEAEE3D92FCC50983A3A3A
          3A3A3A3A3A3A3A3A9850CCF03E634C4C4C4C4C4C4C4C4C4C4C633EF0D9E3AE62
          62626262626262626262AEE3D92FCC50983A3A3A3A3A3A3A3A3A3A3A9850CCF0
          3E634C4C4C4C4C4C4C4C4C4C4C633EF0D9E3AE62626262E9B1B1E9626262AEE3
          D92FCC50983A3A3A3A3A3A3A3A3A3A3A9850CC3DBDF2A4A4A4A4A4A4A4A4A4A4
          A4F2BD3DC8755FB6B6A3B6B6B6B6B6A3B6B65F75C82F2F2F00003878E7AECCB1
          B1B1B1B1B1B1CCAEE778385E6357F53C3C3C3C3C3C3C3C3CF557635EEEAE62B1
          C030303030303030C0B162AEEE2F3878E76262626262626262626262E778385E
          6357A0A0A0A0A0A0A0A0A0A0A057635EEEAE62623EB1B1B1B1B1B1B13E6262AE
          EE2F3878E762626262E9B1B1E9626262E778385E6357A0A0A0A09A3C3C9AA0A0
          A057635EEEAE6262626262B13030B162626262AEEE2F3878E76262F062626262
          62F06262E7783875F2BBB6B6A3B6B6B6B6B6A3B6B6BBF275DA5FB6B691B0BAA3
          B6A3BAB091B6B65FDA2F2F2F000059B44DCCE630303030303030E6CC4DB45971
          A98A3CE630303030303030E63C8AA971317C7C50305050505050505030507C7C
          312F59B44D4D3CCCCCCCCCCCCCCC3C4D4DB45971A98A8AF53C3C3C3C3C3C3CF5
          8A8AA971317C7C7C50F13030303030F1507C7C7C312F59B44D4D4D4D4DCC3030
          CC4D4D4D4DB45971A98A8A8A8A8A3C30303C8A8A8A8AA971317C7C7C7C7C7C50
          3030507C7C7C7C7C312F59B44D4D49D6419A4D9A41D6494D4DB45975486464BA
          B0BA646464BAB0BA64644875355F5FA3B03034BA46BA3430B0A35F5F352F2F2F
          0000597E8E49304949494949494930498E7E5971A9573C303C3C3C3C3C3C3C30
          3C57A97131AEAE503050AEAEAEAEAE503050AEAE312F597E8E8E499330303030
          3093498E8E7E5971A957573C933030303030933C5757A97131AEAEAE50F13030
          303030F150AEAEAE312F597E8E8E8E8E8E493030498E8E8E8E7E5971A9575757
          57573C30303C57575757A97131AEAEAEAEAEAE50505050AEAEAEAEAE312F597E
          8E4D9B30F9419A41F9309B4D8E7E5975486464B03034D7D2D73430B064644875
          355F5F5F91343034EA343034915F5F5F352F2F2F0000597F9241304192929292
          92413041927F5971F657813081575757575781308157F67131AEAE503050AEAE
          AEAEAE503050AEAE312F597F929241933030303030934192927F5971F6575781
          93303030303093815757F67131AEAEAE5E505050505050505EAEAEAE312F597F
          929292929241494941929292927F5971F657575757574F6C6C4F57575757F671
          31AEAEAEAEAEAE50303050AEAEAEAEAE312F597F92E7F8F930F9CBF930F9F8E7
          927F5975CFBBBBD7343034D7343034D7BBBBCF75355F5F5F5F9134302D303491
          5F5F5F5F352F2F2F0000597F924130419292929292413041927F59714A868130
          818686868686813081864A71313E3EAC30AC3E3E3E3E3EAC30AC3E3E312F597F
          92924F414141414141414F92927F59714A86863F818181818181813F86864A71
          313E3E3E3E3E3E3E3E3E3E3E3E3E3E3E312F597F929292929241303041929292
          927F59714A868686868681303081868686864A71313E3E3E3E3E3EAC3030AC80
          3E3E3E3E312F597F9292E7CBF9309330F9CBE792927F5975CFBBBBBBD734302E
          3034D7BBBBBBCF75355F5F5F5FC8EA2D302DEAC85F5F5F5F352F2F2F0000595C
          EB743074EBEBEBEBEB743074EB5C5971C34CF730F74C4C4C4C4CF730F74CC371
          313E3EAC30AC3E3E3E3E3EAC30AC3E3E312F595CEBEBEBEBEBEBEBEBEBEBEBEB
          EB5C5971C34C4C4C4C4C4C4C4C4C4C4C4C4CC371313E3E3E3E3E3E3E3E3E3E3E
          3E3E3E3E312F595CEBEBEBEBEB7430304181EBEBEB5C5971C34C4C4C4C4CF730
          3081984C4C4CC371313E3E3E3E3E3E50AC3030AC503E3E3E312F595CEBEBEBE7
          EF933093EFE7EBEBEB5C597558949494F2542E302E54F2949494587535A7A7A7
          A79134302D303491A7A7A7A7352F2F2F000059997EBF30BF7E7E7E7E7EBF30BF
          7E99597151F69B309BF6F6F6F6F69B309BF6517131A1A1AC30ACACACACACACAC
          30ACA1A1312F59997E7E7E7E7E7E7E7E7E7E7E7E7E99597151F6F6F6F6F6F6F6
          F6F6F6F6F6F6517131A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1312F59997E7E7E7E
          7ED3EF3030EFD37E7E99597151F6F6F6F6F670B93030B970F6F6517131A1A1A1
          A150ACACAC383030ACA1A1A1312F59997E7E3AB9B2309330B2B93A7E7E995975
          D1CFCF48B027302E3027B048CFCFD17535A7A7A791343034EA34303491A7A7A7
          352F2F2F0000597B899630BF9696969696BF3096897B5971E2C39B30FA9B9B9B
          9B9BFA309BC3E271315E5E38303030303030303030385E5E312F597B89898989
          8989898989898989897B5971E2C3C3C3C3C3C3C3C3C3C3C3C3C3E271315E5E5E
          5E5E5E5E5E5E5E5E5E5E5E5E312F597B898989D39696BFBF30309689897B5971
          E2C3C3C3CE9B9BFAFA30309BC3C3E271315E5E5E5E38303038383030385E5E5E
          312F597B897EB9B230B2FAB230B2B97E897B59757DCFCFB0273027B0273027B0
          CFCF7D7535A7A73D54303491C8913430543DA7A7352F2F2F0000597A5CB93030
          30303030303030B95C7A5971C7D59B3030303030303030309BD5C771315E5E38
          C030303030303030C0385E5E312F597A5C5C5C5C5C5C5C5C5C5C5C5C5C7A5971
          C7D5D5D5D5D5D5D5D5D5D5D5D5D5C771315E5E5E5E5E5E5E5E5E5E5E5E5E5E5E
          312F597A5C5C5CB9303096963030B95C5C7A5971C7D5D5D59B3030D6D630309B
          D5D5C771315E5E5E5EAC553030303055AC5E5E5E312F597A5CB49530B2FACEFA
          B23095B45C7A59757D58CF6E3028B048B028306ECF587D75353D3D3D4354913D
          3D3D9154433D3D3D352F2F2F000059855CFA5D303030303030305DFA5C855971
          C7D5C55D303030303030305DC5D5C771318080AC555555555555555555AC8080
          312F59855C5C5C5C5C5C5C5C5C5C5C5C5C855971C7D5D5D5D5D5D5D5D5D5D5D5
          D5D5C77131808080808080808080808080808080312F59855C5C5C7096303030
          3096705C5C855971C7D5D5D595D630303030D695D5D5C771318080808080AC55
          555555AC80808080312F59855C5C9B95D67F5C7FD6959B5C5C8559757D5858B0
          6EB0585858B06EB058587D75353D3D3D3D3D3D3D3D3D3D3D3D3D3D3D352F2F2F
          0000ACB856B4D6FAFAFAFAFAFAFAD6B456B8ACE97AE2B8A8C5C5C5C5C5C5C5A8
          B8E27AE945553838383838383838383838383855452FACB856E8E8E8E8E8E8E8
          E8E8E8E856B8ACE97AE2E2E2E2E2E2E2E2E2E2E2E2E27AE94555383838383838
          3838383838383855452FACB856E8E8E870FAFAFAFA70E8E856B8ACE97AE2E2E2
          E25BC5C5C5C55BE2E2E27AE945553838383838383838383838383855452FACB8
          56E8E87FE4E8E8E8E47FE8E856B8ACBD8FD1D1D18FD1D1D1D1D18FD1D1D18FBD
          35434343434343434343434343434343352F2F2F0000F8496A9F9F9F9F9F9F9F
          9F9F9F9F6A49F8F74F854B4B4B4B4B4B4B4B4B4B4B854FF773EE555555555555
          55555555555555EE732FF8496A9F9F9F9F9F9F9F9F9F9F9F6A49F8F74F854B4B
          4B4B4B4B4B4B4B4B4B854FF773EE55555555555555555555555555EE732FF849
          6A9F9F9F9F9F9F9F9F9F9F9F6A49F8F74F854B4B4B4B4B4B4B4B4B4B4B854FF7
          73EE55555555555555555555555555EE732FF8496A9F9F9F9F9F9F9F9F9F9F9F
          6A49F84646D17D7D7D7D7D7D7D7D7D7D7DD14646DADA43434343434343434343
          434343DADA2F2F2F0000F7F8AC5959595959595959595959ACF8F778F7E97171
          717171717171717171E9F778E3734531313131313131313131314573E32FF7F8
          AC5959595959595959595959ACF8F778F7E97171717171717171717171E9F778
          E3734531313131313131313131314573E32FF7F8AC5959595959595959595959
          ACF8F778F7E97171717171717171717171E9F778E37345313131313131313131
          31314573E32FF7F8AC5959595959595959595959ACF8F7D246BD757575757575
          7575757575BD46D275DA35353535353535353535353535DA752F2F2F00002F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00003030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030302F2F303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          303030302F303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030302F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F00003030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030302F2F303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030302F30303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F0000303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          30303030303030303030303030303030303030303030303030302F2F30303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030302F30303030303030303030303030303030303030
          30303030303030303030303030303030303030303030303030303030302F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F0000302002000000000000000000000220303020
          0200000000000000000000022030302002000000000000000000000220303020
          0200000000000000000000022030302002000000000000000000000220303020
          02000000000000000000000220302F2F30303030240601000001062430303030
          3030303024060100000106243030303030303030240601000001062430303030
          2F30303030240601000001062430303030303030302406010000010624303030
          30303030302406010000010624303030302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          0000300200000000000000000000000002303002000000000000000000000000
          0230300200000000000000000000000002303002000000000000000000000000
          0230300200000000000000000000000002303002000000000000000000000000
          02302F2F3030300A00000000000000000A3030303030300A0000000000000000
          0A3030303030300A00000000000000000A3030302F3030300A00000000000000
          000A3030303030300A00000000000000000A3030303030300A00000000000000
          000A3030302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F000030000000000000000000
          0000000000303000000000000000000000000000003030000000000000000000
          0000000000303000000000000000000000000000003030000000000000000000
          000000000030300000000000000000000000000000302F2F30300A0000000000
          00000000000A303030300A000000000000000000000A303030300A0000000000
          00000000000A30302F30300A000000000000000000000A303030300A00000000
          0000000000000A303030300A000000000000000000000A30302F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F000030000000000000000000000000000030300000000000
          0000000000000000003030000000000000000000000000000030300000000000
          0000000000000000003030000000000000000000000000000030300000000000
          000000000000000000302F2F3024000000000000000000000000243030240000
          000000000000000000002430302400000000000000000000000024302F302400
          0000000000000000000000243030240000000000000000000000002430302400
          000000000000000000000024302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00003000
          0000000000000000000000000030300000000000000000000000000000303000
          0000000000000000000000000030300000000000000000000000000000303000
          0000000000000000000000000030300000000000000000000000000000302F2F
          3006000000000000000000000000063030060000000000000000000000000630
          300600000000000000000000000006302F300600000000000000000000000006
          3030060000000000000000000000000630300600000000000000000000000006
          302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00003000000000000000000000000000
          0030300000000000000000000000000000303000000000000000000000000000
          0030300000000000000000000000000000303000000000000000000000000000
          0030300000000000000000000000000000302F2F300100000000000000000000
          0000013030010000000000000000000000000130300100000000000000000000
          000001302F300100000000000000000000000001303001000000000000000000
          0000000130300100000000000000000000000001302F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F00003000000000000000000000000000003030000000000000000000
          0000000000303000000000000000000000000000003030000000000000000000
          0000000000303000000000000000000000000000003030000000000000000000
          0000000000302F2F300000000000000000000000000000303000000000000000
          0000000000000030300000000000000000000000000000302F30000000000000
          0000000000000000303000000000000000000000000000003030000000000000
          0000000000000000302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F0000300000000000
          0000000000000000003030000000000000000000000000000030300000000000
          0000000000000000003030000000000000000000000000000030300000000000
          00000000000000000030300000000000000000000000000000302F2F30000000
          0000000000000000000000303000000000000000000000000000003030000000
          0000000000000000000000302F30000000000000000000000000000030300000
          00000000000000000000000030300000000000000000000000000000302F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F0000300000000000000000000000000000303000
          0000000000000000000000000030300000000000000000000000000000303000
          0000000000000000000000000030300000000000000000000000000000303000
          00000000000000000000000000302F2F30010000000000000000000000000130
          3001000000000000000000000000013030010000000000000000000000000130
          2F30010000000000000000000000000130300100000000000000000000000001
          30300100000000000000000000000001302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          0000300000000000000000000000000000303000000000000000000000000000
          0030300000000000000000000000000000303000000000000000000000000000
          0030300000000000000000000000000000303000000000000000000000000000
          00302F2F30060000000000000000000000000630300600000000000000000000
          00000630300600000000000000000000000006302F3006000000000000000000
          0000000630300600000000000000000000000006303006000000000000000000
          00000006302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F000030000000000000000000
          0000000000303000000000000000000000000000003030000000000000000000
          0000000000303000000000000000000000000000003030000000000000000000
          000000000030300000000000000000000000000000302F2F3024000000000000
          0000000000002430302400000000000000000000000024303024000000000000
          00000000000024302F3024000000000000000000000000243030240000000000
          000000000000002430302400000000000000000000000024302F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F000030000000000000000000000000000030300000000000
          0000000000000000003030000000000000000000000000000030300000000000
          0000000000000000003030000000000000000000000000000030300000000000
          000000000000000000302F2F30300A000000000000000000000A303030300A00
          0000000000000000000A303030300A000000000000000000000A30302F30300A
          000000000000000000000A303030300A000000000000000000000A303030300A
          000000000000000000000A30302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00003002
          0000000000000000000000000230300200000000000000000000000002303002
          0000000000000000000000000230300200000000000000000000000002303002
          0000000000000000000000000230300200000000000000000000000002302F2F
          3030300A00000000000000000A3030303030300A00000000000000000A303030
          3030300A00000000000000000A3030302F3030300A00000000000000000A3030
          303030300A00000000000000000A3030303030300A00000000000000000A3030
          302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00003020020000000000000000000002
          2030302002000000000000000000000220303020020000000000000000000002
          2030302002000000000000000000000220303020020000000000000000000002
          2030302002000000000000000000000220302F2F303030302406010000010624
          3030303030303030240601000001062430303030303030302406010000010624
          303030302F303030302406010000010624303030303030303024060100000106
          2430303030303030302406010000010624303030302F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F00003030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030302F2F303030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030302F30303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303030302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00002F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F00002F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          00002F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00002FBEBFDEDEDEDEDEDEDE
          DEDEDEBFBE2F2FE1AD60606060606060606060ADE12F2F52DC31313131313131
          313131DC522F2FBEBFDEDEDEDEDEDEDEDEDEDEBFBE2F2FE1AD60606060606060
          606060ADE12F2F52DC31313131313131313131DC522F2F2F2F2F2F2FBE9BEFA5
          A5EF9BBE2F2F2F2F2F2F2F2FE1F4ADCDCDADF4E12F2F2F2F2F2F2F2F526D3345
          45336D522F2F2F2F2F2F2F2F2FBE9BEFA5A5EF9BBE2F2F2F2F2F2F2F2FE1F4AD
          CDCDADF4E12F2F2F2F2F2F2F2F526D334545336D522F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F00002FBF5BC0E6E6E6E6E6E6E6E6C05BBF2F2FAD9D56ECEC
          ECECECECECEC569DAD2F2FDC3BA2C1C1C1C1C1C1C1C1A23BDC2F2FBF5BC0E6E6
          E6E6E6E6E6E6C05BBF2F2FAD9D56ECECECECECECECEC569DAD2F2FDC3BA2C1C1
          C1C1C1C1C1C1A23BDC2F2F2F2F2F2FC5CBBEB54444B5BECBC52F2F2F2F2F2F3F
          87E15C56565CE1873F2F2F2F2F2F2F679E528C5A5A8C529E672F2F2F2F2F2F2F
          C5CBBEB54444B5BECBC52F2F2F2F2F2F3F87E15C56565CE1873F2F2F2F2F2F2F
          679E528C5A5A8C529E672F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00002FDE
          C05A5A5A5A5A5A5A5A5A5AC0DE2F2F60ECF6C3C3C3C3C3C3C3C3F6EC602F2F31
          5AA2A2A2A2A2A2A2A2A2A25A312F2FDEC05A5A5A5A5A5A5A5A5A5AC0DE2F2F60
          ECF6C3C3C3C3C3C3C3C3F6EC602F2F315AA2A2A2A2A2A2A2A2A2A25A312F2F2F
          2F2F70EFF944A25A5AA244F9EF702F2F2F2F3FADE4564AC3C34A56E4AD3F2F2F
          2F2F67D4B7A2A2A2A2A2A2B7D4672F2F2F2F2F70EFF944A25A5AA244F9EF702F
          2F2F2F3FADE4564AC3C34A56E4AD3F2F2F2F2F67D4B7A2A2A2A2A2A2B7D4672F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00002FDEE6A2A2A2A2A2A2A2A2A2A2E6
          DE2F2F60ECC3E2E2E2E2E2E2E2E2C3EC602F2F315A5A5A5A5A5A5A5A5A5A5A5A
          312F2FDEE6A2A2699CD4B5A2A2A2A2E6DE2F2F60ECC3E28572D4BCE2E2E2C3EC
          602F2F315A5A5AF972D4425A5A5A5A5A312F2F2F2FBECBF98BA2A2A2A2A2A28B
          F9CBBE2F2F9D87E44AD5E2E2E2E2D54AE4879D2F2F529EB75A5A5A5A5A5A5A5A
          B79E522F2F2FBECBF98BA2A24242A2A28BF9CBBE2F2F9D87E44AD5E26A6AE2D5
          4AE4879D2F2F529EB75A5A5AB7B75A5A5AB79E522F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F00002FDE5DC1C1C1C1C1C1C1C1C1C15DDE2F2F60EC76C7C7C7C7C7C7
          C7C776EC602F2F31696969696969696969696969312F2FDE5DC15A8445459C5A
          C1C1C15DDE2F2F60EC769F84EEEE9C9FC7C776EC602F2F316969C98445459C69
          69696969312F2F2F2F9B9597C1C1C1C1C1C1C1C197959B2F2FF4E15651C7C7C7
          C7C7C75156E1F42F2F6DFD69696969696969696969FD6D2F2F2F9B9597C14272
          EEEE7242C197959B2F2FF4E156519072EEEE72905156E1F42F2F6DFD69694272
          EEEE72426969FD6D2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00002FDE5DC1C1C1
          C1C1C1C1C1C1C15DDE2F2F6076D5C7C7C7C7C7C7C7C7D576602F2F3169696969
          6969696969696969312F2FDE5DC1397373737352C1C1C15DDE2F2F607676EFE3
          E3E3E3D6C7C7D576602F2F3169C939737373735269696969312F2F2F2FEFB544
          C1C1C1C1C1C1C1C144B5EF2F2FADE4ECC7C7C7C7C7C7C7C7ECE4AD2F2FD43669
          69696969696969696936D42F2F2FEFB544C1AFE3E3E3E3AFC144B5EF2F2FADE4
          ECC739D4D4D4D439C7ECE4AD2F2FD4366969AFE3E3E3E3AF696936D42F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F00002FDEF18B8B8B8B8B8B8B8B8B8BF1DE2F2F60
          76514B4B4B4B4B4B4B4B5176602F2F31C9C9C9C9C9C9C9C9C9C9C9C9312F2FDE
          F195E3E35B40E3E3368B8BF1DE2F2F6076CEACAC5BCEACACAA4B5176602F2F31
          C9A8E3E3BEC5E3E35BC9C9C9312F2F2F2FA5E68B8B8B8B8B8B8B8B8B8BE6A52F
          2FCDEC514B4B4B4B4B4B4B4B51ECCD2F2F4565C9C9C9C9C9C9C9C9C9C965452F
          2F2FA5E68BB5AC5050ACACACB58BE6A52F2FCDEC51B353DFDF535353B351ECCD
          2F2F4565C9B7AC5050ACACACB7C965452F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          00002FDEF144444444444444444444F1DE2F2F6076514B4B4B4B4B4B4B4B5176
          602F2F318D8D8D8D8D8D8D8D8D8D8D8D312F2FDEF1B7DF954444BF38D9F944F1
          DE2F2F6076B83CB44B4B6F5E828D5176602F2F318D36DF708D8DEF38D9B78D8D
          312F2F2F2FA5E644444444444444444444E6A52F2FCD76514B4B4B4B4B4B4B4B
          5176CD2F2F45658D8D8D8D8D8D8D8D8D8D65452F2F2FA5E644F9A15BCA825E5E
          F944E6A52F2FCD76518D6CCA36816C6C8D5176CD2F2F45658D6AA15BCA825E5E
          6A8D65452F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00002FDEF197979797979797
          979797F1DE2F2F60769F8B8B8B8B8B8B8B8B9F76602F2F316565656565656565
          65656565312F2FDEF1979797979783A5506C8BF1DE2F2F60769F8B8B8B8BA2ED
          C4375176602F2F31656565656565904950F8B365312F2F2F2FEFF9E697979797
          97979797E6F9EF2F2FADE4858B8B8B8B8B8B8B8B85E4AD2F2FD4CA6565656565
          6565656565CAD42F2F2FEFF9E69737DDDDEDC43797E6F9EF2F2FADE4858B78DB
          B7FC37788B85E4AD2F2FD4CA656537DDDDEDC4AD6565CAD42F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F00002FDE93E6E6E6E6E6E6E6E6E6E693DE2F2F607A9F9797
          9797979797979F7A602F2F31B3B3B3B3B3B3B3B3B3B3B3B3312F2FDE93E6E6E6
          E6E6E6B5CCB1BE93DE2F2F607A9F97979797978D32329D7A602F2F31B3B3B3B3
          B3B3B3DDCCB1FBB3312F2F2F2FC595F1E6E6E6E6E6E6E6E6F195C52F2F3F9D76
          A2979797979797A2769D3F2F2F8467B3B3B3B3B3B3B3B3B3B367842F2F2FC595
          F1E6613FF5326B61E6F195C52F2F3F9D76A261B4E13F9D61A2769D3F2F2F8467
          B3B36AF4F532F56AB3B367842F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00002FDE
          935D5D5D5D5D5D5D5D5D5D93DE2F2F60856197979797979797976185602F2F31
          D0D0D0D0D0D0D0D0D0D0D0D0312F2FDE935D5D5D5D5D5D5D36A1CE93DE2F2F60
          8561979797979797E4326385602F2F31D0D0D0D0D0D0D0D0CEA1FBD0312F2F2F
          2F5BCBB2F15D5D5D5D5D5DF1B2CB5B2F2FB4876A85C197979797C1856A87B42F
          2FFD9ECAD0D0D0D0D0D0D0D0CA9EFD2F2F2F5BCBB2F15D5D5A5A5D5DF1B2CB5B
          2F2FB4876A85C197A2A297C1856A87B42F2FFD9ECAD0D0D06A6AD0D0D0CA9EFD
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00002FDE93F1F1F1F1F1F1F1F1F1F193
          DE2F2F60859F61616161616161619F85602F2F31BC90909090909090909090BC
          312F2FDE93F1F1F1F1F1F1F1F1C0F193DE2F2F60859F616161616161619F9F85
          602F2F31BC90909090909090906A90BC312F2F2F2F2FBEEFB293F1F1F1F193B2
          EFBE2F2F2F2F9DAD6A859F61619F856AAD9D2F2F2F2F39D4CA909090909090CA
          D4392F2F2F2F2FBEEFB293F1F1F1F193B2EFBE2F2F2F2F9DAD6A859F61619F85
          6AAD9D2F2F2F2F39D4CA909090909090CAD4392F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F00002F96CA93303030303030303093CA962F2F37B485858585858585
          858585B4372F2F3352BCBCBCBCBCBCBCBCBCBC52332F2F96CA93303030303030
          303093CA962F2F37B485858585858585858585B4372F2F3352BCBCBCBCBCBCBC
          BCBCBC52332F2F2F2F2F2FBECB5BB2F1F1B25BCBBE2F2F2F2F2F2F9D879D6A85
          856A9D879D2F2F2F2F2F2F399E675B6A6A5B679E392F2F2F2F2F2F2FBECB5BB2
          F1F1B25BCBBE2F2F2F2F2F2F9D879D6A85856A9D879D2F2F2F2F2F2F399E675B
          6A6A5B679E392F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00002F5B96DEDEDE
          DEDEDEDEDEDEDE965B2F2FB4376060606060606060606037B42F2F6733313131
          3131313131313133672F2F5B96DEDEDEDEDEDEDEDEDEDE965B2F2FB437606060
          6060606060606037B42F2F67333131313131313131313133672F2F2F2F2F2F2F
          5BC5BFA5A5BFC55B2F2F2F2F2F2F2F2FB4E137CDCD37E1B42F2F2F2F2F2F2F2F
          679CD44545D49C672F2F2F2F2F2F2F2F2F5BC5BFA5A5BFC55B2F2F2F2F2F2F2F
          2FB4E137CDCD37E1B42F2F2F2F2F2F2F2F679CD44545D49C672F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F00002F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          00002F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F0909090909090900000000000000090909090909092F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00002F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2A3030303030
          30202020202020203030303030302E2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F00002F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F303030303030303030303030303030303030
          3030302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00002F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F3030303030303030303030303030303030303030302F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00002F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F30303030303030303030
          30303030303030303030302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F00002F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F1C30303030303030303030303030303030303030242F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00002323230A0A0A
          0A0A0A232323131313040404040404131313301A14040404040404141A302330
          303030303030303030233030303030303030303030303016100F030303030F10
          16303016100F030303030F101630303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030301C30
          303030303030303030303030303030303030242F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F00001D1D1D0808080808081D1D1D131D1D080808
          0808081D1D131A211D0808080808081D211A2330303030303030303030233030
          30303030303030303030161D13130404040413131D16162E3030303030303030
          2E16300600000000000000000630300600000000000000000630300600000000
          0000000006303030303030303030303030301C30303030303030303030303030
          303030303030242F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          0000303030303030303030303030133030303030303030303013143030303030
          3030303030142330303030303030303030233030303030303030303030301013
          3030242424243030131010303030303030303030301030000000000000000000
          0030300000000000000000000030300000000000000000000030303030023030
          0230300230301C30303030303030303030303030303030303030242F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F000030303030303030303030
          30300430303030303030303030040430303030303030303030040A3030303030
          30303030300A3030303030303030303030300F133030303030303030130F0F30
          3030303030303030300F30000000000000000000003030000000000000000000
          00303000000000000000000000303030033030033030033030301C3030303030
          3030303030303030303030303030242F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F000030303030303030303030303004303030303030303030
          30040430303030303030303030040A303030303030303030300A303030303030
          3030303030300304243030303030302404030330303030303030303030033000
          0000000000000000003030000000000000000000003030000000000000000000
          0030303030303030303030303030303030303030303030303030303030303030
          3030302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00003030
          3030303030303030303004303030303030303030300404303030303030303030
          30040A303030303030303030300A303030303030303030303030030424303030
          3030302404030330303030303030303030033000000000000000000000303000
          0000000000000000003030000000000000000000003030303030303002303002
          30303030303030303030303030303030303030303030302F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00003030303030303030303030300430
          303030303030303030040430303030303030303030040A303030303030303030
          300A303030303030303030303030030424303030303030240403033030303030
          3030303030033000000000000000000000303000000000000000000000303000
          0000000000000000003030303030300330300330303030303030303030303030
          30303030303030303030302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F00003030303030303030303030300430303030303030303030040430
          303030303030303030040A303030303030303030300A30303030303030303030
          3030030424303030303030240403033030303030303030303003300000000000
          0000000000303000000000000000000000303000000000000000000000303030
          303030303030303030302A303030303030202020202020203030303030302E2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F0000303030303030
          3030303030300430303030303030303030040430303030303030303030040A30
          3030303030303030300A3030303030303030303030300F133030303030303030
          130F0F303030303030303030300F300000000000000000000030300000000000
          000000000030300000000000000000000030303030303030303030023030171D
          1D1D1D1D1D080808080808081D1D1D1D1D1D192F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F0000303030303030303030303030133030303030
          3030303030131430303030303030303030142430303030303030303030243030
          3030303030303030303010133030242424243030131010303030303030303030
          3010300000000000000000000030300000000000000000000030300000000000
          0000000000303030303030303030033030303131313131313131313131313131
          313131313131312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          00003030303030303030303030301330302626262626263030131A2C30262626
          262626302C1A272A301A1A1A1A1A1A302A27303030303030303030303030161D
          13130404040413131D1616283030222222223030281630060000000000000000
          0630300600000000000000000630300600000000000000000630303030303030
          3030303030303B30303030303031313131313131303030303030312F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F000030303030303030303030
          3030131313040404040404131313301A14040404040404141A303027240A0A0A
          0A0A0A2427303030303030303030303030303016100F030303030F1016303016
          100F030303030F10163030303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          302F2F2F2F2F2F2F303030303030302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F000074747474747474747474747474747474747474747474
          74742F747474747474747474742F3130302F2F2F2F2F2F303031303030302F2F
          2F2F303030302F474747474747474747472F2F313131313131313131312F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F303030303030302F2F2F2F2F2F2F30303030
          3030302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00003030
          3030303030303030303074303030303030303030307474959330303030303093
          95743130302F2F2F2F2F2F303031303030302F2F2F2F3030303047CE93303030
          30303093CE47313130302F2F2F2F303031312F9BDEDEDEDEDEDEDEDE9B2F2F9B
          DEDEDEDEDEDEDEDE9B2F2F9BDEDEDEDEDEDEDEDE9B2F2F2F2F2F2F2F2F2F2F2F
          2F2F303030303030302F2F2F2F2F2F2F303030303030302F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00003030302F2F2F2F2F2F3030307430
          302F2F2F2F2F2F3030747430302F2F2F2F2F2F3030743130302F2F2F2F2F2F30
          3031303030302F2F2F2F30303030479330303232323230309347313030302F2F
          2F2F303030312FDEC9616161616161C9DE2F2FDEC9616161616161C9DE2F2FDE
          C9616161616161C9DE2F2F2F2F302F2F302F2F302F2F302F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F00002F2F2F2F2F2F2F2F2F2F2F2F742F2F2F2F2F2F2F2F2F2F74742F
          2F2F2F2F2F2F2F2F2F74312F2F2F2F2F2F2F2F2F2F31303030302F2F2F2F3030
          3030473030302F2F2F2F30303047313030302F2F2F2F303030312FDEA2A23BFD
          5AA2A2A2DE2F2FDEA2A2A2A2A2A2A2A2DE2F2FDEA2C936363636C9A2DE2F2F2F
          742F2F742F2F742F2F2F302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F312F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00002F2F2F2F2F2F
          2F2F2F2F2F2F742F2F2F2F2F2F2F2F2F2F74742F2F2F2F2F2F2F2F2F2F74312F
          2F2F2F2F2F2F2F2F2F312F2F2F2F2F2F2F2F2F2F2F2F4730322F2F2F2F2F2F32
          3047312F2F2F2F2F2F2F2F2F2F312FDEC13B313152C1C1C1DE2F2FDEC1C1C1C1
          C1C1C1C1DE2F2FDEC136D3D3D3D336C1DE2F2F2F2F2F2F2F2F2F2F2F2F2F302F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F312F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F00002F2F2F2F2F2F2F2F2F2F2F2F742F2F2F2F2F
          2F2F2F2F2F74742F2F2F2F2F2F2F2F2F2F74312F2F2F2F2F2F2F2F2F2F312F2F
          2F2F2F2F2F2F2F2F2F2F4730322F2F2F2F2F2F323047312F2F2F2F2F2F2F2F2F
          2F312FDED831337231408B8BDE2F2FDE8B8B8B8B8B8B8B8BDE2F2FDE8B36D3D3
          D3D3368BDE2F2F2F2F2F2F2F302F2F302F2F302F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          00002F2F2F2F2F2F2F2F2F2F2F2F742F2F2F2F2F2F2F2F2F2F74742F2F2F2F2F
          2F2F2F2F2F74312F2F2F2F2F2F2F2F2F2F312F2F2F2F2F2F2F2F2F2F2F2F4730
          322F2F2F2F2F2F323047312F2F2F2F2F2F2F2F2F2F312FDEE572F9F9D445E544
          DE2F2FDE4444444444444444DE2F2FDE44DBD3D3D3D3DB44DE2F2F2F2F2F2F74
          2F2F742F2F2F302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F312F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00002F2F2F2F2F2F2F2F2F2F
          2F2F742F2F2F2F2F2F2F2F2F2F74742F2F2F2F2F2F2F2F2F2F74312F2F2F2F2F
          2F2F2F2F2F312F2F2F2F2F2F2F2F2F2F2F2F4730322F2F2F2F2F2F323047312F
          2F2F2F2F2F2F2F2F2F312FDEE6E6E6E6B59EEE42DE2F2FDEE6E6E6E6E6E6E6E6
          DE2F2FDEE6DBD3D3D3D3DBE6DE2F2F2F2F2F2F2F2F2F2F2F2F2F303030303030
          302F2F2F2F2F2F2F303030303030302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F00002F2F2F2F2F2F2F2F2F2F2F2F742F2F2F2F2F2F2F2F2F
          2F74742F2F2F2F2F2F2F2F2F2F74312F2F2F2F2F2F2F2F2F2F31303030302F2F
          2F2F30303030473030302F2F2F2F30303047313030302F2F2F2F303030312FDE
          5D5D5D5D5D8C453BDE2F2FDE5D5D5D5D5D5D5D5DDE2F2FDE5D838C8C8C8C835D
          DE2F2F2F2F2F2F2F2F2F2F302F2F303030303030302F2F2F2F2F2F2F30303030
          3030302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00003030
          302F2F2F2F2F2F3030307430302F2F2F2F2F2F3030747430302F2F2F2F2F2F30
          30743130302F2F2F2F2F2F303031303030302F2F2F2F30303030479330303232
          323230309347313030302F2F2F2F303030312FA5E6F1F1F1F1F183C0A52F2FA5
          E6F1F1F1F1F1F1E6A52F2FA5E6F1F1F1F1F1F1E6A52F2F2F2F2F2F2F2F2F742F
          2F2F303030303030302F2F2F2F2F2F2F303030303030302F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00003030302F2F2F2F2F2F3030307430
          3031313131313130307474A53031313131313130A57431333030303030303030
          3331303030302F2F2F2F3030303047CE9330303030303093CE47313130303131
          3131303031312FC5A5DEDEDEDEDEDEA5C52F2FC5A5DEDEDEDEDEDEA5C52F2FC5
          A5DEDEDEDEDEDEA5C52F2F2F2F2F2F2F2F2F2F2F2F2F30303030303030303030
          303030303030303030303B2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F00003030302F2F2F2F2F2F3030307474747474747474747474742F74
          7474747474747474742F2F313131313131313131312F303030302F2F2F2F3030
          30302F474747474747474747472F2F313131313131313131312F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F3030303030303030303030303030303030303030792F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00000F0F0F0F0303
          03030F0F0F0F3029282810101010282829303030303030303030303030303030
          3030303030303030303030221E0808080808081E22300F0F0F0303030303030F
          0F0F2828281010101010102828282323230A0A0A0A0A0A232323303030161616
          1616163030302323230A0A0A0A0A0A2323233016100F030303030F1016302F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F00000F151515050505051515150F292A28281010
          101028282A293030303030303030303030303030303030303030303030302221
          1705050505050517212219303030303030303030300F30303030303030303030
          3030231515050505050505151523302C230A0A0A0A0A0A232C30303030303030
          303030303030161F17150505050515171F162F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          00000F153030303030303030150F282830303030303030302828303030303030
          3030303030303030303030303030303030301E173030303030303030171E1930
          3030303030303030300F30303030303030303030303023153030303030303030
          1523302330303030303030302330303030303030303030303030101730303030
          3030303017102F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00000F153030303030303030
          150F282830303030303030302828303030303030303030303030303030303030
          3030303030300805303030303030303005080730303030303030303030033030
          303030303030303030300A053030303030303030050A160A3030303030303030
          0A163030303030303030303030300F153030303030303030150F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F000003053030303030303030050310103030303030303030
          1010303030303030303030303030303030303030303030303030080530303030
          3030303005080730303030303030303030033030303030303030303030300A05
          3030303030303030050A160A30303030303030300A1630303030303030303030
          30300305303030303030303005032F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00000305
          3030303030303030050310103030303030303030101030303030303030303030
          3030303030303030303030303030080530303030303030300508073030303030
          3030303030033030303030303030303030300A053030303030303030050A160A
          30303030303030300A1630303030303030303030303003053030303030303030
          05032F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00000305303030303030303005031010
          3030303030303030101030303030303030303030303030303030303030303030
          3030080530303030303030300508073030303030303030303003303030303030
          3030303030300A053030303030303030050A160A30303030303030300A163030
          303030303030303030300305303030303030303005032F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F00000305303030303030303005031010303030303030303010103030
          3030303030303030303030303030303030303030303008053030303030303030
          05080730303030303030303030033030303030303030303030300A0530303030
          30303030050A160A30303030303030300A163030303030303030303030300305
          303030303030303005032F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00000F1530303030
          30303030150F2828303030303030303028283030303030303030303030303030
          3030303030303030303008053030303030303030050807303030303030303030
          30033030303030303030303030300A053030303030303030050A160A30303030
          303030300A163030303030303030303030300F153030303030303030150F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F00000F153030303030303030150F282830303030
          3030303028283030303030303030303030303030303030303030303030301E17
          3030303030303030171E19303030303030303030300F30303030303030303030
          3030231530303030303030301523302330303030303030302330303030303030
          3030303030301017303030303030303017102F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          00000F151515050505051515150F292A28281010101028282A29131313040404
          0404041313131313130404040404041313132221170505050505051721221930
          3030303030303030300F30303030303030303030303023151505050505050515
          1523302C230A0A0A0A0A0A232C30303030303030303030303030161F17150505
          050515171F162F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00000F0F0F0F030303030F0F
          0F0F3029282810101010282829302525250C0C0C0C0C0C2525251D1D1D080808
          0808081D1D1D30221E0808080808081E223019191907070707070719190F1515
          150505050505051515152323230A0A0A0A0A0A23232330303016161616161630
          30302828281010101010102828283016100F030303030F1016302F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F00007474747474747474747474742F707070707070707070
          702F3030302F2F2F2F2F2F3030303030302F2F2F2F2F2F3030302F7474747474
          74747474742F3030303030303030303030307474747474747474747474747474
          747474747474747474742F303074747474747430302F31313131313131313131
          31312F535353535353535353532F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00007430
          303030303030303030747083303030303030303083703030302F2F2F2F2F2F30
          30303030302F2F2F2F2F2F30303074CA9330303030303093CA747430302F2F2F
          2F2F2F3030303030302F2F2F2F2F2F303030743030303030303030303074308C
          30303030303030308C303030302F2F2F2F2F2F30303053A89330303030303093
          A8532F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F0000743030302F2F2F2F303030747030
          30302F2F2F2F303030703030302F2F2F2F2F2F3030303030302F2F2F2F2F2F30
          30307493302F2F2F2F2F2F3093747430302F2F2F2F2F2F3030303030302F2F2F
          2F2F2F3030307430302F2F2F2F2F2F3030743030302F2F2F2F2F2F3030303030
          302F2F2F2F2F2F303030539330302F2F2F2F303093532F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F0000743030302F2F2F2F30303074703030302F2F2F2F303030702F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F74302F2F2F2F2F2F2F2F
          3074742F2F2F2F2F2F2F2F2F2F302F2F2F2F2F2F2F2F2F2F2F2F74302F2F2F2F
          2F2F2F2F307474302F2F2F2F2F2F2F2F30742F2F2F2F2F2F2F2F2F2F2F2F5330
          30302F2F2F2F303030532F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F000074302F2F2F2F
          2F2F2F2F307470302F2F2F2F2F2F2F2F30702F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F74302F2F2F2F2F2F2F2F3074742F2F2F2F2F2F2F2F2F
          2F302F2F2F2F2F2F2F2F2F2F2F2F74302F2F2F2F2F2F2F2F307474302F2F2F2F
          2F2F2F2F30742F2F2F2F2F2F2F2F2F2F2F2F53302F2F2F2F2F2F2F2F30532F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F000074302F2F2F2F2F2F2F2F307470302F2F2F2F
          2F2F2F2F30702F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F7430
          2F2F2F2F2F2F2F2F3074742F2F2F2F2F2F2F2F2F2F302F2F2F2F2F2F2F2F2F2F
          2F2F74302F2F2F2F2F2F2F2F307474302F2F2F2F2F2F2F2F30742F2F2F2F2F2F
          2F2F2F2F2F2F53302F2F2F2F2F2F2F2F30532F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          000074302F2F2F2F2F2F2F2F307470302F2F2F2F2F2F2F2F30702F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F74302F2F2F2F2F2F2F2F3074742F
          2F2F2F2F2F2F2F2F2F302F2F2F2F2F2F2F2F2F2F2F2F74302F2F2F2F2F2F2F2F
          307474302F2F2F2F2F2F2F2F30742F2F2F2F2F2F2F2F2F2F2F2F53302F2F2F2F
          2F2F2F2F30532F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F000074302F2F2F2F2F2F2F2F
          307470302F2F2F2F2F2F2F2F30702F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F74302F2F2F2F2F2F2F2F3074742F2F2F2F2F2F2F2F2F2F302F2F
          2F2F2F2F2F2F2F2F2F2F74302F2F2F2F2F2F2F2F307474302F2F2F2F2F2F2F2F
          30742F2F2F2F2F2F2F2F2F2F2F2F53302F2F2F2F2F2F2F2F30532F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F0000743030302F2F2F2F30303074703030302F2F2F2F3030
          30702F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F74302F2F2F2F
          2F2F2F2F3074742F2F2F2F2F2F2F2F2F2F302F2F2F2F2F2F2F2F2F2F2F2F7430
          2F2F2F2F2F2F2F2F307474302F2F2F2F2F2F2F2F30742F2F2F2F2F2F2F2F2F2F
          2F2F533030302F2F2F2F303030532F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00007430
          30302F2F2F2F30303074703030302F2F2F2F303030703030302F2F2F2F2F2F30
          30303030302F2F2F2F2F2F3030307493302F2F2F2F2F2F3093747430302F2F2F
          2F2F2F3030303030302F2F2F2F2F2F3030307430302F2F2F2F2F2F3030743030
          302F2F2F2F2F2F3030303030302F2F2F2F2F2F303030539330302F2F2F2F3030
          93532F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00007430303030303030303030747083
          3030303030303030837030303030303030303030303030303030303030303030
          303074CA9330303030303093CA747430302F2F2F2F2F2F3030303030302F2F2F
          2F2F2F303030743030303030303030303074308C30303030303030308C303030
          302F2F2F2F2F2F30303053A89330303030303093A8532F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F00007474747474747474747474742F707070707070707070702F7474
          747474747474747474747474747474747474747474742F747474747474747474
          742F747474747474747474747430303030303030303030303030747474747474
          7474747474742F303074747474747430302F3030303030303030303030302F53
          5353535353535353532F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00002F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F303030303030303030303030303030303030303030
          3030303030303030303030303030303030303030303030303030302F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F00002F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F30
          302D1E1E2D303030302D1E1E2D303030302D1E1E2D3030300303030303033030
          0303030303033030030303030303302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          0000303030303030303030303030303030303030303030303030303030303030
          30303030303030303030303030303030303030302B29292929292B303030302B
          29292929292B303030302B29292929292B3030302D160404162D30302D160404
          162D30302D160404162D30300303030303033030030303030303303003030303
          0303302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F000030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          3030303030303026040000000000042630302604000000000004263030260400
          000000000426302D1604000004162D2D1604000004162D2D1604000004162D30
          03030303030330300303030303033030030303030303302F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F000030303030303030303030303030303030303030303030
          30303030303030303030303030303030303030303030303030302B0400000000
          000000042B2B0400000000000000042B2B0400000000000000042B1804000404
          0004181804000404000418180400040400041830030303030303303003030303
          03033030030303030303302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00003020
          0200000000000000000000022030302002000000000000000000000220303020
          0200000000000000000000022030290000000000000000002929000000000000
          0000002929000000000000000000290A0004161604000A0A0004161604000A0A
          0004161604000A3003030303030330300303030303033030030303030303302F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00003002000000000000000000000000
          0230300200000000000000000000000002303002000000000000000000000000
          0230290000000000000000002929000000000000000000292900000000000000
          0000291E0A182D2D180A1E1E0A182D2D180A1E1E0A182D2D180A1E3003030303
          030330300303030303033030030303030303302F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F00003000000000000000000000000000003030000000000000000000
          0000000000303000000000000000000000000000003029000000000000000000
          2929000000000000000000292900000000000000000029302D303030302D3030
          2D303030302D30302D303030302D303030303030303030303030303030303030
          303030303030302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F0000300000000000
          0000000000000000003030000000000000000000000000000030300000000000
          0000000000000000003029000000000000000000292900000000000000000029
          29000000000000000000292F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F0000300000000000000000000000000000303000
          0000000000000000000000000030300000000000000000000000000000302900
          000000000000000029290000000000000000002929000000000000000000292F
          2F303030302F2F2F2F303030302F2F2F2F303030302F2F2F3030303030302F2F
          3030303030302F2F3030303030302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          0000300000000000000000000000000000303000000000000000000000000000
          0030300000000000000000000000000000302900000000000000000029290000
          000000000000002929000000000000000000292F3088DCDC88302F2F30C03737
          C0302F2F3088DCDC88302F2F7474747474742F2F4747474747472F2F74747474
          74742F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F000030000000000000000000
          0000000000303000000000000000000000000000003030000000000000000000
          0000000000302900000000000000000029290000000000000000002929000000
          00000000000029308833313133883030C037606037C03030883331313388302F
          3030303030302F2F3030303030302F2F3030303030302F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F000030000000000000000000000000000030300000000000
          0000000000000000003030000000000000000000000000000030290000000000
          0000000029290000000000000000002929000000000000000000297933313333
          313379C0376037376037C079333133333133792F7474747474742F2F47474747
          47472F2F7474747474742F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00003000
          0000000000000000000000000030300000000000000000000000000000303000
          0000000000000000000000000030290000000000000000002929000000000000
          000000292900000000000000000029D8313388883331D8B86037C0C03760B8D8
          313388883331D82F3030303030302F2F3030303030302F2F3030303030302F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00003000000000000000000000000000
          0030300000000000000000000000000000303000000000000000000000000000
          0030290000000000000000002929000000000000000000292900000000000000
          00002930D879303079D83030B8C03030C0B83030D879303079D8302F74747474
          74742F2F4747474747472F2F7474747474742F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F00003000000000000000000000000000003030000000000000000000
          0000000000303000000000000000000000000000003029000000000000000000
          29290000000000000000002929000000000000000000292F302F2F2F2F302F2F
          302F2F2F2F302F2F302F2F2F2F302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F0000300000000000
          0000000000000000003030000000000000000000000000000030300000000000
          0000000000000000003029000000000000000000292900000000000000000029
          290000000000000000002930302B2929292929292929292929292B303030302B
          2929292929292929292929292B303030302B2929292929292929292929292B30
          302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F0000300200000000000000000000000002303002
          0000000000000000000000000230300200000000000000000000000002302B04
          00000000000000042B2B0400000000000000042B2B0400000000000000042B30
          2604000000000000000000000000042630302604000000000000000000000000
          0426303026040000000000000000000000000426302F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          0000302002000000000000000000000220303020020000000000000000000002
          2030302002000000000000000000000220303026040000000000042630302604
          000000000004263030260400000000000426302B040000000000000000000000
          000000042B2B040000000000000000000000000000042B2B0400000000000000
          00000000000000042B2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F000030303030303030303030
          3030303030303030303030303030303030303030303030303030303030303030
          30303030303030302B29292929292B303030302B29292929292B303030302B29
          292929292B303029000000000000000000000000000000002929000000000000
          00000000000000000000292900000000000000000000000000000000292F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F00002F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F31313131
          3131312F2F2F2F313131313131312F2F2F2F313131313131312F2F2900000000
          0000000000000000000000002929000000000000000000000000000000002929
          00000000000000000000000000000000292F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00002F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F7296A5E0E0E0A596722F2FAB37C2474747
          C237AB2F2FDC84EE313131EE84DC2F2900000000000000000000000000000000
          2929000000000000000000000000000000002929000000000000000000000000
          0000000029313131313131313131313131313131313131313131313131313131
          3131313131313131313131313131313131312F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00002F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F3196B9BC7A7A7ABCB99631313737A9F6F6F6A937373131846DB5A2A2A2B5
          6D84312900000000000000000000000000000000292900000000000000000000
          0000000000002929000000000000000000000000000000002931636363636363
          6363636363636363636363636363636363636363636363636363636363636363
          6363636363312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F00002FBEBFDEDEDEDEDEDEDEDEDEDEBFBE2F2FE1AD60606060606060
          606060ADE12F2F52DC31313131313131313131DC522F31A5BC8585858585BCA5
          3131C2A94A4A4A4A4AA9C23131EEB55A5A5A5A5AB5EE31290000000000000000
          0000000000000000292900000000000000000000000000000000292900000000
          0000000000000000000000002931638E8E8E8E8E8E8E8E8E8E8E8E8E8E8E8E8E
          8E8E8E8E8E8E8E8E8E8E8E8E8E8E8E8E8E8E8E8E8E8E8E8E63312F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00002FBF5BC0E6E6
          E6E6E6E6E6E6C05BBF2F2FAD9D56ECECECECECECECEC569DAD2F2FDC3BA2C1C1
          C1C1C1C1C1C1A23BDC2F31E08D8D8D8D8D8D8DE0313147C3C3C3C3C3C3C34731
          31316161616161616131312B040000000000000000000000000000042B2B0400
          00000000000000000000000000042B2B04000000000000000000000000000004
          2B31638E9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A
          9A9A9A9A9A9A9A9A9A9A9A8E63312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F00002FDEC05A5A5A5A5A5A5A5A5A5AC0DE2F2F60
          ECF6C3C3C3C3C3C3C3C3F6EC602F2F315AA2A2A2A2A2A2A2A2A2A25A312F31E0
          C9C9C9C9C9C9C9E0313147D5D5D5D5D5D5D54731313169696969696969313130
          2604000000000000000000000000042630302604000000000000000000000000
          04263030260400000000000000000000000004263031638E9A7B7B7B7B7B7B7B
          7B7B7B7B7B7B7B7B7B7B7B7B7B7B7B7B7B7B7B7B7B7B7B7B7B7B7B7B7B7B9A8E
          63312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          00002FDEE6A2A2A2A2A2A2A2A2A2A2E6DE2F2F60ECC3E2E2E2E2E2E2E2E2C3EC
          602F2F315A5A5A5A5A5A5A5A5A5A5A5A312F31E069BCCACACABC69E0313147D5
          E4B4B4B4E4D547313131C9DB404040DBC9313130302B29292929292929292929
          29292B303030302B2929292929292929292929292B303030302B292929292929
          2929292929292B303031638E9A7B2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F7B9A8E63312F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00002FDE5DC1C15BD3D3D3D3
          5BC1C15DDE2F2F60EC76C7CEFCFCFCFCCEC776EC602F2F31696969CED3D3D3D3
          CE696969312F31E06990CACACA9069E031314751E8F3F3F3E85147313131C936
          40404036C931312F2F31313131313131313131313131312F2F2F2F3131313131
          3131313131313131312F2F2F2F31313131313131313131313131312F2F31638E
          9A7B2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F7B9A8E63312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F00002FDE5DC1C1FBFBFBFBFBFBC1C15DDE2F2F6076D5C798
          9898989898C7D576602F2F31696969FCFCFCFCFCFC696969312F31E05A90CACA
          CA905AE0313147E256F3F3F356E2473131318D36404040368D31312F7296A5E0
          E0E0E0E0E0E0E0E0E0A5D6842F2FAB37C247474747474747474747C2FC842F2F
          DC84EE31313131313131313131EE72332F31638E9A7B2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F7B9A8E63312F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00002FDE
          F18B8BFBFBFBFBFBFB8B8BF1DE2F2F6076514B9898989898984B5176602F2F31
          C9C9C9989898989898C9C9C9312F31E0A2D0363636D0A2E0313147C7EC7F7F7F
          ECC7473131318536A8A8A8368531313196B9BC8DC969695AA2C18B44E68368D6
          31313737A9C3D5D551E2C7C74B8B97C1FBFC3131846DB56169C9C98D85B3D099
          BCDD9C723131638E9A7B2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F7B9A8E63312F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00002FDEF144443F3F3F3F3F3F4444F1
          DE2F2F6076514B3F3F3F3F3F3F4B5176602F2F318D8D8DF4F4F4F4F4F48D8D8D
          312F31E0C16536363665C1E0313147C799DDDDDD99C747313131B3CAA8A8A8CA
          B3313131A5BC858DC9BC9090D065B544E65D88A53131C2A94AC3D5E4E856EC99
          7A8B97E68BC23131EEB55A6169DB363636CACA99BCBCDDEE3131638E9A7B2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F7B9A8E63312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F00002FDEF197973F3F3F3F3F3F9797F1DE2F2F60769F8B3F3F3F3F3F
          3F8B9F76602F2F31656565F4F4F4F4F4F4656565312F31E08BB5363636B58BE0
          3131474B7ADDDDDD7A4B47313131D0CAA8A8A8CAD0313131E07A858DC9CACACA
          36363644E65DF1E0313147F64AC3D5B4F3F37FDDDD8B97E6F147313131A25A61
          69404040A8A8A899BCBC6A313131638E9A7B2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F7B9A8E63312F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00002FDE93E6E6F3
          FEFEFEFEF3E6E693DE2F2F607A9F97F3FEFEFEFEF3979F7A602F2F31B3B3B39D
          6B6B6B6B9DB3B3B3312F31E044444444444444E03131478B8B8B8B8B8B8B4731
          313199999999999999313131E07A858DC9CACACA36363644E65DF1E0313147F6
          4AC3D5B4F3F37FDDDD8B97E6F147313131A25A6169404040A8A8A899BCBC6A31
          3131638E9A7B2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F7B9A8E63312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F00002FDE935D5D5D5D5D5D5D5D5D5D93DE2F2F60
          856197979797979797976185602F2F31D0D0D0D0D0D0D0D0D0D0D0D0312F31E0
          E6E6E6E6E6E6E6E03131479797979797979747313131BCBCBCBCBCBCBC313131
          E07A858DC9CACACA36363644E65DF1E0313147F64AC3D5B4F3F37FDDDD8B97E6
          F147313131A25A6169404040A8A8A899BCBC6A313131638E9A7B2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F7B9A8E
          63312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          00002FDE93F1F1F1F1F1F1F1F1F1F193DE2F2F60859F61616161616161619F85
          602F2F31BC90909090909090909090BC312F31A5835D5D5D5D5D83A53131C2C1
          E6E6E6E6E6C1C23131EEDDBCBCBCBCBCDDEE3131A5BC858DC9BC9090D065B544
          E65D88A53131C2A94AC3D5E4E856EC997A8B97E68BC23131EEB55A6169DB3636
          36CACA99BCBCDDEE3131638E9A7B2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F7B9A8E63312F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00002F96CA93303030303030
          303093CA962F2F37B485858585858585858585B4372F2F3352BCBCBCBCBCBCBC
          BCBCBC52332F31D66888F1F1F18868D63131FCFB8BF1F1F18BFBFC3131729CDD
          6A6A6ADD9C72313196B9BC8DC969695AA2C18B44E68368D631313737A9C3D5D5
          51E2C7C74B8B97C1FBFC3131846DB56169C9C98D85B3D099BCDD9C723131638E
          9A7B2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F7B9A8E63312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F00002F5B96DEDEDEDEDEDEDEDEDEDE965B2F2FB437606060
          6060606060606037B42F2F67333131313131313131313133672F2F84D6A5E0E0
          E0A5D6842F2F84FCC2474747C2FC842F2F3372EE313131EE72332F2F7296A5E0
          E0E0E0E0E0E0E0E0E0A5D6842F2FAB37C247474747474747474747C2FC842F2F
          DC84EE31313131313131313131EE72332F31638E9A7B2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F7B9A8E63312F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00002F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F313131313131312F2F2F2F3131313131
          31312F2F2F2F313131313131312F2F2F2F31313131313131313131313131312F
          2F2F2F31313131313131313131313131312F2F2F2F3131313131313131313131
          3131312F2F31638E9A7B2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F7B9A8E63312F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F0000301C100F0F030303030F0F101C30
          301C100F0F030303030F0F101C30301C100F0F030303030F0F101C30301C100F
          0F030303030F0F0F0F0F301C100F0F030303030F0F0F0F0F301C100F0F030303
          030F0F0F0F0F0F0F0F0F0F030303030F0F101C300F0F0F0F0F030303030F0F10
          1C300F0F0F0F0F030303030F0F101C302F2F2F2F2F2F2F2F2F31638E9A7B2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F7B9A8E63312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F00001C1B1F1D1D080808081D1D1F1B1C1C170D0B0B010101010B0B0D
          171C1C150B09090000000009090B151C1C1B1F1D1D080808081D1D1D1D1D1C17
          0D1D1D080808081D1D1D1D1D1C150B0F0F030303030F0F0F0F0F1D1D1D1D1D08
          0808081D1D1F1B1C1D1D1D1D1D080808081D1D0D171C0F0F0F0F0F030303030F
          0F0B151C2F2F2F2F2F2F2F2F2F31638E9A7B2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F7B9A8E63312F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F0000101F30303030
          3030303030301F10100D111313040404041313110D10100B1113130404040413
          13110B10101F303030303030303030303030100D113030303030303030303030
          100B1130303030303030303030303030303030303030303030301F1030303030
          30303030303030110D103030303030303030303030110B102F2F2F2F2F2F2F2F
          2F31638E9A7B2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F7B9A8E63312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F00000F1D303030303030303030301D0F0F1D3030
          30303030303030301D0F0F0F303030303030303030300F0F0F1D303030303030
          3030303030300F0B1330303030303030303030300F0913303030303030303030
          30303030303030303030303030301D0F3030303030303030303030130B0F3030
          30303030303030303013090F2F2F2F2F2F2F2F2F2F31638E9A7B2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F7B9A8E
          63312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          00000F1D303030303030303030301D0F0F1D303030303030303030301D0F0F0F
          303030303030303030300F0F0F1D3030303030303030303030300F0B13303030
          30303030303030300F0913303030303030303030303030303030303030303030
          30301D0F3030303030303030303030130B0F303030303030303030303013090F
          2F2F2F2F2F2F2F2F2F31638E9A7B2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F7B9A8E63312F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F000003083030303030303030
          3030080303083030303030303030303008030303303030303030303030300303
          0308303030303030303030303030030104303030303030303030303003000430
          3030303030303030303030303030303030303030303008033030303030303030
          30303004010330303030303030303030300400032F2F2F2F2F2F2F2F2F31638E
          9A7B2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F7B9A8E63312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F000003083030303030303030303008030308303030303030
          3030303008030303303030303030303030300303030830303030303030303030
          3030030104303030303030303030303003000430303030303030303030303030
          3030303030303030303008033030303030303030303030040103303030303030
          30303030300400032F2F2F2F2F2F2F2F2F31638E9A7B2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F7B9A8E63312F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00000308
          3030303030303030303008030308303030303030303030300803030330303030
          3030303030300303030830303030303030303030303003010430303030303030
          3030303003000430303030303030303030303030303030303030303030300803
          303030303030303030303004010330303030303030303030300400032F2F2F2F
          2F2F2F2F2F31638E9A7B2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F7B9A8E63312F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00000308303030303030303030300803
          0308303030303030303030300803030330303030303030303030030303083030
          3030303030303030303003010430303030303030303030300300043030303030
          3030303030303030303030303030303030300803303030303030303030303004
          010330303030303030303030300400032F2F2F2F2F2F2F2F2F31638E9A7B2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F7B9A8E63312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F00000F1D303030303030303030301D0F0F1D30303030303030303030
          1D0F0F0F303030303030303030300F0F0F1D3030303030303030303030300F0B
          1330303030303030303030300F09133030303030303030303030303030303030
          3030303030301D0F3030303030303030303030130B0F30303030303030303030
          3013090F2F2F2F2F2F2F2F2F2F31638E9A7B2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F7B9A8E63312F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00000F1D30303030
          3030303030301D0F0F1D303030303030303030301D0F0F0F3030303030303030
          30300F0F0F1D3030303030303030303030300F0B133030303030303030303030
          0F091330303030303030303030303030303030303030303030301D0F30303030
          30303030303030130B0F303030303030303030303013090F2F2F2F2F2F2F2F2F
          2F31638E9A7B2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F7B9A8E63312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F00000F1D303030303030303030301D0F0F1D3030
          30303030303030301D0F0F0F303030303030303030300F0F101F303030303030
          303030303030100D113030303030303030303030100B11303030303030303030
          30303030303030303030303030301F103030303030303030303030110D103030
          303030303030303030110B102F2F2F2F2F2F2F2F2F31638E9A7B2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F7B9A8E
          63312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          00000F1D303030303030303030301D0F0F1D303030303030303030301D0F0F0F
          303030303030303030300F0F1C1B1F1D1D080808081D1D1D1D1D1C170D1D1D08
          0808081D1D1D1D1D1C150B0F0F030303030F0F0F0F0F1D1D1D1D1D080808081D
          1D1F1B1C1D1D1D1D1D080808081D1D0D171C0F0F0F0F0F030303030F0F0B151C
          2F2F2F2F2F2F2F2F2F31638E9A7B2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F7B9A8E63312F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00000F1D3030303030303030
          30301D0F0F1D303030303030303030301D0F0F0F303030303030303030300F0F
          301C100F0F030303030F0F0F0F0F301C100F0F030303030F0F0F0F0F301C100F
          0F030303030F0F0F0F0F0F0F0F0F0F030303030F0F101C300F0F0F0F0F030303
          030F0F101C300F0F0F0F0F030303030F0F101C302F2F2F2F2F2F2F2F2F31638E
          9A7B2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F7B9A8E63312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F00002F7474747474747474747474742F2F47474747474747
          47474747472F2F7474747474747474747474742F2F7474747474747474747474
          74742F474747474747474747474747472F747474747474747474747474747474
          74747474747474747474742F474747474747474747474747472F747474747474
          747474747474742F2F2F2F2F2F2F2F2F2F31638E9A7B2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F7B9A8E63312F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00007496
          C03030303030303030C0967447876BC6C6C6C6C6C6C6C66B8747748137EDEDED
          EDEDEDEDED3781747496C0303030303030303030303047876B30303030303030
          3030303074813730303030303030303030303030303030303030303030C09674
          30303030303030303030306B874730303030303030303030303781742F2F2F2F
          2F2F2F2F2F31638E9A7B2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F7B9A8E63312F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F000074C03030302F2F2F2F303030C074
          476B773232323232323232776B477437C24747474747474747C2377474C03030
          302F2F2F2F3030303030476B7730302F2F2F2F30303030307437C230302F2F2F
          2F303030303030303030302F2F2F2F303030C07430303030302F2F2F2F303077
          6B4730303030302F2F2F2F3030C237742F2F2F2F2F2F2F2F2F31638E9A7B2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F7B9A8E63312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F000074303030302F2F2F2F303030307447303030302F2F2F2F303030
          304774303030302F2F2F2F303030307474303030302F2F2F2F303030303047C6
          3230302F2F2F2F303030303074ED4730302F2F2F2F303030303030303030302F
          2F2F2F303030307430303030302F2F2F2F303032C64730303030302F2F2F2F30
          3047ED742F2F2F2F2F2F2F2F2F31638E9A7B2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F7B9A8E63312F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F000074303030302F
          2F2F2F303030307447303030302F2F2F2F303030304774303030302F2F2F2F30
          3030307474303030302F2F2F2F303030303047C63230302F2F2F2F3030303030
          74ED4730302F2F2F2F303030303030303030302F2F2F2F303030307430303030
          302F2F2F2F303032C64730303030302F2F2F2F303047ED742F2F2F2F2F2F2F2F
          2F31638E9A7B2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F7B9A8E63312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F000074302F2F2F2F2F2F2F2F2F2F307447302F2F
          2F2F2F2F2F2F2F2F304774302F2F2F2F2F2F2F2F2F2F307474302F2F2F2F2F2F
          2F2F2F2F2F2F47C6322F2F2F2F2F2F2F2F2F2F2F74ED472F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F30742F2F2F2F2F2F2F2F2F2F2F32C6472F2F
          2F2F2F2F2F2F2F2F2F47ED742F2F2F2F2F2F2F2F2F31638E9A7B2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F7B9A8E
          63312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          000074302F2F2F2F2F2F2F2F2F2F307447302F2F2F2F2F2F2F2F2F2F30477430
          2F2F2F2F2F2F2F2F2F2F307474302F2F2F2F2F2F2F2F2F2F2F2F47C6322F2F2F
          2F2F2F2F2F2F2F2F74ED472F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F30742F2F2F2F2F2F2F2F2F2F2F32C6472F2F2F2F2F2F2F2F2F2F2F47ED74
          2F2F2F2F2F2F2F2F2F31638E9A7B2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F7B9A8E63312F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F000074302F2F2F2F2F2F2F2F
          2F2F307447302F2F2F2F2F2F2F2F2F2F304774302F2F2F2F2F2F2F2F2F2F3074
          74302F2F2F2F2F2F2F2F2F2F2F2F47C6322F2F2F2F2F2F2F2F2F2F2F74ED472F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F30742F2F2F2F2F2F2F2F
          2F2F2F32C6472F2F2F2F2F2F2F2F2F2F2F47ED742F2F2F2F2F2F2F2F2F31638E
          9A7B2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F7B9A8E63312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F000074302F2F2F2F2F2F2F2F2F2F307447302F2F2F2F2F2F
          2F2F2F2F304774302F2F2F2F2F2F2F2F2F2F307474302F2F2F2F2F2F2F2F2F2F
          2F2F47C6322F2F2F2F2F2F2F2F2F2F2F74ED472F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F30742F2F2F2F2F2F2F2F2F2F2F32C6472F2F2F2F2F2F
          2F2F2F2F2F47ED742F2F2F2F2F2F2F2F2F31638E9A7B2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F7B9A8E63312F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00007430
          3030302F2F2F2F303030307447303030302F2F2F2F303030304774303030302F
          2F2F2F303030307474303030302F2F2F2F303030303047C63230302F2F2F2F30
          3030303074ED4730302F2F2F2F303030303030303030302F2F2F2F3030303074
          30303030302F2F2F2F303032C64730303030302F2F2F2F303047ED742F2F2F2F
          2F2F2F2F2F31638E9A7B7B7B7B7B7B7B7B7B7B7B7B7B7B7B7B7B7B7B7B7B7B7B
          7B7B7B7B7B7B7B7B7B7B7B7B7B7B9A8E63312F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F000074303030302F2F2F2F3030303074
          47303030302F2F2F2F303030304774303030302F2F2F2F303030307474303030
          302F2F2F2F303030303047C63230302F2F2F2F303030303074ED4730302F2F2F
          2F303030303030303030302F2F2F2F303030307430303030302F2F2F2F303032
          C64730303030302F2F2F2F303047ED742F2F2F2F2F2F2F2F2F31638E9A9A9A9A
          9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A
          9A9A9A8E63312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F000074303030302F2F2F2F303030307447303030302F2F2F2F303030
          304774303030302F2F2F2F303030307474C03030302F2F2F2F3030303030476B
          7730302F2F2F2F30303030307437C230302F2F2F2F303030303030303030302F
          2F2F2F303030C07430303030302F2F2F2F3030776B4730303030302F2F2F2F30
          30C237742F2F2F2F2F2F2F2F2F31638E8E8E8E8E8E8E8E8E8E8E8E8E8E8E8E8E
          8E8E8E8E8E8E8E8E8E8E8E8E8E8E8E8E8E8E8E8E8E8E8E8E63312F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F000074303030302F
          2F2F2F303030307447303030302F2F2F2F303030304774303030302F2F2F2F30
          303030747496C0303030303030303030303047876B3030303030303030303030
          74813730303030303030303030303030303030303030303030C0967430303030
          303030303030306B874730303030303030303030303781742F2F2F2F2F2F2F2F
          2F31636363636363636363636363636363636363636363636363636363636363
          63636363636363636363636363312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F000074303030302F2F2F2F303030307447303030
          302F2F2F2F303030304774303030302F2F2F2F30303030742F74747474747474
          7474747474742F474747474747474747474747472F7474747474747474747474
          7474747474747474747474747474742F474747474747474747474747472F7474
          74747474747474747474742F2F2F2F2F2F2F2F2F2F3131313131313131313131
          3131313131313131313131313131313131313131313131313131313131313131
          31312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          00002F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F6868686868686868686868686868686868
          686868686868686868686868686868686868682F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00002F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F30AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA
          AAAAAAAAAAAA682F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F00002F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F30442F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2FAA682F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00002F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F30442F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2FAA682F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00002F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F30
          442F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2FAA682F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F00002F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F30442F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2FAA682F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00002F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F30442F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2FAA682F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F00002F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F30442F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2FAA682F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          00000F1D303030303030303030301D0F0F1D303030303030303030301D0F0F0F
          303030303030303030300F0F2F2F2F30442F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2FAA68302D303030302D30302D303030
          302D30302D303030302D30303030303030303030303030303030303030303030
          3030303030302D180A1E303030302D180A1E303030302D180A1E30301E0A182D
          303030301E0A182D303030301E0A182D30303030303030303030303030303030
          30303030303030303030302F2F2F2F2F2F2F2F2F00000F1D3030303030303030
          30301D0F0F1D303030303030303030301D0F0F0F303030303030303030300F0F
          2F2F2F30442F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2FAA681E0A182D2D180A1E1E0A182D2D180A1E1E0A182D2D180A1E30
          302D1E1E2D303030302D1E1E2D303030302D1E1E2D303030302D1604000A2D30
          302D1604000A2D30302D1604000A2D2D0A0004162D30302D0A0004162D30302D
          0A0004162D30303003030303030330300303030303033030030303030303302F
          2F2F2F2F2F2F2F2F00000F1D303030303030303030301D0F0F1D303030303030
          303030301D0F0F0F303030303030303030300F0F2F2F2F30442F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2FAA680A00041616
          04000A0A0004161604000A0A0004161604000A302D160404162D30302D160404
          162D30302D160404162D30302D160400041830302D160400041830302D160400
          0418303018040004162D303018040004162D303018040004162D303003030303
          030330300303030303033030030303030303302F2F2F2F2F2F2F2F2F00000F1D
          303030303030303030301D0F0F1D303030303030303030301D0F0F0F30303030
          3030303030300F0F2F2F2F30442F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2FAA681804000404000418180400040400041818
          040004040004182D1604000004162D2D1604000004162D2D1604000004162D30
          1E040004162D30301E040004162D30301E040004162D30302D160400041E3030
          2D160400041E30302D160400041E303003030303030330300303030303033030
          030303030303302F2F2F2F2F2F2F2F2F00000F1D303030303030303030301D0F
          0F1D303030303030303030301D0F0F0F303030303030303030300F0F2F2F2F30
          442F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2FAA682D1604000004162D2D1604000004162D2D1604000004162D1804000404
          00041818040004040004181804000404000418301E040004162D30301E040004
          162D30301E040004162D30302D160400041E30302D160400041E30302D160400
          041E303003030303030330300303030303033030030303030303302F2F2F2F2F
          2F2F2F2F00000308303030303030303030300803030830303030303030303030
          080303033030303030303030303003032F2F2F30442F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2FAA68302D160404162D3030
          2D160404162D30302D160404162D300A0004161604000A0A0004161604000A0A
          0004161604000A302D160400041830302D160400041830302D16040004183030
          18040004162D303018040004162D303018040004162D30300303030303033030
          0303030303033030030303030303302F2F2F2F2F2F2F2F2F0000030830303030
          3030303030300803030830303030303030303030080303033030303030303030
          303003032F2F2F30442F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2FAA6830302D1E1E2D303030302D1E1E2D303030302D1E1E
          2D30301E0A182D2D180A1E1E0A182D2D180A1E1E0A182D2D180A1E30302D1604
          000A2D30302D1604000A2D30302D1604000A2D2D0A0004162D30302D0A000416
          2D30302D0A0004162D3030300303030303033030030303030303303003030303
          0303302F2F2F2F2F2F2F2F2F0000030830303030303030303030080303083030
          3030303030303030080303033030303030303030303003032F2F2F30442F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2FAA6830
          3030303030303030303030303030303030303030303030302D303030302D3030
          2D303030302D30302D303030302D303030302D180A1E303030302D180A1E3030
          30302D180A1E30301E0A182D303030301E0A182D303030301E0A182D30303030
          30303030303030303030303030303030303030303030302F2F2F2F2F2F2F2F2F
          0000030830303030303030303030080303083030303030303030303008030303
          3030303030303030303003032F2F2F30442F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2FAA682F302F2F2F2F302F2F302F2F2F
          2F302F2F302F2F2F2F302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F3079D8302F2F2F2F30C0B8302F2F2F2F3079D8302F2F30D87930
          2F2F2F2F30B8C0302F2F2F2F30D879302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00000F1D3030303030303030
          30301D0F0F1D303030303030303030301D0F0F0F303030303030303030300F0F
          2F2F2F30442F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2FAA6830D879303079D83030B8C03030C0B83030D879303079D8302F
          2F303030302F2F2F2F303030302F2F2F2F303030302F2F2F2F30883331D8302F
          2F30C03760B8302F2F30883331D83030D8313388302F2F30B86037C0302F2F30
          D8313388302F2F2F7430743074302F2F4730473047302F2F7430743074302F2F
          2F2F2F2F2F2F2F2F00000F1D303030303030303030301D0F0F1D303030303030
          303030301D0F0F0F303030303030303030300F0F2F2F2F30442F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2FAA68D831338888
          3331D8B86037C0C03760B8D8313388883331D82F3088DCDC88302F2F30C03737
          C0302F2F3088DCDC88302F2F3088333133792F2F30C0376037C02F2F30883331
          33792F2F7933313388302F2FC0376037C0302F2F7933313388302F2F74307430
          74302F2F4730473047302F2F7430743074302F2F2F2F2F2F2F2F2F2F0000101F
          303030303030303030301F10100D111313040404041313110D10100B11131304
          0404041313110B102F2F2F30442F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2FAA687933313333313379C0376037376037C079
          33313333313379308833313133883030C037606037C03030883331313388302F
          30DC313388302F2F30376037C0302F2F30DC313388302F2F30883331DC302F2F
          30C0376037302F2F30883331DC302F2F7430743074302F2F4730473047302F2F
          7430743074302F2F2F2F2F2F2F2F2F2F00001C1B1F1D1D080808081D1D1F1B1C
          1C170D0B0B010101010B0B0D171C1C150B09090000000009090B151C2F2F2F30
          442F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2FAA68308833313133883030C037606037C03030883331313388307933313333
          313379C0376037376037C079333133333133792F30DC313388302F2F30376037
          C0302F2F30DC313388302F2F30883331DC302F2F30C0376037302F2F30883331
          DC302F2F7430743074302F2F4730473047302F2F7430743074302F2F2F2F2F2F
          2F2F2F2F0000301C100F0F030303030F0F101C30301C100F0F030303030F0F10
          1C30301C100F0F030303030F0F101C302F2F2F30442F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2FAA682F3088DCDC88302F2F
          30C03737C0302F2F3088DCDC88302FD8313388883331D8B86037C0C03760B8D8
          313388883331D82F3088333133792F2F30C0376037C02F2F3088333133792F2F
          7933313388302F2FC0376037C0302F2F7933313388302F2F7430743074302F2F
          4730473047302F2F7430743074302F2F2F2F2F2F2F2F2F2F000074303030302F
          2F2F2F303030307447303030302F2F2F2F303030304774303030302F2F2F2F30
          303030742F2F2F30442F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2FAA682F2F303030302F2F2F2F303030302F2F2F2F303030
          302F2F30D879303079D83030B8C03030C0B83030D879303079D8302F2F308833
          31D8302F2F30C03760B8302F2F30883331D83030D8313388302F2F30B86037C0
          302F2F30D8313388302F2F2F7430743074302F2F4730473047302F2F74307430
          74302F2F2F2F2F2F2F2F2F2F000074303030302F2F2F2F303030307447303030
          302F2F2F2F303030304774303030302F2F2F2F30303030742F2F2F30442F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2FAA682F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F302F2F2F2F302F2F
          302F2F2F2F302F2F302F2F2F2F302F2F2F2F3079D8302F2F2F2F30C0B8302F2F
          2F2F3079D8302F2F30D879302F2F2F2F30B8C0302F2F2F2F30D879302F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          000074303030302F2F2F2F303030307447303030302F2F2F2F30303030477430
          3030302F2F2F2F30303030742F2F2F30442F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2FAA683016100F0F03030303030F0F10
          16303016100F0F03030303030F0F1016303016100F0F03030303030F0F101630
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F000074303030302F2F2F2F30
          3030307447303030302F2F2F2F303030304774303030302F2F2F2F3030303074
          2F2F2F30442F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2FAA6816211D1D1D08080808081D1D1D2116161D1313130404040404
          1313131D16162E30303030303030303030302E162F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F000074303030302F2F2F2F303030307447303030302F2F2F
          2F303030304774303030302F2F2F2F30303030742F2F2F30442F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2FAA68101D303030
          30303030303030301D1010133030302424242424303030131010303030303030
          30303030303030102F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00007430
          2F2F2F2F2F2F2F2F2F2F307447302F2F2F2F2F2F2F2F2F2F304774302F2F2F2F
          2F2F2F2F2F2F30742F2F2F30442F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2FAA680F1D30303030303030303030301D0F0F13
          3030303030303030303030130F0F303030303030303030303030300F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F000074302F2F2F2F2F2F2F2F2F2F3074
          47302F2F2F2F2F2F2F2F2F2F304774302F2F2F2F2F2F2F2F2F2F30742F2F2F30
          442F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2FAA680F1D30303030303030303030301D0F0F13303030303030303030303013
          0F0F303030303030303030303030300F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F000074302F2F2F2F2F2F2F2F2F2F307447302F2F2F2F2F2F2F2F2F2F
          304774302F2F2F2F2F2F2F2F2F2F30742F2F2F30442F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2FAA68030830303030303030
          3030303008030304243030303030303030302404030330303030303030303030
          303030032F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F000074302F2F2F2F
          2F2F2F2F2F2F307447302F2F2F2F2F2F2F2F2F2F304774302F2F2F2F2F2F2F2F
          2F2F30742F2F2F30442F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2FAA68030830303030303030303030300803030424303030
          3030303030302404030330303030303030303030303030031E100F0F03030303
          0F0F101E1E100F0F030303030F0F101E1E100F0F030303030F0F101E30120F0F
          030303030F0F123030120F0F030303030F0F123030120F0F030303030F0F1230
          2F2F2F2F2F2F2F2F2F2F2F2F000074303030302F2F2F2F303030307447303030
          302F2F2F2F303030304774303030302F2F2F2F30303030742F2F2F30442F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2FAA6803
          0830303030303030303030300803030424303030303030303030240403033030
          303030303030303030303003103030303030303030303010103030301C1C1C1C
          3030301010303030303030303030301012211D1D080808081D1D211212191313
          04040404131319121230303030303030303030122F2F2F2F2F2F2F2F2F2F2F2F
          000074303030302F2F2F2F303030307447303030302F2F2F2F30303030477430
          3030302F2F2F2F30303030742F2F2F30442F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2FAA6803083030303030303030303030
          0803030424303030303030303030240403033030303030303030303030303003
          0F303030303030303030300F0F303030303030303030300F0F30303030303030
          3030300F0F1D30303030303030301D0F0F133030242424243030130F0F303030
          303030303030300F2F2F2F2F2F2F2F2F2F2F2F2F000074C03030302F2F2F2F30
          3030C074476B773232323232323232776B477437C24747474747474747C23774
          2F2F2F30442F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2FAA6803083030303030303030303030080303042430303030303030
          30302404030330303030303030303030303030030F303030303030303030300F
          0F303030303030303030300F0F303030303030303030300F0F1D303030303030
          30301D0F0F133030303030303030130F0F303030303030303030300F2F2F2F2F
          2F2F2F2F2F2F2F2F00007496C03030303030303030C0967447876BC6C6C6C6C6
          C6C6C66B8747748137EDEDEDEDEDEDEDED3781742F2F2F304444444444444444
          44444444444444444444444444444444444444444444444444AA680F1D303030
          30303030303030301D0F0F133030303030303030303030130F0F303030303030
          303030303030300F033030303030303030303003031C30303030303030301C03
          0330303030303030303030030308303030303030303008030304243030303030
          302404030330303030303030303030032F2F2F2F2F2F2F2F2F2F2F2F00002F74
          74747474747474747474742F2F4747474747474747474747472F2F7474747474
          747474747474742F2F2F2F303030303030303030303030303030303030303030
          3030303030303030303030303030680F1D30303030303030303030301D0F0F13
          3030303030303030303030130F0F303030303030303030303030300F03303030
          3030303030303003031C30303030303030301C03033030303030303030303003
          0308303030303030303008030304243030303030302404030330303030303030
          303030032F2F2F2F2F2F2F2F2F2F2F2F000030301C0E0A090909090000000000
          00000000090909090A0E1C303030301C0E0A0909090900000000000000000009
          0909090A0E1C303030301C0E0A09090909000000000000000000090909090A0E
          1C3030101D30303030303030303030301D101013303030242424242430303013
          10103030303030303030303030303010033030303030303030303003031C3030
          3030303030301C03033030303030303030303003030830303030303030300803
          0304243030303030302404030330303030303030303030032F2F2F2F2F2F2F2F
          2F2F2F2F00003012191D191919191907070707070707070719191919191D1912
          3030121717131313131304040404040404040413131313131717123030121D2A
          2C2C2C2C2C1414141414141414142C2C2C2C2C2A1D123016211D1D1D08080808
          081D1D1D2116161D13131304040404041313131D161628303030222222222230
          30302816033030303030303030303003031C30303030303030301C0303303030
          3030303030303003030830303030303030300803030424303030303030240403
          0330303030303030303030032F2F2F2F2F2F2F2F2F2F2F2F00001C191F303030
          3030302020202020202020203030303030301F191C1C17192E30303030302020
          2020202020202030303030302E19171C1C1D2E30303030303030303030303030
          30303030303030302E1D1C3016100F0F03030303030F0F1016303016100F0F03
          030303030F0F1016303016100F0F03030303030F0F1016300F30303030303030
          3030300F0F303030303030303030300F0F303030303030303030300F0F1D3030
          3030303030301D0F0F133030303030303030130F0F303030303030303030300F
          2F2F2F2F2F2F2F2F2F2F2F2F00000E1D30303030303030303030303030303030
          303030303030301D0E0E172E3030303030302727272727272727273030303030
          302E170E0E2A30303030303030303030303030303030303030303030302A0E2F
          E0E0E0E0E0E0E0E0E0E0E0E0E02F2F474747474747474747474747472F2F3131
          31313131313131313131312F0F303030303030303030300F0F30303030303030
          3030300F0F303030303030303030300F0F1D30303030303030301D0F0F133030
          242424243030130F0F303030303030303030300F2F2F2F2F2F2F2F2F2F2F2F2F
          00000A193030303030303030303030303030303030303030303030190A0A1330
          3030303030302D2D2D2D2D2D2D2D2D30303030303030130A0A30303030303030
          3030303030303030303030303030303030300AE0A89330303030303030303093
          A8E047CE9330303030303030303093CE4731313030302F2F2F2F2F3030303131
          103030302929292930303010103030301A1A1A1A303030101030303029292929
          3030301012211D1D080808081D1D211212191313040404041313191212303030
          22222222303030122F2F2F2F2F2F2F2F2F2F2F2F000009193030303030303030
          3030303030303030303030303030301909091330303030303030303030303030
          3030303030303030303013090930303030303030303030303030303030303030
          30303030303009E0933030302F2F2F2F2F30303093E047933030303232323232
          303030934731303030302F2F2F2F2F30303030311E100F0F030303030F0F101E
          1E100F0F030303030F0F101E1E100F0F030303030F0F101E30120F0F03030303
          0F0F123030120F0F030303030F0F123030120F0F030303030F0F12302F2F2F2F
          2F2F2F2F2F2F2F2F000009193030303030303030303030303030303030303030
          3030301909091330303030303030303030303030303030303030303030301309
          093030303030303030303030303030303030303030303030303009E030303030
          2F2F2F2F2F30303030E047303030302F2F2F2F2F303030304731303030302F2F
          2F2F2F3030303031747474747474747474747474C4C4C4C4C4C4C4C4C4C4C4C4
          3131313131313131313131312FE0E0E0E0E0E0E0E0E0E02F2F47474747474747
          4747472F2F313131313131313131312F2F2F2F2F2F2F2F2F2F2F2F2F00000919
          3030303030303030303030303030303030303030303030190909133030303030
          3030303030303030303030303030303030301309093030303030303030303030
          303030303030303030303030303009E0303030302F2F2F2F2F30303030E04730
          3030302F2F2F2F2F303030304731303030302F2F2F2F2F303030303174303030
          2F2F2F2F30303074C430303032323232303030C4313030302F2F2F2F30303031
          E042303030303030303042E047B53030303030303030B547313030302F2F2F2F
          303030312F2F2F2F2F2F2F2F2F2F2F2F00000919303030303030303030303030
          3030303030303030303030190909133030303030303030303030303030303030
          3030303030301309093030303030303030303030303030303030303030303030
          303009E0302F2F2F2F2F2F2F2F2F2F2F30E04730322F2F2F2F2F2F2F2F2F3230
          47312F2F2F2F2F2F2F2F2F2F2F2F2F31743030302F2F2F2F30303074C4303030
          2F2F2F2F303030C4313030302F2F2F2F30303031E03030302F2F2F2F303030E0
          473030303232323230303047313030302F2F2F2F303030312F2F2F2F2F2F2F2F
          2F2F2F2F00000007203030303030303030303030303030303030303030302007
          00000420272D30303030303030303030303030303030302D2720040000303030
          3030303030303030303030303030303030303030303000E0302F2F2F2F2F2F2F
          2F2F2F2F30E04730322F2F2F2F2F2F2F2F2F323047312F2F2F2F2F2F2F2F2F2F
          2F2F2F31743030302F2F2F2F30303074C43030302F2F2F2F303030C431303030
          2F2F2F2F30303031E03030302F2F2F2F303030E0473030302F2F2F2F30303047
          313030302F2F2F2F303030312F2F2F2F2F2F2F2F2F2F2F2F0000000720303030
          303030303030303030303030303030303030200700000420272D303030303030
          30303030303030303030302D2720040000303030303030303030303030303030
          3030303030303030303000E0302F2F2F2F2F2F2F2F2F2F2F30E04730322F2F2F
          2F2F2F2F2F2F323047312F2F2F2F2F2F2F2F2F2F2F2F2F31742F2F2F2F2F2F2F
          2F2F2F74C4322F2F2F2F2F2F2F2F32C4312F2F2F2F2F2F2F2F2F2F31E0302F2F
          2F2F2F2F2F2F30E04730322F2F2F2F2F2F323047312F2F2F2F2F2F2F2F2F2F31
          2F2F2F2F2F2F2F2F2F2F2F2F0000000720303030303030303030303030303030
          303030303030200700000420272D30303030303030303030303030303030302D
          27200400003030303030303030303030303030303030303030303030303000E0
          302F2F2F2F2F2F2F2F2F2F2F30E04730322F2F2F2F2F2F2F2F2F323047312F2F
          2F2F2F2F2F2F2F2F2F2F2F31742F2F2F2F2F2F2F2F2F2F74C4322F2F2F2F2F2F
          2F2F32C4312F2F2F2F2F2F2F2F2F2F31E0302F2F2F2F2F2F2F2F30E04730322F
          2F2F2F2F2F323047312F2F2F2F2F2F2F2F2F2F312F2F2F2F2F2F2F2F2F2F2F2F
          0000000720303030303030303030303030303030303030303030200700000420
          272D30303030303030303030303030303030302D272004000030303030303030
          30303030303030303030303030303030303000E0302F2F2F2F2F2F2F2F2F2F2F
          30E04730322F2F2F2F2F2F2F2F2F323047312F2F2F2F2F2F2F2F2F2F2F2F2F31
          742F2F2F2F2F2F2F2F2F2F74C4322F2F2F2F2F2F2F2F32C4312F2F2F2F2F2F2F
          2F2F2F31E0302F2F2F2F2F2F2F2F30E04730322F2F2F2F2F2F323047312F2F2F
          2F2F2F2F2F2F2F312F2F2F2F2F2F2F2F2F2F2F2F000000072030303030303030
          3030303030303030303030303030200700000420272D30303030303030303030
          303030303030302D272004000030303030303030303030303030303030303030
          30303030303000E0303030302F2F2F2F2F30303030E047303030302F2F2F2F2F
          303030304731303030302F2F2F2F2F3030303031742F2F2F2F2F2F2F2F2F2F74
          C4322F2F2F2F2F2F2F2F32C4312F2F2F2F2F2F2F2F2F2F31E0302F2F2F2F2F2F
          2F2F30E04730322F2F2F2F2F2F323047312F2F2F2F2F2F2F2F2F2F312F2F2F2F
          2F2F2F2F2F2F2F2F000000072030303030303030303030303030303030303030
          3030200700000420272D30303030303030303030303030303030302D27200400
          003030303030303030303030303030303030303030303030303000E030303030
          2F2F2F2F2F30303030E047303030302F2F2F2F2F303030304731303030302F2F
          2F2F2F3030303031743030302F2F2F2F30303074C43030302F2F2F2F303030C4
          313030302F2F2F2F30303031E03030302F2F2F2F303030E0473030302F2F2F2F
          30303047313030302F2F2F2F303030312F2F2F2F2F2F2F2F2F2F2F2F00000007
          20303030303030303030303030303030303030303030200700000420272D3030
          3030303030303030303030303030302D27200400003030303030303030303030
          303030303030303030303030303000E0933030302F2F2F2F2F30303093E04793
          3030303232323232303030934731303030302F2F2F2F2F303030303174303030
          2F2F2F2F30303074C43030302F2F2F2F303030C4313030302F2F2F2F30303031
          E03030302F2F2F2F303030E0473030303232323230303047313030302F2F2F2F
          303030312F2F2F2F2F2F2F2F2F2F2F2F00000007203030303030303030303030
          30303030303030303030200700000420272D3030303030303030303030303030
          3030302D27200400003030303030303030303030303030303030303030303030
          303000E0A89330303030303030303093A8E047CE9330303030303030303093CE
          47313130303031313131313030303131743030303131313130303074C4303030
          CDCDCDCD303030C4313030303131313130303031E042303030303030303042E0
          47B53030303030303030B5473130303031313131303030312F2F2F2F2F2F2F2F
          2F2F2F2F00000007203030303030303030303030303030303030303030302007
          00000420272D30303030303030303030303030303030302D2720040000303030
          30303030303030303030303030303030303030303030002FE0E0E0E0E0E0E0E0
          E0E0E0E0E02F2F474747474747474747474747472F2F31313131313131313131
          3131312F747474747474747474747474C4C4C4C4C4C4C4C4C4C4C4C431313131
          31313131313131312FE0E0E0E0E0E0E0E0E0E02F2F474747474747474747472F
          2F313131313131313131312F2F2F2F2F2F2F2F2F2F2F2F2F0000091930303030
          3030303030303030303030303030303030303019090913303030303030303030
          3030303030303030303030303030130909303030303030303030303030303030
          3030303030303030303009303014100F0F0303030303030F0F10143030303014
          100F0F0303030303030F0F10143030303014100F0F0303030303030F0F101430
          30303030303030303030303030303030303030301C100F0F0F0303030303030F
          0F0F101C30301C100F0F0F0303030303030F0F0F101C302F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F0000091930303030303030303030303030303030
          3030303030303019090913303030303030303030303030303030303030303030
          3030130909303030303030303030303030303030303030303030303030300930
          15211D1D1D0808080808081D1D1D21153030151B131313040404040404131313
          1B15303017303030303030303030303030303017303030303030303030303030
          303030303030301C1B17131313040404040404131313171B1C1C213030303030
          303030303030303030211C2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          0000091930303030303030303030303030303030303030303030301909091330
          3030303030303030303030303030303030303030303013090930303030303030
          3030303030303030303030303030303030300914213030303030303030303030
          3030302114141B2A3030302424242424243030302A1B14143030303030303030
          3030303030303030143030303030303030303030303030303030301017303030
          302424242424243030303017101030303030303030303030303030303030102F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F000009193030303030303030
          3030303030303030303030303030301909091330303030303030303030303030
          3030303030303030303013090930303030303030303030303030303030303030
          30303030303009101D30303030303030303030303030301D1010133030303030
          3030303030303030301310103030303030303030303030303030303010303030
          3030303030303030303030303030300F13303030303030303030303030303013
          0F0F303030303030303030303030303030300F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F00000A193030303030303030303030303030303030303030
          303030190A0A13303030303030302D2D2D2D2D2D2D2D2D30303030303030130A
          0A30303030303030302D2D2D2D2D2D2D2D2D30303030303030300A0F1D303030
          30303030303030303030301D0F0F133030303030303030303030303030130F0F
          303030303030303030303030303030300F303030303030303030303030303030
          3030300F133030303030303030303030303030130F0F30303030303030303030
          3030303030300F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00000E1D
          30303030303030303030303030303030303030303030301D0E0E172E30303030
          30302727272727272727273030303030302E170E0E3030303030303030292929
          29292929292930303030303030300E0F1D30303030303030303030303030301D
          0F0F133030303030303030303030303030130F0F303030303030303030303030
          303030300F3030303030303030303030303030303030300F1330303030303030
          30303030303030130F0F303030303030303030303030303030300F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00001C191F3030303030302020202020
          202020203030303030301F191C1C17192E303030303020202020202020202030
          303030302E19171C1C1F30303030303030242424242424242424303030303030
          301F1C0308303030303030303030303030303008030304243030303030303030
          3030303024040303303030303030303030303030303030300330303030303030
          3030303030303030303030030424303030303030303030303030240403033030
          3030303030303030303030303030032F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F00003012191D191919191907070707070707070719191919191D1912
          3030121717131313131304040404040404040413131313131717123030121D30
          30303030301C1C1C1C1C1C1C1C1C3030303030301D1230030830303030303030
          3030303030303008030304243030303030303030303030302404030330303030
          3030303030303030303030300330303030303030303030303030303030303003
          0424303030303030303030303030240403033030303030303030303030303030
          3030032F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F000030301C0E0A09
          090909000000000000000000090909090A0E1C303030301C0E0A090909090000
          00000000000000090909090A0E1C303030301C0E0A0909090900000000000000
          0000090909090A0E1C3030030830303030303030303030303030300803030424
          3030303030303030303030302404030330303030303030303030303030303030
          0330303030303030303030303030303030303003042430303030303030303030
          30302404030330303030303030303030303030303030032F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F00002F2FABABABABABABABABABABABABABABABAB
          ABABABABABABAB2F2F2F2F474747474747474747474747474747474747474747
          47472F2F2F2F31313131313131313131313131313131313131313131312F2F03
          0830303030303030303030303030300803030424303030303030303030303030
          2404030330303030303030303030303030303030033030303030303030303030
          3030303030303003042430303030303030303030303024040303303030303030
          30303030303030303030032F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          00002FAB39B530303030303030303030303030303030303030B539AB2F2F4787
          9DA6A6A6A6A6A6A6A6A6A6A6A6A6A6A6A6A6A6A69D87472F2F319EE593303030
          303030303030303030303030303093E59E312F03083030303030303030303030
          3030300803030424303030303030303030303030240403033030303030303030
          3030303030303030033030303030303030303030303030303030300304243030
          303030303030303030302404030330303030303030303030303030303030032F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F0000AB393030303030303030
          30303030303030303030303030303039AB4787F3FE3030303030323232323232
          3232323030303030FEF38747319E303030303030302F2F2F2F2F2F2F2F2F3030
          30303030309E3103083030303030303030303030303030080303042430303030
          3030303030303030240403033030303030303030303030303030303003303030
          3030303030303030303030303030300304243030303030303030303030302404
          030330303030303030303030303030303030032F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F0000ABB5303030303030302F2F2F2F2F2F2F2F2F30303030
          303030B5AB479DFE303030303030323232323232323232303030303030FE9D47
          31E5303030303030302F2F2F2F2F2F2F2F2F30303030303030E5310F1D303030
          30303030303030303030301D0F0F133030303030303030303030303030130F0F
          303030303030303030303030303030300F303030303030303030303030303030
          3030300F133030303030303030303030303030130F0F30303030303030303030
          3030303030300F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F0000AB30
          303030303030302F2F2F2F2F2F2F2F2F3030303030303030AB47A63030303030
          303032323232323232323230303030303030A6473130303030303030302F2F2F
          2F2F2F2F2F2F3030303030303030310F1D30303030303030303030303030301D
          0F0F133030303030303030303030303030130F0F303030303030303030303030
          303030300F3030303030303030303030303030303030300F1330303030303030
          30303030303030130F0F303030303030303030303030303030300F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F0000AB30303030303030302F2F2F2F2F
          2F2F2F2F3030303030303030AB47A6303030303030302F2F2F2F2F2F2F2F2F30
          303030303030A6473130303030303030302F2F2F2F2F2F2F2F2F303030303030
          303031101D30303030303030303030303030301D101013303030303030303030
          3030303030131010303030303030303030303030303030301030303030303030
          30303030303030303030300F133030303030303030303030303030130F0F3030
          30303030303030303030303030300F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F0000AB30303030303030302F2F2F2F2F2F2F2F2F3030303030303030
          AB47A6303030303030302F2F2F2F2F2F2F2F2F30303030303030A64731303030
          30303030302F2F2F2F2F2F2F2F2F303030303030303031142130303030303030
          303030303030302114141B2A3030302424242424243030302A1B141430303030
          3030303030303030303030301430303030303030303030303030303030303010
          1730303030242424242424303030301710103030303030303030303030303030
          3030102F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F0000AB3030303030
          3030302F2F2F2F2F2F2F2F2F3030303030303030AB47A6303030303030302F2F
          2F2F2F2F2F2F2F30303030303030A6473130303030303030302F2F2F2F2F2F2F
          2F2F3030303030303030313015211D1D1D0808080808081D1D1D21153030151B
          1313130404040404041313131B15303017303030302222222222223030303017
          303030303030303030303030303030303030301C1B1713131304040404040413
          1313171B1C1C1F30303030222222222222303030301F1C2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F0000AB30303030303030302F2F2F2F2F2F2F2F2F
          3030303030303030AB47A6303030303030302F2F2F2F2F2F2F2F2F3030303030
          3030A6473130303030303030302F2F2F2F2F2F2F2F2F30303030303030303130
          3014100F0F0303030303030F0F10143030303014100F0F0303030303030F0F10
          143030303014100F0F0303030303030F0F101430303030303030303030303030
          30303030303030301C100F0F0F0303030303030F0F0F101C30301C100F0F0F03
          03030303030F0F0F101C302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          0000AB30302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F3030AB47A632
          32322F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F323232A647312F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F312F2FE0E0E0E0E0E0E0E0E0E0E0
          E0E0E02F2F2F2F47474747474747474747474747472F2F2F2F31313131313131
          313131313131312F2F3030303030302F2F2F2F2F2F3030303030302F47474747
          4747474747474747474747472F2F313131313131313131313131313131312F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F0000AB30302F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F3030AB47A63232322F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F323232A647312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F312FDE4293303030303030303030309342DE2F2FC26530303030
          303030303030303065C22F2F31303030302F2F2F2F2F2F30303030312F303030
          3030302F2F2F2F2F2F30303030303047EDC0303030303030303030303030C0ED
          473131303030302F2F2F2F2F2F3030303031312F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F0000AB30302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F3030AB47A63232322F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F323232A647
          312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F31E042303030
          302F2F2F2F2F2F3030303042E047656930303032323232323230303069654731
          30303030302F2F2F2F2F2F3030303030313030303030302F2F2F2F2F2F303030
          30303047C03030303032323232323230303030C0473130303030302F2F2F2F2F
          2F3030303030312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F0000AB30
          302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F3030AB47A63232322F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F323232A647312F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F31E093303030302F2F2F2F2F2F3030303093
          E04730303030302F2F2F2F2F2F3030303030473130303030302F2F2F2F2F2F30
          30303030313030303030302F2F2F2F2F2F3030303030304730303030302F2F2F
          2F2F2F3030303030473130303030302F2F2F2F2F2F3030303030312F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F0000AB30302F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F3030AB47A63232322F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F323232A647312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F31E030303030302F2F2F2F2F2F3030303030E04730303030302F2F2F2F2F
          2F3030303030473130303030302F2F2F2F2F2F3030303030313030303030302F
          2F2F2F2F2F3030303030304730303030302F2F2F2F2F2F303030303047313030
          3030302F2F2F2F2F2F3030303030312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F0000AB30302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F3030
          AB47A63232322F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F323232A647312F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F31E030303030302F2F2F
          2F2F2F3030303030E04730303030302F2F2F2F2F2F3030303030473130303030
          302F2F2F2F2F2F3030303030313030303030302F2F2F2F2F2F30303030303047
          30303030302F2F2F2F2F2F3030303030473130303030302F2F2F2F2F2F303030
          3030312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F0000AB30302F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F3030AB47A63232322F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F323232A647312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F31E0302F2F2F2F2F2F2F2F2F2F2F2F2F2F30E0473032
          2F2F2F2F2F2F2F2F2F2F2F2F323047312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F4730322F2F2F2F2F2F2F2F2F2F
          2F2F323047312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F312F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F0000AB30302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F3030AB47A63232322F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F32
          3232A647312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F31E0
          302F2F2F2F2F2F2F2F2F2F2F2F2F2F30E04730322F2F2F2F2F2F2F2F2F2F2F2F
          323047312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F312F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F4730322F2F2F2F2F2F2F2F2F2F2F2F323047312F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          0000AB30302F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F3030AB47A632
          32322F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F323232A647312F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F31E0302F2F2F2F2F2F2F2F2F2F2F
          2F2F2F30E04730322F2F2F2F2F2F2F2F2F2F2F2F323047312F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F4730322F2F
          2F2F2F2F2F2F2F2F2F2F323047312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F312F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F0000AB30303030303030302F
          2F2F2F2F2F2F2F2F3030303030303030AB47A6303030303030302F2F2F2F2F2F
          2F2F2F30303030303030A6473130303030303030302F2F2F2F2F2F2F2F2F3030
          30303030303031E0302F2F2F2F2F2F2F2F2F2F2F2F2F2F30E04730322F2F2F2F
          2F2F2F2F2F2F2F2F323047312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F312F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F4730322F2F2F2F2F2F2F2F2F2F2F2F3230
          47312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F312F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F0000AB30303030303030302F2F2F2F2F2F2F2F2F30303030
          30303030AB47A6303030303030302F2F2F2F2F2F2F2F2F30303030303030A647
          3130303030303030302F2F2F2F2F2F2F2F2F303030303030303031E0302F2F2F
          2F2F2F2F2F2F2F2F2F2F2F30E04730322F2F2F2F2F2F2F2F2F2F2F2F32304731
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F4730322F2F2F2F2F2F2F2F2F2F2F2F323047312F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F0000AB30
          303030303030302F2F2F2F2F2F2F2F2F3030303030303030AB47A63030303030
          30302F2F2F2F2F2F2F2F2F30303030303030A6473130303030303030302F2F2F
          2F2F2F2F2F2F303030303030303031E0302F2F2F2F2F2F2F2F2F2F2F2F2F2F30
          E04730322F2F2F2F2F2F2F2F2F2F2F2F323047312F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F4730322F2F2F2F2F2F
          2F2F2F2F2F2F323047312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F312F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F0000AB30303030303030302F2F2F2F2F
          2F2F2F2F3030303030303030AB47A6303030303030302F2F2F2F2F2F2F2F2F30
          303030303030A6473130303030303030302F2F2F2F2F2F2F2F2F303030303030
          303031E030303030302F2F2F2F2F2F3030303030E04730303030302F2F2F2F2F
          2F3030303030473130303030302F2F2F2F2F2F3030303030313030303030302F
          2F2F2F2F2F3030303030304730303030302F2F2F2F2F2F303030303047313030
          3030302F2F2F2F2F2F3030303030312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F0000AB30303030303030302F2F2F2F2F2F2F2F2F3030303030303030
          AB47A63030303030303032323232323232323230303030303030A64731303030
          3030303030313131313131313131303030303030303031E030303030302F2F2F
          2F2F2F3030303030E04730303030302F2F2F2F2F2F3030303030473130303030
          302F2F2F2F2F2F3030303030313030303030302F2F2F2F2F2F30303030303047
          30303030302F2F2F2F2F2F3030303030473130303030302F2F2F2F2F2F303030
          3030312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F0000ABB530303030
          3030302F2F2F2F2F2F2F2F2F30303030303030B5AB479DFE3030303030303232
          32323232323232303030303030FE9D4731303030303030303031313131313131
          3131303030303030303031E093303030302F2F2F2F2F2F3030303093E0473030
          3030302F2F2F2F2F2F3030303030473130303030302F2F2F2F2F2F3030303030
          313030303030302F2F2F2F2F2F3030303030304730303030302F2F2F2F2F2F30
          30303030473130303030302F2F2F2F2F2F3030303030312F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F0000AB3930303030303030303030303030303030
          3030303030303039AB4787F3FE30303030303232323232323232323030303030
          FEF38747313130303030303030313131313131313131303030303030303131E0
          42303030302F2F2F2F2F2F3030303042E0476569303030323232323232303030
          6965473130303030302F2F2F2F2F2F3030303030313030303030302F2F2F2F2F
          2F30303030303047C03030303032323232323230303030C0473130303030302F
          2F2F2F2F2F3030303030312F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          00002FAB39B530303030303030303030303030303030303030B539AB2F2F4787
          9DA6A6A6A6A6A6A6A6A6A6A6A6A6A6A6A6A6A6A69D87472F2F31313030303030
          3031313131313131313130303030303031312F2FDE4293303030303030303030
          309342DE2F2FC26530303030303030303030303065C22F2F3130303030313131
          31313130303030312F3030303030302F2F2F2F2F2F30303030303047EDC03030
          30303030303030303030C0ED473131303030303131313131313030303031312F
          2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F00002F2FABABABABABABABAB
          ABABABABABABABABABABABABABABAB2F2F2F2F47474747474747474747474747
          474747474747474747472F2F2F2F313131313131313131313131313131313131
          31313131312F2F2F2FE0E0E0E0E0E0E0E0E0E0E0E0E0E02F2F2F2F4747474747
          4747474747474747472F2F2F2F31313131313131313131313131312F2F303030
          3030302F2F2F2F2F2F3030303030302F47474747474747474747474747474747
          2F2F313131313131313131313131313131312F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F0000}
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
