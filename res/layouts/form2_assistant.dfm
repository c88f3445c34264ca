inherited Form2: TForm2
  inherited Label11: TLabel
    OnClick = showwizard
  end
  inherited Image22: TImage
    Cursor = crHandPoint
    OnClick = showwizard
  end
  inherited Label92: TLabel
    OnClick = wizardstart
    OnMouseMove = Wizardrolloverp9
  end
  inherited Label106: TLabel
    OnClick = importshow
    OnMouseMove = Importrollover
  end
  inherited Label107: TLabel
    OnClick = exportshow
    OnMouseMove = exportrollover
  end
  inherited Panel9: TPanel
    inherited ScrollBox9: TScrollBox
      Height = 145
      object AssistantTitleBack: TImage
        Left = 0
        Top = 4
        Width = 354
        Height = 21
        Picture.Resource = 'category_title.bmp'
      end
      object Label85: TLabel
        Left = 8
        Top = 8
        Caption = 'Tuning Assistent'
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object Label56: TLabel
        Left = 8
        Top = 32
        Width = 346
        Height = 66
        AutoSize = False
        Caption = 'Der Tuning Assistent unterstützt Sie bei der Optimierung des Systems. Nachdem Sie mit nur wenigen Mausklicks Angaben zur Nutzung Ihres Computersystems getätigt haben, wird der Assistent alle Optionen nach Ihrem Profil eigenständig vornehmen.'
        Transparent = True
        WordWrap = True
      end
      object Label57: TLabel
        Left = 8
        Top = 106
        Caption = 'Sie nutzen das System vorwiegend für...'
        Font.Style = [fsBold]
        Transparent = True
      end
      object CheckBox42: TCheckBox
        Left = 16
        Top = 122
        Width = 300
        Height = 17
        Color = clWhite
        Caption = 'Büroawendungen und ähnliches'
      end
      object CheckBox43: TCheckBox
        Left = 16
        Top = 140
        Width = 300
        Height = 17
        Color = clWhite
        Caption = 'Grafikanwendungen und Videoschnitt'
      end
      object CheckBox44: TCheckBox
        Left = 16
        Top = 158
        Width = 300
        Height = 17
        Color = clWhite
        Caption = 'Spiele'
      end
      object Label58: TLabel
        Left = 8
        Top = 184
        Width = 346
        Height = 28
        AutoSize = False
        Caption = 'Sie möchten das System nach folgenden Gesichtspunkten optimieren'
        Font.Style = [fsBold]
        Transparent = True
        WordWrap = True
      end
      object CheckBox45: TCheckBox
        Left = 16
        Top = 214
        Width = 300
        Height = 17
        Color = clWhite
        Caption = 'Geschwindigkeit'
      end
      object CheckBox46: TCheckBox
        Left = 16
        Top = 232
        Width = 300
        Height = 17
        Color = clWhite
        Caption = 'Optik'
      end
      object CheckBox47: TCheckBox
        Left = 16
        Top = 250
        Width = 300
        Height = 17
        Color = clWhite
        Caption = 'Internet/Netzwerk'
      end
      object CheckBox48: TCheckBox
        Left = 16
        Top = 268
        Width = 300
        Height = 17
        Color = clWhite
        Caption = 'Sicherheit'
      end
      object CheckBox49: TCheckBox
        Left = 16
        Top = 286
        Width = 300
        Height = 17
        Color = clWhite
        Caption = 'Spionageschutz'
      end
      object RadioGroup2: TGroupBox
        Left = 8
        Top = 312
        Width = 346
        Height = 52
        Caption = ' Risikofaktor der Tuningoptionen  '
        Color = clWhite
        Font.Style = [fsBold]
        OnMouseMove = rollover
        object RadioButton182: TRadioButton
          Left = 14
          Top = 24
          Width = 17
          Height = 17
          Color = clWhite
          Checked = True
        end
        object RiskIconLow: TImage
          Left = 34
          Top = 22
          Width = 20
          Height = 20
          Picture.Resource = 'risk_low.bmp'
          Transparent = True
        end
        object RadioButton183: TRadioButton
          Left = 126
          Top = 24
          Width = 17
          Height = 17
          Color = clWhite
        end
        object RiskIconMedium: TImage
          Left = 146
          Top = 22
          Width = 20
          Height = 20
          Picture.Resource = 'risk_medium.bmp'
          Transparent = True
        end
        object RadioButton184: TRadioButton
          Left = 238
          Top = 24
          Width = 17
          Height = 17
          Color = clWhite
        end
        object RiskIconHigh: TImage
          Left = 258
          Top = 22
          Width = 20
          Height = 20
          Picture.Resource = 'risk_high.bmp'
          Transparent = True
        end
      end
      object Label88: TLabel
        Left = 8
        Top = 374
        Caption = 'Möchten Sie jetzt genauere Einstellungen vornehmen?'
        Font.Style = [fsBold]
        Transparent = True
      end
      object CheckBox88: TCheckBox
        Left = 16
        Top = 390
        Width = 60
        Height = 17
        Color = clWhite
        Caption = 'ja'
        OnClick = CheckBox88Click
      end
      object CheckBox89: TCheckBox
        Left = 90
        Top = 390
        Width = 60
        Height = 17
        Color = clWhite
        Caption = 'nein'
        OnClick = CheckBox89Click
      end
    end
    object Image28: TImage
      Left = 6
      Top = 150
      Width = 16
      Height = 16
      Picture.Resource = 'link_arrow.bmp'
      Transparent = True
      OnMouseMove = Wizardrolloverp9
    end
    object Image29: TImage
      Left = 6
      Top = 150
      Width = 16
      Height = 16
      Cursor = crHandPoint
      Picture.Resource = 'link_arrow_over.bmp'
      Transparent = True
      Visible = False
      OnClick = wizardstart
    end
    object Label44: TLabel
      Left = 26
      Top = 151
      Cursor = crHandPoint
      Caption = 'Tuningprozedur starten >'
      Font.Color = clBlack
      Transparent = True
      OnClick = wizardstart
      OnMouseMove = Wizardrolloverp9
    end
  end
  inherited Panel11: TPanel
    inherited ScrollBox11: TScrollBox
      object ExportTitleBack: TImage
        Left = 0
        Top = 4
        Width = 354
        Height = 21
        Picture.Resource = 'category_title.bmp'
      end
      object Label87: TLabel
        Left = 8
        Top = 8
        Caption = 'Export der Einstellungen'
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object ExportText: TLabel
        Left = 8
        Top = 32
        Width = 346
        Height = 66
        AutoSize = False
        Caption = 'Es ist möglich, die getätigten Einstellungen der Tuningoptionen zu exportieren, um diese dann auf gleichen doer ähnlichen Computersystemen zu importieren. Das erleichtert das Optimieren mehrerer Systeme-'
        Transparent = True
        WordWrap = True
      end
      object Edit6: TEdit
        Left = 8
        Top = 106
        Width = 250
        Height = 19
        BorderStyle = bsNone
        Color = 13296895
        Font.Color = 4028894
        Text = '...'
        OnMouseMove = Edit6MouseMove
      end
      object Button2: TButton
        Left = 266
        Top = 104
        Width = 88
        Height = 23
        Caption = 'Durchsuchen'
        OnClick = Button2Click
      end
      object Image7: TImage
        Left = 8
        Top = 140
        Width = 16
        Height = 16
        Picture.Resource = 'link_arrow.bmp'
        Transparent = True
        OnMouseMove = exportstartrollover
      end
      object Image10: TImage
        Left = 8
        Top = 140
        Width = 16
        Height = 16
        Cursor = crHandPoint
        Picture.Resource = 'link_arrow_over.bmp'
        Transparent = True
        Visible = False
        OnClick = exportsettings
      end
      object Label110: TLabel
        Left = 28
        Top = 141
        Cursor = crHandPoint
        Caption = 'Einstellungen exportieren >'
        Font.Color = clBlack
        Transparent = True
        OnClick = exportsettings
        OnMouseMove = exportstartrollover
      end
      object Label115: TLabel
        Left = 28
        Top = 160
        Caption = 'Einstellungen erfolgreich exportiert...'
        Font.Color = clGray
        Transparent = True
        Visible = False
      end
    end
  end
  inherited Panel12: TPanel
    inherited ScrollBox12: TScrollBox
      object ImportTitleBack: TImage
        Left = 0
        Top = 4
        Width = 354
        Height = 21
        Picture.Resource = 'category_title.bmp'
      end
      object Label109: TLabel
        Left = 8
        Top = 8
        Caption = 'Importieren von Einstellungen'
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object Label111: TLabel
        Left = 8
        Top = 32
        Width = 346
        Height = 66
        AutoSize = False
        Caption = 'Es ist möglich, bereits getätigte Einstellungen der Tuningoptionen zu importieren. Dies erleichtert das Optimieren mehrerer Systeme.'
        Transparent = True
        WordWrap = True
      end
      object Edit5: TEdit
        Left = 8
        Top = 106
        Width = 250
        Height = 19
        BorderStyle = bsNone
        Color = 13296895
        Font.Color = 4028894
        Text = '...'
        OnMouseMove = Edit5MouseMove
      end
      object Button1: TButton
        Left = 266
        Top = 104
        Width = 88
        Height = 23
        Caption = 'Durchsuchen'
        OnClick = Button1Click
      end
      object Image14: TImage
        Left = 8
        Top = 140
        Width = 16
        Height = 16
        Picture.Resource = 'link_arrow.bmp'
        Transparent = True
        OnMouseMove = Importrollover
      end
      object Image59: TImage
        Left = 8
        Top = 140
        Width = 16
        Height = 16
        Cursor = crHandPoint
        Picture.Resource = 'link_arrow_over.bmp'
        Transparent = True
        Visible = False
        OnClick = importsettings
      end
      object Label113: TLabel
        Left = 28
        Top = 141
        Cursor = crHandPoint
        Caption = 'Einstellungen importieren >'
        Font.Color = clBlack
        Transparent = True
        OnClick = importsettings
        OnMouseMove = Importrollover
      end
      object Label114: TLabel
        Left = 28
        Top = 160
        Caption = 'Einstellungen erfolgreich importiert...'
        Font.Color = clGray
        Transparent = True
        Visible = False
      end
    end
  end
  object SaveDialog1: TSaveDialog
    DefaultExt = 'ini'
    Filter = 'brelksettings.ini|brelksettings.ini'
    Title = 'Brelvanto Kit 2004 '
  end
  object OpenDialog1: TOpenDialog
    DefaultExt = 'ini'
    Filter = 'brelksettings.ini|brelksettings.ini'
  end
end
