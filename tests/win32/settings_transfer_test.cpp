// Export and import of the row choices through Windows' own profile functions: the file one
// program run writes is read back by a fresh one, and a read-only file is reported.
#include "support/customise_dialog_fields.h"
#include "tweak_engine_env.h"
#include "tweaks/settings_transfer.h"

#include <gtest/gtest.h>

namespace {

namespace tw = brelk::tweaks;
using tweak_test::Win32Engine;

struct ProgramRun : Win32Engine {
    ProgramRun() { testing_support::completeDialog(*form7); }
    brelk::MainWindow& w() { return *window; }
    std::string settingsFile() { return scratch + "modules\\brelksettings.ini"; }
    void open(const char* handler) {
        ui::Event e;
        h.app.dispatch(*w().handler(handler), e);
    }
    void click(const char* label) { w().c<ui::Label>(label).click(); }
    const std::string& status(const char* label) { return w().c<ui::Label>(label).caption(); }
    void check(const std::string& name) { w().c<ui::RadioButton>(name).setChecked(true); }
};

} // namespace

TEST(SettingsTransferOnWine, AFreshRunImportsWhatTheExportWrote) {
    std::string written;
    tw::RowChoices exported;
    {
        ProgramRun first;
        for (int n : {1, 4, 7, 11, 91, 124, 142, 160})
            first.check("RadioButton" + std::to_string(n));
        first.w().c<ui::Edit>("Edit3").setText("Lena Vogt");
        first.form7->get<ui::Edit>("Edit4").setText("Rechner");
        first.form7->get<ui::RadioButton>("RadioButton3").setChecked(true);
        first.open("exportshow");
        first.click("Label110");
        EXPECT_EQ(first.status("Label115"), "Einstellungen erfolgreich exportiert...");
        exported = tw::currentRowChoices(first.w());
        written = first.env.platform().files.readFile(first.settingsFile()).value_or("");
        // A second export replaces the choices rather than adding to them.
        first.check("RadioButton9");
        first.click("Label110");
        EXPECT_EQ(first.env.platform().profiles.readString(first.settingsFile(), "Radiobuttons_f2",
                                                           "10", "none"),
                  "none");
    }
    ASSERT_NE(written.find("[Radiobuttons_f2]"), std::string::npos);

    ProgramRun next;
    ASSERT_TRUE(next.env.platform().files.writeFile(next.settingsFile(), written));
    next.open("importshow");
    next.click("Label113");
    EXPECT_EQ(next.status("Label114"), "Einstellungen erfolgreich importiert...");
    const tw::RowChoices imported = tw::currentRowChoices(next.w());
    EXPECT_EQ(imported.buttons, exported.buttons);
    EXPECT_EQ(imported.mainEdits.at(3), "Lena Vogt");
    EXPECT_EQ(imported.dialogEdits, exported.dialogEdits);
    EXPECT_EQ(imported.dialogButtons, exported.dialogButtons);
}

TEST(SettingsTransferOnWine, AReadOnlyFileIsAFailedExport) {
    ProgramRun run;
    auto& files = run.env.platform().files;
    ASSERT_TRUE(files.writeFile(run.settingsFile(), "[Radiobuttons_f2]\r\n7=set\r\n"));
    ASSERT_TRUE(files.setAttributes(run.settingsFile(), platform::fileattr::readOnly));
    run.open("exportshow");
    run.click("Label110");
    EXPECT_EQ(run.status("Label115"), "Fehler beim Export");
    EXPECT_EQ(files.readFile(run.settingsFile()), "[Radiobuttons_f2]\r\n7=set\r\n");
    files.setAttributes(run.settingsFile(), 0);
}
