// What every online handler shares: the server base of a request and the plain download.
#pragma once

#include "platform/network.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>

namespace brelk {

class MainWindow;

// The update, the archives, the skin preview and the bug report keep the server base to this
// many characters; the browser pages and the start-button preview use it whole.
constexpr std::size_t kServerBaseLimit = 150;

// The chosen server base, kept to kServerBaseLimit characters.
std::string limitedServerBase(MainWindow& w);

// The largest body each kind of download takes: the update list and the archive lists hold a
// few short lines; a file of an update is at most a program; an archive entry is a picture.
constexpr std::uint64_t kListFileLimit = 64 * 1024;
constexpr std::uint64_t kUpdateFileLimit = 16 * 1024 * 1024;
constexpr std::uint64_t kArchiveFileLimit = 8 * 1024 * 1024;

// Lets the window process its messages while a transfer waits, and stops the transfer when the
// program is to end; hears nothing else.
class WindowKeptAlive : public platform::DownloadStatus {
  public:
    explicit WindowKeptAlive(MainWindow& w) : w_(w) {}
    void onProgress(std::uint32_t, std::uint32_t, std::uint32_t, const std::string&) override {}
    void waiting() override;
    bool cancelled() override;

  private:
    MainWindow& w_;
};

// True once the program was asked to end (its "x", or the window system) while an online action
// runs: the action then stops at its next step, asks nothing, shows nothing and starts nothing.
bool programEnding(MainWindow& w);

// Downloads the address into the file, keeping the window alive; true only when the whole
// file arrived within maxBytes (the file is then created or replaced; otherwise left as it
// was). Never raises.
bool downloadfile(MainWindow& w, const std::string& url, const std::string& file,
                  std::uint64_t maxBytes);

// One online action at a time: the window processes its messages while a transfer waits, so
// a second click on an online link would otherwise start a nested run. While a claim is held,
// further claims fail and their handlers do nothing.
class OnlineAction {
  public:
    explicit OnlineAction(MainWindow& w);
    ~OnlineAction();
    OnlineAction(const OnlineAction&) = delete;
    OnlineAction& operator=(const OnlineAction&) = delete;
    // False when another online action was running already.
    bool claimed() const { return claimed_; }

  private:
    MainWindow& w_;
    bool claimed_;
};

// The folder beside the program (with trailing backslash) is made sure of, one level at a
// time, each missing one created; failures are left to the next step to find.
void ensureFolders(MainWindow& w, std::initializer_list<const char*> relativeFolders);
// The same for every folder that a file's path (relative to the program folder, "\"
// separated) lies in.
void ensureFoldersOf(MainWindow& w, const std::string& relativeFile);

} // namespace brelk
