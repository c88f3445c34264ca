// The registry export against the registry editor: a branch exported by the program, deleted
// and imported again with "regedit /s" must come back value by value, type by type.
#include "platform/keep_alive.h"
#include "platform/win32/win32_platform.h"
#include "tweaks/registry_export.h"
#include "win32_contract_env.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

namespace {

using platform::Bytes;
using platform::RegistryValue;
using platform::RootKey;
namespace regtype = platform::regtype;

// One key's content and the paths of all keys of a branch, relative to its top.
struct Snapshot {
    std::map<std::string, std::map<std::string, RegistryValue>> keys;
};

Snapshot snapshot(platform::Registry& registry, RootKey root, const std::string& top) {
    Snapshot s;
    std::vector<std::string> pending{""};
    while (!pending.empty()) {
        std::string rel = pending.back();
        pending.pop_back();
        auto& values = s.keys[rel];
        auto key =
            registry.openKey(root, rel.empty() ? top : top + "\\" + rel, platform::KeyAccess::Read);
        if (!key) continue;
        auto subKeys = key->enumerate([&values](const platform::ValueView& v) {
            values[std::string(v.name)] = {v.type, Bytes(v.data.begin(), v.data.end())};
        });
        for (auto& name : subKeys)
            pending.push_back(rel.empty() ? name : rel + "\\" + name);
    }
    return s;
}

// Lists what differs; empty when the two branches hold the same keys and values.
std::vector<std::string> differences(const Snapshot& expected, const Snapshot& actual) {
    std::vector<std::string> out;
    for (const auto& [path, values] : expected.keys) {
        auto it = actual.keys.find(path);
        if (it == actual.keys.end()) {
            out.push_back("missing key [" + path + "]");
            continue;
        }
        for (const auto& [name, value] : values) {
            auto v = it->second.find(name);
            if (v == it->second.end())
                out.push_back("[" + path + "] missing value \"" + name + "\"");
            else if (v->second.type != value.type)
                out.push_back("[" + path + "] \"" + name + "\" type " +
                              std::to_string(v->second.type) + " instead of " +
                              std::to_string(value.type));
            else if (v->second.data != value.data)
                out.push_back("[" + path + "] \"" + name + "\" data differs (" +
                              std::to_string(v->second.data.size()) + " bytes instead of " +
                              std::to_string(value.data.size()) + ")");
        }
        for (const auto& [name, value] : it->second)
            if (!values.count(name)) out.push_back("[" + path + "] extra value \"" + name + "\"");
    }
    for (const auto& [path, values] : actual.keys)
        if (!expected.keys.count(path)) out.push_back("extra key [" + path + "]");
    return out;
}

// Runs "regedit /s file" and waits for it.
void importWithRegedit(const std::string& file) {
    std::string command = "regedit.exe /s \"" + file + "\"";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &si, &pi))
        << "cannot start " << command;
    EXPECT_EQ(WaitForSingleObject(pi.hProcess, 10 * 60 * 1000), WAIT_OBJECT_0);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
}

std::string readAll(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A test key under the real HKEY_CURRENT_USER: the registry editor runs in its own process,
// which a registry sandbox of this process would not reach. Deleted at the end.
class RealTestKey {
  public:
    explicit RealTestKey(platform::Registry& registry) : registry_(registry) {
        path = "Software\\BrelkTest\\export-" + std::to_string(GetCurrentProcessId()) + "-" +
               std::to_string(GetTickCount());
    }
    ~RealTestKey() {
        if (auto user = registry_.openKey(RootKey::CurrentUser, "Software")) {
            user->deleteSubKey(path.substr(std::string("Software\\").size()));
            user->deleteSubKey("BrelkTest"); // only when no other test left a key there
        }
    }
    RealTestKey(const RealTestKey&) = delete;
    RealTestKey& operator=(const RealTestKey&) = delete;

    std::string path;

  private:
    platform::Registry& registry_;
};

struct ExportRoundTrip : ::testing::Test {
    Win32Env env;
    platform::Registry& registry = env.platform().registry;
    platform::KeepAlive keepAlive; // no window to serve
    RealTestKey testKey{registry};
    const std::string folder = env.scratchFolder();

    void put(const std::string& path, const std::string& name, const RegistryValue& v) {
        auto key = registry.createKey(RootKey::CurrentUser, testKey.path + "\\Source\\" + path);
        ASSERT_TRUE(key) << path;
        ASSERT_TRUE(key->setValue(name, v)) << path << " " << name;
    }
};

Bytes counting(std::size_t n) {
    Bytes b(n);
    for (std::size_t i = 0; i < n; ++i)
        b[i] = static_cast<std::uint8_t>(i * 37 + 11);
    return b;
}

TEST_F(ExportRoundTrip, EveryTypeAndAwkwardNamesComeBackFromTheRegistryEditor) {
    put("Types", "", RegistryValue::fromString("the default"));
    put("Types", "Path", RegistryValue::fromString("C:\\Windows"));
    put("Types", "Quoted", RegistryValue::fromString("say \"hi\" \\\\server\\share\\"));
    put("Types", "Lines", RegistryValue::fromString("one\r\ntwo\nthree"));
    put("Types", "Inner zero", {regtype::string, {'a', 0, 'b', 0}});
    put("Types", "Blank", RegistryValue::fromString(""));
    put("Types", "Latin", RegistryValue::fromString("Gr\xFC\xDF\x65 \xE0 \xC9milie"));
    put("Types", "Expand", RegistryValue::fromExpandString("%SystemRoot%\\system32"));
    put("Types", "Multi", {regtype::multiString, {'o', 'n', 'e', 0, 't', 'w', 'o', 0, 0}});
    put("Types", "Number", RegistryValue::fromInteger(-5));
    put("Types", "Ten", RegistryValue::fromInteger(10));
    put("Types", "Big endian", {regtype::dwordBigEndian, {0, 0, 0, 10}});
    put("Types", "Qword", {regtype::qword, {1, 2, 3, 4, 5, 6, 7, 8}});
    put("Types", "None", {regtype::none, {7, 7}});
    put("Types", "Empty none", {regtype::none, {}});
    put("Types", "Resources", {regtype::resourceList, counting(40)});
    put("Types", "Unknown", {0x100, {1, 2, 3}});
    put("Types", "Empty binary", RegistryValue::fromBinary({}));
    put("Types", "Binary 26", RegistryValue::fromBinary(counting(26)));
    put("Types", "Binary 27", RegistryValue::fromBinary(counting(27)));
    put("Types", "Binary 300", RegistryValue::fromBinary(counting(300)));
    put("Types", "Short number", {regtype::dword, {1, 2}});
    put("Names", "quote\"inside", RegistryValue::fromInteger(1));
    put("Names", "back\\slash", RegistryValue::fromInteger(2));
    put("Names", "trailing\\", RegistryValue::fromInteger(3));
    put("Names", "\"", RegistryValue::fromInteger(4));
    put("Names", "a=b", RegistryValue::fromString("c=d"));
    put("Names", "\xC4\xD6\xDC \xE4\xF6\xFC\xDF \xE9", RegistryValue::fromString("\xE9t\xE9"));
    put("Names", "[not a key]", RegistryValue::fromString("]"));
    put("Key with \"quotes\" = and [brackets]", "v", RegistryValue::fromInteger(5));
    put("\xDCmlaut K\xE9y", "", RegistryValue::fromString("x"));
    ASSERT_TRUE(
        registry.createKey(RootKey::CurrentUser, testKey.path + "\\Source\\Empty\\Nested empty"));
    std::string deep = "Deep";
    for (int i = 0; i < 40; ++i)
        deep += "\\Level " + std::to_string(i);
    put(deep, "bottom", RegistryValue::fromBinary(counting(120)));

    const std::string source = testKey.path + "\\Source";
    const Snapshot before = snapshot(registry, RootKey::CurrentUser, source);
    ASSERT_GT(before.keys.size(), 45u);
    const std::string file = folder + "branch.reg";
    brelk::exportregistry(registry, env.platform().files, RootKey::CurrentUser, source, file,
                          keepAlive);
    std::string text = readAll(file);
    ASSERT_TRUE(text.starts_with("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\" + source + "]\r\n"));

    auto user = registry.openKey(RootKey::CurrentUser, testKey.path);
    ASSERT_TRUE(user && user->deleteSubKey("Source"));
    ASSERT_FALSE(registry.keyExists(RootKey::CurrentUser, source));
    importWithRegedit(file);

    auto diff = differences(before, snapshot(registry, RootKey::CurrentUser, source));
    for (const auto& d : diff)
        ADD_FAILURE() << d;
}

// The blocks of a REGEDIT4 text whose header names a key at or below the given one.
std::string blocksBelow(const std::string& text, const std::string& key) {
    std::string out = "REGEDIT4\r\n";
    const std::string start = "\r\n[";
    std::size_t pos = text.find(start);
    while (pos != std::string::npos) {
        std::size_t next = text.find(start, pos + start.size());
        std::string block = text.substr(pos, next == std::string::npos ? next : next - pos);
        std::string header = block.substr(start.size(), block.find(']') - start.size());
        if (header == key || header.starts_with(key + "\\")) out += block;
        pos = next;
    }
    return out;
}

TEST_F(ExportRoundTrip, AWholeRootImportsWithOneBackslashAfterTheRootName) {
    put("Values", "", RegistryValue::fromString("top"));
    put("Values\\Sub", "n", RegistryValue::fromInteger(3));
    const std::string source = testKey.path + "\\Source";
    const Snapshot before = snapshot(registry, RootKey::CurrentUser, source);

    const std::string file = folder + "HK_CU.reg";
    brelk::exportregistry(registry, env.platform().files, RootKey::CurrentUser, "\\", file,
                          keepAlive);
    std::string text = readAll(file);
    ASSERT_TRUE(text.starts_with("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\]\r\n"));
    EXPECT_NE(text.find("\r\n[HKEY_CURRENT_USER\\Software]\r\n"), std::string::npos);
    EXPECT_EQ(text.find("[HKEY_CURRENT_USER\\\\"), std::string::npos);
    std::ofstream(folder + "branch.reg", std::ios::binary)
        << blocksBelow(text, "HKEY_CURRENT_USER\\" + source);

    auto user = registry.openKey(RootKey::CurrentUser, testKey.path);
    ASSERT_TRUE(user && user->deleteSubKey("Source"));
    importWithRegedit(folder + "branch.reg");
    auto diff = differences(before, snapshot(registry, RootKey::CurrentUser, source));
    for (const auto& d : diff)
        ADD_FAILURE() << d;
}

// The header of each block, rewritten from one branch to another.
std::string moveBranch(const std::string& text, const std::string& from, const std::string& to) {
    std::string out;
    out.reserve(text.size() + text.size() / 20);
    const std::string needle = "\r\n[" + from;
    std::size_t pos = 0;
    for (;;) {
        std::size_t hit = text.find(needle, pos);
        if (hit == std::string::npos) break;
        std::size_t after = hit + needle.size();
        if (after < text.size() && text[after] != ']' && text[after] != '\\') {
            out.append(text, pos, after - pos);
        } else {
            out.append(text, pos, hit - pos);
            out += "\r\n[" + to;
        }
        pos = after;
    }
    out.append(text, pos, std::string::npos);
    return out;
}

TEST_F(ExportRoundTrip, TheMachineSoftwareBranchImportsWholeIntoAnEmptyKey) {
    const std::string file = folder + "HK_LM_Software.reg";
    brelk::exportregistry(registry, env.platform().files, RootKey::LocalMachine, "Software", file,
                          keepAlive);
    std::string text = readAll(file);
    ASSERT_TRUE(text.starts_with("REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software]\r\n"));

    const std::string copy = testKey.path + "\\Copy";
    std::ofstream(folder + "copy.reg", std::ios::binary)
        << moveBranch(text, "HKEY_LOCAL_MACHINE\\Software", "HKEY_CURRENT_USER\\" + copy);
    importWithRegedit(folder + "copy.reg");

    const Snapshot original = snapshot(registry, RootKey::LocalMachine, "Software");
    const Snapshot imported = snapshot(registry, RootKey::CurrentUser, copy);
    std::size_t values = 0;
    for (const auto& [path, v] : original.keys)
        values += v.size();
    std::printf("HKEY_LOCAL_MACHINE\\Software: %zu keys, %zu values, %zu bytes of REGEDIT4\n",
                original.keys.size(), values, text.size());
    auto diff = differences(original, imported);
    std::size_t shown = 0;
    for (const auto& d : diff)
        if (shown++ < 40) ADD_FAILURE() << d;
    EXPECT_EQ(diff.size(), 0u);
}

} // namespace
