object Form7: TForm7
  Left = 0
  Top = 0
  Width = 274
  Height = 323
  BorderStyle = bsNone
  Caption = 'Systemeinstellungen - Grafik einbinden'
  Color = clBlack
  Font.Name = 'MS Sans Serif'
  Font.Height = -11
  OnCreate = ini_read
  OnShow = pagefileactive
  OnMouseMove = rollover2
  object CoolForm1: TCoolForm
    Left = 0
    Top = 0
    Width = 274
    Height = 323
    Picture.Resource = 'form7_skin.bmp'
    Mask2 = {
      2006000020000000010000006000000000060000000000000000000012010000
      4301000020000000000000002100000001000000130000000100000017000000
      0200000020000000010000002500000002000000FA0000000100000002010000
      0200000012000000020000001800000003000000200000000200000025000000
      03000000F8000000020000000401000003000000120000000300000018000000
      040000001F000000030000002500000004000000F60000000300000006010000
      04000000120000000400000018000000050000001F0000000400000025000000
      05000000F5000000040000000701000005000000120000000500000019000000
      060000001E000000050000002500000006000000F40000000500000008010000
      06000000130000000600000025000000070000002D000000060000002E000000
      07000000F300000006000000090100000700000009000000070000000A000000
      08000000130000000700000024000000080000002C000000070000002F000000
      08000000F2000000070000000A0100000800000008000000080000000C000000
      09000000120000000800000026000000090000002B0000000800000030000000
      09000000F2000000080000000A0100000900000007000000090000000D000000
      0A0000001000000009000000280000000A0000002A0000000900000031000000
      0A000000F1000000090000000B0100000A000000060000000A0000000E000000
      0B0000000F0000000A000000300000000B000000F10000000A0000000B010000
      0B000000070000000B000000300000000C000000F00000000B0000000C010000
      0C000000080000000C0000002F0000000D000000F00000000C0000000C010000
      0D000000090000000D0000002E0000000E000000F00000000D0000000C010000
      0E0000000A0000000E0000000C0100001000000009000000100000000C010000
      1200000008000000120000000C01000013000000010000001300000007000000
      1400000008000000130000000D0100001400000001000000140000000E010000
      1500000001000000150000000F01000017000000000000001700000010010000
      1800000003000000180000001001000019000000050000001900000011010000
      1A000000060000001A000000110100001C000000060000001C00000012010000
      1F000000050000001F0000001201000020000000020000002000000012010000
      2100000001000000210000001201000025000000020000002500000006000000
      2600000008000000250000001201000026000000090000002600000012010000
      280000000A0000002800000012010000290000000B0000002900000012010000
      2A0000000A0000002A000000120100002B000000090000002B00000012010000
      2C000000080000002C000000120100002E000000070000002E0000000F010000
      2F000000080000002F0000000D0100003000000009000000300000000C010000
      310000000A000000310000000B000000320000000C000000310000000B010000
      320000000C000000320000000B010000330000000C000000330000000A010000
      160100000B000000160100000B010000180100000A000000180100000C010000
      1901000009000000190100000D0100001A010000070000001A0100000F010000
      1B0100000C0000001B0100000A0100001D0100000A0000001D0100000A010000
      1E010000090000001E0100000A0100001F010000070000001F0100000B010000
      2001000006000000200100000C0100002101000005000000210100000D010000
      2201000004000000220100000E0100002401000003000000240100000F010000
      2501000002000000250100001001000027010000010000002701000011010000
      2B010000000000002B0100001201000033010000010000003301000011010000
      370100000200000037010000100100003901000003000000390100000F010000
      3A010000040000003A0100000E0100003C010000050000003C0100000D010000
      3D010000060000003D0100000C0100003E010000070000003E0100000B010000
      3F010000090000003F01000009010000400100000A0000004001000008010000
      410100000C000000410100000601000042010000100000004201000002010000
      43010000}
    OnMouseMove = rollover2
  end
  object Panel1: TPanel
    Left = 30
    Top = 50
    Width = 220
    Height = 229
    BevelOuter = bvNone
    Color = clWhite
    Visible = False
    object ScrollBox1: TScrollBox
      Left = 0
      Top = 0
      Width = 220
      Height = 229
      BorderStyle = bsNone
      Color = clWhite
      OnMouseMove = rollover2
      object Label22: TLabel
        Left = 8
        Top = 8
        Caption = 'Logo für Systemeigenschaften'
        Font.Style = [fsBold]
        Transparent = True
      end
      object Label4: TLabel
        Left = 8
        Top = 26
        Caption = 'max. Bildgröße: 114 x180 Pixel'
        Transparent = True
      end
      object Image1: TImage
        Left = 20
        Top = 46
        Width = 180
        Height = 114
        Transparent = True
        OnMouseMove = rollover2
      end
      object RadioButton5: TRadioButton
        Left = 8
        Top = 170
        Width = 190
        Height = 17
        Caption = 'anderes OEM-Logo wählen'
        Color = clWhite
        OnClick = labeltest
        OnMouseMove = rollover2
      end
    end
  end
  object Panel2: TPanel
    Left = 30
    Top = 50
    Width = 220
    Height = 229
    BevelOuter = bvNone
    Color = clWhite
    Visible = False
    object ScrollBox2: TScrollBox
      Left = 0
      Top = 0
      Width = 220
      Height = 229
      BorderStyle = bsNone
      Color = clWhite
      OnMouseMove = rollover2
      object Label21: TLabel
        Left = 8
        Top = 8
        Width = 204
        Height = 28
        AutoSize = False
        Caption = 'Skin für (Internet) Explorer Toolbar'
        Font.Style = [fsBold]
        Transparent = True
        WordWrap = True
      end
      object Image3: TImage
        Left = 22
        Top = 38
        Width = 176
        Height = 94
        OnMouseMove = rollover2
      end
      object FileListBox1: TFileListBox
        Left = 22
        Top = 138
        Width = 177
        Height = 42
        Mask = '*.bmp'
        OnClick = FileListBox1Click
      end
      object RadioButton1: TRadioButton
        Left = 8
        Top = 188
        Width = 190
        Height = 17
        Caption = 'anderes Skin wählen'
        Color = clWhite
        OnClick = openskin
        OnMouseMove = rollover2
      end
    end
  end
  object Panel3: TPanel
    Left = 30
    Top = 50
    Width = 220
    Height = 229
    BevelOuter = bvNone
    Color = clWhite
    Visible = False
    object ScrollBox3: TScrollBox
      Left = 0
      Top = 0
      Width = 220
      Height = 229
      BorderStyle = bsNone
      Color = clWhite
      OnMouseMove = rollover2
      object Label6: TLabel
        Left = 8
        Top = 8
        Caption = 'virtueller Arbeitsspeicher'
        Font.Style = [fsBold]
        Transparent = True
      end
      object Label2: TLabel
        Left = 16
        Top = 36
        Caption = 'Minimum:'
        Transparent = True
      end
      object Edit1: TEdit
        Left = 80
        Top = 35
        Width = 50
        Height = 17
        BorderStyle = bsNone
        Color = 14408667
        Text = '400'
      end
      object Label7: TLabel
        Left = 136
        Top = 36
        Caption = 'MB'
        Transparent = True
      end
      object Label3: TLabel
        Left = 16
        Top = 60
        Caption = 'Maximum:'
        Transparent = True
      end
      object Edit2: TEdit
        Left = 80
        Top = 59
        Width = 50
        Height = 17
        BorderStyle = bsNone
        Color = 14408667
        Text = '400'
      end
      object Label8: TLabel
        Left = 136
        Top = 60
        Caption = 'MB'
        Transparent = True
      end
      object Label9: TLabel
        Left = 16
        Top = 84
        Caption = 'Laufwerk:'
        Transparent = True
      end
      object Edit3: TEdit
        Left = 80
        Top = 83
        Width = 20
        Height = 17
        BorderStyle = bsNone
        Color = 14408667
        Text = 'C'
      end
      object Label11: TLabel
        Left = 104
        Top = 84
        Caption = ':\'
        Transparent = True
      end
      object Profile: TGroupBox
        Left = 8
        Top = 112
        Width = 200
        Height = 92
        Caption = '  Profile  '
        Color = clWhite
        object RadioButton2: TRadioButton
          Left = 12
          Top = 20
          Width = 170
          Height = 17
          Caption = 'Durchschnittsnutzer'
          Checked = True
          Color = clWhite
          OnClick = RadioButton2Click
        end
        object RadioButton3: TRadioButton
          Left = 12
          Top = 42
          Width = 170
          Height = 17
          Caption = 'Power User'
          Color = clWhite
          OnClick = RadioButton3Click
        end
        object RadioButton4: TRadioButton
          Left = 12
          Top = 64
          Width = 170
          Height = 17
          Caption = 'Spieler'
          Color = clWhite
          OnClick = RadioButton4Click
        end
      end
    end
  end
  object Panel4: TPanel
    Left = 30
    Top = 50
    Width = 220
    Height = 229
    BevelOuter = bvNone
    Color = clWhite
    Visible = False
    object ScrollBox4: TScrollBox
      Left = 0
      Top = 0
      Width = 220
      Height = 229
      BorderStyle = bsNone
      Color = clWhite
      OnMouseMove = rollover2
      object Label14: TLabel
        Left = 8
        Top = 8
        Width = 200
        Height = 28
        AutoSize = False
        Caption = 'Titelleiste des Microsoft® Internet Explorer® modifizieren'
        Transparent = True
        WordWrap = True
      end
      object Edit5: TEdit
        Left = 8
        Top = 44
        Width = 200
        Height = 17
        BorderStyle = bsNone
        Color = 14408667
        Text = 'Titel'
      end
    end
  end
  object Panel5: TPanel
    Left = 30
    Top = 50
    Width = 220
    Height = 229
    BevelOuter = bvNone
    Color = clWhite
    Visible = False
    object ScrollBox5: TScrollBox
      Left = 0
      Top = 0
      Width = 220
      Height = 229
      BorderStyle = bsNone
      Color = clWhite
      OnMouseMove = rollover2
      object Label13: TLabel
        Left = 8
        Top = 8
        Width = 200
        Height = 28
        AutoSize = False
        Caption = 'Die Bezeichnung des Arbeitsplatzes modifizieren '
        Transparent = True
        WordWrap = True
      end
      object Edit4: TEdit
        Left = 8
        Top = 44
        Width = 200
        Height = 17
        BorderStyle = bsNone
        Color = 14408667
        Text = 'Titel'
      end
    end
  end
  object Panel6: TPanel
    Left = 30
    Top = 50
    Width = 220
    Height = 229
    BevelOuter = bvNone
    Color = clWhite
    Visible = False
    object ScrollBox6: TScrollBox
      Left = 0
      Top = 0
      Width = 220
      Height = 229
      BorderStyle = bsNone
      Color = clWhite
      OnMouseMove = rollover2
      object Label12: TLabel
        Left = 8
        Top = 8
        Caption = 'Windows® Startbutton manipulieren'
        Transparent = True
      end
      object Label15: TLabel
        Left = 8
        Top = 28
        Caption = 'ButtonText:'
        Transparent = True
      end
      object Edit6: TEdit
        Left = 8
        Top = 42
        Width = 200
        Height = 17
        BorderStyle = bsNone
        Color = 14408667
        Text = 'Menü'
      end
      object Label16: TLabel
        Left = 8
        Top = 66
        Caption = 'Hintergrund (normal)'
        Transparent = True
      end
      object Edit7: TEdit
        Left = 8
        Top = 80
        Width = 116
        Height = 17
        BorderStyle = bsNone
        Color = 14408667
        Text = 'Titel'
      end
      object Button1: TButton
        Left = 128
        Top = 79
        Width = 80
        Height = 19
        Caption = 'durchsuchen'
        OnClick = Button1Click
      end
      object Label17: TLabel
        Left = 8
        Top = 104
        Caption = 'Hintergrund (highlighted)'
        Transparent = True
      end
      object Edit8: TEdit
        Left = 8
        Top = 118
        Width = 116
        Height = 17
        BorderStyle = bsNone
        Color = 14408667
        Text = 'Titel'
      end
      object Button2: TButton
        Left = 128
        Top = 117
        Width = 80
        Height = 19
        Caption = 'durchsuchen'
        OnClick = Button2Click
      end
      object Label20: TLabel
        Left = 8
        Top = 142
        Caption = 'Icon'
        Transparent = True
      end
      object Edit10: TEdit
        Left = 8
        Top = 156
        Width = 116
        Height = 17
        BorderStyle = bsNone
        Color = 14408667
        Text = 'Titel'
      end
      object Button4: TButton
        Left = 128
        Top = 155
        Width = 80
        Height = 19
        Caption = 'durchsuchen'
        OnClick = Button4Click
      end
      object Label18: TLabel
        Left = 8
        Top = 180
        Caption = 'Sound'
        Transparent = True
      end
      object Edit9: TEdit
        Left = 8
        Top = 194
        Width = 116
        Height = 17
        BorderStyle = bsNone
        Color = 14408667
        Text = 'Titel'
      end
      object Button3: TButton
        Left = 128
        Top = 193
        Width = 80
        Height = 19
        Caption = 'durchsuchen'
        OnClick = Button3Click
      end
    end
  end
  object Panel7: TPanel
    Left = 30
    Top = 50
    Width = 220
    Height = 229
    BevelOuter = bvNone
    Color = clWhite
    Visible = False
    object ScrollBox7: TScrollBox
      Left = 0
      Top = 0
      Width = 220
      Height = 229
      BorderStyle = bsNone
      Color = clWhite
      OnMouseMove = rollover2
      object Label23: TLabel
        Left = 8
        Top = 8
        Caption = 'Ordner als Laufwerk mounten'
        Transparent = True
      end
      object Label25: TLabel
        Left = 8
        Top = 32
        Caption = 'Ordner:'
        Transparent = True
      end
      object Edit11: TEdit
        Left = 8
        Top = 48
        Width = 116
        Height = 17
        BorderStyle = bsNone
        Color = 14408667
        Text = '...'
        OnClick = Edit11Click
      end
      object Button5: TButton
        Left = 128
        Top = 47
        Width = 80
        Height = 19
        Caption = 'durchsuchen'
        OnClick = Button5Click
      end
      object Label24: TLabel
        Left = 8
        Top = 78
        Caption = 'Laufwerksbuchstabe:'
        Transparent = True
      end
      object Edit12: TEdit
        Left = 124
        Top = 77
        Width = 20
        Height = 17
        BorderStyle = bsNone
        Color = 14408667
        Text = '...'
        OnChange = Edit12Change
        OnClick = Edit12Click
      end
      object Label26: TLabel
        Left = 148
        Top = 78
        Caption = ':\'
        Transparent = True
      end
    end
  end
  object Image5: TImage
    Left = 160
    Top = 295
    Width = 16
    Height = 16
    Cursor = crHandPoint
    Picture.Resource = 'link_arrow.bmp'
    Transparent = True
    OnClick = kopieren
    OnMouseMove = rollover
  end
  object Image2: TImage
    Left = 160
    Top = 295
    Width = 16
    Height = 16
    Cursor = crHandPoint
    Picture.Resource = 'link_arrow_over.bmp'
    Transparent = True
    Visible = False
    OnClick = kopieren
  end
  object Label5: TLabel
    Left = 180
    Top = 296
    Caption = 'fortfahren >'
    Cursor = crHandPoint
    Font.Color = clBlack
    Transparent = True
    OnClick = kopieren
    OnMouseMove = rollover
  end
  object Label10: TLabel
    Left = 250
    Top = 7
    Caption = 'x'
    Cursor = crHandPoint
    Font.Color = clWhite
    Font.Style = [fsBold]
    Transparent = True
    OnClick = Form7schliessen
    OnMouseMove = Label10MouseMove
  end
  object OpenDialog1: TOpenDialog
    Filter = '*.bmp|*.bmp'
    OnSelectionChange = OpenDialog1SelectionChange
  end
  object OpenDialog2: TOpenDialog
    Filter = '*.bmp|*.bmp'
    OnSelectionChange = OpenDialog2SelectionChange
  end
  object OpenDialog3: TOpenDialog
    Filter = '*.wav|*.wav'
    OnSelectionChange = OpenDialog3SelectionChange
  end
  object OpenPictureDialog1: TOpenPictureDialog
    OnSelectionChange = OpenPictureDialog1SelectionChange
  end
  object OpenPictureDialog2: TOpenPictureDialog
    OnSelectionChange = OpenPictureDialog2SelectionChange
  end
  object OpenPictureDialog3: TOpenPictureDialog
    OnSelectionChange = OpenPictureDialog3SelectionChange
  end
end
