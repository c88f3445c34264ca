// A list of items with columns (the report view): each item has a caption and sub items, one
// per further column. With text sorting the items stay ordered by caption.
#pragma once

#include "ui/control.h"

#include <string>
#include <vector>

namespace ui {

struct ListColumn {
    std::string caption;
    int width = 50;
    bool operator==(const ListColumn&) const = default;
};

struct ListItem {
    std::string caption;
    std::vector<std::string> subItems;
    bool operator==(const ListItem&) const = default;
};

enum class ViewStyle { Icon, SmallIcon, List, Report };
enum class SortType { None, Text };

class ListView : public Control {
  public:
    ListView() : Control("TListView", true) { setColor(colors::Window); }

    const std::vector<ListColumn>& columns() const { return columns_; }
    void clearColumns();
    void addColumn(std::string caption, int width);

    const std::vector<ListItem>& items() const { return items_; }
    // Adds an item at the end, or at its place by caption while the list sorts by text. The
    // realisation is told of that one item (Change::ItemAdded), or, while frozen, of all items
    // when the freeze ends.
    void addItem(ListItem item);
    // Where the last item told as added now stands.
    int addedIndex() const { return added_; }
    void clearItems();

    // The selected item's index; -1 when none is selected.
    int selectedIndex() const { return selected_; }
    const ListItem* selected() const;
    void setSelectedIndex(int i);
    // The user selected an item in the realisation.
    void userSelected(int i);

    ViewStyle viewStyle() const { return viewStyle_; }
    void setViewStyle(ViewStyle v);
    SortType sortType() const { return sortType_; }
    // Switching to text sorting orders the items there are.
    void setSortType(SortType s);

    // While frozen the realisation is not told of item changes; unfreezing shows them at once.
    void beginUpdate();
    void endUpdate();
    bool updating() const { return updates_ > 0; }

    bool gridLines() const { return gridLines_; }
    bool rowSelect() const { return rowSelect_; }
    bool readOnly() const { return readOnly_; }
    bool columnClick() const { return columnClick_; }

    bool applyProperty(const LayoutProperty& p, LoadContext& ctx) override;

  protected:
    bool tabStopByDefault() const override { return true; }

  private:
    void itemsChanged();
    void sortItems();

    std::vector<ListColumn> columns_;
    std::vector<ListItem> items_;
    int selected_ = -1;
    int added_ = -1;
    ViewStyle viewStyle_ = ViewStyle::Icon;
    SortType sortType_ = SortType::None;
    int updates_ = 0;
    bool pending_ = false;
    bool gridLines_ = false, rowSelect_ = false, readOnly_ = false, columnClick_ = true;
};

// Orders captions as the list view sorts them: without regard to case, then by bytes.
bool listTextLess(const std::string& a, const std::string& b);

} // namespace ui
