#include "customise/pagefile_calc.h"

#include "customise/customise_window.h"
#include "customise/drive_type.h"
#include "customise/kestovar_key.h"
#include "shell/int_text.h"
#include "ui/input_controls.h"

#include <algorithm>
#include <iterator>

namespace brelk {
namespace {

// Lowest memory size (MB) of each band of the size table.
constexpr std::array<std::int64_t, 7> kBandFrom = {32, 64, 96, 128, 192, 256, 512};

// Sizes in MB by profile and band; minimum and maximum are the same.
constexpr std::array<std::array<int, 7>, 3> kSizes = {{
    {150, 200, 250, 350, 400, 350, 300}, // "Durchschnittsnutzer"
    {100, 150, 200, 300, 400, 800, 700}, // "Power User"
    {130, 160, 220, 320, 450, 800, 700}, // "Spieler"
}};

constexpr std::int64_t kMegabyte = 1048576;
constexpr std::int64_t kMinimumFreeMegabytes = 50;

UserProfile selectedProfile(const CustomiseWindow& w) {
    if (w.c<ui::RadioButton>("RadioButton3").checked()) return UserProfile::PowerUser;
    if (w.c<ui::RadioButton>("RadioButton4").checked()) return UserProfile::Gamer;
    return UserProfile::Average;
}

// The physical memory in MB as the main window shows it in its Edit2.
std::int32_t memoryMegabytes(Context& ctx) {
    for (const auto& form : ctx.app.forms()) {
        if (form->className() == "TForm2") return strToInt(form->get<ui::Edit>("Edit2").text());
    }
    throw ui::EComponentError("Component 'Form2' not found");
}

// Measures the drives that are hard disks now; the others keep their last figure.
void measureFreeSpace(CustomiseWindow& w) {
    for (std::size_t i = 0; i < w.freeSpace.size(); ++i) {
        const std::string root = std::string(1, static_cast<char>('C' + i)) + ":\\";
        if (drivetypename(w.ctx.platform, root) != kHardDisk) continue;
        w.freeSpace[i] = w.ctx.platform.files.freeBytesAvailable(root).value_or(-1);
    }
}

} // namespace

int pageFileSize(UserProfile profile, std::int64_t memory) {
    const auto above = std::upper_bound(kBandFrom.begin(), kBandFrom.end(), memory);
    const auto band = above == kBandFrom.begin() ? 0 : std::distance(kBandFrom.begin(), above) - 1;
    return kSizes[static_cast<std::size_t>(profile)][static_cast<std::size_t>(band)];
}

std::string chooseDriveLetter(const std::array<std::int64_t, 4>& freeBytes) {
    for (std::size_t i = 0; i < freeBytes.size(); ++i) {
        bool largest = true;
        for (std::size_t j = 0; j < freeBytes.size(); ++j) {
            if (j != i && freeBytes[i] <= freeBytes[j]) largest = false;
        }
        if (largest && freeBytes[i] / kMegabyte > kMinimumFreeMegabytes) {
            return std::string(1, static_cast<char>('c' + i));
        }
    }
    return {};
}

void pagefilecalc(CustomiseWindow& w) {
    const std::string size =
        std::to_string(pageFileSize(selectedProfile(w), memoryMegabytes(w.ctx)));
    measureFreeSpace(w);
    const std::string drive = chooseDriveLetter(w.freeSpace);
    w.c<ui::Edit>("Edit1").setText(size);
    w.c<ui::Edit>("Edit2").setText(size);
    w.c<ui::Edit>("Edit3").setText(drive);
    writePageFileValues(w.ctx.platform, size, size, drive);
}

void pagefilecalc(Context& ctx) {
    if (CustomiseWindow* w = customiseWindow(ctx)) pagefilecalc(*w);
}

} // namespace brelk
