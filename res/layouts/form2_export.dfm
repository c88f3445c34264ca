inherited Form2: TForm2
  inherited ScrollBox3: TScrollBox
    object Image226: TImage
      Left = 8
      Top = 156
      Width = 16
      Height = 16
      Picture.Resource = 'link_arrow.bmp'
      Transparent = True
      OnMouseMove = Regbackuprollover_p3
    end
    object Image229: TImage
      Left = 8
      Top = 156
      Width = 16
      Height = 16
      Cursor = crHandPoint
      Picture.Resource = 'link_arrow_over.bmp'
      Transparent = True
      Visible = False
      OnClick = backupreg
    end
    object Label180: TLabel
      Left = 28
      Top = 157
      Cursor = crHandPoint
      Caption = 'Wichtige Zweige der Registriedatenbank sichern >'
      Font.Color = clBlack
      Transparent = True
      OnClick = backupreg
      OnMouseMove = Regbackuprollover_p3
    end
    object Label181: TLabel
      Left = 28
      Top = 172
      Caption = '... bitte warten ...'
      Font.Color = clGray
      Transparent = True
      Visible = False
    end
    object Image242: TImage
      Left = 8
      Top = 190
      Width = 16
      Height = 16
      Picture.Resource = 'link_arrow.bmp'
      Transparent = True
      OnMouseMove = Wiederherstellungspunkt_rollover
    end
    object Image243: TImage
      Left = 8
      Top = 190
      Width = 16
      Height = 16
      Picture.Resource = 'link_arrow_over.bmp'
      Transparent = True
      Visible = False
    end
    object Label204: TLabel
      Left = 28
      Top = 191
      Cursor = crHandPoint
      Caption = 'Systemwiederherstellungspunkt setzen >'
      Font.Color = clBlack
      Transparent = True
      OnClick = Wiederherstellungspunkt
      OnMouseMove = Wiederherstellungspunkt_rollover
    end
    object Label205: TLabel
      Left = 28
      Top = 207
      Caption = '... bitte warten ...'
      Font.Color = clGray
      Transparent = True
      Visible = False
    end
  end
  inherited ScrollBox8: TScrollBox
    object Image177: TImage
      Left = 8
      Top = 8
      Width = 16
      Height = 16
      Picture.Resource = 'link_arrow.bmp'
      Transparent = True
      OnMouseMove = Backupbuttonrollover
    end
    object Image176: TImage
      Left = 8
      Top = 8
      Width = 16
      Height = 16
      Cursor = crHandPoint
      Picture.Resource = 'link_arrow_over.bmp'
      Transparent = True
      Visible = False
      OnClick = backupreg
    end
    object Label132: TLabel
      Left = 28
      Top = 9
      Cursor = crHandPoint
      Caption = 'Registrierdatenbank sichern >>'
      Font.Color = clBlack
      Transparent = True
      OnClick = backupreg
      OnMouseMove = Backupbuttonrollover
    end
    object Label134: TLabel
      Left = 235
      Top = 9
      Caption = '... bitte warten ...'
      Font.Color = clGray
      Transparent = True
      Visible = False
    end
    object Image247: TImage
      Left = 8
      Top = 30
      Width = 16
      Height = 16
      Picture.Resource = 'link_arrow.bmp'
      Transparent = True
      OnMouseMove = Label208MouseMove
    end
    object Image246: TImage
      Left = 8
      Top = 30
      Width = 16
      Height = 16
      Cursor = crHandPoint
      Picture.Resource = 'link_arrow_over.bmp'
      Transparent = True
      Visible = False
      OnClick = Wiederherstellungspunkt
      OnMouseMove = Label208MouseMove
    end
    object Label208: TLabel
      Left = 28
      Top = 31
      Cursor = crHandPoint
      Caption = 'Wiederherstellungspunkt >>'
      Font.Color = clBlack
      Transparent = True
      OnClick = Wiederherstellungspunkt
      OnMouseMove = Label208MouseMove
    end
    object Label209: TLabel
      Left = 235
      Top = 31
      Caption = '... bitte warten ...'
      Font.Color = clGray
      Transparent = True
      Visible = False
    end
  end
  inherited afterrestart: TPanel
    object Image313: TImage
      Left = 8
      Top = 8
      Width = 16
      Height = 16
      Picture.Resource = 'link_arrow.bmp'
      Transparent = True
      OnMouseMove = Backupbuttonrollover
    end
    object Image314: TImage
      Left = 8
      Top = 8
      Width = 16
      Height = 16
      Cursor = crHandPoint
      Picture.Resource = 'link_arrow_over.bmp'
      Transparent = True
      Visible = False
      OnClick = backupreg
    end
    object Label245: TLabel
      Left = 28
      Top = 9
      Cursor = crHandPoint
      Caption = 'Registrierdatenbank sichern >>'
      Font.Color = clBlack
      Transparent = True
      OnClick = backupreg
      OnMouseMove = Backupbuttonrollover
    end
  end
end
