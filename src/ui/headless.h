// A window system without windows, for tests that drive forms through the model: timers
// tick when the test says so, message boxes and dialogs answer from a script and are recorded.
#pragma once

#include "ui/backend.h"
#include "ui/dialogs.h"
#include "ui/peer.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ui {

class HeadlessBackend : public Backend {
  public:
    void realize(Form& form) override;
    void runMessageLoop(Application&) override { ++loops; }
    void processMessages() override {
        ++processed;
        if (onProcessMessages) onProcessMessages();
    }
    void quit() override { quitRequested = true; }
    bool quitting() const override { return quitRequested; }
    bool keyDown(int virtualKey) override;
    int wheelScrollLines() override { return scrollLines; }

    int loops = 0, processed = 0;
    bool quitRequested = false;
    int scrollLines = 3;
    std::vector<int> keysHeld;
    // Commands the forms sent to the window system (such as the system move of the skin).
    std::vector<Command> commands;
    // What the user does while a handler lets messages through (a second click, say).
    std::function<void()> onProcessMessages;
};

struct RecordedMessage {
    std::string text, caption;
    unsigned flags = 0;
};

class ScriptedDialogs : public DialogService {
  public:
    int messageBox(const std::string& text, const std::string& caption, unsigned flags) override;
    std::optional<std::string> openFile(const FileDialogOptions& o) override;
    std::optional<std::string> saveFile(const FileDialogOptions& o) override;
    std::optional<std::string> browseFolder(const std::string& title,
                                            int root = kDesktopFolder) override;

    // Answers used in order; when none is left a message box answers OK (or Yes) and the
    // file dialogs are cancelled.
    std::deque<int> answers;
    std::deque<std::optional<std::string>> files;
    // For each open dialog in order: the selection changes the user makes before answering.
    std::deque<std::vector<std::string>> selections;
    // What a picture picker's preview area showed for each selection change: the picture, or
    // nothing.
    std::vector<std::shared_ptr<const Bitmap>> previews;
    // The root folder of each folder browser shown.
    std::vector<int> folderRoots;
    std::vector<RecordedMessage> messages;
    std::vector<FileDialogOptions> fileDialogs;
};

} // namespace ui
