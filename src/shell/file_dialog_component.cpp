#include "shell/file_dialog_component.h"

#include "ui/application.h"
#include "ui/form.h"
#include "ui/load_context.h"
#include "ui/property_values.h"

#include <strings.h>

namespace brelk {

bool FileDialogComponent::applyProperty(const ui::LayoutProperty& p, ui::LoadContext& ctx) {
    const struct {
        const char* name;
        std::string ui::FileDialogOptions::*field;
    } kFields[] = {
        {"FileName", &ui::FileDialogOptions::fileName},
        {"Filter", &ui::FileDialogOptions::filter},
        {"InitialDir", &ui::FileDialogOptions::initialDir},
        {"Title", &ui::FileDialogOptions::title},
        {"DefaultExt", &ui::FileDialogOptions::defaultExt},
    };
    if (strcasecmp(p.name.c_str(), "OnSelectionChange") == 0) {
        onSelectionChange = ctx.handler(p);
        return true;
    }
    for (const auto& f : kFields) {
        if (strcasecmp(p.name.c_str(), f.name) == 0) {
            options_.*f.field = ui::propString(p);
            return true;
        }
    }
    return ui::Component::applyProperty(p, ctx);
}

bool FileDialogComponent::execute() {
    ui::FileDialogOptions o = options_;
    o.selectionChanged = [this](const std::string& path) {
        selection_ = path;
        fire(onSelectionChange);
    };
    std::optional<std::string> chosen;
    try {
        chosen = form()->app().dialogs().openFile(o);
    } catch (...) {
        selection_.reset();
        throw;
    }
    selection_.reset();
    if (chosen) options_.fileName = *chosen;
    return chosen.has_value();
}

} // namespace brelk
