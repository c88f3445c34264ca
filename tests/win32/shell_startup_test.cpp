// The main window's start-up against the real registry and real INI files: a registry sandbox
// and a temporary program folder; and the program block's whole start on real windows.
#include "app/program.h"
#include "shell/splash_window.h"
#include "support/started_main_window.h"
#include "support/test_forms.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"
#include "ui/win32/peers.h"
#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_dialogs.h"
#include "win32_contract_env.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <vector>

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

// The message boxes of a program run on this thread, seen through a hook as they open: each is
// read, left open for a while as a user would read it, then answered with its default button.
struct BoxWatch {
    struct Box {
        HWND box;
        std::string text;
        HWND owner;
        std::vector<HWND> visibleWindows; // of this thread, the box left out
        bool open;
    };
    static inline std::vector<Box> boxes;
    static inline std::map<UINT_PTR, HWND> answers; // a timer per box
    static inline HHOOK hook = nullptr;
    static constexpr UINT kReadingTime = 2500; // longer than a gauge's second

    static BOOL CALLBACK addStaticText(HWND child, LPARAM out) {
        char cls[16] = {}, part[512] = {};
        GetClassNameA(child, cls, sizeof cls);
        if (lstrcmpiA(cls, "Static") == 0 && GetWindowTextA(child, part, sizeof part) > 0)
            *reinterpret_cast<std::string*>(out) += part;
        return TRUE;
    }
    static std::string textOf(HWND box) {
        std::string text;
        EnumChildWindows(box, addStaticText, reinterpret_cast<LPARAM>(&text));
        return text;
    }
    static BOOL CALLBACK addVisibleWindow(HWND top, LPARAM out) {
        auto* box = reinterpret_cast<Box*>(out);
        if (top != box->box && IsWindowVisible(top)) box->visibleWindows.push_back(top);
        return TRUE;
    }
    static void CALLBACK answer(HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        if (IsWindow(answers[id])) PostMessageA(answers[id], WM_COMMAND, IDOK, 0);
    }
    static Box* openBox(HWND h) {
        for (auto& b : boxes) {
            if (b.box == h && b.open) return &b;
        }
        return nullptr;
    }
    static LRESULT CALLBACK cbt(int code, WPARAM wp, LPARAM lp) {
        HWND h = reinterpret_cast<HWND>(wp);
        char cls[16] = {};
        const bool isBox = GetClassNameA(h, cls, sizeof cls) && lstrcmpA(cls, "#32770") == 0;
        if (isBox && code == HCBT_DESTROYWND) {
            if (Box* b = openBox(h)) b->open = false;
        }
        if (isBox && code == HCBT_ACTIVATE && !openBox(h)) {
            Box b{h, textOf(h), GetWindow(h, GW_OWNER), {}, true};
            EnumThreadWindows(GetCurrentThreadId(), addVisibleWindow, reinterpret_cast<LPARAM>(&b));
            boxes.push_back(b);
            answers[SetTimer(nullptr, 0, kReadingTime, answer)] = h;
        }
        return CallNextHookEx(hook, code, wp, lp);
    }
    BoxWatch() {
        boxes.clear();
        answers.clear();
        hook = SetWindowsHookExA(WH_CBT, cbt, nullptr, GetCurrentThreadId());
    }
    ~BoxWatch() { UnhookWindowsHookEx(hook); }

    // Ends the run once the processor-load report has been answered, or after a time no start
    // needs.
    static inline ui::Application* running = nullptr;
    static inline DWORD started = 0;
    static void CALLBACK endWhenReported(HWND, UINT, UINT_PTR, DWORD) {
        bool reported = false, open = false;
        for (const auto& b : boxes) {
            reported = reported || b.text.find("Processor") != std::string::npos;
            open = open || b.open;
        }
        if ((reported && !open) || GetTickCount() - started > 30000) running->terminate();
    }
};

// A start in a folder without backups, on a system without the processor's performance data (as
// Wine's): the start-up's notice comes while the splash is up; the processor-load report comes
// only once the main window is on screen, owned by it, with no other box open.
TEST_F(ShellStartup, TheProcessorReportComesOverTheShownMainWindow) {
    writeFile("modules\\brelk.ini", "[Options]\r\nversion=5.0\r\nfirststart=0\r\n");
    ui::win32::Win32Backend backend{GetModuleHandleA(nullptr)};
    ui::win32::Win32Dialogs dialogs;
    ui::Application app{backend, dialogs};
    brelk::Context program{app, env.platform(), resources, folder, {}};
    const brelk::ProgramWindows windows = brelk::createProgramWindows(program);
    auto hwndOf = [](const ui::Control& c) { return ui::win32::ControlPeer::of(&c)->hwnd(); };
    const HWND main = hwndOf(windows.main);

    BoxWatch watch;
    BoxWatch::running = &app;
    BoxWatch::started = GetTickCount();
    const UINT_PTR poll = SetTimer(nullptr, 0, 100, BoxWatch::endWhenReported);
    windows.splash.show();
    app.run();
    KillTimer(nullptr, poll);
    // The ended loop leaves its quit message to the thread's next loop, a later case's dialog.
    MSG quit;
    while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }

    const auto& boxes = BoxWatch::boxes;
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, "Es sind keine Backups vorhanden. Bitte führen Sie zunächst das "
                             "Brelvanto Kit aus.");
    EXPECT_EQ(boxes[1].text, "Unable to locate the \"Processor\" performance object.");
    EXPECT_EQ(boxes[1].owner, main);
    EXPECT_EQ(boxes[1].visibleWindows, std::vector<HWND>{main})
        << "only the main window, no splash and no other box";
}

} // namespace
