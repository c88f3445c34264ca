#include "shell/links.h"

#include "shell/main_window.h"

namespace brelk {
namespace {

// The window of the opened program or page starts minimised, beside the skinned window.
constexpr int kShowMinimized = 2;

struct OutsideLink {
    const char* handler;
    const char* address;
};

constexpr OutsideLink kOutsideLinks[] = {
    {"emailstart", "mailto:support@kestovar.example"},
    {"forumstart", "http://forum.partner.example/brelvanto/"},
    {"Prforumstart", "http://www.kestovar.example/forum/"},
};

} // namespace

void bindLinkHandlers(MainWindow& w) {
    for (const auto& link : kOutsideLinks) {
        w.bind(link.handler, [&w, &link](ui::Event&) {
            w.ctx.platform.shell.execute("open", link.address, "", "", kShowMinimized);
        });
    }
    // Nothing is saved on the way out: settings are written when the user acts.
    w.bind("beenden", [&w](ui::Event&) { w.app().terminate(); });
}

} // namespace brelk
