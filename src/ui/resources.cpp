#include "ui/resources.h"

#include "ui/form.h"

#include <fstream>
#include <sstream>

namespace ui {

std::optional<std::string> DirectoryResourceStore::load(const std::string& name) const {
    // Resource names are file names without folders; anything else is not a resource.
    if (name.empty() || name.find_first_of("/\\") != std::string::npos || name[0] == '.') {
        return std::nullopt;
    }
    const std::string file = lowerCase(name);
    for (const char* folder : {"/layouts/", "/art/"}) {
        std::ifstream in(root_ + folder + file, std::ios::binary);
        if (in) {
            std::ostringstream data;
            data << in.rdbuf();
            return data.str();
        }
    }
    return std::nullopt;
}

} // namespace ui
