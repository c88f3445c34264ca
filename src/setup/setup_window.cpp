#include "setup/setup_window.h"

#include "platform/clock.h"
#include "platform/path_text.h"
#include "setup/m_shortcut.h"
#include "ui/application.h"
#include "ui/class_registry.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"

namespace setup {

namespace {

// The list boxes that keep the sources: paths of S, modules, skins, web, then their names.
constexpr const char* kPathLists[kSourceFolderCount] = {"ListBox1", "ListBox2", "ListBox3",
                                                        "ListBox4"};
constexpr const char* kNameLists[kSourceFolderCount] = {"ListBox5", "ListBox6", "ListBox7",
                                                        "ListBox8"};

void append(ui::ListBox& list, const std::vector<std::string>& items) {
    for (const auto& item : items)
        list.addItem(item);
}

} // namespace

const ui::ClassRegistry& setupClasses() {
    static const ui::ClassRegistry classes = [] {
        ui::ClassRegistry r = ui::ClassRegistry::standard();
        r.add<TmShortcut>("TmShortcut");
        return r;
    }();
    return classes;
}

SetupWindow::SetupWindow(ui::Application& app, platform::Platform& platform,
                         const ui::ResourceStore& resources)
    : ui::Form(app, "TForm1"), platform_(platform) {
    bind("FormCreate", [this](ui::Event&) { formCreate(); });
    bind("start", [this](ui::Event&) { start(); });
    bind("progress", [this](ui::Event&) { progress(); });
    bind("beenden", [this](ui::Event&) { beenden(); });
    bind("rollover", [this](ui::Event&) { hover("Label5", true, false); });
    bind("rollover2", [this](ui::Event&) { rolloverReset(); });
    bind("rollover3", [this](ui::Event&) { hover("Label4", false, true); });
    loadLayoutResource("setup.dfm", setupClasses(), resources);
}

void SetupWindow::formCreate() {
    auto key =
        platform_.registry.createKey(platform::RootKey::LocalMachine, "\\SOFTWARE\\Kestovar");
    if (!key) return;
    auto path = key->readString("path");
    get<ui::Edit>("Edit1").setText(path.ok() ? path.value : "");
}

void SetupWindow::start() {
    // A running or finished job ignores a further click; after a failed one the user may have
    // corrected the cause and tries again.
    if (job_ != JobState::NotStarted && job_ != JobState::Failed) return;
    job_ = JobState::Running;
    report_.reset();
    try {
        runJob();
    } catch (...) {
        job_ = JobState::Done; // without a report: the progress display reports the failure
        throw;
    }
    job_ = JobState::Done;
}

void SetupWindow::runJob() {
    const std::string source = platform_.files.programFolder();
    platform::SteadyClock clock;
    platform::KeepAlive keepAlive([this] { app().processMessages(); }, clock);
    auto found = listSources(platform_.files, source, keepAlive);
    std::array<SourceFiles, kSourceFolderCount> sources;
    for (std::size_t i = 0; i < kSourceFolderCount; ++i) {
        auto& paths = get<ui::ListBox>(kPathLists[i]);
        auto& names = get<ui::ListBox>(kNameLists[i]);
        // A retry lists the sources afresh, so that no file is handled twice.
        paths.clear();
        names.clear();
        append(paths, found[i].paths);
        append(names, found[i].names);
        sources[i] = {paths.items(), names.items()};
    }

    get<ui::Edit>("Edit1").hide();
    get<ui::Timer>("Timer2").setEnabled(true);
    get<ui::ProgressBar>("ProgressBar1").setPosition(0);
    get<ui::ProgressBar>("ProgressBar1").show();

    auto& edit = get<ui::Edit>("Edit1");
    edit.setText(platform::withoutTrailingBackslash(edit.text()));
    report_ = runInstall(platform_, source, edit.text(), sources);
}

void SetupWindow::progress() {
    auto& bar = get<ui::ProgressBar>("ProgressBar1");
    // The bar waits at its last step while the file search still runs.
    if (job_ == JobState::Running && bar.position() + 1 >= bar.max()) return;
    bar.setPosition(bar.position() + 1);
    if (bar.position() >= bar.max()) finish();
}

void SetupWindow::finish() {
    get<ui::Timer>("Timer2").setEnabled(false);
    get<ui::Label>("Label1").setCaption(outcomeText(report_ ? &*report_ : nullptr));
    if (!report_ || !report_->complete()) {
        // The field comes back so that the user can correct the folder and try again.
        job_ = JobState::Failed;
        get<ui::Edit>("Edit1").show();
        return;
    }
    // The tuning program is started only over a complete installation.
    if (!get<ui::CheckBox>("CheckBox1").checked()) return;
    const std::string target = get<ui::Edit>("Edit1").text();
    platform_.shell.execute("open", target + "\\brelk.exe", "", target,
                            platform::showcmd::minimized);
}

void SetupWindow::beenden() {
    platform_.files.deleteFile("c:\\brelk.bat");
    app().terminate();
}

void SetupWindow::showGlyphs(bool fortfahrenHover, bool beendenHover) {
    get<ui::Image>("Image2").setVisible(!fortfahrenHover);
    get<ui::Image>("Image5").setVisible(fortfahrenHover);
    get<ui::Image>("Image13").setVisible(!beendenHover);
    get<ui::Image>("Image4").setVisible(beendenHover);
}

void SetupWindow::hover(const char* label, bool fortfahren, bool beenden) {
    showGlyphs(fortfahren, beenden);
    get<ui::Label>(label).setFontColor(ui::colors::Green);
}

void SetupWindow::rolloverReset() {
    showGlyphs(false, false);
    for (const char* label : {"Label5", "Label4"})
        get<ui::Label>(label).setFontColor(ui::colors::Black);
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
