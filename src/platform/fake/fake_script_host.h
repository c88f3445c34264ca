// A script control for tests: records each call and answers with a set result or error.
#pragma once

#include "platform/script_host.h"

#include <optional>

namespace platform {

class FakeScriptHost : public ScriptHost {
  public:
    struct Call {
        std::string language, expression, method;
        std::vector<ScriptArgument> arguments;
    };

    std::int32_t evaluateAndCall(const std::string& language, const std::string& expression,
                                 const std::string& method,
                                 const std::vector<ScriptArgument>& arguments) override {
        calls.push_back({language, expression, method, arguments});
        if (error) throw ScriptError(*error);
        return result;
    }

    std::int32_t result = 0;
    std::optional<std::string> error;
    std::vector<Call> calls;
};

} // namespace platform
