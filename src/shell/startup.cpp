#include "shell/startup.h"

#include "shell/ini_integer.h"
#include "shell/main_window.h"
#include "shell/pages.h"
#include "shell/show_mem_size.h"
#include "shell/startbutton_settings.h"
#include "shell/windows2000_restrictions.h"
#include "shell/windows_helpers.h"
#include "ui/application.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"

#include <optional>

namespace brelk {
namespace {

using platform::RootKey;

constexpr const char* kAskForAdministrator =
    "Bitte melden Sie sich als Administrator an um das Programm in seinem vollen Umfang nutzen "
    "zu können.";
constexpr const char* kServersUnreachable =
    "Die PremiumServer ist nicht erreichbar. Vergewissern Sie sich, dass Sie mit dem Internet "
    "verbunden sind um die Premium OnlineServices nutzen zu können.";
constexpr const char* kIncompatibleWindows =
    "Das Brelvanto Kit ist nicht mit dieser Windowsversion kompatibel";

constexpr const char* kWindowsNtVersionKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
constexpr const char* kWindowsVersionKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
constexpr std::size_t kProgramFilesDirMax = 100;
constexpr int kMaxBackupSlots = 20;

// A string value as the program reads it: a missing value is empty; a value of another type
// is skipped and the field keeps its text.
std::optional<std::string> registryText(const platform::RegistryKey& key, const char* name) {
    const auto read = key.readString(name);
    if (read.status == platform::ReadStatus::WrongType) return std::nullopt;
    return read.value;
}

void fillFromRegistry(MainWindow& w, const platform::RegistryKey& key, const char* value,
                      const char* edit) {
    if (auto text = registryText(key, value)) w.c<ui::Edit>(edit).setText(*text);
}

void FormCreate(MainWindow& w) {
    showmemsize(w);
    auto& app = w.app();
    app.setHintPause(100);
    app.setHintHidePause(10000);
    app.setHintColor(ui::colors::White);
    auto& files = w.ctx.platform.files;
    const std::string ini = w.ctx.modulesFile("brelk.ini");
    if (!files.fileExists(ini)) return;
    // A settings file copied from a CD is read-only; the program writes to it later.
    files.setAttributes(ini, 0);
    const auto number =
        parseIniInteger(w.ctx.platform.profiles.readString(ini, "Backup", "number", ""));
    if (number && *number >= 0 && *number <= kMaxBackupSlots) w.state.backupcount = *number;
}

// Version, first-start flag and the terms page or the menu.
void readProgramSettings(MainWindow& w) {
    auto& version = w.c<ui::Label>("Label5");
    const std::string ini = w.ctx.modulesFile("brelk.ini");
    if (!w.ctx.platform.files.fileExists(ini)) {
        version.setCaption("no brelk.ini found");
        return;
    }
    auto& profiles = w.ctx.platform.profiles;
    version.setCaption(profiles.readString(ini, "Options", "version", "label5.caption"));
    const std::string firststart =
        profiles.readString(ini, "Options", "firststart", w.state.firststartflag);
    w.state.firststartflag = firststart.substr(0, 1);
    if (w.state.firststartflag == "1") {
        openPage(w, 3);
    } else {
        enableMenu(w);
    }
}

// The installer and updater find the program through this value.
void recordProgramFolder(MainWindow& w) {
    if (auto key = w.ctx.platform.registry.createKey(RootKey::LocalMachine, "SOFTWARE\\Kestovar")) {
        key->setValue("path", platform::RegistryValue::fromString(w.ctx.programFolder));
    }
}

void readRegisteredUser(MainWindow& w) {
    auto key = w.ctx.platform.registry.openKey(RootKey::LocalMachine, kWindowsNtVersionKey,
                                               platform::KeyAccess::Read);
    if (!key) return;
    fillFromRegistry(w, *key, "RegisteredOwner", "Edit3");
    fillFromRegistry(w, *key, "RegisteredOrganization", "Edit4");
}

void readWindowsVersion(MainWindow& w) {
    auto& registry = w.ctx.platform.registry;
    if (auto key = registry.openKey(RootKey::LocalMachine, kWindowsNtVersionKey,
                                    platform::KeyAccess::Read)) {
        fillFromRegistry(w, *key, "ProductName", "Edit7");
        fillFromRegistry(w, *key, "PathName", "Edit1");
    }
    // Every path into the Windows folder is built on Edit1; without PathName (Wine has none)
    // the system's own Windows folder stands in, rather than a drive root.
    auto& windowsFolder = w.c<ui::Edit>("Edit1");
    if (windowsFolder.text().empty()) windowsFolder.setText(w.ctx.platform.system.windowsFolder());
    if (auto key = registry.openKey(RootKey::LocalMachine, kWindowsVersionKey,
                                    platform::KeyAccess::Read)) {
        if (auto dir = registryText(*key, "ProgramFilesDir")) {
            w.state.programFilesDir = dir->substr(0, kProgramFilesDirMax);
        }
    }
}

// The server fields, and when the user asked for it, the test whether one of them answers.
void readServers(MainWindow& w) {
    auto& profiles = w.ctx.platform.profiles;
    const std::string ini = w.ctx.modulesFile("oservices.ini");
    const std::string server1 = profiles.readString(ini, "Onlineservices", "Server1", "");
    const std::string server2 = profiles.readString(ini, "Onlineservices", "Server2", "");
    w.c<ui::Edit>("Edit8").setText("http://" + server1);
    w.c<ui::Edit>("Edit9").setText("http://" + server2);
    if (!w.c<ui::CheckBox>("CheckBox1").checked()) return;
    if (w.hooks.serverAnswers(w, server1)) return;
    if (w.hooks.serverAnswers(w, server2)) return;
    w.app().showMessage(kServersUnreachable);
}

void iniread(MainWindow& w) {
    auto& ctx = w.ctx;
    w.c<ui::Memo>("Memo3").clear();
    if (!IsUserAdmin(ctx.platform.security)) {
        w.app().showMessage(kAskForAdministrator);
        applyRefusalLayout(w);
        return;
    }
    w.state.restoremode = 0;
    const std::string oservices = ctx.modulesFile("oservices.ini");
    if (ctx.platform.files.fileExists(oservices) &&
        ctx.platform.profiles.readString(oservices, "Onlineservices", "ping", "ping") == "yes") {
        w.c<ui::CheckBox>("CheckBox1").setChecked(true);
    }
    readProgramSettings(w);
    recordProgramFolder(w);
    readRegisteredUser(w);
    readWindowsVersion(w);
    readServers(w);
    // The program's work folder inside the Windows folder; it may exist already.
    const std::string windowsFolder = w.c<ui::Edit>("Edit1").text();
    if (!windowsFolder.empty()) ctx.platform.files.createDirectory(windowsFolder + "\\brelk");
    const std::string product = w.c<ui::Edit>("Edit7").text();
    if (product.empty()) {
        w.app().showMessage(kIncompatibleWindows);
        applyRefusalLayout(w);
        return;
    }
    if (product == "Microsoft Windows 2000") applyWindows2000Restrictions(w);
    loadStartButtonSettings(w);
    w.hooks.showBackups(w);
    // At a first start the terms page comes back in place of the backups page shown just now,
    // and is the current page again, so that the wheel scrolls the text the user is reading.
    if (w.state.firststartflag == "1") openPage(w, 3);
}

} // namespace

void applyRefusalLayout(MainWindow& w) {
    // The menu may have been enabled by the settings read before the Windows version test;
    // after a refusal the user can only end the program.
    enableMenu(w, false);
    showPage(w, "Panel10");
    w.c<ui::Label>("Label92").hide();
    w.c<ui::Image>("Image16").hide();
}

void bindStartupHandlers(MainWindow& w) {
    w.bind("FormCreate", [&w](ui::Event&) { FormCreate(w); });
    w.bind("iniread", [&w](ui::Event&) { iniread(w); });
}

} // namespace brelk
