#include "ui/string_grid.h"

#include "ui/errors.h"
#include "ui/load_context.h"
#include "ui/property_values.h"

#include <strings.h>

namespace ui {
namespace {

bool is(const LayoutProperty& p, const char* name) {
    return strcasecmp(p.name.c_str(), name) == 0;
}

// A count of columns or rows: at least one, and small enough that the cells stay cheap.
int propCount(const LayoutProperty& p) {
    const int n = propInt(p);
    if (n < 1 || n > 1000) throw ELayoutError(p.line, "property '" + p.name + "' out of range");
    return n;
}

// "ColWidths.Strings"-style sizes: a list of integers, written as strings.
std::vector<int> propSizes(const LayoutProperty& p) {
    if (p.value.kind != LayoutValue::Kind::StringList) {
        throw ELayoutError(p.line, "property '" + p.name + "' needs a list of numbers");
    }
    std::vector<int> sizes;
    for (const auto& item : p.value.items) {
        try {
            sizes.push_back(std::stoi(item));
        } catch (const std::exception&) {
            throw ELayoutError(p.line, "'" + item + "' is not a valid integer value");
        }
    }
    return sizes;
}

bool hasOption(const LayoutProperty& p, const char* option) {
    for (const auto& item : p.value.items) {
        if (strcasecmp(item.c_str(), option) == 0) return true;
    }
    return false;
}

const std::string kNoText;

} // namespace

int StringGrid::colWidth(int col) const {
    return col >= 0 && col < static_cast<int>(colWidths_.size()) ? colWidths_[col]
                                                                 : defaultColWidth_;
}

int StringGrid::rowHeight(int row) const {
    return row >= 0 && row < static_cast<int>(rowHeights_.size()) ? rowHeights_[row]
                                                                  : defaultRowHeight_;
}

const std::string& StringGrid::cell(int col, int row) const {
    if (col < 0 || row < 0 || col >= colCount_ || row >= rowCount_) return kNoText;
    return cells_[static_cast<std::size_t>(row) * colCount_ + col];
}

void StringGrid::setCell(int col, int row, std::string text) {
    if (col < 0 || row < 0 || col >= colCount_ || row >= rowCount_) {
        throw Exception("Grid index out of range");
    }
    cells_[static_cast<std::size_t>(row) * colCount_ + col] = std::move(text);
    notify(Change::Text);
}

void StringGrid::resize() {
    cells_.assign(static_cast<std::size_t>(colCount_) * rowCount_, std::string());
}

bool StringGrid::applyProperty(const LayoutProperty& p, LoadContext& ctx) {
    if (is(p, "ColCount")) {
        colCount_ = propCount(p);
    } else if (is(p, "RowCount")) {
        rowCount_ = propCount(p);
    } else if (is(p, "FixedCols")) {
        fixedCols_ = propInt(p);
    } else if (is(p, "FixedRows")) {
        fixedRows_ = propInt(p);
    } else if (is(p, "FixedColor")) {
        fixedColor_ = propColor(p);
    } else if (is(p, "DefaultColWidth")) {
        defaultColWidth_ = propInt(p);
    } else if (is(p, "DefaultRowHeight")) {
        defaultRowHeight_ = propInt(p);
    } else if (is(p, "ColWidths.Strings")) {
        colWidths_ = propSizes(p);
    } else if (is(p, "RowHeights.Strings")) {
        rowHeights_ = propSizes(p);
    } else if (is(p, "Options")) {
        if (p.value.kind != LayoutValue::Kind::Set) {
            throw ELayoutError(p.line, "property 'Options' needs a set of options");
        }
        rowSelect_ = hasOption(p, "goRowSelect");
        gridLines_ = hasOption(p, "goFixedHorzLine") || hasOption(p, "goHorzLine");
    } else {
        return Control::applyProperty(p, ctx);
    }
    resize();
    return true;
}

} // namespace ui
