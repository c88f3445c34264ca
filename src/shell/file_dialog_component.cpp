#include "shell/file_dialog_component.h"

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
    for (const auto& f : kFields) {
        if (strcasecmp(p.name.c_str(), f.name) == 0) {
            options_.*f.field = ui::propString(p);
            return true;
        }
    }
    return ui::Component::applyProperty(p, ctx);
}

} // namespace brelk
