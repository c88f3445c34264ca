#include "platform/win32/win32_registry.h"

#include <windows.h>

#include <shlwapi.h>

#include <algorithm>

namespace platform {

namespace {

HKEY rootHandle(RootKey root) {
    switch (root) {
    case RootKey::ClassesRoot:
        return HKEY_CLASSES_ROOT;
    case RootKey::CurrentUser:
        return HKEY_CURRENT_USER;
    case RootKey::LocalMachine:
        return HKEY_LOCAL_MACHINE;
    case RootKey::Users:
        return HKEY_USERS;
    case RootKey::CurrentConfig:
        return HKEY_CURRENT_CONFIG;
    }
    return HKEY_CURRENT_USER;
}

// Bytes read in the first call for a value.
constexpr std::size_t kFirstRead = 512;

class Win32Key : public RegistryKey {
  public:
    explicit Win32Key(HKEY key) : key_(key) {}
    ~Win32Key() override { RegCloseKey(key_); }

    std::optional<RegistryValue> value(std::string_view name) const override {
        std::string n(name);
        DWORD type = 0;
        // Most values are small: one call reads them. A larger value reports its size and is
        // asked again, until it fits (it may grow between the calls).
        RegistryValue v;
        v.data.resize(kFirstRead);
        for (;;) {
            DWORD got = static_cast<DWORD>(v.data.size());
            LONG rc = RegQueryValueExA(key_, n.c_str(), nullptr, &type, v.data.data(), &got);
            if (rc == ERROR_MORE_DATA) {
                v.data.resize(std::max<std::size_t>(got + 1, v.data.size() * 2));
                continue;
            }
            if (rc != ERROR_SUCCESS) return std::nullopt;
            v.type = type;
            v.data.resize(got);
            return v;
        }
    }

    bool setValue(std::string_view name, const RegistryValue& value) override {
        std::string n(name);
        return RegSetValueExA(key_, n.c_str(), 0, value.type,
                              value.data.empty() ? nullptr : value.data.data(),
                              static_cast<DWORD>(value.data.size())) == ERROR_SUCCESS;
    }

    bool deleteValue(std::string_view name) override {
        std::string n(name);
        return RegDeleteValueA(key_, n.c_str()) == ERROR_SUCCESS;
    }

    bool deleteSubKey(std::string_view path) override {
        std::string p = normalizeKeyPath(path);
        // An empty path would name this key itself.
        if (p.empty()) return false;
        return SHDeleteKeyA(key_, p.c_str()) == ERROR_SUCCESS;
    }

    std::vector<std::string> subKeyNames() const override {
        return listNames([this](DWORD i, char* buf, DWORD* len) {
            return RegEnumKeyExA(key_, i, buf, len, nullptr, nullptr, nullptr, nullptr);
        });
    }

    std::vector<std::string> valueNames() const override {
        return listNames([this](DWORD i, char* buf, DWORD* len) {
            return RegEnumValueA(key_, i, buf, len, nullptr, nullptr, nullptr, nullptr);
        });
    }

    std::optional<KeyInfo> info() const override {
        DWORD subKeys = 0, maxSubKey = 0, values = 0, maxValueName = 0, maxData = 0;
        if (RegQueryInfoKeyA(key_, nullptr, nullptr, nullptr, &subKeys, &maxSubKey, nullptr,
                             &values, &maxValueName, &maxData, nullptr, nullptr) != ERROR_SUCCESS)
            return std::nullopt;
        return KeyInfo{subKeys, values, maxSubKey, maxValueName, maxData};
    }

    std::vector<std::string>
    enumerate(const std::function<void(const ValueView&)>& visitValue) const override {
        std::vector<std::string> subKeys;
        DWORD subKeyCount = 0, maxSubKey = 0, valueCount = 0, maxName = 0, maxData = 0;
        if (RegQueryInfoKeyA(key_, nullptr, nullptr, nullptr, &subKeyCount, &maxSubKey, nullptr,
                             &valueCount, &maxName, &maxData, nullptr, nullptr) != ERROR_SUCCESS)
            return subKeys;
        // Every call is a round trip to the registry: the buffers are sized from the key's
        // figures so that one call reads a value's name, type and data together, and the
        // counts save the calls that would report the end of each list.
        std::vector<char> name(std::max(maxName, maxSubKey) + 2);
        std::vector<BYTE> data(maxData + 2);
        int retries = 0;
        for (DWORD i = 0; i < valueCount;) {
            DWORD nameLen = static_cast<DWORD>(name.size());
            DWORD dataLen = static_cast<DWORD>(data.size());
            DWORD type = 0;
            LONG rc = RegEnumValueA(key_, i, name.data(), &nameLen, nullptr, &type, data.data(),
                                    &dataLen);
            if (rc == ERROR_MORE_DATA && ++retries < 16) {
                // The value or its name grew since the figures were taken.
                data.resize(std::max<std::size_t>(dataLen, data.size() * 2));
                name.resize(name.size() * 2);
                continue;
            }
            retries = 0;
            if (rc == ERROR_MORE_DATA) {
                ++i; // a value that keeps growing is left out
                continue;
            }
            if (rc != ERROR_SUCCESS) break;
            visitValue({std::string_view(name.data(), nameLen), type,
                        std::span<const std::uint8_t>(data.data(), dataLen)});
            ++i;
        }
        subKeys.reserve(subKeyCount);
        for (DWORD i = 0; i < subKeyCount;) {
            DWORD nameLen = static_cast<DWORD>(name.size());
            LONG rc =
                RegEnumKeyExA(key_, i, name.data(), &nameLen, nullptr, nullptr, nullptr, nullptr);
            if (rc == ERROR_MORE_DATA && name.size() < 65536) {
                name.resize(name.size() * 2);
                continue;
            }
            if (rc != ERROR_SUCCESS) break;
            subKeys.emplace_back(name.data(), nameLen);
            ++i;
        }
        return subKeys;
    }

  private:
    template <typename EnumFn> std::vector<std::string> listNames(EnumFn enumAt) const {
        std::vector<std::string> names;
        std::vector<char> buf(256);
        for (DWORD i = 0;;) {
            DWORD len = static_cast<DWORD>(buf.size());
            LONG rc = enumAt(i, buf.data(), &len);
            if (rc == ERROR_MORE_DATA) {
                buf.resize(buf.size() * 2);
                continue;
            }
            if (rc != ERROR_SUCCESS) break;
            names.emplace_back(buf.data(), len);
            ++i;
        }
        return names;
    }

    HKEY key_;
};

} // namespace

namespace {

// The ANSI registry functions convert a path into a buffer of MAX_PATH characters, so a longer
// path fails as a whole. It is opened in pieces of whole components instead, each below the
// key opened before it.
std::vector<std::string> pathPieces(const std::string& path) {
    std::vector<std::string> pieces{std::string()};
    std::size_t start = 0;
    while (start < path.size()) {
        std::size_t end = path.find('\\', start);
        if (end == std::string::npos) end = path.size();
        const std::size_t length = end - start;
        if (!pieces.back().empty() && pieces.back().size() + 1 + length > MAX_PATH)
            pieces.emplace_back();
        if (!pieces.back().empty()) pieces.back().push_back('\\');
        pieces.back().append(path, start, length);
        start = end + 1;
    }
    return pieces;
}

HKEY openPath(RootKey root, std::string_view path, REGSAM access, bool create) {
    HKEY current = rootHandle(root);
    bool owned = false;
    auto pieces = pathPieces(normalizeKeyPath(path));
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const bool last = i + 1 == pieces.size();
        // Keys on the way only lead to the next piece.
        REGSAM sam = last ? access : create ? KEY_CREATE_SUB_KEY : KEY_READ;
        HKEY next = nullptr;
        LONG rc = create ? RegCreateKeyExA(current, pieces[i].c_str(), 0, nullptr,
                                           REG_OPTION_NON_VOLATILE, sam, nullptr, &next, nullptr)
                         : RegOpenKeyExA(current, pieces[i].c_str(), 0, sam, &next);
        if (owned) RegCloseKey(current);
        if (rc != ERROR_SUCCESS) return nullptr;
        current = next;
        owned = true;
    }
    return current;
}

} // namespace

std::unique_ptr<RegistryKey> Win32Registry::openKey(RootKey root, std::string_view path,
                                                    KeyAccess access) {
    HKEY key = openPath(root, path, access == KeyAccess::Read ? KEY_READ : KEY_ALL_ACCESS, false);
    if (!key) return nullptr;
    return std::make_unique<Win32Key>(key);
}

std::unique_ptr<RegistryKey> Win32Registry::createKey(RootKey root, std::string_view path) {
    HKEY key = openPath(root, path, KEY_ALL_ACCESS, true);
    if (!key) return nullptr;
    return std::make_unique<Win32Key>(key);
}

} // namespace platform
