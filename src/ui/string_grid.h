// A grid of text cells addressed by column and row. The first rows and columns may be fixed
// (headings, drawn in the fixed colour); with row selection the selected row is marked whole.
#pragma once

#include "ui/control.h"

#include <string>
#include <vector>

namespace ui {

class StringGrid : public Control {
  public:
    StringGrid() : Control("TStringGrid", true) { setColor(colors::Window); }

    int colCount() const { return colCount_; }
    int rowCount() const { return rowCount_; }
    int fixedCols() const { return fixedCols_; }
    int fixedRows() const { return fixedRows_; }
    Color fixedColor() const { return fixedColor_; }
    int colWidth(int col) const;
    int rowHeight(int row) const;
    // The first row not fixed, the one a grid selects at first.
    int selectedRow() const { return fixedRows_ < rowCount_ ? fixedRows_ : -1; }
    bool rowSelect() const { return rowSelect_; }
    bool gridLines() const { return gridLines_; }

    // Cells outside the grid read as "" and refuse writes with the class library's error.
    const std::string& cell(int col, int row) const;
    void setCell(int col, int row, std::string text);

    bool applyProperty(const LayoutProperty& p, LoadContext& ctx) override;

  protected:
    bool tabStopByDefault() const override { return true; }

  private:
    void resize();

    int colCount_ = 5, rowCount_ = 5, fixedCols_ = 1, fixedRows_ = 1;
    int defaultColWidth_ = 64, defaultRowHeight_ = 24;
    std::vector<int> colWidths_, rowHeights_;
    Color fixedColor_ = colors::BtnFace;
    bool rowSelect_ = false, gridLines_ = true;
    std::vector<std::string> cells_; // row by row
};

} // namespace ui
