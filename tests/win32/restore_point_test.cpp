// The system restore point through the real script control under Wine, where the management
// service offers no system-restore class: the failure must reach the application's error
// display and leave the status labels as they were.
#include "app/main_window_parts.h"
#include "customise/customise_window.h"
#include "platform/win32/win32_platform.h"
#include "shell/main_window.h"
#include "support/test_forms.h"
#include "ui/standard_controls.h"

#include <gtest/gtest.h>

namespace {

using platform::ScriptError;

constexpr const char* kRestorePoint = R"(getobject("winmgmts:\\.\root\default:Systemrestore"))";

TEST(ScriptControl, CallsAMethodOfTheObjectAnExpressionGives) {
    platform::Win32ScriptHost scripts;
    EXPECT_EQ(scripts.evaluateAndCall("VBScript", R"(CreateObject("Scripting.Dictionary"))",
                                      "Exists", {std::string("missing")}),
              0);
    try {
        scripts.evaluateAndCall("VBScript", R"(CreateObject("Scripting.Dictionary"))",
                                "NoSuchMethod", {});
        ADD_FAILURE() << "an unknown method must raise";
    } catch (const ScriptError& e) {
        EXPECT_STREQ(e.what(), "Method 'NoSuchMethod' not supported by automation object");
    }
    EXPECT_THROW(scripts.evaluateAndCall("VBScript", "1 +", "x", {}), ScriptError);
    EXPECT_THROW(scripts.evaluateAndCall("VBScript", "42", "x", {}), ScriptError);
}

TEST(ScriptControl, WithoutASystemRestoreClassTheCallRaisesTheSystemsMessage) {
    platform::Win32ScriptHost scripts;
    try {
        scripts.evaluateAndCall("VBScript", kRestorePoint, "CreateRestorePoint",
                                {std::string("Automatic Restore Point"), 0, 100});
        ADD_FAILURE() << "Wine has no system restore";
    } catch (const ScriptError& e) {
        std::printf("the script control reports: %s\n", e.what());
        EXPECT_GT(std::string(e.what()).size(), 3u);
    }
}

// Wine has no system-restore class: the attempt is reported as failed, with Wine's reason
// after the German message.
TEST(RestorePointPage, WithoutTheSystemRestoreClassTheAttemptIsReportedAsFailed) {
    testing_support::HeadlessApp h;
    h.app.setTitle("Brelvanto Kit 2005");
    platform::Win32Platform win32;
    ui::DirectoryResourceStore resources("res"); // the tests run from the source tree
    brelk::Context ctx{h.app, win32.platform(), resources, "C:\\brelk\\", {}};
    brelk::CustomiseWindow form7(ctx);
    ctx.form7 = &form7;
    brelk::MainWindow w(ctx, brelk::mainWindowParts());
    w.show();
    w.c<ui::Panel>("Panel8").show();
    h.dialogs.messages.clear(); // start-up's own messages are not this test's concern

    w.c<ui::Label>("Label208").click();
    ASSERT_EQ(h.dialogs.messages.size(), 1u);
    const std::string& text = h.dialogs.messages[0].text;
    EXPECT_EQ(h.dialogs.messages[0].flags, ui::mb::Ok);
    EXPECT_EQ(h.dialogs.messages[0].caption, "Brelvanto Kit 2005");
    EXPECT_TRUE(text.starts_with("Das Erstellen eines Systemwiederherstellungspunktes ist "
                                 "fehlgeschlagen."))
        << text;
    EXPECT_GT(text.size(), text.find("\r\n\r\n") + 7) << "the system's reason follows";
    for (const char* name : {"Label205", "Label209"}) {
        EXPECT_TRUE(w.c<ui::Label>(name).visible()) << name;
        EXPECT_EQ(w.c<ui::Label>(name).caption(), "... fehlgeschlagen ...") << name;
    }
}

} // namespace
