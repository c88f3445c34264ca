// Peers of the list view (the system's "SysListView32") and the string grid (a window that
// paints its cells itself).
#pragma once

#include "ui/win32/native_peer.h"

namespace ui {
class ListView;
class StringGrid;
} // namespace ui

namespace ui::win32 {

class ListViewPeer : public NativePeer {
  public:
    ListViewPeer(ListView& l, Win32Backend& b);
    void changed(Change what) override;
    LRESULT notify(const NMHDR& n) override;

  private:
    void showStyle();
    void syncColumns();
    void syncItems();
    void insertRow(int index);
    void addRow();
    void showSelection();
    ListView& list_;
    int shownColumns_ = 0;
    bool applying_ = false;
};

class StringGridPeer : public NativePeer {
  public:
    StringGridPeer(StringGrid& g, Win32Backend& b);
    void changed(Change what) override;

  protected:
    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    void paint(HDC dc, const RECT& client);
    StringGrid& grid_;
};

} // namespace ui::win32
