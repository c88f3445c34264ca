// Feeds arbitrary text to the layout reader and, when it parses, through the writer and back:
// the canonical text must read back to the same tree. A parsed layout is also loaded into a
// form, which exercises the property conversions, the class registry and the skin's region.
#include "ui/application.h"
#include "ui/class_registry.h"
#include "ui/errors.h"
#include "ui/form.h"
#include "ui/headless.h"
#include "ui/layout_text.h"
#include "ui/resources.h"

#include <cstdlib>
#include <string>

namespace {

class NoResources : public ui::ResourceStore {
  public:
    std::optional<std::string> load(const std::string&) const override { return std::nullopt; }
};

bool sameTree(const ui::LayoutObject& a, const ui::LayoutObject& b) {
    if (a.inherited != b.inherited || a.name != b.name || a.className != b.className ||
        a.properties != b.properties || a.children.size() != b.children.size()) {
        return false;
    }
    for (size_t i = 0; i < a.children.size(); ++i) {
        if (!sameTree(a.children[i], b.children[i])) return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    ui::LayoutObject tree;
    try {
        tree = ui::parseLayout(text);
    } catch (const ui::ELayoutError&) {
        return 0;
    }
    const std::string canonical = ui::writeLayout(tree);
    if (!sameTree(ui::parseLayout(canonical), tree)) std::abort();
    if (ui::writeLayout(ui::parseLayout(canonical)) != canonical) std::abort();

    ui::HeadlessBackend backend;
    ui::ScriptedDialogs dialogs;
    ui::Application app(backend, dialogs);
    ui::Form form(app, tree.className);
    NoResources resources;
    try {
        form.loadLayout(canonical, ui::ClassRegistry::standard(), resources);
    } catch (const ui::Exception&) {
    }
    return 0;
}
