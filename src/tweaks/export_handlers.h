// Handlers of the registry backup and the system restore point on the main window: the
// links on the terms page, the backups page and the page shown after a restart, and their
// hover pictures.
#pragma once

namespace brelk {

class MainWindow;

void bindExportHandlers(MainWindow& w);

} // namespace brelk
