// The Windows the Win32 tests run in: German, ANSI code page 1252, the test's own folder known
// and the shipped settings files reachable through the profile API. When one of these fails,
// every other Win32 test result is suspect, so they are checked first and on their own.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::string moduleFolder() {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (n == 0 || n == MAX_PATH) return {};
    std::string s(path, n);
    return s.substr(0, s.find_last_of('\\'));
}

std::string fullPath(const char* relative) {
    char path[MAX_PATH];
    DWORD n = GetFullPathNameA(relative, MAX_PATH, path, nullptr);
    return n == 0 || n >= MAX_PATH ? std::string() : std::string(path, n);
}

} // namespace

TEST(WineEnvironment, IsGermanWindowsWithCodePage1252) {
    EXPECT_EQ(GetACP(), 1252u);
    EXPECT_EQ(LANGIDFROMLCID(GetUserDefaultLCID()), MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN));

    // String literals are compiled to Windows-1252 and mean the same to the ANSI functions.
    const char text[] = "Grüße";
    wchar_t wide[8] = {};
    ASSERT_EQ(MultiByteToWideChar(CP_ACP, 0, text, -1, wide, 8), 6);
    EXPECT_EQ(std::wstring(wide), L"Gr\u00fc\u00dfe");
}

TEST(WineEnvironment, FindsItsOwnFolder) {
    std::string folder = moduleFolder();
    ASSERT_FALSE(folder.empty());
    DWORD attributes = GetFileAttributesA(folder.c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_NE(GetFileAttributesA((folder + "\\win32_tests.exe").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(WineEnvironment, ReadsTheShippedSettingsFile) {
    // The tests run from the repository root; a bare file name would make the profile API
    // look in the Windows folder, so the path is made absolute as the programs do.
    std::string ini = fullPath("dist\\modules\\brelk.ini");
    ASSERT_FALSE(ini.empty());
    char value[32];
    GetPrivateProfileStringA("Options", "version", "", value, sizeof value, ini.c_str());
    EXPECT_STREQ(value, "5.0.1");
    GetPrivateProfileStringA("Options", "firststart", "", value, sizeof value, ini.c_str());
    EXPECT_STREQ(value, "1");
}
