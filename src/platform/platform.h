// All platform services, handed to the programs' logic as one bundle.
#pragma once

#include "platform/desktop.h"
#include "platform/file_system.h"
#include "platform/hardware.h"
#include "platform/network.h"
#include "platform/processes.h"
#include "platform/profiles.h"
#include "platform/registry.h"
#include "platform/script_host.h"
#include "platform/security.h"
#include "platform/shell.h"
#include "platform/system_info.h"

namespace platform {

struct Platform {
    Registry& registry;
    Profiles& profiles;
    FileSystem& files;
    Processes& processes;
    Shell& shell;
    Security& security;
    Network& network;
    SystemInfo& system;
    Desktop& desktop;
    ScriptHost& scripts;
    Hardware& hardware;
};

} // namespace platform
