// System queries and actions of the tweak engine on the fake platform.
#include "platform/fake/fake_platform.h"
#include "tweaks/system_actions.h"

#include <gtest/gtest.h>

namespace {

struct SystemActions : ::testing::Test {
    platform::FakePlatform fake;
    platform::Platform& p = fake.platform();

    void setCurVer(const std::string& text) {
        fake.registry.createKey(platform::RootKey::ClassesRoot, "Word.Application\\CurVer")
            ->writeString("", text);
    }
    std::string office() {
        std::string text = "unset";
        brelk::officeversion(p, text);
        return text;
    }
    std::string iconSize() {
        auto key = fake.registry.openKey(platform::RootKey::CurrentUser,
                                         "Control Panel\\Desktop\\WindowMetrics");
        return key ? key->readString("Shell Icon Size").value : "(no key)";
    }
};

TEST_F(SystemActions, OfficeVersionFromWordsCurVer) {
    EXPECT_EQ(office(), "kein Office");
    for (auto [curVer, expected] : std::vector<std::pair<std::string, std::string>>{
             {"Word.Application.11", "11"},
             {"Word.Application.6", "6"},
             {"Word.Application.8", "8"},
             {"Word.Application.9", "9"},
             {"Word.Application.10", "10"},
             {"Word.Application.7", "unbekanntes Office"},
             {"Word.Application.12", "unbekanntes Office"},
             {"Word", "kein Office"}}) {
        setCurVer(curVer);
        EXPECT_EQ(office(), expected) << curVer;
    }
    setCurVer("Word.Application");
    EXPECT_THROW(office(), ui::EConvertError);
    fake.registry.createKey(platform::RootKey::ClassesRoot, "Word.Application\\CurVer")
        ->writeInteger("", 11);
    EXPECT_EQ(office(), "kein Office");
}

TEST_F(SystemActions, IconCacheRefreshLowersTheIconSizeAndPutsItBack) {
    EXPECT_FALSE(brelk::refreshiconcache(p));
    fake.registry.createKey(platform::RootKey::CurrentUser,
                            "Control Panel\\Desktop\\WindowMetrics");
    EXPECT_FALSE(brelk::refreshiconcache(p));
    EXPECT_EQ(fake.desktop.settingsBroadcasts, 0);
    EXPECT_EQ(iconSize(), "");

    fake.registry
        .createKey(platform::RootKey::CurrentUser, "Control Panel\\Desktop\\WindowMetrics")
        ->writeString("Shell Icon Size", "32");
    std::vector<std::string> seen;
    fake.desktop.onSettingsBroadcast = [&] { seen.push_back(iconSize()); };
    EXPECT_TRUE(brelk::refreshiconcache(p));
    EXPECT_EQ(seen, (std::vector<std::string>{"31", "32"}));
    EXPECT_EQ(iconSize(), "32");

    fake.registry
        .createKey(platform::RootKey::CurrentUser, "Control Panel\\Desktop\\WindowMetrics")
        ->writeString("Shell Icon Size", "groß");
    EXPECT_THROW(brelk::refreshiconcache(p), ui::EConvertError);
    EXPECT_EQ(seen.size(), 2u);
}

TEST_F(SystemActions, DisplayModeIsTheFirstExactMatchThatTheDisplayAccepts) {
    fake.desktop.modes = {{1024, 768, 32, 75},
                          {1024, 768, 16, 60},
                          {1024, 768, 16, 75},
                          {800, 600, 16, 75},
                          {1024, 768, 16, 75}};
    fake.desktop.refusedModes = {2};
    EXPECT_TRUE(brelk::setdisplaymode(p, 1024, 768, 16, 75));
    EXPECT_EQ(fake.desktop.appliedModes, std::vector<std::uint32_t>{4});
    EXPECT_EQ(fake.desktop.announced, (std::vector<platform::DisplayMode>{{1024, 768, 16, 75}}));
    EXPECT_FALSE(brelk::setdisplaymode(p, 1280, 1024, 16, 75));
    EXPECT_EQ(fake.desktop.announced.size(), 1u);
}

TEST_F(SystemActions, ColourDepthDropsTo16BitsAtTheSameResolutionOnly) {
    fake.desktop.modes = {{1024, 768, 16, 60}, {1024, 768, 16, 75}, {1024, 768, 8, 75}};
    for (int bits : {8, 16}) {
        fake.desktop.screenFacts = {bits, 1024, 768, 75};
        brelk::neueAufloesung(p);
    }
    EXPECT_TRUE(fake.desktop.appliedModes.empty());
    fake.desktop.screenFacts = {32, 1024, 768, 75};
    brelk::neueAufloesung(p);
    EXPECT_EQ(fake.desktop.appliedModes, std::vector<std::uint32_t>{1});
    // A driver without a 16-bit mode at that resolution leaves the display alone.
    fake.desktop.screenFacts = {24, 1280, 1024, 60};
    brelk::neueAufloesung(p);
    EXPECT_EQ(fake.desktop.appliedModes.size(), 1u);
}

TEST_F(SystemActions, ColourDepthText) {
    for (auto [bits, expected] : std::vector<std::pair<int, std::string>>{{4, "4-Bit"},
                                                                          {8, "8-Bit"},
                                                                          {16, "16-Bit"},
                                                                          {24, "24-Bit"},
                                                                          {32, "32-Bit"},
                                                                          {15, ""},
                                                                          {1, ""}}) {
        fake.desktop.screenFacts.bitsPerPixel = bits;
        std::string text;
        brelk::colourdepth(p, text);
        EXPECT_EQ(text, expected) << bits;
    }
}

TEST_F(SystemActions, FoldersAndShortcuts) {
    std::string path = "as passed";
    brelk::GetSpecialFolderPath(p, 0x7777, path);
    EXPECT_EQ(path, "as passed");
    brelk::GetSpecialFolderPath(p, platform::csidl::programs, path);
    EXPECT_EQ(path, "C:\\Documents and Settings\\Admin\\Start Menu\\Programs\\");
    fake.shell.specialFolders[0x14] = "C:\\";
    brelk::GetSpecialFolderPath(p, 0x14, path);
    EXPECT_EQ(path, "C:\\");

    EXPECT_TRUE(brelk::CreateFolder(p, "C:\\Kit"));
    EXPECT_TRUE(brelk::CreateFolder(p, "C:\\Kit"));
    EXPECT_FALSE(brelk::CreateFolder(p, "C:\\Missing\\Kit"));

    EXPECT_TRUE(brelk::CreateShortcut(p, "C:\\Kit\\brelk.exe", "C:\\Kit\\Kit.lnk", "starten"));
    EXPECT_EQ(fake.desktop.links["C:\\Kit\\Kit.lnk"].target, "C:\\Kit\\brelk.exe");
    EXPECT_TRUE(brelk::CreateShortcut(p, "C:\\Kit\\brelk.exe", "C:\\Missing\\Kit.lnk", "x"));
    EXPECT_FALSE(fake.files.fileExists("C:\\Missing\\Kit.lnk"));
    fake.desktop.shellLinksAvailable = false;
    EXPECT_FALSE(brelk::CreateShortcut(p, "C:\\Kit\\brelk.exe", "C:\\Kit\\Other.lnk", "x"));
}

TEST_F(SystemActions, ActiveDesktop) {
    brelk::SetActiveDesktop(p, true);
    EXPECT_TRUE(brelk::IsActiveDesktopOn(p));
    brelk::SetActiveDesktop(p, false);
    EXPECT_FALSE(brelk::IsActiveDesktopOn(p));
    fake.desktop.activeDesktop = true;
    fake.desktop.activeDesktopAvailable = false;
    EXPECT_FALSE(brelk::IsActiveDesktopOn(p));
    EXPECT_THROW(brelk::SetActiveDesktop(p, false), platform::OleError);
}

} // namespace
