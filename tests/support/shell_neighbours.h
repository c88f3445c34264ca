// A layout fragment with the main-window components of other subsystems that the shell reaches
// by name, for tests that build the main window before those subsystems are part of it.
#pragma once

namespace testing_support {

// The restore-point links and a tall start page.
inline const char* const kShellNeighbours = R"(inherited Form2: TForm2
  inherited ScrollBox1: TScrollBox
    object Label204: TLabel
    end
    object Image243: TImage
    end
    object Label208: TLabel
    end
    object Image246: TImage
    end
  end
  inherited ScrollBox2: TScrollBox
    object TallContent: TLabel
      Top = 150
      Width = 600
      Height = 400
    end
  end
end
)";

} // namespace testing_support
