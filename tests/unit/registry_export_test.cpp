#include "platform/buffered_writer.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_registry.h"
#include "platform/fake/manual_clock.h"
#include "tweaks/registry_export.h"

#include <gtest/gtest.h>

namespace {

using platform::RegistryValue;
using platform::RootKey;
namespace regtype = platform::regtype;

struct RegistryExport : ::testing::Test {
    platform::FakeRegistry registry;
    platform::FakeFileSystem files;
    platform::ManualClock clock;
    int served = 0;
    platform::KeepAlive keepAlive{[this] { ++served; }, clock};
    const std::string file = "C:\\out\\x.reg";

    RegistryExport() { files.addDirectory("C:\\out"); }

    void set(RootKey root, const std::string& path, const std::string& name,
             const RegistryValue& v) {
        ASSERT_TRUE(registry.createKey(root, path)->setValue(name, v));
    }
    std::string exported(RootKey root, std::string_view path) {
        brelk::exportregistry(registry, files, root, path, file, keepAlive);
        return files.readFile(file).value_or("<no file>");
    }
};

TEST_F(RegistryExport, WritesKeysDepthFirstWithTheirValuesInEnumerationOrder) {
    set(RootKey::LocalMachine, "Software\\B", "z", RegistryValue::fromString("last"));
    set(RootKey::LocalMachine, "Software\\B", "", RegistryValue::fromString("default"));
    set(RootKey::LocalMachine, "Software\\A\\Deep", "n", RegistryValue::fromInteger(10));
    set(RootKey::LocalMachine, "Software", "Path", RegistryValue::fromString("C:\\Windows"));
    registry.createKey(RootKey::LocalMachine, "Software\\A\\Empty");
    set(RootKey::LocalMachine, "Other", "x", RegistryValue::fromInteger(1));

    EXPECT_EQ(exported(RootKey::LocalMachine, "Software"),
              "REGEDIT4\r\n"
              "\r\n[HKEY_LOCAL_MACHINE\\Software]\r\n"
              "\"Path\"=\"C:\\\\Windows\"\r\n"
              "\r\n[HKEY_LOCAL_MACHINE\\Software\\A]\r\n"
              "\r\n[HKEY_LOCAL_MACHINE\\Software\\A\\Deep]\r\n"
              "\"n\"=dword:0000000A\r\n"
              "\r\n[HKEY_LOCAL_MACHINE\\Software\\A\\Empty]\r\n"
              "\r\n[HKEY_LOCAL_MACHINE\\Software\\B]\r\n"
              "@=\"default\"\r\n"
              "\"z\"=\"last\"\r\n");
}

TEST_F(RegistryExport, TheRootItselfHasOneBackslashBeforeEachSubKey) {
    set(RootKey::ClassesRoot, "CLSID\\{1}", "", RegistryValue::fromString("x"));
    EXPECT_EQ(exported(RootKey::ClassesRoot, "\\"), "REGEDIT4\r\n"
                                                    "\r\n[HKEY_CLASSES_ROOT\\]\r\n"
                                                    "\r\n[HKEY_CLASSES_ROOT\\CLSID]\r\n"
                                                    "\r\n[HKEY_CLASSES_ROOT\\CLSID\\{1}]\r\n"
                                                    "@=\"x\"\r\n");
    // One trailing backslash of a path is dropped.
    EXPECT_TRUE(exported(RootKey::ClassesRoot, "CLSID\\")
                    .starts_with("REGEDIT4\r\n\r\n[HKEY_CLASSES_ROOT\\CLSID]\r\n\r\n[HKEY_CLASSES_"
                                 "ROOT\\CLSID\\{1}]"));
}

TEST_F(RegistryExport, KeysThatCannotBeOpenedShowTheirHeaderAlone) {
    set(RootKey::CurrentUser, "S\\Locked\\Inner", "v", RegistryValue::fromInteger(1));
    set(RootKey::CurrentUser, "S\\Locked", "v", RegistryValue::fromInteger(2));
    set(RootKey::CurrentUser, "S\\ReadOnly", "v", RegistryValue::fromInteger(3));
    set(RootKey::CurrentUser, "S\\Z", "v", RegistryValue::fromInteger(4));
    registry.denyAccess(RootKey::CurrentUser, "S\\Locked");
    registry.denyWriteAccess(RootKey::CurrentUser, "S\\ReadOnly");

    EXPECT_EQ(exported(RootKey::CurrentUser, "S"), "REGEDIT4\r\n"
                                                   "\r\n[HKEY_CURRENT_USER\\S]\r\n"
                                                   "\r\n[HKEY_CURRENT_USER\\S\\Locked]\r\n"
                                                   "\r\n[HKEY_CURRENT_USER\\S\\ReadOnly]\r\n"
                                                   "\"v\"=dword:00000003\r\n"
                                                   "\r\n[HKEY_CURRENT_USER\\S\\Z]\r\n"
                                                   "\"v\"=dword:00000004\r\n");
    EXPECT_EQ(exported(RootKey::CurrentUser, "Missing"),
              "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Missing]\r\n");
}

TEST_F(RegistryExport, AFileThatCannotBeCreatedIsSkipped) {
    set(RootKey::CurrentUser, "S", "v", RegistryValue::fromInteger(1));
    brelk::exportregistry(registry, files, RootKey::CurrentUser, "S", "C:\\nowhere\\x.reg",
                          keepAlive);
    EXPECT_FALSE(files.fileExists("C:\\nowhere\\x.reg"));
    files.addFile(file, "old", platform::fileattr::readOnly);
    brelk::exportregistry(registry, files, RootKey::CurrentUser, "S", file, keepAlive);
    EXPECT_EQ(files.readFile(file), "old");
}

TEST_F(RegistryExport, DeepBranchesAreWalkedToTheEnd) {
    std::string path = "Deep";
    for (int i = 0; i < 300; ++i)
        path += "\\k" + std::to_string(i);
    set(RootKey::CurrentUser, path, "leaf", RegistryValue::fromInteger(7));
    std::string text = exported(RootKey::CurrentUser, "Deep");
    EXPECT_TRUE(text.ends_with("\\k299]\r\n\"leaf\"=dword:00000007\r\n"));
    EXPECT_EQ(std::count(text.begin(), text.end(), '['), 301);
}

TEST_F(RegistryExport, TheWindowIsServedOnlyWhenTheIntervalHasPassed) {
    for (int k = 0; k < 3; ++k)
        for (int v = 0; v < 50; ++v)
            set(RootKey::CurrentUser, "S\\K" + std::to_string(k), "v" + std::to_string(v),
                RegistryValue::fromInteger(v));
    exported(RootKey::CurrentUser, "S");
    EXPECT_EQ(served, 0); // time stood still

    // 5 ms pass between two checks, and the checks come before and after each value and
    // after each key: 304 checks over 1520 ms, so about one in four serves the window.
    clock.stepPerReading = std::chrono::milliseconds(5);
    exported(RootKey::CurrentUser, "S");
    EXPECT_GE(served, 50);
    EXPECT_LE(served, 80);
}

// A file whose writes fail after a given number of bytes.
class LimitedFile : public platform::FileWriter {
  public:
    explicit LimitedFile(std::size_t limit) : limit_(limit) {}
    bool write(std::string_view bytes) override {
        ++writes;
        if (content.size() + bytes.size() > limit_) return false;
        content.append(bytes);
        return true;
    }
    std::string content;
    int writes = 0;

  private:
    std::size_t limit_;
};

TEST(BufferedWriter, HandsOverInPiecesOfItsCapacityAndStopsAtTheFirstFailure) {
    LimitedFile file(1000);
    {
        platform::BufferedWriter out(file, 16);
        out.write("0123456789");
        out.put('a');
        EXPECT_EQ(file.writes, 0);
        out.write(std::string(40, 'x'));
        EXPECT_EQ(file.writes, 3);
        EXPECT_EQ(file.content.size(), 48u);
        EXPECT_TRUE(out.flush());
    }
    EXPECT_EQ(file.content, "0123456789a" + std::string(40, 'x'));

    LimitedFile small(20);
    platform::BufferedWriter out(small, 16);
    out.write(std::string(40, 'y'));
    EXPECT_TRUE(out.failed());
    out.write("more");
    EXPECT_FALSE(out.flush());
    EXPECT_EQ(small.content, std::string(16, 'y'));
    EXPECT_EQ(small.writes, 2);
}

} // namespace
