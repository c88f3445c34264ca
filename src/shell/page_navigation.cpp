#include "shell/page_navigation.h"

#include "shell/main_window.h"
#include "shell/pages.h"
#include "ui/backend.h"
#include "ui/standard_controls.h"

#include <algorithm>

namespace brelk {
namespace {

// More lines per notch than any screen holds are one page step anyway.
constexpr int kMaxWheelLines = 100;

// Leaves the browser page for the page shown before it; going back records that page again.
void backstartp4(MainWindow& w) {
    w.c<ui::Panel>("Panel4").hide();
    const auto& history = w.state.pagehistory;
    if (history.count() < 2) return;
    const int id = history.entry(history.count() - 1);
    if (id < 1 || id > 9) return;
    openPage(w, id);
}

// The scroll box of a page; empty for pages without one.
std::string scrollBoxOf(int id) {
    if (id == 1) return "ScrollBox2";
    if (id == 2) return "ScrollBox1";
    if (id >= 3 && id <= 12) return "ScrollBox" + std::to_string(id);
    if (id == 83) return "ScrollBox18";
    return {};
}

void FormMouseWheel(MainWindow& w, const ui::Event& e) {
    const auto kind = e.shift.shift ? ui::ScrollBarKind::Horizontal : ui::ScrollBarKind::Vertical;
    const bool up = e.wheelDelta > 0;
    const auto& history = w.state.pagehistory;
    if (history.count() == 0) return;
    const int id = history.current();
    const std::string box = scrollBoxOf(id);
    if (!box.empty()) {
        auto& scrollBox = w.c<ui::ScrollBox>(box);
        auto code = up ? ui::ScrollCode::LineUp : ui::ScrollCode::LineDown;
        int times = 1;
        if (id == 1) {
            // The start page follows the system's lines per notch; the setting "one screen
            // per notch" reads as a negative number.
            times = w.app().backend().wheelScrollLines();
            if (times < 0) {
                code = up ? ui::ScrollCode::PageUp : ui::ScrollCode::PageDown;
                times = 1;
            }
            times = std::min(times, kMaxWheelLines);
        }
        for (int i = 0; i < times; ++i)
            scrollBox.scroll(kind, code);
    }
    for (int i = 1; i <= 12; ++i) {
        w.c<ui::ScrollBox>("ScrollBox" + std::to_string(i)).scroll(kind, ui::ScrollCode::EndScroll);
    }
}

} // namespace

void bindNavigationHandlers(MainWindow& w) {
    w.bind("backstartp4", [&w](ui::Event&) { backstartp4(w); });
    w.bind("FormMouseWheel", [&w](ui::Event& e) { FormMouseWheel(w, e); });
}

} // namespace brelk
