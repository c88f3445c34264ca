#include "sysinfo/listings.h"

#include "shell/main_window.h"
#include "shell/pages.h"
#include "sysinfo/module_list.h"
#include "ui/input_controls.h"
#include "ui/list_view.h"
#include "ui/standard_controls.h"

#include <cstdio>
#include <vector>

namespace brelk::sysinfo {
namespace {

constexpr const char* kUninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
constexpr const char* kServicesKey = "System\\CurrentControlSet\\Services\\";

struct Column {
    const char* caption;
    int width; // a negative width is the list's width less that much
};

enum class Order { Unsorted, Kept, ByText };

// What a listing puts on the page; `count` follows the entries as they are listed, so that
// the count line shows what was filled also when the listing fails midway.
using Fill = void (*)(MainWindow& w, ui::ListView& list, ui::Memo& log, int& count);

struct Listing {
    const char* title;
    std::vector<Column> columns;
    Order order;
    const char* countPrefix;
    Fill fill;
    bool endsProcesses = false; // shows "Ausgewählten Prozess beenden"
};

void fillPrograms(MainWindow& w, ui::ListView& list, ui::Memo& log, int& count) {
    auto& registry = w.ctx.platform.registry;
    auto uninstall =
        registry.openKey(platform::RootKey::LocalMachine, kUninstallKey, platform::KeyAccess::Read);
    if (!uninstall) return;
    for (const auto& name : uninstall->subKeyNames()) {
        auto key =
            registry.openKey(platform::RootKey::LocalMachine,
                             std::string(kUninstallKey) + "\\" + name, platform::KeyAccess::Read);
        if (!key) continue;
        const std::string displayName = key->readStringOrRaise("DisplayName");
        if (displayName.empty()) continue;
        ++count;
        list.addItem({std::to_string(list.items().size() + 1), {displayName}});
        std::string line = " "; // appended piece by piece: GCC 12 warns on the concatenation
        line += std::to_string(count);
        line += ". ";
        line += displayName;
        log.addLine(std::move(line));
    }
}

void fillDrivers(MainWindow& w, ui::ListView& list, ui::Memo& log, int& count) {
    // Without the system-information call there is nothing to list.
    const auto modules = w.ctx.platform.hardware.loadedModules();
    if (!modules) return;
    const ModulePaths read = readModulePaths(modules->bytes, modules->layout);
    for (const auto& path : read.paths) {
        list.addItem({path, {}});
        log.addLine(path);
        ++count;
    }
    if (!read.complete) throw ui::Exception("Range check error");
}

void fillProcesses(MainWindow& w, ui::ListView& list, ui::Memo& log, int& count) {
    const auto processes = w.ctx.platform.processes.list();
    if (!processes || processes->empty()) throw ui::Exception("A call to an OS function failed");
    for (const auto& p : *processes) {
        const std::string id = processIdText(p.pid);
        list.addItem({p.exeName, {id}});
        log.addLine(p.exeName + " :: ProcessID:" + id);
        count = static_cast<int>(log.lines().size());
    }
}

// A service with a display name is listed; its status and log line follow when its start
// type has one. A value of the wrong type passes the service over from there on.
void listService(platform::RegistryKey& key, ui::ListView& list, ui::Memo& log) {
    ui::ListItem item;
    try {
        if (!key.valueExists("DisplayName")) return;
        item.caption = key.readStringOrRaise("DisplayName");
        if (item.caption.empty()) return;
        if (key.valueExists("Start")) {
            if (auto status = serviceStatus(key.readIntegerOrRaise("Start"))) {
                item.subItems.push_back(*status);
                log.addLine(item.caption + ": " + *status);
            }
        }
    } catch (const ui::Exception&) {
    }
    if (!item.caption.empty()) list.addItem(std::move(item));
}

// Ends the list's freeze also when the listing fails.
class Freeze {
  public:
    explicit Freeze(ui::ListView& list) : list_(list) { list_.beginUpdate(); }
    ~Freeze() { list_.endUpdate(); }
    Freeze(const Freeze&) = delete;
    Freeze& operator=(const Freeze&) = delete;

  private:
    ui::ListView& list_;
};

void fillServices(MainWindow& w, ui::ListView& list, ui::Memo& log, int& count) {
    Freeze freeze(list);
    list.clearItems();
    auto& registry = w.ctx.platform.registry;
    auto services =
        registry.openKey(platform::RootKey::LocalMachine, kServicesKey, platform::KeyAccess::Read);
    if (!services) return;
    for (const auto& name : services->subKeyNames()) {
        auto key = registry.openKey(platform::RootKey::LocalMachine,
                                    std::string(kServicesKey) + name, platform::KeyAccess::Read);
        if (key) listService(*key, list, log);
        count = static_cast<int>(list.items().size());
    }
}

const Listing kPrograms{"System-Informationen - installierte Software",
                        {{" ", 20}, {"Programm", -53}},
                        Order::Unsorted,
                        "Installierte Programme: ",
                        fillPrograms};
const Listing kDrivers{"System-Informationen - Aktive Treiber",
                       {{"Treiber", -23}},
                       Order::Kept,
                       "Geladene Treiber: ",
                       fillDrivers};
const Listing kProcesses{"System-Informationen - Aktive Prozesse",
                         {{"Prozess", 250}, {"ProzessID", 60}},
                         Order::ByText,
                         "Aktive Prozesse: ",
                         fillProcesses,
                         true};
const Listing kServices{"System-Informationen - Dienste",
                        {{"Dienst", 260}, {"Status", 65}},
                        Order::ByText,
                        "Aktive Dienste: ",
                        fillServices};

void showListing(MainWindow& w, const Listing& l) {
    auto& endButton = w.c<ui::Button>("Button3");
    endButton.hide();
    auto& log = w.c<ui::Memo>("Memo3");
    log.clear();
    showPage(w, "Panel85");
    w.c<ui::Label>("Label222").setCaption(l.title);

    auto& list = w.c<ui::ListView>("ListView1");
    list.setViewStyle(ui::ViewStyle::Report);
    list.clearColumns();
    for (const auto& column : l.columns)
        list.addColumn(column.caption,
                       column.width < 0 ? list.width() + column.width : column.width);
    if (l.order != Order::Kept)
        list.setSortType(l.order == Order::ByText ? ui::SortType::Text : ui::SortType::None);
    list.clearItems();
    if (l.endsProcesses) endButton.show();

    int count = 0;
    auto& countLine = w.c<ui::Label>("Label213");
    try {
        // The window shows nothing before the listing returns, so the native list is filled
        // once at its end (or at a failure, with what was listed by then).
        Freeze freeze(list);
        l.fill(w, list, log, count);
    } catch (...) {
        countLine.setCaption(l.countPrefix + std::to_string(count));
        throw;
    }
    countLine.setCaption(l.countPrefix + std::to_string(count));
}

} // namespace

std::optional<std::string> serviceStatus(int start) {
    switch (start) {
    case 0:
    case 1:
        return "System";
    case 2:
        return "Automatisch";
    case 3:
        return "Manuell";
    case 4:
        return "Deaktiviert";
    default:
        return std::nullopt;
    }
}

std::string processIdText(unsigned pid) {
    char text[16];
    std::snprintf(text, sizeof text, "%04X", pid);
    return text;
}

std::optional<std::uint32_t> processIdFromText(const std::string& text) {
    if (text.empty() || text.size() > 8) return std::nullopt;
    std::uint32_t pid = 0;
    for (char c : text) {
        const int digit = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                                 : -1;
        if (digit < 0) return std::nullopt;
        pid = pid * 16 + static_cast<std::uint32_t>(digit);
    }
    return pid;
}

void installierteprogramme(MainWindow& w) {
    showListing(w, kPrograms);
}

void Aktivetreibershow(MainWindow& w) {
    showListing(w, kDrivers);
}

void Aktiveprozesse(MainWindow& w) {
    showListing(w, kProcesses);
}

void showservices(MainWindow& w) {
    showListing(w, kServices);
}

} // namespace brelk::sysinfo
