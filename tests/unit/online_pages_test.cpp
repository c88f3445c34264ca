// The archives, the bug report and the browser look on the fake network and a fake document.
#include "online/browser_look.h"
#include "online/bug_report.h"
#include "online_fixture.h"
#include "ui/errors.h"

namespace {

using online_test::OnlineFixture;

std::string decode(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%') {
            out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string archiveList(const char* countKey, const char* section, int count) {
    std::string text = "[Options]\r\n" + std::string(countKey) + "=" + std::to_string(count) +
                       "\r\n[" + section + "]\r\n";
    std::string thumbs = "[Thumbs]\r\n";
    for (int i = 1; i <= count; ++i) {
        text += std::to_string(i) + "=f" + std::to_string(i) + ".bmp\r\n";
        thumbs += std::to_string(i) + "=t" + std::to_string(i) + ".htm\r\n";
    }
    return text + thumbs;
}

TEST_F(OnlineFixture, ArchiveSearchesShowAtMostTwentyEntriesAndPreviewTheFirst) {
    const struct {
        const char *search, *list, *browser, *image, *path, *countKey, *section;
        int listed, shown;
    } cases[] = {
        {"Skinsuche", "ListBox3", "WebBrowser2", "Image290", "skins/", "skins", "Skins", 25, 20},
        {"Startbuttonsuche", "ListBox4", "WebBrowser4", "Image301", "startbuttons/", "startbuttons",
         "startbuttons", 2, 2},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.search);
        const std::string listFile =
            std::string(k.countKey) == "skins" ? "oskins.ini" : "osbuttons.ini";
        serve(std::string(k.path) + listFile, archiveList(k.countKey, k.section, k.listed));
        run(k.search);
        EXPECT_EQ(c<ui::ListBox>(k.list).items().size(), static_cast<std::size_t>(k.shown));
        EXPECT_EQ(c<ui::ListBox>(k.list).items().back(), "t" + std::to_string(k.shown) + ".htm");
        EXPECT_EQ(c<ui::WebBrowser>(k.browser).url(), base + "/premium/2005b/" + k.path + "t1.htm");
        EXPECT_TRUE(visible(k.image));
        EXPECT_FALSE(visible(k.search == std::string("Skinsuche") ? "Label157" : "Label235"));
        EXPECT_TRUE(messages().empty());
    }
}

TEST_F(OnlineFixture, ArchiveFailuresAndEmptyListsFetchNothingFurther) {
    run("Skinsuche");
    EXPECT_EQ(messages(),
              std::vector<std::string>{"Fehler beim Download der Skinarchiv - Informationen"});

    EXPECT_FALSE(visible("Label157")) << "nothing is going on any more";

    h.dialogs.messages.clear();
    serve("skins/oskins.ini", "[Skins]\r\n1=a.bmp\r\n");
    run("Skinsuche");
    EXPECT_TRUE(c<ui::ListBox>("ListBox3").items().empty());
    EXPECT_FALSE(visible("Image290"));
    EXPECT_EQ(c<ui::WebBrowser>("WebBrowser2").url(), "");

    // No line selected: the status flashes and nothing is fetched.
    fake.network.requests.clear();
    run("Skindownload");
    EXPECT_TRUE(fake.network.requests.empty());
    EXPECT_FALSE(visible("Label157"));
    EXPECT_EQ(c<ui::Image>("Image290").cursor(), ui::Cursor::HandPoint);

    // A count above the entries the file holds: only the real entries are lines.
    serve("skins/oskins.ini", "[Options]\r\nskins=50\r\n[Skins]\r\n1=a.bmp\r\n3=c.bmp\r\n"
                              "4=d.bmp\r\n[Thumbs]\r\n1=A\r\n2=B\r\n3=C\r\n");
    run("Skinsuche");
    EXPECT_EQ(c<ui::ListBox>("ListBox3").items(), (std::vector<std::string>{"A", "C"}));
    fake.files.addDirectory(folder() + "modules\\skins");
    serve("skins/c.bmp", "C");
    c<ui::ListBox>("ListBox3").userSelected(1);
    run("Skindownload");
    EXPECT_EQ(fake.files.readFile(folder() + "modules\\skins\\c.bmp"), "C");
}

TEST_F(OnlineFixture, ArchiveDownloadsTakeTheirOwnTableAndRefuseNamesLeadingOut) {
    serve("skins/oskins.ini", "[Options]\r\nskins=2\r\n[Skins]\r\n1=blau.bmp\r\n"
                              "2=..\\..\\boese.exe\r\n[Thumbs]\r\n1=Blau\r\n2=Boese\r\n");
    serve("startbuttons/osbuttons.ini",
          "[Options]\r\nstartbuttons=1\r\n[startbuttons]\r\n1=knopf.bmp\r\n[Thumbs]\r\n1=K\r\n");
    serve("skins/blau.bmp", "BLAU");
    fake.files.addDirectory(folder() + "modules\\skins");
    run("Skinsuche");
    run("Startbuttonsuche");
    run("Skindownload");
    EXPECT_EQ(fake.files.readFile(folder() + "modules\\skins\\blau.bmp"), "BLAU");
    EXPECT_EQ(messages(), std::vector<std::string>{"Skin wurde erfolgreich importiert."});

    h.dialogs.messages.clear();
    fake.network.requests.clear();
    c<ui::ListBox>("ListBox3").userSelected(1);
    run("Skindownload");
    EXPECT_EQ(fake.network.requests, std::vector<std::string>{}) << "the preview page only";
    EXPECT_EQ(messages(),
              std::vector<std::string>{"Das Archiv nennt einen unzulässigen Dateinamen: "
                                       "\"..\\..\\boese.exe\". Es wurde nichts heruntergeladen."});

    h.dialogs.messages.clear();
    run("Image301Click");
    EXPECT_EQ(messages()[0].rfind("Startbutton konnte nicht importiert werden.", 0), 0u);
}

TEST(BugReport, ScramblingTwiceGivesBackTheTextAndBlankKeysTakeTheDefault) {
    const std::string key = brelk::kDefaultScrambleKey;
    const struct {
        std::string text, key;
    } cases[] = {
        {"Anna Berger", "73"},
        {"ä & # \x01", "ab c"},
        {"", "73"},
        {std::string(70, 'x'), ""},
    };
    for (const auto& k : cases) {
        const std::string once = brelk::xorscramble(k.text, k.key);
        EXPECT_EQ(once.size(), k.text.size());
        EXPECT_EQ(brelk::xorscramble(once, k.key), k.text);
    }
    EXPECT_EQ(key.size(), 31u);
    for (const std::string blank : {"", " ", "   "})
        EXPECT_EQ(brelk::xorscramble(key, blank), std::string(31, '\0'));
    EXPECT_EQ(brelk::xorscramble("  ", " a"), std::string("\0A", 2)) << "blanks of a key count";
    EXPECT_EQ(brelk::percentEncode(std::string("a-Z_0.~ &#%\0\xE4", 13)),
              "a-Z_0.~%20%26%23%25%00%E4");
}

TEST_F(OnlineFixture, TheBugReportRequestCarriesEveryFieldInItsOrder) {
    auto s = [](const std::string& t) { return brelk::xorscramble(t, brelk::kBugReportKey); };
    const struct {
        const char* what;
        std::string name, mail;
        std::vector<platform::Ipv4Address> addresses;
        std::string addressText;
    } cases[] = {
        {"as laid out",
         "Name (optional)",
         "Emailadresse",
         {{192, 168, 0, 7}},
         "192.168.0.7 --- \r\n"},
        {"empty name, no addresses", "", "a@b.example", {}, ""},
        {"twelve addresses", "x", "y", std::vector<platform::Ipv4Address>(12, {10, 1, 2, 3}), ""},
    };
    c<ui::Edit>("Edit2").setText("512");
    c<ui::Memo>("Memo1").setLines({"Hallo"});
    for (const auto& k : cases) {
        SCOPED_TRACE(k.what);
        if (k.name != "Name (optional)") c<ui::Edit>("Edit10").setText(k.name);
        if (k.mail != "Emailadresse") c<ui::Edit>("Edit11").setText(k.mail);
        fake.network.ownAddresses = k.addresses;
        fake.network.requests.clear();
        run("Bugmailsend");
        ASSERT_EQ(fake.network.requests.size(), 1u);
        const std::string& request = fake.network.requests[0];
        const std::string head =
            base + "/formmailer_brelkp.php?sendername=" + brelk::percentEncode(s(k.name)) +
            "&sendermail=" + brelk::percentEncode(s(k.mail)) + "&kontoinhaber=";
        ASSERT_EQ(request.rfind(head, 0), 0u) << request;
        const std::string body = decode(request.substr(head.size()));
        std::string addresses = k.addressText;
        if (k.addresses.size() == 12) {
            addresses.clear();
            for (int i = 0; i < 11; ++i)
                addresses += "10.1.2.3 --- \r\n";
        }
        EXPECT_EQ(body, " MITTEILUNG Hallo\r\n --- " + s("WINVER") + " " +
                            s("Microsoft Windows XP") + " --- " + s("RAMSIZE") + "  512 --- " +
                            s("USERNAME") + " " + s("Anna Berger") + " --- " + s("ORG") + " " +
                            s("Berger GmbH") + " --- " + s("BRELKVER") + " 5.0 --- " + s("IPs") +
                            " " + s(addresses));
        EXPECT_EQ(c<ui::Memo>("Memo2").lines().size(),
                  std::min<std::size_t>(k.addresses.size(), 11));
        EXPECT_EQ(c<ui::Label>("Label183").caption(), "- erledigt -");
        EXPECT_EQ(c<ui::Label>("Label182").cursor(), ui::Cursor::Default);
    }
    fake.network.acceptRequests = false;
    run("Bugmailsend");
    EXPECT_EQ(c<ui::Label>("Label183").caption(), "- Senden fehlgeschlagen -");
}

// A document that records how it is styled; it may have no body.
struct FakeDocument : ui::BrowserPeer {
    void changed(ui::Change) override {}
    void navigate(const std::string& url) override { pages.push_back(url); }
    void setBodyStyle(const std::string& property, const std::string& value) override {
        if (!body) throw ui::Exception("The document in the web browser has no body");
        styles.push_back(property + "=" + value);
    }
    bool body = true;
    std::vector<std::string> pages, styles;
};

FakeDocument& attachDocument(ui::WebBrowser& b) {
    auto doc = std::make_unique<FakeDocument>();
    FakeDocument& d = *doc;
    b.setPeer(std::move(doc));
    return d;
}

TEST_F(OnlineFixture, LoadedDocumentsAreRestyledThroughTheirBody) {
    const std::vector<std::string> preview = {
        "borderStyle=none",
        "margin=0",
        "scrollbarArrowColor=#FFFFFF",
        "scrollbar3DLIGHTCOLOR=#FFFFFF",
        "scrollbarDarkShadowColor=#FFFFFF",
        "scrollbarFaceColor=#FFFFFF",
        "scrollbarHighlightColor=#FFFFFF",
        "scrollbarShadowColor=#FFFFFF",
        "scrollbarTrackColor=#FFFFFF",
    };
    const struct {
        const char* browser;
        bool navigation; // else document complete
        bool show;
        std::vector<std::string> styles;
    } cases[] = {
        {"WebBrowser2", true, true, preview},
        {"WebBrowser4", true, true, preview},
        {"WebBrowser1", false, false, {}},
        {"WebBrowser1", false, true, {"borderStyle=none", "margin=0"}},
        {"WebBrowser3", true, true, {}},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.browser);
        auto& b = c<ui::WebBrowser>(k.browser);
        FakeDocument& doc = attachDocument(b);
        b.setVisible(k.show);
        k.navigation ? b.navigationCompleted() : b.documentCompleted();
        EXPECT_EQ(doc.styles, k.styles);
    }
    // A document without body ends the handler with the general error box.
    attachDocument(c<ui::WebBrowser>("WebBrowser2")).body = false;
    c<ui::WebBrowser>("WebBrowser2").navigationCompleted();
    EXPECT_EQ(messages(), std::vector<std::string>{"The document in the web browser has no body."});
}

TEST_F(OnlineFixture, TheTipsPageOpensInTheBrowserPageFromTheChosenServer) {
    FakeDocument& doc = attachDocument(c<ui::WebBrowser>("WebBrowser1"));
    run("Onlinestart");
    c<ui::Label>("Label20").click();
    c<ui::Edit>("Edit8").setText("http://weg.example");
    run("Onlinestart");
    c<ui::Image>("Image13").show();
    c<ui::Image>("Image13").click();
    EXPECT_EQ(doc.pages,
              (std::vector<std::string>{base + "/premium/2005b/tipps.htm",
                                        "http://fallback.example/premium/2005b/tipps.htm"}));
    EXPECT_TRUE(visible("Panel4"));
    EXPECT_FALSE(visible("Panel7"));
    const auto ids = history();
    EXPECT_EQ(std::vector<int>(ids.end() - 4, ids.end()), (std::vector<int>{7, 4, 7, 4}));
}

TEST_F(OnlineFixture, OnlinePagesOpenFromTheirLinksAndHoversMarkThem) {
    const struct {
        const char* link;
        const char* page;
    } links[] = {{"Label39", "Panel48"}, {"Label160", "Panel74"}, {"Label238", "Panel104"}};
    for (const auto& l : links) {
        run("Onlinestart");
        c<ui::Label>(l.link).click();
        EXPECT_TRUE(visible(l.page)) << l.link;
        EXPECT_FALSE(visible("Panel7")) << l.link;
    }
    run("Startbuttonsrollover");
    EXPECT_TRUE(visible("Image303"));
    EXPECT_EQ(c<ui::Label>("Label238").font().color, 0x008000u);
    run("Edit10MouseMove");
    run("Edit11MouseMove");
    EXPECT_EQ(c<ui::Edit>("Edit11").color(), 0xD3F1D3u);
    EXPECT_EQ(c<ui::Edit>("Edit10").color(), 0xCAE4FFu);
    run("rollover");
    EXPECT_FALSE(visible("Image303"));
    EXPECT_EQ(c<ui::Edit>("Edit11").color(), 0xCAE4FFu);
}

} // namespace
