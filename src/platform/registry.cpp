#include "platform/registry.h"

#include <cstring>

namespace platform {

namespace {

std::string quoted(std::string_view name) {
    return "'" + std::string(name) + "'";
}

RegistryValue stringValue(std::uint32_t type, std::string_view text) {
    RegistryValue v{type, Bytes(text.begin(), text.end())};
    v.data.push_back(0);
    return v;
}

} // namespace

RegistryValue RegistryValue::fromString(std::string_view text) {
    return stringValue(regtype::string, text);
}

RegistryValue RegistryValue::fromExpandString(std::string_view text) {
    return stringValue(regtype::expandString, text);
}

RegistryValue RegistryValue::fromInteger(std::int32_t number) {
    auto u = static_cast<std::uint32_t>(number);
    return {regtype::dword,
            {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
             static_cast<std::uint8_t>(u >> 16), static_cast<std::uint8_t>(u >> 24)}};
}

RegistryValue RegistryValue::fromBinary(Bytes bytes) {
    return {regtype::binary, std::move(bytes)};
}

ValueRead<std::string> RegistryKey::readString(std::string_view name) const {
    auto v = value(name);
    if (!v) return {ReadStatus::Missing, {}};
    if (v->type != regtype::string && v->type != regtype::expandString)
        return {ReadStatus::WrongType, {}};
    std::string text(v->data.begin(), v->data.end());
    text.resize(std::strlen(text.c_str()));
    return {ReadStatus::Ok, text};
}

ValueRead<std::int32_t> RegistryKey::readInteger(std::string_view name) const {
    auto v = value(name);
    if (!v) return {ReadStatus::Missing, 0};
    if (v->type != regtype::dword || v->data.size() != 4) return {ReadStatus::WrongType, 0};
    std::uint32_t u = 0;
    for (int i = 3; i >= 0; --i)
        u = (u << 8) | v->data[static_cast<std::size_t>(i)];
    return {ReadStatus::Ok, static_cast<std::int32_t>(u)};
}

ValueRead<Bytes> RegistryKey::readBinary(std::string_view name) const {
    auto v = value(name);
    if (!v) return {ReadStatus::Missing, {}};
    if (v->type != regtype::binary) return {ReadStatus::WrongType, {}};
    return {ReadStatus::Ok, v->data};
}

std::string RegistryKey::readStringOrRaise(std::string_view name) const {
    auto r = readString(name);
    if (r.status == ReadStatus::WrongType)
        throw RegistryError("Invalid data type for " + quoted(name));
    return r.value;
}

std::int32_t RegistryKey::readIntegerOrRaise(std::string_view name) const {
    auto r = readInteger(name);
    if (r.status == ReadStatus::Missing)
        throw RegistryError("Failed to get data for " + quoted(name));
    if (r.status == ReadStatus::WrongType)
        throw RegistryError("Invalid data type for " + quoted(name));
    return r.value;
}

void RegistryKey::writeOrRaise(std::string_view name, const RegistryValue& value) {
    if (!setValue(name, value)) throw RegistryError("Failed to set data for " + quoted(name));
}

void RegistryKey::writeString(std::string_view name, std::string_view text) {
    writeOrRaise(name, RegistryValue::fromString(text));
}

void RegistryKey::writeExpandString(std::string_view name, std::string_view text) {
    writeOrRaise(name, RegistryValue::fromExpandString(text));
}

void RegistryKey::writeInteger(std::string_view name, std::int32_t number) {
    writeOrRaise(name, RegistryValue::fromInteger(number));
}

void RegistryKey::writeBinary(std::string_view name, Bytes bytes) {
    writeOrRaise(name, RegistryValue::fromBinary(std::move(bytes)));
}

std::vector<std::string>
RegistryKey::enumerate(const std::function<void(const ValueView&)>& visitValue) const {
    for (const auto& name : valueNames()) {
        // A value deleted since the names were listed is left out.
        if (auto v = value(name)) visitValue({name, v->type, v->data});
    }
    return subKeyNames();
}

bool Registry::keyExists(RootKey root, std::string_view path) {
    return openKey(root, path, KeyAccess::Read) != nullptr;
}

std::unique_ptr<RegistryKey> Registry::createKeyOrRaise(RootKey root, std::string_view path) {
    auto key = createKey(root, path);
    if (!key) throw RegistryError("Failed to create key " + std::string(path));
    return key;
}

std::string normalizeKeyPath(std::string_view path) {
    std::string out;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('\\', start);
        if (end == std::string_view::npos) end = path.size();
        if (end > start) {
            if (!out.empty()) out += '\\';
            out.append(path.substr(start, end - start));
        }
        start = end + 1;
    }
    return out;
}

} // namespace platform
