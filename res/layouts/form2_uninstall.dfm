inherited Form2: TForm2
  inherited afterrestart: TPanel
    object brelkdeleteimgnormal: TImage
      Left = 200
      Top = 8
      Width = 16
      Height = 16
      Cursor = crHandPoint
      Picture.Resource = 'link_arrow.bmp'
      Transparent = True
      OnMouseMove = brelkdeleteimgnormalMouseMove
    end
    object brelkdeleteimgover: TImage
      Left = 200
      Top = 8
      Width = 16
      Height = 16
      Cursor = crHandPoint
      Picture.Resource = 'link_arrow_over.bmp'
      Transparent = True
      Visible = False
      OnClick = backstartp8
    end
    object brelkdeletestartlab: TLabel
      Left = 220
      Top = 9
      Cursor = crHandPoint
      Caption = 'Uninstall starten >'
      Font.Color = clBlack
      Transparent = True
      OnClick = backstartp8
      OnMouseMove = brelkdeleteimgnormalMouseMove
    end
    object brelkdeletelistbox: TListBox
      Left = 8
      Top = 56
      Width = 364
      Height = 96
      TabOrder = 0
    end
    object deletebrelkbutton: TButton
      Left = 8
      Top = 158
      Width = 240
      Height = 25
      Caption = 'Brelvanto Kit - Dateien jetzt löschen'
      TabOrder = 1
      OnClick = deletebrelkbuttonClick
    end
  end
end
