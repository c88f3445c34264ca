// A started main window of brelk on the fake platform: the real layouts from res/, plus a
// small fragment with the components of other subsystems that the shell reaches by name.
#pragma once

#include "platform/fake/fake_platform.h"
#include "shell/customise_window.h"
#include "shell/main_window.h"
#include "support/test_forms.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"

#include <gtest/gtest.h>

namespace shell_test {

// Controls of the tuning page, the gauges, the restore-point links and a tall start page.
inline const char* const kNeighbours = R"(inherited Form2: TForm2
  inherited ScrollBox1: TScrollBox
    object Edit1: TEdit
      Text = 'layout'
      OnMouseMove = Edit1rollover
    end
    object Edit2: TEdit
      ReadOnly = True
      OnClick = Edit2Click
    end
    object Edit3: TEdit
      Text = 'layout'
      OnMouseMove = Edit3rollover
    end
    object Edit4: TEdit
      Text = 'layout'
      OnMouseMove = Edit4rollover
    end
    object Edit7: TEdit
      ReadOnly = True
      OnClick = Edit7Click
    end
    object RadioButton4: TRadioButton
    end
    object Panel25: TPanel
      object RadioButton41: TRadioButton
      end
      object RadioButton42: TRadioButton
      end
      object RadioButton43: TRadioButton
        Checked = True
      end
    end
    object Panel38: TPanel
      object RadioButton80: TRadioButton
        Checked = True
      end
      object RadioButton81: TRadioButton
      end
      object RadioButton82: TRadioButton
      end
    end
    object Panel40: TPanel
      object RadioButton86: TRadioButton
      end
      object RadioButton87: TRadioButton
      end
      object RadioButton88: TRadioButton
      end
    end
    object Panel53: TPanel
      object RadioButton119: TRadioButton
      end
      object RadioButton120: TRadioButton
      end
      object RadioButton121: TRadioButton
      end
    end
    object Panel100: TPanel
      object RadioButton218: TRadioButton
      end
      object RadioButton219: TRadioButton
      end
      object RadioButton220: TRadioButton
        Checked = True
      end
    end
    object Panel101: TPanel
      object RadioButton221: TRadioButton
      end
      object RadioButton222: TRadioButton
      end
      object RadioButton223: TRadioButton
      end
    end
    object Panel102: TPanel
      object RadioButton224: TRadioButton
      end
      object RadioButton225: TRadioButton
      end
      object RadioButton226: TRadioButton
      end
    end
    object Panel103: TPanel
      object RadioButton227: TRadioButton
      end
      object RadioButton228: TRadioButton
      end
      object RadioButton229: TRadioButton
      end
    end
    object Label204: TLabel
    end
    object Image243: TImage
    end
    object Label208: TLabel
    end
    object Image246: TImage
    end
  end
  inherited Panel2: TPanel
    object Image72: TImage
      Visible = False
    end
    object Image73: TImage
    end
    object Label36: TLabel
      Font.Color = clGreen
    end
    object Gauge1: TGauge
    end
  end
  inherited Panel8: TPanel
    object Gauge3: TGauge
    end
  end
  inherited Panel9: TPanel
    object Gauge2: TGauge
    end
  end
  inherited ScrollBox2: TScrollBox
    object TallContent: TLabel
      Top = 150
      Width = 600
      Height = 400
    end
  end
  object Timer1: TTimer
    Interval = 1000
  end
end
)";

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

    // A working XP machine with a shipped program folder (first start done).
    void SetUp() override {
        fake.files.addFile(brelkIni(), "[Options]\r\nversion=5.0\r\nfirststart=0\r\n");
        setWindowsValue("ProductName", "Microsoft Windows XP");
        setWindowsValue("PathName", "C:\\WINDOWS");
        setWindowsValue("RegisteredOwner", "Anna Berger");
        setWindowsValue("RegisteredOrganization", "Berger GmbH");
        fake.registry
            .createKey(platform::RootKey::LocalMachine,
                       "SOFTWARE\\Microsoft\\Windows\\CurrentVersion")
            ->writeString("ProgramFilesDir", "C:\\Programme");
    }

    void setWindowsValue(const std::string& name, const std::string& text) {
        fake.registry
            .createKey(platform::RootKey::LocalMachine,
                       "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion")
            ->writeString(name, text);
    }

    // The program block's windows, in its order; the main window is not shown yet.
    void create() {
        auto main = std::make_unique<brelk::MainWindow>(ctx);
        main->loadLayout(kNeighbours, brelk::brelkClasses(), resources);
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
