inherited Form2: TForm2
  inherited Panel2: TPanel
    inherited ScrollBox1: TScrollBox
      Width = 375
      Height = 137
      object GroupBox1: TGroupBox
        Left = 2
        Top = 4
        Width = 352
        Height = 90
        Caption = ' Systemangaben  '
        Color = clWhite
        OnMouseMove = rollover
        object Edit2Caption: TLabel
          Left = 10
          Top = 21
          Caption = 'Arbeitsspeicher (in MB)'
          Transparent = True
        end
        object Edit2: TEdit
          Left = 150
          Top = 18
          Width = 190
          Height = 19
          BorderStyle = bsNone
          Color = 13296895
          Font.Color = 4028894
          ReadOnly = True
          OnClick = Edit2Click
        end
        object Edit7Caption: TLabel
          Left = 10
          Top = 44
          Caption = 'Betriebssystem'
          Transparent = True
        end
        object Edit7: TEdit
          Left = 150
          Top = 41
          Width = 190
          Height = 19
          BorderStyle = bsNone
          Color = 13296895
          Font.Color = 4028894
          ReadOnly = True
          OnClick = Edit7Click
        end
        object Edit1Caption: TLabel
          Left = 10
          Top = 67
          Caption = 'Betriebssystempfad'
          Transparent = True
        end
        object Edit1: TEdit
          Left = 150
          Top = 64
          Width = 190
          Height = 19
          BorderStyle = bsNone
          Color = 13296895
          Font.Color = 4028894
          OnMouseMove = Edit1rollover
        end
      end
      object Image142: TImage
        Left = 4
        Top = 100
        Width = 16
        Height = 16
        Picture.Resource = 'link_arrow.bmp'
        Transparent = True
        Cursor = crHandPoint
        OnClick = scansettings
        OnMouseMove = Image142MouseMove
      end
      object Image147: TImage
        Left = 4
        Top = 100
        Width = 16
        Height = 16
        Picture.Resource = 'link_arrow_over.bmp'
        Transparent = True
        Visible = False
        Cursor = crHandPoint
        OnClick = scansettings
      end
      object Label123: TLabel
        Left = 22
        Top = 101
        Caption = 'Einstellungen scannen >>'
        Transparent = True
        Cursor = crHandPoint
        OnClick = scansettings
      end
      object Label137: TLabel
        Left = 180
        Top = 101
        Caption = '... bitte warten ...'
        Transparent = True
        Visible = False
      end
      object PerfTitleBack: TImage
        Left = 0
        Top = 122
        Width = 354
        Height = 21
        Picture.Resource = 'category_title.bmp'
      end
      object Label122: TLabel
        Left = 8
        Top = 126
        Caption = 'Einstellungen der Performance-Optionen'
        Transparent = True
        Font.Color = clWhite
        Font.Style = [fsBold]
      end
      object PerfHeader: TImage
        Left = 296
        Top = 122
        Width = 58
        Height = 21
        Picture.Resource = 'category_header.bmp'
        Hint = 'Hier können Sie Tuningoptionen aktivieren (+) oder auch deaktivieren (-)'
        ShowHint = True
      end
      object Label162: TLabel
        Left = 298
        Top = 124
        Width = 17
        Height = 17
        AutoSize = False
        Cursor = crHandPoint
        Hint = 'Sämtliche Tuningoptionen dieser Kategorie deaktivieren (es werden die Standardwerte geladen)'
        ShowHint = True
        Transparent = True
        OnClick = Perfdeact
      end
      object Label163: TLabel
        Left = 317
        Top = 124
        Width = 17
        Height = 17
        AutoSize = False
        Cursor = crHandPoint
        Hint = 'Es werden keine Änderungen an den Tuningoptionen dieser Kategorie vorgenommen'
        ShowHint = True
        Transparent = True
        OnClick = Perfnochange
      end
      object Label164: TLabel
        Left = 336
        Top = 124
        Width = 17
        Height = 17
        AutoSize = False
        Cursor = crHandPoint
        Hint = 'Sämtliche Tuningoptionen dieser Kategorie aktivieren'
        ShowHint = True
        Transparent = True
        OnClick = Pervact
      end
      object TweakIcon5: TImage
        Left = 0
        Top = 149
        Width = 20
        Height = 15
        Picture.Resource = 'row_performance.bmp'
        Center = True
        Transparent = True
      end
      object Label27: TLabel
        Left = 22
        Top = 150
        Caption = 'erweiterten Festplattencache nutzen'
        Transparent = True
        Hint = 'Windows nutzt einen großen Systemcache für Dateizugriffe auf allen Laufwerken.'
        ShowHint = True
        OnMouseMove = ShowhintLabel27
      end
      object Panel13: TPanel
        Left = 296
        Top = 148
        Width = 58
        Height = 17
        BevelOuter = bvNone
        Color = clWhite
        object TweakBack5: TImage
          Left = 0
          Top = 0
          Width = 58
          Height = 17
          Picture.Resource = 'row_back.bmp'
          Stretch = True
        end
        object RadioButton5: TRadioButton
          Left = 3
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
        object RadioButton6: TRadioButton
          Left = 22
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
          Checked = True
        end
        object RadioButton7: TRadioButton
          Left = 41
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
      end
      object TweakIcon8: TImage
        Left = 0
        Top = 168
        Width = 20
        Height = 15
        Picture.Resource = 'row_performance.bmp'
        Center = True
        Transparent = True
      end
      object Label29: TLabel
        Left = 22
        Top = 169
        Caption = 'Startmenü-Verzögerung'
        Transparent = True
        Hint = 'Legt mit dem Schieberegler fest, nach wie vielen Millisekunden sich die Untermenüs des Startmenüs öffnen.'
        ShowHint = True
        OnMouseMove = ShowhintLabel29
      end
      object Panel14: TPanel
        Left = 296
        Top = 167
        Width = 58
        Height = 17
        BevelOuter = bvNone
        Color = clWhite
        object TweakBack8: TImage
          Left = 0
          Top = 0
          Width = 58
          Height = 17
          Picture.Resource = 'row_back.bmp'
          Stretch = True
        end
        object RadioButton8: TRadioButton
          Left = 3
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
        object RadioButton9: TRadioButton
          Left = 22
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
          Checked = True
        end
        object RadioButton10: TRadioButton
          Left = 41
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
      end
      object TrackBar1: TTrackBar
        Left = 145
        Top = 166
        Width = 100
        Height = 22
        Max = 600
        Frequency = 10
        Position = 0
        TickStyle = tsNone
        Color = clWhite
        OnChange = trackstatus
      end
      object Label2: TLabel
        Left = 248
        Top = 169
        Caption = '0 ms'
        Transparent = True
        ShowHint = True
        OnMouseMove = Showhintlabel2
      end
      object TweakIcon11: TImage
        Left = 0
        Top = 192
        Width = 20
        Height = 15
        Picture.Resource = 'row_performance.bmp'
        Center = True
        Transparent = True
      end
      object TweakLabel11: TLabel
        Left = 22
        Top = 193
        Caption = 'Autorun von CD-Rom Laufwerken deaktivieren'
        Transparent = True
        Hint = 'Eingelegte CDs und DVDs starten ihr Autorun-Programm nicht mehr von selbst.'
        ShowHint = True
      end
      object Panel15: TPanel
        Left = 296
        Top = 191
        Width = 58
        Height = 17
        BevelOuter = bvNone
        Color = clWhite
        object TweakBack11: TImage
          Left = 0
          Top = 0
          Width = 58
          Height = 17
          Picture.Resource = 'row_back.bmp'
          Stretch = True
        end
        object RadioButton11: TRadioButton
          Left = 3
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
        object RadioButton12: TRadioButton
          Left = 22
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
          Checked = True
        end
        object RadioButton13: TRadioButton
          Left = 41
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
      end
      object TweakIcon14: TImage
        Left = 0
        Top = 211
        Width = 20
        Height = 15
        Picture.Resource = 'row_performance.bmp'
        Center = True
        Transparent = True
      end
      object TweakLabel14: TLabel
        Left = 22
        Top = 212
        Caption = 'Teile des Kernels nicht ausgelagern'
        Transparent = True
        Hint = 'Kernel und Treiber bleiben im Arbeitsspeicher und werden nicht in die Auslagerungsdatei ausgelagert.'
        ShowHint = True
      end
      object Panel16: TPanel
        Left = 296
        Top = 210
        Width = 58
        Height = 17
        BevelOuter = bvNone
        Color = clWhite
        object TweakBack14: TImage
          Left = 0
          Top = 0
          Width = 58
          Height = 17
          Picture.Resource = 'row_back.bmp'
          Stretch = True
        end
        object RadioButton14: TRadioButton
          Left = 3
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
        object RadioButton15: TRadioButton
          Left = 22
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
          Checked = True
        end
        object RadioButton16: TRadioButton
          Left = 41
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
      end
      object TweakIcon17: TImage
        Left = 0
        Top = 230
        Width = 20
        Height = 15
        Picture.Resource = 'row_performance.bmp'
        Center = True
        Transparent = True
      end
      object TweakLabel17: TLabel
        Left = 22
        Top = 231
        Caption = 'Steigerung der gesamten Systemperformance'
        Transparent = True
        Hint = 'Erhöht die Grenze für gesperrte Ein- und Ausgabeseiten passend zur Größe des Arbeitsspeichers.'
        ShowHint = True
      end
      object Panel17: TPanel
        Left = 296
        Top = 229
        Width = 58
        Height = 17
        BevelOuter = bvNone
        Color = clWhite
        object TweakBack17: TImage
          Left = 0
          Top = 0
          Width = 58
          Height = 17
          Picture.Resource = 'row_back.bmp'
          Stretch = True
        end
        object RadioButton17: TRadioButton
          Left = 3
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
        object RadioButton18: TRadioButton
          Left = 22
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
          Checked = True
        end
        object RadioButton19: TRadioButton
          Left = 41
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
      end
      object TweakIcon20: TImage
        Left = 0
        Top = 249
        Width = 20
        Height = 15
        Picture.Resource = 'row_performance.bmp'
        Center = True
        Transparent = True
      end
      object TweakLabel20: TLabel
        Left = 22
        Top = 250
        Caption = 'Warnhinweise von Systemordnern entfernen'
        Transparent = True
        Hint = 'Löscht die Datei desktop.ini im Windows-, im System32- und im Programmordner, damit deren Warnhinweise entfallen.'
        ShowHint = True
      end
      object Panel18: TPanel
        Left = 296
        Top = 248
        Width = 58
        Height = 17
        BevelOuter = bvNone
        Color = clWhite
        object TweakBack20: TImage
          Left = 0
          Top = 0
          Width = 58
          Height = 17
          Picture.Resource = 'row_back.bmp'
          Stretch = True
        end
        object RadioButton20: TRadioButton
          Left = 3
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
        object RadioButton21: TRadioButton
          Left = 22
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
          Checked = True
        end
        object RadioButton22: TRadioButton
          Left = 41
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
      end
      object TweakIcon23: TImage
        Left = 0
        Top = 268
        Width = 20
        Height = 15
        Picture.Resource = 'row_performance.bmp'
        Center = True
        Transparent = True
      end
      object TweakLabel23: TLabel
        Left = 22
        Top = 269
        Caption = 'Größe der Auslagerungsdatei optimieren'
        Transparent = True
        Hint = 'Setzt Minimum und Maximum der Auslagerungsdatei auf die Werte der Einstellungen (Zahnrad).'
        ShowHint = True
      end
      object Image64: TImage
        Left = 276
        Top = 267
        Width = 16
        Height = 16
        Picture.Resource = 'gear.bmp'
        Transparent = True
        OnMouseMove = pagefilerollover
      end
      object Image70: TImage
        Left = 276
        Top = 267
        Width = 16
        Height = 16
        Picture.Resource = 'gear_over.bmp'
        Transparent = True
        Visible = False
        Cursor = crHandPoint
        OnClick = Pagefileerweitert
      end
      object Panel19: TPanel
        Left = 296
        Top = 267
        Width = 58
        Height = 17
        BevelOuter = bvNone
        Color = clWhite
        object TweakBack23: TImage
          Left = 0
          Top = 0
          Width = 58
          Height = 17
          Picture.Resource = 'row_back.bmp'
          Stretch = True
        end
        object RadioButton23: TRadioButton
          Left = 3
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
        object RadioButton24: TRadioButton
          Left = 22
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
          Checked = True
        end
        object RadioButton25: TRadioButton
          Left = 41
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
      end
      object TweakIcon26: TImage
        Left = 0
        Top = 287
        Width = 20
        Height = 15
        Picture.Resource = 'row_performance.bmp'
        Center = True
        Transparent = True
      end
      object TweakLabel26: TLabel
        Left = 22
        Top = 288
        Caption = 'ungenutzte DLLs automatisch entladen'
        Transparent = True
        Hint = 'Der Explorer entlädt nicht mehr benötigte DLLs sofort aus dem Arbeitsspeicher.'
        ShowHint = True
      end
      object Panel20: TPanel
        Left = 296
        Top = 286
        Width = 58
        Height = 17
        BevelOuter = bvNone
        Color = clWhite
        object TweakBack26: TImage
          Left = 0
          Top = 0
          Width = 58
          Height = 17
          Picture.Resource = 'row_back.bmp'
          Stretch = True
        end
        object RadioButton26: TRadioButton
          Left = 3
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
        object RadioButton27: TRadioButton
          Left = 22
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
          Checked = True
        end
        object RadioButton28: TRadioButton
          Left = 41
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
      end
      object TweakIcon29: TImage
        Left = 0
        Top = 306
        Width = 20
        Height = 15
        Picture.Resource = 'row_performance.bmp'
        Center = True
        Transparent = True
      end
      object TweakLabel29: TLabel
        Left = 22
        Top = 307
        Caption = 'System-Shutdown beschleunigen'
        Transparent = True
        Hint = 'Verkürzt die Wartezeit, nach der Windows beim Herunterfahren hängende Dienste und Programme beendet.'
        ShowHint = True
      end
      object Panel21: TPanel
        Left = 296
        Top = 305
        Width = 58
        Height = 17
        BevelOuter = bvNone
        Color = clWhite
        object TweakBack29: TImage
          Left = 0
          Top = 0
          Width = 58
          Height = 17
          Picture.Resource = 'row_back.bmp'
          Stretch = True
        end
        object RadioButton29: TRadioButton
          Left = 3
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
        object RadioButton30: TRadioButton
          Left = 22
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
          Checked = True
        end
        object RadioButton31: TRadioButton
          Left = 41
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
      end
      object TweakIcon32: TImage
        Left = 0
        Top = 325
        Width = 20
        Height = 15
        Picture.Resource = 'row_performance.bmp'
        Center = True
        Transparent = True
      end
      object TweakLabel32: TLabel
        Left = 22
        Top = 326
        Caption = 'Systemcache für verschlüsselte Dateien optimieren'
        Transparent = True
        Hint = 'Legt fest, wie lange Windows die Schlüssel verschlüsselter Dateien (EFS) zwischenspeichert.'
        ShowHint = True
      end
      object Panel22: TPanel
        Left = 296
        Top = 324
        Width = 58
        Height = 17
        BevelOuter = bvNone
        Color = clWhite
        object TweakBack32: TImage
          Left = 0
          Top = 0
          Width = 58
          Height = 17
          Picture.Resource = 'row_back.bmp'
          Stretch = True
        end
        object RadioButton32: TRadioButton
          Left = 3
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
        object RadioButton33: TRadioButton
          Left = 22
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
          Checked = True
        end
        object RadioButton34: TRadioButton
          Left = 41
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
      end
      object TweakIcon35: TImage
        Left = 0
        Top = 344
        Width = 20
        Height = 15
        Picture.Resource = 'row_performance.bmp'
        Center = True
        Transparent = True
      end
      object TweakLabel35: TLabel
        Left = 22
        Top = 345
        Caption = 'MFT bei NTFS Laufwerken optimal vergrößern'
        Transparent = True
        Hint = 'Reserviert auf NTFS-Laufwerken mehr Platz für die Master File Table (MFT).'
        ShowHint = True
      end
      object Panel23: TPanel
        Left = 296
        Top = 343
        Width = 58
        Height = 17
        BevelOuter = bvNone
        Color = clWhite
        object TweakBack35: TImage
          Left = 0
          Top = 0
          Width = 58
          Height = 17
          Picture.Resource = 'row_back.bmp'
          Stretch = True
        end
        object RadioButton35: TRadioButton
          Left = 3
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
        object RadioButton36: TRadioButton
          Left = 22
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
          Checked = True
        end
        object RadioButton37: TRadioButton
          Left = 41
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
      end
      object TweakIcon38: TImage
        Left = 0
        Top = 363
        Width = 20
        Height = 15
        Picture.Resource = 'row_performance.bmp'
        Center = True
        Transparent = True
      end
      object TweakLabel38: TLabel
        Left = 22
        Top = 364
        Caption = 'temporäre Dateien jetzt löschen'
        Transparent = True
        Hint = 'Startet ein Hilfsprogramm, das die temporären Dateien löscht (einmalige Aktion).'
        ShowHint = True
      end
      object Panel24: TPanel
        Left = 296
        Top = 362
        Width = 58
        Height = 17
        BevelOuter = bvNone
        Color = clWhite
        object TweakBack38: TImage
          Left = 0
          Top = 0
          Width = 58
          Height = 17
          Picture.Resource = 'row_back.bmp'
          Stretch = True
        end
        object RadioButton38: TRadioButton
          Left = 3
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
        object RadioButton39: TRadioButton
          Left = 22
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
          Checked = True
          Enabled = False
        end
        object RadioButton40: TRadioButton
          Left = 41
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
      end
      object TweakIcon41: TImage
        Left = 0
        Top = 382
        Width = 20
        Height = 15
        Picture.Resource = 'row_performance.bmp'
        Center = True
        Transparent = True
      end
      object TweakLabel41: TLabel
        Left = 22
        Top = 383
        Caption = 'Prefetching Dateien jetzt löschen'
        Transparent = True
        Hint = 'Startet ein Hilfsprogramm, das die Prefetch-Dateien löscht (einmalige Aktion).'
        ShowHint = True
      end
      object Panel25: TPanel
        Left = 296
        Top = 381
        Width = 58
        Height = 17
        BevelOuter = bvNone
        Color = clWhite
        object TweakBack41: TImage
          Left = 0
          Top = 0
          Width = 58
          Height = 17
          Picture.Resource = 'row_back.bmp'
          Stretch = True
        end
        object RadioButton41: TRadioButton
          Left = 3
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
        object RadioButton42: TRadioButton
          Left = 22
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
          Checked = True
          Enabled = False
        end
        object RadioButton43: TRadioButton
          Left = 41
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
      end
      object TweakIcon44: TImage
        Left = 0
        Top = 401
        Width = 20
        Height = 15
        Picture.Resource = 'row_performance.bmp'
        Center = True
        Transparent = True
      end
      object TweakLabel44: TLabel
        Left = 22
        Top = 402
        Caption = 'CDRom/DVD Laufwerke beschleunigen'
        Transparent = True
        Hint = 'Vergrößert den Vorlesepuffer des CD-Dateisystems für schnellere CD- und DVD-Zugriffe.'
        ShowHint = True
      end
      object Panel26: TPanel
        Left = 296
        Top = 400
        Width = 58
        Height = 17
        BevelOuter = bvNone
        Color = clWhite
        object TweakBack44: TImage
          Left = 0
          Top = 0
          Width = 58
          Height = 17
          Picture.Resource = 'row_back.bmp'
          Stretch = True
        end
        object RadioButton44: TRadioButton
          Left = 3
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
        object RadioButton45: TRadioButton
          Left = 22
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
          Checked = True
        end
        object RadioButton46: TRadioButton
          Left = 41
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
      end
      object TweakIcon47: TImage
        Left = 0
        Top = 420
        Width = 20
        Height = 15
        Picture.Resource = 'row_performance.bmp'
        Center = True
        Transparent = True
      end
      object TweakLabel47: TLabel
        Left = 22
        Top = 421
        Caption = 'Animation bei Fensterminimierung deaktivieren'
        Transparent = True
        Hint = 'Stellt die Animation beim Minimieren und Wiederherstellen von Fenstern ein.'
        ShowHint = True
      end
      object Panel27: TPanel
        Left = 296
        Top = 419
        Width = 58
        Height = 17
        BevelOuter = bvNone
        Color = clWhite
        object TweakBack47: TImage
          Left = 0
          Top = 0
          Width = 58
          Height = 17
          Picture.Resource = 'row_back.bmp'
          Stretch = True
        end
        object RadioButton47: TRadioButton
          Left = 3
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
        object RadioButton48: TRadioButton
          Left = 22
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
          Checked = True
        end
        object RadioButton49: TRadioButton
          Left = 41
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
      end
      object TweakIcon50: TImage
        Left = 0
        Top = 439
        Width = 20
        Height = 15
        Picture.Resource = 'row_performance.bmp'
        Center = True
        Transparent = True
      end
      object TweakLabel50: TLabel
        Left = 22
        Top = 440
        Caption = 'wartende Systemprozesse jetzt ausführen'
        Transparent = True
        Hint = 'Lässt Windows die anstehenden Leerlaufaufgaben sofort ausführen (einmalige Aktion).'
        ShowHint = True
      end
      object Panel28: TPanel
        Left = 296
        Top = 438
        Width = 58
        Height = 17
        BevelOuter = bvNone
        Color = clWhite
        object TweakBack50: TImage
          Left = 0
          Top = 0
          Width = 58
          Height = 17
          Picture.Resource = 'row_back.bmp'
          Stretch = True
        end
        object RadioButton50: TRadioButton
          Left = 3
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
        object RadioButton51: TRadioButton
          Left = 22
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
          Checked = True
          Enabled = False
        end
        object RadioButton52: TRadioButton
          Left = 41
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
      end
      object TweakIcon53: TImage
        Left = 0
        Top = 458
        Width = 20
        Height = 15
        Picture.Resource = 'row_performance.bmp'
        Center = True
        Transparent = True
      end
      object TweakLabel53: TLabel
        Left = 22
        Top = 459
        Caption = 'grafische Effekte deaktivieren '
        Transparent = True
        Hint = 'Schaltet grafische Effekte der Oberfläche ab und spart so Rechenzeit.'
        ShowHint = True
      end
      object Panel29: TPanel
        Left = 296
        Top = 457
        Width = 58
        Height = 17
        BevelOuter = bvNone
        Color = clWhite
        object TweakBack53: TImage
          Left = 0
          Top = 0
          Width = 58
          Height = 17
          Picture.Resource = 'row_back.bmp'
          Stretch = True
        end
        object RadioButton53: TRadioButton
          Left = 3
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
        object RadioButton54: TRadioButton
          Left = 22
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
          Checked = True
        end
        object RadioButton55: TRadioButton
          Left = 41
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
      end
      object TweakIcon56: TImage
        Left = 0
        Top = 477
        Width = 20
        Height = 15
        Picture.Resource = 'row_performance.bmp'
        Center = True
        Transparent = True
      end
      object TweakLabel56: TLabel
        Left = 22
        Top = 478
        Caption = 'automatische Systemwiederherstellung deaktivieren '
        Transparent = True
        Hint = 'Schaltet die automatische Systemwiederherstellung ab und spart so Speicherplatz und Rechenzeit.'
        ShowHint = True
      end
      object Panel30: TPanel
        Left = 296
        Top = 476
        Width = 58
        Height = 17
        BevelOuter = bvNone
        Color = clWhite
        object TweakBack56: TImage
          Left = 0
          Top = 0
          Width = 58
          Height = 17
          Picture.Resource = 'row_back.bmp'
          Stretch = True
        end
        object RadioButton56: TRadioButton
          Left = 3
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
        object RadioButton57: TRadioButton
          Left = 22
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
          Checked = True
        end
        object RadioButton58: TRadioButton
          Left = 41
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
      end
      object TweakIcon59: TImage
        Left = 0
        Top = 496
        Width = 20
        Height = 15
        Picture.Resource = 'row_performance.bmp'
        Center = True
        Transparent = True
      end
      object TweakLabel59: TLabel
        Left = 22
        Top = 497
        Caption = 'serielle Schnittstellen optimieren'
        Transparent = True
        Hint = 'Stellt die seriellen Schnittstellen COM1 und COM2 auf eine höhere Übertragungsgeschwindigkeit ein.'
        ShowHint = True
      end
      object Panel31: TPanel
        Left = 296
        Top = 495
        Width = 58
        Height = 17
        BevelOuter = bvNone
        Color = clWhite
        object TweakBack59: TImage
          Left = 0
          Top = 0
          Width = 58
          Height = 17
          Picture.Resource = 'row_back.bmp'
          Stretch = True
        end
        object RadioButton59: TRadioButton
          Left = 3
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
        object RadioButton60: TRadioButton
          Left = 22
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
          Checked = True
        end
        object RadioButton61: TRadioButton
          Left = 41
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
      end
      object TweakIcon62: TImage
        Left = 0
        Top = 515
        Width = 20
        Height = 15
        Picture.Resource = 'row_performance.bmp'
        Center = True
        Transparent = True
      end
      object TweakLabel62: TLabel
        Left = 22
        Top = 516
        Caption = 'Laden der Icons beschleunigen'
        Transparent = True
        Hint = 'Vergrößert den Zwischenspeicher für Symbole, damit Icons schneller angezeigt werden.'
        ShowHint = True
      end
      object Panel32: TPanel
        Left = 296
        Top = 514
        Width = 58
        Height = 17
        BevelOuter = bvNone
        Color = clWhite
        object TweakBack62: TImage
          Left = 0
          Top = 0
          Width = 58
          Height = 17
          Picture.Resource = 'row_back.bmp'
          Stretch = True
        end
        object RadioButton62: TRadioButton
          Left = 3
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
        object RadioButton63: TRadioButton
          Left = 22
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
          Checked = True
        end
        object RadioButton64: TRadioButton
          Left = 41
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
      end
      object TweakIcon65: TImage
        Left = 0
        Top = 534
        Width = 20
        Height = 15
        Picture.Resource = 'row_performance.bmp'
        Center = True
        Transparent = True
      end
      object TweakLabel65: TLabel
        Left = 22
        Top = 535
        Caption = 'Icon Cache jetzt aktualisieren'
        Transparent = True
        Hint = 'Baut den Zwischenspeicher der Symbole neu auf (einmalige Aktion).'
        ShowHint = True
      end
      object Panel33: TPanel
        Left = 296
        Top = 533
        Width = 58
        Height = 17
        BevelOuter = bvNone
        Color = clWhite
        object TweakBack65: TImage
          Left = 0
          Top = 0
          Width = 58
          Height = 17
          Picture.Resource = 'row_back.bmp'
          Stretch = True
        end
        object RadioButton65: TRadioButton
          Left = 3
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
        object RadioButton66: TRadioButton
          Left = 22
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
          Checked = True
          Enabled = False
        end
        object RadioButton67: TRadioButton
          Left = 41
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
      end
      object TweakIcon68: TImage
        Left = 0
        Top = 553
        Width = 20
        Height = 15
        Picture.Resource = 'row_performance.bmp'
        Center = True
        Transparent = True
      end
      object TweakLabel68: TLabel
        Left = 22
        Top = 554
        Caption = '16 Bit Anwendungen als separaten Prozess starten'
        Transparent = True
        Hint = '16-Bit-Programme laufen jeweils in einer eigenen virtuellen DOS-Maschine.'
        ShowHint = True
      end
      object Panel34: TPanel
        Left = 296
        Top = 552
        Width = 58
        Height = 17
        BevelOuter = bvNone
        Color = clWhite
        object TweakBack68: TImage
          Left = 0
          Top = 0
          Width = 58
          Height = 17
          Picture.Resource = 'row_back.bmp'
          Stretch = True
        end
        object RadioButton68: TRadioButton
          Left = 3
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
        object RadioButton69: TRadioButton
          Left = 22
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
          Checked = True
        end
        object RadioButton70: TRadioButton
          Left = 41
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
      end
      object TweakIcon71: TImage
        Left = 0
        Top = 572
        Width = 20
        Height = 15
        Picture.Resource = 'row_performance.bmp'
        Center = True
        Transparent = True
      end
      object TweakLabel71: TLabel
        Left = 22
        Top = 573
        Caption = 'CPU Prioritäten optimieren'
        Transparent = True
        Hint = 'Optimiert die Verteilung der Prozessorzeit zwischen Vordergrund- und Hintergrundprogrammen.'
        ShowHint = True
      end
      object Panel35: TPanel
        Left = 296
        Top = 571
        Width = 58
        Height = 17
        BevelOuter = bvNone
        Color = clWhite
        object TweakBack71: TImage
          Left = 0
          Top = 0
          Width = 58
          Height = 17
          Picture.Resource = 'row_back.bmp'
          Stretch = True
        end
        object RadioButton71: TRadioButton
          Left = 3
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
        object RadioButton72: TRadioButton
          Left = 22
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
          Checked = True
        end
        object RadioButton73: TRadioButton
          Left = 41
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
      end
      object TweakIcon74: TImage
        Left = 0
        Top = 591
        Width = 20
        Height = 15
        Picture.Resource = 'row_performance.bmp'
        Center = True
        Transparent = True
      end
      object TweakLabel74: TLabel
        Left = 22
        Top = 592
        Caption = 'Dateisuche im Netzwerk beschleunigen'
        Transparent = True
        Hint = 'Vergrößert den Puffer des Serverdienstes für schnellere Dateisuchen im Netzwerk.'
        ShowHint = True
      end
      object Panel36: TPanel
        Left = 296
        Top = 590
        Width = 58
        Height = 17
        BevelOuter = bvNone
        Color = clWhite
        object TweakBack74: TImage
          Left = 0
          Top = 0
          Width = 58
          Height = 17
          Picture.Resource = 'row_back.bmp'
          Stretch = True
        end
        object RadioButton74: TRadioButton
          Left = 3
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
        object RadioButton75: TRadioButton
          Left = 22
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
          Checked = True
        end
        object RadioButton76: TRadioButton
          Left = 41
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
      end
      object TweakIcon77: TImage
        Left = 0
        Top = 610
        Width = 20
        Height = 15
        Picture.Resource = 'row_performance.bmp'
        Center = True
        Transparent = True
      end
      object TweakLabel77: TLabel
        Left = 22
        Top = 611
        Caption = 'Farbtiefe auf 16 Bit reduzieren'
        Transparent = True
        Hint = 'Stellt die Farbtiefe der Anzeige auf 16 Bit um, wenn sie höher eingestellt ist.'
        ShowHint = True
      end
      object Panel37: TPanel
        Left = 296
        Top = 609
        Width = 58
        Height = 17
        BevelOuter = bvNone
        Color = clWhite
        object TweakBack77: TImage
          Left = 0
          Top = 0
          Width = 58
          Height = 17
          Picture.Resource = 'row_back.bmp'
          Stretch = True
        end
        object RadioButton77: TRadioButton
          Left = 3
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
        object RadioButton78: TRadioButton
          Left = 22
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
          Checked = True
        end
        object RadioButton79: TRadioButton
          Left = 41
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
      end
      object TweakIcon80: TImage
        Left = 0
        Top = 629
        Width = 20
        Height = 15
        Picture.Resource = 'row_performance.bmp'
        Center = True
        Transparent = True
      end
      object TweakLabel80: TLabel
        Left = 22
        Top = 630
        Caption = 'Anzeige neuer eMails beim Hochfahren unterbinden'
        Transparent = True
        Hint = 'Windows zeigt bei der Anmeldung keine Anzahl ungelesener E-Mails mehr an.'
        ShowHint = True
      end
      object Panel38: TPanel
        Left = 296
        Top = 628
        Width = 58
        Height = 17
        BevelOuter = bvNone
        Color = clWhite
        object TweakBack80: TImage
          Left = 0
          Top = 0
          Width = 58
          Height = 17
          Picture.Resource = 'row_back.bmp'
          Stretch = True
        end
        object RadioButton80: TRadioButton
          Left = 3
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
        object RadioButton81: TRadioButton
          Left = 22
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
          Checked = True
        end
        object RadioButton82: TRadioButton
          Left = 41
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
      end
      object TweakIcon83: TImage
        Left = 0
        Top = 648
        Width = 20
        Height = 15
        Picture.Resource = 'row_performance.bmp'
        Center = True
        Transparent = True
      end
      object TweakLabel83: TLabel
        Left = 22
        Top = 649
        Caption = 'Messenger nicht mit Outlook Express starten'
        Transparent = True
        Hint = 'Der Windows Messenger startet nicht mehr zusammen mit Outlook Express.'
        ShowHint = True
      end
      object Panel39: TPanel
        Left = 296
        Top = 647
        Width = 58
        Height = 17
        BevelOuter = bvNone
        Color = clWhite
        object TweakBack83: TImage
          Left = 0
          Top = 0
          Width = 58
          Height = 17
          Picture.Resource = 'row_back.bmp'
          Stretch = True
        end
        object RadioButton83: TRadioButton
          Left = 3
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
        object RadioButton84: TRadioButton
          Left = 22
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
          Checked = True
        end
        object RadioButton85: TRadioButton
          Left = 41
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
      end
      object TweakIcon86: TImage
        Left = 0
        Top = 667
        Width = 20
        Height = 15
        Picture.Resource = 'row_performance.bmp'
        Center = True
        Transparent = True
      end
      object TweakLabel86: TLabel
        Left = 22
        Top = 668
        Caption = 'Hinweis auf HDD-Speichermangel abschalten'
        Transparent = True
        Hint = 'Windows warnt nicht mehr, wenn der Platz auf einer Festplatte knapp wird.'
        ShowHint = True
      end
      object Panel40: TPanel
        Left = 296
        Top = 666
        Width = 58
        Height = 17
        BevelOuter = bvNone
        Color = clWhite
        object TweakBack86: TImage
          Left = 0
          Top = 0
          Width = 58
          Height = 17
          Picture.Resource = 'row_back.bmp'
          Stretch = True
        end
        object RadioButton86: TRadioButton
          Left = 3
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
        object RadioButton87: TRadioButton
          Left = 22
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
          Checked = True
        end
        object RadioButton88: TRadioButton
          Left = 41
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
      end
      object TweakIcon185: TImage
        Left = 0
        Top = 686
        Width = 20
        Height = 15
        Picture.Resource = 'row_performance.bmp'
        Center = True
        Transparent = True
      end
      object TweakLabel185: TLabel
        Left = 22
        Top = 687
        Caption = 'Vorschau von AVI-Dateien im Explorer deaktivieren'
        Transparent = True
        Hint = 'Der Explorer liest die Eigenschaften von AVI-Dateien nicht mehr aus; Ordner mit Videos öffnen sich schneller.'
        ShowHint = True
      end
      object Panel75: TPanel
        Left = 296
        Top = 685
        Width = 58
        Height = 17
        BevelOuter = bvNone
        Color = clWhite
        object TweakBack185: TImage
          Left = 0
          Top = 0
          Width = 58
          Height = 17
          Picture.Resource = 'row_back.bmp'
          Stretch = True
        end
        object RadioButton185: TRadioButton
          Left = 3
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
        object RadioButton186: TRadioButton
          Left = 22
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
          Checked = True
        end
        object RadioButton187: TRadioButton
          Left = 41
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
      end
      object TweakIcon188: TImage
        Left = 0
        Top = 705
        Width = 20
        Height = 15
        Picture.Resource = 'row_performance.bmp'
        Center = True
        Transparent = True
      end
      object TweakLabel188: TLabel
        Left = 22
        Top = 706
        Caption = 'Active Desktop deaktivieren'
        Transparent = True
        Hint = 'Schaltet den Active Desktop aus und spart so Arbeitsspeicher.'
        ShowHint = True
      end
      object Panel76: TPanel
        Left = 296
        Top = 704
        Width = 58
        Height = 17
        BevelOuter = bvNone
        Color = clWhite
        object TweakBack188: TImage
          Left = 0
          Top = 0
          Width = 58
          Height = 17
          Picture.Resource = 'row_back.bmp'
          Stretch = True
        end
        object RadioButton188: TRadioButton
          Left = 3
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
        object RadioButton189: TRadioButton
          Left = 22
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
          Checked = True
        end
        object RadioButton190: TRadioButton
          Left = 41
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
      end
      object TweakIcon212: TImage
        Left = 0
        Top = 724
        Width = 20
        Height = 15
        Picture.Resource = 'row_performance.bmp'
        Center = True
        Transparent = True
      end
      object TweakLabel212: TLabel
        Left = 22
        Top = 725
        Caption = 'Kontextmenü um "in Ordner X kopieren" erweitern'
        Transparent = True
        Hint = 'Ergänzt das Kontextmenü von Dateien und Ordnern um den Eintrag "In Ordner kopieren".'
        ShowHint = True
      end
      object Panel98: TPanel
        Left = 296
        Top = 723
        Width = 58
        Height = 17
        BevelOuter = bvNone
        Color = clWhite
        object TweakBack212: TImage
          Left = 0
          Top = 0
          Width = 58
          Height = 17
          Picture.Resource = 'row_back.bmp'
          Stretch = True
        end
        object RadioButton212: TRadioButton
          Left = 3
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
        object RadioButton213: TRadioButton
          Left = 22
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
          Checked = True
        end
        object RadioButton214: TRadioButton
          Left = 41
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
      end
      object TweakIcon215: TImage
        Left = 0
        Top = 743
        Width = 20
        Height = 15
        Picture.Resource = 'row_performance.bmp'
        Center = True
        Transparent = True
      end
      object TweakLabel215: TLabel
        Left = 22
        Top = 744
        Caption = 'Kontextmenü um "in Ordner X verschieben" erweitern'
        Transparent = True
        Hint = 'Ergänzt das Kontextmenü von Dateien und Ordnern um den Eintrag "In Ordner verschieben".'
        ShowHint = True
      end
      object Panel99: TPanel
        Left = 296
        Top = 742
        Width = 58
        Height = 17
        BevelOuter = bvNone
        Color = clWhite
        object TweakBack215: TImage
          Left = 0
          Top = 0
          Width = 58
          Height = 17
          Picture.Resource = 'row_back.bmp'
          Stretch = True
        end
        object RadioButton215: TRadioButton
          Left = 3
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
        object RadioButton216: TRadioButton
          Left = 22
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
          Checked = True
        end
        object RadioButton217: TRadioButton
          Left = 41
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
      end
      object TweakIcon233: TImage
        Left = 0
        Top = 762
        Width = 20
        Height = 15
        Picture.Resource = 'row_performance.bmp'
        Center = True
        Transparent = True
      end
      object TweakLabel233: TLabel
        Left = 22
        Top = 763
        Caption = 'Kontextmenü um "Eingabeaufforderung" erweitern'
        Transparent = True
        Hint = 'Ergänzt das Kontextmenü von Ordnern um eine Eingabeaufforderung in diesem Ordner.'
        ShowHint = True
      end
      object Panel105: TPanel
        Left = 296
        Top = 761
        Width = 58
        Height = 17
        BevelOuter = bvNone
        Color = clWhite
        object TweakBack233: TImage
          Left = 0
          Top = 0
          Width = 58
          Height = 17
          Picture.Resource = 'row_back.bmp'
          Stretch = True
        end
        object RadioButton233: TRadioButton
          Left = 3
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
        object RadioButton234: TRadioButton
          Left = 22
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
          Checked = True
        end
        object RadioButton235: TRadioButton
          Left = 41
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
      end
      object TweakIcon218: TImage
        Left = 0
        Top = 781
        Width = 20
        Height = 15
        Picture.Resource = 'row_performance.bmp'
        Center = True
        Transparent = True
      end
      object TweakLabel218: TLabel
        Left = 22
        Top = 782
        Caption = 'Brennfunktion für limitierte User aktivieren'
        Transparent = True
        Hint = 'Auch Benutzer ohne Administratorrechte dürfen Brenner und Wechselmedien verwenden.'
        ShowHint = True
      end
      object Panel100: TPanel
        Left = 296
        Top = 780
        Width = 58
        Height = 17
        BevelOuter = bvNone
        Color = clWhite
        object TweakBack218: TImage
          Left = 0
          Top = 0
          Width = 58
          Height = 17
          Picture.Resource = 'row_back.bmp'
          Stretch = True
        end
        object RadioButton218: TRadioButton
          Left = 3
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
        object RadioButton219: TRadioButton
          Left = 22
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
          Checked = True
        end
        object RadioButton220: TRadioButton
          Left = 41
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
      end
      object TweakIcon221: TImage
        Left = 0
        Top = 800
        Width = 20
        Height = 15
        Picture.Resource = 'row_performance.bmp'
        Center = True
        Transparent = True
      end
      object TweakLabel221: TLabel
        Left = 22
        Top = 801
        Caption = 'Kennwortabfrage nach Ruhezustand abschalten'
        Transparent = True
        Hint = 'Windows fragt beim Aufwachen aus dem Ruhezustand nicht mehr nach dem Kennwort.'
        ShowHint = True
      end
      object Panel101: TPanel
        Left = 296
        Top = 799
        Width = 58
        Height = 17
        BevelOuter = bvNone
        Color = clWhite
        object TweakBack221: TImage
          Left = 0
          Top = 0
          Width = 58
          Height = 17
          Picture.Resource = 'row_back.bmp'
          Stretch = True
        end
        object RadioButton221: TRadioButton
          Left = 3
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
        object RadioButton222: TRadioButton
          Left = 22
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
          Checked = True
        end
        object RadioButton223: TRadioButton
          Left = 41
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
      end
      object TweakIcon224: TImage
        Left = 0
        Top = 819
        Width = 20
        Height = 15
        Picture.Resource = 'row_performance.bmp'
        Center = True
        Transparent = True
      end
      object TweakLabel224: TLabel
        Left = 22
        Top = 820
        Caption = 'Suchfunktion beschleunigen'
        Transparent = True
        Hint = 'Die Suche des Explorers startet ohne den animierten Suchassistenten und damit schneller.'
        ShowHint = True
      end
      object Panel102: TPanel
        Left = 296
        Top = 818
        Width = 58
        Height = 17
        BevelOuter = bvNone
        Color = clWhite
        object TweakBack224: TImage
          Left = 0
          Top = 0
          Width = 58
          Height = 17
          Picture.Resource = 'row_back.bmp'
          Stretch = True
        end
        object RadioButton224: TRadioButton
          Left = 3
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
        object RadioButton225: TRadioButton
          Left = 22
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
          Checked = True
        end
        object RadioButton226: TRadioButton
          Left = 41
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
      end
      object TweakIcon227: TImage
        Left = 0
        Top = 838
        Width = 20
        Height = 15
        Picture.Resource = 'row_performance.bmp'
        Center = True
        Transparent = True
      end
      object TweakLabel227: TLabel
        Left = 22
        Top = 839
        Caption = 'Bildvorschau/Miniaturansicht deaktivieren'
        Transparent = True
        Hint = 'Meldet die Bild- und Faxanzeige ab, sodass der Explorer keine Miniaturansichten von Bildern mehr erzeugt.'
        ShowHint = True
      end
      object Panel103: TPanel
        Left = 296
        Top = 837
        Width = 58
        Height = 17
        BevelOuter = bvNone
        Color = clWhite
        object TweakBack227: TImage
          Left = 0
          Top = 0
          Width = 58
          Height = 17
          Picture.Resource = 'row_back.bmp'
          Stretch = True
        end
        object RadioButton227: TRadioButton
          Left = 3
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
        object RadioButton228: TRadioButton
          Left = 22
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
          Checked = True
        end
        object RadioButton229: TRadioButton
          Left = 41
          Top = 0
          Width = 15
          Height = 17
          Color = clWhite
        end
      end
      object Panel91: TPanel
        Left = 0
        Top = 861
        Width = 356
        Height = 162
        BevelOuter = bvNone
        Color = clWhite
        OnMouseMove = rollover
        object OptTitleBack: TImage
          Left = 0
          Top = 0
          Width = 354
          Height = 21
          Picture.Resource = 'category_title.bmp'
        end
        object OptTitle: TLabel
          Left = 8
          Top = 4
          Caption = 'Einstellungen der Optik-Optionen'
          Transparent = True
          Font.Color = clWhite
          Font.Style = [fsBold]
        end
        object OptHeader: TImage
          Left = 296
          Top = 0
          Width = 58
          Height = 21
          Picture.Resource = 'category_header.bmp'
        end
        object Label167: TLabel
          Left = 298
          Top = 2
          Width = 17
          Height = 17
          AutoSize = False
          Cursor = crHandPoint
          Hint = 'Sämtliche Tuningoptionen dieser Kategorie deaktivieren (es werden die Standardwerte geladen)'
          ShowHint = True
          Transparent = True
          OnClick = Optdeact
        end
        object Label166: TLabel
          Left = 317
          Top = 2
          Width = 17
          Height = 17
          AutoSize = False
          Cursor = crHandPoint
          Hint = 'Es werden keine Änderungen an den Tuningoptionen dieser Kategorie vorgenommen'
          ShowHint = True
          Transparent = True
          OnClick = Optnochange
        end
        object Label165: TLabel
          Left = 336
          Top = 2
          Width = 17
          Height = 17
          AutoSize = False
          Cursor = crHandPoint
          Hint = 'Sämtliche Tuningoptionen dieser Kategorie aktivieren'
          ShowHint = True
          Transparent = True
          OnClick = Optact
        end
        object TweakIcon89: TImage
          Left = 0
          Top = 27
          Width = 20
          Height = 15
          Picture.Resource = 'row_appearance.bmp'
          Center = True
          Transparent = True
        end
        object TweakLabel89: TLabel
          Left = 22
          Top = 28
          Caption = 'Logo in Systeminformationen einbinden'
          Transparent = True
          Hint = 'Zeigt ein eigenes Logo in den Systemeigenschaften an; das Bild wählen Sie über das Zahnrad.'
          ShowHint = True
        end
        object Image45: TImage
          Left = 276
          Top = 26
          Width = 16
          Height = 16
          Picture.Resource = 'gear.bmp'
          Transparent = True
          OnMouseMove = Logorollover
        end
        object Image46: TImage
          Left = 276
          Top = 26
          Width = 16
          Height = 16
          Picture.Resource = 'gear_over.bmp'
          Transparent = True
          Visible = False
          Cursor = crHandPoint
          OnClick = Logoerweitert
        end
        object Panel41: TPanel
          Left = 296
          Top = 26
          Width = 58
          Height = 17
          BevelOuter = bvNone
          Color = clWhite
          object TweakBack89: TImage
            Left = 0
            Top = 0
            Width = 58
            Height = 17
            Picture.Resource = 'row_back.bmp'
            Stretch = True
          end
          object RadioButton89: TRadioButton
            Left = 3
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
          object RadioButton90: TRadioButton
            Left = 22
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
            Checked = True
          end
          object RadioButton91: TRadioButton
            Left = 41
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
        end
        object TweakIcon92: TImage
          Left = 0
          Top = 46
          Width = 20
          Height = 15
          Picture.Resource = 'row_appearance.bmp'
          Center = True
          Transparent = True
        end
        object TweakLabel92: TLabel
          Left = 22
          Top = 47
          Caption = 'Hintergrund für Internet Explorer® '
          Transparent = True
          Hint = 'Legt ein Hintergrundbild für die Symbolleisten des Internet Explorers fest; das Bild wählen Sie über das Zahnrad.'
          ShowHint = True
        end
        object Image47: TImage
          Left = 276
          Top = 45
          Width = 16
          Height = 16
          Picture.Resource = 'gear.bmp'
          Transparent = True
          OnMouseMove = IEBitmaprollover
        end
        object Image54: TImage
          Left = 276
          Top = 45
          Width = 16
          Height = 16
          Picture.Resource = 'gear_over.bmp'
          Transparent = True
          Visible = False
          Cursor = crHandPoint
          OnClick = iEBitmaperweitert
        end
        object Panel42: TPanel
          Left = 296
          Top = 45
          Width = 58
          Height = 17
          BevelOuter = bvNone
          Color = clWhite
          object TweakBack92: TImage
            Left = 0
            Top = 0
            Width = 58
            Height = 17
            Picture.Resource = 'row_back.bmp'
            Stretch = True
          end
          object RadioButton92: TRadioButton
            Left = 3
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
          object RadioButton93: TRadioButton
            Left = 22
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
            Checked = True
          end
          object RadioButton94: TRadioButton
            Left = 41
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
        end
        object TweakIcon95: TImage
          Left = 0
          Top = 65
          Width = 20
          Height = 15
          Picture.Resource = 'row_appearance.bmp'
          Center = True
          Transparent = True
        end
        object TweakLabel95: TLabel
          Left = 22
          Top = 66
          Caption = 'Inhalt einer Bitmap als Icon im Explorer darstellen'
          Transparent = True
          Hint = 'Der Explorer zeigt als Symbol einer Bitmap-Datei eine verkleinerte Ansicht ihres Inhalts.'
          ShowHint = True
        end
        object Panel43: TPanel
          Left = 296
          Top = 64
          Width = 58
          Height = 17
          BevelOuter = bvNone
          Color = clWhite
          object TweakBack95: TImage
            Left = 0
            Top = 0
            Width = 58
            Height = 17
            Picture.Resource = 'row_back.bmp'
            Stretch = True
          end
          object RadioButton95: TRadioButton
            Left = 3
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
          object RadioButton96: TRadioButton
            Left = 22
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
            Checked = True
          end
          object RadioButton97: TRadioButton
            Left = 41
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
        end
        object TweakIcon98: TImage
          Left = 0
          Top = 84
          Width = 20
          Height = 15
          Picture.Resource = 'row_appearance.bmp'
          Center = True
          Transparent = True
        end
        object TweakLabel98: TLabel
          Left = 22
          Top = 85
          Caption = 'Verküpfungspfeil deaktivieren'
          Transparent = True
          Hint = 'Entfernt den kleinen Pfeil auf den Symbolen von Verknüpfungen.'
          ShowHint = True
        end
        object Panel44: TPanel
          Left = 296
          Top = 83
          Width = 58
          Height = 17
          BevelOuter = bvNone
          Color = clWhite
          object TweakBack98: TImage
            Left = 0
            Top = 0
            Width = 58
            Height = 17
            Picture.Resource = 'row_back.bmp'
            Stretch = True
          end
          object RadioButton98: TRadioButton
            Left = 3
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
          object RadioButton99: TRadioButton
            Left = 22
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
            Checked = True
          end
          object RadioButton100: TRadioButton
            Left = 41
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
        end
        object TweakIcon101: TImage
          Left = 0
          Top = 103
          Width = 20
          Height = 15
          Picture.Resource = 'row_appearance.bmp'
          Center = True
          Transparent = True
        end
        object TweakLabel101: TLabel
          Left = 22
          Top = 104
          Caption = 'Build Nummer auf dem Desktop anzeigen'
          Transparent = True
          Hint = 'Zeigt die Windows-Version mit ihrer Build-Nummer unten rechts auf dem Desktop an.'
          ShowHint = True
        end
        object Panel45: TPanel
          Left = 296
          Top = 102
          Width = 58
          Height = 17
          BevelOuter = bvNone
          Color = clWhite
          object TweakBack101: TImage
            Left = 0
            Top = 0
            Width = 58
            Height = 17
            Picture.Resource = 'row_back.bmp'
            Stretch = True
          end
          object RadioButton101: TRadioButton
            Left = 3
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
          object RadioButton102: TRadioButton
            Left = 22
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
            Checked = True
          end
          object RadioButton103: TRadioButton
            Left = 41
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
        end
        object TweakIcon104: TImage
          Left = 0
          Top = 122
          Width = 20
          Height = 15
          Picture.Resource = 'row_appearance.bmp'
          Center = True
          Transparent = True
        end
        object TweakLabel104: TLabel
          Left = 22
          Top = 123
          Caption = 'Internet Explorer® Titelleiste modifizieren'
          Transparent = True
          Hint = 'Schreibt einen eigenen Text in die Titelleiste des Internet Explorers; den Text geben Sie über das Zahnrad ein.'
          ShowHint = True
        end
        object Image83: TImage
          Left = 276
          Top = 121
          Width = 16
          Height = 16
          Picture.Resource = 'gear.bmp'
          Transparent = True
          OnMouseMove = IETitelrollover
        end
        object Image84: TImage
          Left = 276
          Top = 121
          Width = 16
          Height = 16
          Picture.Resource = 'gear_over.bmp'
          Transparent = True
          Visible = False
          Cursor = crHandPoint
          OnClick = iETitelerweitert
        end
        object Panel46: TPanel
          Left = 296
          Top = 121
          Width = 58
          Height = 17
          BevelOuter = bvNone
          Color = clWhite
          object TweakBack104: TImage
            Left = 0
            Top = 0
            Width = 58
            Height = 17
            Picture.Resource = 'row_back.bmp'
            Stretch = True
          end
          object RadioButton104: TRadioButton
            Left = 3
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
          object RadioButton105: TRadioButton
            Left = 22
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
            Checked = True
          end
          object RadioButton106: TRadioButton
            Left = 41
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
        end
        object TweakIcon107: TImage
          Left = 0
          Top = 141
          Width = 20
          Height = 15
          Picture.Resource = 'row_appearance.bmp'
          Center = True
          Transparent = True
        end
        object TweakLabel107: TLabel
          Left = 22
          Top = 142
          Caption = 'Arbeitsplatz-Bezeichnung modifizieren'
          Transparent = True
          Hint = 'Gibt dem Symbol Arbeitsplatz eine eigene Bezeichnung; den Text geben Sie über das Zahnrad ein.'
          ShowHint = True
        end
        object Image188: TImage
          Left = 276
          Top = 140
          Width = 16
          Height = 16
          Picture.Resource = 'gear.bmp'
          Transparent = True
          OnMouseMove = Image188MouseMove
        end
        object Image187: TImage
          Left = 276
          Top = 140
          Width = 16
          Height = 16
          Picture.Resource = 'gear_over.bmp'
          Transparent = True
          Visible = False
          Cursor = crHandPoint
          OnClick = Image187Click
        end
        object Panel47: TPanel
          Left = 296
          Top = 140
          Width = 58
          Height = 17
          BevelOuter = bvNone
          Color = clWhite
          object TweakBack107: TImage
            Left = 0
            Top = 0
            Width = 58
            Height = 17
            Picture.Resource = 'row_back.bmp'
            Stretch = True
          end
          object RadioButton107: TRadioButton
            Left = 3
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
          object RadioButton108: TRadioButton
            Left = 22
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
            Checked = True
          end
          object RadioButton109: TRadioButton
            Left = 41
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
        end
      end
      object Lizenzinformationen: TGroupBox
        Left = 2
        Top = 1029
        Width = 352
        Height = 46
        Caption = ' Registrierungsdaten '
        Color = clWhite
        OnMouseMove = rollover
        object Edit3: TEdit
          Left = 10
          Top = 18
          Width = 160
          Height = 19
          BorderStyle = bsNone
          Text = 'Lizenznehmer'
          Color = 13296895
          Font.Color = 4028894
          OnMouseMove = Edit3rollover
        end
        object Edit4: TEdit
          Left = 180
          Top = 18
          Width = 160
          Height = 19
          BorderStyle = bsNone
          Text = 'Organisation'
          Color = 13296895
          Font.Color = 4028894
          OnMouseMove = Edit4rollover
        end
      end
      object Panel90: TPanel
        Left = 0
        Top = 1081
        Width = 356
        Height = 124
        BevelOuter = bvNone
        Color = clWhite
        OnMouseMove = rollover
        object IntTitleBack: TImage
          Left = 0
          Top = 0
          Width = 354
          Height = 21
          Picture.Resource = 'category_title.bmp'
        end
        object IntTitle: TLabel
          Left = 8
          Top = 4
          Caption = 'Einstellungen der Internet-Optionen'
          Transparent = True
          Font.Color = clWhite
          Font.Style = [fsBold]
        end
        object IntHeader: TImage
          Left = 296
          Top = 0
          Width = 58
          Height = 21
          Picture.Resource = 'category_header.bmp'
        end
        object Label168: TLabel
          Left = 298
          Top = 2
          Width = 17
          Height = 17
          AutoSize = False
          Cursor = crHandPoint
          Hint = 'Sämtliche Tuningoptionen dieser Kategorie deaktivieren (es werden die Standardwerte geladen)'
          ShowHint = True
          Transparent = True
          OnClick = intdeact
        end
        object Label169: TLabel
          Left = 317
          Top = 2
          Width = 17
          Height = 17
          AutoSize = False
          Cursor = crHandPoint
          Hint = 'Es werden keine Änderungen an den Tuningoptionen dieser Kategorie vorgenommen'
          ShowHint = True
          Transparent = True
          OnClick = intnochange
        end
        object Label170: TLabel
          Left = 336
          Top = 2
          Width = 17
          Height = 17
          AutoSize = False
          Cursor = crHandPoint
          Hint = 'Sämtliche Tuningoptionen dieser Kategorie aktivieren'
          ShowHint = True
          Transparent = True
          OnClick = intact
        end
        object TweakIcon110: TImage
          Left = 0
          Top = 27
          Width = 20
          Height = 15
          Picture.Resource = 'row_internet.bmp'
          Center = True
          Transparent = True
        end
        object TweakLabel110: TLabel
          Left = 22
          Top = 28
          Caption = 'DNS Cache jetzt entleeren'
          Transparent = True
          Hint = 'Leert den DNS-Zwischenspeicher, damit Rechnernamen neu aufgelöst werden (einmalige Aktion).'
          ShowHint = True
        end
        object Panel50: TPanel
          Left = 296
          Top = 26
          Width = 58
          Height = 17
          BevelOuter = bvNone
          Color = clWhite
          object TweakBack110: TImage
            Left = 0
            Top = 0
            Width = 58
            Height = 17
            Picture.Resource = 'row_back.bmp'
            Stretch = True
          end
          object RadioButton110: TRadioButton
            Left = 3
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
          object RadioButton111: TRadioButton
            Left = 22
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
            Checked = True
            Enabled = False
          end
          object RadioButton112: TRadioButton
            Left = 41
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
        end
        object TweakIcon113: TImage
          Left = 0
          Top = 46
          Width = 20
          Height = 15
          Picture.Resource = 'row_internet.bmp'
          Center = True
          Transparent = True
        end
        object TweakLabel113: TLabel
          Left = 22
          Top = 47
          Caption = 'inaktive Router erkennen'
          Transparent = True
          Hint = 'Windows erkennt ausgefallene Standardgateways und wechselt auf ein anderes.'
          ShowHint = True
        end
        object Panel51: TPanel
          Left = 296
          Top = 45
          Width = 58
          Height = 17
          BevelOuter = bvNone
          Color = clWhite
          object TweakBack113: TImage
            Left = 0
            Top = 0
            Width = 58
            Height = 17
            Picture.Resource = 'row_back.bmp'
            Stretch = True
          end
          object RadioButton113: TRadioButton
            Left = 3
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
          object RadioButton114: TRadioButton
            Left = 22
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
            Checked = True
          end
          object RadioButton115: TRadioButton
            Left = 41
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
        end
        object TweakIcon116: TImage
          Left = 0
          Top = 65
          Width = 20
          Height = 15
          Picture.Resource = 'row_internet.bmp'
          Center = True
          Transparent = True
        end
        object TweakLabel116: TLabel
          Left = 22
          Top = 66
          Caption = 'Black Hole Router erkennen'
          Transparent = True
          Hint = 'Windows ermittelt die größte Paketgröße einer Verbindung und erkennt so Router, die zu große Pakete verwerfen.'
          ShowHint = True
        end
        object Panel52: TPanel
          Left = 296
          Top = 64
          Width = 58
          Height = 17
          BevelOuter = bvNone
          Color = clWhite
          object TweakBack116: TImage
            Left = 0
            Top = 0
            Width = 58
            Height = 17
            Picture.Resource = 'row_back.bmp'
            Stretch = True
          end
          object RadioButton116: TRadioButton
            Left = 3
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
          object RadioButton117: TRadioButton
            Left = 22
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
            Checked = True
          end
          object RadioButton118: TRadioButton
            Left = 41
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
        end
        object TweakIcon119: TImage
          Left = 0
          Top = 84
          Width = 20
          Height = 15
          Picture.Resource = 'row_internet.bmp'
          Center = True
          Transparent = True
        end
        object TweakLabel119: TLabel
          Left = 22
          Top = 85
          Caption = 'DNS-Cache optimieren'
          Transparent = True
          Hint = 'Passt Größe und Gültigkeitsdauer der Einträge des DNS-Zwischenspeichers an.'
          ShowHint = True
        end
        object Panel53: TPanel
          Left = 296
          Top = 83
          Width = 58
          Height = 17
          BevelOuter = bvNone
          Color = clWhite
          object TweakBack119: TImage
            Left = 0
            Top = 0
            Width = 58
            Height = 17
            Picture.Resource = 'row_back.bmp'
            Stretch = True
          end
          object RadioButton119: TRadioButton
            Left = 3
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
          object RadioButton120: TRadioButton
            Left = 22
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
            Checked = True
          end
          object RadioButton121: TRadioButton
            Left = 41
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
        end
        object TweakIcon122: TImage
          Left = 0
          Top = 103
          Width = 20
          Height = 15
          Picture.Resource = 'row_internet.bmp'
          Center = True
          Transparent = True
        end
        object TweakLabel122: TLabel
          Left = 22
          Top = 104
          Caption = 'Startseite auf www.kestovar.de setzen'
          Transparent = True
          Hint = 'Der Internet Explorer öffnet beim Start die Homepage von Kestovar.'
          ShowHint = True
        end
        object Panel54: TPanel
          Left = 296
          Top = 102
          Width = 58
          Height = 17
          BevelOuter = bvNone
          Color = clWhite
          object TweakBack122: TImage
            Left = 0
            Top = 0
            Width = 58
            Height = 17
            Picture.Resource = 'row_back.bmp'
            Stretch = True
          end
          object RadioButton122: TRadioButton
            Left = 3
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
          object RadioButton123: TRadioButton
            Left = 22
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
            Checked = True
          end
          object RadioButton124: TRadioButton
            Left = 41
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
        end
      end
      object Panel89: TPanel
        Left = 0
        Top = 1211
        Width = 356
        Height = 333
        BevelOuter = bvNone
        Color = clWhite
        OnMouseMove = rollover
        object SecTitleBack: TImage
          Left = 0
          Top = 0
          Width = 354
          Height = 21
          Picture.Resource = 'category_title.bmp'
        end
        object SecTitle: TLabel
          Left = 8
          Top = 4
          Caption = 'Einstellungen der Sicherheits-Optionen'
          Transparent = True
          Font.Color = clWhite
          Font.Style = [fsBold]
        end
        object SecHeader: TImage
          Left = 296
          Top = 0
          Width = 58
          Height = 21
          Picture.Resource = 'category_header.bmp'
        end
        object Label171: TLabel
          Left = 298
          Top = 2
          Width = 17
          Height = 17
          AutoSize = False
          Cursor = crHandPoint
          Hint = 'Sämtliche Tuningoptionen dieser Kategorie deaktivieren (es werden die Standardwerte geladen)'
          ShowHint = True
          Transparent = True
          OnClick = Secdeact
        end
        object Label172: TLabel
          Left = 317
          Top = 2
          Width = 17
          Height = 17
          AutoSize = False
          Cursor = crHandPoint
          Hint = 'Es werden keine Änderungen an den Tuningoptionen dieser Kategorie vorgenommen'
          ShowHint = True
          Transparent = True
          OnClick = Secnochange
        end
        object Label173: TLabel
          Left = 336
          Top = 2
          Width = 17
          Height = 17
          AutoSize = False
          Cursor = crHandPoint
          Hint = 'Sämtliche Tuningoptionen dieser Kategorie aktivieren'
          ShowHint = True
          Transparent = True
          OnClick = Secact
        end
        object TweakIcon125: TImage
          Left = 0
          Top = 27
          Width = 20
          Height = 15
          Picture.Resource = 'row_security.bmp'
          Center = True
          Transparent = True
        end
        object TweakLabel125: TLabel
          Left = 22
          Top = 28
          Caption = 'Auslagerungsdatei nach Herunterfahren leeren'
          Transparent = True
          Hint = 'Windows leert die Auslagerungsdatei beim Herunterfahren, damit keine vertraulichen Daten darin zurückbleiben.'
          ShowHint = True
        end
        object Panel55: TPanel
          Left = 296
          Top = 26
          Width = 58
          Height = 17
          BevelOuter = bvNone
          Color = clWhite
          object TweakBack125: TImage
            Left = 0
            Top = 0
            Width = 58
            Height = 17
            Picture.Resource = 'row_back.bmp'
            Stretch = True
          end
          object RadioButton125: TRadioButton
            Left = 3
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
          object RadioButton126: TRadioButton
            Left = 22
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
            Checked = True
          end
          object RadioButton127: TRadioButton
            Left = 41
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
        end
        object TweakIcon128: TImage
          Left = 0
          Top = 46
          Width = 20
          Height = 15
          Picture.Resource = 'row_security.bmp'
          Center = True
          Transparent = True
        end
        object TweakLabel128: TLabel
          Left = 22
          Top = 47
          Caption = 'zuletzt angemeldeten User beim Logon ausblenden'
          Transparent = True
          Hint = 'Das Anmeldefenster zeigt den Namen des zuletzt angemeldeten Benutzers nicht mehr an.'
          ShowHint = True
        end
        object Panel56: TPanel
          Left = 296
          Top = 45
          Width = 58
          Height = 17
          BevelOuter = bvNone
          Color = clWhite
          object TweakBack128: TImage
            Left = 0
            Top = 0
            Width = 58
            Height = 17
            Picture.Resource = 'row_back.bmp'
            Stretch = True
          end
          object RadioButton128: TRadioButton
            Left = 3
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
          object RadioButton129: TRadioButton
            Left = 22
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
            Checked = True
          end
          object RadioButton130: TRadioButton
            Left = 41
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
        end
        object TweakIcon131: TImage
          Left = 0
          Top = 65
          Width = 20
          Height = 15
          Picture.Resource = 'row_security.bmp'
          Center = True
          Transparent = True
        end
        object TweakLabel131: TLabel
          Left = 22
          Top = 66
          Caption = 'anonymen Zugriff auf Informationen beschränken'
          Transparent = True
          Hint = 'Anonyme Benutzer im Netzwerk können Benutzerkonten und Freigaben nicht mehr auflisten.'
          ShowHint = True
        end
        object Panel57: TPanel
          Left = 296
          Top = 64
          Width = 58
          Height = 17
          BevelOuter = bvNone
          Color = clWhite
          object TweakBack131: TImage
            Left = 0
            Top = 0
            Width = 58
            Height = 17
            Picture.Resource = 'row_back.bmp'
            Stretch = True
          end
          object RadioButton131: TRadioButton
            Left = 3
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
          object RadioButton132: TRadioButton
            Left = 22
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
            Checked = True
          end
          object RadioButton133: TRadioButton
            Left = 41
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
        end
        object TweakIcon134: TImage
          Left = 0
          Top = 84
          Width = 20
          Height = 15
          Picture.Resource = 'row_security.bmp'
          Center = True
          Transparent = True
        end
        object TweakLabel134: TLabel
          Left = 22
          Top = 85
          Caption = 'Scan der Registrierdatenbank verhindern'
          Transparent = True
          Hint = 'Markiert Windows als registriert, sodass keine Registrierung mehr angeboten wird.'
          ShowHint = True
        end
        object Panel58: TPanel
          Left = 296
          Top = 83
          Width = 58
          Height = 17
          BevelOuter = bvNone
          Color = clWhite
          object TweakBack134: TImage
            Left = 0
            Top = 0
            Width = 58
            Height = 17
            Picture.Resource = 'row_back.bmp'
            Stretch = True
          end
          object RadioButton134: TRadioButton
            Left = 3
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
          object RadioButton135: TRadioButton
            Left = 22
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
            Checked = True
          end
          object RadioButton136: TRadioButton
            Left = 41
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
        end
        object TweakIcon137: TImage
          Left = 0
          Top = 103
          Width = 20
          Height = 15
          Picture.Resource = 'row_security.bmp'
          Center = True
          Transparent = True
        end
        object TweakLabel137: TLabel
          Left = 22
          Top = 104
          Caption = 'Passwort-Caching deaktivieren'
          Transparent = True
          Hint = 'Kennwörter für Internetseiten werden nicht mehr zwischengespeichert.'
          ShowHint = True
        end
        object Panel59: TPanel
          Left = 296
          Top = 102
          Width = 58
          Height = 17
          BevelOuter = bvNone
          Color = clWhite
          object TweakBack137: TImage
            Left = 0
            Top = 0
            Width = 58
            Height = 17
            Picture.Resource = 'row_back.bmp'
            Stretch = True
          end
          object RadioButton137: TRadioButton
            Left = 3
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
          object RadioButton138: TRadioButton
            Left = 22
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
            Checked = True
          end
          object RadioButton139: TRadioButton
            Left = 41
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
        end
        object TweakIcon140: TImage
          Left = 0
          Top = 122
          Width = 20
          Height = 15
          Picture.Resource = 'row_security.bmp'
          Center = True
          Transparent = True
        end
        object TweakLabel140: TLabel
          Left = 22
          Top = 123
          Caption = 'Systemdateien beim nächsten Neustart überprüfen'
          Transparent = True
          Hint = 'Windows prüft beim nächsten Neustart einmal, ob die Systemdateien unverändert sind (einmalige Aktion).'
          ShowHint = True
        end
        object Panel60: TPanel
          Left = 296
          Top = 121
          Width = 58
          Height = 17
          BevelOuter = bvNone
          Color = clWhite
          object TweakBack140: TImage
            Left = 0
            Top = 0
            Width = 58
            Height = 17
            Picture.Resource = 'row_back.bmp'
            Stretch = True
          end
          object RadioButton140: TRadioButton
            Left = 3
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
          object RadioButton141: TRadioButton
            Left = 22
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
            Checked = True
            Enabled = False
          end
          object RadioButton142: TRadioButton
            Left = 41
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
        end
        object TweakIcon143: TImage
          Left = 0
          Top = 141
          Width = 20
          Height = 15
          Picture.Resource = 'row_security.bmp'
          Center = True
          Transparent = True
        end
        object TweakLabel143: TLabel
          Left = 22
          Top = 142
          Caption = 'Ausführen von Programmen aus der Hilfe unterbinden '
          Transparent = True
          Hint = 'Die Windows-Hilfe darf Programme wie cmd.exe, control.exe, msconfig.exe und attrib.exe nicht mehr starten.'
          ShowHint = True
        end
        object Panel61: TPanel
          Left = 296
          Top = 140
          Width = 58
          Height = 17
          BevelOuter = bvNone
          Color = clWhite
          object TweakBack143: TImage
            Left = 0
            Top = 0
            Width = 58
            Height = 17
            Picture.Resource = 'row_back.bmp'
            Stretch = True
          end
          object RadioButton143: TRadioButton
            Left = 3
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
          object RadioButton144: TRadioButton
            Left = 22
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
            Checked = True
          end
          object RadioButton145: TRadioButton
            Left = 41
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
        end
        object TweakIcon146: TImage
          Left = 0
          Top = 160
          Width = 20
          Height = 15
          Picture.Resource = 'row_security.bmp'
          Center = True
          Transparent = True
        end
        object TweakLabel146: TLabel
          Left = 22
          Top = 161
          Caption = 'Standard Administrator-Freigaben entfernen'
          Transparent = True
          Hint = 'Die versteckten administrativen Freigaben der Laufwerke (C$ und andere) werden nicht mehr angelegt.'
          ShowHint = True
        end
        object Panel62: TPanel
          Left = 296
          Top = 159
          Width = 58
          Height = 17
          BevelOuter = bvNone
          Color = clWhite
          object TweakBack146: TImage
            Left = 0
            Top = 0
            Width = 58
            Height = 17
            Picture.Resource = 'row_back.bmp'
            Stretch = True
          end
          object RadioButton146: TRadioButton
            Left = 3
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
          object RadioButton147: TRadioButton
            Left = 22
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
            Checked = True
          end
          object RadioButton148: TRadioButton
            Left = 41
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
        end
        object TweakIcon149: TImage
          Left = 0
          Top = 179
          Width = 20
          Height = 15
          Picture.Resource = 'row_security.bmp'
          Center = True
          Transparent = True
        end
        object TweakLabel149: TLabel
          Left = 22
          Top = 180
          Caption = 'Document Tracking in Microsoft® Office® blockieren'
          Transparent = True
          Hint = 'Microsoft Office verfolgt die Nutzung von Dokumenten nicht mehr.'
          ShowHint = True
        end
        object Panel63: TPanel
          Left = 296
          Top = 178
          Width = 58
          Height = 17
          BevelOuter = bvNone
          Color = clWhite
          object TweakBack149: TImage
            Left = 0
            Top = 0
            Width = 58
            Height = 17
            Picture.Resource = 'row_back.bmp'
            Stretch = True
          end
          object RadioButton149: TRadioButton
            Left = 3
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
          object RadioButton150: TRadioButton
            Left = 22
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
            Checked = True
          end
          object RadioButton151: TRadioButton
            Left = 41
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
        end
        object TweakIcon152: TImage
          Left = 0
          Top = 198
          Width = 20
          Height = 15
          Picture.Resource = 'row_security.bmp'
          Center = True
          Transparent = True
        end
        object TweakLabel152: TLabel
          Left = 22
          Top = 199
          Caption = 'Zwischenablage in Microsoft® Office® stummschalten'
          Transparent = True
          Hint = 'Die Office-Zwischenablage erscheint nicht mehr von selbst.'
          ShowHint = True
        end
        object Panel64: TPanel
          Left = 296
          Top = 197
          Width = 58
          Height = 17
          BevelOuter = bvNone
          Color = clWhite
          object TweakBack152: TImage
            Left = 0
            Top = 0
            Width = 58
            Height = 17
            Picture.Resource = 'row_back.bmp'
            Stretch = True
          end
          object RadioButton152: TRadioButton
            Left = 3
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
          object RadioButton153: TRadioButton
            Left = 22
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
            Checked = True
          end
          object RadioButton154: TRadioButton
            Left = 41
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
        end
        object TweakIcon194: TImage
          Left = 0
          Top = 217
          Width = 20
          Height = 15
          Picture.Resource = 'row_security.bmp'
          Center = True
          Transparent = True
        end
        object TweakLabel194: TLabel
          Left = 22
          Top = 218
          Caption = 'Menüpunkt "Ausführen" aus Startmenü entfernen'
          Transparent = True
          Hint = 'Entfernt den Eintrag "Ausführen" aus dem Startmenü.'
          ShowHint = True
        end
        object Panel92: TPanel
          Left = 296
          Top = 216
          Width = 58
          Height = 17
          BevelOuter = bvNone
          Color = clWhite
          object TweakBack194: TImage
            Left = 0
            Top = 0
            Width = 58
            Height = 17
            Picture.Resource = 'row_back.bmp'
            Stretch = True
          end
          object RadioButton194: TRadioButton
            Left = 3
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
          object RadioButton195: TRadioButton
            Left = 22
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
            Checked = True
          end
          object RadioButton196: TRadioButton
            Left = 41
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
        end
        object TweakIcon197: TImage
          Left = 0
          Top = 236
          Width = 20
          Height = 15
          Picture.Resource = 'row_security.bmp'
          Center = True
          Transparent = True
        end
        object TweakLabel197: TLabel
          Left = 22
          Top = 237
          Caption = 'Zugriffskontrolle für Diskettenlaufwerk begrenzen'
          Transparent = True
          Hint = 'Nur der angemeldete Benutzer darf auf das Diskettenlaufwerk zugreifen.'
          ShowHint = True
        end
        object Panel93: TPanel
          Left = 296
          Top = 235
          Width = 58
          Height = 17
          BevelOuter = bvNone
          Color = clWhite
          object TweakBack197: TImage
            Left = 0
            Top = 0
            Width = 58
            Height = 17
            Picture.Resource = 'row_back.bmp'
            Stretch = True
          end
          object RadioButton197: TRadioButton
            Left = 3
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
          object RadioButton198: TRadioButton
            Left = 22
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
            Checked = True
          end
          object RadioButton199: TRadioButton
            Left = 41
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
        end
        object TweakIcon200: TImage
          Left = 0
          Top = 255
          Width = 20
          Height = 15
          Picture.Resource = 'row_security.bmp'
          Center = True
          Transparent = True
        end
        object TweakLabel200: TLabel
          Left = 22
          Top = 256
          Caption = 'Zugriffskontrolle für das CD-Rom-Laufwerk'
          Transparent = True
          Hint = 'Nur der angemeldete Benutzer darf auf das CD-ROM-Laufwerk zugreifen.'
          ShowHint = True
        end
        object Panel94: TPanel
          Left = 296
          Top = 254
          Width = 58
          Height = 17
          BevelOuter = bvNone
          Color = clWhite
          object TweakBack200: TImage
            Left = 0
            Top = 0
            Width = 58
            Height = 17
            Picture.Resource = 'row_back.bmp'
            Stretch = True
          end
          object RadioButton200: TRadioButton
            Left = 3
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
          object RadioButton201: TRadioButton
            Left = 22
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
            Checked = True
          end
          object RadioButton202: TRadioButton
            Left = 41
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
        end
        object TweakIcon203: TImage
          Left = 0
          Top = 274
          Width = 20
          Height = 15
          Picture.Resource = 'row_security.bmp'
          Center = True
          Transparent = True
        end
        object TweakLabel203: TLabel
          Left = 22
          Top = 275
          Caption = 'Dateien/Ordner über Kontextmenü verschlüsseln'
          Transparent = True
          Hint = 'Ergänzt das Kontextmenü des Explorers um Einträge zum Ver- und Entschlüsseln.'
          ShowHint = True
        end
        object Panel95: TPanel
          Left = 296
          Top = 273
          Width = 58
          Height = 17
          BevelOuter = bvNone
          Color = clWhite
          object TweakBack203: TImage
            Left = 0
            Top = 0
            Width = 58
            Height = 17
            Picture.Resource = 'row_back.bmp'
            Stretch = True
          end
          object RadioButton203: TRadioButton
            Left = 3
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
          object RadioButton204: TRadioButton
            Left = 22
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
            Checked = True
          end
          object RadioButton205: TRadioButton
            Left = 41
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
        end
        object TweakIcon206: TImage
          Left = 0
          Top = 293
          Width = 20
          Height = 15
          Picture.Resource = 'row_security.bmp'
          Center = True
          Transparent = True
        end
        object TweakLabel206: TLabel
          Left = 22
          Top = 294
          Caption = 'Computer vor PIF-Datei - Missbrauch schützen'
          Transparent = True
          Hint = 'Zeigt die Endung von PIF-Dateien immer an, damit sich Schadprogramme nicht als harmlose Dateien tarnen.'
          ShowHint = True
        end
        object Panel96: TPanel
          Left = 296
          Top = 292
          Width = 58
          Height = 17
          BevelOuter = bvNone
          Color = clWhite
          object TweakBack206: TImage
            Left = 0
            Top = 0
            Width = 58
            Height = 17
            Picture.Resource = 'row_back.bmp'
            Stretch = True
          end
          object RadioButton206: TRadioButton
            Left = 3
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
          object RadioButton207: TRadioButton
            Left = 22
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
            Checked = True
          end
          object RadioButton208: TRadioButton
            Left = 41
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
        end
        object TweakIcon209: TImage
          Left = 0
          Top = 312
          Width = 20
          Height = 15
          Picture.Resource = 'row_security.bmp'
          Center = True
          Transparent = True
        end
        object TweakLabel209: TLabel
          Left = 22
          Top = 313
          Caption = 'Datei-Assoziationen schützen'
          Transparent = True
          Hint = 'Benutzer können die Zuordnung von Dateitypen zu Programmen nicht mehr ändern.'
          ShowHint = True
        end
        object Panel97: TPanel
          Left = 296
          Top = 311
          Width = 58
          Height = 17
          BevelOuter = bvNone
          Color = clWhite
          object TweakBack209: TImage
            Left = 0
            Top = 0
            Width = 58
            Height = 17
            Picture.Resource = 'row_back.bmp'
            Stretch = True
          end
          object RadioButton209: TRadioButton
            Left = 3
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
          object RadioButton210: TRadioButton
            Left = 22
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
            Checked = True
          end
          object RadioButton211: TRadioButton
            Left = 41
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
        end
      end
      object Panel88: TPanel
        Left = 0
        Top = 1550
        Width = 356
        Height = 165
        BevelOuter = bvNone
        Color = clWhite
        OnMouseMove = rollover
        object SpyTitleBack: TImage
          Left = 0
          Top = 0
          Width = 354
          Height = 21
          Picture.Resource = 'category_title.bmp'
        end
        object SpyTitle: TLabel
          Left = 8
          Top = 4
          Caption = 'Einstellungen der Anti-Sionage Optionen'
          Transparent = True
          Font.Color = clWhite
          Font.Style = [fsBold]
        end
        object SpyHeader: TImage
          Left = 296
          Top = 0
          Width = 58
          Height = 21
          Picture.Resource = 'category_header.bmp'
        end
        object Label174: TLabel
          Left = 298
          Top = 2
          Width = 17
          Height = 17
          AutoSize = False
          Cursor = crHandPoint
          Hint = 'Sämtliche Tuningoptionen dieser Kategorie deaktivieren (es werden die Standardwerte geladen)'
          ShowHint = True
          Transparent = True
          OnClick = Spydeact
        end
        object Label175: TLabel
          Left = 317
          Top = 2
          Width = 17
          Height = 17
          AutoSize = False
          Cursor = crHandPoint
          Hint = 'Es werden keine Änderungen an den Tuningoptionen dieser Kategorie vorgenommen'
          ShowHint = True
          Transparent = True
          OnClick = Spynochange
        end
        object Label176: TLabel
          Left = 336
          Top = 2
          Width = 17
          Height = 17
          AutoSize = False
          Cursor = crHandPoint
          Hint = 'Sämtliche Tuningoptionen dieser Kategorie aktivieren'
          ShowHint = True
          Transparent = True
          OnClick = Spyact
        end
        object RadioButton1: TRadioButton
          Left = 22
          Top = 25
          Width = 90
          Height = 17
          Color = clWhite
          Caption = 'einmalig'
          OnClick = RadioButton1Click
        end
        object RadioButton2: TRadioButton
          Left = 122
          Top = 25
          Width = 90
          Height = 17
          Color = clWhite
          Caption = 'dauerhaft'
          Checked = True
          OnClick = RadioButton2Click
        end
        object TweakIcon155: TImage
          Left = 0
          Top = 49
          Width = 20
          Height = 15
          Picture.Resource = 'row_antispy.bmp'
          Center = True
          Transparent = True
        end
        object TweakLabel155: TLabel
          Left = 22
          Top = 50
          Caption = 'Website-Verlauf in der Registry löschen'
          Transparent = True
          Hint = 'Löscht die im Internet Explorer eingegebenen Adressen aus der Registrierung.'
          ShowHint = True
        end
        object Panel65: TPanel
          Left = 296
          Top = 48
          Width = 58
          Height = 17
          BevelOuter = bvNone
          Color = clWhite
          object TweakBack155: TImage
            Left = 0
            Top = 0
            Width = 58
            Height = 17
            Picture.Resource = 'row_back.bmp'
            Stretch = True
          end
          object RadioButton155: TRadioButton
            Left = 3
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
          object RadioButton156: TRadioButton
            Left = 22
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
            Checked = True
          end
          object RadioButton157: TRadioButton
            Left = 41
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
        end
        object TweakIcon158: TImage
          Left = 0
          Top = 68
          Width = 20
          Height = 15
          Picture.Resource = 'row_antispy.bmp'
          Center = True
          Transparent = True
        end
        object TweakLabel158: TLabel
          Left = 22
          Top = 69
          Caption = 'automatische Internet Explorer®-Updates deaktivieren'
          Transparent = True
          Hint = 'Der Internet Explorer sucht nicht mehr von selbst nach neuen Versionen.'
          ShowHint = True
        end
        object Panel66: TPanel
          Left = 296
          Top = 67
          Width = 58
          Height = 17
          BevelOuter = bvNone
          Color = clWhite
          object TweakBack158: TImage
            Left = 0
            Top = 0
            Width = 58
            Height = 17
            Picture.Resource = 'row_back.bmp'
            Stretch = True
          end
          object RadioButton158: TRadioButton
            Left = 3
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
          object RadioButton159: TRadioButton
            Left = 22
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
            Checked = True
          end
          object RadioButton160: TRadioButton
            Left = 41
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
        end
        object TweakIcon164: TImage
          Left = 0
          Top = 87
          Width = 20
          Height = 15
          Picture.Resource = 'row_antispy.bmp'
          Center = True
          Transparent = True
        end
        object TweakLabel164: TLabel
          Left = 22
          Top = 88
          Caption = 'Einträge der zuletzt geöffnete Dokumente löschen'
          Transparent = True
          Hint = 'Löscht die Liste der zuletzt geöffneten Dokumente.'
          ShowHint = True
        end
        object Panel68: TPanel
          Left = 296
          Top = 86
          Width = 58
          Height = 17
          BevelOuter = bvNone
          Color = clWhite
          object TweakBack164: TImage
            Left = 0
            Top = 0
            Width = 58
            Height = 17
            Picture.Resource = 'row_back.bmp'
            Stretch = True
          end
          object RadioButton164: TRadioButton
            Left = 3
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
          object RadioButton165: TRadioButton
            Left = 22
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
            Checked = True
          end
          object RadioButton166: TRadioButton
            Left = 41
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
        end
        object TweakIcon167: TImage
          Left = 0
          Top = 106
          Width = 20
          Height = 15
          Picture.Resource = 'row_antispy.bmp'
          Center = True
          Transparent = True
        end
        object TweakLabel167: TLabel
          Left = 22
          Top = 107
          Caption = 'Verlauf des Mediaplayer® löschen'
          Transparent = True
          Hint = 'Löscht die Liste der zuletzt im Media Player geöffneten Dateien.'
          ShowHint = True
        end
        object Panel69: TPanel
          Left = 296
          Top = 105
          Width = 58
          Height = 17
          BevelOuter = bvNone
          Color = clWhite
          object TweakBack167: TImage
            Left = 0
            Top = 0
            Width = 58
            Height = 17
            Picture.Resource = 'row_back.bmp'
            Stretch = True
          end
          object RadioButton167: TRadioButton
            Left = 3
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
          object RadioButton168: TRadioButton
            Left = 22
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
            Checked = True
          end
          object RadioButton169: TRadioButton
            Left = 41
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
        end
        object TweakIcon170: TImage
          Left = 0
          Top = 125
          Width = 20
          Height = 15
          Picture.Resource = 'row_antispy.bmp'
          Center = True
          Transparent = True
        end
        object TweakLabel170: TLabel
          Left = 22
          Top = 126
          Caption = 'Verlauf des "Ausführen" - Dialoges  löschen'
          Transparent = True
          Hint = 'Löscht die Liste der zuletzt in Dateidialogen geöffneten Dateien.'
          ShowHint = True
        end
        object Panel70: TPanel
          Left = 296
          Top = 124
          Width = 58
          Height = 17
          BevelOuter = bvNone
          Color = clWhite
          object TweakBack170: TImage
            Left = 0
            Top = 0
            Width = 58
            Height = 17
            Picture.Resource = 'row_back.bmp'
            Stretch = True
          end
          object RadioButton170: TRadioButton
            Left = 3
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
          object RadioButton171: TRadioButton
            Left = 22
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
            Checked = True
          end
          object RadioButton172: TRadioButton
            Left = 41
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
        end
        object TweakIcon173: TImage
          Left = 0
          Top = 144
          Width = 20
          Height = 15
          Picture.Resource = 'row_antispy.bmp'
          Center = True
          Transparent = True
        end
        object TweakLabel173: TLabel
          Left = 22
          Top = 145
          Caption = 'Funktion "Verwandte Links" deaktivieren'
          Transparent = True
          Hint = 'Schaltet die Funktion "Verwandte Links" des Internet Explorers ab.'
          ShowHint = True
        end
        object Panel71: TPanel
          Left = 296
          Top = 143
          Width = 58
          Height = 17
          BevelOuter = bvNone
          Color = clWhite
          object TweakBack173: TImage
            Left = 0
            Top = 0
            Width = 58
            Height = 17
            Picture.Resource = 'row_back.bmp'
            Stretch = True
          end
          object RadioButton173: TRadioButton
            Left = 3
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
          object RadioButton174: TRadioButton
            Left = 22
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
            Checked = True
          end
          object RadioButton175: TRadioButton
            Left = 41
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
        end
      end
      object Panel86: TPanel
        Left = 0
        Top = 1721
        Width = 356
        Height = 145
        BevelOuter = bvNone
        Color = clWhite
        OnMouseMove = rollover
        object BrelkTitleBack: TImage
          Left = 0
          Top = 0
          Width = 354
          Height = 21
          Picture.Resource = 'category_title.bmp'
        end
        object BrelkTitle: TLabel
          Left = 8
          Top = 4
          Caption = 'Einstellungen zum Brelvanto Kit'
          Transparent = True
          Font.Color = clWhite
          Font.Style = [fsBold]
        end
        object BrelkHeader: TImage
          Left = 296
          Top = 0
          Width = 58
          Height = 21
          Picture.Resource = 'category_header.bmp'
        end
        object Label177: TLabel
          Left = 298
          Top = 2
          Width = 17
          Height = 17
          AutoSize = False
          Cursor = crHandPoint
          Hint = 'Sämtliche Tuningoptionen dieser Kategorie deaktivieren (es werden die Standardwerte geladen)'
          ShowHint = True
          Transparent = True
          OnClick = brelkdeact
        end
        object Label178: TLabel
          Left = 317
          Top = 2
          Width = 17
          Height = 17
          AutoSize = False
          Cursor = crHandPoint
          Hint = 'Es werden keine Änderungen an den Tuningoptionen dieser Kategorie vorgenommen'
          ShowHint = True
          Transparent = True
          OnClick = brelknochange
        end
        object Label179: TLabel
          Left = 336
          Top = 2
          Width = 17
          Height = 17
          AutoSize = False
          Cursor = crHandPoint
          Hint = 'Sämtliche Tuningoptionen dieser Kategorie aktivieren'
          ShowHint = True
          Transparent = True
          OnClick = brelkact
        end
        object TweakIcon179: TImage
          Left = 0
          Top = 27
          Width = 20
          Height = 15
          Picture.Resource = 'row_options.bmp'
          Center = True
          Transparent = True
        end
        object TweakLabel179: TLabel
          Left = 22
          Top = 28
          Caption = 'Verknüpfung im Startmenü anlegen'
          Transparent = True
          Hint = 'Legt im Startmenü einen Ordner mit Verknüpfungen zum Brelvanto Kit und zu seiner Deinstallation an.'
          ShowHint = True
        end
        object Panel73: TPanel
          Left = 296
          Top = 26
          Width = 58
          Height = 17
          BevelOuter = bvNone
          Color = clWhite
          object TweakBack179: TImage
            Left = 0
            Top = 0
            Width = 58
            Height = 17
            Picture.Resource = 'row_back.bmp'
            Stretch = True
          end
          object RadioButton179: TRadioButton
            Left = 3
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
          object RadioButton180: TRadioButton
            Left = 22
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
            Checked = True
          end
          object RadioButton181: TRadioButton
            Left = 41
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
        end
        object TweakIcon176: TImage
          Left = 0
          Top = 46
          Width = 20
          Height = 15
          Picture.Resource = 'row_options.bmp'
          Center = True
          Transparent = True
        end
        object TweakLabel176: TLabel
          Left = 22
          Top = 47
          Caption = 'Dorvask beim Systemstart ausführen'
          Transparent = True
          Hint = 'Startet Dorvask bei jedem Systemstart; darunter wählen Sie, ob es den Arbeitsspeicher verwaltet und die Anti-Spionage-Optionen ausführt.'
          ShowHint = True
        end
        object Panel72: TPanel
          Left = 296
          Top = 45
          Width = 58
          Height = 17
          BevelOuter = bvNone
          Color = clWhite
          object TweakBack176: TImage
            Left = 0
            Top = 0
            Width = 58
            Height = 17
            Picture.Resource = 'row_back.bmp'
            Stretch = True
          end
          object RadioButton176: TRadioButton
            Left = 3
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
          object RadioButton177: TRadioButton
            Left = 22
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
            Checked = True
          end
          object RadioButton178: TRadioButton
            Left = 41
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
        end
        object CheckBox2: TCheckBox
          Left = 22
          Top = 63
          Width = 220
          Height = 17
          Color = clWhite
          Caption = 'Arbeitsspeicher verwalten'
          Checked = True
        end
        object CheckBox3: TCheckBox
          Left = 22
          Top = 83
          Width = 220
          Height = 17
          Color = clWhite
          Caption = 'Anti Spionage-Optionen ausführen'
          Checked = True
        end
        object TweakIcon191: TImage
          Left = 0
          Top = 105
          Width = 20
          Height = 15
          Picture.Resource = 'row_options.bmp'
          Center = True
          Transparent = True
        end
        object TweakLabel191: TLabel
          Left = 22
          Top = 106
          Caption = 'Windows® StartButton manipulieren'
          Transparent = True
          Hint = 'Ersetzt den Startknopf von Windows durch einen eigenen mit Bild, Text und Klang; ihn gestalten Sie über das Zahnrad.'
          ShowHint = True
        end
        object Image264: TImage
          Left = 276
          Top = 104
          Width = 16
          Height = 16
          Picture.Resource = 'gear.bmp'
          Transparent = True
          OnMouseMove = Image264MouseMove
        end
        object Image263: TImage
          Left = 276
          Top = 104
          Width = 16
          Height = 16
          Picture.Resource = 'gear_over.bmp'
          Transparent = True
          Visible = False
          Cursor = crHandPoint
          OnClick = Image263Click
        end
        object Panel87: TPanel
          Left = 296
          Top = 104
          Width = 58
          Height = 17
          BevelOuter = bvNone
          Color = clWhite
          object TweakBack191: TImage
            Left = 0
            Top = 0
            Width = 58
            Height = 17
            Picture.Resource = 'row_back.bmp'
            Stretch = True
          end
          object RadioButton191: TRadioButton
            Left = 2
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
          object RadioButton192: TRadioButton
            Left = 21
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
            Checked = True
          end
          object RadioButton193: TRadioButton
            Left = 40
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
        end
        object TweakIcon232: TImage
          Left = 0
          Top = 124
          Width = 20
          Height = 15
          Picture.Resource = 'row_options.bmp'
          Center = True
          Transparent = True
        end
        object TweakLabel232: TLabel
          Left = 22
          Top = 125
          Caption = 'Ordner als Laufwerk mounten'
          Transparent = True
          Hint = 'Bindet einen Ordner unter einem eigenen Laufwerksbuchstaben ein; Ordner und Buchstaben wählen Sie über das Zahnrad.'
          ShowHint = True
        end
        object Image305: TImage
          Left = 276
          Top = 123
          Width = 16
          Height = 16
          Picture.Resource = 'gear.bmp'
          Transparent = True
          OnMouseMove = Image305MouseMove
        end
        object Image306: TImage
          Left = 276
          Top = 123
          Width = 16
          Height = 16
          Picture.Resource = 'gear_over.bmp'
          Transparent = True
          Visible = False
          Cursor = crHandPoint
          OnClick = Image306Click
        end
        object Panel106: TPanel
          Left = 296
          Top = 123
          Width = 58
          Height = 17
          BevelOuter = bvNone
          Color = clWhite
          object TweakBack232: TImage
            Left = 0
            Top = 0
            Width = 58
            Height = 17
            Picture.Resource = 'row_back.bmp'
            Stretch = True
          end
          object RadioButton232: TRadioButton
            Left = 2
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
          object RadioButton231: TRadioButton
            Left = 21
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
            Checked = True
          end
          object RadioButton230: TRadioButton
            Left = 40
            Top = 0
            Width = 15
            Height = 17
            Color = clWhite
          end
        end
      end
      object GroupBox2: TGroupBox
        Left = 2
        Top = 1872
        Width = 352
        Height = 44
        Caption = ' Tuningoptionen übernehmen für ...  '
        Color = clWhite
        OnMouseMove = rollover
        object RadioButton3: TRadioButton
          Left = 10
          Top = 18
          Width = 160
          Height = 17
          Color = clWhite
          Caption = 'angemeldeten Benutzer'
          Checked = True
        end
        object RadioButton4: TRadioButton
          Left = 180
          Top = 18
          Width = 150
          Height = 17
          Color = clWhite
          Caption = 'alle Benutzer '
        end
      end
    end
    object Image72: TImage
      Left = 6
      Top = 150
      Width = 16
      Height = 16
      Picture.Resource = 'link_arrow.bmp'
      Transparent = True
      OnMouseMove = tuningrolloverp2
    end
    object Image73: TImage
      Left = 6
      Top = 150
      Width = 16
      Height = 16
      Picture.Resource = 'link_arrow_over.bmp'
      Transparent = True
      Visible = False
      Cursor = crHandPoint
      OnClick = tuning
    end
    object Label36: TLabel
      Left = 26
      Top = 151
      Caption = 'Tuningprozedur starten >'
      Transparent = True
      Cursor = crHandPoint
      OnClick = tuning
      OnMouseMove = tuningrolloverp2
    end
    object Gauge1: TGauge
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
end
