// The script control "MSScriptControl.ScriptControl", driven by late binding.
#pragma once

#include "platform/script_host.h"

namespace platform {

class Win32ScriptHost : public ScriptHost {
  public:
    std::int32_t evaluateAndCall(const std::string& language, const std::string& expression,
                                 const std::string& method,
                                 const std::vector<ScriptArgument>& arguments) override;
};

} // namespace platform
