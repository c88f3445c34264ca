#include "online/online_settings.h"

#include "online/server_base.h"
#include "shell/main_window.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"

namespace brelk {

void Saveonlinesettings(MainWindow& w) {
    auto& status = w.c<ui::Label>("Label141");
    status.hide();
    auto& profiles = w.ctx.platform.profiles;
    const std::string file = w.ctx.modulesFile("oservices.ini");
    const std::string section = "Onlineservices";
    // All three are written even when one fails, so that no setting is left behind silently.
    bool written =
        profiles.writeString(file, section, "Server1", serverHost(w.c<ui::Edit>("Edit8").text()));
    written =
        profiles.writeString(file, section, "Server2", serverHost(w.c<ui::Edit>("Edit9").text())) &&
        written;
    written = profiles.writeString(file, section, "ping",
                                   w.c<ui::CheckBox>("CheckBox1").checked() ? "yes" : "no") &&
              written;
    // Every write must have worked: a read-only file exists but keeps its old servers.
    status.setCaption(written && w.ctx.platform.files.fileExists(file) ? "- erledigt -"
                                                                       : "Fehler beim Export");
    status.show();
}

} // namespace brelk
