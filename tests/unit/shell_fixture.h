// A started main window of brelk on the fake platform: the real layouts from res/, plus a
// small fragment with the components of other subsystems that the shell reaches by name.
#pragma once

#include "app/main_window_parts.h"
#include "customise/customise_window.h"
#include "platform/fake/fake_platform.h"
#include "shell/main_window.h"
#include "support/fake_machine.h"
#include "support/shell_neighbours.h"
#include "support/shipped_pictures.h"
#include "support/test_forms.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"

#include <gtest/gtest.h>

namespace shell_test {

struct ShellFixture : ::testing::Test {
    testing_support::HeadlessApp h;
    platform::FakePlatform fake;
    ui::DirectoryResourceStore resources{BRELK_RES_DIR};
    brelk::Context ctx{h.app, fake.platform(), resources, fake.files.programFolder(), {}};
    brelk::MainWindow* w = nullptr;

    std::string folder() const { return ctx.programFolder; }
    std::string brelkIni() const { return ctx.modulesFile("brelk.ini"); }
    std::string oservicesIni() const { return ctx.modulesFile("oservices.ini"); }
    std::string startbuttonIni() const { return ctx.modulesFile("startbutton.ini"); }

    // A working XP machine with a shipped program folder (first start done, so the original
    // state is saved as slot 1).
    void SetUp() override {
        testing_support::prepareWorkingMachine(fake);
        fake.files.addFile(brelkIni(), "[Options]\r\nversion=5.0\r\nfirststart=0\r\n"
                                       "[Backup]\r\nnumber=1\r\n[1]\r\nDate=Originalzustand\r\n");
    }

    void setWindowsValue(const std::string& name, const std::string& text) {
        testing_support::setWindowsValue(fake, name, text);
    }

    // The program block's windows, in its order; the main window is not shown yet.
    void create() {
        auto main = std::make_unique<brelk::MainWindow>(ctx, brelk::mainWindowParts());
        main->loadLayout(testing_support::kShellNeighbours, brelk::brelkClasses(), resources);
        w = &h.app.createForm(std::move(main));
        ctx.form7 = &h.app.createForm(std::make_unique<brelk::CustomiseWindow>(ctx));
    }
    // Creates the windows and shows the main window, which runs its start-up.
    void start() {
        create();
        w->show();
    }

    template <class T> T& c(const std::string& name) { return w->c<T>(name); }
    bool visible(const std::string& name) { return c<ui::Control>(name).visible(); }
    ui::Edit& f7edit(const std::string& name) { return ctx.form7->get<ui::Edit>(name); }
    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const auto& m : h.dialogs.messages)
            texts.push_back(m.text);
        return texts;
    }
    // The pages of the content area that are visible: the window's top-level panels.
    std::vector<std::string> visiblePages() const {
        std::vector<std::string> names;
        for (const ui::Control* child : w->children()) {
            if (dynamic_cast<const ui::Panel*>(child) && child->visible())
                names.push_back(child->name());
        }
        return names;
    }
    std::vector<int> history() const {
        std::vector<int> ids;
        for (int i = 1; i <= w->state.pagehistory.count(); ++i) {
            ids.push_back(w->state.pagehistory.entry(i));
        }
        return ids;
    }
    void run(const std::string& handler) {
        ui::Event e;
        const ui::Handler* hd = w->handler(handler);
        ASSERT_NE(hd, nullptr) << handler;
        h.app.dispatch(*hd, e);
    }
};

} // namespace shell_test
