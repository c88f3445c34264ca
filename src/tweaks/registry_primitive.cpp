#include "tweaks/registry_primitive.h"

#include "shell/int_text.h"
#include "shell/main_window.h"
#include "ui/input_controls.h"

namespace brelk {

namespace {

constexpr std::size_t kScanEntryLength = 100;

bool validScanIndex(int index) {
    return index >= 1 && index <= 65;
}

} // namespace

RegistryPrimitive::RegistryPrimitive(platform::Registry& registry, ui::Memo& runLog,
                                     const ui::RadioButton& allUsers, ScanTable& scantable)
    : registry_(registry), runLog_(runLog), allUsers_(allUsers), scantable_(scantable) {}

platform::RootKey RegistryPrimitive::root(const std::string& rootCode) const {
    if (rootCode == "lm") return platform::RootKey::LocalMachine;
    if (rootCode == "cr") return platform::RootKey::ClassesRoot;
    if (rootCode == "cu" && allUsers_.checked()) return platform::RootKey::LocalMachine;
    return platform::RootKey::CurrentUser;
}

void RegistryPrimitive::applyregop(const std::string& key, const std::string& valueName,
                                   const std::string& data, const std::string& rootCode,
                                   const std::string& kind) {
    runLog_.addLine(valueName + ": " + data);
    platform::RootKey rootKey = root(rootCode);
    auto opened = registry_.createKey(rootKey, key);
    if (!opened) return;
    if (kind == "int") {
        opened->writeInteger(valueName, strToInt(data));
    } else if (kind == "str") {
        opened->writeString(valueName, data);
    } else if (kind == "del") {
        opened->deleteValue(valueName);
    } else if (kind == "delkey") {
        opened->deleteSubKey(valueName);
    } else if (kind == "createkey") {
        registry_.createKeyOrRaise(rootKey, platform::normalizeKeyPath(key) + "\\" + valueName);
    }
}

void RegistryPrimitive::scanregvalue(const std::string& key, const std::string& valueName,
                                     const std::string& defaultValue, int index,
                                     const std::string& rootCode, const std::string& kind) {
    runLog_.addLine(key + "\\" + valueName + ":" + defaultValue);
    // The scan records the machine as it is, so it must not change it: the key is opened for
    // reading only, and a value that is missing or of another type is left alone.
    if (!validScanIndex(index)) return;
    std::string& entry = scantable_[static_cast<std::size_t>(index)];
    auto opened = registry_.openKey(root(rootCode), key, platform::KeyAccess::Read);
    if (kind == "int" || kind == "del") {
        if (!opened) return;
        if (auto number = opened->readInteger(valueName); number.ok())
            entry = std::to_string(number.value);
    } else if (kind == "str") {
        // A string that is not there, in a key that is not there either, reads as empty.
        if (!opened) {
            entry.clear();
        } else if (auto text = opened->readString(valueName);
                   text.status != platform::ReadStatus::WrongType) {
            entry = text.value.substr(0, kScanEntryLength);
        }
    }
}

RegistryPrimitive registryPrimitiveOf(MainWindow& w) {
    return RegistryPrimitive(w.ctx.platform.registry, w.c<ui::Memo>("Memo3"),
                             w.c<ui::RadioButton>("RadioButton4"), w.state.scantable);
}

void applyregop(MainWindow& w, const std::string& key, const std::string& valueName,
                const std::string& data, const std::string& rootCode, const std::string& kind) {
    registryPrimitiveOf(w).applyregop(key, valueName, data, rootCode, kind);
}

void scanregvalue(MainWindow& w, const std::string& key, const std::string& valueName,
                  const std::string& defaultValue, int index, const std::string& rootCode,
                  const std::string& kind) {
    registryPrimitiveOf(w).scanregvalue(key, valueName, defaultValue, index, rootCode, kind);
}

} // namespace brelk
