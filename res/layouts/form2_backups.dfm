inherited Form2: TForm2
  inherited ScrollBox8: TScrollBox
    Height = 145
    object Image179: TImage
      Left = 8
      Top = 52
      Width = 16
      Height = 16
      Picture.Resource = 'link_arrow.bmp'
      Transparent = True
      OnMouseMove = Savesettingsrollover
    end
    object Image178: TImage
      Left = 8
      Top = 52
      Width = 16
      Height = 16
      Cursor = crHandPoint
      Picture.Resource = 'link_arrow_over.bmp'
      Transparent = True
      Visible = False
      OnClick = savesettings
    end
    object Label133: TLabel
      Left = 28
      Top = 53
      Cursor = crHandPoint
      Caption = 'Einstellungen sichern >>'
      Font.Color = clBlack
      Transparent = True
      OnClick = savesettings
      OnMouseMove = Savesettingsrollover
    end
    object Label135: TLabel
      Left = 235
      Top = 53
      Caption = '... bitte warten ...'
      Font.Color = clGray
      Transparent = True
      Visible = False
    end
    object RadioGroup1: TRadioGroup
      Left = 8
      Top = 76
      Width = 350
      Height = 45
      Caption = ' gesicherte Einstellungen  '
      Color = clWhite
      OnMouseMove = rollover
    end
  end
  inherited Panel8: TPanel
    object Image80: TImage
      Left = 6
      Top = 150
      Width = 16
      Height = 16
      Picture.Resource = 'link_arrow.bmp'
      Transparent = True
      OnMouseMove = Backrolloverp8
    end
    object Image81: TImage
      Left = 6
      Top = 150
      Width = 16
      Height = 16
      Cursor = crHandPoint
      Picture.Resource = 'link_arrow_over.bmp'
      Transparent = True
      Visible = False
      OnClick = backstartp8
    end
    object Label55: TLabel
      Left = 26
      Top = 151
      Cursor = crHandPoint
      Caption = 'Uninstall starten >'
      Font.Color = clBlack
      Transparent = True
      OnClick = backstartp8
      OnMouseMove = Backrolloverp8
    end
  end
  inherited afterrestart: TPanel
    object Image312: TImage
      Left = 8
      Top = 30
      Width = 16
      Height = 16
      Picture.Resource = 'link_arrow.bmp'
      Transparent = True
      OnMouseMove = Savesettingsrollover
    end
    object Image315: TImage
      Left = 8
      Top = 30
      Width = 16
      Height = 16
      Cursor = crHandPoint
      Picture.Resource = 'link_arrow_over.bmp'
      Transparent = True
      Visible = False
      OnClick = savesettings
    end
    object Label246: TLabel
      Left = 28
      Top = 31
      Cursor = crHandPoint
      Caption = 'Einstellungen sichern >>'
      Font.Color = clBlack
      Transparent = True
      OnClick = savesettings
      OnMouseMove = Savesettingsrollover
    end
  end
end
