// The two registry primitives of the tweak engine. Every registry change of a tuning run goes
// through applyregop, every value the scan reads through scanregvalue; each call first appends
// one line to the run log (Memo3).
//
// Root codes: "lm" the machine branch, "cr" the classes root, "cu" the current user, or the
// machine branch while the all-users switch (RadioButton4) is checked; the switch is read at
// every call. Kinds: "int" (a DWORD from decimal text), "str" (a string value), "del" (delete
// the value), "delkey" (delete the sub key named by the value name, with its sub keys),
// "createkey" (create the sub key named by the value name).
#pragma once

#include "platform/registry.h"

#include <array>
#include <string>

namespace ui {
class Memo;
class RadioButton;
} // namespace ui

namespace brelk {

class MainWindow;

// The scan table: entries 1 to 65, each at most 100 characters; entry 0 is not used.
using ScanTable = std::array<std::string, 66>;

class RegistryPrimitive {
  public:
    RegistryPrimitive(platform::Registry& registry, ui::Memo& runLog,
                      const ui::RadioButton& allUsers, ScanTable& scantable);

    // Applies one registry operation. The key is created (with its missing parents) for every
    // kind; when it can be neither opened nor created nothing else happens. A data text that is
    // not a number for "int", a refused write or a failed sub key creation raises, after the
    // log line has been written. An unknown kind does nothing.
    void applyregop(const std::string& key, const std::string& valueName, const std::string& data,
                    const std::string& rootCode, const std::string& kind);

    // Reads one value into scantable[index] ("int" and "del" a DWORD as decimal text, "str" a
    // string, "" when missing, also with its key). It never writes: the key is opened for reading,
    // and a missing or mistyped value (or an index outside 1..65) leaves the entry as it was. The
    // default is only logged.
    void scanregvalue(const std::string& key, const std::string& valueName,
                      const std::string& defaultValue, int index, const std::string& rootCode,
                      const std::string& kind);

  private:
    platform::RootKey root(const std::string& rootCode) const;

    platform::Registry& registry_;
    ui::Memo& runLog_;
    const ui::RadioButton& allUsers_;
    ScanTable& scantable_;
};

// The primitives on the main window's registry, run log, all-users switch and scan table.
RegistryPrimitive registryPrimitiveOf(MainWindow& w);

void applyregop(MainWindow& w, const std::string& key, const std::string& valueName,
                const std::string& data, const std::string& rootCode, const std::string& kind);
void scanregvalue(MainWindow& w, const std::string& key, const std::string& valueName,
                  const std::string& defaultValue, int index, const std::string& rootCode,
                  const std::string& kind);

} // namespace brelk
