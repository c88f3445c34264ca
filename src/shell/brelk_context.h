// What every part of the tuning program works with: the application, the platform services,
// the program's resources, its folder and its command line.
#pragma once

#include "platform/platform.h"
#include "ui/application.h"
#include "ui/resources.h"

#include <string>
#include <vector>

namespace ui {
class Form;
}

namespace brelk {

struct Context {
    ui::Application& app;
    platform::Platform& platform;
    const ui::ResourceStore& resources;
    // The folder of the running brelk.exe, with its trailing backslash.
    std::string programFolder;
    // The command-line parameters, without the program's own name.
    std::vector<std::string> params;
    // The customisation dialog (Form7) once it is created.
    ui::Form* form7 = nullptr;

    std::string modulesFile(const std::string& name) const {
        return programFolder + "modules\\" + name;
    }
};

} // namespace brelk
