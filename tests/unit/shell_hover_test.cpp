// Hover looks of links, menu and edits, their general reset, and the shell's layout: pages,
// menu captions and hints.
#include "shell_fixture.h"
#include "ui/cp1252.h"

using shell_test::ShellFixture;

namespace {

constexpr ui::Color kGreen = 0x008000, kBlack = 0x000000, kWhite = 0xFFFFFF;
constexpr ui::Color kMenuHover = 0xF5EEE9;
constexpr ui::Color kEditBack = 0xCAE4FF, kEditText = 0x3D79DE;
constexpr ui::Color kEditHoverBack = 0xD3F1D3, kEditHoverText = 0x319B31;

struct Hover : ShellFixture {
    void SetUp() override {
        ShellFixture::SetUp();
        start();
        run("indexstart");
    }
    void move(const std::string& name) { c<ui::Control>(name).mouseMove({}, 1, 1); }
    ui::Color font(const std::string& name) { return c<ui::Control>(name).font().color; }
    void rollover() { move("CoolForm1"); }
};

TEST_F(Hover, TheStartPageLinksTakeTurns) {
    move("Label12");
    EXPECT_TRUE(visible("Image23"));
    EXPECT_EQ(font("Label12"), kGreen);
    move("Image20");
    EXPECT_TRUE(visible("Image22"));
    EXPECT_FALSE(visible("Image23"));
    EXPECT_EQ(font("Label11"), kGreen);
    EXPECT_EQ(font("Label12"), kBlack);
}

TEST_F(Hover, OnlineMenuLinksTurnTheirNeighboursBlack) {
    run("Onlinestart");
    for (const char* name : {"Label37", "Label39", "Label40", "Label20"}) {
        c<ui::Label>(name).setFontColor(kGreen);
    }
    move("Image34");
    EXPECT_TRUE(visible("Image61"));
    EXPECT_EQ(font("Label38"), kGreen);
    for (const char* name : {"Label37", "Label39", "Label40", "Label20"}) {
        EXPECT_EQ(font(name), kBlack) << name;
    }
}

TEST_F(Hover, MenuLabelsLightenAndShowTheirHighlight) {
    const std::pair<const char*, const char*> menu[] = {
        {"Label9", "Image291"},  {"Label6", "Image292"},  {"Label8", "Image293"},
        {"Label26", "Image294"}, {"Label35", "Image297"}, {"Label4", nullptr}};
    for (const auto& [label, picture] : menu) {
        move(label);
        EXPECT_EQ(font(label), kMenuHover) << label;
        if (picture) {
            EXPECT_TRUE(visible(picture)) << picture;
        }
    }
}

TEST_F(Hover, TheOwnerAndOrganisationFieldsTakeTurns) {
    run("classicstart");
    move("Edit3");
    EXPECT_EQ(c<ui::Edit>("Edit3").color(), kEditHoverBack);
    EXPECT_EQ(font("Edit3"), kEditHoverText);
    move("Edit4");
    EXPECT_EQ(c<ui::Edit>("Edit4").color(), kEditHoverBack);
    EXPECT_EQ(c<ui::Edit>("Edit3").color(), kEditBack);
    EXPECT_EQ(font("Edit3"), kEditText);
}

TEST_F(Hover, TheResetUndoesEveryHoverOfTheShell) {
    const char* const links[] = {"Label11", "Label12", "Label16", "Label18", "Label19",
                                 "Label22", "Label23", "Label24", "Label25", "Label37",
                                 "Label38", "Label39", "Label40", "Label20", "Label92"};
    const char* const highlights[] = {"Image22",  "Image23",  "Image37",  "Image41",  "Image43",
                                      "Image53",  "Image51",  "Image56",  "Image58",  "Image61",
                                      "Image63",  "Image66",  "Image68",  "Image13",  "Image261",
                                      "Image291", "Image292", "Image293", "Image294", "Image295",
                                      "Image296", "Image297"};
    const char* const menu[] = {"Label9", "Label6",   "Label8",   "Label26",  "Label35",
                                "Label7", "Label207", "Label106", "Label107", "Label4"};
    for (const char* n : links)
        c<ui::Label>(n).setFontColor(kGreen);
    for (const char* n : highlights)
        c<ui::Image>(n).show();
    for (const char* n : menu)
        c<ui::Label>(n).setFontColor(kMenuHover);
    c<ui::Image>("Image253").hide();
    for (const char* n : {"Edit1", "Edit3", "Edit4", "Edit8", "Edit9"}) {
        c<ui::Edit>(n).setColor(kEditHoverBack);
    }
    rollover();
    for (const char* n : links)
        EXPECT_EQ(font(n), kBlack) << n;
    for (const char* n : highlights)
        EXPECT_FALSE(visible(n)) << n;
    for (const char* n : menu)
        EXPECT_EQ(font(n), kWhite) << n;
    EXPECT_TRUE(visible("Image253"));
    for (const char* n : {"Edit1", "Edit3", "Edit4", "Edit8", "Edit9"}) {
        EXPECT_EQ(c<ui::Edit>(n).color(), kEditBack) << n;
        EXPECT_EQ(font(n), kEditText) << n;
    }
}

TEST_F(Hover, OtherPagesHoversJoinTheResetWhenTheirControlsArePresent) {
    // The tuning page's start link is in the test fragment, hovered; most others are not.
    rollover();
    EXPECT_TRUE(visible("Image72"));
    EXPECT_FALSE(visible("Image73"));
    EXPECT_EQ(font("Label36"), kBlack);
    EXPECT_TRUE(messages().empty()) << "absent controls are no error";
}

TEST_F(Hover, TheInformationPictureSwapsForItsTwin) {
    move("Image253");
    EXPECT_FALSE(visible("Image253"));
    EXPECT_TRUE(visible("Image261"));
    c<ui::Image>("Image261").click();
    EXPECT_TRUE(visible("Panel5"));
}

TEST_F(Hover, EscapeHeldClosesTheCustomisationDialog) {
    ctx.form7->show();
    rollover();
    EXPECT_TRUE(ctx.form7->visible());
    h.backend.keysHeld.push_back(0x1B);
    move("Panel1");
    EXPECT_FALSE(ctx.form7->visible());
}

struct Layout : ShellFixture {
    void SetUp() override {
        ShellFixture::SetUp();
        create();
    }
    std::size_t order(const std::string& name) {
        const auto& all = w->components();
        for (std::size_t i = 0; i < all.size(); ++i) {
            if (all[i]->name() == name) return i;
        }
        ADD_FAILURE() << name << " missing";
        return 0;
    }
};

TEST_F(Layout, PagesLieWhereTheContentAreaIs) {
    struct Place {
        int id, left, top, width, height;
    };
    const Place places[] = {{1, 120, 104, 370, 169},
                            {83, 120, 96, 380, 201},
                            {85, 120, 94, 380, 203},
                            {104, 120, 94, 380, 203}};
    for (int id : {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 48, 49, 74, 79}) {
        auto& p = c<ui::Panel>("Panel" + std::to_string(id));
        EXPECT_EQ((std::vector<int>{p.left(), p.top(), p.width(), p.height()}),
                  (std::vector<int>{120, 104, 380, 190}))
            << id;
        EXPECT_FALSE(p.visible()) << id;
    }
    for (const auto& pl : places) {
        auto& p = c<ui::Panel>("Panel" + std::to_string(pl.id));
        EXPECT_EQ((std::vector<int>{p.left(), p.top(), p.width(), p.height()}),
                  (std::vector<int>{pl.left, pl.top, pl.width, pl.height}))
            << pl.id;
    }
    EXPECT_TRUE(visible("Panel1"));
    EXPECT_LT(order("Panel1"), order("Panel2")) << "the start page lies lowest";
}

TEST_F(Layout, TheMenuCarriesItsCaptionsAndHints) {
    struct Item {
        const char* label;
        const char* caption;
        const char* hint;
        const char* picture;
    };
    const Item items[] = {
        {"Label9", "Index", "zurück Index", "Image291"},
        {"Label6", "Backups", "Backupverwaltung", "Image292"},
        {"Label8", "Support", "Premium-Support und Kontaktmöglichen", "Image293"},
        {"Label26", "Update", "Premium-Update - immeer die aktuellste Version", "Image294"},
        {"Label35", "Online- services", "Premium-Online-Services - Skins, Updates, News, Tipps",
         "Image297"},
        {"Label7", "Information", "Informationen zum Programm", "Image296"},
        {"Label207", "System-Info", "Systeminformationen - Dienste, Prozese, Treiber", "Image295"},
        {"Label106", "Import", "", nullptr},
        {"Label107", "Export", "", nullptr},
    };
    for (const auto& it : items) {
        SCOPED_TRACE(it.label);
        std::string caption, hint;
        ASSERT_TRUE(ui::utf8ToCp1252(it.caption, caption) && ui::utf8ToCp1252(it.hint, hint));
        auto& label = c<ui::Label>(it.label);
        EXPECT_EQ(label.caption(), caption);
        EXPECT_EQ(label.hint(), hint);
        EXPECT_FALSE(label.enabled());
        EXPECT_EQ(label.font().color, kWhite);
        if (it.picture) {
            EXPECT_FALSE(visible(it.picture));
            EXPECT_LT(order(it.picture), order(it.label)) << "the label paints on top";
        }
    }
    EXPECT_FALSE(visible("Label7"));
    EXPECT_TRUE(c<ui::Label>("Label4").enabled()) << "the program can always be ended";
}

TEST_F(Layout, LinkCaptionsUseANoBreakSpaceWhereTheyShould) {
    const std::pair<const char*, const char*> captions[] = {
        {"Label12", "Brelvanto Kit - Power Modus starten\xA0>"},
        {"Label11", "Brelvanto Kit - Tuning Assistenten starten\xA0>"},
        {"Label37", "News\xA0>"},
        {"Label39", "Einstellungen\xA0>"},
        {"Label40", "Premium - Dokumentation\xA0>"},
        {"Label20", "Optimierungs - Anleitungen\xA0>"},
        {"Label92", "Tuningprozedur starten\xA0>"},
        {"Label16", "fortfahren >"},
        {"Label18", "Programmdokumentation lesen >"},
        {"Label19", "zur\xFC"
                    "ck <"},
        {"Label22", "E-Mailsupport >"},
        {"Label23", "Bugmailer >"},
        {"Label24", "Support Forum >"},
        {"Label25", "Dokumentation >"},
        {"Label38", "Premium Update >"},
    };
    for (const auto& [name, caption] : captions) {
        EXPECT_EQ(c<ui::Label>(name).caption(), caption) << name;
        EXPECT_EQ(c<ui::Label>(name).cursor(), ui::Cursor::HandPoint) << name;
    }
    EXPECT_EQ(c<ui::CheckBox>("CheckBox41").caption(), "Ich akzeptiere die Nutzungsbedingngen");
    // The listed links, wherever a layout of the window places them, each at least once.
    const char* const noBreak[] = {"Tuningprozedur starten",
                                   "Senden",
                                   "Update durchf\xFChren",
                                   "System jetzt neustarten",
                                   "Brelvanto Kit - Power Modus starten",
                                   "Brelvanto Kit - Tuning Assistenten starten",
                                   "Einstellungen",
                                   "Einstellungen speichern",
                                   "Einstellungen exportieren",
                                   "Einstellungen importieren",
                                   "Installiere Programme",
                                   "News",
                                   "Optimierungs - Anleitungen",
                                   "Premium - Dokumentation",
                                   "Premium - Skin Archiv",
                                   "Startbuttons",
                                   "nach Skins suchen",
                                   "nach Startbuttons suchen"};
    for (const char* text : noBreak) {
        int found = 0;
        for (const auto& component : w->components()) {
            const auto* control = dynamic_cast<const ui::Control*>(component.get());
            if (!control) continue;
            const std::string& caption = control->caption();
            if (caption == std::string(text) + " >") {
                ADD_FAILURE() << component->name() << " has a plain blank: " << caption;
            }
            if (caption == std::string(text) + "\xA0>") ++found;
        }
        EXPECT_GT(found, 0) << text;
    }
    EXPECT_EQ(c<ui::CheckBox>("CheckBox1").caption(),
              "Beim Starten des Brelvanto Kits Server auf Verf\xFCgbarkeit testen ");
    // Wider than the page: it takes two lines.
    EXPECT_TRUE(c<ui::CheckBox>("CheckBox1").wordWrap());
    EXPECT_GE(c<ui::CheckBox>("CheckBox1").height(), 26);
}

} // namespace
