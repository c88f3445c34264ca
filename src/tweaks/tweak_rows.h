// The tweak rows of the tuning page: one table of the 75 rows in their six categories, in screen
// order. The tuning page's layout is generated from it, the category header buttons act on it,
// and the tuning run may walk it. Rows are known by their radio-button numbers: the buttons
// named "RadioButton" + number; those numbers are also the keys of the settings export.
#pragma once

#include <array>
#include <span>
#include <string>

namespace brelk::tweaks {

// The three columns of a row, left to right as the user reads them.
enum Column { Deactivate = 0, NoChange = 1, Activate = 2 };

enum class CategoryId { Performance, Appearance, Internet, Security, AntiSpying, ProgramOptions };

struct Category {
    CategoryId id;
    // Prefix of the names of the category's own pictures ("Perf" -> PerfHeader).
    const char* key;
    // The container: the performance rows stand on the scroll box itself.
    const char* container;
    const char* title;
    const char* titleLabel;
    // Header labels and their click handlers, per column.
    std::array<const char*, 3> headerLabels;
    std::array<const char*, 3> handlers;
    // Row icon picture of the category.
    const char* icon;
    // Hint of the header image, or nullptr.
    const char* headerHint;
};

// A row that opens the customisation dialog on one of its panels: a plain gear picture whose
// mouse move shows the clickable twin at the same spot.
struct SettingsGear {
    const char* plain;
    const char* hot;
    const char* hoverHandler;
    // Clickable pictures the hover hides (the neighbours' twins, or the plain picture itself).
    std::array<const char*, 3> hoverHides;
    const char* openHandler;
    // Panel number of the customisation dialog (Panel1..Panel7).
    int form7Panel;
};

// What stands on a row beside its caption and buttons.
enum class RowExtra { None, StartMenuDelay, CompanionOptions };

struct TweakRow {
    CategoryId category;
    const char* panel;
    // Name of the caption label; nullptr gives "TweakLabel" + the deactivate button number.
    const char* label;
    const char* caption;
    // Deactivate, no-change and activate button numbers.
    std::array<int, 3> buttons;
    // The no-change button is disabled: the user can only deactivate or activate.
    bool oneShot;
    // The buttons stand at Left 2, 21, 40 instead of 3, 22, 41.
    bool narrow;
    // Index into settingsGears(), or -1.
    int gear;
    RowExtra extra;
    const char* hint;
};

std::span<const Category> categories();
const Category& category(CategoryId id);
std::span<const TweakRow> tweakRows();
std::span<const SettingsGear> settingsGears();

// "RadioButton" + the button number of a row's column.
std::string buttonName(const TweakRow& row, Column column);
std::string captionLabelName(const TweakRow& row);
// The row's icon picture component: "TweakIcon" + the deactivate button number.
std::string iconName(const TweakRow& row);

} // namespace brelk::tweaks
