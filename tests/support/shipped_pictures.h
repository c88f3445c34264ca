// The pictures shipped in the program folder's modules folder (the OEM logo and the toolbar
// skins), copied into a fake program folder so that the customisation dialog finds them.
#pragma once

#include "platform/fake/fake_file_system.h"

#include <fstream>
#include <iterator>
#include <string>

namespace testing_support {

inline std::string shippedFile(const std::string& relative) {
    std::ifstream in(std::string(BRELK_RES_DIR) + "/../dist/modules/" + relative, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

inline void addShippedPictures(platform::FakeFileSystem& files, const std::string& programFolder) {
    files.addFile(programFolder + "modules\\oemlogo.bmp", shippedFile("oemlogo.bmp"));
    for (const char* skin : {"01.bmp", "02.bmp", "03.bmp"}) {
        files.addFile(programFolder + "modules\\skins\\" + skin,
                      shippedFile(std::string("skins/") + skin));
    }
}

} // namespace testing_support
