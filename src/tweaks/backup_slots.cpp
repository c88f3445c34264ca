#include "tweaks/backup_slots.h"

#include "shell/ini_integer.h"
#include "shell/main_window.h"
#include "tweaks/scan.h"
#include "tweaks/slot_text.h"
#include "tweaks/tuning_run.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"

#include <algorithm>
#include <array>

namespace brelk {

namespace {

constexpr std::size_t kEntryLength = 100;
constexpr std::size_t kListDateLength = 20;
constexpr std::size_t kListTimeLength = 15;
constexpr int kSlotHeight = 27;
constexpr int kOneSlotHeight = 45;
constexpr const char* kFirstSlotDate = "Originalzustand";
// The slot key of the first serial port's own value.
constexpr const char* kFirstPortKey = "COM1";
// Stands for a key that is not there, which no stored value can equal.
constexpr const char* kAbsent = "\x01";

std::string brelkIni(const MainWindow& w) {
    return w.ctx.modulesFile("brelk.ini");
}

bool slotExists(platform::Profiles& profiles, const std::string& ini, const std::string& section) {
    return profiles.readString(ini, section, "Date", kAbsent) != kAbsent;
}

} // namespace

int storedSlotCount(platform::Profiles& profiles, const std::string& ini) {
    int highest = 0;
    for (int slot = kMaxBackupSlots; slot > 0 && highest == 0; --slot)
        if (slotExists(profiles, ini, std::to_string(slot))) highest = slot;
    const std::string text = profiles.readString(ini, "Backup", "number", kAbsent);
    if (auto number = parseIniInteger(text); number && *number >= 0 && *number <= kMaxBackupSlots)
        return std::max(*number, highest);
    return highest;
}

std::vector<int> storedSlots(platform::Profiles& profiles, const std::string& ini, int count) {
    std::vector<int> slots;
    for (int slot = 1; slot <= std::min(count, kMaxBackupSlots); ++slot)
        if (slotExists(profiles, ini, std::to_string(slot))) slots.push_back(slot);
    return slots;
}

std::string slotCaption(int slot, const std::string& date, const std::string& time) {
    if (slot == 1) return date;
    return date.substr(0, kListDateLength) + " - " + time.substr(0, kListTimeLength);
}

SlotWriter::SlotWriter(MainWindow& w) : w_(w), ini_(brelkIni(w)) {}

bool SlotWriter::open() {
    auto& profiles = w_.ctx.platform.profiles;
    const int count = w_.state.backupcount = storedSlotCount(profiles, ini_);
    if (count >= kMaxBackupSlots) return false;
    slot_ = count + 1;
    const std::string usersKey = "users" + std::to_string(slot_ == 1 ? 1 : slot_ - 1);
    if (profiles.readString(ini_, "Backup", usersKey, "users") == "allusers") {
        w_.c<ui::RadioButton>("RadioButton1").setChecked(false);
        w_.c<ui::RadioButton>("RadioButton4").setChecked(true);
    }
    return true;
}

int SlotWriter::logoSlot() const {
    return slot_ != 0 ? slot_ : w_.state.backupcount;
}

bool SlotWriter::writeSlot(const std::string& section) {
    auto& profiles = w_.ctx.platform.profiles;
    auto& system = w_.ctx.platform.system;
    if (!profiles.writeString(ini_, section, "Date",
                              slot_ == 1 ? kFirstSlotDate : system.shortDate()) ||
        !profiles.writeString(ini_, section, "Time", slot_ == 1 ? "" : system.longTime()) ||
        !profiles.writeString(ini_, section, kSlotCodingKey, kSlotCoding))
        return false;
    for (int k = 1; k <= kSlotEntries; ++k) {
        const std::string& entry = w_.state.scantable[static_cast<std::size_t>(k)];
        if (!profiles.writeString(ini_, section, std::to_string(k),
                                  encodeSlotValue(entry.substr(0, kEntryLength))))
            return false;
    }
    const std::string& firstPort = w_.state.scantable[static_cast<std::size_t>(kFirstPortEntry)];
    if (!profiles.writeString(ini_, section, kFirstPortKey,
                              encodeSlotValue(firstPort.substr(0, kEntryLength))))
        return false;
    return profiles.writeString(ini_, "Backup", "number", std::to_string(slot_));
}

bool SlotWriter::write() {
    if (slot_ == 0) return false;
    // A settings file copied from a CD is read-only; the slot must not get lost.
    w_.ctx.platform.files.setAttributes(ini_, 0);
    const std::string section = std::to_string(slot_);
    if (!writeSlot(section)) {
        w_.ctx.platform.profiles.deleteSection(ini_, section);
        return false;
    }
    w_.state.backupcount = slot_;
    return true;
}

void fillSlotList(MainWindow& w) {
    auto& profiles = w.ctx.platform.profiles;
    const std::string ini = brelkIni(w);
    w.c<ui::Label>("Label5").setCaption(
        profiles.readString(ini, "Options", "version", "label5.caption"));
    auto& list = w.c<ui::RadioGroup>("RadioGroup1");
    list.clear();
    // A count above the sections that are there (a file edited by hand, a slot section lost)
    // lists no empty items, and an item always names the section it shows.
    w.state.listedSlots = storedSlots(profiles, ini, w.state.backupcount);
    for (int slot : w.state.listedSlots) {
        const std::string section = std::to_string(slot);
        list.addItem(slotCaption(slot, profiles.readString(ini, section, "Date", ""),
                                 profiles.readString(ini, section, "Time", "")));
    }
    // The list grows with its slots; after a save as after opening the page, so that a
    // first slot saved on a page without any is seen.
    const int count = static_cast<int>(w.state.listedSlots.size());
    list.setHeight(count == 1 ? kOneSlotHeight : count * kSlotHeight);
    list.setItemIndex(0);
}

bool loadbackupslot(MainWindow& w) {
    auto& profiles = w.ctx.platform.profiles;
    const std::string ini = brelkIni(w);
    const int item = w.c<ui::RadioGroup>("RadioGroup1").itemIndex();
    const auto& listed = w.state.listedSlots;
    if (item < 0 || static_cast<std::size_t>(item) >= listed.size()) return false;
    const std::string section = std::to_string(listed[static_cast<std::size_t>(item)]);
    // A slot is only trusted whole: a missing key would leave its entry to an earlier restore,
    // and the rows that always take their entry would write an empty text.
    if (!slotExists(profiles, ini, section)) return false;
    const bool coded = profiles.readString(ini, section, kSlotCodingKey, "") == kSlotCoding;
    std::array<std::string, kSlotEntries + 1> values;
    for (int k = 1; k <= kSlotEntries; ++k) {
        std::string value = profiles.readString(ini, section, std::to_string(k), kAbsent);
        if (value == kAbsent) return false;
        if (coded) value = decodeSlotValue(value);
        values[static_cast<std::size_t>(k)] = value.substr(0, kEntryLength);
    }
    // A slot saved before the ports were kept apart holds both in entry 38, which then serves
    // both as it always did.
    std::string firstPort = profiles.readString(ini, section, kFirstPortKey, kAbsent);
    if (firstPort == kAbsent)
        firstPort = values[38];
    else if (coded)
        firstPort = decodeSlotValue(firstPort);
    for (int k = 1; k <= kSlotEntries; ++k)
        w.state.restoretable[static_cast<std::size_t>(k)] = values[static_cast<std::size_t>(k)];
    w.state.restoretable[static_cast<std::size_t>(kFirstPortEntry)] =
        firstPort.substr(0, kEntryLength);
    return true;
}

bool noSlotListed(const MainWindow& w) {
    return w.state.backupcount == 0 || w.state.listedSlots.empty();
}

void backstartp8(MainWindow& w) {
    if (noSlotListed(w)) {
        w.app().showMessage(kNoBackupsMessage);
        return;
    }
    if (!loadbackupslot(w)) {
        w.app().showMessage(kIncompleteSlotMessage);
        return;
    }
    w.state.restoremode = 1;
    struct EndRestore {
        std::uint8_t& mode;
        ~EndRestore() { mode = 0; }
    } endRestore{w.state.restoremode};
    tuning(w);
}

} // namespace brelk
