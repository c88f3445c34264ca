// A layout fragment with the main-window components of other subsystems that the shell reaches
// by name, for tests that build the main window before those subsystems are part of it.
#pragma once

namespace testing_support {

// A tall start page, so that the wheel has something to scroll.
inline const char* const kShellNeighbours = R"(inherited Form2: TForm2
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
