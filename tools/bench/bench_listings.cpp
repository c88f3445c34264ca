// Cost of filling the listing page's native list view on real windows: a list of 300 and of
// 1000 rows added one by one, set against the same rows added in one frozen update (a single
// sync of the native list), and the four listings of the main window on the running system.
//
//   wine64 build/win64/tools/bench/bench_listings.exe [runs]   (from the source folder, for
//   the layouts)
#include "app/main_window_parts.h"
#include "customise/customise_window.h"
#include "platform/win32/win32_platform.h"
#include "shell/main_window.h"
#include "ui/headless.h"
#include "ui/list_view.h"
#include "ui/resources.h"
#include "ui/standard_controls.h"
#include "ui/win32/win32_backend.h"

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsPer(int runs, const std::function<void()>& f) {
    const auto start = Clock::now();
    for (int i = 0; i < runs; ++i)
        f();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count() / runs;
}

// Rows as the process listing makes them: a name, sorted by text, and an id.
void addRows(ui::ListView& list, int rows) {
    list.clearItems();
    for (int i = 0; i < rows; ++i) {
        // Names in a scrambled order, so that sorted insertion lands all over the list.
        const int key = (i * 7919) % rows;
        list.addItem({"prozess" + std::to_string(key) + ".exe", {std::to_string(i)}});
    }
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 3;

    ui::win32::Win32Backend backend(GetModuleHandleA(nullptr));
    ui::ScriptedDialogs dialogs;
    ui::Application app(backend, dialogs);
    platform::Win32Platform real;
    ui::DirectoryResourceStore resources("res");
    brelk::Context ctx{app, real.platform(), resources, "C:\\", {}};
    auto& w = app.createForm(std::make_unique<brelk::MainWindow>(ctx, brelk::mainWindowParts()));
    ctx.form7 = &app.createForm(std::make_unique<brelk::CustomiseWindow>(ctx));
    w.show();
    auto& list = w.c<ui::ListView>("ListView1");
    list.setViewStyle(ui::ViewStyle::Report);
    list.addColumn("Prozess", 250);
    list.addColumn("ProzessID", 60);
    list.setSortType(ui::SortType::Text);

    for (int rows : {300, 1000}) {
        const double oneByOne = millisecondsPer(runs, [&] { addRows(list, rows); });
        const double frozen = millisecondsPer(runs, [&] {
            list.beginUpdate();
            addRows(list, rows);
            list.endUpdate();
        });
        std::printf("%4d rows added one by one %9.1f ms, in one sync %7.1f ms, ratio %.1f\n", rows,
                    oneByOne, frozen, frozen > 0 ? oneByOne / frozen : 0.0);
    }

    auto run = [&](const char* handler) {
        ui::Event e;
        app.dispatch(*w.handler(handler), e);
    };
    for (const char* handler :
         {"installierteprogramme", "Aktivetreibershow", "Aktiveprozesse", "showservices"}) {
        const double listing = millisecondsPer(runs, [&] { run(handler); });
        std::printf("%-22s %9.1f ms (%s)\n", handler, listing,
                    w.c<ui::Label>("Label213").caption().c_str());
    }
    return 0;
}
