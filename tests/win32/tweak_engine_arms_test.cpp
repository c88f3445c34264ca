// The appearance, internet, security, anti-spying and program-option rows on the real registry
// under Wine: every category at activate, then at deactivate, read back from the registry, and
// the start-menu shortcuts resolved to their targets through the shell's link object.
#include "tweak_engine_env.h"
#include "tweaks/tuning_run.h"

#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

namespace {

using platform::RootKey;

constexpr RootKey LM = RootKey::LocalMachine;
constexpr RootKey CU = RootKey::CurrentUser;
constexpr RootKey CR = RootKey::ClassesRoot;

constexpr const char* kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kBrowserMain = "Software\\Microsoft\\Internet Explorer\\Main";

// One value and what it holds after each run; nothing when it must be missing. Numbers are
// given as decimal text.
struct Value {
    RootKey root;
    const char* key;
    const char* name;
    std::optional<std::string> activated, deactivated;
};

const std::vector<Value>& values() {
    static const std::vector<Value> all = {
        {CR, "Paint.Picture\\DefaultIcon", "", "%1", "Bitmap"},
        {CR, "lnkfile", "ISShortcut", std::nullopt, ""},
        {CR, "piffile", "ISShortcut", std::nullopt, ""},
        {CU, "Control Panel\\Desktop", "PaintDesktopVersion", "1", "0"},
        {CU, kBrowserMain, "Window Title", "Surfen mit Brelk", "Surfen mit Brelk"},
        {CU,
         "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Clsid\\"
         "{20D04FE0-3AEA-1069-A2D8-08002B30309D} ",
         "", "Mein Rechner", "Mein Rechner"},
        {LM, "SYSTEM\\CurrentControlSet\\Services\\tcpip\\Parameters", "EnableDeadGWDetect", "1",
         std::nullopt},
        {LM, "SYSTEM\\CurrentControlSet\\Services\\Dnscache\\Parameters",
         "MaxSOACacheEntryTtlLimit", "301", "301"},
        {CU, kBrowserMain, "Start Page", "http://www.brelvanto.example/", "about:blank"},
        {LM, "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management",
         "ClearPageFileAtShutdown", "1", std::nullopt},
        {LM, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon", "DontDisplayLastUserName",
         "2", "0"},
        {LM, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "RegDone", "1", ""},
        {CU, "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings",
         "DisablePasswortCaching", "1", "0"},
        {CU, "Policies\\Microsoft\\Windows\\System", "DisableInHelp",
         "cmd.exe;control.exe;msconfig.exe;attrib.exe", std::nullopt},
        {CU, "Software\\Microsoft\\Office\\kein Office.0\\Common\\General", "NoTrack", "1",
         std::nullopt},
        {CU, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer", "NoRun", "1",
         std::nullopt},
        {LM, "Software\\Microsoft\\WindowsNT\\CurrentVersion\\Winlogon", "AllocateFloppies", "1",
         std::nullopt},
        {CR, "piffile", "AlwaysShowExt", "", std::nullopt},
        {CR, "piffile", "NeverShowExt", std::nullopt, ""},
        {LM, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies", "NoFileAssociate", "1",
         std::nullopt},
        {CU, kBrowserMain, "NoUpdateCheck", "1", "0"},
        {CU, kRun, "brelkdorvask", "modules\\dorvask.exe", std::nullopt},
        {CU, kRun, "brelkpelloquin", "modules\\pelloquin.exe", std::nullopt},
        {CU, kRun, "brelkmervane", "modules\\mervane.exe", "modules\\mervane.exe"},
    };
    return all;
}

// The target and description of a shell link file.
std::pair<std::string, std::string> resolveLink(const std::string& linkFile) {
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link))))
        return {};
    std::pair<std::string, std::string> out;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        std::wstring wide(linkFile.begin(), linkFile.end());
        if (SUCCEEDED(file->Load(wide.c_str(), STGM_READ))) {
            char text[MAX_PATH] = {};
            if (SUCCEEDED(link->GetPath(text, MAX_PATH, nullptr, 0))) out.first = text;
            if (SUCCEEDED(link->GetDescription(text, MAX_PATH))) out.second = text;
        }
        file->Release();
    }
    link->Release();
    return out;
}

struct Win32Arms : ::testing::Test {
    tweak_test::Win32Engine e;
    platform::Registry& reg = e.platform->registry;
    std::string programs = e.scratch + "Programme";
    std::string mountFolder = e.scratch + "Eigene Bilder";

    Win32Arms() {
        e.window->c<ui::Edit>("Edit8").setText("http://www.brelvanto.example");
        tweak_test::setDialogField(*e.form7, "Edit5", "Surfen mit Brelk");
        tweak_test::setDialogField(*e.form7, "Edit4", "Mein Rechner");
        tweak_test::setDialogField(*e.form7, "Edit11", mountFolder);
        tweak_test::setDialogField(*e.form7, "Edit12", "X");
        e.platform->files.createDirectory(programs);
        e.platform->files.createDirectory(mountFolder);
        e.shell.folders[platform::csidl::programs] = programs;
    }

    std::optional<std::string> valueText(RootKey root, const std::string& key,
                                         const std::string& name) {
        auto k = reg.openKey(root, key, platform::KeyAccess::Read);
        if (!k) return std::nullopt;
        if (auto s = k->readString(name); s.ok()) return s.value;
        if (auto n = k->readInteger(name); n.ok()) return std::to_string(n.value);
        return std::nullopt;
    }
    void runAll(bool activate) {
        e.window->show();
        e.window->c<ui::Panel>("Panel2").show();
        for (auto [deact, act] : {std::pair{"Label167", "Label165"},
                                  {"Label168", "Label170"},
                                  {"Label171", "Label173"},
                                  {"Label174", "Label176"},
                                  {"Label177", "Label179"}})
            e.window->c<ui::Label>(activate ? act : deact).click();
        e.window->c<ui::Label>("Label36").click();
    }
    void expectValues(bool activate) {
        for (const Value& v : values()) {
            std::optional<std::string> wanted = activate ? v.activated : v.deactivated;
            if (wanted && wanted->rfind("modules\\", 0) == 0) wanted = e.scratch + *wanted;
            EXPECT_EQ(valueText(v.root, v.key, v.name), wanted) << v.key << " " << v.name;
        }
    }
};

TEST_F(Win32Arms, CategoriesAtActivateThenDeactivate) {
    const std::string ini = e.scratch + "modules\\brelk.ini";
    e.platform->profiles.writeString(ini, "Options", "pelloquin", "0");
    const std::string runOnce = "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";

    runAll(true);
    EXPECT_TRUE(e.h.dialogs.messages.empty());
    expectValues(true);
    EXPECT_TRUE(reg.keyExists(CU, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\"
                                  "UserAssist\\{5E6AB780-7743-11CF-A12B-00AA004AE837}\\Count"));
    EXPECT_EQ(valueText(CU, runOnce, "brelkmountmgr"), "subst X: \"" + mountFolder + "\"");
    EXPECT_EQ(e.platform->profiles.readString(ini, "Options", "pelloquin", ""), "1");
    EXPECT_EQ(e.shell.started,
              (std::vector<std::string>{"open ipconfig [/flushdns]",
                                        "open " + e.scratch + "modules\\pelloquin.exe []",
                                        "open sfc [/scanonce]"}));

    const std::string folder = programs + "\\Brelvanto Kit";
    auto program = resolveLink(folder + "\\Brelvanto Kit 2005.lnk");
    EXPECT_EQ(program.first, e.scratch + "brelk.exe");
    EXPECT_EQ(program.second, "Brelvanto Kit 2005 starten");
    auto uninstall = resolveLink(folder + "\\Uninstall.lnk");
    EXPECT_EQ(uninstall.first, e.scratch + "uninstall.exe");
    EXPECT_EQ(uninstall.second, "Brelvanto Kit 2005 deinstallieren");

    e.shell.started.clear();
    runAll(false);
    EXPECT_TRUE(e.h.dialogs.messages.empty());
    expectValues(false);
    EXPECT_EQ(valueText(CU, runOnce, "brelkmountmgr"), "subst X: /D");
    EXPECT_EQ(e.platform->profiles.readString(ini, "Options", "pelloquin", ""), "0");
    EXPECT_TRUE(e.shell.started.empty());
    EXPECT_FALSE(e.platform->files.directoryExists(folder));
    EXPECT_TRUE(e.platform->files.directoryExists(programs));
}

} // namespace

namespace {

TEST(Win32StartButton, TheTaskbarsFirstButtonIsShownAgain) {
    platform::Win32Desktop desktop{platform::DisplayChanges::TestOnly};
    HINSTANCE instance = GetModuleHandleA(nullptr);
    // The session's taskbar, or one of the test's own.
    HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
    HWND ownTaskbar = nullptr;
    if (!taskbar) {
        EXPECT_FALSE(desktop.showStartButton()) << "no taskbar";
        WNDCLASSA tray{};
        tray.lpfnWndProc = DefWindowProcA;
        tray.hInstance = instance;
        tray.lpszClassName = "Shell_TrayWnd";
        ASSERT_TRUE(RegisterClassA(&tray));
        taskbar = ownTaskbar = CreateWindowA("Shell_TrayWnd", "", WS_POPUP, 0, 0, 100, 30, nullptr,
                                             nullptr, instance, nullptr);
        ASSERT_TRUE(taskbar);
    }
    ASSERT_FALSE(FindWindowExA(taskbar, nullptr, "Button", nullptr)) << "the taskbar has buttons";
    EXPECT_FALSE(desktop.showStartButton()) << "no button";

    // A hidden start button, as a start-button program leaves it, and a second button.
    HWND start = CreateWindowA("Button", "Start", WS_CHILD, 0, 0, 40, 30, taskbar, nullptr,
                               instance, nullptr);
    HWND other = CreateWindowA("Button", "Andere", WS_CHILD, 40, 0, 40, 30, taskbar, nullptr,
                               instance, nullptr);
    ASSERT_TRUE(start && other);
    EXPECT_TRUE(desktop.showStartButton());
    EXPECT_TRUE(GetWindowLongA(start, GWL_STYLE) & WS_VISIBLE);
    EXPECT_FALSE(GetWindowLongA(other, GWL_STYLE) & WS_VISIBLE);

    DestroyWindow(other);
    DestroyWindow(start);
    if (ownTaskbar) {
        DestroyWindow(ownTaskbar);
        UnregisterClassA("Shell_TrayWnd", instance);
    }
}

} // namespace
