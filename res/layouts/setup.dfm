object Form1: TForm1
  Left = 0
  Top = 0
  Width = 377
  Height = 492
  BorderStyle = bsNone
  Caption = 'brelk installer'
  Color = clBlack
  Font.Name = 'Tahoma'
  Font.Height = -11
  Position = poScreenCenter
  OnCreate = FormCreate
  OnMouseMove = rollover2
  object CoolForm1: TCoolForm
    left = 0
    top = 0
    width = 377
    height = 492
    Picture.Resource = 'setup_skin.bmp'
    OnMouseMove = rollover2
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
  end
  object Image3: TImage
    Left = 36
    Top = 54
    Width = 1
    Height = 1
  end
  object Label6: TLabel
    Left = 180
    Top = 56
    Width = 66
    Height = 16
    AutoSize = False
    Caption = 'UPDATE'
    Font.Color = 33023
    Font.Height = -13
    Font.Style = [fsBold]
    Transparent = True
  end
  object Label1: TLabel
    Left = 36
    Top = 84
    Width = 208
    Height = 70
    AutoSize = False
    Caption = 'Geben Sie das Verzeichnis an, wo das Brelvanto Kit installiert ist um es auf die neue Version zu aktualisieren.'
    Transparent = True
    WordWrap = True
  end
  object Edit1: TEdit
    Left = 36
    Top = 160
    Width = 208
    Height = 21
    TabOrder = 0
    Text = 'c:\programme\brelk'
  end
  object CheckBox1: TCheckBox
    Left = 36
    Top = 196
    Width = 15
    Height = 15
    Checked = True
    Color = clWhite
    TabOrder = 1
  end
  object Label3: TLabel
    Left = 56
    Top = 196
    Width = 188
    Height = 28
    AutoSize = False
    Caption = 'Brelvanto Kit nach der Installation ausführen'
    Transparent = True
    WordWrap = True
  end
  object ProgressBar1: TProgressBar
    Left = 36
    Top = 240
    Width = 208
    Height = 16
    Max = 10
    Smooth = True
    Visible = False
  end
  object Image13: TImage
    Left = 50
    Top = 295
    Width = 16
    Height = 16
    Cursor = crHandPoint
    Picture.Resource = 'link_arrow.bmp'
    Transparent = True
    OnClick = beenden
    OnMouseMove = rollover3
  end
  object Image4: TImage
    Left = 50
    Top = 295
    Width = 16
    Height = 16
    Cursor = crHandPoint
    Picture.Resource = 'link_arrow_over.bmp'
    Transparent = True
    Visible = False
    OnClick = beenden
  end
  object Label4: TLabel
    Left = 70
    Top = 296
    Caption = 'beenden >'
    Cursor = crHandPoint
    Transparent = True
    OnClick = beenden
    OnMouseMove = rollover3
  end
  object Image2: TImage
    Left = 160
    Top = 295
    Width = 16
    Height = 16
    Cursor = crHandPoint
    Picture.Resource = 'link_arrow.bmp'
    Transparent = True
    OnMouseMove = rollover
  end
  object Image5: TImage
    Left = 160
    Top = 295
    Width = 16
    Height = 16
    Cursor = crHandPoint
    Picture.Resource = 'link_arrow_over.bmp'
    Transparent = True
    Visible = False
    OnClick = start
  end
  object Label5: TLabel
    Left = 180
    Top = 296
    Caption = 'fortfahren >'
    Cursor = crHandPoint
    Transparent = True
    OnClick = start
    OnMouseMove = rollover
  end
  object Label2: TLabel
    Left = 247
    Top = 7
    Width = 14
    Height = 15
    Alignment = taCenter
    AutoSize = False
    Caption = 'X'
    Cursor = crHandPoint
    Font.Color = clWhite
    Font.Style = [fsBold]
    Transparent = True
    OnClick = beenden
  end
  object ListBox1: TListBox
    Left = 8
    Top = 400
    Width = 40
    Height = 60
    TabOrder = 11
  end
  object ListBox2: TListBox
    Left = 53
    Top = 400
    Width = 40
    Height = 60
    TabOrder = 12
  end
  object ListBox3: TListBox
    Left = 98
    Top = 400
    Width = 40
    Height = 60
    TabOrder = 13
  end
  object ListBox4: TListBox
    Left = 143
    Top = 400
    Width = 40
    Height = 60
    TabOrder = 14
  end
  object ListBox5: TListBox
    Left = 188
    Top = 400
    Width = 40
    Height = 60
    TabOrder = 15
  end
  object ListBox6: TListBox
    Left = 233
    Top = 400
    Width = 40
    Height = 60
    TabOrder = 16
  end
  object ListBox7: TListBox
    Left = 278
    Top = 400
    Width = 40
    Height = 60
    TabOrder = 17
  end
  object ListBox8: TListBox
    Left = 323
    Top = 400
    Width = 40
    Height = 60
    TabOrder = 18
  end
  object mShortcut1: TmShortcut
    Destination = sdStartMenu
  end
  object mShortcut2: TmShortcut
    Destination = sdStartMenu
  end
  object mShortcut3: TmShortcut
    Destination = sdStartMenu
  end
  object Timer2: TTimer
    Enabled = False
    Interval = 300
    OnTimer = progress
  end
end
