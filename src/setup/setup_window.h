// TForm1 of the installer: the skinned window of setup.exe.
#pragma once

#include "platform/platform.h"
#include "ui/form.h"
#include "ui/resources.h"

namespace setup {

class SetupWindow : public ui::Form {
  public:
    SetupWindow(ui::Application& app, platform::Platform& platform,
                const ui::ResourceStore& resources);

  private:
    void formCreate();
    void beenden();
    // Hover looks of the two links; a move over the background resets both.
    void showHover(bool fortfahren, bool beenden);

    platform::Platform& platform_;
};

int runSetup(ui::Application& app, platform::Platform& platform,
             const ui::ResourceStore& resources);

} // namespace setup
