// Start-up of the main window: creation, iniread's branches, the start-button settings and the
// splash window.
#include "app/main_window_parts.h"
#include "shell/file_dialog_component.h"
#include "shell/show_mem_size.h"
#include "shell/splash_window.h"
#include "shell_fixture.h"

using platform::RootKey;
using shell_test::ShellFixture;

namespace {

const char* const kAdminMessage = "Bitte melden Sie sich als Administrator an um das Programm in "
                                  "seinem vollen Umfang nutzen zu können.";
const char* const kIncompatible =
    "Das Brelvanto Kit ist nicht mit dieser Windowsversion kompatibel";
const char* const kUnreachable =
    "Die PremiumServer ist nicht erreichbar. Vergewissern Sie sich, dass Sie mit dem Internet "
    "verbunden sind um die Premium OnlineServices nutzen zu können.";
const char* const kMenu[] = {"Label6",   "Label7",  "Label8",  "Label9",  "Label106",
                             "Label107", "Label26", "Label35", "Label207"};

struct Startup : ShellFixture {
    bool menuEnabled() {
        int enabled = 0;
        for (const char* name : kMenu)
            enabled += c<ui::Label>(name).enabled();
        EXPECT_TRUE(enabled == 0 || enabled == 9) << enabled << " of the menu labels enabled";
        return enabled == 9;
    }
    std::optional<std::string> kestovarPath() {
        auto key = fake.registry.openKey(RootKey::LocalMachine, "SOFTWARE\\Kestovar");
        if (!key) return std::nullopt;
        return key->readString("path").value;
    }
    void expectRefusal() {
        EXPECT_EQ(visiblePages(), std::vector<std::string>{"Panel10"});
        EXPECT_FALSE(visible("Label92"));
        EXPECT_FALSE(visible("Image16"));
        EXPECT_EQ(w->state.pagehistory.count(), 0);
        EXPECT_FALSE(menuEnabled());
    }
};

TEST_F(Startup, AWorkingMachineEndsOnTheBackupsPageWithTheMenuEnabled) {
    start();
    EXPECT_TRUE(messages().empty());
    EXPECT_TRUE(menuEnabled());
    EXPECT_EQ(c<ui::Label>("Label5").caption(), "5.0");
    EXPECT_EQ(history(), std::vector<int>{8});
    EXPECT_EQ(visiblePages(), std::vector<std::string>{"Panel8"});
    EXPECT_EQ(kestovarPath(), folder());
    EXPECT_EQ(c<ui::Edit>("Edit3").text(), "Anna Berger");
    EXPECT_EQ(c<ui::Edit>("Edit4").text(), "Berger GmbH");
    EXPECT_EQ(c<ui::Edit>("Edit7").text(), "Microsoft Windows XP");
    EXPECT_EQ(c<ui::Edit>("Edit1").text(), "C:\\WINDOWS");
    EXPECT_EQ(w->state.programFilesDir, "C:\\Programme");
    EXPECT_TRUE(fake.files.directoryExists("C:\\WINDOWS\\brelk"));
}

TEST_F(Startup, WithoutAdministratorRightsOnlyTheEndPageRemains) {
    fake.security.setAdministrator(false);
    create();
    // The customisation dialog's creation records the folder too; the main window must not.
    fake.registry.openKey(RootKey::LocalMachine, "SOFTWARE")->deleteSubKey("Kestovar");
    c<ui::Memo>("Memo3").addLine("old");
    w->show();
    EXPECT_EQ(messages(), std::vector<std::string>{kAdminMessage});
    EXPECT_TRUE(c<ui::Memo>("Memo3").lines().empty());
    expectRefusal();
    EXPECT_FALSE(kestovarPath()) << "nothing read or written after the refusal";
}

TEST_F(Startup, AnUnreadableTokenCountsAsNoAdministrator) {
    fake.security.groups.reset();
    start();
    EXPECT_EQ(messages(), std::vector<std::string>{kAdminMessage});
}

TEST_F(Startup, WithoutAWindowsProductNameTheProgramRefusesAfterReadingTheRest) {
    setWindowsValue("ProductName", "");
    start();
    EXPECT_EQ(messages(), std::vector<std::string>{kIncompatible});
    expectRefusal();
    EXPECT_EQ(kestovarPath(), folder()) << "the steps before the test ran";
    EXPECT_FALSE(fake.files.fileExists(startbuttonIni())) << "the steps after it did not";
}

TEST_F(Startup, AMissingVersionKeyIsAnEmptyProductName) {
    fake.registry.openKey(RootKey::LocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion")
        ->deleteValue("ProductName");
    start();
    EXPECT_EQ(messages(), std::vector<std::string>{kIncompatible});
}

TEST_F(Startup, ValuesOfAnotherTypeLeaveTheFieldsAsLaidOut) {
    fake.registry.openKey(RootKey::LocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion")
        ->writeInteger("RegisteredOwner", 7);
    fake.registry.openKey(RootKey::LocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion")
        ->deleteValue("RegisteredOrganization");
    create();
    const std::string laidOut = c<ui::Edit>("Edit3").text();
    w->show();
    EXPECT_EQ(c<ui::Edit>("Edit3").text(), laidOut);
    EXPECT_EQ(c<ui::Edit>("Edit4").text(), "") << "a missing value reads as empty";
}

TEST_F(Startup, TheProgramFilesFolderIsCutToAHundredCharacters) {
    fake.registry.openKey(RootKey::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion")
        ->writeString("ProgramFilesDir", std::string(150, 'p'));
    start();
    EXPECT_EQ(w->state.programFilesDir, std::string(100, 'p'));
}

TEST_F(Startup, WindowsTwoThousandDisablesItsMissingSettings) {
    setWindowsValue("ProductName", "Microsoft Windows 2000");
    create();
    for (const char* name : {"RadioButton43", "RadioButton80", "RadioButton220"}) {
        c<ui::RadioButton>(name).setChecked(true);
    }
    w->show();
    for (const char* name :
         {"RadioButton41",  "RadioButton42",  "RadioButton4",   "RadioButton80",  "RadioButton81",
          "RadioButton82",  "RadioButton86",  "RadioButton87",  "RadioButton88",  "RadioButton119",
          "RadioButton120", "RadioButton121", "Label204",       "Image243",       "Label208",
          "Image246",       "RadioButton218", "RadioButton219", "RadioButton220", "RadioButton221",
          "RadioButton222", "RadioButton223", "RadioButton224", "RadioButton225", "RadioButton226",
          "RadioButton227", "RadioButton228", "RadioButton229"}) {
        EXPECT_FALSE(c<ui::Control>(name).enabled()) << name;
    }
    EXPECT_TRUE(c<ui::Control>("RadioButton43").enabled());
    for (const char* name : {"RadioButton42", "RadioButton81", "RadioButton87", "RadioButton120"}) {
        EXPECT_TRUE(c<ui::RadioButton>(name).checked()) << name;
    }
    EXPECT_FALSE(c<ui::RadioButton>("RadioButton43").checked());
    EXPECT_FALSE(c<ui::RadioButton>("RadioButton80").checked());
    EXPECT_TRUE(c<ui::RadioButton>("RadioButton220").checked()) << "keeps its choice";
}

TEST_F(Startup, ALongerProductNameIsNotWindowsTwoThousand) {
    setWindowsValue("ProductName", "Microsoft Windows 2000 Professional");
    create();
    c<ui::RadioButton>("RadioButton43").setChecked(true);
    w->show();
    EXPECT_TRUE(c<ui::Control>("RadioButton41").enabled());
    EXPECT_TRUE(c<ui::Control>("Label204").enabled());
    EXPECT_TRUE(c<ui::RadioButton>("RadioButton43").checked());
}

TEST_F(Startup, TheFirstStartShowsTheTermsPageInPlaceOfTheBackupsPage) {
    fake.files.addFile(brelkIni(), "[Options]\r\nversion=5.0\r\nfirststart=1\r\n");
    start();
    EXPECT_FALSE(menuEnabled());
    EXPECT_TRUE(visible("Panel3"));
    EXPECT_EQ(history(), (std::vector<int>{3, 8, 3}));
    EXPECT_EQ(w->state.firststartflag, "1");
    EXPECT_EQ(visiblePages(), std::vector<std::string>{"Panel3"});
}

TEST_F(Startup, AnyOtherFirstStartValueEnablesTheMenu) {
    for (const char* value : {"", "0", "2", "yes"}) {
        SCOPED_TRACE(value);
        fake.files.addFile(brelkIni(), std::string("[Options]\r\nfirststart=") + value + "\r\n");
        start();
        EXPECT_TRUE(menuEnabled());
        EXPECT_FALSE(visible("Panel3"));
        EXPECT_EQ(w->state.firststartflag, std::string(value).substr(0, 1));
    }
}

TEST_F(Startup, OnlyTheFirstCharacterOfTheFirstStartFlagCounts) {
    fake.files.addFile(brelkIni(), "[Options]\r\nfirststart=10\r\n");
    start();
    EXPECT_EQ(w->state.firststartflag, "1");
    EXPECT_TRUE(visible("Panel3"));
}

// Without PathName (Wine has none), or with an empty one, the system's Windows folder stands
// in, so that the work folder is not made at a drive root.
TEST_F(Startup, WithoutPathNameTheSystemsWindowsFolderIsTaken) {
    fake.system.windowsPath = "D:\\WINNT";
    fake.files.addDirectory("D:\\WINNT");
    for (bool empty : {false, true}) {
        auto key = fake.registry.createKey(RootKey::LocalMachine,
                                           "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion");
        if (empty) {
            key->writeString("PathName", "");
        } else {
            key->deleteValue("PathName");
        }
        start();
        EXPECT_EQ(c<ui::Edit>("Edit1").text(), "D:\\WINNT") << empty;
        EXPECT_TRUE(fake.files.directoryExists("D:\\WINNT\\brelk"));
        EXPECT_FALSE(fake.files.directoryExists("\\brelk"));
    }
}

TEST_F(Startup, WithoutBrelkIniTheMenuStaysDisabled) {
    fake.files.deleteFile(brelkIni());
    start();
    EXPECT_EQ(c<ui::Label>("Label5").caption(), "no brelk.ini found");
    EXPECT_FALSE(menuEnabled());
    EXPECT_FALSE(visible("Panel3"));
    EXPECT_EQ(w->state.backupcount, 0);
}

TEST_F(Startup, AMissingVersionKeyShowsTheLayoutDefault) {
    fake.files.addFile(brelkIni(), "[Options]\r\nfirststart=0\r\n");
    start();
    EXPECT_EQ(c<ui::Label>("Label5").caption(), "label5.caption");
}

TEST_F(Startup, CreationMakesAReadOnlyBrelkIniWritableAndReadsTheBackupCount) {
    fake.files.addFile(brelkIni(), "[Options]\r\nfirststart=0\r\n[Backup]\r\nnumber=3\r\n",
                       platform::fileattr::readOnly | platform::fileattr::hidden);
    create();
    EXPECT_EQ(*fake.files.attributes(brelkIni()) &
                  (platform::fileattr::readOnly | platform::fileattr::hidden),
              0u);
    EXPECT_EQ(w->state.backupcount, 3);
    EXPECT_EQ(h.app.hintPause(), 100);
    EXPECT_EQ(h.app.hintHidePause(), 10000);
    EXPECT_EQ(h.app.hintColor(), 0xFFFFFFu);
}

TEST_F(Startup, ABackupCountThatIsNoSlotCountIsIgnored) {
    for (const char* number : {"x", "21", "-1", "", "2x"}) {
        SCOPED_TRACE(number);
        fake.files.addFile(brelkIni(), std::string("[Backup]\r\nnumber=") + number + "\r\n");
        create();
        EXPECT_EQ(w->state.backupcount, 0);
    }
}

TEST_F(Startup, MissingOservicesIniLeavesTheServerTestOffAndTheFieldsBare) {
    start();
    EXPECT_FALSE(c<ui::CheckBox>("CheckBox1").checked());
    EXPECT_EQ(c<ui::Edit>("Edit8").text(), "http://");
    EXPECT_EQ(c<ui::Edit>("Edit9").text(), "http://");
    EXPECT_TRUE(fake.network.connections.empty());
}

TEST_F(Startup, PingYesTestsTheServersAndComplainsWhenNeitherAnswers) {
    fake.files.addFile(oservicesIni(), "[Onlineservices]\r\nServer1=one.example\r\n"
                                       "Server2=two.example\r\nping=yes\r\n");
    fake.network.addHost("one.example", {10, 0, 0, 1});
    fake.network.addHost("two.example", {10, 0, 0, 2});
    start();
    EXPECT_TRUE(c<ui::CheckBox>("CheckBox1").checked());
    EXPECT_EQ(c<ui::Edit>("Edit8").text(), "http://one.example");
    EXPECT_EQ(c<ui::Edit>("Edit9").text(), "http://two.example");
    EXPECT_EQ(fake.network.connections.size(), 2u);
    EXPECT_EQ(messages(), std::vector<std::string>{kUnreachable});
    EXPECT_TRUE(visible("Panel8")) << "start-up goes on";
}

TEST_F(Startup, AnAnsweringPrimaryServerIsTheOnlyOneTested) {
    fake.files.addFile(oservicesIni(), "[Onlineservices]\r\nServer1=one.example\r\n"
                                       "Server2=two.example\r\nping=yes\r\n");
    fake.network.addHost("one.example", {10, 0, 0, 1});
    fake.network.listen({10, 0, 0, 1}, 80);
    start();
    ASSERT_EQ(fake.network.connections.size(), 1u);
    EXPECT_EQ(fake.network.connections[0].second, 80);
    EXPECT_TRUE(messages().empty());
}

TEST_F(Startup, TheFallbackServerIsEnough) {
    fake.files.addFile(oservicesIni(), "[Onlineservices]\r\nServer1=one.example\r\n"
                                       "Server2=two.example\r\nping=yes\r\n");
    fake.network.addHost("two.example", {10, 0, 0, 2});
    fake.network.listen({10, 0, 0, 2}, 80);
    start();
    EXPECT_TRUE(messages().empty());
}

TEST_F(Startup, PingIsComparedExactly) {
    fake.files.addFile(oservicesIni(), "[Onlineservices]\r\nServer1=one.example\r\nping=Yes\r\n");
    start();
    EXPECT_FALSE(c<ui::CheckBox>("CheckBox1").checked());
    EXPECT_TRUE(fake.network.connections.empty());
    EXPECT_TRUE(messages().empty());
}

TEST_F(Startup, ShowingTheWindowAgainClearsTheRestoreFlag) {
    create();
    w->state.restoremode = 1;
    w->show();
    EXPECT_EQ(w->state.restoremode, 0);
}

struct StartButton : ShellFixture {
    std::string stored(const char* key) {
        return fake.profiles.readString(startbuttonIni(), "Einstellungen", key, "<none>");
    }
    std::string picker(const char* name) {
        return ctx.form7->get<brelk::FileDialogComponent>(name).fileName();
    }
};

TEST_F(StartButton, MissingFilesGetTheShippedDefaultsWrittenBack) {
    fake.files.addFile(startbuttonIni(), "[Einstellungen]\r\nbuttonimgover=C:\\gone.bmp\r\n"
                                         "buttoncaption=\r\n");
    start();
    const std::string normal = folder() + "modules\\startbuttons\\glass_blue_normal.bmp";
    const std::string over = folder() + "modules\\startbuttons\\glass_blue_over.bmp";
    const std::string icon = folder() + "modules\\startbuttons\\icon.bmp";
    const std::string sound = "C:\\WINDOWS\\media\\chimes.wav";
    EXPECT_EQ(stored("buttonimgnormal"), normal);
    EXPECT_EQ(stored("buttonimgover"), over);
    EXPECT_EQ(stored("buttonicon"), icon);
    EXPECT_EQ(stored("sound"), sound);
    EXPECT_EQ(stored("buttoncaption"), "") << "no default for the caption";
    EXPECT_EQ(f7edit("Edit7").text(), normal);
    EXPECT_EQ(f7edit("Edit8").text(), over);
    EXPECT_EQ(f7edit("Edit10").text(), icon);
    EXPECT_EQ(f7edit("Edit9").text(), sound);
    EXPECT_EQ(f7edit("Edit6").text(), "Men\xFC") << "an empty caption keeps the layout's";
    EXPECT_EQ(picker("OpenPictureDialog1"), normal);
    EXPECT_EQ(picker("OpenPictureDialog2"), over);
    EXPECT_EQ(picker("OpenPictureDialog3"), icon);
    EXPECT_EQ(picker("OpenDialog3"), sound);
}

TEST_F(StartButton, ExistingFilesAndACaptionAreTaken) {
    fake.files.addFile("D:\\Buttons\\red.bmp");
    fake.files.addFile("D:\\Sounds\\ding.wav");
    fake.files.addFile(startbuttonIni(),
                       "[Einstellungen]\r\nbuttonimgnormal=D:\\Buttons\\red.bmp\r\n"
                       "sound=D:\\Sounds\\ding.wav\r\nbuttoncaption=Los\r\n");
    start();
    EXPECT_EQ(f7edit("Edit7").text(), "D:\\Buttons\\red.bmp");
    EXPECT_EQ(picker("OpenPictureDialog1"), "D:\\Buttons\\red.bmp");
    EXPECT_EQ(f7edit("Edit9").text(), "D:\\Sounds\\ding.wav");
    EXPECT_EQ(stored("sound"), "D:\\Sounds\\ding.wav");
    EXPECT_EQ(f7edit("Edit6").text(), "Los");
}

TEST(MemorySize, OneMegabyteShortOfAModuleSizeIsRoundedUp) {
    EXPECT_EQ(brelk::memorySizeText(511), "512");
    EXPECT_EQ(brelk::memorySizeText(31), "32");
    EXPECT_EQ(brelk::memorySizeText(383), "384");
    EXPECT_EQ(brelk::memorySizeText(1023), "1023");
    EXPECT_EQ(brelk::memorySizeText(767), "767");
    EXPECT_EQ(brelk::memorySizeText(190), "190");
    EXPECT_EQ(brelk::memorySizeText(512), "512");
}

TEST_F(Startup, CreationShowsTheMemoryInWholeMegabytes) {
    fake.system.memory.totalPhysical = (511ull << 20) + 12345;
    fake.system.memory.totalPageFile = 1536ull << 20;
    create();
    EXPECT_EQ(c<ui::Edit>("Edit2").text(), "512");
    EXPECT_EQ(w->state.pagefileMb, 1536u);
}

struct Splash : ShellFixture {
    brelk::SplashWindow* splash = nullptr;
    void createSplash() {
        splash = &h.app.createForm(std::make_unique<brelk::SplashWindow>(ctx));
        create();
        splash->next = w;
        splash->show();
    }
};

TEST_F(Splash, FadesInWithinOneTickAndHandsOverToTheMainWindow) {
    createSplash();
    EXPECT_EQ(splash->alphaBlendValue(), 0);
    EXPECT_EQ(splash->get<ui::Label>("Label5").caption(), "5.0");
    auto& timer1 = splash->get<ui::Timer>("Timer1");
    auto& timer2 = splash->get<ui::Timer>("Timer2");
    timer2.tick();
    EXPECT_FALSE(w->visible()) << "the second timer waits for the first";
    EXPECT_FALSE(c<ui::Timer>("Timer2").enabled()) << "no gauge ticks while the splash stands";
    timer1.tick();
    EXPECT_EQ(splash->alphaBlendValue(), 248);
    EXPECT_FALSE(timer1.enabled());
    EXPECT_TRUE(timer2.enabled());
    timer2.tick();
    EXPECT_TRUE(w->visible());
    EXPECT_TRUE(c<ui::Label>("Label9").enabled()) << "the main window's start-up ran";
    EXPECT_TRUE(c<ui::Timer>("Timer2").enabled()) << "the gauges tick once the main window shows";
    EXPECT_FALSE(splash->visible());
    EXPECT_FALSE(timer2.enabled());
    EXPECT_EQ(h.app.mainForm(), splash);
}

// A window system whose pending messages include another tick of the splash's second timer.
struct TickingBackend : ui::HeadlessBackend {
    ui::Timer* timer = nullptr;
    void processMessages() override {
        HeadlessBackend::processMessages();
        if (timer) timer->tick();
    }
};

TEST(SplashHandOver, AStartUpThatLetsMessagesRunIsNotStartedAgain) {
    TickingBackend backend;
    ui::ScriptedDialogs dialogs;
    ui::Application app(backend, dialogs);
    platform::FakePlatform fake;
    ui::DirectoryResourceStore resources(BRELK_RES_DIR);
    brelk::Context ctx{app, fake.platform(), resources, fake.files.programFolder(), {}};
    fake.registry
        .createKey(RootKey::LocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion")
        ->writeString("ProductName", "Microsoft Windows XP");
    fake.files.addFile(ctx.modulesFile("oservices.ini"),
                       "[Onlineservices]\r\nServer1=10.0.0.1\r\nping=yes\r\n");
    fake.network.listen({10, 0, 0, 1}, 80);
    auto& splash = app.createForm(std::make_unique<brelk::SplashWindow>(ctx));
    auto main = std::make_unique<brelk::MainWindow>(ctx, brelk::mainWindowParts());
    main->loadLayout(testing_support::kShellNeighbours, brelk::brelkClasses(), resources);
    splash.next = &app.createForm(std::move(main));
    ctx.form7 = &app.createForm(std::make_unique<brelk::CustomiseWindow>(ctx));
    splash.show();
    backend.timer = &splash.get<ui::Timer>("Timer2");
    splash.get<ui::Timer>("Timer1").tick();
    backend.timer->tick();
    EXPECT_EQ(fake.network.connections.size(), 1u) << "the start-up ran once";
    EXPECT_TRUE(splash.next->visible());
    EXPECT_FALSE(splash.visible());
}

TEST_F(Splash, ShowsWhenBrelkIniIsMissing) {
    fake.files.deleteFile(brelkIni());
    createSplash();
    EXPECT_EQ(splash->get<ui::Label>("Label5").caption(), "no brelk.ini found");
}

} // namespace
