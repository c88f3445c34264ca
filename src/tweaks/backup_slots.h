// Backup slots: numbered sections of modules\brelk.ini holding scan entries 1 to 60 with the
// date and time of saving, counted by Backup/number; and the restore, which loads a slot into
// the restore table and repeats the tuning run with the slot's values.
#pragma once

#include "platform/profiles.h"

#include <string>
#include <vector>

namespace brelk {

class MainWindow;

constexpr int kMaxBackupSlots = 20;
constexpr int kSlotEntries = 60;
constexpr const char* kNoBackupsMessage =
    "Es sind keine Backups vorhanden. Bitte führen Sie zunächst das Brelvanto Kit aus.";
constexpr const char* kSlotNotSavedMessage = "Das Backup konnte nicht gespeichert werden: ";
constexpr const char* kIncompleteSlotMessage =
    "Das gewählte Backup ist unvollständig und wird nicht eingespielt. Es wurde nichts verändert.";

// The slot count of the settings file: the higher of Backup/number and the highest slot
// section with a date, so that the next save never writes over a stored slot. A number that is
// missing, or no number from 0 to 20, counts as 0.
int storedSlotCount(platform::Profiles& profiles, const std::string& ini);

// The slots 1..count (at most 20) whose section has a date, in order.
std::vector<int> storedSlots(platform::Profiles& profiles, const std::string& ini, int count);

// The list text of a slot: slot 1 its date; a later slot its date (at most 20 characters),
// " - " and its time (at most 15).
std::string slotCaption(int slot, const std::string& date, const std::string& time);

// Saves the next slot from scan entries 1 to 60. The slot's keys are written first and the
// count last, so that a save either leaves a whole counted slot or none.
class SlotWriter {
  public:
    explicit SlotWriter(MainWindow& w);
    // Takes the count the settings file holds into backupcount and picks the next slot; the
    // all-users choice of Backup/usersK is applied to the tuning page. False at the limit of
    // 20, when there is nothing to write.
    bool open();
    // The slot whose folder receives the scan's copy of the OEM logo: the new one, or at the
    // limit the last.
    int logoSlot() const;
    // Writes the date, the time and keys "1" to "60" of the slot, then Backup/number, and
    // raises backupcount. When any write fails, the slot's section is removed again, the count
    // stays as it was and the result is false.
    bool write();
    const std::string& file() const { return ini_; }

  private:
    bool writeSlot(const std::string& section);

    MainWindow& w_;
    std::string ini_;
    int slot_ = 0;
};

// Rebuilds RadioGroup1 and listedSlots from the slots among 1..backupcount that are there, and
// Label5 from the version; item 0 is selected. The list is 27 pixels high per item, 45 for a
// single one.
void fillSlotList(MainWindow& w);

// Whether no slot can be restored: none is counted or none is listed.
bool noSlotListed(const MainWindow& w);

// Fills restoretable[1..60] from the slot of the item selected in RadioGroup1, and the first
// serial port's entry from the slot's own key for it (entry 38 in a slot saved without one).
// False, with the table left as it was, when that slot has no Date or lacks any of keys 1 to 60.
bool loadbackupslot(MainWindow& w);

// The restore link: loads the selected slot and repeats the tuning run in restore mode; a
// slot that cannot be loaded is refused with a message and nothing is written. The mode ends
// with the run, also when the run fails, so that a later run writes the rows' own values
// again.
void backstartp8(MainWindow& w);

} // namespace brelk
