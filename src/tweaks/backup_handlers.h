// Handlers of the scan and of the backup slots on the main window: the scan link, the save
// links of the backups page and of the page after a restart, the restore link and its hover.
#pragma once

namespace brelk {

class MainWindow;

void bindBackupHandlers(MainWindow& w);

} // namespace brelk
