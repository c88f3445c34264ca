inherited Form2: TForm2
  inherited Panel10: TPanel
    inherited ScrollBox10: TScrollBox
      Height = 137
      object EndTitleBack: TImage
        Left = 0
        Top = 4
        Width = 354
        Height = 21
        Picture.Resource = 'category_title.bmp'
      end
      object Label86: TLabel
        Left = 8
        Top = 8
        Caption = 'ACHTUNG'
        Transparent = True
        Font.Color = clWhite
        Font.Style = [fsBold]
      end
      object Label94: TLabel
        Left = 8
        Top = 36
        Caption = 'Sie können das Brelvanto Kit jetzt beenden.'
        Transparent = True
        Font.Style = [fsBold]
      end
      object Label93: TLabel
        Left = 8
        Top = 56
        Width = 340
        Height = 56
        AutoSize = False
        WordWrap = True
        Caption = 'Beachten Sie, dass die modifizierten Systemeinstellungen erst nach einem Neustart des Betriebssystems aktiv werden. Starten Sie das Betriebssytem neu, sobald alle Aktionen abgeschlossen sind '
        Transparent = True
      end
      object Image8: TImage
        Left = 8
        Top = 116
        Width = 16
        Height = 16
        Picture.Resource = 'link_arrow.bmp'
        Transparent = True
        OnMouseMove = Image48MouseMove
      end
      object Image5: TImage
        Left = 8
        Top = 116
        Width = 16
        Height = 16
        Picture.Resource = 'link_arrow_over.bmp'
        Transparent = True
        Visible = False
        Cursor = crHandPoint
        OnClick = Reboot
      end
      object Label105: TLabel
        Left = 28
        Top = 117
        Caption = 'System jetzt neustarten >'
        Transparent = True
        Cursor = crHandPoint
        OnClick = Reboot
        OnMouseMove = Image48MouseMove
      end
    end
    object Image16: TImage
      Left = 6
      Top = 150
      Width = 16
      Height = 16
      Picture.Resource = 'link_arrow.bmp'
      Transparent = True
      OnMouseMove = Image16MouseMove
    end
    object Image18: TImage
      Left = 6
      Top = 150
      Width = 16
      Height = 16
      Picture.Resource = 'link_arrow_over.bmp'
      Transparent = True
      Visible = False
      Cursor = crHandPoint
      OnClick = Reboot
    end
    object Label92: TLabel
      Left = 26
      Top = 151
      Caption = 'Tuningprozedur starten >'
      Transparent = True
      Cursor = crHandPoint
    end
  end
  inherited Panel9: TPanel
    object Gauge2: TGauge
      Left = 196
      Top = 151
      Width = 170
      Height = 14
      BorderStyle = bsNone
      MinValue = 0
      MaxValue = 100
      Progress = 0
      BackColor = 14408667
      ForeColor = 6271998
      Visible = False
    end
  end
  inherited Panel8: TPanel
    object Gauge3: TGauge
      Left = 196
      Top = 151
      Width = 170
      Height = 14
      BorderStyle = bsNone
      MinValue = 0
      MaxValue = 100
      Progress = 0
      BackColor = 14408667
      ForeColor = 6271998
      Visible = False
    end
  end
  object Timer1: TTimer
    Enabled = False
    Interval = 1000
    OnTimer = gaugeprogress
  end
end
