#include "platform/fake/fake_platform.h"
#include "setup/setup_window.h"
#include "support/test_forms.h"
#include "ui/cool_form.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"

#include <gtest/gtest.h>

namespace {

struct SetupWindowTest : ::testing::Test {
    platform::FakePlatform fake;
    testing_support::HeadlessApp h;
    ui::DirectoryResourceStore resources{BRELK_RES_DIR};

    setup::SetupWindow& open() {
        return h.app.createForm(
            std::make_unique<setup::SetupWindow>(h.app, fake.platform(), resources));
    }
};

} // namespace

TEST_F(SetupWindowTest, TakesTheRegisteredFolderOrLeavesTheFieldEmpty) {
    auto& empty = open();
    EXPECT_EQ(empty.get<ui::Edit>("Edit1").text(), "");
    EXPECT_TRUE(fake.registry.keyExists(platform::RootKey::LocalMachine, "SOFTWARE\\Kestovar"));

    fake.registry.createKey(platform::RootKey::LocalMachine, "SOFTWARE\\Kestovar")
        ->writeString("path", "D:\\Tools\\brelk\\");
    auto& second = open();
    EXPECT_EQ(second.get<ui::Edit>("Edit1").text(), "D:\\Tools\\brelk\\");
}

TEST_F(SetupWindowTest, WindowIsTheShapedSkinOfTheInstaller) {
    auto& w = open();
    EXPECT_EQ(w.width(), 377);
    EXPECT_EQ(w.height(), 492);
    EXPECT_EQ(w.borderStyle(), ui::BorderStyle::None);
    EXPECT_EQ(w.caption(), "brelk installer");
    EXPECT_NE(w.get<ui::CoolForm>("CoolForm1").mask().region(), nullptr);
}

TEST_F(SetupWindowTest, BeendenDeletesTheBatchFileAndEnds) {
    fake.files.addFile("c:\\brelk.bat", "del brelk.exe");
    auto& w = open();
    w.show();
    w.get<ui::Label>("Label2").click();
    EXPECT_FALSE(fake.files.fileExists("c:\\brelk.bat"));
    EXPECT_TRUE(h.app.terminated());
}

TEST_F(SetupWindowTest, HoverShowsOneLinkAndTheBackgroundResetsBoth) {
    auto& w = open();
    w.show();
    w.get<ui::Label>("Label5").mouseMove({}, 1, 1);
    EXPECT_TRUE(w.get<ui::Image>("Image5").visible());
    EXPECT_EQ(w.get<ui::Label>("Label5").font().color, ui::colors::Green);
    w.get<ui::CoolForm>("CoolForm1").mouseMove({}, 1, 1);
    EXPECT_FALSE(w.get<ui::Image>("Image5").visible());
    EXPECT_EQ(w.get<ui::Label>("Label5").font().color, ui::colors::Black);
}
