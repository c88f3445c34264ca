#include "ui/input_controls.h"

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

bool identIs(const LayoutProperty& p, const char* value) {
    return strcasecmp(propIdent(p).c_str(), value) == 0;
}

// BorderStyle of a control: bsSingle gives it a frame, bsNone none.
bool propBorder(const LayoutProperty& p) {
    if (identIs(p, "bsNone")) return false;
    if (identIs(p, "bsSingle")) return true;
    throw ELayoutError(p.line, "property 'BorderStyle' needs bsNone or bsSingle");
}

} // namespace

void Edit::setText(std::string t) {
    if (t == text_) return;
    text_ = std::move(t);
    notify(Change::Text);
    fire(onChange);
}

void Edit::userChangedText(std::string t) {
    if (t == text_) return;
    text_ = std::move(t);
    fire(onChange);
}

bool Edit::applyProperty(const LayoutProperty& p, LoadContext& ctx) {
    if (is(p, "Text")) {
        text_ = propString(p);
    } else if (is(p, "ReadOnly")) {
        readOnly_ = propBool(p);
    } else if (is(p, "MaxLength")) {
        maxLength_ = propInt(p);
    } else if (is(p, "PasswordChar")) {
        password_ = !propString(p).empty() && propString(p) != std::string(1, '\0');
    } else if (is(p, "OnChange")) {
        onChange = ctx.handler(p);
    } else if (is(p, "BorderStyle")) {
        border_ = propBorder(p);
    } else if (is(p, "CharCase")) {
        propIdent(p);
    } else if (is(p, "AutoSize") || is(p, "Ctl3D") || is(p, "ParentCtl3D")) {
        propBool(p);
    } else {
        return Control::applyProperty(p, ctx);
    }
    return true;
}

void Memo::clear() {
    if (lines_.empty()) return;
    lines_.clear();
    ++replacements_;
    notify(Change::Items);
}

void Memo::addLine(std::string line) {
    lines_.push_back(std::move(line));
    notify(Change::Items);
}

void Memo::setLines(std::vector<std::string> lines) {
    lines_ = std::move(lines);
    ++replacements_;
    notify(Change::Items);
}

std::string Memo::joinedText() const {
    std::string out;
    for (const auto& l : lines_)
        out += l + "\r\n";
    return out;
}

std::string Memo::displayText() const {
    std::string out;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (i > 0) out += "\r\n";
        out += lines_[i];
    }
    return out;
}

void Memo::userChangedLines(const std::string& displayText) {
    std::vector<std::string> lines;
    if (!displayText.empty()) {
        std::size_t start = 0;
        for (;;) {
            const std::size_t end = displayText.find("\r\n", start);
            lines.push_back(displayText.substr(start, end - start));
            if (end == std::string::npos) break;
            start = end + 2;
        }
    }
    if (lines == lines_) return;
    lines_ = std::move(lines);
    fire(onChange);
}

bool Memo::applyProperty(const LayoutProperty& p, LoadContext& ctx) {
    if (is(p, "Lines.Strings")) {
        if (p.value.kind != LayoutValue::Kind::StringList) {
            throw ELayoutError(p.line, "property 'Lines.Strings' needs a list of strings");
        }
        lines_ = p.value.items;
    } else if (is(p, "ScrollBars")) {
        static const struct {
            const char* name;
            bool vertical, horizontal;
        } kBars[] = {{"ssNone", false, false},
                     {"ssVertical", true, false},
                     {"ssHorizontal", false, true},
                     {"ssBoth", true, true}};
        bool known = false;
        for (const auto& b : kBars) {
            if (!identIs(p, b.name)) continue;
            vScroll_ = b.vertical;
            hScroll_ = b.horizontal;
            known = true;
        }
        if (!known) throw ELayoutError(p.line, "property 'ScrollBars' has an unknown value");
    } else if (is(p, "WordWrap")) {
        wordWrap_ = propBool(p);
    } else {
        return Edit::applyProperty(p, ctx);
    }
    return true;
}

bool Button::applyProperty(const LayoutProperty& p, LoadContext& ctx) {
    if (is(p, "Default") || is(p, "Cancel")) {
        propBool(p);
    } else if (is(p, "ModalResult")) {
        propInt(p);
    } else {
        return Control::applyProperty(p, ctx);
    }
    return true;
}

void CheckControl::storeChecked(bool c) {
    if (c == checked_) return;
    checked_ = c;
    notify(Change::Checked);
}

void CheckControl::setChecked(bool c) {
    storeChecked(c);
}

bool CheckControl::applyProperty(const LayoutProperty& p, LoadContext& ctx) {
    if (is(p, "Checked")) {
        checked_ = propBool(p);
    } else if (is(p, "State")) {
        checked_ = strcasecmp(propIdent(p).c_str(), "cbChecked") == 0;
    } else if (is(p, "Alignment")) {
        propIdent(p);
    } else if (is(p, "AllowGrayed")) {
        propBool(p);
    } else if (is(p, "WordWrap")) {
        wordWrap_ = propBool(p);
    } else {
        return Control::applyProperty(p, ctx);
    }
    return true;
}

void CheckBox::setChecked(bool c) {
    if (c == checked()) return;
    storeChecked(c);
    fire(onClick);
}

bool CheckBox::clickBehaviour() {
    storeChecked(!checked());
    return true;
}

void RadioButton::setChecked(bool c) {
    if (c == checked()) return;
    storeChecked(c);
    if (!c) return;
    if (Control* p = parent()) {
        for (Control* sibling : p->children()) {
            auto* radio = dynamic_cast<RadioButton*>(sibling);
            if (radio && radio != this) radio->storeChecked(false);
        }
    }
    fire(onClick);
}

bool RadioButton::clickBehaviour() {
    if (checked()) return false;
    setChecked(true); // runs the click handler
    return false;
}

void ListBox::setItems(std::vector<std::string> items) {
    items_ = std::move(items);
    if (sorted_) std::sort(items_.begin(), items_.end());
    itemIndex_ = -1;
    notify(Change::Items);
}

void ListBox::addItem(std::string item) {
    if (sorted_) {
        items_.insert(std::upper_bound(items_.begin(), items_.end(), item), std::move(item));
    } else {
        items_.push_back(std::move(item));
    }
    notify(Change::Items);
}

void ListBox::clear() {
    items_.clear();
    itemIndex_ = -1;
    notify(Change::Items);
}

void ListBox::setItemIndex(int i) {
    if (i < -1 || i >= static_cast<int>(items_.size())) i = -1;
    if (i == itemIndex_) return;
    itemIndex_ = i;
    notify(Change::Position);
}

void ListBox::userSelected(int i) {
    if (i < -1 || i >= static_cast<int>(items_.size())) return;
    itemIndex_ = i;
    fire(onClick);
}

void FileListBox::showFolder(std::string directory, std::vector<std::string> fileNames) {
    std::sort(fileNames.begin(), fileNames.end(), [](const std::string& a, const std::string& b) {
        return strcasecmp(a.c_str(), b.c_str()) < 0;
    });
    directory_ = std::move(directory);
    setItems(std::move(fileNames));
    if (!items().empty()) setItemIndex(0);
}

std::string FileListBox::selectedPath() const {
    if (itemIndex() < 0) return {};
    return directory_ + items()[static_cast<std::size_t>(itemIndex())];
}

bool FileListBox::applyProperty(const LayoutProperty& p, LoadContext& ctx) {
    if (is(p, "Mask")) {
        mask_ = propString(p);
    } else if (is(p, "Directory")) {
        directory_ = propString(p);
    } else {
        return ListBox::applyProperty(p, ctx);
    }
    return true;
}

bool ListBox::applyProperty(const LayoutProperty& p, LoadContext& ctx) {
    if (is(p, "Items.Strings")) {
        if (p.value.kind != LayoutValue::Kind::StringList) {
            throw ELayoutError(p.line, "property 'Items.Strings' needs a list of strings");
        }
        items_ = p.value.items;
    } else if (is(p, "Sorted")) {
        sorted_ = propBool(p);
    } else if (is(p, "ItemHeight")) {
        propInt(p);
    } else if (is(p, "BorderStyle")) {
        border_ = propBorder(p);
    } else {
        return Control::applyProperty(p, ctx);
    }
    return true;
}

void RadioGroup::clear() {
    items_.clear();
    itemIndex_ = -1;
    notify(Change::Items);
}

void RadioGroup::addItem(std::string item) {
    items_.push_back(std::move(item));
    notify(Change::Items);
}

void RadioGroup::setItemIndex(int i) {
    if (i < -1 || i >= static_cast<int>(items_.size())) i = -1;
    if (i == itemIndex_) return;
    itemIndex_ = i;
    notify(Change::Position);
}

void RadioGroup::userSelected(int i) {
    if (i < 0 || i >= static_cast<int>(items_.size())) return;
    setItemIndex(i);
    fire(onClick);
}

bool RadioGroup::applyProperty(const LayoutProperty& p, LoadContext& ctx) {
    if (is(p, "Items.Strings")) {
        if (p.value.kind != LayoutValue::Kind::StringList) {
            throw ELayoutError(p.line, "property 'Items.Strings' needs a list of strings");
        }
        items_ = p.value.items;
    } else if (is(p, "ItemIndex")) {
        itemIndex_ = propInt(p);
    } else if (is(p, "Columns")) {
        propInt(p);
    } else {
        return GroupBox::applyProperty(p, ctx);
    }
    return true;
}

void RangeControl::setPosition(int p) {
    p = std::clamp(p, min_, std::max(min_, max_));
    if (p == position_) return;
    position_ = p;
    notify(Change::Position);
}

void RangeControl::setRange(int min, int max) {
    min_ = min;
    max_ = std::max(min, max);
    position_ = std::clamp(position_, min_, max_);
    notify(Change::Position);
}

bool RangeControl::applyProperty(const LayoutProperty& p, LoadContext& ctx) {
    if (is(p, "Min") || is(p, "MinValue")) {
        min_ = propInt(p);
    } else if (is(p, "Max") || is(p, "MaxValue")) {
        max_ = propInt(p);
    } else if (is(p, "Position") || is(p, "Progress")) {
        position_ = propInt(p);
    } else if (is(p, "OnChange")) {
        onChange = ctx.handler(p);
    } else {
        return Control::applyProperty(p, ctx);
    }
    return true;
}

void TrackBar::userMoved(int position) {
    const int before = this->position();
    setPosition(position);
    if (this->position() != before) fire(onChange);
}

bool TrackBar::applyProperty(const LayoutProperty& p, LoadContext& ctx) {
    if (is(p, "Frequency") || is(p, "PageSize") || is(p, "LineSize")) {
        propInt(p);
    } else if (is(p, "Orientation") || is(p, "TickMarks") || is(p, "TickStyle")) {
        propIdent(p);
    } else {
        return RangeControl::applyProperty(p, ctx);
    }
    return true;
}

void Gauge::setForeColor(Color c) {
    if (c == foreColor_) return;
    foreColor_ = c;
    notify(Change::Color);
}

int Gauge::percentDone() const {
    const long long span = static_cast<long long>(max()) - min();
    if (span <= 0) return 0;
    return static_cast<int>((static_cast<long long>(position()) - min()) * 100 / span);
}

bool ProgressBar::applyProperty(const LayoutProperty& p, LoadContext& ctx) {
    if (!is(p, "Smooth")) return RangeControl::applyProperty(p, ctx);
    smooth_ = propBool(p);
    return true;
}

bool Gauge::applyProperty(const LayoutProperty& p, LoadContext& ctx) {
    if (is(p, "ForeColor")) {
        foreColor_ = propColor(p);
    } else if (is(p, "BackColor")) {
        backColor_ = propColor(p);
    } else if (is(p, "ShowText")) {
        showText_ = propBool(p);
    } else if (is(p, "BorderStyle")) {
        border_ = propBorder(p);
    } else if (is(p, "Kind")) {
        propIdent(p);
    } else {
        return RangeControl::applyProperty(p, ctx);
    }
    return true;
}

void WebBrowser::navigate(const std::string& url) {
    if (auto* b = dynamic_cast<BrowserPeer*>(peer())) b->navigate(url);
    url_ = url;
}

void WebBrowser::setBodyStyle(const std::string& property, const std::string& value) {
    if (auto* b = dynamic_cast<BrowserPeer*>(peer())) b->setBodyStyle(property, value);
}

void WebBrowser::navigationCompleted() {
    fire(onNavigateComplete2);
}

void WebBrowser::documentCompleted() {
    fire(onDocumentComplete);
}

bool WebBrowser::applyProperty(const LayoutProperty& p, LoadContext& ctx) {
    if (is(p, "OnNavigateComplete2")) {
        onNavigateComplete2 = ctx.handler(p);
        return true;
    }
    if (is(p, "OnDocumentComplete")) {
        onDocumentComplete = ctx.handler(p);
        return true;
    }
    if (is(p, "ControlData")) {
        if (p.value.kind != LayoutValue::Kind::Binary) {
            throw ELayoutError(p.line, "property 'ControlData' needs binary data");
        }
        return true;
    }
    return Control::applyProperty(p, ctx);
}

} // namespace ui
