#include "shell/windows2000_restrictions.h"

#include "shell/main_window.h"
#include "ui/input_controls.h"

#include <vector>

namespace brelk {
namespace {

// Controls disabled, and the row button then checked (the "no change" choice); rows without
// one keep their choice.
struct Restriction {
    std::vector<const char*> disabled;
    const char* checked = nullptr;
};

// The first entries of the table: the rows disabled and set back to no change.
constexpr std::size_t kRowRestrictions = 4;

const std::vector<Restriction>& restrictions() {
    static const std::vector<Restriction> table = {
        // Panel25's row and the all-users switch; its activate button stays usable.
        {{"RadioButton41", "RadioButton42", "RadioButton4"}, "RadioButton42"},
        {{"RadioButton80", "RadioButton81", "RadioButton82"}, "RadioButton81"},     // Panel38
        {{"RadioButton86", "RadioButton87", "RadioButton88"}, "RadioButton87"},     // Panel40
        {{"RadioButton119", "RadioButton120", "RadioButton121"}, "RadioButton120"}, // Panel53
        // The two links that set a system restore point, with their pictures.
        {{"Label204", "Image243"}},
        {{"Label208", "Image246"}},
        {{"RadioButton218", "RadioButton219", "RadioButton220"}}, // Panel100
        {{"RadioButton221", "RadioButton222", "RadioButton223"}}, // Panel101
        {{"RadioButton224", "RadioButton225", "RadioButton226"}}, // Panel102
        {{"RadioButton227", "RadioButton228", "RadioButton229"}}, // Panel103
    };
    return table;
}

void apply(MainWindow& w, const Restriction& r) {
    for (const char* name : r.disabled)
        w.c<ui::Control>(name).setEnabled(false);
    if (r.checked) w.c<ui::RadioButton>(r.checked).setChecked(true);
}

} // namespace

void applyWindows2000Restrictions(MainWindow& w) {
    for (const auto& r : restrictions())
        apply(w, r);
}

void applyWindows2000RowRestrictions(MainWindow& w) {
    for (std::size_t i = 0; i < kRowRestrictions; ++i)
        apply(w, restrictions()[i]);
}

} // namespace brelk
