// Forms with native controls on real windows: loads a layout text, shows the form and finds
// the controls' windows.
#pragma once

#include "support/test_forms.h"
#include "ui/win32/peers.h"
#include "ui/win32/win32_backend.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace controls_test {

struct ControlsWindow : ::testing::Test {
    ui::win32::Win32Backend backend{GetModuleHandleA(nullptr)};
    ui::ScriptedDialogs dialogs;
    ui::Application app{backend, dialogs};
    testing_support::MemoryResources resources;
    ui::Form* form = nullptr;
    // Names of the components whose handlers ran, in order ("noted" handler).
    std::vector<std::string> events;
    // Further handlers the layout may name.
    std::map<std::string, ui::Handler> handlers;

    // `objects` are the layout lines inside a white 300 x 200 form, Tahoma -11.
    void load(const std::string& objects, const std::string& formProperties = "") {
        auto f = std::make_unique<ui::Form>(app, "TForm9");
        f->bind("noted", [this](ui::Event& e) { events.push_back(e.sender->name()); });
        for (const auto& [name, h] : handlers)
            f->bind(name, h);
        f->loadLayout("object Form9: TForm9\n  Width = 300\n  Height = 200\n"
                      "  Color = clWhite\n  Font.Name = 'Tahoma'\n  Font.Height = -11\n" +
                          formProperties + objects + "end\n",
                      ui::ClassRegistry::standard(), resources);
        form = &app.createForm(std::move(f));
        form->show();
    }
    template <class T = ui::Control> T& get(const std::string& name) { return form->get<T>(name); }
    HWND hwnd(const std::string& name) {
        auto* peer = ui::win32::ControlPeer::of(&get(name));
        return peer ? peer->hwnd() : nullptr;
    }
    std::string text(HWND w) {
        std::string t(static_cast<std::size_t>(GetWindowTextLengthA(w)) + 1, '\0');
        t.resize(static_cast<std::size_t>(GetWindowTextA(w, t.data(), static_cast<int>(t.size()))));
        return t;
    }
    // Sends the notification a child control sends its parent.
    LRESULT notify(HWND child, WORD code) {
        const auto id = static_cast<WORD>(GetDlgCtrlID(child));
        return SendMessageA(GetParent(child), WM_COMMAND, MAKEWPARAM(id, code),
                            reinterpret_cast<LPARAM>(child));
    }
};

// The answer of the parent to a colour request of a child: brush colour and text colour.
struct ColorAnswer {
    COLORREF brush = CLR_INVALID, text = CLR_INVALID, back = CLR_INVALID;
};

inline ColorAnswer askColors(HWND child, UINT message) {
    ColorAnswer a;
    HDC dc = GetDC(child);
    auto brush = reinterpret_cast<HBRUSH>(SendMessageA(
        GetParent(child), message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(child)));
    LOGBRUSH lb{};
    if (brush && GetObjectA(brush, sizeof lb, &lb)) a.brush = lb.lbColor;
    a.text = GetTextColor(dc);
    a.back = GetBkColor(dc);
    ReleaseDC(child, dc);
    return a;
}

} // namespace controls_test
