// Cost of the system-information part on the real system: one tick of Timer2 (memory
// reading, performance-data sample, both gauges), its parts alone, and each listing. The
// tick is set against the 16 ms of one frame at 60 Hz; each listing against a bare walk of
// the same source (registry enumeration, process snapshot, module-list call).
//
//   wine64 build/win64/tools/bench/bench_sysinfo.exe [ticks [listings]]   (from the source
//   folder, for the layouts)
#include "app/main_window_parts.h"
#include "customise/customise_window.h"
#include "platform/fake/fake_hardware.h"
#include "platform/win32/win32_platform.h"
#include "shell/main_window.h"
#include "sysinfo/cpu_usage.h"
#include "ui/headless.h"
#include "ui/standard_controls.h"

#include <windows.h>

#include <tlhelp32.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsPer(int runs, const std::function<void()>& f) {
    f(); // warm: the first call resolves and allocates what later ones reuse
    const auto start = Clock::now();
    for (int i = 0; i < runs; ++i)
        f();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count() / runs;
}

// The sub keys of a key and one value of each, with the plain registry functions.
void bareRegistryWalk(const char* path, const char* value) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return;
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD n = sizeof name;
        if (RegEnumKeyExA(key, i, name, &n, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        HKEY sub = nullptr;
        if (RegOpenKeyExA(key, name, 0, KEY_READ, &sub) != ERROR_SUCCESS) continue;
        char data[512];
        DWORD size = sizeof data;
        RegQueryValueExA(sub, value, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size);
        RegCloseKey(sub);
    }
    RegCloseKey(key);
}

void bareSnapshot() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more;
         more = Process32Next(snapshot, &entry)) {
    }
    CloseHandle(snapshot);
}

} // namespace

int main(int argc, char** argv) {
    const int ticks = argc > 1 ? std::atoi(argv[1]) : 200;
    const int listings = argc > 2 ? std::atoi(argv[2]) : 20;

    platform::Win32Platform real;
    ui::HeadlessBackend backend;
    ui::ScriptedDialogs dialogs;
    ui::Application app(backend, dialogs);
    ui::DirectoryResourceStore resources("res");
    brelk::Context ctx{app, real.platform(), resources, "C:\\", {}};
    auto& w = app.createForm(std::make_unique<brelk::MainWindow>(ctx, brelk::mainWindowParts()));
    ctx.form7 = &app.createForm(std::make_unique<brelk::CustomiseWindow>(ctx));
    auto run = [&](const char* handler) {
        ui::Event e;
        app.dispatch(*w.handler(handler), e);
    };

    auto& timer = w.c<ui::Timer>("Timer2");
    timer.setEnabled(true); // the window is not shown here
    const double tick = millisecondsPer(ticks, [&] { timer.tick(); });
    const double memory = millisecondsPer(ticks, [&] { real.platform().system.memoryStatus(); });
    brelk::sysinfo::CpuUsage sampler(real.platform().hardware);
    const double sample = millisecondsPer(ticks / 10 + 1, [&] {
        try {
            sampler.sample();
        } catch (const std::exception&) {
        }
    });
    std::printf(
        "tick of Timer2, real calls: %.3f ms on average, %.1f %% of a 16 ms frame%s\n", tick,
        tick / 16.0 * 100.0,
        dialogs.messages.empty() ? "" : " (the sampler failed: reported once, tried less often)");
    std::printf("  memory reading %.1f us, one try of the sampler %.3f ms\n", memory * 1000.0,
                sample);

    // The same window with a sampler that works: a block of four processors and the total.
    platform::FakeHardware synthetic;
    synthetic.perfBlock = platform::buildPerfBlock({0x01DD000000000000ull, {1, 2, 3, 4, 5}});
    platform::Platform& p = real.platform();
    platform::Platform working{p.registry, p.profiles, p.files,   p.processes, p.shell,  p.security,
                               p.network,  p.system,   p.desktop, p.scripts,   synthetic};
    brelk::Context workingCtx{app, working, resources, "C:\\", {}};
    auto& w2 =
        app.createForm(std::make_unique<brelk::MainWindow>(workingCtx, brelk::mainWindowParts()));
    auto& timer2 = w2.c<ui::Timer>("Timer2");
    timer2.setEnabled(true);
    const double workingTick = millisecondsPer(ticks, [&] { timer2.tick(); });
    std::printf("tick of Timer2, working sampler (synthetic block): %.1f us, %.2f %% of a frame\n",
                workingTick * 1000.0, workingTick / 16.0 * 100.0);

    struct Listing {
        const char* handler;
        std::function<void()> bare;
    };
    const Listing cases[] = {
        {"installierteprogramme",
         [] {
             bareRegistryWalk("Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall",
                              "DisplayName");
         }},
        {"Aktivetreibershow", [&] { real.platform().hardware.loadedModules(); }},
        {"Aktiveprozesse", bareSnapshot},
        {"showservices",
         [] { bareRegistryWalk("System\\CurrentControlSet\\Services", "DisplayName"); }},
    };
    for (const auto& l : cases) {
        const double listing = millisecondsPer(listings, [&] { run(l.handler); });
        const double bare = millisecondsPer(listings, l.bare);
        std::printf("%-22s %8.3f ms (%s), bare walk %8.3f ms, ratio %.2f\n", l.handler, listing,
                    w.c<ui::Label>("Label213").caption().c_str(), bare,
                    bare > 0 ? listing / bare : 0.0);
    }
    return 0;
}
