// The Windows registry as the programs use it: keys opened by root and path, read and written
// through a key object that closes the key when it goes away, so no key stays open longer than
// the handler that needs it.
#pragma once

#include "ui/errors.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

enum class RootKey { ClassesRoot, CurrentUser, LocalMachine, Users, CurrentConfig };

// Type codes stored with each value.
namespace regtype {
constexpr std::uint32_t none = 0;
constexpr std::uint32_t string = 1;
constexpr std::uint32_t expandString = 2;
constexpr std::uint32_t binary = 3;
constexpr std::uint32_t dword = 4;
constexpr std::uint32_t dwordBigEndian = 5;
constexpr std::uint32_t link = 6;
constexpr std::uint32_t multiString = 7;
constexpr std::uint32_t resourceList = 8;
constexpr std::uint32_t fullResourceDescriptor = 9;
constexpr std::uint32_t resourceRequirementsList = 10;
constexpr std::uint32_t qword = 11;
} // namespace regtype

using Bytes = std::vector<std::uint8_t>;

// A value as stored: its type code (any, also unknown ones) and its bytes.
struct RegistryValue {
    std::uint32_t type = regtype::none;
    Bytes data;

    // A string value holds the text and a terminating zero byte.
    static RegistryValue fromString(std::string_view text);
    static RegistryValue fromExpandString(std::string_view text);
    // A 32-bit number, stored little-endian.
    static RegistryValue fromInteger(std::int32_t number);
    static RegistryValue fromBinary(Bytes bytes);

    bool operator==(const RegistryValue&) const = default;
};

// Raised by the raising reads and writes, with the class library's messages.
class RegistryError : public ui::Exception {
  public:
    using ui::Exception::Exception;
};

enum class ReadStatus { Ok, Missing, WrongType };

template <typename T> struct ValueRead {
    ReadStatus status = ReadStatus::Missing;
    T value{};
    bool ok() const { return status == ReadStatus::Ok; }
};

struct KeyInfo {
    std::uint32_t subKeyCount = 0;
    std::uint32_t valueCount = 0;
    std::uint32_t maxSubKeyNameLength = 0;
    std::uint32_t maxValueNameLength = 0;
    // At least the size of the largest value's data (the system may count it in UTF-16).
    std::uint32_t maxValueDataSize = 0;
};

enum class KeyAccess { Read, ReadWrite };

// One value as an enumeration passes it: the views point into buffers that the next value
// reuses.
struct ValueView {
    std::string_view name;
    std::uint32_t type = regtype::none;
    std::span<const std::uint8_t> data;
};

// An open key. Value names are Windows-1252; the empty name is the key's default value.
class RegistryKey {
  public:
    RegistryKey() = default;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    virtual ~RegistryKey() = default;

    // The value as stored; nothing when it is missing or cannot be read.
    virtual std::optional<RegistryValue> value(std::string_view name) const = 0;
    // False when the write is refused (key opened for reading, access denied, key deleted).
    virtual bool setValue(std::string_view name, const RegistryValue& value) = 0;
    // False when the value is missing or the delete is refused.
    virtual bool deleteValue(std::string_view name) = 0;
    // Deletes the sub key at a path below this key with all of its sub keys; false when it is
    // missing or the delete is refused. The sub key's own rights decide, not this key's access.
    virtual bool deleteSubKey(std::string_view path) = 0;
    // Names in the order in which the registry enumerates them.
    virtual std::vector<std::string> subKeyNames() const = 0;
    virtual std::vector<std::string> valueNames() const = 0;
    virtual std::optional<KeyInfo> info() const = 0;
    // For long walks: passes each value with its type and bytes to the visitor and returns the
    // names of the sub keys, both in enumeration order. An implementation may read the key's
    // figures once for both lists and each value in one call, so what is added to the key
    // meanwhile may be left out.
    virtual std::vector<std::string>
    enumerate(const std::function<void(const ValueView&)>& visitValue) const;

    bool valueExists(std::string_view name) const { return value(name).has_value(); }

    // A string (REG_SZ or REG_EXPAND_SZ, unexpanded), up to its first zero byte.
    ValueRead<std::string> readString(std::string_view name) const;
    // A REG_DWORD of four bytes.
    ValueRead<std::int32_t> readInteger(std::string_view name) const;
    ValueRead<Bytes> readBinary(std::string_view name) const;

    // As the class library's registry object reads: a missing string reads as ""; a missing
    // number raises "Failed to get data for 'X'"; a value of another type raises
    // "Invalid data type for 'X'".
    std::string readStringOrRaise(std::string_view name) const;
    std::int32_t readIntegerOrRaise(std::string_view name) const;

    // Writes that raise "Failed to set data for 'X'" when refused.
    void writeString(std::string_view name, std::string_view text);
    void writeExpandString(std::string_view name, std::string_view text);
    void writeInteger(std::string_view name, std::int32_t number);
    void writeBinary(std::string_view name, Bytes bytes);

  private:
    void writeOrRaise(std::string_view name, const RegistryValue& value);
};

class Registry {
  public:
    virtual ~Registry() = default;

    // Opens an existing key; nothing when it is missing or the access is refused. A path may
    // begin with a backslash; "" and "\" name the root itself.
    virtual std::unique_ptr<RegistryKey> openKey(RootKey root, std::string_view path,
                                                 KeyAccess access = KeyAccess::ReadWrite) = 0;
    // Opens the key for reading and writing, creating it and its missing parents; nothing when
    // that fails.
    virtual std::unique_ptr<RegistryKey> createKey(RootKey root, std::string_view path) = 0;

    bool keyExists(RootKey root, std::string_view path);
    // As createKey, raising "Failed to create key X" on failure.
    std::unique_ptr<RegistryKey> createKeyOrRaise(RootKey root, std::string_view path);
};

// The path's components without empty ones: "\A\\B\" gives "A\B".
std::string normalizeKeyPath(std::string_view path);

} // namespace platform
