#include "ui/cool_form.h"

#include "ui/errors.h"
#include "ui/form.h"
#include "ui/property_values.h"

#include <strings.h>

namespace ui {

CoolForm::CoolForm() : Image("TCoolForm"), mask_(std::make_unique<TRegionType>()) {
    mask_->owner_ = this;
    setAlign(Align::Client);
}

void CoolForm::setMask(std::unique_ptr<TRegionType> mask) {
    if (!mask) return;
    mask_ = std::move(mask);
    mask_->owner_ = this;
    notify(Change::Region);
}

void CoolForm::setBounds(int, int, int width, int height) {
    Control::setBounds(0, 0, width, height);
}

void CoolForm::setParent(Control* parent) {
    Control::setParent(parent);
    if (auto* form = dynamic_cast<Form*>(parent)) form->setBorderStyle(BorderStyle::None);
    setBounds(0, 0, width(), height());
}

void CoolForm::readMask2(std::string_view stream) {
    auto region = readRegionStream(stream);
    regionBuffer_.clear();
    mask_->region_.reset();
    if (region) {
        regionBuffer_.assign(stream.begin() + 4, stream.end());
        mask_->region_ = std::make_shared<const RegionData>(std::move(*region));
    }
    notify(Change::Region);
}

void CoolForm::writeDefinedProperties(std::vector<LayoutProperty>& out) const {
    LayoutProperty p;
    p.name = "Mask2";
    p.value = LayoutValue::ofBinary(writeRegionStream(mask_->region()));
    out.push_back(std::move(p));
}

void CoolForm::mouseDownBehaviour(MouseButton button, ShiftState, int, int) {
    if (button != MouseButton::Left) return;
    for (Control* c = parent(); c; c = c->parent()) {
        if (auto* form = dynamic_cast<Form*>(c)) {
            form->beginSystemMove();
            return;
        }
    }
}

void CoolForm::pictureChanged() {
    // A new picture no longer matches the stored shape; the window keeps the shape it has.
    if (!parent()) return;
    mask_->region_.reset();
}

bool CoolForm::applyProperty(const LayoutProperty& p, LoadContext& ctx) {
    const char* n = p.name.c_str();
    if (strcasecmp(n, "Mask2") == 0) {
        if (p.value.kind != LayoutValue::Kind::Binary) {
            throw ELayoutError(p.line, "property 'Mask2' needs binary data");
        }
        const auto& b = p.value.bytes;
        try {
            readMask2(std::string_view(reinterpret_cast<const char*>(b.data()), b.size()));
        } catch (const ELayoutError& e) {
            throw ELayoutError(p.line, e.what());
        }
        return true;
    }
    if (strcasecmp(n, "Draggable") == 0) {
        draggable_ = propBool(p);
        return true;
    }
    return Image::applyProperty(p, ctx);
}

} // namespace ui
