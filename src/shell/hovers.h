// Hover looks of the shell's links, menu labels and edit fields (mouse-move handlers).
#pragma once

namespace brelk {

class MainWindow;

void bindHoverHandlers(MainWindow& w);

} // namespace brelk
