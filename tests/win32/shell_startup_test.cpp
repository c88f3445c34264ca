// The main window's start-up against the real registry and real INI files: a registry sandbox
// and a temporary program folder.
#include "support/started_main_window.h"
#include "support/test_forms.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"
#include "win32_contract_env.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

struct ShellStartup : ::testing::Test {
    Win32Env env;
    testing_support::HeadlessApp h;
    ui::DirectoryResourceStore resources{"res"};
    std::string folder;
    std::unique_ptr<brelk::Context> ctx;
    brelk::MainWindow* w = nullptr;

    void SetUp() override {
        env.isolateRegistry();
        folder = env.scratchFolder();
        ASSERT_TRUE(CreateDirectoryA((folder + "modules").c_str(), nullptr));
        ASSERT_TRUE(CreateDirectoryA((folder + "WINDOWS").c_str(), nullptr));
        // The customisation dialog's creation previews the shipped logo.
        ASSERT_TRUE(CopyFileA("dist\\modules\\oemlogo.bmp",
                              (folder + "modules\\oemlogo.bmp").c_str(), FALSE));
        auto& registry = env.platform().registry;
        auto nt = registry.createKey(platform::RootKey::LocalMachine,
                                     "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion");
        ASSERT_TRUE(nt);
        nt->writeString("ProductName", "Microsoft Windows XP");
        nt->writeString("PathName", folder + "WINDOWS");
        nt->writeString("RegisteredOwner", "Anna Berger");
        ctx = std::make_unique<brelk::Context>(
            brelk::Context{h.app, env.platform(), resources, folder, {}});
    }

    void writeFile(const std::string& name, const std::string& text) {
        ASSERT_TRUE(env.platform().files.writeFile(folder + name, text));
    }

    void start() { w = &testing_support::startMainWindow(*ctx, resources); }
};

TEST_F(ShellStartup, RecordsTheProgramFolderAndWritesTheStartButtonDefaultsBack) {
    writeFile("modules\\brelk.ini", "[Options]\r\nversion=5.0\r\nfirststart=0\r\n"
                                    "[Backup]\r\nnumber=2\r\n[1]\r\nDate=Originalzustand\r\n"
                                    "[2]\r\nDate=01.01.2026\r\n");
    SetFileAttributesA((folder + "modules\\brelk.ini").c_str(),
                       FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    writeFile("modules\\startbutton.ini", "[Einstellungen]\r\nbuttoncaption=Los\r\n");
    start();
    for (const auto& m : h.dialogs.messages)
        ADD_FAILURE() << m.text;

    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Kestovar", 0, KEY_READ, &key),
              ERROR_SUCCESS);
    char path[MAX_PATH] = {};
    DWORD size = sizeof path, type = 0;
    EXPECT_EQ(RegQueryValueExA(key, "path", nullptr, &type, reinterpret_cast<BYTE*>(path), &size),
              ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(std::string(path), folder);

    EXPECT_EQ(GetFileAttributesA((folder + "modules\\brelk.ini").c_str()) &
                  (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN),
              0u);
    EXPECT_EQ(w->state.backupcount, 2);
    EXPECT_EQ(w->c<ui::Edit>("Edit3").text(), "Anna Berger");
    EXPECT_NE(GetFileAttributesA((folder + "WINDOWS\\brelk").c_str()), INVALID_FILE_ATTRIBUTES);

    const std::string ini = folder + "modules\\startbutton.ini";
    auto stored = [&](const char* key) {
        char value[MAX_PATH] = {};
        GetPrivateProfileStringA("Einstellungen", key, "", value, sizeof value, ini.c_str());
        return std::string(value);
    };
    EXPECT_EQ(stored("buttonimgnormal"), folder + "modules\\startbuttons\\glass_blue_normal.bmp");
    EXPECT_EQ(stored("buttonimgover"), folder + "modules\\startbuttons\\glass_blue_over.bmp");
    EXPECT_EQ(stored("buttonicon"), folder + "modules\\startbuttons\\icon.bmp");
    EXPECT_EQ(stored("sound"), folder + "WINDOWS\\media\\chimes.wav");
    EXPECT_EQ(stored("buttoncaption"), "Los");
    EXPECT_EQ(ctx->form7->get<ui::Edit>("Edit6").text(), "Los");
}

TEST_F(ShellStartup, AcceptingTheTermsWritesTheFirstStartFlag) {
    writeFile("modules\\brelk.ini", "[Options]\r\nversion=5.0\r\nfirststart=1\r\n");
    start();
    ASSERT_TRUE(w->c<ui::Panel>("Panel3").visible());
    w->c<ui::CheckBox>("CheckBox41").click();
    w->c<ui::Label>("Label16").click();
    char value[8] = {};
    GetPrivateProfileStringA("Options", "firststart", "", value, sizeof value,
                             (folder + "modules\\brelk.ini").c_str());
    EXPECT_STREQ(value, "0");
    EXPECT_TRUE(w->c<ui::Label>("Label9").enabled());
}

} // namespace
