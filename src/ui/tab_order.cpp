#include "ui/tab_order.h"

#include "ui/form.h"
#include "ui/standard_controls.h"

#include <algorithm>

namespace ui {
namespace {

void appendInTabOrder(const Control& parent, std::vector<Control*>& out) {
    std::vector<Control*> windowed;
    for (Control* child : parent.children())
        if (child->windowed()) windowed.push_back(child);
    // A control without a TabOrder of its own keeps its place among the windowed siblings.
    auto key = [&](const Control* c) {
        if (c->tabOrder() >= 0) return c->tabOrder();
        return static_cast<int>(std::find(windowed.begin(), windowed.end(), c) - windowed.begin());
    };
    std::vector<Control*> ordered = windowed;
    std::stable_sort(ordered.begin(), ordered.end(),
                     [&](const Control* a, const Control* b) { return key(a) < key(b); });
    for (Control* c : ordered) {
        out.push_back(c);
        appendInTabOrder(*c, out);
    }
}

} // namespace

std::vector<Control*> tabSequence(const Form& form) {
    std::vector<Control*> out;
    appendInTabOrder(form, out);
    return out;
}

bool takesTabFocus(const Control& c) {
    if (!c.tabStop()) return false;
    for (const Control* p = &c; p; p = p->parent())
        if (!p->visible() || !p->enabled()) return false;
    return true;
}

Control* nextTabStop(const Form& form, const Control* from, bool backward) {
    const std::vector<Control*> order = tabSequence(form);
    const auto n = static_cast<long>(order.size());
    if (n == 0) return nullptr;
    const long at = std::find(order.begin(), order.end(), from) - order.begin();
    // From the form itself (or a control not in the sequence) Tab starts before the first
    // control and Shift+Tab after the last.
    long i = at < n ? at : (backward ? n : -1);
    for (long step = 0; step < n; ++step) {
        i = backward ? (i - 1 + n) % n : (i + 1) % n;
        if (i == at) break;
        if (takesTabFocus(*order[static_cast<std::size_t>(i)]))
            return order[static_cast<std::size_t>(i)];
    }
    return nullptr;
}

void focusByKeyboard(Control& c) {
    for (Control* p = c.parent(); p; p = p->parent())
        if (auto* box = dynamic_cast<ScrollBox*>(p)) box->scrollInView(c);
    c.setFocus();
}

} // namespace ui
