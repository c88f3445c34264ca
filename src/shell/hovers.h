// Hover looks of the shell's links, menu labels and edit fields (mouse-move handlers).
#pragma once

#include <vector>

namespace brelk {

class MainWindow;

// A link hover shows the link's highlight picture and turns its label green; some links also
// turn their neighbours back to black and hide a neighbour's highlight.
struct LinkHover {
    const char* handler;
    const char* picture;
    const char* label;
    std::vector<const char*> blackLabels;
    const char* hiddenPicture = nullptr;
};

void hoverLink(MainWindow& w, const LinkHover& h);

void bindHoverHandlers(MainWindow& w);

} // namespace brelk
