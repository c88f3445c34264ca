// System queries and actions on the real system under Wine: shell links, Active Desktop,
// the display (checked with the driver, never changed), the icon cache and the Office version.
#include "tweak_engine_env.h"
#include "tweaks/system_actions.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <shlobj.h>

namespace {

struct Win32SystemActions : ::testing::Test {
    tweak_test::Win32Engine e;
    platform::Platform& p = *e.platform;
};

// The target that a link file resolves to, read through the shell's own link object.
std::string linkTarget(const std::string& linkFile) {
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link))))
        return "(no link object)";
    std::string target = "(not loaded)";
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        std::wstring wide(linkFile.begin(), linkFile.end());
        char path[MAX_PATH] = {};
        char description[MAX_PATH] = {};
        if (SUCCEEDED(file->Load(wide.c_str(), STGM_READ)) &&
            SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, 0)) &&
            SUCCEEDED(link->GetDescription(description, MAX_PATH)))
            target = std::string(path) + "|" + description;
        file->Release();
    }
    link->Release();
    return target;
}

TEST_F(Win32SystemActions, ShortcutResolvesToItsTarget) {
    const std::string folder = e.scratch + "Brelvanto Kit";
    EXPECT_TRUE(brelk::CreateFolder(p, folder));
    EXPECT_TRUE(brelk::CreateFolder(p, folder));
    EXPECT_FALSE(brelk::CreateFolder(p, e.scratch + "missing\\deeper"));
    const std::string target = e.scratch + "brelk.exe";
    p.files.writeFile(target, "MZ");
    const std::string link = folder + "\\Brelvanto Kit 2005.lnk";
    EXPECT_TRUE(brelk::CreateShortcut(p, target, link, "Brelvanto Kit 2005 starten"));
    ASSERT_TRUE(p.files.fileExists(link));
    EXPECT_EQ(linkTarget(link), target + "|Brelvanto Kit 2005 starten");
    // A link into a missing folder is not saved, and that is not reported.
    EXPECT_TRUE(brelk::CreateShortcut(p, target, e.scratch + "missing\\x.lnk", "x"));
    EXPECT_FALSE(p.files.fileExists(e.scratch + "missing\\x.lnk"));

    std::string programs;
    brelk::GetSpecialFolderPath(p, platform::csidl::programs, programs);
    ASSERT_FALSE(programs.empty());
    EXPECT_EQ(programs.back(), '\\');
}

TEST_F(Win32SystemActions, WithoutComTheShortcutFails) {
    CoUninitialize();
    EXPECT_FALSE(brelk::CreateShortcut(p, "C:\\x.exe", e.scratch + "x.lnk", "x"));
    EXPECT_FALSE(brelk::IsActiveDesktopOn(p));
    EXPECT_THROW(brelk::SetActiveDesktop(p, true), platform::OleError);
    CoInitialize(nullptr);
}

TEST_F(Win32SystemActions, ActiveDesktopQueryFailsWhereTheOptionsAreMissing) {
    // Wine has the Active Desktop object, but its item options are not implemented: switching
    // goes through (the results are not looked at) and the query takes its failure path.
    EXPECT_NO_THROW(brelk::SetActiveDesktop(p, true));
    EXPECT_FALSE(brelk::IsActiveDesktopOn(p));
    EXPECT_NO_THROW(brelk::SetActiveDesktop(p, false));
}

TEST_F(Win32SystemActions, DisplayModesAreListedAndCheckedWithTheDriver) {
    platform::ScreenFacts screen = p.desktop.screen();
    ASSERT_GT(screen.bitsPerPixel, 0);
    std::string depth;
    brelk::colourdepth(p, depth);
    EXPECT_EQ(depth, std::to_string(screen.bitsPerPixel) + "-Bit");

    std::optional<std::uint32_t> current;
    std::uint32_t count = 0;
    for (; auto mode = p.desktop.displayMode(count); ++count) {
        if (!current && static_cast<int>(mode->width) == screen.width &&
            static_cast<int>(mode->height) == screen.height &&
            static_cast<int>(mode->bitsPerPixel) == screen.bitsPerPixel)
            current = count;
    }
    ASSERT_GT(count, 0u);
    ASSERT_TRUE(current);
    EXPECT_TRUE(p.desktop.applyDisplayMode(*current));
    EXPECT_FALSE(p.desktop.applyDisplayMode(count));
    EXPECT_FALSE(brelk::setdisplaymode(p, 12345, 17, 16, 60));

    auto mode = *p.desktop.displayMode(*current);
    EXPECT_TRUE(brelk::setdisplaymode(
        p, static_cast<int>(mode.width), static_cast<int>(mode.height),
        static_cast<int>(mode.bitsPerPixel), static_cast<int>(mode.frequency)));

    // The 16-bit switch asks for the screen's own refresh rate; Wine reports 1 (the default)
    // for the screen but lists its modes with 0, so no mode matches and nothing is applied.
    bool listed = false;
    for (std::uint32_t i = 0; i < count; ++i)
        listed =
            listed || *p.desktop.displayMode(i) ==
                          platform::DisplayMode{static_cast<std::uint32_t>(screen.width),
                                                static_cast<std::uint32_t>(screen.height), 16,
                                                static_cast<std::uint32_t>(screen.refreshRate)};
    EXPECT_EQ(brelk::setdisplaymode(p, screen.width, screen.height, 16, screen.refreshRate),
              listed);
    brelk::neueAufloesung(p);
    EXPECT_EQ(p.desktop.screen().bitsPerPixel, screen.bitsPerPixel);
}

TEST_F(Win32SystemActions, IconCacheRefreshPutsTheIconSizeBack) {
    EXPECT_FALSE(brelk::refreshiconcache(p));
    auto key = p.registry.createKey(platform::RootKey::CurrentUser,
                                    "Control Panel\\Desktop\\WindowMetrics");
    ASSERT_TRUE(key);
    key->writeString("Shell Icon Size", "32");
    EXPECT_TRUE(brelk::refreshiconcache(p));
    EXPECT_EQ(key->readString("Shell Icon Size").value, "32");
    key->writeString("Shell Icon Size", "x");
    EXPECT_THROW(brelk::refreshiconcache(p), ui::EConvertError);
}

TEST_F(Win32SystemActions, OfficeVersionFromTheClassesRoot) {
    std::string text;
    brelk::officeversion(p, text);
    EXPECT_EQ(text, "kein Office");
    p.registry.createKey(platform::RootKey::ClassesRoot, "Word.Application\\CurVer")
        ->writeString("", "Word.Application.11");
    brelk::officeversion(p, text);
    EXPECT_EQ(text, "11");
}

} // namespace
