// The mapping step of the scan: each step decides from a scan table entry or from a probe of
// the machine whether its row shows deactivate or activate, and checks that button.
#include "shell/int_text.h"
#include "shell/main_window.h"
#include "shell/windows_helpers.h"
#include "tweaks/scan.h"
#include "tweaks/system_actions.h"
#include "tweaks/vendor_start_page.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"

#include <variant>

namespace brelk {

namespace {

constexpr int kDefaultMenuDelay = 400;
constexpr std::uint64_t kTunedPageFileMb = 400;

// How an entry's text gives activate (all comparisons exact, case-sensitive, whole text):
// A(C) filled and not C; P filled; N(C) not C, empty included; E(C) exactly C.
enum class Rule : std::uint8_t { A, P, N, E };

struct EntryRule {
    int entry;
    Rule rule;
    const char* constant = "";
};

// A probe of the machine: true gives activate.
using Probe = bool (*)(MainWindow&);
// A step that sets its rows itself.
using Action = void (*)(MainWindow&);

// A row's deactivate and activate buttons; two rows when a second pair is given.
struct Buttons {
    int deact = 0, act = 0, deact2 = 0, act2 = 0;
};

struct MapStep {
    std::variant<EntryRule, Probe, Action> source;
    Buttons buttons{};
};

MapStep A(int entry, const char* constant, Buttons b) {
    return {EntryRule{entry, Rule::A, constant}, b};
}
MapStep P(int entry, Buttons b) {
    return {EntryRule{entry, Rule::P}, b};
}
MapStep N(int entry, const char* constant, Buttons b) {
    return {EntryRule{entry, Rule::N, constant}, b};
}
MapStep E(int entry, const char* constant, Buttons b) {
    return {EntryRule{entry, Rule::E, constant}, b};
}

bool activates(const EntryRule& r, const std::string& text) {
    switch (r.rule) {
    case Rule::A:
        return !text.empty() && text != r.constant;
    case Rule::P:
        return !text.empty();
    case Rule::N:
        return text != r.constant;
    case Rule::E:
        return text == r.constant;
    }
    return false;
}

void check(MainWindow& w, int button) {
    w.c<ui::RadioButton>("RadioButton" + std::to_string(button)).setChecked(true);
}

const std::string& entry(MainWindow& w, int index) {
    return w.state.scantable[static_cast<std::size_t>(index)];
}

const std::string& windowsFolder(MainWindow& w) {
    return w.c<ui::Edit>("Edit1").text();
}

bool fileExists(MainWindow& w, const std::string& path) {
    return w.ctx.platform.files.fileExists(path);
}

// Step 2: the start-menu delay row and its bar. The bar reports the new position as a move of
// the slider does, so its label follows.
void menuDelay(MainWindow& w) {
    const std::string& text = entry(w, 2);
    const std::int32_t delay = text.empty() ? kDefaultMenuDelay : strToInt(text);
    check(w, delay == kDefaultMenuDelay ? 8 : 10);
    auto& bar = w.c<ui::TrackBar>("TrackBar1");
    const int before = bar.position();
    bar.setPosition(delay);
    if (bar.position() != before && bar.onChange) {
        ui::Event e;
        e.sender = &bar;
        bar.onChange(e);
    }
}

bool desktopIniMissing(MainWindow& w) {
    return !fileExists(w, windowsFolder(w) + "\\desktop.ini");
}

bool pageFileTuned(MainWindow& w) {
    return w.state.pagefileMb >= kTunedPageFileMb;
}

bool oemLogoPresent(MainWindow& w) {
    return fileExists(w, windowsFolder(w) + "\\system\\oemlogo.bmp");
}

bool toolbarBitmapPresent(MainWindow& w) {
    return fileExists(w, windowsFolder(w) + "\\brelk\\bckgrnd.bmp");
}

// Shortcuts show no arrow while their class lacks "ISShortcut".
bool shortcutArrowHidden(MainWindow& w) {
    auto key = w.ctx.platform.registry.openKey(platform::RootKey::ClassesRoot, "\\lnkfile",
                                               platform::KeyAccess::Read);
    return !key || !key->valueExists("ISShortcut");
}

bool vendorStartPageSet(MainWindow& w) {
    const std::string& page = entry(w, 28);
    return !page.empty() && page == vendorStartPage(w);
}

// Step 30: a registered anti-spying program means the permanent mode, with every anti-spying
// row but the update row at activate.
void antiSpyingMode(MainWindow& w) {
    if (entry(w, 35).empty()) {
        check(w, 1);
        return;
    }
    check(w, 2);
    for (int button : {157, 166, 169, 172, 175})
        check(w, button);
}

bool computerRenamed(MainWindow& w) {
    const std::string& name = entry(w, 48);
    return name != "Arbeitsplatz" && name != "My Computer";
}

bool sixteenBitColours(MainWindow& w) {
    std::string depth;
    colourdepth(w.ctx.platform, depth);
    return depth == "16-Bit";
}

// Step 50: the program's start-menu link overrides what entry 44 gave its row.
void startMenuLink(MainWindow& w) {
    std::string programs;
    GetSpecialFolderPath(w.ctx.platform, platform::csidl::programs, programs);
    if (fileExists(w, programs + "Brelvanto Kit\\Brelvanto Kit 2005.lnk")) check(w, 181);
}

bool activeDesktopOff(MainWindow& w) {
    return !IsActiveDesktopOn(w.ctx.platform);
}

bool commandPromptEntry(MainWindow& w) {
    return entry(w, 55) == windowsFolder(w) + "\\system32\\cmd.exe";
}

bool startButtonProgramRunning(MainWindow& w) {
    return IsProcessRunning(w.ctx.platform.processes, "pelloquin.exe");
}

const std::vector<MapStep>& mapSteps() {
    static const std::vector<MapStep> steps = {
        A(1, "0", {5, 7}),
        {Action{menuDelay}},
        A(3, "1", {11, 13}),
        A(4, "0", {14, 16}),
        A(5, "512", {17, 19}),
        {Probe{desktopIniMissing}, {20, 22}},
        {Probe{pageFileTuned}, {23, 25}},
        N(7, "0", {26, 28}),
        A(8, "20000", {29, 31}),
        P(10, {32, 34}),
        A(11, "1", {35, 37}),
        P(14, {44, 46}),
        {Probe{oemLogoPresent}, {89, 91}},
        {Probe{toolbarBitmapPresent}, {92, 94}},
        A(13, "Bitmap", {95, 97}),
        {Probe{shortcutArrowHidden}, {98, 100}},
        A(17, "0", {101, 103}),
        A(18, "0", {47, 49}),
        A(21, "Microsoft Internet Explorer", {104, 106}),
        A(22, "0", {113, 115}),
        A(23, "0", {116, 118}),
        E(24, "0", {119, 121}),
        {Probe{vendorStartPageSet}, {122, 124}},
        A(29, "0", {125, 127}),
        A(30, "0", {128, 130}),
        A(31, "0", {131, 133}),
        A(32, "0", {134, 136}),
        A(33, "1", {53, 55}),
        A(34, "0", {158, 160}),
        {Action{antiSpyingMode}},
        P(36, {176, 178}),
        A(37, "0", {56, 58}),
        A(38, "9600,n,8,1", {59, 61}),
        A(39, "300", {62, 64}),
        A(40, "0", {137, 139}),
        A(41, "no", {68, 70}),
        P(42, {71, 73}),
        A(43, "0", {74, 76}),
        P(44, {179, 181}),
        P(45, {80, 82}),
        A(46, "0", {83, 85}),
        A(47, "0", {86, 88}),
        {Probe{computerRenamed}, {107, 109}},
        P(49, {143, 145}),
        P(50, {146, 148}),
        A(51, "0", {149, 151}),
        A(52, "0", {152, 154}),
        N(53, "{87D62D94-71B3-4b9a-9489-5FE6850DC73E}", {185, 187}),
        {Probe{sixteenBitColours}, {77, 79}},
        {Action{startMenuLink}},
        {Probe{activeDesktopOff}, {188, 190}},
        E(54, "{C2FBB630-2971-11D1-A18C-00C04FD75D13}", {212, 214, 233, 235}),
        {Probe{commandPromptEntry}, {215, 217}},
        A(56, "0", {218, 220}),
        N(57, "yes", {224, 226}),
        A(58, "0", {194, 196}),
        A(59, "0", {197, 199}),
        A(60, "0", {200, 202}),
        A(61, "0", {203, 205}),
        A(62, "0", {209, 211}),
        {Probe{startButtonProgramRunning}, {191, 193}},
    };
    return steps;
}

void setRows(MainWindow& w, const Buttons& b, bool act) {
    check(w, act ? b.act : b.deact);
    if (b.act2 != 0) check(w, act ? b.act2 : b.deact2);
}

} // namespace

void showscanstate(MainWindow& w) {
    for (const MapStep& step : mapSteps()) {
        if (const auto* action = std::get_if<Action>(&step.source)) {
            (*action)(w);
        } else if (const auto* probe = std::get_if<Probe>(&step.source)) {
            setRows(w, step.buttons, (*probe)(w));
        } else {
            const auto& rule = std::get<EntryRule>(step.source);
            setRows(w, step.buttons, activates(rule, entry(w, rule.entry)));
        }
    }
}

void scansettings(MainWindow& w) {
    auto& status = w.c<ui::Label>("Label137");
    status.setCaption("... bitte warten ...");
    status.show();
    backup(w);
    showscanstate(w);
    status.setCaption("... erledigt ...");
}

} // namespace brelk
