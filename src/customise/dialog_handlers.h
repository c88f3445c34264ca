// The customisation dialog's creation and showing, its profile buttons, its hover looks and
// closing by "x" or Esc.
#pragma once

namespace brelk {

class CustomiseWindow;

void bindDialogHandlers(CustomiseWindow& w);

// Creation: CD-ROM notice, the two titles from the registry, the page-file recommendation,
// position, the program's registry values, the logo preview and the skin list.
void ini_read(CustomiseWindow& w);
// Showing: recomputes the page file and selects and previews the first skin.
void pagefileactive(CustomiseWindow& w);

} // namespace brelk
