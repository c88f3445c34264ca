inherited Form2: TForm2
  inherited Label207: TLabel
    OnClick = Systeminfo
    OnMouseMove = Label207MouseMove
  end
  object Label211: TLabel
    Left = 231
    Top = 352
    Caption = 'Freier Speicher:'
    Font.Color = clGray
    Font.Height = -10
    Transparent = True
  end
  object Bevel1: TBevel
    Left = 336
    Top = 352
    Width = 113
    Height = 15
  end
  object Gauge6: TGauge
    Left = 337
    Top = 352
    Width = 112
    Height = 14
    BorderStyle = bsNone
    BackColor = clWhite
    ForeColor = 5599229
    Font.Color = clWhite
    MinValue = 0
    MaxValue = 100
    Progress = 0
  end
  object Label212: TLabel
    Left = 231
    Top = 369
    Caption = 'Prozessorauslastung:'
    Font.Color = clGray
    Font.Height = -10
    Transparent = True
  end
  object Bevel2: TBevel
    Left = 336
    Top = 368
    Width = 113
    Height = 15
  end
  object Gauge7: TGauge
    Left = 337
    Top = 369
    Width = 112
    Height = 14
    BorderStyle = bsNone
    BackColor = clWhite
    ForeColor = 32768
    Font.Color = clWhite
    MinValue = 0
    MaxValue = 100
    Progress = 0
  end
  object Timer2: TTimer
    Enabled = False
    Interval = 1000
    OnTimer = Timer2Timer
  end
  object SaveDialog2: TSaveDialog
    DefaultExt = 'log'
    FileName = 'protokoll.log'
    Filter = '*.log|*.log'
  end
  inherited Panel84: TPanel
    object Label219: TLabel
      Left = 8
      Top = 4
      Caption = 'System-Informationen'
      Font.Color = 8405022
      Font.Height = -13
      Font.Style = [fsBold]
      Transparent = True
      OnMouseMove = rollover
    end
    object Image250: TImage
      Left = 8
      Top = 32
      Width = 152
      Height = 16
      Cursor = crHandPoint
      Hint = 'Analysieren Sie hier Ihre Hardware'
      ShowHint = True
      Picture.Resource = 'hardware_link.bmp'
      Transparent = True
      OnClick = Hardwareanalyse
      OnMouseMove = hardwarerollp83
    end
    object Image249: TImage
      Left = 8
      Top = 32
      Width = 152
      Height = 16
      Cursor = crHandPoint
      Hint = 'Analysieren Sie hier Ihre Hardware'
      ShowHint = True
      Picture.Resource = 'hardware_link_over.bmp'
      Transparent = True
      Visible = False
      OnClick = Hardwareanalyse
    end
    object Label214: TLabel
      Left = 28
      Top = 33
      Cursor = crHandPoint
      Hint = 'Analysieren Sie hier Ihre Hardware'
      ShowHint = True
      Caption = 'Hardware-Analyse >'
      Font.Color = clBlack
      Font.Style = [fsBold]
      Transparent = True
      Visible = False
      OnClick = Hardwareanalyse
      OnMouseMove = hardwarerollp83
    end
    object Image256: TImage
      Left = 8
      Top = 56
      Width = 16
      Height = 16
      Cursor = crHandPoint
      Hint = 'Hier erhalten Sie eine Aufstellung der installierten Programme'
      ShowHint = True
      Picture.Resource = 'link_arrow.bmp'
      Transparent = True
      OnClick = installierteprogramme
      OnMouseMove = Instprogrammerollp83
    end
    object Image255: TImage
      Left = 8
      Top = 56
      Width = 16
      Height = 16
      Cursor = crHandPoint
      Hint = 'Hier erhalten Sie eine Aufstellung der installierten Programme'
      ShowHint = True
      Picture.Resource = 'link_arrow_over.bmp'
      Transparent = True
      Visible = False
      OnClick = installierteprogramme
    end
    object Label217: TLabel
      Left = 28
      Top = 57
      Cursor = crHandPoint
      Hint = 'Hier erhalten Sie eine Aufstellung der installierten Programme'
      ShowHint = True
      Caption = 'Installiere Programme >'
      Font.Color = clBlack
      Font.Style = [fsBold]
      Transparent = True
      OnClick = installierteprogramme
      OnMouseMove = Instprogrammerollp83
    end
    object Image260: TImage
      Left = 8
      Top = 80
      Width = 16
      Height = 16
      Cursor = crHandPoint
      Hint = 'Hier erhalten Sie Informationen zu allen laufenden Prozessen'
      ShowHint = True
      Picture.Resource = 'link_arrow.bmp'
      Transparent = True
      OnClick = Aktiveprozesse
      OnMouseMove = Laufendeprozrollp83
    end
    object Image259: TImage
      Left = 8
      Top = 80
      Width = 16
      Height = 16
      Cursor = crHandPoint
      Hint = 'Hier erhalten Sie Informationen zu allen laufenden Prozessen'
      ShowHint = True
      Picture.Resource = 'link_arrow_over.bmp'
      Transparent = True
      Visible = False
      OnClick = Aktiveprozesse
    end
    object Label220: TLabel
      Left = 28
      Top = 81
      Cursor = crHandPoint
      Hint = 'Hier erhalten Sie Informationen zu allen laufenden Prozessen'
      ShowHint = True
      Caption = 'Laufende Prozesse>'
      Font.Color = clBlack
      Font.Style = [fsBold]
      Transparent = True
      OnClick = Aktiveprozesse
      OnMouseMove = Laufendeprozrollp83
    end
    object Image258: TImage
      Left = 8
      Top = 104
      Width = 16
      Height = 16
      Cursor = crHandPoint
      Hint = 'Treiberprobleme? Hier kommen Sie diesen auf die Schliche'
      ShowHint = True
      Picture.Resource = 'link_arrow.bmp'
      Transparent = True
      OnClick = Aktivetreibershow
      OnMouseMove = Aktivetreiberrollp83
    end
    object Image257: TImage
      Left = 8
      Top = 104
      Width = 16
      Height = 16
      Cursor = crHandPoint
      Hint = 'Treiberprobleme? Hier kommen Sie diesen auf die Schliche'
      ShowHint = True
      Picture.Resource = 'link_arrow_over.bmp'
      Transparent = True
      Visible = False
      OnClick = Aktivetreibershow
    end
    object Label218: TLabel
      Left = 28
      Top = 105
      Cursor = crHandPoint
      Hint = 'Treiberprobleme? Hier kommen Sie diesen auf die Schliche'
      ShowHint = True
      Caption = 'Aktive Geräte-Treiber >'
      Font.Color = clBlack
      Font.Style = [fsBold]
      Transparent = True
      OnClick = Aktivetreibershow
      OnMouseMove = Aktivetreiberrollp83
    end
    object Image265: TImage
      Left = 8
      Top = 128
      Width = 16
      Height = 16
      Cursor = crHandPoint
      Hint = 'Hier erhalten Sie informationen zu Diensten und ihrem Status'
      ShowHint = True
      Picture.Resource = 'link_arrow.bmp'
      Transparent = True
      OnClick = showservices
    end
    object Image266: TImage
      Left = 8
      Top = 128
      Width = 16
      Height = 16
      Cursor = crHandPoint
      Hint = 'Hier erhalten Sie informationen zu Diensten und ihrem Status'
      ShowHint = True
      Picture.Resource = 'link_arrow_over.bmp'
      Transparent = True
      Visible = False
      OnClick = showservices
      OnMouseMove = Diensterollover
    end
    object Label221: TLabel
      Left = 28
      Top = 129
      Cursor = crHandPoint
      Hint = 'Hier erhalten Sie informationen zu Diensten und ihrem Status'
      ShowHint = True
      Caption = 'Windows Dienste >'
      Font.Color = clBlack
      Font.Style = [fsBold]
      Transparent = True
      OnClick = showservices
      OnMouseMove = Diensterollover
    end
  end
  inherited Panel83: TPanel
    inherited ScrollBox18: TScrollBox
      object Label216: TLabel
        Left = 8
        Top = 4
        Caption = 'Hardwareanalyse'
        Font.Color = 8405022
        Font.Height = -13
        Font.Style = [fsBold]
        Transparent = True
        OnMouseMove = rollover
      end
      object Label210: TLabel
        Left = 8
        Top = 26
        Width = 360
        Height = 70
        AutoSize = False
        Caption = 'Der Wirkungsgrad einer Tuningsoftware ist natürlich begrenzt. Ab einem bestimmten Punkt sollte man über ein Hardwareupgrade nachdenken. Entscheindende Komponetnen für die Systemgeschwindigkeit sind Prozessor und Arbeitsspeicher.'
        Transparent = True
        WordWrap = True
        OnMouseMove = rollover
      end
      object StringGrid1: TStringGrid
        Left = 8
        Top = 100
        Width = 311
        Height = 54
        ColCount = 3
        RowCount = 3
        FixedCols = 1
        FixedRows = 1
        FixedColor = 15851987
        DefaultRowHeight = 17
        ColWidths.Strings = (
          '76'
          '153'
          '76')
        RowHeights.Strings = (
          '17'
          '17'
          '16')
        Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRowSelect]
      end
    end
  end
  inherited Panel85: TPanel
    object Label222: TLabel
      Left = 8
      Top = 4
      Font.Color = 8405022
      Font.Height = -13
      Font.Style = [fsBold]
      Transparent = True
      OnMouseMove = rollover
    end
    object ListView1: TListView
      Left = 8
      Top = 26
      Width = 345
      Height = 119
      GridLines = True
      RowSelect = True
      ReadOnly = True
      ColumnClick = False
      SortType = stText
    end
    object Label213: TLabel
      Left = 8
      Top = 150
      Transparent = True
      OnMouseMove = rollover
    end
    object Button3: TButton
      Left = 8
      Top = 170
      Width = 190
      Height = 23
      Caption = 'Ausgewählten Prozess beenden'
      Visible = False
      OnClick = Button3Click
    end
    object Button4: TButton
      Left = 233
      Top = 170
      Width = 120
      Height = 23
      Caption = 'Protokoll speichern'
      OnClick = Button4Click
    end
  end
end
