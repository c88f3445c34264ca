// The customisation dialog against the real system: drive facts, the program's registry key in
// a sandbox, startbutton.ini, and the real file dialog and folder browser, answered by the test
// from inside their own message loops.
#include "app/main_window_parts.h"
#include "customise/customise_window.h"
#include "customise/drive_type.h"
#include "customise/pagefile_calc.h"
#include "shell/file_dialog_component.h"
#include "shell/main_window.h"
#include "support/shell_neighbours.h"
#include "support/test_forms.h"
#include "ui/bitmap.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"
#include "ui/win32/win32_dialogs.h"
#include "win32_contract_env.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <fstream>
#include <functional>
#include <iterator>
#include <shlobj.h>

namespace {

std::string shipped(const std::string& relative) {
    std::ifstream in("dist/modules/" + relative, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

// Answers the next dialog this thread shows, from a thread timer that its modal loop runs:
// each tick finds the dialog and performs the next step until the last one is done. A dialog
// that is still open after ten seconds is cancelled, so no test waits for a person.
class DialogAnswerer {
  public:
    using Step = std::function<bool(HWND dialog)>; // false: try this step again next tick

    explicit DialogAnswerer(std::vector<Step> steps) : steps_(std::move(steps)) {
        current_ = this;
        timer_ = SetTimer(nullptr, 0, 50, tick);
    }
    ~DialogAnswerer() {
        KillTimer(nullptr, timer_);
        current_ = nullptr;
    }
    bool finished() const { return next_ == steps_.size(); }

  private:
    static BOOL CALLBACK findDialog(HWND w, LPARAM out) {
        char cls[16] = {};
        GetClassNameA(w, cls, sizeof cls);
        if (IsWindowVisible(w) && std::string(cls) == "#32770") {
            *reinterpret_cast<HWND*>(out) = w;
            return FALSE;
        }
        return TRUE;
    }
    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
        DialogAnswerer* self = current_;
        if (!self) return;
        HWND dialog = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), findDialog, reinterpret_cast<LPARAM>(&dialog));
        if (!dialog) return;
        if (++self->ticks_ > 200) {
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            return;
        }
        if (self->next_ < self->steps_.size() && self->steps_[self->next_](dialog)) ++self->next_;
    }

    static inline DialogAnswerer* current_ = nullptr;
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    int ticks_ = 0;
    UINT_PTR timer_ = 0;
};

// A step that lets the dialog settle for some ticks (a browser fills its tree meanwhile).
DialogAnswerer::Step settle(int ticks) {
    return [ticks](HWND) mutable { return --ticks <= 0; };
}

bool press(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    return true;
}

struct ChildSearch {
    const char* className;
    HWND found;
};

BOOL CALLBACK matchChild(HWND w, LPARAM p) {
    auto* s = reinterpret_cast<ChildSearch*>(p);
    char cls[64] = {};
    GetClassNameA(w, cls, sizeof cls);
    if (std::string(cls) != s->className) return TRUE;
    s->found = w;
    return FALSE;
}

HWND findChild(HWND parent, const char* className) {
    ChildSearch search{className, nullptr};
    EnumChildWindows(parent, matchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Selects the first entry of the file dialog's list, as a click would.
bool selectFirstFile(HWND dialog) {
    HWND list = findChild(dialog, "SysListView32");
    if (!list || SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) < 1) return false;
    LVITEMA item{};
    item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&item));
    return true;
}

// Message boxes are recorded, never shown; file dialogs and the folder browser are the real
// ones when asked for.
struct TestDialogs : ui::ScriptedDialogs {
    bool real = false;
    ui::win32::Win32Dialogs system;
    std::optional<std::string> openFile(const ui::FileDialogOptions& o) override {
        return real ? system.openFile(o) : ScriptedDialogs::openFile(o);
    }
    std::optional<std::string> browseFolder(const std::string& title, int root) override {
        return real ? system.browseFolder(title, root) : ScriptedDialogs::browseFolder(title, root);
    }
};

struct CustomiseOnWine : ::testing::Test {
    Win32Env env;
    ui::HeadlessBackend backend;
    TestDialogs dialogs;
    ui::Application app{backend, dialogs};
    ui::DirectoryResourceStore resources{"res"};
    std::string folder;
    std::unique_ptr<brelk::Context> ctx;
    brelk::CustomiseWindow* f7 = nullptr;

    void SetUp() override {
        CoInitialize(nullptr);
        env.isolateRegistry();
        folder = env.scratchFolder();
        for (const char* dir : {"modules", "modules\\skins", "WINDOWS"})
            ASSERT_TRUE(CreateDirectoryA((folder + dir).c_str(), nullptr));
        write("modules\\oemlogo.bmp", shipped("oemlogo.bmp"));
        write("modules\\skins\\01.bmp", shipped("skins/01.bmp"));
        // One saved slot, so the backups page that start-up shows has nothing to report.
        write("modules\\brelk.ini", "[Options]\r\nversion=5.0\r\nfirststart=0\r\n"
                                    "[Backup]\r\nnumber=1\r\n[1]\r\nDate=Originalzustand\r\n");
        auto nt = env.platform().registry.createKey(
            platform::RootKey::LocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion");
        ASSERT_TRUE(nt);
        nt->writeString("ProductName", "Microsoft Windows XP");
        nt->writeString("PathName", folder + "WINDOWS");
    }
    void TearDown() override { CoUninitialize(); }

    void write(const std::string& name, const std::string& content) {
        ASSERT_TRUE(env.platform().files.writeFile(folder + name, content)) << name;
    }
    // The program's windows in their order; file and folder dialogs are real ones if asked.
    void start(bool realDialogBoxes) {
        dialogs.real = realDialogBoxes;
        ctx = std::make_unique<brelk::Context>(
            brelk::Context{app, env.platform(), resources, folder, {}});
        auto main = std::make_unique<brelk::MainWindow>(*ctx, brelk::mainWindowParts());
        main->loadLayout(testing_support::kShellNeighbours, brelk::brelkClasses(), resources);
        auto& w = app.createForm(std::move(main));
        ctx->form7 = &app.createForm(std::make_unique<brelk::CustomiseWindow>(*ctx));
        f7 = brelk::customiseWindow(*ctx);
        w.show();
    }
    std::string kestovar(const std::string& name) {
        HKEY key;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Kestovar", 0, KEY_READ, &key)) return "?";
        char buf[512] = {};
        DWORD size = sizeof buf, type = 0;
        LONG r = RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buf),
                                  &size);
        RegCloseKey(key);
        return r == ERROR_SUCCESS && type == REG_SZ ? buf : "?";
    }
    void runHandler(const std::string& name) {
        ui::Event e;
        app.dispatch(*f7->handler(name), e);
    }
};

TEST_F(CustomiseOnWine, CreationMeasuresTheDrivesAndStoresItsValues) {
    start(false);
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages.front().text;
    const std::string letter = f7->get<ui::Edit>("Edit3").text();
    ASSERT_EQ(letter.size(), 1u) << "the test machine has a hard disk with room among C: to F:";
    const std::string root = std::string(1, static_cast<char>(letter[0] - 'a' + 'A')) + ":\\";
    EXPECT_EQ(GetDriveTypeA(root.c_str()), static_cast<UINT>(DRIVE_FIXED));
    EXPECT_EQ(brelk::drivetypename(env.platform(), root), brelk::kHardDisk);
    ULARGE_INTEGER available{};
    ASSERT_TRUE(GetDiskFreeSpaceExA(root.c_str(), &available, nullptr, nullptr));
    EXPECT_GT(available.QuadPart, 50ull * 1048576);

    const std::string size = f7->get<ui::Edit>("Edit1").text();
    EXPECT_EQ(kestovar("Pagefilmin"), size);
    EXPECT_EQ(kestovar("Pagefilemax"), size);
    EXPECT_EQ(kestovar("Pagingfiles"), letter + ":\\pagefile.sys " + size + " " + size);
    EXPECT_EQ(kestovar("path"), folder);
    EXPECT_EQ(kestovar("logo"), folder + "modules\\oemlogo.bmp");
    EXPECT_EQ(kestovar("skin"), folder + "modules\\skins\\01.bmp");
    EXPECT_NE(f7->get<ui::Image>("Image1").picture(), nullptr);
}

TEST_F(CustomiseOnWine, FortfahrenWritesTheRegistryAndStartbuttonIni) {
    write("Knopf.bmp", shipped("skins/01.bmp"));
    start(false);
    f7->get<ui::Edit>("Edit1").setText("512");
    f7->get<ui::Edit>("Edit2").setText("1024");
    f7->get<ui::Edit>("Edit3").setText("d");
    f7->get<ui::Edit>("Edit7").setText(folder + "Knopf.bmp");
    f7->get<ui::Edit>("Edit8").setText(folder + "fehlt.bmp");
    f7->get<ui::Edit>("Edit6").setText("Start");
    runHandler("kopieren");
    EXPECT_EQ(kestovar("Pagingfiles"), "d:\\pagefile.sys 512 1024");
    const std::string ini = folder + "modules\\startbutton.ini";
    auto key = [&](const char* name) {
        char buf[512] = {};
        GetPrivateProfileStringA("Einstellungen", name, "<none>", buf, sizeof buf, ini.c_str());
        return std::string(buf);
    };
    EXPECT_EQ(key("buttonimgnormal"), folder + "Knopf.bmp");
    EXPECT_EQ(key("buttoncaption"), "Start");
    // Start-up wrote the shipped default; the missing file did not replace it.
    EXPECT_EQ(key("buttonimgover"), folder + "modules\\startbuttons\\glass_blue_over.bmp");
}

TEST_F(CustomiseOnWine, AHugeSkinIsRefusedUnreadAndNotStored) {
    // The only skin: 5 GB, "BM" and then a hole. Read whole, it would end the program.
    ASSERT_TRUE(DeleteFileA((folder + "modules\\skins\\01.bmp").c_str()));
    const std::string huge = folder + "modules\\skins\\riesig.bmp";
    HANDLE file = CreateFileA(huge.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    LARGE_INTEGER end;
    end.QuadPart = 5LL << 30;
    EXPECT_TRUE(WriteFile(file, "BM", 2, &written, nullptr));
    EXPECT_TRUE(SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file));
    CloseHandle(file);
    EXPECT_EQ(env.platform().files.fileSize(huge), 5ull << 30);

    const DWORD started = GetTickCount();
    start(false);                 // the creation previews the first skin
    runHandler("pagefileactive"); // and so does each showing
    EXPECT_LT(GetTickCount() - started, 5000u);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text, "Bitmap image is not valid.");
    runHandler("kopieren");
    EXPECT_EQ(kestovar("skin"), folder + "modules\\skins\\01.bmp") << "the creation's default";
    DeleteFileA(huge.c_str());
}

TEST_F(CustomiseOnWine, TheOpenDialogReportsSelectionChangesWhileOpen) {
    ASSERT_TRUE(CreateDirectoryA((folder + "Bilder").c_str(), nullptr));
    write("Bilder\\rot.bmp", shipped("skins/01.bmp"));
    start(true);
    auto& dialog = f7->get<brelk::FileDialogComponent>("OpenDialog2");
    std::vector<std::string> seen;
    dialog.onSelectionChange = [&](ui::Event&) { seen.push_back(dialog.fileName()); };
    dialog.setFileName(""); // a preset path would choose the folder itself
    dialog.setInitialDir(folder + "Bilder");
    bool chosen = false;
    {
        DialogAnswerer answer({selectFirstFile, [](HWND d) { return press(d, IDOK); }});
        chosen = dialog.execute();
        EXPECT_TRUE(answer.finished());
    }
    EXPECT_TRUE(chosen);
    EXPECT_EQ(dialog.fileName(), folder + "Bilder\\rot.bmp");
    ASSERT_FALSE(seen.empty()) << "no selection change reached the handler";
    EXPECT_EQ(seen.back(), folder + "Bilder\\rot.bmp");
}

// A start-button picture picker is the real file dialog with a preview area beside its list,
// which shows the picture of each selection.
TEST_F(CustomiseOnWine, TheStartButtonPicturePickerPreviewsTheSelection) {
    ASSERT_TRUE(CreateDirectoryA((folder + "Knopf").c_str(), nullptr));
    write("Knopf\\normal.bmp", shipped("skins/01.bmp"));
    start(true);
    auto& dialog = f7->get<brelk::FileDialogComponent>("OpenPictureDialog1");
    dialog.setFileName("");
    dialog.setInitialDir(folder + "Knopf");
    std::vector<std::string> previewed;
    const auto picture = std::make_shared<const ui::Bitmap>(
        ui::loadPictureFile(folder + "Knopf\\normal.bmp", env.platform().files));
    dialog.setPreview([&](const std::string& path) {
        previewed.push_back(path);
        return picture;
    });
    bool areaShown = false, areaBesideList = false;
    COLORREF centre = CLR_INVALID;
    {
        DialogAnswerer answer(
            {selectFirstFile, settle(3),
             [&](HWND d) {
                 HWND area = nullptr;
                 for (HWND child = GetWindow(d, GW_CHILD); child && !area;
                      child = GetWindow(child, GW_HWNDNEXT))
                     area = GetDlgItem(child, 1000);
                 HWND list = findChild(d, "SysListView32");
                 RECT a{}, l{};
                 areaShown = area && IsWindowVisible(area) && GetWindowRect(area, &a) &&
                             a.right - a.left > 20;
                 areaBesideList = list && GetWindowRect(list, &l) && a.left >= l.right;
                 if (area) {
                     UpdateWindow(area);
                     HDC dc = GetDC(area);
                     centre = GetPixel(dc, (a.right - a.left) / 2, (a.bottom - a.top) / 2);
                     ReleaseDC(area, dc);
                 }
                 return true;
             },
             [](HWND d) { return press(d, IDOK); }});
        EXPECT_TRUE(dialog.execute());
        EXPECT_TRUE(answer.finished());
    }
    EXPECT_TRUE(areaShown);
    EXPECT_TRUE(areaBesideList);
    const ui::Bitmap& p = *picture;
    const std::uint32_t middle = p.at(p.width / 2, p.height / 2);
    EXPECT_EQ(centre, RGB(middle >> 16 & 0xFF, middle >> 8 & 0xFF, middle & 0xFF))
        << "the picture painted in the area";
    ASSERT_FALSE(previewed.empty());
    EXPECT_EQ(previewed.back(), folder + "Knopf\\normal.bmp");
    EXPECT_EQ(dialog.fileName(), folder + "Knopf\\normal.bmp");
}

TEST_F(CustomiseOnWine, TheFolderBrowserFillsOrEmptiesTheFolderField) {
    start(true);
    const std::string picked = folder + "modules";
    {
        DialogAnswerer answer({settle(6),
                               [&](HWND d) {
                                   SendMessageA(d, BFFM_SETSELECTIONA, TRUE,
                                                reinterpret_cast<LPARAM>(picked.c_str()));
                                   return true;
                               },
                               settle(6), [](HWND d) { return press(d, IDOK); }});
        runHandler("Button5Click");
        EXPECT_TRUE(answer.finished());
    }
    // The browser takes the selection once its tree is filled; after other tests that can come
    // late, so any picked file-system folder counts.
    const std::string got = f7->get<ui::Edit>("Edit11").text();
    EXPECT_TRUE(got == picked || env.platform().files.directoryExists(got)) << got;
    EXPECT_FALSE(got.empty());
    {
        DialogAnswerer answer({[](HWND d) { return press(d, IDCANCEL); }});
        runHandler("Button5Click");
        EXPECT_TRUE(answer.finished());
    }
    EXPECT_EQ(f7->get<ui::Edit>("Edit11").text(), "");
}

} // namespace
