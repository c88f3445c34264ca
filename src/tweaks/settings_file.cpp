#include "tweaks/settings_file.h"

#include "platform/profiles.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace brelk::tweaks {
namespace {

constexpr const char* kButtonsSection = "Radiobuttons_f2";
constexpr const char* kMainEditsSection = "Edit_f2";
constexpr const char* kDialogEditsSection = "Edit_f7";
constexpr const char* kDialogButtonsSection = "Radiobutton_f7";
constexpr const char* kSet = "set";

// The main window's fields that describe the machine the program runs on, and its two server
// fields: a file from another machine must not redirect where the update comes from.
constexpr int kMachineFields[] = {1, 2, 7, 8, 9};
// The customisation dialog's page-file sizes and drive letter (Edit1..Edit3).
constexpr int kMinimumField = 0, kMaximumField = 1, kDriveField = 2;
// Page-file sizes in MB have at most this many digits.
constexpr std::size_t kMaxSizeDigits = 6;

// The profile read returns a default for a missing key; no value read from a file holds this
// one, so it tells a missing key from a present one, whatever the field's text.
constexpr const char* kMissing = "\x01";

std::optional<std::string> readKey(platform::Profiles& profiles, const std::string& file,
                                   const char* section, int key) {
    std::string value = profiles.readString(file, section, std::to_string(key), kMissing);
    if (value == kMissing) return std::nullopt;
    return value;
}

// A key counts as set when its first three characters are exactly "set" ("setting" does too).
bool isSet(const std::optional<std::string>& value) {
    return value && value->compare(0, 3, kSet) == 0;
}

bool isMegabytes(const std::string& text) {
    return !text.empty() && text.size() <= kMaxSizeDigits &&
           std::all_of(text.begin(), text.end(),
                       [](unsigned char c) { return std::isdigit(c) != 0; });
}

bool isDriveLetter(const std::string& text) {
    return text.empty() ||
           (text.size() == 1 && std::isalpha(static_cast<unsigned char>(text[0])) != 0 &&
            static_cast<unsigned char>(text[0]) < 0x80);
}

bool validDialogText(int field, const std::string& text) {
    if (field == kMinimumField || field == kMaximumField) return isMegabytes(text);
    if (field == kDriveField) return isDriveLetter(text);
    return true;
}

bool describesMachine(int edit) {
    return std::find(std::begin(kMachineFields), std::end(kMachineFields), edit) !=
           std::end(kMachineFields);
}

std::set<int> setKeys(platform::Profiles& profiles, const std::string& file, const char* section,
                      int count) {
    std::set<int> keys;
    for (int i = 1; i <= count; ++i) {
        if (isSet(readKey(profiles, file, section, i))) keys.insert(i);
    }
    return keys;
}

} // namespace

bool writeRowChoices(platform::Profiles& profiles, const std::string& file,
                     const RowChoices& choices) {
    // An empty name would make the profile functions fall back to a file of Windows itself.
    if (file.empty()) return false;
    bool ok = true;
    auto write = [&](const char* section, int key, const std::string& value) {
        ok = profiles.writeString(file, section, std::to_string(key), value) && ok;
    };
    for (const char* section :
         {kButtonsSection, kMainEditsSection, kDialogEditsSection, kDialogButtonsSection}) {
        ok = profiles.deleteSection(file, section) && ok;
    }
    for (int button : choices.buttons) {
        if (button >= 1 && button <= kFileButtons) write(kButtonsSection, button, kSet);
    }
    for (const auto& [edit, text] : choices.mainEdits) {
        if (edit >= 1 && edit <= kFileMainEdits) write(kMainEditsSection, edit, text);
    }
    for (int field = 0; field < kFileDialogFields; ++field) {
        write(kDialogEditsSection, field + 1, choices.dialogEdits[static_cast<std::size_t>(field)]);
    }
    for (int button : choices.dialogButtons) {
        if (button >= 1 && button <= kFileDialogFields) write(kDialogButtonsSection, button, kSet);
    }
    return ok;
}

RowChoices readRowChoices(platform::Profiles& profiles, const std::string& file,
                          const RowChoices& current) {
    RowChoices taken = current;
    taken.buttons = setKeys(profiles, file, kButtonsSection, kFileButtons);
    for (auto& [edit, text] : taken.mainEdits) {
        if (describesMachine(edit)) continue;
        if (auto value = readKey(profiles, file, kMainEditsSection, edit)) text = *value;
    }
    for (int field = 0; field < kFileDialogFields; ++field) {
        auto value = readKey(profiles, file, kDialogEditsSection, field + 1);
        if (value && validDialogText(field, *value)) {
            taken.dialogEdits[static_cast<std::size_t>(field)] = *value;
        }
    }
    taken.dialogButtons = setKeys(profiles, file, kDialogButtonsSection, kFileDialogFields);
    return taken;
}

} // namespace brelk::tweaks
