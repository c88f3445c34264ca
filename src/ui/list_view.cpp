#include "ui/list_view.h"

#include "ui/errors.h"
#include "ui/load_context.h"
#include "ui/property_values.h"

#include <algorithm>
#include <strings.h>

namespace ui {
namespace {

bool is(const LayoutProperty& p, const char* name) {
    return strcasecmp(p.name.c_str(), name) == 0;
}

template <class E, std::size_t N>
E propEnum(const LayoutProperty& p, const char* const (&names)[N], const E (&values)[N]) {
    const std::string& ident = propIdent(p);
    for (std::size_t i = 0; i < N; ++i) {
        if (strcasecmp(ident.c_str(), names[i]) == 0) return values[i];
    }
    throw ELayoutError(p.line, "'" + ident + "' is not a value of property '" + p.name + "'");
}

char foldCase(char c) {
    const auto u = static_cast<unsigned char>(c);
    // Windows-1252: ASCII letters and the accented capitals 0xC0..0xDE (without 0xD7).
    if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7))
        return static_cast<char>(u + 32);
    return c;
}

} // namespace

bool listTextLess(const std::string& a, const std::string& b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(foldCase(a[i]));
        const auto y = static_cast<unsigned char>(foldCase(b[i]));
        if (x != y) return x < y;
    }
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

void ListView::clearColumns() {
    columns_.clear();
    notify(Change::Style);
}

void ListView::addColumn(std::string caption, int width) {
    columns_.push_back({std::move(caption), width});
    notify(Change::Style);
}

void ListView::addItem(ListItem item) {
    auto at = items_.end();
    if (sortType_ == SortType::Text) {
        at = std::upper_bound(items_.begin(), items_.end(), item,
                              [](const ListItem& x, const ListItem& y) {
                                  return listTextLess(x.caption, y.caption);
                              });
    }
    const auto index = static_cast<int>(at - items_.begin());
    items_.insert(at, std::move(item));
    if (selected_ >= index) ++selected_;
    if (updates_ > 0) {
        pending_ = true;
        return;
    }
    // Only the new row: a realisation that showed the whole list again on every addition
    // would take time growing with the square of the rows.
    added_ = index;
    notify(Change::ItemAdded);
}

void ListView::clearItems() {
    items_.clear();
    selected_ = -1;
    itemsChanged();
}

const ListItem* ListView::selected() const {
    return selected_ >= 0 ? &items_[static_cast<std::size_t>(selected_)] : nullptr;
}

void ListView::setSelectedIndex(int i) {
    if (i < -1 || i >= static_cast<int>(items_.size())) i = -1;
    if (i == selected_) return;
    selected_ = i;
    notify(Change::Position);
}

void ListView::userSelected(int i) {
    if (i < -1 || i >= static_cast<int>(items_.size())) return;
    selected_ = i;
    fire(onClick);
}

void ListView::setViewStyle(ViewStyle v) {
    if (v == viewStyle_) return;
    viewStyle_ = v;
    notify(Change::Style);
}

void ListView::setSortType(SortType s) {
    if (s == sortType_) return;
    sortType_ = s;
    if (s == SortType::Text) sortItems();
}

void ListView::sortItems() {
    const ListItem* chosen = selected();
    const ListItem keep = chosen ? *chosen : ListItem{};
    std::stable_sort(items_.begin(), items_.end(), [](const ListItem& x, const ListItem& y) {
        return listTextLess(x.caption, y.caption);
    });
    if (chosen) {
        selected_ =
            static_cast<int>(std::find(items_.begin(), items_.end(), keep) - items_.begin());
    }
    itemsChanged();
}

void ListView::beginUpdate() {
    ++updates_;
}

void ListView::endUpdate() {
    if (updates_ == 0) return;
    if (--updates_ == 0 && pending_) {
        pending_ = false;
        notify(Change::Items);
    }
}

void ListView::itemsChanged() {
    if (updates_ > 0) {
        pending_ = true;
        return;
    }
    notify(Change::Items);
}

bool ListView::applyProperty(const LayoutProperty& p, LoadContext& ctx) {
    static constexpr const char* kViewNames[] = {"vsIcon", "vsSmallIcon", "vsList", "vsReport"};
    static constexpr ViewStyle kViews[] = {ViewStyle::Icon, ViewStyle::SmallIcon, ViewStyle::List,
                                           ViewStyle::Report};
    static constexpr const char* kSortNames[] = {"stNone", "stText"};
    static constexpr SortType kSorts[] = {SortType::None, SortType::Text};
    if (is(p, "ViewStyle")) {
        viewStyle_ = propEnum(p, kViewNames, kViews);
    } else if (is(p, "SortType")) {
        sortType_ = propEnum(p, kSortNames, kSorts);
    } else if (is(p, "GridLines")) {
        gridLines_ = propBool(p);
    } else if (is(p, "RowSelect")) {
        rowSelect_ = propBool(p);
    } else if (is(p, "ReadOnly")) {
        readOnly_ = propBool(p);
    } else if (is(p, "ColumnClick")) {
        columnClick_ = propBool(p);
    } else {
        return Control::applyProperty(p, ctx);
    }
    return true;
}

} // namespace ui
