// A layout fragment with the main-window components of other subsystems that the shell reaches
// by name, for tests that build the main window before those subsystems are part of it.
#pragma once

namespace testing_support {

// Controls of the tuning page, the gauges, the restore-point links and a tall start page.
inline const char* const kShellNeighbours = R"(inherited Form2: TForm2
  inherited ScrollBox1: TScrollBox
    object Edit1: TEdit
      Text = 'layout'
      OnMouseMove = Edit1rollover
    end
    object Edit2: TEdit
      ReadOnly = True
      OnClick = Edit2Click
    end
    object Edit3: TEdit
      Text = 'layout'
      OnMouseMove = Edit3rollover
    end
    object Edit4: TEdit
      Text = 'layout'
      OnMouseMove = Edit4rollover
    end
    object Edit7: TEdit
      ReadOnly = True
      OnClick = Edit7Click
    end
    object RadioButton4: TRadioButton
    end
    object Panel25: TPanel
      object RadioButton41: TRadioButton
      end
      object RadioButton42: TRadioButton
      end
      object RadioButton43: TRadioButton
        Checked = True
      end
    end
    object Panel38: TPanel
      object RadioButton80: TRadioButton
        Checked = True
      end
      object RadioButton81: TRadioButton
      end
      object RadioButton82: TRadioButton
      end
    end
    object Panel40: TPanel
      object RadioButton86: TRadioButton
      end
      object RadioButton87: TRadioButton
      end
      object RadioButton88: TRadioButton
      end
    end
    object Panel53: TPanel
      object RadioButton119: TRadioButton
      end
      object RadioButton120: TRadioButton
      end
      object RadioButton121: TRadioButton
      end
    end
    object Panel100: TPanel
      object RadioButton218: TRadioButton
      end
      object RadioButton219: TRadioButton
      end
      object RadioButton220: TRadioButton
        Checked = True
      end
    end
    object Panel101: TPanel
      object RadioButton221: TRadioButton
      end
      object RadioButton222: TRadioButton
      end
      object RadioButton223: TRadioButton
      end
    end
    object Panel102: TPanel
      object RadioButton224: TRadioButton
      end
      object RadioButton225: TRadioButton
      end
      object RadioButton226: TRadioButton
      end
    end
    object Panel103: TPanel
      object RadioButton227: TRadioButton
      end
      object RadioButton228: TRadioButton
      end
      object RadioButton229: TRadioButton
      end
    end
    object Label204: TLabel
    end
    object Image243: TImage
    end
    object Label208: TLabel
    end
    object Image246: TImage
    end
  end
  inherited Panel2: TPanel
    object Image72: TImage
      Visible = False
    end
    object Image73: TImage
    end
    object Label36: TLabel
      Font.Color = clGreen
    end
    object Gauge1: TGauge
    end
  end
  inherited Panel8: TPanel
    object Gauge3: TGauge
    end
  end
  inherited Panel9: TPanel
    object Gauge2: TGauge
    end
  end
  inherited ScrollBox2: TScrollBox
    object TallContent: TLabel
      Top = 150
      Width = 600
      Height = 400
    end
  end
  object Timer1: TTimer
    Interval = 1000
  end
end
)";

} // namespace testing_support
