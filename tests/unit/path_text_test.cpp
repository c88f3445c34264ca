#include "platform/path_text.h"

#include <gtest/gtest.h>

namespace {

using Folders = std::vector<std::string>;

TEST(PathText, RootsAndFoldersBelowThem) {
    const struct {
        const char* path;
        const char* root;
        bool belowRoot;
        Folders ancestors;
    } cases[] = {
        {"c:\\programme\\brelk", "c:\\", true, {"c:\\programme"}},
        {"c:\\programme\\brelk\\", "c:\\", true, {"c:\\programme"}},
        {"D:\\brelk", "D:\\", true, {}},
        {"C:\\a folder name longer than twenty\\b\\c",
         "C:\\",
         true,
         {"C:\\a folder name longer than twenty", "C:\\a folder name longer than twenty\\b"}},
        {"\\\\srv\\share\\tools\\brelk", "\\\\srv\\share\\", true, {"\\\\srv\\share\\tools"}},
        {"\\\\srv\\share", "\\\\srv\\share\\", false, {}},
        {"C:\\", "C:\\", false, {}},
        {"C:", "", false, {}},
        {"C:brelk", "", false, {}},
        {"\\brelk", "", false, {}},
        {"brelk", "", false, {}},
        {"", "", false, {}},
        {"1:\\brelk", "", false, {}},
        {"C:\\a\\..\\b", "C:\\", false, {"C:\\a", "C:\\a\\.."}},
        {"C:\\a\\\\b", "C:\\", false, {"C:\\a", "C:\\a\\"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::pathRoot(c.path), c.root) << c.path;
        EXPECT_EQ(platform::isFolderBelowRoot(c.path), c.belowRoot) << c.path;
        EXPECT_EQ(platform::ancestorFolders(c.path), c.ancestors) << c.path;
    }
    // Deep and long paths keep every level whole.
    std::string deep = "C:";
    for (int i = 0; i < 40; ++i)
        deep += "\\level" + std::to_string(i) + std::string(20, 'x');
    const auto levels = platform::ancestorFolders(deep);
    ASSERT_EQ(levels.size(), 39u);
    EXPECT_EQ(levels.back(), deep.substr(0, deep.rfind('\\')));
}

TEST(PathText, InsideAndSame) {
    const struct {
        const char* path;
        const char* folder;
        bool inside;
    } cases[] = {
        {"C:\\Kit\\brelk.exe", "C:\\Kit\\", true},
        {"c:\\KIT\\modules\\a.ini", "C:\\Kit", true},
        {"C:\\Kit", "C:\\Kit\\", false},
        {"C:\\Kit2\\a.ini", "C:\\Kit", false},
        {"C:\\Kit\\..\\Windows\\a.ini", "C:\\Kit", false},
        {"brelk.exe", "C:\\Kit", false},
        {"C:\\Kit\\a", "", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(platform::isInsideFolder(c.path, c.folder), c.inside) << c.path;
    EXPECT_TRUE(platform::samePath("C:\\Kit\\Update\\UPDATE.EXE", "c:\\kit\\update\\update.exe"));
    EXPECT_TRUE(platform::samePath("C:\\Kit\\", "C:\\Kit"));
    EXPECT_FALSE(platform::samePath("C:\\Kit\\a", "C:\\Kit\\b"));
    EXPECT_EQ(platform::withoutTrailingBackslash("C:\\"), "C:\\");
    EXPECT_EQ(platform::withoutTrailingBackslash("C:\\a\\"), "C:\\a");
}

} // namespace
