// The radio group on a real window: one native radio button per item, inside the group's
// frame; the model's selection shows, and a click on a button selects its item.
#include "controls_fixture.h"
#include "ui/input_controls.h"

namespace {

struct RadioGroupWindow : controls_test::ControlsWindow {
    std::vector<HWND> buttons(HWND group) {
        std::vector<HWND> found;
        for (HWND child = GetWindow(group, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            found.push_back(child);
        return found;
    }
};

const char* kGroup =
    "  object RadioGroup1: TRadioGroup\n    Left = 8\n    Top = 8\n    Width = 200\n"
    "    Height = 45\n    Caption = ' gesicherte Einstellungen  '\n"
    "    OnClick = noted\n  end\n";

} // namespace

TEST_F(RadioGroupWindow, ItemsBecomeButtonsAndSelectionGoesBothWays) {
    load(kGroup);
    auto& group = get<ui::RadioGroup>("RadioGroup1");
    HWND frame = hwnd("RadioGroup1");
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(buttons(frame).empty());

    group.addItem("Originalzustand");
    group.addItem("08.12.2026 - 09:15:02");
    group.setItemIndex(0);
    auto shown = buttons(frame);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(text(shown[0]), "Originalzustand");
    EXPECT_EQ(text(shown[1]), "08.12.2026 - 09:15:02");
    EXPECT_EQ(SendMessageA(shown[0], BM_GETCHECK, 0, 0), BST_CHECKED);
    RECT first, second;
    GetWindowRect(shown[0], &first);
    GetWindowRect(shown[1], &second);
    EXPECT_GT(second.top, first.top) << "one below the other";
    EXPECT_TRUE(events.empty());

    // The user clicks the second item.
    SendMessageA(shown[1], BM_CLICK, 0, 0);
    EXPECT_EQ(group.itemIndex(), 1);
    EXPECT_EQ(SendMessageA(shown[0], BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageA(shown[1], BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(events, std::vector<std::string>{"RadioGroup1"});

    group.clear();
    EXPECT_TRUE(buttons(frame).empty());
}
