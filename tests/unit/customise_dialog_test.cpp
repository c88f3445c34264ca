// The customisation dialog on the real layouts: openers, creation and showing, the page-file
// recommendation, pickers, the folder and drive fields, and what "fortfahren >" stores.
#include "customise/customise_window.h"
#include "customise/pagefile_calc.h"
#include "customise/store_values.h"
#include "shell/file_dialog_component.h"
#include "shell_fixture.h"
#include "tweak_engine_fixture.h"
#include "ui/bitmap.h"

#include <algorithm>
#include <map>

using shell_test::ShellFixture;

namespace {

constexpr auto LM = platform::RootKey::LocalMachine;
constexpr std::int64_t MB = 1048576, GB = 1024 * MB;
namespace drivetype = platform::drivetype;

std::string pictureFile(int side, std::uint32_t colour) {
    ui::Bitmap b{side, side,
                 std::vector<std::uint32_t>(static_cast<std::size_t>(side * side), colour)};
    return ui::encodeBmp(b);
}

struct Dialog : ShellFixture {
    // A fresh program for one case of a table, beside the test's own.
    struct Fresh;

    brelk::CustomiseWindow* f7 = nullptr;

    void SetUp() override { ShellFixture::SetUp(); }
    // Creates the windows (the dialog's creation runs) and shows the main window.
    void startProgram() {
        start();
        f7 = brelk::customiseWindow(ctx);
        ASSERT_NE(f7, nullptr);
    }
    template <class T> T& d(const std::string& name) { return f7->get<T>(name); }
    std::string text(const std::string& edit) { return d<ui::Edit>(edit).text(); }
    std::optional<std::string> kestovar(const std::string& name) {
        auto key = fake.registry.openKey(LM, "SOFTWARE\\Kestovar", platform::KeyAccess::Read);
        if (!key) return std::nullopt;
        auto r = key->readString(name);
        return r.ok() ? std::optional(r.value) : std::nullopt;
    }
    // Makes a control of the main window reachable for the mouse: it and its parents shown.
    void reveal(const std::string& name) {
        for (ui::Control* c = &w->c<ui::Control>(name); c; c = c->parent())
            c->show();
    }
    // Opens the dialog as the user does: the gear's hover, then a click on its twin.
    void openPanel(int panel) {
        static const std::map<int, std::pair<const char*, const char*>> kGears = {
            {1, {"Image45", "Image46"}},   {2, {"Image47", "Image54"}},
            {3, {"Image64", "Image70"}},   {4, {"Image83", "Image84"}},
            {5, {"Image188", "Image187"}}, {6, {"Image264", "Image263"}},
            {7, {"Image305", "Image306"}}};
        const auto& [plain, hot] = kGears.at(panel);
        reveal(plain);
        w->c<ui::Image>(plain).mouseMove({}, 1, 1);
        w->c<ui::Image>(hot).click();
    }
    void setMemory(const std::string& megabytes) { w->c<ui::Edit>("Edit2").setText(megabytes); }
    void setDrives(std::map<char, platform::FakeFileSystem::Drive> drives) {
        fake.files.drives = std::move(drives);
    }
    const ui::Bitmap* preview(const std::string& image) {
        return d<ui::Image>(image).picture().get();
    }
};

struct Dialog::Fresh : Dialog {
    Fresh() { SetUp(); }
    void TestBody() override {}
};

TEST_F(Dialog, EachGearShowsItsPanelAloneAndBringsTheDialogToTheFront) {
    startProgram();
    EXPECT_FALSE(f7->visible()) << "created hidden";
    for (int panel = 1; panel <= 7; ++panel) {
        h.backend.commands.clear();
        openPanel(panel);
        EXPECT_TRUE(f7->visible()) << panel;
        for (int i = 1; i <= 7; ++i) {
            EXPECT_EQ(d<ui::Panel>("Panel" + std::to_string(i)).visible(), i == panel)
                << "opened " << panel << ", panel " << i;
        }
        EXPECT_NE(std::find(h.backend.commands.begin(), h.backend.commands.end(),
                            ui::Command::BringToFront),
                  h.backend.commands.end())
            << "opener " << panel << " with the dialog " << (panel == 1 ? "hidden" : "open");
    }
    EXPECT_TRUE(messages().empty()) << messages().front();
}

TEST_F(Dialog, CreationFillsTheFieldsAndStoresTheDefaults) {
    fake.registry
        .createKey(platform::RootKey::CurrentUser, "Software\\Microsoft\\Internet Explorer\\Main")
        ->writeString("Window Title", "Surfen");
    fake.registry
        .createKey(platform::RootKey::ClassesRoot, "CLSID\\{20D04FE0-3AEA-1069-A2D8-08002B30309D}")
        ->writeString("", "Rechner");
    startProgram();
    EXPECT_EQ(text("Edit5"), "Surfen");
    EXPECT_EQ(text("Edit4"), "Rechner");
    EXPECT_EQ(std::pair(f7->left(), f7->top()), std::pair(30, 50));
    EXPECT_EQ(kestovar("path"), folder());
    EXPECT_EQ(kestovar("logo"), folder() + "modules\\oemlogo.bmp");
    EXPECT_EQ(kestovar("skin"), folder() + "modules\\skins\\01.bmp");
    EXPECT_EQ(kestovar("Pagingfiles"), "c:\\pagefile.sys 300 300");
    ASSERT_NE(preview("Image1"), nullptr);
    EXPECT_EQ(*preview("Image1"), ui::decodePicture(testing_support::shippedFile("oemlogo.bmp")));
    // The skin list holds the skins; the first is previewed and taken.
    EXPECT_EQ(d<ui::FileListBox>("FileListBox1").items(),
              (std::vector<std::string>{"01.bmp", "02.bmp", "03.bmp"}));
    EXPECT_EQ(d<brelk::FileDialogComponent>("OpenDialog2").fileName(),
              folder() + "modules\\skins\\01.bmp");
    EXPECT_NE(preview("Image3"), nullptr);
    EXPECT_TRUE(messages().empty()) << messages().front();
}

TEST_F(Dialog, CreationFailuresAreShownOnceAndSkipOnlyWhatTheyMust) {
    struct Case {
        const char* name;
        std::function<void(Dialog&)> arrange;
        std::vector<std::string> messages;
        std::string ieTitle; // Edit5 after creation
        bool skinsListed;
    };
    const std::string logo = "C:\\Program Files\\Brelvanto\\modules\\oemlogo.bmp";
    const std::vector<Case> cases = {
        {"started from a CD-ROM",
         [](Dialog& t) { t.fake.files.drives['C'].type = drivetype::cdrom; },
         {"Sie starten das Brelvanto Kit von einem CD-ROM Laufwerk. Beachten Sie, das dieses "
          "Laufwerk nur Lesezugriff besitzt."},
         "",
         true},
        {"logo missing",
         [&](Dialog& t) { t.fake.files.deleteFile(logo); },
         {"Cannot open file \"" + logo + "\"."},
         "",
         false},
        {"logo not a picture",
         [&](Dialog& t) { t.fake.files.writeFile(logo, "BMnonsense"); },
         {"Bitmap image is not valid."},
         "",
         false},
        {"title of the wrong type",
         [](Dialog& t) {
             t.fake.registry
                 .createKey(platform::RootKey::CurrentUser,
                            "Software\\Microsoft\\Internet Explorer\\Main")
                 ->writeInteger("Window Title", 7);
         },
         {},
         "Titel",
         true},
    };
    for (const Case& c : cases) {
        Fresh t;
        c.arrange(t);
        t.startProgram();
        EXPECT_EQ(t.messages(), c.messages) << c.name;
        EXPECT_EQ(t.text("Edit5"), c.ieTitle) << c.name;
        EXPECT_EQ(!t.d<ui::FileListBox>("FileListBox1").items().empty(), c.skinsListed) << c.name;
        EXPECT_EQ(t.kestovar("logo"), logo) << c.name << ": the registry is written before";
    }
}

TEST_F(Dialog, PageFileSizeByProfileAndMemoryAtTheTableEdges) {
    startProgram();
    struct Row {
        int memory;
        int average, power, gamer;
    };
    const Row rows[] = {
        {1, 150, 100, 130},    {31, 150, 100, 130},    {32, 150, 100, 130},  {63, 150, 100, 130},
        {64, 200, 150, 160},   {95, 200, 150, 160},    {96, 250, 200, 220},  {127, 250, 200, 220},
        {128, 350, 300, 320},  {191, 350, 300, 320},   {192, 400, 400, 450}, {255, 400, 400, 450},
        {256, 350, 800, 800},  {511, 350, 800, 800},   {512, 300, 700, 700}, {6000, 300, 700, 700},
        {6001, 300, 700, 700}, {65536, 300, 700, 700},
    };
    for (const Row& r : rows) {
        setMemory(std::to_string(r.memory));
        const std::pair<const char*, int> profiles[] = {
            {"RadioButton2", r.average}, {"RadioButton3", r.power}, {"RadioButton4", r.gamer}};
        for (const auto& [button, size] : profiles) {
            d<ui::RadioButton>(button).setChecked(true);
            brelk::pagefilecalc(ctx);
            const std::string expected = std::to_string(size);
            EXPECT_EQ(std::pair(text("Edit1"), text("Edit2")), std::pair(expected, expected))
                << r.memory << " MB, " << button;
            EXPECT_EQ(kestovar("Pagefilmin"), expected);
            EXPECT_EQ(kestovar("Pagefilemax"), expected);
        }
    }
}

TEST_F(Dialog, AMemoryFieldThatIsNoNumberChangesNothing) {
    startProgram();
    d<ui::Edit>("Edit1").setText("123");
    setMemory("viel");
    openPanel(3);
    EXPECT_EQ(messages(), std::vector<std::string>{"'viel' is not a valid integer value."});
    EXPECT_EQ(text("Edit1"), "123");
}

TEST_F(Dialog, TheHardDiskWithStrictlyTheMostFreeSpaceOverFiftyMegabytesIsChosen) {
    using Drive = platform::FakeFileSystem::Drive;
    const Drive hd10{drivetype::fixed, 10 * GB}, hd20{drivetype::fixed, 20 * GB};
    struct Case {
        const char* name;
        std::map<char, Drive> drives;
        std::string letter;
    };
    const std::vector<Case> cases = {
        {"D has more", {{'C', hd10}, {'D', hd20}}, "d"},
        {"a CD-ROM is never chosen", {{'C', hd10}, {'E', {drivetype::cdrom, 100 * GB}}}, "c"},
        {"a network drive is never chosen",
         {{'C', hd10}, {'F', {drivetype::remote, 100 * GB}}},
         "c"},
        {"a removable drive is never chosen",
         {{'C', hd10}, {'D', {drivetype::removable, 100 * GB}}},
         "c"},
        {"only C, 40 MB free", {{'C', {drivetype::fixed, 40 * MB}}}, ""},
        {"50 MB and a bit is not more than 50", {{'C', {drivetype::fixed, 51 * MB - 1}}}, ""},
        {"51 MB is", {{'C', {drivetype::fixed, 51 * MB}}}, "c"},
        {"two equal drives", {{'C', hd20}, {'D', hd20}}, ""},
        {"two equal drives below a larger one",
         {{'C', hd20}, {'D', hd20}, {'F', {drivetype::fixed, 30 * GB}}},
         "f"},
        {"free space that cannot be read", {{'C', {drivetype::fixed, std::nullopt}}}, ""},
        {"no drives at all", {}, ""},
    };
    startProgram();
    for (const Case& c : cases) {
        setDrives(c.drives);
        f7->freeSpace = {};
        brelk::pagefilecalc(ctx);
        EXPECT_EQ(text("Edit3"), c.letter) << c.name;
        EXPECT_EQ(kestovar("Pagingfiles"), c.letter + ":\\pagefile.sys 300 300") << c.name;
    }
}

TEST_F(Dialog, FreeSpaceOfADriveThatIsNoLongerAHardDiskIsKept) {
    using Drive = platform::FakeFileSystem::Drive;
    setDrives({{'C', {drivetype::fixed, 10 * GB}}, {'D', {drivetype::fixed, 20 * GB}}});
    startProgram();
    EXPECT_EQ(text("Edit3"), "d");
    setDrives({{'C', {drivetype::fixed, 15 * GB}}, {'D', Drive{drivetype::removable, 0}}});
    brelk::pagefilecalc(ctx);
    EXPECT_EQ(text("Edit3"), "d") << "D: keeps the 20 GB measured at start";
}

TEST_F(Dialog, ShowingAndProfileClicksReplaceManualEdits) {
    startProgram();
    openPanel(3);
    d<ui::Edit>("Edit1").setText("999");
    d<ui::Edit>("Edit3").setText("z");
    d<ui::RadioButton>("RadioButton3").click();
    EXPECT_EQ(std::pair(text("Edit1"), text("Edit3")),
              std::pair(std::string("700"), std::string("c")));
    d<ui::RadioButton>("RadioButton3").click(); // already selected: no recomputation
    d<ui::Edit>("Edit1").setText("999");
    d<ui::RadioButton>("RadioButton3").click();
    EXPECT_EQ(text("Edit1"), "999");
    d<ui::Label>("Label10").click();
    EXPECT_FALSE(f7->visible());
    EXPECT_EQ(text("Edit1"), "999") << "closing stores and changes nothing";
    openPanel(3);
    EXPECT_EQ(text("Edit1"), "700") << "showing recomputes";
}

TEST_F(Dialog, LogoAndSkinPickersPreviewTheirSelectionAndOpenOnlyOnce) {
    struct Picker {
        int panel;
        const char* link;
        const char* dialog;
        const char* image;
        const char* folder;
    };
    const Picker pickers[] = {{1, "RadioButton5", "OpenDialog1", "Image1", "modules"},
                              {2, "RadioButton1", "OpenDialog2", "Image3", "modules\\skins"}};
    for (const Picker& p : pickers) {
        Fresh t;
        t.fake.files.addFile("C:\\Bilder\\rot.bmp", pictureFile(2, 0xFF0000));
        t.fake.files.addFile("C:\\Bilder\\kaputt.bmp", "BM kaputt");
        t.startProgram();
        t.openPanel(p.panel);
        // While open: a missing file is passed over, a bad picture reports its error once.
        t.h.dialogs.selections.push_back({"C:\\Bilder\\fehlt.bmp", "C:\\Bilder\\kaputt.bmp"});
        t.h.dialogs.files.push_back("C:\\Bilder\\rot.bmp");
        t.d<ui::RadioButton>(p.link).click();
        ASSERT_EQ(t.h.dialogs.fileDialogs.size(), 1u) << p.link;
        EXPECT_EQ(t.h.dialogs.fileDialogs[0].initialDir, t.folder() + p.folder) << p.link;
        EXPECT_EQ(t.h.dialogs.fileDialogs[0].filter, "*.bmp|*.bmp") << p.link;
        EXPECT_EQ(t.messages(), std::vector<std::string>{"Bitmap image is not valid."}) << p.link;
        EXPECT_EQ(*t.preview(p.image), ui::decodePicture(pictureFile(2, 0xFF0000))) << p.link;
        EXPECT_EQ(t.d<brelk::FileDialogComponent>(p.dialog).fileName(), "C:\\Bilder\\rot.bmp");
        // The link stays selected, so a second click in this run opens nothing.
        t.d<ui::RadioButton>(p.link).click();
        EXPECT_EQ(t.h.dialogs.fileDialogs.size(), 1u) << p.link;
    }
}

// "fortfahren >" stores only a picture that loaded: a file larger than any picture (refused
// before it is read) or a file that is no picture reports the error and leaves the stored value.
TEST_F(Dialog, PickersTakeOnlyAPictureThatLoaded) {
    struct Picker {
        int panel;
        const char *link, *value, *shipped;
    };
    const Picker pickers[] = {{1, "RadioButton5", "logo", "modules\\oemlogo.bmp"},
                              {2, "RadioButton1", "skin", "modules\\skins\\01.bmp"}};
    const std::pair<const char*, bool> files[] = {{"C:\\Bilder\\riesig.bmp", false},
                                                  {"C:\\Bilder\\text.bmp", false},
                                                  {"C:\\Bilder\\rot.bmp", true}};
    for (const Picker& p : pickers) {
        for (const auto& [file, loads] : files) {
            SCOPED_TRACE(std::string(p.value) + " " + file);
            Fresh t;
            // Read whole, 2 TB would end the program (out of memory).
            t.fake.files.addLargeFile("C:\\Bilder\\riesig.bmp", "BM", std::uint64_t{1} << 41);
            t.fake.files.addFile("C:\\Bilder\\text.bmp", "kein Bild");
            t.fake.files.addFile("C:\\Bilder\\rot.bmp", pictureFile(2, 0xFF0000));
            t.startProgram();
            t.openPanel(p.panel);
            t.h.dialogs.files.push_back(file);
            t.d<ui::RadioButton>(p.link).click();
            EXPECT_EQ(t.messages(), loads ? std::vector<std::string>{}
                                          : std::vector<std::string>{"Bitmap image is not valid."});
            t.d<ui::Label>("Label5").click();
            EXPECT_EQ(t.kestovar(p.value), loads ? file : t.folder() + p.shipped);
        }
    }
    // Without any skin the dialog has none to store, and the creation's default stays.
    Fresh t;
    for (const char* skin : {"01.bmp", "02.bmp", "03.bmp"})
        t.fake.files.deleteFile(t.folder() + "modules\\skins\\" + skin);
    t.startProgram();
    t.openPanel(2);
    t.d<ui::Label>("Label5").click();
    EXPECT_EQ(t.kestovar("skin"), t.folder() + "modules\\skins\\01.bmp");
}

TEST_F(Dialog, ACancelledPickerShowsThePreviousChoiceOrTheDefault) {
    fake.files.addFile("C:\\Bilder\\rot.bmp", pictureFile(2, 0xFF0000));
    startProgram();
    openPanel(2);
    h.dialogs.selections.push_back({"C:\\Bilder\\rot.bmp"});
    d<ui::RadioButton>("RadioButton1").click(); // cancelled after a live preview
    EXPECT_EQ(d<brelk::FileDialogComponent>("OpenDialog2").fileName(),
              folder() + "modules\\skins\\01.bmp");
    EXPECT_EQ(*preview("Image3"), ui::decodePicture(testing_support::shippedFile("skins/01.bmp")));
    openPanel(1);
    d<ui::RadioButton>("RadioButton5").click(); // no logo chosen before: the shipped one
    EXPECT_EQ(*preview("Image1"), ui::decodePicture(testing_support::shippedFile("oemlogo.bmp")));
    EXPECT_TRUE(messages().empty()) << messages().front();
}

TEST_F(Dialog, StartButtonFieldsFollowTheLastSelectionEvenAfterACancel) {
    startProgram();
    openPanel(6);
    const std::pair<const char*, const char*> pickers[] = {
        {"Button1", "Edit7"}, {"Button2", "Edit8"}, {"Button4", "Edit10"}, {"Button3", "Edit9"}};
    for (const auto& [button, edit] : pickers) {
        const std::string last = std::string("C:\\Knopf\\") + edit + ".bmp";
        h.dialogs.selections.push_back({"C:\\Knopf\\erst.bmp", last});
        d<ui::Button>(button).click();
        EXPECT_EQ(text(edit), last) << button;
    }
    EXPECT_EQ(h.dialogs.fileDialogs.back().filter, "*.wav|*.wav") << "the sound picker";
}

// The three picture pickers preview each selected picture inside the dialog; a file that is
// missing, too large or no picture leaves the preview empty without a message.
TEST_F(Dialog, StartButtonPicturePickersPreviewTheSelection) {
    fake.files.addFile("C:\\Knopf\\rot.bmp", pictureFile(2, 0xFF0000));
    fake.files.addFile("C:\\Knopf\\text.bmp", "kein Bild");
    fake.files.addLargeFile("C:\\Knopf\\riesig.bmp", "BM", std::uint64_t{1} << 41);
    startProgram();
    openPanel(6);
    for (const char* button : {"Button1", "Button2", "Button4", "Button3"}) {
        SCOPED_TRACE(button);
        h.dialogs.previews.clear();
        h.dialogs.selections.push_back({"C:\\Knopf\\rot.bmp", "C:\\Knopf\\text.bmp",
                                        "C:\\Knopf\\riesig.bmp", "C:\\Knopf\\fehlt.bmp"});
        d<ui::Button>(button).click();
        if (std::string(button) == "Button3") {
            EXPECT_TRUE(h.dialogs.previews.empty()) << "the sound picker has no preview";
            continue;
        }
        ASSERT_EQ(h.dialogs.previews.size(), 4u);
        ASSERT_NE(h.dialogs.previews[0], nullptr);
        EXPECT_EQ(*h.dialogs.previews[0], ui::decodePicture(pictureFile(2, 0xFF0000)));
        for (std::size_t i = 1; i < 4; ++i)
            EXPECT_EQ(h.dialogs.previews[i], nullptr) << i;
    }
    EXPECT_TRUE(messages().empty());
}

TEST_F(Dialog, FolderAndDriveLetterFields) {
    startProgram();
    openPanel(7);
    d<ui::Edit>("Edit12").userChangedText("E:");
    EXPECT_EQ(text("Edit12"), "E");
    d<ui::Edit>("Edit12").userChangedText("");
    d<ui::Edit>("Edit12").click();
    EXPECT_EQ(text("Edit12"), "") << "no placeholder left to clear";

    d<ui::Edit>("Edit11").click();
    EXPECT_EQ(text("Edit11"), "");
    d<ui::Edit>("Edit11").setText("...x");
    d<ui::Edit>("Edit11").click();
    EXPECT_EQ(text("Edit11"), "...x");

    h.dialogs.files = {std::string("C:\\Daten"), std::nullopt};
    d<ui::Button>("Button5").click();
    EXPECT_EQ(text("Edit11"), "C:\\Daten");
    d<ui::Button>("Button5").click();
    EXPECT_EQ(text("Edit11"), "") << "a cancelled folder browser empties the field";
    EXPECT_EQ(h.dialogs.folderRoots, (std::vector<int>{17, 17}));
    EXPECT_EQ(h.dialogs.fileDialogs.back().title, "Ordner wählen");
}

TEST_F(Dialog, FortfahrenStoresTheValuesAndHides) {
    fake.files.addFile(startbuttonIni(), "[Einstellungen]\r\nbuttonimgover=C:\\alt.bmp\r\n");
    fake.files.addFile("C:\\alt.bmp", pictureFile(1, 0));
    fake.files.addFile("C:\\Knopf\\normal.bmp", pictureFile(1, 0));
    startProgram();
    openPanel(6);
    d<ui::Edit>("Edit7").setText("C:\\Knopf\\normal.bmp");
    d<ui::Edit>("Edit8").setText("C:\\Knopf\\fehlt.bmp");
    d<ui::Edit>("Edit6").setText("");
    d<ui::Edit>("Edit1").setText("123");
    d<ui::Edit>("Edit2").setText("456");
    d<ui::Edit>("Edit3").setText("e");
    d<ui::Label>("Label5").click();

    EXPECT_FALSE(f7->visible());
    EXPECT_EQ(kestovar("Pagefilmin"), "123");
    EXPECT_EQ(kestovar("Pagefilemax"), "456");
    EXPECT_EQ(kestovar("Pagingfiles"), "e:\\pagefile.sys 123 456");
    EXPECT_EQ(kestovar("logo"), folder() + "modules\\oemlogo.bmp") << "no logo picked";
    EXPECT_EQ(kestovar("skin"), folder() + "modules\\skins\\01.bmp");
    auto ini = [&](const char* key) {
        return fake.profiles.readString(startbuttonIni(), "Einstellungen", key, "<none>");
    };
    EXPECT_EQ(ini("buttonimgnormal"), "C:\\Knopf\\normal.bmp");
    EXPECT_EQ(ini("buttonimgover"), "C:\\alt.bmp") << "a missing file leaves the key";
    EXPECT_EQ(ini("buttoncaption"), "") << "the caption is written even when empty";
}

TEST_F(Dialog, HoverLooksAndEscape) {
    startProgram();
    openPanel(4);
    d<ui::Label>("Label5").mouseMove({}, 1, 1);
    EXPECT_TRUE(d<ui::Image>("Image2").visible());
    EXPECT_FALSE(d<ui::Image>("Image5").visible());
    EXPECT_EQ(d<ui::Label>("Label5").font().color, 0x008000u);
    d<ui::Label>("Label10").mouseMove({}, 1, 1);
    EXPECT_EQ(d<ui::Label>("Label10").font().color, 0xF5EEE9u);
    d<ui::ScrollBox>("ScrollBox4").mouseMove({}, 1, 1);
    EXPECT_EQ(d<ui::Label>("Label10").font().color, 0xFFFFFFu);
    EXPECT_EQ(d<ui::Label>("Label5").font().color, 0x000000u);
    EXPECT_TRUE(d<ui::Image>("Image5").visible());
    EXPECT_TRUE(f7->visible());
    h.backend.keysHeld.push_back(0x1B);
    d<ui::ScrollBox>("ScrollBox4").mouseMove({}, 1, 1);
    EXPECT_FALSE(f7->visible());
}

struct PageFileRow : tweak_test::EngineFixture {};

// The same check guards the run's page-file row and what "fortfahren >" stores: a sound setting
// is written, any other writes nothing (the run logs why, the stored values stay).
TEST_F(PageFileRow, OnlyASoundSettingIsWrittenOrStored) {
    struct Case {
        const char *minimum, *maximum, *drive;
        const char* problem; // nullptr: written
    };
    const Case cases[] = {
        {"400", "400", "C", nullptr},
        {"0300", "800", "d", nullptr},
        {"100", "100", "", "kein Laufwerk für die Auslagerungsdatei"},
        {"abc", "400", "cd", "\"cd\" ist kein Laufwerksbuchstabe (A bis Z)"},
        {"400", "400", "\xC4", "\"\xC4\" ist kein Laufwerksbuchstabe (A bis Z)"},
        {"400", "400", "1", "\"1\" ist kein Laufwerksbuchstabe (A bis Z)"},
        {"abc", "400", "c", "\"abc\" ist keine Größe in MB"},
        {"", "400", "c", "\"\" ist keine Größe in MB"},
        {"400", "-1", "c", "\"-1\" ist keine Größe in MB"},
        {"400", "4000000", "c", "\"4000000\" ist keine Größe in MB"},
        {"800", "100", "c", "Minimum 800 MB über Maximum 100 MB"},
    };
    const std::string memory =
        "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
    auto kestovar = [&](const char* name) { return text(LM, "SOFTWARE\\Kestovar", name); };
    check(25);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.minimum) + " / " + c.maximum + " / " + c.drive);
        fake.registry.createKey(LM, memory)->deleteValue("Pagingfiles");
        fake.registry.createKey(LM, "SOFTWARE\\Kestovar")->writeString("Pagingfiles", "alt");
        form7->get<ui::Edit>("Edit1").setText(c.minimum);
        form7->get<ui::Edit>("Edit2").setText(c.maximum);
        form7->get<ui::Edit>("Edit3").setText(c.drive);
        startRun();
        brelk::kopieren(*form7);
        const std::string setting =
            std::string(c.drive) + ":\\pagefile.sys " + c.minimum + " " + c.maximum;
        const auto refusal = std::find(log().begin(), log().end(),
                                       "Pagingfiles: " + std::string(c.problem ? c.problem : "") +
                                           ", nichts geschrieben");
        if (c.problem) {
            EXPECT_EQ(text(LM, memory, "Pagingfiles"), std::nullopt);
            EXPECT_NE(refusal, log().end());
            EXPECT_EQ(kestovar("Pagingfiles"), "alt");
        } else {
            EXPECT_EQ(text(LM, memory, "Pagingfiles"), setting);
            EXPECT_EQ(kestovar("Pagingfiles"), setting);
            EXPECT_EQ(kestovar("Pagefilmin"), c.minimum);
            EXPECT_EQ(kestovar("Pagefilemax"), c.maximum);
        }
    }
    EXPECT_TRUE(h.dialogs.messages.empty());
}

} // namespace
