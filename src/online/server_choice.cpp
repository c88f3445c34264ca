#include "online/server_choice.h"

#include "online/server_base.h"
#include "shell/main_window.h"

#include <exception>

namespace brelk {

std::string limitedServerBase(MainWindow& w) {
    return chooseServerBase(w).substr(0, kServerBaseLimit);
}

bool downloadfile(platform::Network& network, const std::string& url, const std::string& file) {
    try {
        return network.downloadToFile(url, file, nullptr);
    } catch (const std::exception&) {
        return false;
    }
}

void ensureFolders(MainWindow& w, std::initializer_list<const char*> relativeFolders) {
    auto& files = w.ctx.platform.files;
    for (const char* folder : relativeFolders) {
        const std::string path = w.ctx.programFolder + folder;
        if (!files.directoryExists(path)) files.createDirectory(path);
    }
}

} // namespace brelk
