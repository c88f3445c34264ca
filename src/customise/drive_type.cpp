#include "customise/drive_type.h"

#include <array>

namespace brelk {

std::string drivetypename(platform::Platform& p, const std::string& root) {
    static constexpr std::array<const char*, 7> kNames = {"unbekanntes Laufwerk",
                                                          "Laufwerk existiert nicht",
                                                          "Wechsellaufwerk",
                                                          kHardDisk,
                                                          "Netzlaufwerk",
                                                          kCdRomDrive,
                                                          "Ramdisk"};
    const unsigned type = p.files.driveType(root);
    return type < kNames.size() ? kNames[type] : "";
}

} // namespace brelk
