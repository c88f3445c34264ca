// The registry backup and the restore point on the main window: its three pages' links, the
// day's folder, the overwrite question, the status labels and the hover pictures.
#include "app/main_window_parts.h"
#include "customise/customise_window.h"
#include "platform/fake/fake_platform.h"
#include "shell/main_window.h"
#include "support/test_forms.h"
#include "ui/standard_controls.h"

#include <gtest/gtest.h>

namespace {

using platform::RegistryValue;
using platform::RootKey;

const std::string kFolder = "C:\\Program Files\\Brelvanto\\Backups\\Backup 08.12.2026\\";
const char* const kFiles[] = {"HK_CR.reg",          "HK_CU.reg",
                              "HK_LM_Software.reg", "HK_LM_System_CurrentControlSet.reg",
                              "HK_US.reg",          "HK_CC.reg"};

struct ExportPage : ::testing::Test {
    testing_support::HeadlessApp h;
    platform::FakePlatform fake;
    ui::DirectoryResourceStore resources{BRELK_RES_DIR};
    brelk::Context ctx{h.app, fake.platform(), resources, fake.files.programFolder(), {}};
    std::unique_ptr<brelk::CustomiseWindow> form7;
    std::unique_ptr<brelk::MainWindow> w;

    void SetUp() override {
        h.app.setTitle("Brelvanto Kit 2005");
        fake.files.addDirectory(ctx.programFolder);
        // A Windows that start-up accepts, and the customisation dialog it fills.
        fake.registry
            .createKey(RootKey::LocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion")
            ->writeString("ProductName", "Microsoft Windows XP");
        form7 = std::make_unique<brelk::CustomiseWindow>(ctx);
        ctx.form7 = form7.get();
        w = std::make_unique<brelk::MainWindow>(ctx, brelk::mainWindowParts());
        w->show();
        // Start-up ends on the backups page, which tells that no backup slot exists yet.
        h.dialogs.messages.clear();
        for (const char* page : {"Panel3", "Panel8", "afterrestart"})
            w->c<ui::Panel>(page).show();
    }
    ui::Label& label(const char* name) { return w->c<ui::Label>(name); }
    ui::Image& image(const char* name) { return w->c<ui::Image>(name); }
    void hover(const char* name) { w->c<ui::Control>(name).mouseMove({}, 1, 1); }
    void set(RootKey root, const std::string& path, const std::string& name,
             const RegistryValue& v) {
        ASSERT_TRUE(fake.registry.createKey(root, path)->setValue(name, v));
    }
    std::string file(const char* name) {
        return fake.files.readFile(kFolder + name).value_or("<missing>");
    }
    void expectStatus(const char* first, const char* second, const std::string& text) {
        for (const char* name : {first, second}) {
            EXPECT_TRUE(label(name).visible()) << name;
            EXPECT_EQ(label(name).caption(), text) << name;
        }
    }
};

TEST_F(ExportPage, BackupWritesTheSixBranchesIntoTheDaysFolder) {
    set(RootKey::ClassesRoot, "CLSID\\{0}", "", RegistryValue::fromString("class"));
    set(RootKey::CurrentUser, "Software\\Brelk", "n", RegistryValue::fromInteger(10));
    set(RootKey::LocalMachine, "Software\\Kestovar", "path", RegistryValue::fromString("C:\\b\\"));
    set(RootKey::LocalMachine, "System\\CurrentControlSet\\Control", "v",
        RegistryValue::fromInteger(1));
    set(RootKey::LocalMachine, "System\\Other", "v", RegistryValue::fromInteger(2));
    set(RootKey::Users, ".DEFAULT", "v", RegistryValue::fromInteger(3));

    label("Label132").click();

    std::vector<std::string> written;
    for (const auto& e : fake.files.findEntries(kFolder + "*.*"))
        written.push_back(e.name);
    EXPECT_EQ(written, std::vector<std::string>(std::begin(kFiles), std::end(kFiles)));
    EXPECT_EQ(file("HK_CR.reg"), "REGEDIT4\r\n"
                                 "\r\n[HKEY_CLASSES_ROOT\\]\r\n"
                                 "\r\n[HKEY_CLASSES_ROOT\\CLSID]\r\n"
                                 "\r\n[HKEY_CLASSES_ROOT\\CLSID\\{0}]\r\n"
                                 "@=\"class\"\r\n");
    EXPECT_EQ(file("HK_LM_Software.reg"), "REGEDIT4\r\n"
                                          "\r\n[HKEY_LOCAL_MACHINE\\Software]\r\n"
                                          "\r\n[HKEY_LOCAL_MACHINE\\Software\\Kestovar]\r\n"
                                          "\"path\"=\"C:\\\\b\\\\\"\r\n"
                                          "\r\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft]\r\n"
                                          "\r\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\"
                                          "Windows NT]\r\n"
                                          "\r\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\"
                                          "Windows NT\\CurrentVersion]\r\n"
                                          "\"ProductName\"=\"Microsoft Windows XP\"\r\n");
    EXPECT_EQ(file("HK_LM_System_CurrentControlSet.reg"),
              "REGEDIT4\r\n"
              "\r\n[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet]\r\n"
              "\r\n[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control]\r\n"
              "\"v\"=dword:00000001\r\n");
    EXPECT_NE(
        file("HK_CU.reg").find("[HKEY_CURRENT_USER\\Software\\Brelk]\r\n\"n\"=dword:0000000A"),
        std::string::npos);
    EXPECT_TRUE(file("HK_US.reg").starts_with("REGEDIT4\r\n\r\n[HKEY_USERS\\]\r\n"));
    EXPECT_EQ(file("HK_CC.reg"), "REGEDIT4\r\n\r\n[HKEY_CURRENT_CONFIG\\]\r\n");
    expectStatus("Label134", "Label181", "... erledigt ...");
    EXPECT_TRUE(h.dialogs.messages.empty());
}

TEST_F(ExportPage, ASecondBackupOnTheSameDayAsksBeforeOverwriting) {
    set(RootKey::LocalMachine, "Software\\A", "v", RegistryValue::fromInteger(1));
    label("Label180").click();
    const std::string first = file("HK_LM_Software.reg");
    set(RootKey::LocalMachine, "Software\\A", "v", RegistryValue::fromInteger(2));

    h.dialogs.answers = {ui::mb::IdCancel};
    label("Label245").click();
    ASSERT_EQ(h.dialogs.messages.size(), 1u);
    EXPECT_EQ(h.dialogs.messages[0].text, "Vorherige Backups werden überschrieben.");
    EXPECT_EQ(h.dialogs.messages[0].flags, ui::mb::OkCancel | ui::mb::IconWarning);
    expectStatus("Label134", "Label181", "... abgebrochen ...");
    EXPECT_EQ(file("HK_LM_Software.reg"), first);

    h.dialogs.answers = {ui::mb::IdOk};
    label("Label132").click();
    EXPECT_EQ(h.dialogs.messages.size(), 2u);
    EXPECT_NE(file("HK_LM_Software.reg").find("dword:00000002"), std::string::npos);
    expectStatus("Label134", "Label181", "... erledigt ...");
}

TEST_F(ExportPage, TheFolderNameTakesNoSlashesFromTheDate) {
    fake.system.today = "12/8/2026";
    label("Label132").click();
    EXPECT_TRUE(fake.files.fileExists(ctx.programFolder + "Backups\\Backup 12-8-2026\\HK_CC.reg"));
}

TEST_F(ExportPage, FilesThatCannotBeCreatedAreSkippedSilently) {
    fake.files.addFile(kFolder + "HK_CU.reg", "locked", platform::fileattr::readOnly);
    label("Label132").click();
    EXPECT_EQ(file("HK_CU.reg"), "locked");
    EXPECT_TRUE(file("HK_CC.reg").starts_with("REGEDIT4"));
    expectStatus("Label134", "Label181", "... erledigt ...");

    // A program folder on a medium that takes no folders: every file is skipped.
    brelk::Context elsewhere = ctx;
    elsewhere.programFolder = "Q:\\readonly\\";
    brelk::MainWindow other(elsewhere, brelk::mainWindowParts());
    other.show();
    h.dialogs.messages.clear(); // the notice that no backup slot exists yet
    other.c<ui::Panel>("Panel8").show();
    other.c<ui::Label>("Label132").click();
    EXPECT_FALSE(fake.files.directoryExists("Q:\\readonly\\Backups"));
    EXPECT_EQ(other.c<ui::Label>("Label134").caption(), "... erledigt ...");
    EXPECT_TRUE(h.dialogs.messages.empty());
}

TEST_F(ExportPage, TheBackupPicturesStartTheBackupToo) {
    for (const char* picture : {"Image229", "Image176", "Image314"}) {
        fake.files.deleteFile(kFolder + "HK_LM_Software.reg");
        image(picture).show();
        image(picture).click();
        EXPECT_TRUE(fake.files.fileExists(kFolder + "HK_LM_Software.reg")) << picture;
    }
}

TEST_F(ExportPage, RestorePointThroughTheScriptControl) {
    label("Label204").click();
    ASSERT_EQ(fake.scripts.calls.size(), 1u);
    const auto& call = fake.scripts.calls[0];
    EXPECT_EQ(call.language, "VBScript");
    EXPECT_EQ(call.expression, "getobject(\"winmgmts:\\\\.\\root\\default:Systemrestore\")");
    EXPECT_EQ(call.method, "CreateRestorePoint");
    EXPECT_EQ(call.arguments, (std::vector<platform::ScriptArgument>{
                                  std::string("Automatic Restore Point"), 0, 100}));
    expectStatus("Label205", "Label209", "... erledigt ...");
    EXPECT_TRUE(h.dialogs.messages.empty());

    image("Image246").show();
    image("Image246").click();
    EXPECT_EQ(fake.scripts.calls.size(), 2u);
}

// A refused restore point and a call that cannot be made (no management service, as under
// Wine) both end in "... fehlgeschlagen ..." and the failure message, once per click; the
// system's reason follows the message when there is one.
TEST_F(ExportPage, AFailedRestorePointIsReportedOncePerClick) {
    const std::string text =
        "Das Erstellen eines Systemwiederherstellungspunktes ist fehlgeschlagen. Möglicherweise "
        "ist diese Funktion deaktiviert. Bitte aktivieren Sie die Systemwiederherstellung von "
        "Windows über das Startmenü\\Programme\\Zubehör\\System.";
    struct Case {
        std::int32_t result;
        std::optional<std::string> error;
        std::string message;
    };
    const Case cases[] = {
        {1058, std::nullopt, text},
        {0, "OLE error 80041002", text + "\r\n\r\nOLE error 80041002"},
    };
    for (const Case& c : cases) {
        fake.scripts.result = c.result;
        fake.scripts.error = c.error;
        h.dialogs.messages.clear();
        for (std::size_t click = 1; click <= 2; ++click) {
            label("Label208").click();
            ASSERT_EQ(h.dialogs.messages.size(), click);
            EXPECT_EQ(h.dialogs.messages.back().text, c.message);
            EXPECT_EQ(h.dialogs.messages.back().flags, ui::mb::Ok);
            expectStatus("Label205", "Label209", "... fehlgeschlagen ...");
        }
    }
    fake.scripts.error.reset();
    label("Label208").click();
    expectStatus("Label205", "Label209", "... erledigt ...");
}

TEST_F(ExportPage, HoversShowTheHighlightedPictures) {
    hover("Label180");
    EXPECT_TRUE(image("Image229").visible());
    EXPECT_EQ(label("Label180").font().color, 0x008000u);

    hover("Image242");
    EXPECT_TRUE(image("Image243").visible());
    EXPECT_EQ(label("Label204").font().color, 0x008000u);

    hover("Image247");
    EXPECT_TRUE(image("Image246").visible());
    EXPECT_FALSE(image("Image247").visible());
}

TEST_F(ExportPage, BackupAndSaveSettingsHoversSwapThePicturesOfTheirOwnPage) {
    hover("Label133");
    EXPECT_TRUE(image("Image178").visible());
    hover("Image177");
    EXPECT_TRUE(image("Image176").visible());
    EXPECT_FALSE(image("Image178").visible());
    EXPECT_FALSE(image("Image314").visible()); // the other page is left alone

    hover("Label246");
    EXPECT_TRUE(image("Image315").visible());
    EXPECT_TRUE(image("Image176").visible());
    hover("Label245");
    EXPECT_TRUE(image("Image314").visible());
    EXPECT_FALSE(image("Image315").visible());
    hover("Image312");
    EXPECT_TRUE(image("Image315").visible());
    EXPECT_FALSE(image("Image314").visible());
    hover("Image179");
    EXPECT_TRUE(image("Image178").visible());
    EXPECT_FALSE(image("Image176").visible());
}

// A window system whose message processing lets the user click the backup link again.
struct ClickingBackend : ui::HeadlessBackend {
    std::function<void()> whileServing;
    void processMessages() override {
        HeadlessBackend::processMessages();
        if (whileServing) whileServing();
    }
};

TEST(ExportPageWhileExporting, AClickOnABackupLinkDuringTheExportIsIgnored) {
    ClickingBackend backend;
    ui::ScriptedDialogs dialogs;
    ui::Application app{backend, dialogs};
    platform::FakePlatform fake;
    ui::DirectoryResourceStore resources{BRELK_RES_DIR};
    brelk::Context ctx{app, fake.platform(), resources, fake.files.programFolder(), {}};
    fake.files.addDirectory(ctx.programFolder);
    // Enough values that the export outlasts the interval between two message checks.
    for (int k = 0; k < 100; ++k) {
        auto key = fake.registry.createKey(RootKey::ClassesRoot, "K" + std::to_string(k));
        for (int v = 0; v < 150; ++v)
            key->setValue("v" + std::to_string(v), RegistryValue::fromBinary({1, 2, 3, 4}));
    }
    fake.registry
        .createKey(RootKey::LocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion")
        ->writeString("ProductName", "Microsoft Windows XP");
    brelk::CustomiseWindow form7(ctx);
    ctx.form7 = &form7;
    brelk::MainWindow w(ctx, brelk::mainWindowParts());
    w.show();
    dialogs.messages.clear(); // the notice that no backup slot exists yet
    w.c<ui::Panel>("Panel8").show();
    std::vector<std::string> statusAfterNestedClick;
    backend.whileServing = [&] {
        w.c<ui::Label>("Label132").click();
        statusAfterNestedClick.push_back(w.c<ui::Label>("Label134").caption());
    };

    w.c<ui::Label>("Label132").click();
    ASSERT_FALSE(statusAfterNestedClick.empty()) << "the export never served the window";
    for (const auto& status : statusAfterNestedClick)
        EXPECT_EQ(status, "... bitte warten ...");
    EXPECT_EQ(w.c<ui::Label>("Label134").caption(), "... erledigt ...");
    EXPECT_TRUE(dialogs.messages.empty());
    // Once it has ended, the link works again.
    backend.whileServing = nullptr;
    w.c<ui::Label>("Label132").click();
    EXPECT_EQ(dialogs.messages.size(), 1u); // the overwrite question
}

} // namespace
