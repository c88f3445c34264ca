#include "setup/setup_window.h"

#include "ui/application.h"
#include "ui/class_registry.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"

namespace setup {

SetupWindow::SetupWindow(ui::Application& app, platform::Platform& platform,
                         const ui::ResourceStore& resources)
    : ui::Form(app, "TForm1"), platform_(platform) {
    bind("FormCreate", [this](ui::Event&) { formCreate(); });
    bind("beenden", [this](ui::Event&) { beenden(); });
    bind("rollover", [this](ui::Event&) { showHover(false, false); });
    bind("rollover2", [this](ui::Event&) { showHover(true, false); });
    bind("rollover3", [this](ui::Event&) { showHover(false, true); });
    // The copy job and its progress display come with the installer's own work.
    bind("start", [](ui::Event&) {});
    bind("progress", [](ui::Event&) {});
    loadLayoutResource("setup.dfm", ui::ClassRegistry::standard(), resources);
}

void SetupWindow::formCreate() {
    auto key =
        platform_.registry.createKey(platform::RootKey::LocalMachine, "\\SOFTWARE\\Kestovar");
    if (!key) return;
    auto path = key->readString("path");
    get<ui::Edit>("Edit1").setText(path.ok() ? path.value : "");
}

void SetupWindow::beenden() {
    platform_.files.deleteFile("c:\\brelk.bat");
    app().terminate();
}

void SetupWindow::showHover(bool fortfahren, bool beenden) {
    get<ui::Image>("Image5").setVisible(fortfahren);
    get<ui::Image>("Image4").setVisible(beenden);
    get<ui::Label>("Label5").setFontColor(fortfahren ? ui::colors::Green : ui::colors::Black);
    get<ui::Label>("Label4").setFontColor(beenden ? ui::colors::Green : ui::colors::Black);
}

int runSetup(ui::Application& app, platform::Platform& platform,
             const ui::ResourceStore& resources) {
    app.setTitle("Brelvanto Kit Installer");
    auto& window = app.createForm(std::make_unique<SetupWindow>(app, platform, resources));
    window.show();
    app.run();
    return 0;
}

} // namespace setup
