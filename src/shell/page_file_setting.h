// The page-file setting that the customisation dialog's fields describe (minimum and maximum
// size in MB and a drive letter), checked before it reaches the system or the program's key.
#pragma once

#include <string>

namespace brelk {

struct PageFileSetting {
    // "<drive>:\pagefile.sys <minimum> <maximum>", the form of the system's Pagingfiles value;
    // empty when the fields make no setting.
    std::string pagingFiles;
    // Why the fields make no setting, in German for the run log; empty for a sound setting.
    std::string problem;
    bool ok() const { return problem.empty(); }
};

// A sound setting needs one drive letter A to Z (either case), two whole numbers of MB (at
// most six digits each) and a minimum that is not above the maximum.
PageFileSetting checkPageFileSetting(const std::string& minimum, const std::string& maximum,
                                     const std::string& drive);

} // namespace brelk
