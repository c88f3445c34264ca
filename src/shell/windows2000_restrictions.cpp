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

} // namespace

void applyWindows2000Restrictions(MainWindow& w) {
    for (const auto& r : restrictions()) {
        for (const char* name : r.disabled)
            w.c<ui::Control>(name).setEnabled(false);
        if (r.checked) w.c<ui::RadioButton>(r.checked).setChecked(true);
    }
}

} // namespace brelk
