// The tuning page of the real main window: rows, category header buttons, the anti-spying
// mode switch, the start-menu delay, hover hints, the start link and the settings gears.
#include "support/tuning_window.h"
#include "tweaks/hover_reset.h"
#include "tweaks/tweak_rows.h"
#include "ui/class_registry.h"
#include "ui/cp1252.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>
#include <stdexcept>
#include <vector>

namespace tw = brelk::tweaks;
using testing_support::TuningWindow;

namespace {

std::vector<int> every3(int from, int to) {
    std::vector<int> v;
    for (int n = from; n <= to; n += 3)
        v.push_back(n);
    return v;
}

std::vector<int> join(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<int> shifted(const std::vector<int>& v, int by) {
    std::vector<int> out;
    for (int n : v)
        out.push_back(n + by);
    return out;
}

// The buttons each category header checks: deactivate, no change, activate.
struct CategoryButtons {
    const char* labels[3];
    std::vector<int> columns[3];
};

std::vector<CategoryButtons> categoryButtons() {
    const auto perf = join(every3(5, 86), {185, 188, 212, 215, 218, 221, 224, 227, 233});
    const auto opt = every3(89, 107);
    const auto inet = every3(110, 122);
    const auto sec = join(every3(125, 152), every3(194, 209));
    const std::vector<int> spy = {155, 158, 164, 167, 170, 173};
    return {
        {{"Label162", "Label163", "Label164"}, {perf, shifted(perf, 1), shifted(perf, 2)}},
        {{"Label167", "Label166", "Label165"}, {opt, shifted(opt, 1), shifted(opt, 2)}},
        {{"Label168", "Label169", "Label170"}, {inet, shifted(inet, 1), shifted(inet, 2)}},
        {{"Label171", "Label172", "Label173"}, {sec, shifted(sec, 1), shifted(sec, 2)}},
        {{"Label174", "Label175", "Label176"}, {spy, shifted(spy, 1), shifted(spy, 2)}},
        {{"Label177", "Label178", "Label179"},
         {{176, 179, 191, 232}, {177, 180, 192, 231}, {178, 181, 193, 230}}},
    };
}

ui::RadioButton& radio(TuningWindow& t, int n) {
    return t.w().c<ui::RadioButton>("RadioButton" + std::to_string(n));
}

std::set<int> checkedRowButtons(TuningWindow& t) {
    std::set<int> checked;
    for (int n = 5; n <= 235; ++n) {
        if (n >= 182 && n <= 184) continue; // the assistant's risk levels, not row buttons
        auto* b = dynamic_cast<ui::RadioButton*>(t.w().find("RadioButton" + std::to_string(n)));
        if (b && b->checked()) checked.insert(n);
    }
    return checked;
}

const tw::TweakRow& rowWithButton(int n) {
    for (const auto& row : tw::tweakRows()) {
        for (int b : row.buttons) {
            if (b == n) return row;
        }
    }
    throw std::logic_error("no row with button " + std::to_string(n));
}

std::string captionOf(TuningWindow& t, int button) {
    return t.w().c<ui::Label>(tw::captionLabelName(rowWithButton(button))).caption();
}

struct TuningPage : ::testing::Test {
    TuningWindow t;
    void SetUp() override { t.showPage("Panel2"); }
};

} // namespace

TEST_F(TuningPage, EveryCategoryContainerHoldsItsRows) {
    const std::map<std::string, int> rows = {{"ScrollBox1", 37}, {"Panel91", 7}, {"Panel90", 5},
                                             {"Panel89", 16},    {"Panel88", 6}, {"Panel86", 4}};
    for (const auto& [container, expected] : rows) {
        int count = 0;
        for (ui::Control* child : t.w().c<ui::Control>(container).children()) {
            int radios = 0;
            for (ui::Control* c : child->children())
                radios += dynamic_cast<ui::RadioButton*>(c) != 0;
            count += radios == 3;
        }
        EXPECT_EQ(count, expected) << container;
    }
}

TEST_F(TuningPage, RowsStartAtNoChangeWithTheirButtonsSideBySide) {
    EXPECT_EQ(checkedRowButtons(t).size(), 75u);
    for (const auto& row : tw::tweakRows()) {
        const auto& panel = t.w().c<ui::Panel>(row.panel);
        const auto& caption = t.w().c<ui::Label>(tw::captionLabelName(row));
        const int firstLeft =
            std::string(row.panel) == "Panel87" || std::string(row.panel) == "Panel106" ? 2 : 3;
        for (int column = 0; column < 3; ++column) {
            const auto& b = radio(t, row.buttons[column]);
            EXPECT_EQ(b.parent(), &panel) << row.caption;
            EXPECT_EQ(b.left(), firstLeft + 19 * column) << row.caption;
            EXPECT_EQ(b.checked(), column == tw::NoChange) << row.caption;
        }
        EXPECT_EQ(panel.children().size(), 4u) << "three buttons and the background picture";
        EXPECT_EQ(caption.parent(), panel.parent()) << row.caption;
        EXPECT_LE(std::abs(caption.top() - panel.top()), 8) << row.caption;
        EXPECT_LT(caption.left(), panel.left()) << row.caption;
        EXPECT_EQ(panel.left(), 296) << "the button panels stand in one column";
    }
}

TEST_F(TuningPage, CaptionsKeepTheirExactTextAndTrailingBlanks) {
    EXPECT_EQ(captionOf(t, 53), "grafische Effekte deaktivieren ");
    EXPECT_EQ(captionOf(t, 56), "automatische Systemwiederherstellung deaktivieren ");
    EXPECT_EQ(captionOf(t, 92), ui::ansiText("Hintergrund für Internet Explorer® "));
    EXPECT_EQ(captionOf(t, 143),
              ui::ansiText("Ausführen von Programmen aus der Hilfe unterbinden "));
    EXPECT_EQ(captionOf(t, 170), ui::ansiText("Verlauf des \"Ausführen\" - Dialoges  löschen"));
    EXPECT_EQ(captionOf(t, 212), ui::ansiText("Kontextmenü um \"in Ordner X kopieren\" erweitern"));
    EXPECT_EQ(t.w().c<ui::RadioButton>("RadioButton4").caption(), "alle Benutzer ");
    EXPECT_EQ(t.w().c<ui::GroupBox>("GroupBox2").caption(),
              ui::ansiText(" Tuningoptionen übernehmen für ...  "));
    EXPECT_EQ(t.w().c<ui::GroupBox>("Lizenzinformationen").caption(), " Registrierungsdaten ");
    EXPECT_EQ(t.w().c<ui::Label>("Label36").caption(),
              ui::ansiText("Tuningprozedur starten\u00a0>"));
    EXPECT_EQ(
        t.w().c<ui::Image>("PerfHeader").hint(),
        ui::ansiText("Hier können Sie Tuningoptionen aktivieren (+) oder auch deaktivieren (-)"));
    EXPECT_EQ(t.w().c<ui::Label>("Label174").hint(),
              ui::ansiText("Sämtliche Tuningoptionen dieser Kategorie deaktivieren (es werden "
                           "die Standardwerte geladen)"));
}

TEST_F(TuningPage, EachHeaderButtonChecksItsColumnOfItsCategory) {
    const auto all = categoryButtons();
    for (size_t c = 0; c < all.size(); ++c) {
        TuningWindow fresh;
        fresh.showPage("Panel2");
        for (int column : {tw::Deactivate, tw::Activate, tw::NoChange}) {
            fresh.w().c<ui::Label>(all[c].labels[column]).click();
            std::set<int> expected(all[c].columns[column].begin(), all[c].columns[column].end());
            for (size_t other = 0; other < all.size(); ++other) {
                if (other == c) continue;
                const auto& middles = all[other].columns[tw::NoChange];
                expected.insert(middles.begin(), middles.end());
            }
            EXPECT_EQ(checkedRowButtons(fresh), expected) << all[c].labels[column];
        }
    }
}

TEST_F(TuningPage, HeaderButtonsCheckDisabledRowsToo) {
    // As on Windows 2000, where start-up disables these buttons.
    for (int n : {41, 42, 80, 81, 82, 86, 87, 88})
        radio(t, n).setEnabled(false);
    for (int n = 218; n <= 229; ++n)
        radio(t, n).setEnabled(false);
    t.w().c<ui::Label>("Label162").click();
    for (int n : {41, 80, 86, 218, 221, 224, 227}) {
        EXPECT_TRUE(radio(t, n).checked()) << n;
        EXPECT_FALSE(radio(t, n).enabled()) << n;
    }
}

TEST_F(TuningPage, OneShotRowsReturnToNoChangeOnlyFromCode) {
    for (int middle : {39, 42, 51, 66, 111, 141}) {
        auto& none = radio(t, middle);
        EXPECT_FALSE(none.enabled()) << middle;
        EXPECT_TRUE(none.checked()) << middle;
        radio(t, middle + 1).click();
        EXPECT_TRUE(radio(t, middle + 1).checked()) << middle;
        none.click(); // disabled: the click does not reach it
        EXPECT_FALSE(none.checked()) << middle;
    }
    t.w().c<ui::Label>("Label163").click();
    EXPECT_TRUE(radio(t, 42).checked());
    EXPECT_FALSE(radio(t, 43).checked());
}

TEST_F(TuningPage, MountRowIsNumberedRightToLeft) {
    EXPECT_EQ(radio(t, 232).left(), 2);
    EXPECT_EQ(radio(t, 231).left(), 21);
    EXPECT_EQ(radio(t, 230).left(), 40);
    t.w().c<ui::Label>("Label179").click(); // brelkact
    EXPECT_TRUE(radio(t, 230).checked());
    t.w().c<ui::Label>("Label177").click(); // brelkdeact
    EXPECT_TRUE(radio(t, 232).checked());
    EXPECT_FALSE(radio(t, 230).checked());
}

TEST_F(TuningPage, AntiSpyingModeSwitch) {
    const std::vector<int> rows = {155, 158, 164, 167, 170, 173};
    // The form starts at "dauerhaft" without running its handler.
    EXPECT_TRUE(t.w().c<ui::RadioButton>("RadioButton2").checked());
    for (int n : rows) {
        EXPECT_TRUE(radio(t, n + 1).checked()) << n;
        EXPECT_TRUE(radio(t, n).enabled() && radio(t, n + 2).enabled()) << n;
    }
    radio(t, 155).click();
    t.w().c<ui::RadioButton>("RadioButton1").click();
    t.w().c<ui::RadioButton>("RadioButton2").click();
    for (int n : rows) {
        EXPECT_FALSE(radio(t, n).checked()) << n;
        EXPECT_FALSE(radio(t, n + 1).checked()) << n;
        EXPECT_TRUE(radio(t, n + 2).checked()) << n;
        EXPECT_FALSE(radio(t, n).enabled()) << n;
        EXPECT_TRUE(radio(t, n + 1).enabled()) << n;
        EXPECT_FALSE(radio(t, n + 2).enabled()) << n;
    }
    // The header still reaches the held buttons.
    t.w().c<ui::Label>("Label174").click();
    for (int n : rows)
        EXPECT_TRUE(radio(t, n).checked()) << n;
    t.w().c<ui::Label>("Label175").click();
    for (int n : rows)
        EXPECT_TRUE(radio(t, n + 1).checked()) << n;

    radio(t, 170 + 1).setChecked(false);
    radio(t, 170).setChecked(true);
    t.w().c<ui::RadioButton>("RadioButton1").click();
    for (int n : rows) {
        EXPECT_TRUE(radio(t, n).enabled() && radio(t, n + 2).enabled()) << n;
        EXPECT_EQ(radio(t, n).checked(), n == 170) << "choices stay as they are";
    }
}

TEST_F(TuningPage, StartMenuDelayShowsMilliseconds) {
    auto& bar = t.w().c<ui::TrackBar>("TrackBar1");
    auto& text = t.w().c<ui::Label>("Label2");
    EXPECT_EQ(text.caption(), "0 ms");
    EXPECT_EQ(bar.max(), 600);
    bar.userMoved(250);
    EXPECT_EQ(text.caption(), "250 ms");
    bar.userMoved(900);
    EXPECT_EQ(text.caption(), "600 ms");
}

TEST_F(TuningPage, HintsSetOnHover) {
    const std::string delay = ui::ansiText(
        "Windows® wird angewiesen, beim Aufklappen der Untermenüs benutzerdefinierte\r\n"
        " Wartezeiten zu verwenden. Der Standardwert entspricht dem Maximum\r\nauf der Skala");
    for (const char* name : {"Label29", "Label2"}) {
        t.w().c<ui::Label>(name).mouseMove({}, 1, 1);
        EXPECT_EQ(t.w().c<ui::Label>(name).hint(), delay) << name;
    }
    t.w().c<ui::Label>("Label27").mouseMove({}, 1, 1);
    EXPECT_EQ(t.w().c<ui::Label>("Label27").hint(),
              ui::ansiText("Windows® wird angewiesen,  einen großen Zwischenspeicher\r\n"
                           "für Datentransfers auf sämtlichen Laufwerken zu nutzen"));
}

TEST_F(TuningPage, StartLinkLightsUpAndStartsTheRun) {
    t.w().c<ui::Image>("Image72").mouseMove({}, 1, 1);
    EXPECT_FALSE(t.w().c<ui::Image>("Image72").visible());
    EXPECT_TRUE(t.w().c<ui::Image>("Image73").visible());
    EXPECT_EQ(t.w().c<ui::Label>("Label36").font().color, 0x008000u);
    // Either one starts the run: its progress timer runs and the log fills.
    t.w().c<ui::Image>("Image73").click();
    EXPECT_TRUE(t.w().c<ui::Timer>("Timer1").enabled());
    t.w().c<ui::Memo>("Memo3").clear();
    t.w().c<ui::Label>("Label36").click();
    EXPECT_FALSE(t.w().c<ui::Memo>("Memo3").lines().empty());
}

TEST_F(TuningPage, ScanLinkShowsItsHoverPicture) {
    t.w().c<ui::Image>("Image142").mouseMove({}, 1, 1);
    EXPECT_TRUE(t.w().c<ui::Image>("Image147").visible());
}

TEST_F(TuningPage, GearsOpenTheCustomisationDialogOnTheirPanel) {
    ui::Form dialog(t.h.app, "TForm7");
    std::string text = "object Form7: TForm7\n";
    for (int i = 1; i <= 7; ++i)
        text += "  object Panel" + std::to_string(i) + ": TPanel\n  end\n";
    dialog.loadLayout(text + "end\n", ui::ClassRegistry::standard(), t.h.resources);
    t.ctx.form7 = &dialog;

    // Page file: the plain gear's hover shows the clickable twin.
    t.w().c<ui::Image>("Image64").mouseMove({}, 1, 1);
    ASSERT_TRUE(t.w().c<ui::Image>("Image70").visible());
    t.w().c<ui::Image>("Image70").click();
    EXPECT_TRUE(dialog.visible());
    for (int i = 1; i <= 7; ++i) {
        EXPECT_EQ(dialog.get<ui::Panel>("Panel" + std::to_string(i)).visible(), i == 3) << i;
    }
    // The OEM logo's hover hides its neighbours' twins; the start button's hides itself.
    t.w().c<ui::Image>("Image54").show();
    t.w().c<ui::Image>("Image45").mouseMove({}, 1, 1);
    EXPECT_TRUE(t.w().c<ui::Image>("Image46").visible());
    EXPECT_FALSE(t.w().c<ui::Image>("Image54").visible());
    t.w().c<ui::Image>("Image264").mouseMove({}, 1, 1);
    EXPECT_FALSE(t.w().c<ui::Image>("Image264").visible());
    t.w().c<ui::Image>("Image263").click();
    for (int i = 1; i <= 7; ++i) {
        EXPECT_EQ(dialog.get<ui::Panel>("Panel" + std::to_string(i)).visible(), i == 6) << i;
    }
}

TEST_F(TuningPage, HoverResetRestoresTheLinksAndGears) {
    for (const char* name : {"Image72", "Image142", "Image45", "Image264", "Image305"}) {
        t.w().c<ui::Image>(name).mouseMove({}, 1, 1);
    }
    t.showPage("Panel10");
    t.w().c<ui::Label>("Label105").mouseMove({}, 1, 1);
    t.w().c<ui::Image>("Image16").mouseMove({}, 1, 1);

    t.w().c<ui::Panel>("Panel10").mouseMove({}, 1, 1); // the background resets every hover
    for (const char* hidden :
         {"Image73", "Image147", "Image46", "Image263", "Image306", "Image5", "Image18"}) {
        EXPECT_FALSE(t.w().c<ui::Image>(hidden).visible()) << hidden;
    }
    for (const char* shown : {"Image72", "Image45", "Image264", "Image305"}) {
        EXPECT_TRUE(t.w().c<ui::Image>(shown).visible()) << shown;
    }
    for (const char* link : {"Label36", "Label105", "Label92"}) {
        EXPECT_EQ(t.w().c<ui::Label>(link).font().color, ui::colors::Black) << link;
    }
}
