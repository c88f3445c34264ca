#include "platform/fake/fake_platform.h"
#include "uninstall/start_tuning_program.h"

#include <gtest/gtest.h>

namespace {

TEST(UninstallStarter, TakesItsOwnArgumentsFromTheCommandLine) {
    const std::pair<const char*, const char*> lines[] = {
        {"\"C:\\Program Files\\Brelvanto Kit\\uninstall.exe\" /afterrestart", "/afterrestart"},
        {"C:\\Kit\\uninstall.exe /afterrestart", "/afterrestart"},
        {"  uninstall.exe   /afterrestart  /x", "/afterrestart  /x"},
        {"\"C:\\Kit\\uninstall.exe\"", ""},
        {"\"C:\\Kit\\uninstall.exe\"/afterrestart", ""}, // one name, as the system splits it
        {"uninstall.exe", ""},
        {"\"C:\\unclosed quote /afterrestart", ""},
        {"", ""},
    };
    for (const auto& [line, arguments] : lines)
        EXPECT_EQ(uninstall::argumentsOf(line), arguments) << line;
}

// uninstall.exe starts brelk.exe beside it with its arguments; a start that fails is named.
TEST(UninstallStarter, StartsTheTuningProgramBesideItOrSaysWhyNot) {
    const std::string folder = "C:\\Program Files\\Brelvanto Kit\\";
    const struct {
        bool present;
        int failing; // 0: the shell starts what is there
        int exitCode;
        const char* told;
    } cases[] = {
        {true, 0, 0, nullptr},
        {false, 0, 1, "Die Datei wurde nicht gefunden."},
        {true, 5, 1, "Der Zugriff wurde verweigert."},
        {true, 31, 1, "Fehler 31."},
    };
    for (const auto& c : cases) {
        platform::FakePlatform fake;
        if (c.present) fake.files.addFile(folder + "brelk.exe", "exe");
        if (c.failing) fake.shell.failingStarts[folder + "brelk.exe"] = c.failing;
        std::vector<std::string> told;
        const int rc = uninstall::startTuningProgram(
            fake.shell, folder, "/afterrestart", [&](const std::string& t) { told.push_back(t); });
        EXPECT_EQ(rc, c.exitCode) << c.failing;
        ASSERT_EQ(fake.shell.executions.size(), 1u);
        const auto& run = fake.shell.executions[0];
        EXPECT_EQ(run.file, folder + "brelk.exe");
        EXPECT_EQ(run.parameters, "/afterrestart");
        EXPECT_EQ(run.directory, folder);
        if (!c.told) {
            EXPECT_TRUE(told.empty());
            continue;
        }
        ASSERT_EQ(told.size(), 1u);
        EXPECT_EQ(told[0], "Brelvanto Kit konnte nicht gestartet werden:\r\n" + folder +
                               "brelk.exe\r\n" + c.told);
    }
}

} // namespace
