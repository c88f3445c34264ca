inherited Form2: TForm2
  inherited ScrollBox7: TScrollBox
    object Image227: TImage
      Left = 8
      Top = 150
      Width = 16
      Height = 16
      Cursor = crHandPoint
      Picture.Resource = 'link_arrow.bmp'
      Transparent = True
      OnMouseMove = Image227MouseMove
    end
    object Image228: TImage
      Left = 8
      Top = 150
      Width = 16
      Height = 16
      Cursor = crHandPoint
      Picture.Resource = 'link_arrow_over.bmp'
      Transparent = True
      Visible = False
      OnClick = Skinstart
      OnMouseMove = Image227MouseMove
    end
    object Label160: TLabel
      Left = 28
      Top = 151
      Cursor = crHandPoint
      Caption = 'Premium - Skin Archiv >'
      Font.Color = clBlack
      Transparent = True
      OnClick = Skinstart
      OnMouseMove = Image227MouseMove
    end
    object Image302: TImage
      Left = 8
      Top = 174
      Width = 16
      Height = 16
      Cursor = crHandPoint
      Picture.Resource = 'link_arrow.bmp'
      Transparent = True
      OnMouseMove = Startbuttonsrollover
    end
    object Image303: TImage
      Left = 8
      Top = 174
      Width = 16
      Height = 16
      Cursor = crHandPoint
      Picture.Resource = 'link_arrow_over.bmp'
      Transparent = True
      Visible = False
      OnClick = Label238Click
      OnMouseMove = Startbuttonsrollover
    end
    object Label238: TLabel
      Left = 28
      Top = 175
      Cursor = crHandPoint
      Caption = 'Startbuttons >'
      Font.Color = clBlack
      Transparent = True
      OnClick = Label238Click
      OnMouseMove = Startbuttonsrollover
    end
  end
  inherited Image17: TImage
    Cursor = crHandPoint
    OnMouseMove = Anleitrollover
  end
  inherited Image13: TImage
    Cursor = crHandPoint
    OnClick = Anleitstart
    OnMouseMove = Anleitrollover
  end
  inherited Label20: TLabel
    OnClick = Anleitstart
    OnMouseMove = Anleitrollover
  end
  inherited Label39: TLabel
    OnClick = Label39Click
  end
  inherited WebBrowser1: TWebBrowser
    OnDocumentComplete = WebBrowser1DocumentComplete
  end
  inherited Edit8: TEdit
    OnMouseMove = Edit8MouseMove
  end
  inherited Edit9: TEdit
    OnMouseMove = Edit9MouseMove
  end
  inherited Panel48: TPanel
    object OnlineSettingsTitle: TLabel
      Left = 8
      Top = 4
      Caption = 'Einstellungen'
      Font.Color = 8405022
      Font.Height = -13
      Font.Style = [fsBold]
      Transparent = True
      OnMouseMove = rollover
    end
    object OnlineServer1Caption: TLabel
      Left = 8
      Top = 31
      Caption = 'Server I'
      Font.Color = clBlack
      Transparent = True
    end
    object OnlineServer2Caption: TLabel
      Left = 8
      Top = 59
      Caption = 'Server II'
      Font.Color = clBlack
      Transparent = True
    end
    object Image192: TImage
      Left = 8
      Top = 126
      Width = 16
      Height = 16
      Cursor = crHandPoint
      Picture.Resource = 'link_arrow.bmp'
      Transparent = True
      OnMouseMove = Saveonlinesettingsrollover
    end
    object Image191: TImage
      Left = 8
      Top = 126
      Width = 16
      Height = 16
      Cursor = crHandPoint
      Picture.Resource = 'link_arrow_over.bmp'
      Transparent = True
      Visible = False
      OnClick = Saveonlinesettings
      OnMouseMove = Saveonlinesettingsrollover
    end
    object Label140: TLabel
      Left = 28
      Top = 127
      Cursor = crHandPoint
      Caption = 'Einstellungen speichern >'
      Font.Color = clBlack
      Transparent = True
      OnClick = Saveonlinesettings
      OnMouseMove = Saveonlinesettingsrollover
    end
    object Label141: TLabel
      Left = 200
      Top = 127
      Caption = '- erledigt -'
      Font.Color = clGray
      Transparent = True
      Visible = False
      OnClick = Saveonlinesettings
    end
  end
  inherited Panel49: TPanel
    object UpdateTitle: TLabel
      Left = 8
      Top = 4
      Caption = 'Premium Update'
      Font.Color = 8405022
      Font.Height = -13
      Font.Style = [fsBold]
      Transparent = True
      OnMouseMove = rollover
    end
    object Image193: TImage
      Left = 8
      Top = 28
      Width = 16
      Height = 16
      Cursor = crHandPoint
      Picture.Resource = 'link_arrow.bmp'
      Transparent = True
      OnMouseMove = updaterollover_neu
    end
    object Image194: TImage
      Left = 8
      Top = 28
      Width = 16
      Height = 16
      Cursor = crHandPoint
      Picture.Resource = 'link_arrow_over.bmp'
      Transparent = True
      Visible = False
      OnClick = Updatesuche
      OnMouseMove = updaterollover_neu
    end
    object Label144: TLabel
      Left = 28
      Top = 29
      Cursor = crHandPoint
      Caption = 'Update durchführen >'
      Font.Color = clBlack
      Transparent = True
      OnClick = Updatesuche
      OnMouseMove = updaterollover_neu
    end
    object Label151: TLabel
      Left = 8
      Top = 56
      Caption = 'Folgende Updateinformationen liegen vor:'
      Font.Color = clBlack
      Font.Style = [fsBold]
      Transparent = True
      Visible = False
    end
    object Label149: TLabel
      Left = 28
      Top = 72
      Caption = ''
      Font.Color = clBlack
      Transparent = True
    end
    object Label152: TLabel
      Left = 8
      Top = 92
      Caption = 'Download Datei:'
      Font.Color = clBlack
      Font.Style = [fsBold]
      Transparent = True
      Visible = False
    end
    object Label150: TLabel
      Left = 120
      Top = 92
      Caption = ''
      Font.Color = clBlack
      Transparent = True
    end
    object Label142: TLabel
      Left = 8
      Top = 116
      Caption = 'Update Status'
      Font.Color = clBlack
      Transparent = True
      Visible = False
    end
    object Gauge5: TGauge
      Left = 8
      Top = 136
      Width = 364
      Height = 14
      BorderStyle = bsNone
      MinValue = 0
      MaxValue = 100
      Progress = 0
      BackColor = 14408667
      ForeColor = 6271998
      Visible = False
    end
    object Label145: TLabel
      Left = 8
      Top = 158
      Caption = '- erledigt -'
      Font.Color = clGray
      Transparent = True
      Visible = False
    end
  end
  inherited Panel74: TPanel
    object Panel74Title: TLabel
      Left = 8
      Top = 4
      Caption = 'Premium - Skin Archiv'
      Font.Color = 8405022
      Font.Height = -13
      Font.Style = [fsBold]
      Transparent = True
      OnMouseMove = rollover
    end
    object Image223: TImage
      Left = 8
      Top = 28
      Width = 16
      Height = 16
      Cursor = crHandPoint
      Picture.Resource = 'link_arrow.bmp'
      Transparent = True
      OnMouseMove = Skinrollover
    end
    object Image224: TImage
      Left = 8
      Top = 28
      Width = 16
      Height = 16
      Cursor = crHandPoint
      Picture.Resource = 'link_arrow_over.bmp'
      Transparent = True
      Visible = False
      OnClick = Skinsuche
      OnMouseMove = Skinrollover
    end
    object Label156: TLabel
      Left = 28
      Top = 29
      Cursor = crHandPoint
      Caption = 'nach Skins suchen >'
      Font.Color = clBlack
      Transparent = True
      OnClick = Skinsuche
      OnMouseMove = Skinrollover
    end
    object Label157: TLabel
      Left = 200
      Top = 29
      Caption = '- bitte warten -'
      Font.Color = clGray
      Transparent = True
      Visible = False
    end
    object Bevel10: TBevel
      Left = 8
      Top = 50
      Width = 364
      Height = 2
      Shape = bsTopLine
      Visible = False
    end
    object ListBox3: TListBox
      Left = 8
      Top = 58
      Width = 130
      Height = 120
      BorderStyle = bsNone
      Color = 13296895
      Font.Color = 4028894
      Visible = False
      OnClick = FileListBox1Click
    end
    object WebBrowser2: TWebBrowser
      Left = 146
      Top = 58
      Width = 225
      Height = 40
      OnNavigateComplete2 = WebBrowser2NavigateComplete2
    end
    object Image290: TImage
      Left = 146
      Top = 106
      Width = 16
      Height = 16
      Cursor = crHandPoint
      Hint = 'herunterladen'
      ShowHint = True
      Picture.Resource = 'link_arrow_over.bmp'
      Transparent = True
      Visible = False
      OnClick = Skindownload
    end
  end
  inherited Panel104: TPanel
    object Panel104Title: TLabel
      Left = 8
      Top = 4
      Caption = 'Startbuttons'
      Font.Color = 8405022
      Font.Height = -13
      Font.Style = [fsBold]
      Transparent = True
      OnMouseMove = rollover
    end
    object Image298: TImage
      Left = 8
      Top = 28
      Width = 16
      Height = 16
      Cursor = crHandPoint
      Picture.Resource = 'link_arrow.bmp'
      Transparent = True
      OnMouseMove = Image298MouseMove
    end
    object Image299: TImage
      Left = 8
      Top = 28
      Width = 16
      Height = 16
      Cursor = crHandPoint
      Picture.Resource = 'link_arrow_over.bmp'
      Transparent = True
      Visible = False
      OnClick = Startbuttonsuche
      OnMouseMove = Image298MouseMove
    end
    object Label161: TLabel
      Left = 28
      Top = 29
      Cursor = crHandPoint
      Caption = 'nach Startbuttons suchen >'
      Font.Color = clBlack
      Transparent = True
      OnClick = Startbuttonsuche
      OnMouseMove = Image298MouseMove
    end
    object Label235: TLabel
      Left = 200
      Top = 29
      Caption = '- bitte warten -'
      Font.Color = clGray
      Transparent = True
      Visible = False
    end
    object Bevel3: TBevel
      Left = 8
      Top = 50
      Width = 364
      Height = 2
      Shape = bsTopLine
      Visible = False
    end
    object ListBox4: TListBox
      Left = 8
      Top = 58
      Width = 130
      Height = 120
      BorderStyle = bsNone
      Color = 13296895
      Font.Color = 4028894
      Visible = False
      OnClick = ListBox4Click
    end
    object WebBrowser4: TWebBrowser
      Left = 146
      Top = 58
      Width = 225
      Height = 40
      OnNavigateComplete2 = WebBrowser4NavigateComplete2
    end
    object Image301: TImage
      Left = 146
      Top = 106
      Width = 16
      Height = 16
      Cursor = crHandPoint
      Hint = 'herunterladen'
      ShowHint = True
      Picture.Resource = 'link_arrow_over.bmp'
      Transparent = True
      Visible = False
      OnClick = Image301Click
    end
  end
  inherited Panel79: TPanel
    object BugmailTitle: TLabel
      Left = 8
      Top = 4
      Caption = 'Bugmailer'
      Font.Color = 8405022
      Font.Height = -13
      Font.Style = [fsBold]
      Transparent = True
      OnMouseMove = rollover
    end
    object Edit10: TEdit
      Left = 8
      Top = 28
      Width = 250
      Height = 19
      BorderStyle = bsNone
      Color = 13296895
      Font.Color = 4028894
      Text = 'Name (optional)'
      OnMouseMove = Edit10MouseMove
    end
    object Edit11: TEdit
      Left = 8
      Top = 52
      Width = 250
      Height = 19
      BorderStyle = bsNone
      Color = 13296895
      Font.Color = 4028894
      Text = 'Emailadresse'
      OnMouseMove = Edit11MouseMove
    end
    object Memo1: TMemo
      Left = 8
      Top = 76
      Width = 364
      Height = 76
      BorderStyle = bsNone
      Color = 13296895
      Font.Color = 4028894
      Lines.Strings = (
        'Ihr Text')
      ScrollBars = ssVertical
      OnMouseMove = Memo1MouseMove
    end
    object Image233: TImage
      Left = 8
      Top = 160
      Width = 16
      Height = 16
      Cursor = crHandPoint
      Picture.Resource = 'link_arrow.bmp'
      Transparent = True
      OnMouseMove = Bugmailrolloverp79
    end
    object Image234: TImage
      Left = 8
      Top = 160
      Width = 16
      Height = 16
      Cursor = crHandPoint
      Picture.Resource = 'link_arrow_over.bmp'
      Transparent = True
      Visible = False
      OnClick = Bugmailsend
      OnMouseMove = Bugmailrolloverp79
    end
    object Label182: TLabel
      Left = 28
      Top = 161
      Cursor = crHandPoint
      Caption = 'Senden >'
      Font.Color = clBlack
      Transparent = True
      OnClick = Bugmailsend
      OnMouseMove = Bugmailrolloverp79
    end
    object Label183: TLabel
      Left = 120
      Top = 161
      Caption = '- erledigt -'
      Font.Color = clGray
      Transparent = True
      Visible = False
    end
  end
  object Memo2: TMemo
    Left = 8
    Top = 8
    Width = 10
    Height = 10
    Visible = False
  end
  object WebBrowser3: TWebBrowser
    Left = 20
    Top = 8
    Width = 10
    Height = 10
    Visible = False
  end
end
