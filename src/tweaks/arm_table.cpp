// The arms of every category, found by id.
#include "tweaks/tuning_arms.h"
#include "tweaks/tuning_run.h"

#include <array>

namespace brelk {

namespace {

constexpr const char* kCurrentVersion = "\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

// Windows' registered owner and organisation from the tuning page, written on every run.
const ArmEntry kFrameArms[] = {
    {ArmId::ownerAndOrganisation,
     {RegStep{"lm", "str", kCurrentVersion, "RegisteredOwner", "Edit3", always(19), mainEditText},
      RegStep{"lm", "str", kCurrentVersion, "RegisteredOrganization", "Edit4", always(20),
              mainEditText}}},
};

using ArmIndex = std::array<const Arm*, static_cast<std::size_t>(ArmId::count)>;

ArmIndex buildIndex() {
    ArmIndex index{};
    for (auto table : {frameArms(), performanceArms(), appearanceArms(), internetArms(),
                       securityArms(), antiSpyingArms(), programOptionArms()})
        for (const ArmEntry& entry : table)
            index[static_cast<std::size_t>(entry.id)] = &entry.arm;
    return index;
}

} // namespace

std::optional<std::string> mainEditText(TuningRun& run, std::string_view edit) {
    return run.editText(std::string(edit));
}

std::optional<std::string> form7EditText(TuningRun& run, std::string_view edit) {
    return run.form7Text(std::string(edit));
}

std::optional<std::string> inWindowsFolder(TuningRun& run, std::string_view text) {
    return run.editText("Edit1") + std::string(text);
}

std::optional<std::string> inProgramFolder(TuningRun& run, std::string_view text) {
    // These values are commands Windows starts at logon: never cut, like every such command.
    const std::string file(text);
    return programFolderCommand(run, file,
                                [&file](const std::string& folder) { return folder + file; });
}

std::span<const ArmEntry> frameArms() {
    return kFrameArms;
}

const Arm& armFor(ArmId id) {
    static const Arm empty;
    static const ArmIndex index = buildIndex();
    const Arm* arm = index[static_cast<std::size_t>(id)];
    return arm ? *arm : empty;
}

} // namespace brelk
