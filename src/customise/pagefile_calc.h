// The page-file recommendation of the customisation dialog: a size by user profile and memory,
// and the drive with the most free space.
#pragma once

#include "shell/brelk_context.h"

#include <array>
#include <cstdint>
#include <string>

namespace brelk {

class CustomiseWindow;

// Fills the dialog's page-file fields Edit1-Edit3 and writes the three page-file values of the
// program's registry key. Does nothing while the dialog does not exist.
void pagefilecalc(Context& ctx);
void pagefilecalc(CustomiseWindow& w);

enum class UserProfile { Average, PowerUser, Gamer };

// The page-file size in MB for a profile and the physical memory in MB. Memory below the
// table's first band counts as that band, memory above its last band as the last band.
int pageFileSize(UserProfile profile, std::int64_t memoryMegabytes);

// The lower-case letter of the drive among C: to F: whose free bytes are strictly larger than
// each other drive's and more than 50 whole MB; empty when there is none.
std::string chooseDriveLetter(const std::array<std::int64_t, 4>& freeBytes);

} // namespace brelk
