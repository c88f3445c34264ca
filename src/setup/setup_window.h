// TForm1 of the installer: the skinned window of setup.exe, its copy job and the progress
// display that ends it.
#pragma once

#include "platform/platform.h"
#include "setup/install_job.h"
#include "ui/form.h"
#include "ui/resources.h"

#include <optional>

namespace ui {
class ClassRegistry;
}

namespace setup {

class SetupWindow : public ui::Form {
  public:
    SetupWindow(ui::Application& app, platform::Platform& platform,
                const ui::ResourceStore& resources);

  private:
    // Failed: the job ended without a complete installation; "fortfahren >" may try again.
    enum class JobState { NotStarted, Running, Done, Failed };

    void formCreate();
    void start();
    void runJob();
    void progress();
    void finish();
    void beenden();
    // Shows the hover or the normal glyph of each of the two links.
    void showGlyphs(bool fortfahrenHover, bool beendenHover);
    void hover(const char* label, bool fortfahren, bool beenden);
    void rolloverReset();

    platform::Platform& platform_;
    JobState job_ = JobState::NotStarted;
    // Set when the job ran to its end; without it a job that was started ended by an error.
    std::optional<InstallReport> report_;
};

// The classes of the installer's layout: the class library's and TmShortcut.
const ui::ClassRegistry& setupClasses();

int runSetup(ui::Application& app, platform::Platform& platform,
             const ui::ResourceStore& resources);

} // namespace setup
