#include "online/server_choice.h"

#include "online/server_base.h"
#include "shell/main_window.h"

#include <exception>

namespace brelk {

std::string limitedServerBase(MainWindow& w) {
    return chooseServerBase(w).substr(0, kServerBaseLimit);
}

void WindowKeptAlive::waiting() {
    w_.app().processMessages();
}

bool WindowKeptAlive::cancelled() {
    return programEnding(w_);
}

bool programEnding(MainWindow& w) {
    return w.app().quitRequested();
}

bool downloadfile(MainWindow& w, const std::string& url, const std::string& file,
                  std::uint64_t maxBytes) {
    if (programEnding(w)) return false;
    WindowKeptAlive alive(w);
    try {
        return w.ctx.platform.network.downloadToFile(url, file, maxBytes, &alive);
    } catch (const std::exception&) {
        return false;
    }
}

OnlineAction::OnlineAction(MainWindow& w) : w_(w), claimed_(!w.state.onlineActionRunning) {
    if (claimed_) w_.state.onlineActionRunning = true;
}

OnlineAction::~OnlineAction() {
    if (claimed_) w_.state.onlineActionRunning = false;
}

void ensureFolders(MainWindow& w, std::initializer_list<const char*> relativeFolders) {
    auto& files = w.ctx.platform.files;
    for (const char* folder : relativeFolders) {
        const std::string path = w.ctx.programFolder + folder;
        if (!files.directoryExists(path)) files.createDirectory(path);
    }
}

void ensureFoldersOf(MainWindow& w, const std::string& relativeFile) {
    auto& files = w.ctx.platform.files;
    for (std::size_t sep = relativeFile.find('\\'); sep != std::string::npos;
         sep = relativeFile.find('\\', sep + 1)) {
        const std::string folder = w.ctx.programFolder + relativeFile.substr(0, sep);
        if (!files.directoryExists(folder)) files.createDirectory(folder);
    }
}

} // namespace brelk
