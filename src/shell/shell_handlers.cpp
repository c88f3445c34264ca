#include "shell/shell_handlers.h"

#include "shell/hovers.h"
#include "shell/links.h"
#include "shell/main_window.h"
#include "shell/page_navigation.h"
#include "shell/pages.h"
#include "shell/startup.h"

namespace brelk {

void bindShellHandlers(MainWindow& w) {
    bindStartupHandlers(w);
    bindPageHandlers(w);
    bindNavigationHandlers(w);
    bindHoverHandlers(w);
    bindLinkHandlers(w);
}

} // namespace brelk
