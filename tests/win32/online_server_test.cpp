// The online services against a real HTTP server on a loopback address of its own
// (tools/test_server.py, which runs this suite with BRELK_TEST_SERVER set): real sockets, real
// downloads through the system, a real program folder. Without the server the cases skip.
#include "online/bug_report.h"
#include "platform/win32/win32_network.h"
#include "support/started_main_window.h"
#include "support/test_forms.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"
#include "win32_contract_env.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace {

// A bitmap of one red pixel: the skin list previews a downloaded skin, so it must be a picture.
const std::string
    kRedPixel("BM\x3a\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x01\0\0\0\x01\0\0\0\x01\0\x18\0\0\0\0\0"
              "\x04\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\xff\0",
              58);

std::string variable(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

// A Unix path as this program reaches it under Wine.
std::string reachable(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string percentDecode(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

// The value of a query parameter, decoded.
std::string parameter(const std::string& request, const std::string& name) {
    const std::size_t start = request.find(name + "=");
    if (start == std::string::npos) return "<missing " + name + ">";
    const std::size_t from = start + name.size() + 1;
    return percentDecode(request.substr(from, request.find('&', from) - from));
}

// Every caption a label showed, in order.
struct CaptionLog : ui::Peer {
    explicit CaptionLog(ui::Label& l) : label(l) {}
    void changed(ui::Change what) override {
        if (what == ui::Change::Caption && (seen.empty() || seen.back() != label.caption())) {
            seen.push_back(label.caption());
        }
    }
    ui::Label& label;
    std::vector<std::string> seen;
};

struct OnlineServer : ::testing::Test {
    Win32Env env;
    testing_support::HeadlessApp h;
    ui::DirectoryResourceStore resources{"res"};
    std::string folder, server, root, log;
    std::size_t logStart = 0;
    std::unique_ptr<brelk::Context> ctx;
    brelk::MainWindow* w = nullptr;

    void SetUp() override {
        server = variable("BRELK_TEST_SERVER");
        if (server.empty()) GTEST_SKIP() << "needs tools/test_server.py";
        // The window processes its messages as the real program's does: whatever this thread
        // has queued (the system's own transfer work included) is dispatched.
        h.backend.onProcessMessages = [] {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        };
        root = reachable(variable("BRELK_TEST_SERVER_ROOT")) + "\\";
        log = reachable(variable("BRELK_TEST_SERVER_LOG"));
        std::filesystem::remove_all(root + "premium");
        std::filesystem::remove(root + "_behaviour");
        logStart = readAll(log).size();

        env.isolateRegistry();
        folder = env.scratchFolder();
        // No modules\startbuttons: a fresh installation has none until an import makes it.
        for (const char* sub : {"modules", "modules\\skins", "WINDOWS"})
            ASSERT_TRUE(CreateDirectoryA((folder + sub).c_str(), nullptr)) << sub;
        auto nt = env.platform().registry.createKey(
            platform::RootKey::LocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion");
        ASSERT_TRUE(nt);
        nt->writeString("ProductName", "Microsoft Windows XP");
        nt->writeString("PathName", folder + "WINDOWS");
        nt->writeString("RegisteredOwner", "Anna Berger");
        nt->writeString("RegisteredOrganization", "Berger & Söhne #2");
        writeFile("modules\\brelk.ini", "[Options]\r\nversion=5.0\r\nfirststart=0\r\n");
        writeFile("modules\\oservices.ini", "[Onlineservices]\r\nServer1=" + server +
                                                "\r\nServer2=" + server + "\r\nping=no\r\n");
        ctx = std::make_unique<brelk::Context>(
            brelk::Context{h.app, env.platform(), resources, folder, {}});
    }

    void writeFile(const std::string& name, const std::string& text) {
        ASSERT_TRUE(env.platform().files.writeFile(folder + name, text)) << name;
    }
    // Puts a file on the server below /premium/2005b/.
    void serve(const std::string& path, const std::string& content) {
        std::string local = root + "premium\\2005b\\" + path;
        for (char& c : local) {
            if (c == '/') c = '\\';
        }
        std::filesystem::create_directories(local.substr(0, local.find_last_of('\\')));
        std::ofstream(local, std::ios::binary) << content;
    }
    void rule(const std::string& text) { std::ofstream(root + "_behaviour") << text << "\n"; }
    // The requests the server received during this case.
    std::vector<std::string> requests() {
        std::istringstream lines(readAll(log).substr(logStart));
        std::vector<std::string> out;
        for (std::string line; std::getline(lines, line);)
            out.push_back(line);
        return out;
    }
    bool requested(const std::string& path) {
        for (const auto& r : requests()) {
            std::string p = percentDecode(r);
            for (char& c : p) {
                if (c == '\\') c = '/';
            }
            if (p == "GET " + path) return true;
        }
        return false;
    }

    void start() {
        w = &testing_support::startMainWindow(*ctx, resources);
        h.dialogs.messages.clear();
    }
    template <class T> T& c(const std::string& name) { return w->c<T>(name); }
    void run(const std::string& handler) {
        ui::Event e;
        h.app.dispatch(*w->handler(handler), e);
    }
    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const auto& m : h.dialogs.messages)
            texts.push_back(m.text);
        return texts;
    }
    // Waits up to the time for a file that another process writes.
    bool appears(const std::string& path, int seconds) {
        for (int i = 0; i < seconds * 10; ++i) {
            if (exists(path)) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return false;
    }

    // Runs a handler and measures the longest time in which the window processed no messages,
    // from the handler's start to its end.
    std::chrono::steady_clock::duration timedRun(const std::string& handler) {
        auto dispatch = h.backend.onProcessMessages;
        auto last = std::chrono::steady_clock::now();
        const auto started = last;
        largestGap = {};
        h.backend.onProcessMessages = [&] {
            const auto now = std::chrono::steady_clock::now();
            largestGap = std::max(largestGap, now - last);
            dispatch();
            last = std::chrono::steady_clock::now();
        };
        run(handler);
        const auto now = std::chrono::steady_clock::now();
        largestGap = std::max(largestGap, now - last);
        h.backend.onProcessMessages = dispatch;
        return now - started;
    }
    std::chrono::steady_clock::duration largestGap{};
    static constexpr auto kLargestPumpGap = std::chrono::milliseconds(250);

    // The temporary files of downloads left in the folders they write to.
    std::vector<std::string> temporaryFiles() {
        std::vector<std::string> found;
        for (const char* sub : {"update\\", "update\\modules\\", "modules\\", "modules\\skins\\",
                                "modules\\startbuttons\\"}) {
            WIN32_FIND_DATAA data;
            HANDLE f = FindFirstFileA((folder + sub + "*.tmp").c_str(), &data);
            if (f == INVALID_HANDLE_VALUE) continue;
            do {
                found.push_back(std::string(sub) + data.cFileName);
            } while (FindNextFileA(f, &data));
            FindClose(f);
        }
        return found;
    }

    void serveUpdateList(const std::string& files) {
        serve("dwn/update.ini", "[Options]\r\nVersion=5.1\r\n" + files);
    }
};

TEST_F(OnlineServer, AFullUpdateFetchesEveryFileShowsItsProgressAndStartsTheUpdater) {
    serveUpdateList("Files=3\r\n[Files]\r\n1=liesmich.txt\r\n2=modules\\web\\news.htm\r\n"
                    "3=update.exe\r\n");
    serve("dwn/liesmich.txt", "Neu in 5.1\r\n");
    serve("dwn/modules/web/news.htm", std::string(200000, 'n'));
    serve("dwn/update.exe", readAll(env.testProgramFolder() + "record_start.exe"));
    // Data arrives in pieces; a whole chunked body counts.
    rule("/premium/2005b/dwn/modules/web/news.htm slow 2\n/premium/2005b/dwn/liesmich.txt chunked");
    start();
    auto& status = c<ui::Label>("Label142");
    auto log = std::make_unique<CaptionLog>(status);
    CaptionLog* seen = log.get();
    status.setPeer(std::move(log));

    run("Updatesuche");

    EXPECT_EQ(messages(),
              (std::vector<std::string>{
                  "Möchten Sie das Brelvanto Kit von 5.0 auf 5.1 aktualisieren?",
                  "Das Brelvanto Kit wird nun beendet und die Updateprozedur gestartet."}));
    EXPECT_EQ(readAll(folder + "update\\liesmich.txt"), "Neu in 5.1\r\n");
    EXPECT_EQ(readAll(folder + "update\\modules\\web\\news.htm"), std::string(200000, 'n'));
    EXPECT_TRUE(requested("/premium/2005b/dwn/modules/web/news.htm"));
    for (const char* text : {"Der Download wurde gestartet...", "Datei wird heruntergeladen...",
                             "Download abgeschlossen..."}) {
        EXPECT_NE(std::find(seen->seen.begin(), seen->seen.end(), text), seen->seen.end()) << text;
    }
    EXPECT_EQ(c<ui::Gauge>("Gauge5").position(), 100);
    EXPECT_EQ(c<ui::Label>("Label145").caption(), "- erledigt -");
    EXPECT_TRUE(appears(folder + "update\\started.txt", 30)) << "the updater was not started";
    EXPECT_TRUE(h.app.terminated());
}

TEST_F(OnlineServer, AFileTheServerCannotGiveStopsTheUpdateAndStartsNothing) {
    // No file, a server error, a transfer broken halfway.
    const char* const rules[] = {"", "/premium/2005b/dwn/teil.bin 500",
                                 "/premium/2005b/dwn/teil.bin break"};
    serveUpdateList("Files=3\r\n[Files]\r\n1=liesmich.txt\r\n2=teil.bin\r\n3=update.exe\r\n");
    serve("dwn/liesmich.txt", "Neu\r\n");
    serve("dwn/update.exe", readAll(env.testProgramFolder() + "record_start.exe"));
    start();
    for (const char* r : rules) {
        SCOPED_TRACE(r);
        if (*r) serve("dwn/teil.bin", std::string(100000, 't'));
        rule(r);
        h.dialogs.messages.clear();
        run("Updatesuche");
        ASSERT_EQ(messages().size(), 2u);
        EXPECT_EQ(messages()[1], "Die Datei \"teil.bin\" konnte nicht heruntergeladen werden. "
                                 "Das Update wurde abgebrochen.");
        EXPECT_EQ(c<ui::Label>("Label145").caption(), "- abgebrochen -");
        EXPECT_FALSE(requested("/premium/2005b/dwn/update.exe"));
        EXPECT_FALSE(h.app.terminated());
    }
    EXPECT_FALSE(appears(folder + "update\\started.txt", 1));
}

TEST_F(OnlineServer, ANameLeadingOutOfTheUpdateFolderIsRefusedAndNothingIsFetched) {
    serveUpdateList("Files=2\r\n[Files]\r\n1=liesmich.txt\r\n2=..\\..\\draussen.txt\r\n");
    serve("dwn/liesmich.txt", "Neu\r\n");
    serve("draussen.txt", "nicht hier");
    start();
    run("Updatesuche");
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_NE(messages()[0].find("\"..\\..\\draussen.txt\""), std::string::npos) << messages()[0];
    EXPECT_EQ(requests().size(), 1u) << "only the list";
    EXPECT_FALSE(exists(folder + "draussen.txt"));
    EXPECT_FALSE(exists(folder + "update\\liesmich.txt"));
}

TEST_F(OnlineServer, BothArchivesListTheirEntriesAndImportTheSelectedOne) {
    struct Case {
        const char *search, *list, *browser, *download, *listFile, *section, *folder, *target,
            *imported;
    };
    const Case cases[] = {
        {"Skinsuche", "ListBox3", "WebBrowser2", "Skindownload", "skins/oskins.ini", "Skins",
         "skins/", "modules\\skins\\", "Skin wurde erfolgreich importiert."},
        {"Startbuttonsuche", "ListBox4", "WebBrowser4", "Image301Click",
         "startbuttons/osbuttons.ini", "startbuttons", "startbuttons/", "modules\\startbuttons\\",
         "Startbutton wurde erfolgreich importiert."},
    };
    start();
    for (const auto& k : cases) {
        SCOPED_TRACE(k.search);
        const std::string count = std::string(k.section) == "Skins" ? "skins" : "startbuttons";
        serve(k.listFile, "[Options]\r\n" + count + "=2\r\n[" + k.section +
                              "]\r\n1=blau.bmp\r\n2=rot.bmp\r\n[Thumbs]\r\n1=blau.htm\r\n"
                              "2=rot.htm\r\n");
        serve(std::string(k.folder) + "rot.bmp", kRedPixel);
        h.dialogs.messages.clear();
        run(k.search);
        EXPECT_EQ(c<ui::ListBox>(k.list).items(),
                  (std::vector<std::string>{"blau.htm", "rot.htm"}));
        EXPECT_EQ(c<ui::WebBrowser>(k.browser).url(),
                  "http://" + server + "/premium/2005b/" + k.folder + "blau.htm");
        c<ui::ListBox>(k.list).userSelected(1);
        run(k.download);
        EXPECT_EQ(messages(), std::vector<std::string>{k.imported});
        EXPECT_EQ(readAll(folder + k.target + "rot.bmp"), kRedPixel);
    }
}

TEST_F(OnlineServer, ABugReportArrivesIntactAndUnscramblesToTheTypedFields) {
    start();
    // "7" at the start scrambles to code 0 with the report's key.
    const std::string name = "7 Müller & Söhne";
    const std::string mail = "anna#b@example.com";
    c<ui::Edit>("Edit10").setText(name);
    c<ui::Edit>("Edit11").setText(mail);
    c<ui::Memo>("Memo1").setLines({"Absturz & Neustart #3", "äöü ß"});
    run("Bugmailsend");
    EXPECT_EQ(c<ui::Label>("Label183").caption(), "- erledigt -");

    std::string request;
    for (const auto& r : requests()) {
        if (r.find("/formmailer_brelkp.php?") != std::string::npos) request = r;
    }
    ASSERT_FALSE(request.empty());
    const auto unscramble = [](const std::string& s) {
        return brelk::xorscramble(s, brelk::kBugReportKey);
    };
    EXPECT_EQ(unscramble(parameter(request, "sendername")), name);
    EXPECT_EQ(unscramble(parameter(request, "sendermail")), mail);
    const std::string body = parameter(request, "kontoinhaber");
    EXPECT_EQ(body.rfind(" MITTEILUNG Absturz & Neustart #3\r\näöü ß\r\n --- ", 0), 0u) << body;
    const std::string owner = unscramble("USERNAME") + " ";
    const std::size_t at = body.find(owner);
    ASSERT_NE(at, std::string::npos);
    const std::size_t from = at + owner.size();
    EXPECT_EQ(unscramble(body.substr(from, body.find(" --- ", from) - from)), "Anna Berger");
    const std::string org = unscramble("ORG") + " ";
    const std::size_t orgAt = body.find(org) + org.size();
    EXPECT_EQ(unscramble(body.substr(orgAt, body.find(" --- ", orgAt) - orgAt)),
              "Berger & Söhne #2");

    rule("/formmailer_brelkp.php 500");
    run("Bugmailsend");
    EXPECT_EQ(c<ui::Label>("Label183").caption(), "- Senden fehlgeschlagen -");
}

TEST_F(OnlineServer, AnUnansweringPrimaryServerFallsBackToTheSecondWithinTheTimeOut) {
    serve("skins/oskins.ini", "[Options]\r\nskins=1\r\n[Skins]\r\n1=a.bmp\r\n[Thumbs]\r\n1=a\r\n");
    start();
    for (const char* primary : {"BRELK_TEST_SILENT_SERVER", "BRELK_TEST_DEAD_SERVER"}) {
        SCOPED_TRACE(primary);
        c<ui::Edit>("Edit8").setText("http://" + variable(primary));
        c<ui::Edit>("Edit9").setText("http://" + server);
        c<ui::ListBox>("ListBox3").clear();
        const auto started = std::chrono::steady_clock::now();
        run("Skinsuche");
        const auto took = std::chrono::steady_clock::now() - started;
        EXPECT_LT(took, std::chrono::seconds(10));
        EXPECT_EQ(c<ui::ListBox>("ListBox3").items(), std::vector<std::string>{"a"});
        EXPECT_TRUE(messages().empty());
    }
}

// Every online action against servers that misbehave: each ends within its limits, says so,
// leaves the files it had (and no temporary file), starts nothing, and lets the window process
// its messages at least every 100 ms throughout. No SCOPED_TRACE, so that the 32-bit suite runs
// it too (a trace starts a thread of GoogleTest's, see tests/CMakeLists.txt).
TEST_F(OnlineServer, MisbehavingServersNeitherHangNorDestroyFilesNorStartAnything) {
    auto& network = dynamic_cast<platform::Win32Network&>(env.platform().network);
    network.setDownloadLimits(
        {.quiet = std::chrono::seconds(3), .overall = std::chrono::seconds(6)});
    const std::string mute = "http://" + variable("BRELK_TEST_MUTE_SERVER");
    const std::string own = "http://" + server;
    const std::string updateFailed =
        "Die Datei \"teil.bin\" konnte nicht heruntergeladen werden. Das Update wurde "
        "abgebrochen.";
    const std::string listFailed = "Fehler beim Download der Updateinformationen";
    const std::string skinFailed =
        "Skin konnte nicht importiert werden. Möglicherweise ist das soeben heruntergeladene Skin "
        "bereits vorhanden oder aber der Datenstrom brach während des Herunterladens ab.";
    const std::string teil = "/premium/2005b/dwn/teil.bin ";
    const std::string skin = "/premium/2005b/skins/01.bmp ";
    struct Case {
        std::string rule;
        const char* handler;
        std::string lastMessage; // empty: no message
        const char* statusLabel;
        const char* status; // empty: the label is hidden (the update's run status: not checked)
        int seconds;        // the longest the action may take
        std::string primary = {};
    };
    const Case cases[] = {
        {teil + "nolength", "Updatesuche", updateFailed, "Label145", "- abgebrochen -", 3},
        {teil + "404", "Updatesuche", updateFailed, "Label145", "- abgebrochen -", 3},
        {teil + "404 300", "Updatesuche", updateFailed, "Label145", "- abgebrochen -", 3},
        {teil + "500 300", "Updatesuche", updateFailed, "Label145", "- abgebrochen -", 3},
        {teil + "break", "Updatesuche", updateFailed, "Label145", "- abgebrochen -", 3},
        {teil + "chunkcut", "Updatesuche", updateFailed, "Label145", "- abgebrochen -", 3},
        {teil + "chunktorn", "Updatesuche", updateFailed, "Label145", "- abgebrochen -", 3},
        {teil + "endless", "Updatesuche", updateFailed, "Label145", "- abgebrochen -", 3},
        {teil + "chunkendless", "Updatesuche", updateFailed, "Label145", "- abgebrochen -", 8},
        {teil + "silent", "Updatesuche", updateFailed, "Label145", "- abgebrochen -", 6},
        {"/premium/2005b/dwn/update.ini silent", "Updatesuche", listFailed, "Label145", "", 6},
        {"/premium/2005b/dwn/update.ini endless", "Updatesuche", listFailed, "Label145", "", 3},
        {"/premium/2005b/dwn/update.ini chunkendless", "Updatesuche", listFailed, "Label145", "",
         3},
        {"", "Updatesuche", listFailed, "Label145", "", 6, mute},
        {skin + "404 300", "Skindownload", skinFailed, "Label157", "", 3},
        {skin + "500 300", "Skindownload", skinFailed, "Label157", "", 3},
        {skin + "break", "Skindownload", skinFailed, "Label157", "", 3},
        {skin + "chunkcut", "Skindownload", skinFailed, "Label157", "", 3},
        {skin + "chunktorn", "Skindownload", skinFailed, "Label157", "", 3},
        {skin + "endless", "Skindownload", skinFailed, "Label157", "", 3},
        {skin + "chunkendless", "Skindownload", skinFailed, "Label157", "", 8},
        {skin + "silent", "Skindownload", skinFailed, "Label157", "", 6},
        {"", "Skinsuche", "Fehler beim Download der Skinarchiv - Informationen", "Label157", "", 6,
         mute},
        {"/premium/2005b/startbuttons/osbuttons.ini 404", "Startbuttonsuche",
         "Fehler beim Download der Startbutton - Informationen", "Label235", "", 3},
        {"", "Bugmailsend", "", "Label183", "- Senden fehlgeschlagen -", 12, mute},
        {"/formmailer_brelkp.php 500 300", "Bugmailsend", "", "Label183",
         "- Senden fehlgeschlagen -", 3},
        {"/formmailer_brelkp.php endless", "Bugmailsend", "", "Label183", "- erledigt -", 3},
        {"/formmailer_brelkp.php huge 256", "Bugmailsend", "", "Label183", "- erledigt -", 3},
    };
    // 300 KB, sent in eight chunks by the chunk rules, so that a cut leaves a quarter of it.
    serveUpdateList("Files=2\r\n[Files]\r\n1=teil.bin\r\n2=update.exe\r\n");
    serve("dwn/teil.bin", std::string(300000, 't'));
    serve("dwn/update.exe", readAll(env.testProgramFolder() + "record_start.exe"));
    serve("skins/oskins.ini", "[Options]\r\nskins=1\r\n[Skins]\r\n1=01.bmp\r\n[Thumbs]\r\n1=a\r\n");
    serve("skins/01.bmp", std::string(80000, 'n'));
    writeFile("modules\\skins\\01.bmp", kRedPixel);
    start();
    rule("");
    run("Skinsuche");
    ASSERT_EQ(c<ui::ListBox>("ListBox3").items().size(), 1u);
    for (const auto& k : cases) {
        const std::string what = k.rule.empty() ? k.handler + (" at " + k.primary) : k.rule;
        rule(k.rule);
        const std::string primary = k.primary.empty() ? own : k.primary;
        c<ui::Edit>("Edit8").setText(primary);
        c<ui::Edit>("Edit9").setText(primary);
        c<ui::Label>(k.statusLabel).setCaption("");
        h.dialogs.messages.clear();
        const auto took = timedRun(k.handler);
        EXPECT_LT(took, std::chrono::seconds(k.seconds)) << what;
        // The waits are cut into 50 ms slices; the bound leaves room for the scheduler of a
        // loaded machine (and emulation) while a step that blocks (seconds) still fails.
        EXPECT_LT(largestGap, kLargestPumpGap) << what;
        if (k.lastMessage.empty()) {
            EXPECT_EQ(messages(), std::vector<std::string>{}) << what;
        } else {
            ASSERT_FALSE(messages().empty()) << what;
            EXPECT_EQ(messages().back(), k.lastMessage) << what;
        }
        if (*k.status) {
            EXPECT_EQ(c<ui::Label>(k.statusLabel).caption(), k.status) << what;
        } else if (k.statusLabel != std::string("Label145")) {
            EXPECT_FALSE(c<ui::Label>(k.statusLabel).visible()) << what << ": still says it works";
        }
        if (k.lastMessage == updateFailed) {
            EXPECT_EQ(c<ui::Label>("Label142").caption(), "Download fehlgeschlagen...") << what;
        }
        EXPECT_EQ(readAll(folder + "modules\\skins\\01.bmp"), kRedPixel) << what;
        EXPECT_FALSE(exists(folder + "update\\teil.bin")) << what;
        EXPECT_EQ(temporaryFiles(), std::vector<std::string>{}) << what;
        EXPECT_FALSE(h.app.terminated()) << what;
    }
    EXPECT_FALSE(requested("/premium/2005b/dwn/update.exe"));
    EXPECT_FALSE(appears(folder + "update\\started.txt", 1));
}

// The "x" during a slow download: the update stops at its next step, asks nothing more, starts
// nothing, removes its temporary file and keeps only the files that arrived whole.
TEST_F(OnlineServer, EndingTheProgramDuringADownloadEndsTheUpdateAndStartsNothing) {
    serveUpdateList("Files=3\r\n[Files]\r\n1=liesmich.txt\r\n2=paket.bin\r\n3=update.exe\r\n");
    serve("dwn/liesmich.txt", "Neu in 5.1\r\n");
    serve("dwn/paket.bin", std::string(400000, 'p'));
    serve("dwn/update.exe", readAll(env.testProgramFolder() + "record_start.exe"));
    rule("/premium/2005b/dwn/paket.bin slow 20");
    start();
    bool closed = false;
    std::chrono::steady_clock::time_point closedAt;
    const auto begun = std::chrono::steady_clock::now();
    auto dispatch = h.backend.onProcessMessages;
    h.backend.onProcessMessages = [&] {
        dispatch();
        // The user clicks "x" three seconds into the run.
        if (!closed && std::chrono::steady_clock::now() - begun > std::chrono::seconds(3)) {
            closed = true;
            closedAt = std::chrono::steady_clock::now();
            run("beenden");
        }
    };
    run("Updatesuche");
    const auto ended = std::chrono::steady_clock::now();
    ASSERT_TRUE(closed) << "the run ended before the click";
    EXPECT_LT(ended - closedAt, std::chrono::milliseconds(500));
    EXPECT_TRUE(h.app.quitRequested());
    EXPECT_EQ(messages(), std::vector<std::string>{
                              "Möchten Sie das Brelvanto Kit von 5.0 auf 5.1 aktualisieren?"});
    EXPECT_EQ(readAll(folder + "update\\liesmich.txt"), "Neu in 5.1\r\n");
    EXPECT_FALSE(exists(folder + "update\\paket.bin"));
    EXPECT_EQ(temporaryFiles(), std::vector<std::string>{});
    EXPECT_FALSE(requested("/premium/2005b/dwn/update.exe"));
    EXPECT_FALSE(appears(folder + "update\\started.txt", 1));
}

// After a file that took seconds the next download must go on (it once hung in the 32-bit
// build, whose status callback let the window's messages run inside the system's transfer).
TEST_F(OnlineServer, ASlowFileIsFollowedByTheNextDownload) {
    serveUpdateList("Files=3\r\n[Files]\r\n1=langsam.bin\r\n2=danach.txt\r\n3=update.exe\r\n");
    serve("dwn/langsam.bin", std::string(50000, 'l'));
    serve("dwn/danach.txt", "danach");
    serve("dwn/update.exe", readAll(env.testProgramFolder() + "record_start.exe"));
    rule("/premium/2005b/dwn/langsam.bin slow 5");
    start();
    const auto started = std::chrono::steady_clock::now();
    run("Updatesuche");
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(60));
    EXPECT_EQ(readAll(folder + "update\\langsam.bin"), std::string(50000, 'l'));
    EXPECT_EQ(readAll(folder + "update\\danach.txt"), "danach");
    EXPECT_EQ(c<ui::Label>("Label145").caption(), "- erledigt -");
    EXPECT_TRUE(appears(folder + "update\\started.txt", 60)) << "the updater was not started";
    EXPECT_TRUE(h.app.terminated());
}

// The archive lists keep the window alive too while a server sends slowly; their status hears
// no progress of its own and keeps the window alive only while it is told to wait.
TEST_F(OnlineServer, ASlowArchiveListKeepsTheWindowAlive) {
    serve("skins/oskins.ini", "[Options]\r\nskins=1\r\n[Skins]\r\n1=a.bmp\r\n[Thumbs]\r\n1=a\r\n");
    rule("/premium/2005b/skins/oskins.ini slow 2");
    start();
    int processed = 0;
    auto dispatch = h.backend.onProcessMessages;
    h.backend.onProcessMessages = [&] {
        ++processed;
        dispatch();
    };
    run("Skinsuche");
    EXPECT_EQ(c<ui::ListBox>("ListBox3").items(), std::vector<std::string>{"a"});
    EXPECT_GE(processed, 10) << "the window's messages were processed " << processed << " times";
}

} // namespace
