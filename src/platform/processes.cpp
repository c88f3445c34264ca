#include "platform/processes.h"

#include "platform/text_case.h"

namespace platform {

bool sameExecutable(const std::string& snapshotName, const std::string& exeName) {
    const std::size_t slash = snapshotName.find_last_of('\\');
    const std::string_view bare = slash == std::string::npos
                                      ? std::string_view(snapshotName)
                                      : std::string_view(snapshotName).substr(slash + 1);
    return equalsIgnoreCase(bare, exeName);
}

} // namespace platform
