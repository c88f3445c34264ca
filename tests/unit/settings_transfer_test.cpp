// Export and import of the row choices: the pages, the file brelksettings.ini, round trips
// between two program runs, and files written by hand or broken.
#include "assistant_fixture.h"
#include "platform/fake/fake_platform.h"
#include "shell/file_dialog_component.h"
#include "tweaks/row_handlers.h"
#include "tweaks/settings_transfer.h"

#include <memory>

namespace tw = brelk::tweaks;

namespace {

using assistant_test::TuningWindow;

const std::string kFolder = TuningWindow::kProgramFolder;
const std::string kFile = kFolder + "modules\\brelksettings.ini";

struct TransferRun : assistant_test::AssistantRun {
    brelk::FileDialogComponent& dialog(const char* name) {
        return w().c<brelk::FileDialogComponent>(name);
    }
    std::string file() { return t.fake.files.readFile(kFile).value_or(""); }
    void exportNow() {
        w().c<ui::Label>("Label107").setEnabled(true);
        w().c<ui::Label>("Label107").click();
        w().c<ui::Label>("Label110").click();
    }
    void importNow() {
        w().c<ui::Label>("Label106").setEnabled(true);
        w().c<ui::Label>("Label106").click();
        w().c<ui::Label>("Label113").click();
    }
    // A user's choices on every kind of field the file holds.
    void choose() {
        for (int n : {7, 11, 91, 124, 142, 157, 181, 187, 232, 1, 4})
            button(n).setChecked(true);
        edit("Edit3").setText("Lena Vogt");
        edit("Edit4").setText("Vogt & Partner");
        edit("Edit8").setText("http://a.example");
        for (int n = 1; n <= 5; ++n)
            dialogEdit(n).setText(
                std::vector<std::string>{"512", "1024", "d", "Rechner", "IE"}[n - 1]);
        dialogButton(4).setChecked(true);
        dialogButton(5).setChecked(true);
    }
};

struct Transfer : ::testing::Test, TransferRun {};

} // namespace

TEST_F(Transfer, PagesPresetTheDefaultFileAndBrowsingLeavesTheEdits) {
    const int history = w().state.pagehistory.count();
    const std::string browsed = kFolder + "\\modules\\brelksettings.ini";
    w().c<ui::Label>("Label107").setEnabled(true);
    w().c<ui::Label>("Label107").click();
    EXPECT_EQ(dialog("SaveDialog1").options().initialDir, kFolder + "modules");
    EXPECT_EQ(edit("Edit6").text(), kFile);
    EXPECT_TRUE(visible("Panel11"));
    t.h.dialogs.files = {std::string("D:\\mine.ini"), std::nullopt};
    w().c<ui::Button>("Button2").click();
    EXPECT_EQ(t.h.dialogs.fileDialogs.back().title, "Brelvanto Kit 2004 ");
    EXPECT_EQ(dialog("SaveDialog1").fileName(), "D:\\mine.ini");
    EXPECT_EQ(dialog("OpenDialog1").fileName(), browsed);
    EXPECT_EQ(edit("Edit6").text(), kFile);

    // No file yet: the import page keeps its placeholder and the dialog its name.
    w().c<ui::Label>("Label106").setEnabled(true);
    w().c<ui::Label>("Label106").click();
    EXPECT_EQ(edit("Edit5").text(), "...");
    EXPECT_TRUE(visible("Panel12"));
    w().c<ui::Button>("Button1").click(); // cancelled
    EXPECT_EQ(t.h.dialogs.fileDialogs.back().filter, "brelksettings.ini|brelksettings.ini");
    EXPECT_EQ(dialog("OpenDialog1").fileName(), browsed);
    t.fake.files.addFile(kFile, "");
    w().c<ui::Label>("Label106").click();
    EXPECT_EQ(edit("Edit5").text(), kFile);
    EXPECT_EQ(dialog("OpenDialog1").fileName(), kFile);
    EXPECT_EQ(w().state.pagehistory.count(), history);
    w().c<ui::Label>("Label107").click();
    EXPECT_FALSE(visible("Panel12"));
}

TEST_F(Transfer, ExportWritesTheFourSectionsOnly) {
    choose();
    exportNow();
    EXPECT_EQ(caption("Label115"), "Einstellungen erfolgreich exportiert...");
    EXPECT_TRUE(visible("Label115"));
    auto& p = t.fake.profiles;
    for (int n = 1; n <= 180; ++n) {
        auto* b = dynamic_cast<ui::RadioButton*>(w().find("RadioButton" + std::to_string(n)));
        const bool set = b && b->checked();
        EXPECT_EQ(p.readString(kFile, "Radiobuttons_f2", std::to_string(n), "-"), set ? "set" : "-")
            << n;
    }
    // Buttons above 180 are not part of the file.
    for (int n : {181, 187, 232})
        EXPECT_EQ(p.readString(kFile, "Radiobuttons_f2", std::to_string(n), "-"), "-");
    EXPECT_EQ(p.readString(kFile, "Edit_f2", "3", ""), "Lena Vogt");
    EXPECT_EQ(p.readString(kFile, "Edit_f2", "6", ""), kFile);
    EXPECT_EQ(p.readString(kFile, "Edit_f2", "7", ""), "Microsoft Windows XP");
    EXPECT_EQ(p.readString(kFile, "Edit_f7", "4", ""), "Rechner");
    for (int n = 1; n <= 5; ++n) {
        EXPECT_EQ(p.readString(kFile, "Radiobutton_f7", std::to_string(n), "-"),
                  n == 4 || n == 5 ? "set" : "-");
    }
}

TEST_F(Transfer, ARoundTripRestoresEveryChoiceInAFreshRun) {
    choose();
    exportNow();
    const tw::RowChoices exported = tw::currentRowChoices(w());

    TransferRun next; // a second program run, to which the file was carried
    next.t.fake.files.addFile(kFile, file());
    next.edit("Edit1").setText("D:\\WINNT"); // another machine's own fields stay
    next.edit("Edit7").setText("Microsoft Windows 2000");
    next.edit("Edit8").setText("http://eigener.example"); // and so do its servers
    next.edit("Edit9").setText("http://zweiter.example");
    next.importNow();
    EXPECT_EQ(next.caption("Label114"), "Einstellungen erfolgreich importiert...");
    tw::RowChoices imported = tw::currentRowChoices(next.w());
    // The start-menu row was at 181, which the file does not hold: it stays at no change (180).
    std::set<int> expected = exported.buttons;
    expected.insert(180);
    EXPECT_EQ(imported.buttons, expected);
    EXPECT_EQ(imported.dialogEdits, exported.dialogEdits);
    EXPECT_EQ(imported.dialogButtons, (std::set<int>{4, 5}));
    EXPECT_EQ(imported.mainEdits.at(1), "D:\\WINNT");
    EXPECT_EQ(imported.mainEdits.at(7), "Microsoft Windows 2000");
    EXPECT_EQ(imported.mainEdits.at(8), "http://eigener.example");
    EXPECT_EQ(imported.mainEdits.at(9), "http://zweiter.example");
    for (int n : {3, 4, 6, 10})
        EXPECT_EQ(imported.mainEdits.at(n), exported.mainEdits.at(n)) << n;
    // The profile and the picture button ran their handlers; the buttons above 180 keep their
    // own state.
    EXPECT_EQ(next.dialogClicks["RadioButton4"], 1);
    EXPECT_EQ(next.dialogClicks["RadioButton5"], 1);
    EXPECT_TRUE(next.button(186).checked());
    EXPECT_TRUE(next.button(231).checked());
}

TEST_F(Transfer, ASecondExportHoldsOnlyTheNewChoices) {
    choose();
    exportNow();
    for (const auto& c : brelk::tweaks::categories())
        brelk::tweaks::checkCategoryColumn(w(), c.id, brelk::tweaks::NoChange);
    button(3).setChecked(true);
    dialogButton(5).setChecked(false);
    w().c<ui::Label>("Label110").click();
    const tw::RowChoices second = tw::currentRowChoices(w());

    TransferRun next; // a second program run, to which the file was carried
    next.t.fake.files.addFile(kFile, file());
    next.importNow();
    EXPECT_EQ(tw::currentRowChoices(next.w()).buttons, second.buttons);
}

TEST_F(Transfer, AFailedWriteIsReportedAndAMissingFileChangesNothing) {
    t.fake.files.addFile(kFile, "[Radiobuttons_f2]\r\n7=set\r\n", platform::fileattr::readOnly);
    exportNow();
    EXPECT_EQ(caption("Label115"), "Fehler beim Export");
    EXPECT_EQ(file(), "[Radiobuttons_f2]\r\n7=set\r\n");

    w().c<brelk::FileDialogComponent>("SaveDialog1").setFileName("X:\\nowhere\\brelksettings.ini");
    w().c<ui::Label>("Label110").click();
    EXPECT_EQ(caption("Label115"), "Fehler beim Export");

    const auto before = tw::currentRowChoices(w());
    w().c<ui::Label>("Label106").setEnabled(true);
    w().c<ui::Label>("Label106").click();
    w().c<brelk::FileDialogComponent>("OpenDialog1").setFileName(kFolder + "missing.ini");
    w().c<ui::Label>("Label113").click();
    EXPECT_EQ(caption("Label114"), "Fehler beim Import");
    EXPECT_TRUE(visible("Label114"));
    EXPECT_EQ(tw::currentRowChoices(w()).buttons, before.buttons);
}

TEST_F(Transfer, OnlyValuesBeginningWithLowerCaseSetCheck) {
    const struct {
        const char* value;
        bool checks;
    } values[] = {{"set", true},   {"setting", true}, {"\"set\"", true}, {"  set  ", true},
                  {"Set", false},  {"SET", false},    {"se", false},     {"", false},
                  {"xset", false}, {"1", false}};
    for (const auto& v : values) {
        t.fake.files.addFile(kFile, std::string("[Radiobuttons_f2]\r\n7=") + v.value + "\r\n");
        button(6).setChecked(true);
        importNow();
        EXPECT_EQ(button(7).checked(), v.checks) << v.value;
    }
}

TEST_F(Transfer, GarbageChangesNothingItCannotParse) {
    choose();
    auto before = tw::currentRowChoices(w());
    before.mainEdits.erase(5);
    t.fake.files.addFile(kFile, "\x01\xff garbage\r\n[Radiobuttons_f2]\r\nabc=set\r\n0=set\r\n"
                                "-5=set\r\n181=set\r\n1.5=set\r\n07=set\r\n999999999999=set\r\n"
                                "[Edit_f7]\r\n1=viel\r\n2=-5\r\n3=CD\r\n"
                                "[Edit_f2]\r\n2=abc\r\n"
                                "[Radiobutton_f7]\r\n3=yes\r\n9=set\r\n"
                                "[Unknown]\r\n5=set\r\n");
    importNow();
    EXPECT_EQ(caption("Label114"), "Einstellungen erfolgreich importiert...");
    auto after = tw::currentRowChoices(w());
    after.mainEdits.erase(5); // the import page shows the file's name
    EXPECT_EQ(after.buttons, before.buttons);
    EXPECT_EQ(after.mainEdits, before.mainEdits);
    EXPECT_EQ(after.dialogEdits, before.dialogEdits);
    EXPECT_EQ(after.dialogButtons, before.dialogButtons);
    EXPECT_EQ(messages(), std::vector<std::string>{});

    // Parseable values next to garbage are taken.
    t.fake.files.addFile(kFile, "[Edit_f7]\r\n1=300\r\n2=x\r\n3=e\r\n5=\r\n"
                                "[Radiobuttons_f2]\r\n5=set\r\n7=set\r\n2=set\r\n");
    importNow();
    EXPECT_EQ(dialogEdit(1).text(), "300");
    EXPECT_EQ(dialogEdit(2).text(), "1024");
    EXPECT_EQ(dialogEdit(3).text(), "e");
    EXPECT_EQ(dialogEdit(5).text(), "");
    // The highest "set" button of a row wins; "dauerhaft" holds the anti-spying rows.
    EXPECT_TRUE(button(7).checked());
    EXPECT_TRUE(button(157).checked());
    EXPECT_FALSE(button(155).enabled());
}

TEST_F(Transfer, HoversMarkTheLinksTheMenuLabelAndTheEdits) {
    w().c<ui::Label>("Label107").setEnabled(true);
    w().c<ui::Label>("Label106").setEnabled(true);
    // Each hover on the page its menu label (Export, Import) opens.
    const struct {
        const char* menu;
        const char* moved;
        const char* shown;
        const char* coloured;
        ui::Color colour;
    } hovers[] = {
        {"Label107", "Label110", "Image10", "Label110", 0x008000},
        {"Label107", "Image7", "Image10", "Label110", 0x008000},
        {"Label106", "Label113", "Image59", "Label113", 0x008000},
        {"Label106", "Image14", "Image59", "Label113", 0x008000},
        {"Label106", "Label106", "Image59", "Label113", 0x008000},
        {"Label107", "Label107", nullptr, "Label107", 0xF5EEE9},
        {"Label106", "Edit5", nullptr, "Edit5", 0x319B31},
        {"Label107", "Edit6", nullptr, "Edit6", 0x319B31},
    };
    for (const auto& h : hovers) {
        w().c<ui::Label>(h.menu).click();
        w().c<ui::Control>(h.moved).mouseMove({}, 1, 1);
        if (h.shown) {
            EXPECT_TRUE(visible(h.shown)) << h.moved;
        }
        EXPECT_EQ(w().c<ui::Control>(h.coloured).font().color, h.colour) << h.moved;
        w().c<ui::Control>("CoolForm1").mouseMove({}, 1, 1); // the general reset
        if (h.shown) {
            EXPECT_FALSE(visible(h.shown)) << h.moved;
        }
    }
    EXPECT_EQ(edit("Edit5").color(), 0xCAE4FFu);
}
