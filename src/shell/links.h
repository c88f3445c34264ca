// The links that lead out of the program (mail and forum addresses, opened by the shell) and
// the end of the program.
#pragma once

namespace brelk {

class MainWindow;

void bindLinkHandlers(MainWindow& w);

} // namespace brelk
