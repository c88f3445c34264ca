object Form2: TForm2
  Left = 0
  Top = 0
  Width = 525
  Height = 475
  BorderStyle = bsNone
  Caption = 'Brelvanto Kit 2005'
  Color = clWhite
  Font.Name = 'Tahoma'
  Font.Height = -11
  Position = poScreenCenter
  OnCreate = FormCreate
  OnMouseWheel = FormMouseWheel
  OnShow = iniread
  object CoolForm1: TCoolForm
    left = 0
    top = 0
    width = 525
    height = 475
    Picture.Resource = 'main_skin.bmp'
    OnMouseMove = rollover
    Mask2 = {
      A00A00002000000001000000A8000000800A000000000000000000000D020000
      DB01000032000000000000003900000001000000310000000100000039000000
      020000003100000002000000390000000300000047000000020000004B000000
      0300000031000000030000003A0000000400000047000000030000004E000000
      0400000031000000040000003A0000000500000046000000040000004F000000
      050000002100000005000000230000000600000031000000050000003A000000
      0600000046000000050000004F000000060000001F0000000600000024000000
      0700000031000000060000003A0000000700000045000000060000004F000000
      070000001D00000007000000250000000800000031000000070000003B000000
      0800000045000000070000004E000000080000001C0000000800000025000000
      0900000031000000080000003B0000000900000044000000080000004E000000
      090000001C00000009000000260000000A00000031000000090000003B000000
      0A00000044000000090000004E0000000A0000001D0000000A00000027000000
      0B000000310000000A000000410000000B000000440000000A0000004E000000
      0B0000001D0000000B000000270000000C0000002E0000000B0000004E000000
      0C0000005C0000000B0000005D0000000C0000001D0000000C00000028000000
      0D0000002B0000000C0000004E0000000D0000005B0000000C0000005E000000
      0D0000001E0000000D0000004D0000000E0000005A0000000D0000005F000000
      0E0000001E0000000E0000004E0000000F000000590000000E00000060000000
      0F0000001E0000000F0000005000000010000000570000000F00000061000000
      100000001F000000100000005200000011000000560000001000000062000000
      110000001F000000110000005400000012000000550000001100000061000000
      12000000100000001200000011000000130000001F0000001200000061000000
      130000000F0000001300000013000000140000001D0000001300000060000000
      140000000E0000001400000014000000150000001C000000140000005F000000
      150000000D0000001500000016000000160000001B000000150000005F000000
      160000000C0000001600000018000000170000001A000000160000005E000000
      170000000B000000170000005E000000180000000C000000180000005D000000
      190000000D000000190000005D0000001A0000000E0000001A0000005E000000
      1B0000000F0000001B0000005F0000001C0000000F0000001C00000060000000
      1D0000006A0000001C0000006C0000001D000000100000001D00000061000000
      1E000000670000001D0000006D0000001E000000110000001E00000061000000
      1F000000640000001E0000006D0000001F000000120000001F0000006E000000
      2000000011000000200000006E0000002100000011000000210000006F000000
      2200000010000000220000006F0000002300000010000000230000006E000000
      240000000F00000024000000F401000025000000040000002500000007000000
      260000000F00000025000000F80100002600000003000000260000000D000000
      270000000E00000026000000FB010000270000000300000027000000FD010000
      280000000300000028000000FF01000029000000020000002900000000020000
      2A000000020000002A000000020200002B000000020000002B00000003020000
      2C000000020000002C000000040200002D000000040000002D00000005020000
      2E000000060000002E000000060200002F000000080000002F00000007020000
      300000000B0000003000000007020000310000000B0000003100000008020000
      320000000B0000003200000009020000330000000A0000003300000009020000
      340000000A000000340000000A020000360000000A000000360000000B020000
      3900000007000000390000000C0200003A000000030000003A0000000C020000
      3B000000000000003B0000000C0200003D000000000000003D0000000D020000
      4200000001000000420000000D020000430000000B000000430000000D020000
      460000000C000000460000000D020000490000000D000000490000000D020000
      4C0000000C0000004C0000000D0200004D0000000A0000004D0000000D020000
      4E000000090000004E0000000D0200004F000000070000004F0000000D020000
      5000000006000000500000000D0200005100000005000000510000000D020000
      5300000006000000530000000D02000055000000070000005500000010000000
      5600000013000000550000000D0200005600000007000000560000000D000000
      5700000013000000560000000D0200005700000008000000570000000A000000
      5800000014000000570000000D0200005800000015000000580000000A020000
      590000001600000059000000080200005A000000170000005A00000007020000
      5B000000170000005B000000060200005C000000160000005C00000006020000
      5D000000160000005D000000050200005E000000150000005E00000005020000
      6000000014000000600000000502000061000000130000006100000005020000
      6300000012000000630000000502000064000000130000006400000005020000
      6500000014000000650000001B000000660000001C0000006500000005020000
      6600000015000000660000001A000000670000001C0000006600000005020000
      67000000160000006700000019000000680000001C0000006700000005020000
      68000000170000006800000018000000690000001C0000006800000005020000
      690000001C0000006900000005020000A70100001B000000A701000005020000
      AA0100001A000000AA01000005020000AB01000019000000AB01000005020000
      AC01000018000000AC01000005020000AD01000017000000AD01000005020000
      AE01000016000000AE01000005020000AF01000013000000AF01000005020000
      B00100000F000000B001000005020000B10100000C000000B101000005020000
      B20100000A000000B201000006020000B301000008000000B301000007020000
      B401000007000000B401000008020000B501000006000000B501000009020000
      B601000005000000B601000009020000B701000004000000B70100000A020000
      B801000003000000B80100000B020000BA01000002000000BA0100000B020000
      BB01000002000000BB0100000C020000BC01000001000000BC0100000C020000
      BE01000001000000BE0100000D020000BF01000000000000BF0100000D020000
      C701000001000000C70100000D020000C801000001000000C80100000C020000
      CA01000002000000CA0100000C020000CB01000002000000CB0100000B020000
      CC01000003000000CC0100000B020000CE01000004000000CE0100000A020000
      CF01000005000000CF01000009020000D001000006000000D001000009020000
      D101000007000000D101000008020000D201000008000000D201000007020000
      D30100000A000000D301000006020000D40100000C000000D401000005020000
      D50100000F000000D501000004020000D6010000E7010000D601000003020000
      D7010000E9010000D701000001020000D8010000EA010000D801000000020000
      D9010000ED010000D9010000FD010000DA010000F0010000DA010000FA010000
      DB010000}
  end
  object Panel1: TPanel
    Left = 120
    Top = 104
    Width = 370
    Height = 169
    BevelOuter = bvNone
    Color = clWhite
    OnMouseMove = rollover
    object ScrollBox2: TScrollBox
      Left = 0
      Top = 0
      Width = 370
      Height = 169
      BorderStyle = bsNone
      Color = clWhite
      OnMouseMove = rollover
      object StartTitle: TLabel
        Left = 8
        Top = 6
        Caption = 'Willkommen beim Brelvanto Kit 2005'
        Font.Color = 8405022
        Font.Height = -13
        Font.Style = [fsBold]
        Transparent = True
        OnMouseMove = rollover
      end
      object StartText: TLabel
        Left = 8
        Top = 28
        Caption = 'Wählen Sie, wie Sie Ihr System optimieren möchten:'
        Font.Color = 5263440
        Transparent = True
        OnMouseMove = rollover
      end
      object Image21: TImage
        Left = 8
        Top = 50
        Width = 16
        Height = 16
        Cursor = crHandPoint
        Picture.Resource = 'link_arrow.bmp'
        Transparent = True
        OnClick = classicstart
        OnMouseMove = Classicrollover
      end
      object Image23: TImage
        Left = 8
        Top = 50
        Width = 16
        Height = 16
        Cursor = crHandPoint
        Picture.Resource = 'link_arrow_over.bmp'
        Transparent = True
        Visible = False
        OnClick = classicstart
      end
      object Label12: TLabel
        Left = 28
        Top = 51
        Cursor = crHandPoint
        Caption = 'Brelvanto Kit - Power Modus starten >'
        Font.Color = clBlack
        Font.Style = [fsBold]
        Transparent = True
        OnClick = classicstart
        OnMouseMove = Classicrollover
      end
      object StartPowerText: TLabel
        Left = 28
        Top = 67
        Width = 330
        Height = 26
        AutoSize = False
        Caption = 'Alle Tuningoptionen in einer Liste: Sie entscheiden bei jeder Einstellung selbst.'
        Font.Color = 5263440
        Transparent = True
        WordWrap = True
        OnMouseMove = rollover
      end
      object Image20: TImage
        Left = 8
        Top = 96
        Width = 16
        Height = 16
        Cursor = crHandPoint
        Picture.Resource = 'link_arrow.bmp'
        Transparent = True
        OnMouseMove = Wizardrollover
      end
      object Image22: TImage
        Left = 8
        Top = 96
        Width = 16
        Height = 16
        Picture.Resource = 'link_arrow_over.bmp'
        Transparent = True
        Visible = False
      end
      object Label11: TLabel
        Left = 28
        Top = 97
        Cursor = crHandPoint
        Caption = 'Brelvanto Kit - Tuning Assistenten starten >'
        Font.Color = clBlack
        Font.Style = [fsBold]
        Transparent = True
        OnMouseMove = Wizardrollover
      end
      object StartWizardText: TLabel
        Left = 28
        Top = 113
        Width = 290
        Height = 26
        AutoSize = False
        Caption = 'Der Assistent stellt die Tuningoptionen anhand weniger Fragen für Sie ein.'
        Font.Color = 5263440
        Transparent = True
        WordWrap = True
        OnMouseMove = rollover
      end
      object Image40: TImage
        Left = 8
        Top = 144
        Width = 16
        Height = 16
        Cursor = crHandPoint
        Picture.Resource = 'link_arrow.bmp'
        Transparent = True
        OnMouseMove = Dokurollover
      end
      object Image41: TImage
        Left = 8
        Top = 144
        Width = 16
        Height = 16
        Cursor = crHandPoint
        Picture.Resource = 'link_arrow_over.bmp'
        Transparent = True
        Visible = False
        OnClick = Dokustart
      end
      object Label18: TLabel
        Left = 28
        Top = 145
        Cursor = crHandPoint
        Caption = 'Programmdokumentation lesen >'
        Font.Color = clBlack
        Transparent = True
        OnClick = Dokustart
        OnMouseMove = Dokurollover
      end
      object Image253: TImage
        Left = 326
        Top = 130
        Width = 32
        Height = 32
        Cursor = crHandPoint
        Hint = 'Programminformationen und Hilfe anzeigen'
        ShowHint = True
        Picture.Resource = 'info_icon.bmp'
        Transparent = True
        OnClick = informationstart
        OnMouseMove = Image253MouseMove
      end
      object Image261: TImage
        Left = 326
        Top = 130
        Width = 32
        Height = 32
        Cursor = crHandPoint
        Hint = 'Programminformationen und Hilfe anzeigen'
        ShowHint = True
        Picture.Resource = 'info_icon_over.bmp'
        Transparent = True
        Visible = False
        OnClick = informationstart
      end
    end
  end
  object Panel2: TPanel
    Left = 120
    Top = 104
    Width = 380
    Height = 190
    BevelOuter = bvNone
    Color = clWhite
    Visible = False
    OnMouseMove = rollover
    object ScrollBox1: TScrollBox
      Left = 0
      Top = 0
      Width = 380
      Height = 190
      BorderStyle = bsNone
      Color = clWhite
      OnMouseMove = rollover
    end
  end
  object Panel4: TPanel
    Left = 120
    Top = 104
    Width = 380
    Height = 190
    BevelOuter = bvNone
    Color = clWhite
    Visible = False
    OnMouseMove = rollover
    object ScrollBox4: TScrollBox
      Left = 0
      Top = 0
      Width = 380
      Height = 166
      BorderStyle = bsNone
      Color = clWhite
      OnMouseMove = rollover
      object WebBrowser1: TWebBrowser
        Left = 0
        Top = 0
        Width = 380
        Height = 166
      end
    end
    object Image42: TImage
      Left = 8
      Top = 171
      Width = 16
      Height = 16
      Cursor = crHandPoint
      Picture.Resource = 'link_arrow.bmp'
      Transparent = True
      OnMouseMove = Backrolloverp4
    end
    object Image43: TImage
      Left = 8
      Top = 171
      Width = 16
      Height = 16
      Cursor = crHandPoint
      Picture.Resource = 'link_arrow_over.bmp'
      Transparent = True
      Visible = False
      OnClick = backstartp4
    end
    object Label19: TLabel
      Left = 28
      Top = 172
      Cursor = crHandPoint
      Caption = 'zurück <'
      Font.Color = clBlack
      Font.Style = [fsBold]
      Transparent = True
      OnClick = backstartp4
      OnMouseMove = Backrolloverp4
    end
  end
  object Panel5: TPanel
    Left = 120
    Top = 104
    Width = 380
    Height = 190
    BevelOuter = bvNone
    Color = clWhite
    Visible = False
    OnMouseMove = rollover
    object ScrollBox5: TScrollBox
      Left = 0
      Top = 0
      Width = 380
      Height = 190
      BorderStyle = bsNone
      Color = clWhite
      OnMouseMove = rollover
      object InfoTitle: TLabel
        Left = 8
        Top = 4
        Caption = 'Programminformationen'
        Font.Color = 8405022
        Font.Height = -13
        Font.Style = [fsBold]
        Transparent = True
        OnMouseMove = rollover
      end
      object InfoProduct: TLabel
        Left = 8
        Top = 26
        Caption = 'Brelvanto Kit 2005'
        Font.Style = [fsBold]
        Transparent = True
        OnMouseMove = rollover
      end
      object InfoVersionCaption: TLabel
        Left = 8
        Top = 44
        Caption = 'Version:'
        Transparent = True
        OnMouseMove = rollover
      end
      object Label5: TLabel
        Left = 60
        Top = 44
        Width = 200
        Height = 13
        AutoSize = False
        Caption = 'ini_read'
        Transparent = True
        OnMouseMove = rollover
      end
      object InfoText: TLabel
        Left = 8
        Top = 66
        Width = 350
        Height = 54
        AutoSize = False
        Caption = 'Das Brelvanto Kit optimiert Windows 2000 und Windows XP: Leistung, Darstellung, Internet, Sicherheit und Datenschutz. Vor jeder Änderung sichert es Ihre Einstellungen, damit Sie den vorherigen Zustand jederzeit wiederherstellen können.'
        Transparent = True
        WordWrap = True
        OnMouseMove = rollover
      end
      object InfoCopyright: TLabel
        Left = 8
        Top = 130
        Caption = '© 2005 Kestovar. Alle Rechte vorbehalten.'
        Font.Color = 5263440
        Transparent = True
        OnMouseMove = rollover
      end
    end
  end
  object Panel6: TPanel
    Left = 120
    Top = 104
    Width = 380
    Height = 190
    BevelOuter = bvNone
    Color = clWhite
    Visible = False
    OnMouseMove = rollover
    object ScrollBox6: TScrollBox
      Left = 0
      Top = 0
      Width = 380
      Height = 190
      BorderStyle = bsNone
      Color = clWhite
      OnMouseMove = rollover
      object SupportTitle: TLabel
        Left = 8
        Top = 4
        Caption = 'Premium-Support'
        Font.Color = 8405022
        Font.Height = -13
        Font.Style = [fsBold]
        Transparent = True
        OnMouseMove = rollover
      end
      object SupportText: TLabel
        Left = 8
        Top = 26
        Width = 350
        Height = 28
        AutoSize = False
        Caption = 'Fragen zum Brelvanto Kit? Schreiben Sie uns, besuchen Sie das Forum oder melden Sie einen Fehler.'
        Font.Color = 5263440
        Transparent = True
        WordWrap = True
        OnMouseMove = rollover
      end
      object Image52: TImage
        Left = 8
        Top = 60
        Width = 16
        Height = 16
        Cursor = crHandPoint
        Picture.Resource = 'link_arrow.bmp'
        Transparent = True
        OnMouseMove = emailrolloverp6
      end
      object Image53: TImage
        Left = 8
        Top = 60
        Width = 16
        Height = 16
        Cursor = crHandPoint
        Picture.Resource = 'link_arrow_over.bmp'
        Transparent = True
        Visible = False
        OnClick = emailstart
      end
      object Label22: TLabel
        Left = 28
        Top = 61
        Cursor = crHandPoint
        Caption = 'E-Mailsupport >'
        Font.Color = clBlack
        Transparent = True
        OnClick = emailstart
        OnMouseMove = emailrolloverp6
      end
      object Image55: TImage
        Left = 8
        Top = 84
        Width = 16
        Height = 16
        Cursor = crHandPoint
        Picture.Resource = 'link_arrow.bmp'
        Transparent = True
        OnMouseMove = forumrollover
      end
      object Image56: TImage
        Left = 8
        Top = 84
        Width = 16
        Height = 16
        Cursor = crHandPoint
        Picture.Resource = 'link_arrow_over.bmp'
        Transparent = True
        Visible = False
        OnClick = forumstart
      end
      object Label24: TLabel
        Left = 28
        Top = 85
        Cursor = crHandPoint
        Caption = 'Support Forum >'
        Font.Color = clBlack
        Transparent = True
        OnClick = forumstart
        OnMouseMove = forumrollover
      end
      object Image50: TImage
        Left = 8
        Top = 108
        Width = 16
        Height = 16
        Cursor = crHandPoint
        Picture.Resource = 'link_arrow.bmp'
        Transparent = True
        OnMouseMove = Bugmailrolloverp6
      end
      object Image51: TImage
        Left = 8
        Top = 108
        Width = 16
        Height = 16
        Cursor = crHandPoint
        Picture.Resource = 'link_arrow_over.bmp'
        Transparent = True
        Visible = False
        OnClick = Bugmailtstart
      end
      object Label23: TLabel
        Left = 28
        Top = 109
        Cursor = crHandPoint
        Caption = 'Bugmailer >'
        Font.Color = clBlack
        Transparent = True
        OnClick = Bugmailtstart
        OnMouseMove = Bugmailrolloverp6
      end
      object Image57: TImage
        Left = 8
        Top = 132
        Width = 16
        Height = 16
        Cursor = crHandPoint
        Picture.Resource = 'link_arrow.bmp'
        Transparent = True
        OnMouseMove = Dokurolloverp6
      end
      object Image58: TImage
        Left = 8
        Top = 132
        Width = 16
        Height = 16
        Cursor = crHandPoint
        Picture.Resource = 'link_arrow_over.bmp'
        Transparent = True
        Visible = False
        OnClick = Dokustart
        OnMouseMove = Dokurolloverp6
      end
      object Label25: TLabel
        Left = 28
        Top = 133
        Cursor = crHandPoint
        Caption = 'Dokumentation >'
        Font.Color = clBlack
        Transparent = True
        OnClick = Dokustart
        OnMouseMove = Dokurolloverp6
      end
    end
  end
  object Panel7: TPanel
    Left = 120
    Top = 104
    Width = 380
    Height = 190
    BevelOuter = bvNone
    Color = clWhite
    Visible = False
    OnMouseMove = rollover
    object ScrollBox7: TScrollBox
      Left = 0
      Top = 0
      Width = 380
      Height = 190
      BorderStyle = bsNone
      Color = clWhite
      OnMouseMove = rollover
      object OnlineTitle: TLabel
        Left = 8
        Top = 4
        Caption = 'Premium Online-Services'
        Font.Color = 8405022
        Font.Height = -13
        Font.Style = [fsBold]
        Transparent = True
        OnMouseMove = rollover
      end
      object Image34: TImage
        Left = 8
        Top = 30
        Width = 16
        Height = 16
        Cursor = crHandPoint
        Picture.Resource = 'link_arrow.bmp'
        Transparent = True
        OnMouseMove = updaterolloverp7
      end
      object Image61: TImage
        Left = 8
        Top = 30
        Width = 16
        Height = 16
        Cursor = crHandPoint
        Picture.Resource = 'link_arrow_over.bmp'
        Transparent = True
        Visible = False
        OnMouseMove = updaterolloverp7
      end
      object Label38: TLabel
        Left = 28
        Top = 31
        Cursor = crHandPoint
        Caption = 'Premium Update >'
        Font.Color = clBlack
        Transparent = True
        OnClick = Updatestart
        OnMouseMove = updaterolloverp7
      end
      object Image62: TImage
        Left = 8
        Top = 54
        Width = 16
        Height = 16
        Cursor = crHandPoint
        Picture.Resource = 'link_arrow.bmp'
        Transparent = True
        OnMouseMove = Newsrolloverp7
      end
      object Image63: TImage
        Left = 8
        Top = 54
        Width = 16
        Height = 16
        Cursor = crHandPoint
        Picture.Resource = 'link_arrow_over.bmp'
        Transparent = True
        Visible = False
        OnMouseMove = Newsrolloverp7
      end
      object Label37: TLabel
        Left = 28
        Top = 55
        Cursor = crHandPoint
        Caption = 'News >'
        Font.Color = clBlack
        Transparent = True
        OnClick = newsstart
        OnMouseMove = Newsrolloverp7
      end
      object Image17: TImage
        Left = 8
        Top = 78
        Width = 16
        Height = 16
        Picture.Resource = 'link_arrow.bmp'
        Transparent = True
        OnMouseMove = rollover
      end
      object Image13: TImage
        Left = 8
        Top = 78
        Width = 16
        Height = 16
        Picture.Resource = 'link_arrow_over.bmp'
        Transparent = True
        Visible = False
      end
      object Label20: TLabel
        Left = 28
        Top = 79
        Cursor = crHandPoint
        Caption = 'Optimierungs - Anleitungen >'
        Font.Color = clBlack
        Transparent = True
      end
      object Image67: TImage
        Left = 8
        Top = 102
        Width = 16
        Height = 16
        Cursor = crHandPoint
        Picture.Resource = 'link_arrow.bmp'
        Transparent = True
        OnMouseMove = prDokurollverp7
      end
      object Image68: TImage
        Left = 8
        Top = 102
        Width = 16
        Height = 16
        Picture.Resource = 'link_arrow_over.bmp'
        Transparent = True
        Visible = False
      end
      object Label40: TLabel
        Left = 28
        Top = 103
        Cursor = crHandPoint
        Caption = 'Premium - Dokumentation >'
        Font.Color = clBlack
        Transparent = True
        OnClick = PrDokustart
        OnMouseMove = prDokurollverp7
      end
      object Image65: TImage
        Left = 8
        Top = 126
        Width = 16
        Height = 16
        Cursor = crHandPoint
        Picture.Resource = 'link_arrow.bmp'
        Transparent = True
        OnMouseMove = prforumrolloverp7
      end
      object Image66: TImage
        Left = 8
        Top = 126
        Width = 16
        Height = 16
        Cursor = crHandPoint
        Picture.Resource = 'link_arrow_over.bmp'
        Transparent = True
        Visible = False
        OnClick = Prforumstart
        OnMouseMove = prforumrolloverp7
      end
      object Label39: TLabel
        Left = 28
        Top = 127
        Cursor = crHandPoint
        Caption = 'Einstellungen >'
        Font.Color = clBlack
        Transparent = True
        OnMouseMove = prforumrolloverp7
      end
    end
  end
  object Panel8: TPanel
    Left = 120
    Top = 104
    Width = 380
    Height = 190
    BevelOuter = bvNone
    Color = clWhite
    Visible = False
    OnMouseMove = rollover
    object ScrollBox8: TScrollBox
      Left = 0
      Top = 0
      Width = 380
      Height = 190
      BorderStyle = bsNone
      Color = clWhite
      OnMouseMove = rollover
    end
  end
  object Panel9: TPanel
    Left = 120
    Top = 104
    Width = 380
    Height = 190
    BevelOuter = bvNone
    Color = clWhite
    Visible = False
    OnMouseMove = rollover
    object ScrollBox9: TScrollBox
      Left = 0
      Top = 0
      Width = 380
      Height = 190
      BorderStyle = bsNone
      Color = clWhite
      OnMouseMove = rollover
    end
  end
  object Panel10: TPanel
    Left = 120
    Top = 104
    Width = 380
    Height = 190
    BevelOuter = bvNone
    Color = clWhite
    Visible = False
    OnMouseMove = rollover
    object ScrollBox10: TScrollBox
      Left = 0
      Top = 0
      Width = 380
      Height = 166
      BorderStyle = bsNone
      Color = clWhite
      OnMouseMove = rollover
    end
  end
  object Panel11: TPanel
    Left = 120
    Top = 104
    Width = 380
    Height = 190
    BevelOuter = bvNone
    Color = clWhite
    Visible = False
    OnMouseMove = rollover
    object ScrollBox11: TScrollBox
      Left = 0
      Top = 0
      Width = 380
      Height = 190
      BorderStyle = bsNone
      Color = clWhite
      OnMouseMove = rollover
    end
  end
  object Panel12: TPanel
    Left = 120
    Top = 104
    Width = 380
    Height = 190
    BevelOuter = bvNone
    Color = clWhite
    Visible = False
    OnMouseMove = rollover
    object ScrollBox12: TScrollBox
      Left = 0
      Top = 0
      Width = 380
      Height = 190
      BorderStyle = bsNone
      Color = clWhite
      OnMouseMove = rollover
    end
  end
  object Panel48: TPanel
    Left = 120
    Top = 104
    Width = 380
    Height = 190
    BevelOuter = bvNone
    Color = clWhite
    Visible = False
    OnMouseMove = rollover
    object Edit8: TEdit
      Left = 100
      Top = 30
      Width = 250
      Height = 19
      BorderStyle = bsNone
      Color = 13296895
      Font.Color = 4028894
      Text = 'http://'
    end
    object Edit9: TEdit
      Left = 100
      Top = 58
      Width = 250
      Height = 19
      BorderStyle = bsNone
      Color = 13296895
      Font.Color = 4028894
      Text = 'http://'
    end
    object CheckBox1: TCheckBox
      Left = 8
      Top = 88
      Width = 360
      Height = 30
      WordWrap = True
      Caption = 'Beim Starten des Brelvanto Kits Server auf Verfügbarkeit testen '
      Color = clWhite
    end
  end
  object Panel49: TPanel
    Left = 120
    Top = 104
    Width = 380
    Height = 190
    BevelOuter = bvNone
    Color = clWhite
    Visible = False
    OnMouseMove = rollover
  end
  object Panel74: TPanel
    Left = 120
    Top = 104
    Width = 380
    Height = 190
    BevelOuter = bvNone
    Color = clWhite
    Visible = False
    OnMouseMove = rollover
  end
  object Panel79: TPanel
    Left = 120
    Top = 104
    Width = 380
    Height = 190
    BevelOuter = bvNone
    Color = clWhite
    Visible = False
    OnMouseMove = rollover
  end
  object Panel83: TPanel
    Left = 120
    Top = 96
    Width = 380
    Height = 201
    BevelOuter = bvNone
    Color = clWhite
    Visible = False
    OnMouseMove = rollover
    object ScrollBox18: TScrollBox
      Left = 0
      Top = 0
      Width = 380
      Height = 201
      BorderStyle = bsNone
      Color = clWhite
      OnMouseMove = rollover
    end
  end
  object Panel84: TPanel
    Left = 120
    Top = 96
    Width = 380
    Height = 201
    BevelOuter = bvNone
    Color = clWhite
    Visible = False
    OnMouseMove = rollover
  end
  object Panel85: TPanel
    Left = 120
    Top = 94
    Width = 380
    Height = 203
    BevelOuter = bvNone
    Color = clWhite
    Visible = False
    OnMouseMove = rollover
  end
  object Panel104: TPanel
    Left = 120
    Top = 94
    Width = 380
    Height = 203
    BevelOuter = bvNone
    Color = clWhite
    Visible = False
    OnMouseMove = rollover
  end
  object afterrestart: TPanel
    Left = 120
    Top = 104
    Width = 380
    Height = 190
    BevelOuter = bvNone
    Color = clWhite
    Visible = False
    OnMouseMove = rollover
  end
  object Panel3: TPanel
    Left = 120
    Top = 104
    Width = 380
    Height = 190
    BevelOuter = bvNone
    Color = clWhite
    Visible = False
    OnMouseMove = rollover
    object ScrollBox3: TScrollBox
      Left = 0
      Top = 0
      Width = 380
      Height = 166
      BorderStyle = bsNone
      Color = clWhite
      OnMouseMove = rollover
      object TermsTitle: TLabel
        Left = 8
        Top = 4
        Caption = 'Nutzungsbedingungen'
        Font.Color = 8405022
        Font.Height = -13
        Font.Style = [fsBold]
        Transparent = True
        OnMouseMove = rollover
      end
      object TermsText: TLabel
        Left = 8
        Top = 24
        Width = 350
        Height = 92
        AutoSize = False
        Caption = 'Das Brelvanto Kit verändert Einstellungen der Registrierdatenbank und Dateien von Windows. Sichern Sie vor der ersten Tuningprozedur Ihre Daten. Die Nutzung erfolgt auf eigene Gefahr: Kestovar haftet nicht für Schäden oder Datenverluste, die aus der Anwendung des Programms entstehen.'
        Transparent = True
        WordWrap = True
        OnMouseMove = rollover
      end
      object CheckBox41: TCheckBox
        Left = 8
        Top = 120
        Width = 300
        Height = 17
        Caption = 'Ich akzeptiere die Nutzungsbedingngen'
        Color = clWhite
        Cursor = crHandPoint
      end
    end
    object Image36: TImage
      Left = 8
      Top = 171
      Width = 16
      Height = 16
      Cursor = crHandPoint
      Picture.Resource = 'link_arrow.bmp'
      Transparent = True
      OnClick = fortfahrenstart
      OnMouseMove = fortfahrenrollover
    end
    object Image37: TImage
      Left = 8
      Top = 171
      Width = 16
      Height = 16
      Cursor = crHandPoint
      Picture.Resource = 'link_arrow_over.bmp'
      Transparent = True
      Visible = False
      OnClick = fortfahrenstart
    end
    object Label16: TLabel
      Left = 28
      Top = 172
      Cursor = crHandPoint
      Caption = 'fortfahren >'
      Font.Color = clBlack
      Font.Style = [fsBold]
      Transparent = True
      OnClick = fortfahrenstart
      OnMouseMove = fortfahrenrollover
    end
  end
  object Memo3: TMemo
    Left = 8
    Top = 8
    Width = 10
    Height = 10
    Visible = False
    ScrollBars = ssVertical
  end
  object Image291: TImage
    Left = 16
    Top = 437
    Width = 41
    Height = 28
    Picture.Resource = 'menu_hover_index.bmp'
    Visible = False
  end
  object Image292: TImage
    Left = 59
    Top = 437
    Width = 59
    Height = 28
    Picture.Resource = 'menu_hover_backups.bmp'
    Visible = False
  end
  object Image293: TImage
    Left = 120
    Top = 437
    Width = 56
    Height = 28
    Picture.Resource = 'menu_hover_support.bmp'
    Visible = False
  end
  object Image294: TImage
    Left = 178
    Top = 437
    Width = 51
    Height = 28
    Picture.Resource = 'menu_hover_update.bmp'
    Visible = False
  end
  object Image297: TImage
    Left = 231
    Top = 437
    Width = 58
    Height = 28
    Picture.Resource = 'menu_hover_online_services.bmp'
    Visible = False
  end
  object Image295: TImage
    Left = 291
    Top = 437
    Width = 81
    Height = 28
    Picture.Resource = 'menu_hover_system_info.bmp'
    Visible = False
  end
  object Image296: TImage
    Left = 474
    Top = 437
    Width = 17
    Height = 28
    Picture.Resource = 'menu_hover_index.bmp'
    Stretch = True
    Visible = False
  end
  object Label9: TLabel
    Left = 16
    Top = 445
    Width = 41
    Height = 13
    Cursor = crHandPoint
    Hint = 'zurück Index'
    ShowHint = True
    Alignment = taCenter
    AutoSize = False
    Caption = 'Index'
    Font.Color = clWhite
    Font.Style = [fsBold]
    Transparent = True
    Enabled = False
    OnClick = indexstart
    OnMouseMove = Label9MouseMove
  end
  object Label6: TLabel
    Left = 59
    Top = 445
    Width = 59
    Height = 13
    Cursor = crHandPoint
    Hint = 'Backupverwaltung'
    ShowHint = True
    Alignment = taCenter
    AutoSize = False
    Caption = 'Backups'
    Font.Color = clWhite
    Font.Style = [fsBold]
    Transparent = True
    Enabled = False
    OnClick = showbackup
    OnMouseMove = Label6MouseMove
  end
  object Label8: TLabel
    Left = 120
    Top = 445
    Width = 56
    Height = 13
    Cursor = crHandPoint
    Hint = 'Premium-Support und Kontaktmöglichen'
    ShowHint = True
    Alignment = taCenter
    AutoSize = False
    Caption = 'Support'
    Font.Color = clWhite
    Font.Style = [fsBold]
    Transparent = True
    Enabled = False
    OnClick = supportstart
    OnMouseMove = Label8MouseMove
  end
  object Label26: TLabel
    Left = 178
    Top = 445
    Width = 51
    Height = 13
    Cursor = crHandPoint
    Hint = 'Premium-Update - immeer die aktuellste Version'
    ShowHint = True
    Alignment = taCenter
    AutoSize = False
    Caption = 'Update'
    Font.Color = clWhite
    Font.Style = [fsBold]
    Transparent = True
    Enabled = False
    OnClick = Updatestart
    OnMouseMove = Label26MouseMove
  end
  object Label35: TLabel
    Left = 231
    Top = 438
    Width = 58
    Height = 26
    Cursor = crHandPoint
    Hint = 'Premium-Online-Services - Skins, Updates, News, Tipps'
    ShowHint = True
    Alignment = taCenter
    AutoSize = False
    Caption = 'Online- services'
    Font.Color = clWhite
    Font.Style = [fsBold]
    Transparent = True
    WordWrap = True
    Enabled = False
    OnClick = Onlinestart
    OnMouseMove = Label35MouseMove
  end
  object Label207: TLabel
    Left = 291
    Top = 445
    Width = 81
    Height = 13
    Cursor = crHandPoint
    Hint = 'Systeminformationen - Dienste, Prozese, Treiber'
    ShowHint = True
    Alignment = taCenter
    AutoSize = False
    Caption = 'System-Info'
    Font.Color = clWhite
    Font.Style = [fsBold]
    Transparent = True
    Enabled = False
  end
  object Label106: TLabel
    Left = 374
    Top = 445
    Width = 49
    Height = 13
    Cursor = crHandPoint
    Alignment = taCenter
    AutoSize = False
    Caption = 'Import'
    Font.Color = clWhite
    Font.Style = [fsBold]
    Transparent = True
    Enabled = False
  end
  object Label107: TLabel
    Left = 425
    Top = 445
    Width = 47
    Height = 13
    Cursor = crHandPoint
    Alignment = taCenter
    AutoSize = False
    Caption = 'Export'
    Font.Color = clWhite
    Font.Style = [fsBold]
    Transparent = True
    Enabled = False
  end
  object Label7: TLabel
    Left = 474
    Top = 445
    Width = 17
    Height = 13
    Cursor = crHandPoint
    Hint = 'Informationen zum Programm'
    ShowHint = True
    Alignment = taCenter
    AutoSize = False
    Caption = 'Information'
    Font.Color = clWhite
    Font.Style = [fsBold]
    Transparent = True
    Enabled = False
    Visible = False
    OnClick = informationstart
    OnMouseMove = Label7MouseMove
  end
  object Label4: TLabel
    Left = 493
    Top = 443
    Width = 16
    Height = 15
    Cursor = crHandPoint
    Alignment = taCenter
    AutoSize = False
    Caption = 'x'
    Font.Color = clWhite
    Font.Style = [fsBold]
    Transparent = True
    OnClick = beenden
    OnMouseMove = Label4MouseMove
  end
end
