// Server choice, download status, version comparison, list checks and the online update on the
// fake network.
#include "online/download_names.h"
#include "online/download_status.h"
#include "online/online_update.h"
#include "online_fixture.h"

namespace {

using online_test::OnlineFixture;

TEST(DownloadNames, OnlyNamesThatStayInsideTheirFolderAreTaken) {
    const struct {
        std::string name;
        bool safe;
    } cases[] = {
        {"liesmich.txt", true},
        {"modules\\web\\news.htm", true},
        {"modules/web/news.htm", true},
        {"..x.txt", true},
        {std::string(150, 'a'), true},
        {"", false},
        {std::string(151, 'a'), false},
        {"\\windows\\evil.dll", false},
        {"/etc/evil", false},
        {"C:\\evil.exe", false},
        {"c:evil.exe", false},
        {"datei.txt:strom", false},
        {"..", false},
        {"..\\evil.exe", false},
        {"modules\\..\\..\\evil.exe", false},
        {"modules/../../evil.exe", false},
        {"modules\\.\\x", false},
        {"modules\\\\x", false},
        {"modules\\", false},
        {"tab\there", false},
        // Devices, in any case and with any extension, also as a folder.
        {"CON", false},
        {"nul.txt", false},
        {"Com1", false},
        {"lpt9.dat", false},
        {"modules\\aux\\x.htm", false},
        {"prn .txt", false},
        {"conin$", false},
        {"com\xB9.txt", false},
        {"com0.txt", true},
        {"lpt10.txt", true},
        {"console.txt", true},
        {"nullen.txt", true},
        // Steps Windows would shorten into another name.
        {".. \\.. \\evil4.txt", false},
        {"...\\evil5.txt", false},
        {"datei.", false},
        {"datei ", false},
        {"ordner.\\x.txt", false},
        {"wer?.txt", false},
        {"a|b.txt", false},
        {"<a>.txt", false},
    };
    for (const auto& k : cases)
        EXPECT_EQ(brelk::isSafeDownloadName(k.name), k.safe) << k.name;
}

TEST(UpdateList, VersionsCompareByCharacterCodeAndCountsAreZeroToTwenty) {
    const std::string thirty(30, '5');
    const struct {
        std::string offered, installed;
        bool newer;
    } versions[] = {
        {"1.2", "1.10", true}, {"1.10", "1.2", false},
        {"5.0", "5.0", false}, {"", "5.0", false},
        {"", "", false},       {"5.0a", "5.0", true},
        {"a", "B", true},      {"B", "a", false},
        {"\xE4", "z", true},   {thirty + "9", thirty, false},
    };
    for (const auto& v : versions) {
        EXPECT_EQ(brelk::isNewerVersion(v.offered, v.installed), v.newer)
            << v.offered << " / " << v.installed;
    }
    const struct {
        std::string text;
        std::optional<int> count;
    } counts[] = {
        {"0", 0},
        {"3", 3},
        {"20", 20},
        {"21", std::nullopt},
        {"-1", std::nullopt},
        {"drei", std::nullopt},
        {"", std::nullopt},
        {"3x", std::nullopt},
    };
    for (const auto& k : counts)
        EXPECT_EQ(brelk::updateFileCount(k.text), k.count) << k.text;
}

TEST(DownloadStatus, EachStageShowsItsTextAndTheDataStageItsPercentage) {
    testing_support::HeadlessApp h;
    ui::Label label;
    ui::Gauge gauge;
    int processed = 0;
    brelk::cDownloadStatusCallback status(label, gauge, [&] { ++processed; });
    const struct {
        std::uint32_t code, progress, max;
        std::string caption;
        int gauge;
    } steps[] = {
        {1, 0, 0, "Datei wurde gefunden...", 0},
        {2, 0, 0, "Es wird verbunden...", 0},
        {5, 50, 200, "Datei wird heruntergeladen...", 25},
        {4, 0, 0, "Der Download wurde gestartet...", 0},
        {5, 4000000000u, 4200000000u, "Datei wird heruntergeladen...", 95},
        {3, 1, 1, "Datei wird heruntergeladen...", 95}, // other codes change nothing
        {5, 10, 0, "Datei wird heruntergeladen...", 0}, // no length sent
        {5, 300, 200, "Datei wird heruntergeladen...", 100},
        {6, 0, 0, "Download abgeschlossen...", 100},
    };
    for (const auto& s : steps) {
        status.onProgress(s.progress, s.max, s.code, "");
        EXPECT_EQ(label.caption(), s.caption) << s.code;
        EXPECT_EQ(gauge.position(), s.gauge) << s.code;
    }
    EXPECT_EQ(processed, static_cast<int>(std::size(steps)));
    status.waiting(); // no report: the window is kept alive, nothing shown changes
    EXPECT_EQ(processed, static_cast<int>(std::size(steps)) + 1);
    EXPECT_EQ(label.caption(), "Download abgeschlossen...");
}

TEST_F(OnlineFixture, TheServerChoiceTakesThePrimaryOnlyWhenItsHostAnswers) {
    const std::string longHost = std::string(160, 'h') + ".example";
    fake.network.addHost(longHost, {10, 0, 0, 200});
    fake.network.listen({10, 0, 0, 200}, 80);
    const struct {
        std::string primary, fallback, updateBase;
    } cases[] = {
        {base, "http://zwei.example", base},
        {"http://unbekannt.example", "http://zwei.example", "http://zwei.example"},
        {"http://10.0.0.9", "http://zwei.example", "http://zwei.example"}, // resolves, no answer
        {"http://" + longHost, "x", ("http://" + longHost).substr(0, 150)},
    };
    for (const auto& k : cases) {
        c<ui::Edit>("Edit8").setText(k.primary);
        c<ui::Edit>("Edit9").setText(k.fallback);
        fake.network.requests.clear();
        run("Updatesuche");
        EXPECT_EQ(requested(0), k.updateBase + "/premium/2005b/dwn/update.ini") << k.primary;
        // The browser pages use the base whole.
        run("Anleitstart");
        EXPECT_EQ(c<ui::WebBrowser>("WebBrowser1").url(),
                  (k.updateBase == k.fallback ? k.fallback : k.primary) +
                      "/premium/2005b/tipps.htm");
    }
    EXPECT_EQ(fake.network.connections.back().first, (platform::Ipv4Address{10, 0, 0, 200}));
}

TEST_F(OnlineFixture, TheUpdateStopsWhereTheListOrItsFilesFail) {
    const std::string updater = folder() + "update\\update.exe";
    const struct {
        const char* what;
        std::optional<std::string> list; // nothing: not on the server
        std::vector<int> answers;
        std::vector<std::string> messages;
        std::string versionShown;
        std::size_t requests;
        std::string runStatus;
    } cases[] = {
        {"no list", std::nullopt, {}, {"Fehler beim Download der Updateinformationen"}, "", 1, ""},
        {"same version",
         "[Options]\r\nVersion=5.0\r\nFiles=1\r\n[Files]\r\n1=a.txt\r\n",
         {},
         {},
         "kein Update verfügbar",
         1,
         ""},
        {"count above 20",
         "[Options]\r\nVersion=6.0\r\nFiles=21\r\n",
         {},
         {"Die Updateinformationen sind fehlerhaft: die Dateianzahl \"21\" ist keine Zahl von 0 "
          "bis 20."},
         "",
         1,
         ""},
        {"no count",
         "[Options]\r\nVersion=6.0\r\n",
         {},
         {"Die Updateinformationen sind fehlerhaft: die Dateianzahl \"\" ist keine Zahl von 0 bis "
          "20."},
         "",
         1,
         ""},
        {"absolute name",
         "[Options]\r\nVersion=6.0\r\nFiles=2\r\n[Files]\r\n1=a.txt\r\n2=C:\\x\r\n",
         {},
         {"Die Updateinformationen nennen einen unzulässigen Dateinamen: \"C:\\x\". Das Update "
          "wird nicht durchgeführt."},
         "",
         1,
         ""},
        {"gap in the names",
         "[Options]\r\nVersion=6.0\r\nFiles=2\r\n[Files]\r\n1=a.txt\r\n",
         {},
         {"Die Updateinformationen nennen einen unzulässigen Dateinamen: \"\". Das Update wird "
          "nicht durchgeführt."},
         "",
         1,
         ""},
        {"cancelled",
         "[Options]\r\nVersion=6.0\r\nFiles=1\r\n[Files]\r\n1=a.txt\r\n",
         {ui::mb::IdCancel},
         {"Möchten Sie das Brelvanto Kit von 5.0 auf 6.0 aktualisieren?"},
         "6.0",
         1,
         "- abgebrochen -"},
        {"no files",
         "[Options]\r\nVersion=6.0\r\nFiles=0\r\n",
         {},
         {"Möchten Sie das Brelvanto Kit von 5.0 auf 6.0 aktualisieren?"},
         "6.0",
         1,
         ""},
        {"missing file",
         "[Options]\r\nVersion=6.0\r\nFiles=3\r\n[Files]\r\n1=a.txt\r\n2=fehlt.txt\r\n3=b.txt\r\n",
         {},
         {"Möchten Sie das Brelvanto Kit von 5.0 auf 6.0 aktualisieren?",
          "Die Datei \"fehlt.txt\" konnte nicht heruntergeladen werden. Das Update wurde "
          "abgebrochen."},
         "6.0",
         3,
         "- abgebrochen -"},
    };
    serve("dwn/a.txt", "A");
    serve("dwn/b.txt", "B");
    for (const auto& k : cases) {
        SCOPED_TRACE(k.what);
        if (k.list) {
            serve("dwn/update.ini", *k.list);
        } else {
            fake.network.served.erase(base + "/premium/2005b/dwn/update.ini");
        }
        fake.network.requests.clear();
        h.dialogs.messages.clear();
        c<ui::Label>("Label149").setCaption("");
        c<ui::Label>("Label145").setCaption("");
        h.dialogs.answers.assign(k.answers.begin(), k.answers.end());
        run("Updatesuche");
        EXPECT_EQ(messages(), k.messages);
        EXPECT_EQ(c<ui::Label>("Label149").caption(), k.versionShown);
        EXPECT_EQ(fake.network.requests.size(), k.requests);
        EXPECT_EQ(c<ui::Label>("Label145").caption(), k.runStatus);
        EXPECT_TRUE(fake.shell.executions.empty());
        EXPECT_FALSE(h.app.terminated());
    }
    EXPECT_FALSE(fake.files.fileExists(folder() + "update\\b.txt"));
    // The labels tell the present: the failed file, then nothing of it in the next run.
    EXPECT_EQ(c<ui::Label>("Label142").caption(), "Download fehlgeschlagen...");
    serve("dwn/update.ini", "[Options]\r\nVersion=5.0\r\nFiles=0\r\n");
    run("Updatesuche");
    EXPECT_FALSE(visible("Label145"));
}

TEST_F(OnlineFixture, AWholeUpdateHandsOverOnlyItsOwnFilesToTheUpdater) {
    serve("dwn/update.ini", "[Options]\r\nVersion=5.1\r\nFiles=3\r\n[Files]\r\n1=liesmich.txt\r\n"
                            "2=modules\\neu\\x.htm\r\n3=update.exe\r\n");
    serve("dwn/liesmich.txt", "L");
    serve("dwn/modules/neu/x.htm", "X");
    serve("dwn/update.exe", "NEW");
    // Left by an earlier, aborted update.
    fake.files.addDirectory(folder() + "update");
    fake.files.addDirectory(folder() + "update\\modules");
    fake.files.addFile(folder() + "update\\alt.dll", "OLD");
    fake.files.addFile(folder() + "update\\modules\\alt.htm", "OLD");
    fake.files.setAttributes(folder() + "update\\modules\\alt.htm", platform::fileattr::readOnly);
    run("Updatesuche");
    EXPECT_EQ(requested(3), base + "/premium/2005b/dwn/update.exe");
    EXPECT_EQ(fake.files.readFile(folder() + "update\\modules\\neu\\x.htm"), "X");
    for (const char* stale : {"update\\alt.dll", "update\\modules\\alt.htm"})
        EXPECT_FALSE(fake.files.fileExists(folder() + stale)) << stale;
    for (const char* sub : {"update\\modules\\web", "update\\modules\\skins"})
        EXPECT_TRUE(fake.files.directoryExists(folder() + sub)) << sub;
    EXPECT_EQ(c<ui::Label>("Label150").caption(), "update.exe");
    EXPECT_EQ(c<ui::Gauge>("Gauge5").position(), 100);
    ASSERT_EQ(fake.shell.executions.size(), 1u);
    EXPECT_EQ(fake.shell.executions[0].verb, "open");
    EXPECT_EQ(fake.shell.executions[0].file, folder() + "update\\update.exe");
    EXPECT_EQ(fake.shell.executions[0].showCommand, 2);
    EXPECT_TRUE(h.app.terminated());
}

TEST_F(OnlineFixture, AnUpdaterThatDoesNotStartKeepsTheProgramRunning) {
    serve("dwn/update.ini", "[Options]\r\nVersion=5.1\r\nFiles=1\r\n[Files]\r\n1=liesmich.txt\r\n");
    serve("dwn/liesmich.txt", "L");
    run("Updatesuche");
    ASSERT_EQ(messages().size(), 3u);
    EXPECT_EQ(messages()[2], "Das Updateprogramm \"" + folder() +
                                 "update\\update.exe\" konnte nicht gestartet werden. Das "
                                 "Brelvanto Kit bleibt geöffnet.");
    EXPECT_EQ(fake.shell.executions.size(), 1u);
    EXPECT_EQ(c<ui::Label>("Label145").caption(), "- fehlgeschlagen -");
    EXPECT_FALSE(h.app.terminated());

    // A file of an earlier update that cannot go: nothing of this one is fetched.
    fake.files.filesInUse.push_back(folder() + "update\\liesmich.txt");
    fake.network.requests.clear();
    h.dialogs.messages.clear();
    run("Updatesuche");
    EXPECT_EQ(messages(), std::vector<std::string>{"Die Datei \"" + folder() +
                                                   "update\\liesmich.txt\" eines früheren "
                                                   "Updates konnte nicht gelöscht werden. Das "
                                                   "Update wird nicht durchgeführt."});
    EXPECT_TRUE(fake.network.requests.empty());
}

// The window processes its messages while a transfer waits: a click on any online link then
// must not start a second, nested run.
TEST_F(OnlineFixture, ASecondOnlineClickDuringATransferIsRefused) {
    serve("dwn/update.ini", "[Options]\r\nVersion=5.1\r\nFiles=2\r\n[Files]\r\n1=liesmich.txt\r\n"
                            "2=update.exe\r\n");
    serve("dwn/liesmich.txt", "L");
    serve("dwn/update.exe", "U");
    serve("skins/oskins.ini", "[Options]\r\nskins=1\r\n[Skins]\r\n1=a.bmp\r\n[Thumbs]\r\n1=A\r\n");
    const char* const clicks[] = {"Updatesuche",   "Skinsuche",     "Startbuttonsuche",
                                  "Skindownload",  "Image301Click", "FileListBox1Click",
                                  "ListBox4Click", "Bugmailsend"};
    for (const char* first : {"Updatesuche", "Skinsuche", "Bugmailsend"}) {
        SCOPED_TRACE(first);
        int nested = 0;
        h.backend.onProcessMessages = [&] {
            if (nested++ > 0) return;
            for (const char* second : clicks)
                run(second);
        };
        fake.network.requests.clear();
        fake.shell.executions.clear();
        h.dialogs.messages.clear();
        // The update ends the program when it hands over; each run here starts a fresh one.
        h.backend.quitRequested = false;
        run(first);
        h.backend.onProcessMessages = nullptr;
        EXPECT_GT(nested, 0);
        const std::size_t expected = std::string(first) == "Updatesuche" ? 3 : 1;
        EXPECT_EQ(fake.network.requests.size(), expected);
        EXPECT_LE(messages().size(), 2u);
        EXPECT_LE(fake.shell.executions.size(), 1u);
    }
    // Once the run is over, the next click works again.
    h.backend.quitRequested = false;
    fake.network.requests.clear();
    run("Skinsuche");
    EXPECT_EQ(fake.network.requests.size(), 1u);
}

TEST_F(OnlineFixture, TheSettingsAreSavedAsBareHostNames) {
    c<ui::Edit>("Edit8").setText("http://eins.example");
    c<ui::Edit>("Edit9").setText("zwei.example");
    c<ui::CheckBox>("CheckBox1").setChecked(true);
    run("Saveonlinesettings");
    EXPECT_EQ(fake.files.readFile(oservicesIni()),
              "[Onlineservices]\r\nServer1=eins.example\r\nServer2=zwei.example\r\nping=yes\r\n");
    EXPECT_EQ(c<ui::Label>("Label141").caption(), "- erledigt -");
    EXPECT_TRUE(visible("Label141"));

    fake.files.setAttributes(oservicesIni(), platform::fileattr::readOnly);
    c<ui::Edit>("Edit8").setText("http://drei.example");
    run("Saveonlinesettings");
    EXPECT_EQ(c<ui::Label>("Label141").caption(), "Fehler beim Export");

    ctx.programFolder = "C:\\nirgends\\";
    run("Saveonlinesettings");
    EXPECT_EQ(c<ui::Label>("Label141").caption(), "Fehler beim Export");
}

} // namespace

namespace {

// The program is asked to end (its "x") at every point where an online action lets the
// window's messages through: from then on the action shows no message, asks no question,
// fetches nothing more and starts nothing.
TEST_F(OnlineFixture, AQuitAtAnyPointOfAnOnlineActionEndsItSilently) {
    serve("dwn/update.ini", "[Options]\r\nVersion=5.1\r\nFiles=2\r\n[Files]\r\n1=liesmich.txt\r\n"
                            "2=update.exe\r\n");
    serve("dwn/liesmich.txt", "L");
    serve("dwn/update.exe", "U");
    serve("skins/oskins.ini", "[Options]\r\nskins=1\r\n[Skins]\r\n1=a.bmp\r\n[Thumbs]\r\n1=A\r\n");
    serve("skins/a.bmp", "B");
    for (const char* action : {"Updatesuche", "Skinsuche", "Skindownload", "Bugmailsend"}) {
        for (int quitAt = 1;; ++quitAt) {
            int turns = 0;
            std::size_t shown = 0, fetched = 0;
            h.backend.quitRequested = false;
            h.dialogs.messages.clear();
            fake.network.requests.clear();
            fake.shell.executions.clear();
            h.backend.onProcessMessages = [&] {
                if (++turns != quitAt) return;
                shown = h.dialogs.messages.size();
                fetched = fake.network.requests.size();
                run("beenden");
            };
            run(action);
            h.backend.onProcessMessages = nullptr;
            if (turns < quitAt) break; // the action ended before this turn
            const std::string where = std::string(action) + " at turn " + std::to_string(quitAt);
            EXPECT_EQ(h.dialogs.messages.size(), shown) << where << ": " << messages().back();
            EXPECT_LE(fake.network.requests.size(), fetched + 1) << where;
            EXPECT_TRUE(fake.shell.executions.empty()) << where;
        }
    }
}

} // namespace
