// The file of row choices that the export writes and the import reads (brelksettings.ini): the
// checked radio buttons of the tuning list and the texts and buttons of a few fields of the main
// window and of the customisation dialog, as an INI file with decimal keys.
#pragma once

#include <array>
#include <map>
#include <set>
#include <string>

namespace platform {
class Profiles;
}

namespace brelk::tweaks {

// RadioButton1..180 of the main window: the user-scope and anti-spying mode buttons and every
// row button up to 180. Higher numbers are not part of the file.
constexpr int kFileButtons = 180;
// Edit1..10 of the main window.
constexpr int kFileMainEdits = 10;
// Edit1..5 and RadioButton1..5 of the customisation dialog.
constexpr int kFileDialogFields = 5;

struct RowChoices {
    // Numbers of the main window's radio buttons that are checked (or, read from a file, that
    // the file marks to be checked).
    std::set<int> buttons;
    // Edit number -> text, for the main window's edits that exist.
    std::map<int, std::string> mainEdits;
    // The customisation dialog's Edit1..Edit5: page-file minimum and maximum MB, drive letter,
    // "My Computer" label, Internet Explorer title.
    std::array<std::string, kFileDialogFields> dialogEdits;
    // Numbers (1..5) of the customisation dialog's radio buttons that are checked.
    std::set<int> dialogButtons;
};

// Writes the choices into the file. Its four sections are emptied first, so that the file holds
// exactly these choices even when an earlier export wrote others. False when any write was
// refused (a read-only file, a missing folder, no file name).
bool writeRowChoices(platform::Profiles& profiles, const std::string& file,
                     const RowChoices& choices);

// What an import takes from the file, given the current choices:
// - buttons: those whose value begins with "set" (case counts); nothing is ever unchecked;
// - mainEdits: the file's text for each current edit, except Edit1 (Windows folder), Edit2
//   (memory) and Edit7 (Windows name), which describe this machine, and Edit8 and Edit9 (the
//   servers the update and its updater come from), which all keep their text;
// - dialogEdits: the file's text where it is a valid value for the field (whole MB for the
//   page-file sizes, one letter or nothing for the drive), else the current text;
// - dialogButtons: those whose value begins with "set".
// A missing key leaves its field as it is.
RowChoices readRowChoices(platform::Profiles& profiles, const std::string& file,
                          const RowChoices& current);

} // namespace brelk::tweaks
