// TCoolForm: the window skin. It fills its window with the skin picture, gives the window the
// shape of the region stored with the layout ("Mask2"), removes the window's border and lets
// the user drag the window by its body with the left mouse button.
#pragma once

#include "ui/region.h"
#include "ui/standard_controls.h"

#include <memory>
#include <vector>

namespace ui {

class CoolForm;

// The window region the skin holds, and the skin that uses it.
class TRegionType {
  public:
    const RegionData* region() const { return region_.get(); }
    CoolForm* owner() const { return owner_; }

  private:
    friend class CoolForm;
    std::shared_ptr<const RegionData> region_;
    CoolForm* owner_ = nullptr;
};

class CoolForm : public Image {
  public:
    CoolForm();

    TRegionType& mask() { return *mask_; }
    const TRegionType& mask() const { return *mask_; }
    // Takes another region object; a null one is ignored.
    void setMask(std::unique_ptr<TRegionType> mask);
    bool draggable() const { return draggable_; }
    // The region data as read from the layout, kept for the component's lifetime.
    const std::vector<std::uint8_t>& regionBuffer() const { return regionBuffer_; }

    // The skin always sits at 0, 0 of its window.
    void setBounds(int left, int top, int width, int height) override;
    void setParent(Control* parent) override;

    bool applyProperty(const LayoutProperty& p, LoadContext& ctx) override;
    void writeDefinedProperties(std::vector<LayoutProperty>& out) const override;
    // Reads a "Mask2" stream; throws ELayoutError for a broken one.
    void readMask2(std::string_view stream);

  protected:
    void mouseDownBehaviour(MouseButton button, ShiftState, int, int) override;
    void pictureChanged() override;

  private:
    std::unique_ptr<TRegionType> mask_;
    std::vector<std::uint8_t> regionBuffer_;
    bool draggable_ = true;
};

} // namespace ui
