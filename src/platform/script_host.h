// The system's script control: evaluates an expression in a script language and calls a
// method of the automation object that the expression gives, by name, as a script would.
#pragma once

#include "ui/errors.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace platform {

using ScriptArgument = std::variant<std::string, std::int32_t>;

// Raised when the script control, the expression or the method call fails; the message is the
// system's description of the failure.
class ScriptError : public ui::Exception {
  public:
    using ui::Exception::Exception;
};

class ScriptHost {
  public:
    virtual ~ScriptHost() = default;

    // Sets the control's language, evaluates the expression, calls the method on the object it
    // gives and returns the call's result as a number. Raises ScriptError when a step fails.
    virtual std::int32_t evaluateAndCall(const std::string& language, const std::string& expression,
                                         const std::string& method,
                                         const std::vector<ScriptArgument>& arguments) = 0;
};

} // namespace platform
