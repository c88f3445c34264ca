#include "ui/headless.h"

#include "ui/form.h"

#include <algorithm>

namespace ui {
namespace {

class RecordingPeer : public CommandPeer {
  public:
    explicit RecordingPeer(HeadlessBackend& backend) : backend_(backend) {}
    void changed(Change) override {}
    void perform(Command c) override { backend_.commands.push_back(c); }

  private:
    HeadlessBackend& backend_;
};

} // namespace

void HeadlessBackend::realize(Form& form) {
    form.setPeer(std::make_unique<RecordingPeer>(*this));
}

bool HeadlessBackend::keyDown(int virtualKey) {
    return std::find(keysHeld.begin(), keysHeld.end(), virtualKey) != keysHeld.end();
}

int ScriptedDialogs::messageBox(const std::string& text, const std::string& caption,
                                unsigned flags) {
    messages.push_back({text, caption, flags});
    if (!answers.empty()) {
        const int a = answers.front();
        answers.pop_front();
        return a;
    }
    const unsigned buttons = flags & 0xF;
    return (buttons == mb::YesNo || buttons == mb::YesNoCancel) ? mb::IdYes : mb::IdOk;
}

std::optional<std::string> ScriptedDialogs::openFile(const FileDialogOptions& o) {
    fileDialogs.push_back(o);
    if (!selections.empty()) {
        const std::vector<std::string> changes = std::move(selections.front());
        selections.pop_front();
        for (const auto& path : changes) {
            if (o.selectionChanged) o.selectionChanged(path);
            if (o.preview) previews.push_back(o.preview(path));
        }
    }
    if (files.empty()) return std::nullopt;
    auto f = files.front();
    files.pop_front();
    return f;
}

std::optional<std::string> ScriptedDialogs::saveFile(const FileDialogOptions& o) {
    return openFile(o);
}

std::optional<std::string> ScriptedDialogs::browseFolder(const std::string& title, int root) {
    folderRoots.push_back(root);
    FileDialogOptions o;
    o.title = title;
    return openFile(o);
}

} // namespace ui
