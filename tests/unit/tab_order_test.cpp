// The tab order of a form as the layout gives it: TabOrder before the layout's order, TabStop,
// radio buttons at their checked one, and no stop at what cannot take the focus now.
#include "support/test_forms.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"
#include "ui/tab_order.h"

#include <gtest/gtest.h>

namespace {

TEST(TabOrder, FollowsTheLayoutAndSkipsWhatCannotTakeTheFocus) {
    testing_support::HeadlessApp h;
    auto f = std::make_unique<ui::Form>(h.app, "TForm9");
    f->loadLayout("object Form9: TForm9\n"
                  "  object Edit2: TEdit\n    TabOrder = 1\n  end\n"
                  "  object Edit1: TEdit\n    TabOrder = 0\n  end\n"
                  "  object Label1: TLabel\n  end\n"
                  "  object Panel1: TPanel\n"
                  "    object RadioButton1: TRadioButton\n    end\n"
                  "    object RadioButton2: TRadioButton\n      Checked = True\n    end\n"
                  "    object Edit3: TEdit\n    end\n"
                  "  end\n"
                  "  object Panel2: TPanel\n    Enabled = False\n"
                  "    object Edit4: TEdit\n    end\n  end\n"
                  "  object Edit5: TEdit\n    TabStop = False\n  end\n"
                  "  object Button1: TButton\n    Visible = False\n  end\n"
                  "  object ListBox1: TListBox\n  end\n"
                  "  object WebBrowser1: TWebBrowser\n  end\n"
                  "end\n",
                  ui::ClassRegistry::standard(), h.resources);
    auto& form = h.app.createForm(std::move(f));
    form.show();
    auto next = [&](const char* from, bool backward) -> std::string {
        ui::Control* start = from ? &form.get<ui::Control>(from) : nullptr;
        ui::Control* to = ui::nextTabStop(form, start, backward);
        return to ? to->name() : "(none)";
    };
    struct Case {
        const char* from; // null: the form itself has the focus
        bool backward;
        const char* expected;
    };
    const Case cases[] = {
        {nullptr, false, "Edit1"},
        {nullptr, true, "ListBox1"},
        {"Edit1", false, "Edit2"},
        {"Edit2", true, "Edit1"},
        {"Edit2", false, "RadioButton2"}, // a group of radio buttons at its checked one
        {"RadioButton2", false, "Edit3"},
        {"Edit3", false, "ListBox1"},
        {"ListBox1", false, "Edit1"},            // round, past the browser
        {"RadioButton1", false, "RadioButton2"}, // from a control Tab does not stop at
        {"Edit5", true, "Edit3"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(next(c.from, c.backward), c.expected)
            << (c.from ? c.from : "form") << (c.backward ? " Shift+Tab" : " Tab");

    // Checking another button moves the group's stop; a form without stops has no next one.
    form.get<ui::RadioButton>("RadioButton1").setChecked(true);
    EXPECT_EQ(next("Edit2", false), "RadioButton1");
    for (const char* name : {"Edit1", "Edit2", "Panel1", "ListBox1"})
        form.get<ui::Control>(name).hide();
    EXPECT_EQ(next(nullptr, false), "(none)");
}

} // namespace
