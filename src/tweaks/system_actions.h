// System queries and actions of the tweak engine outside the registry primitive: Active
// Desktop, special folders, folders and shortcuts, colour depth, the installed Office version,
// the icon cache and the display's colour depth. None of them shows a message.
#pragma once

#include "platform/platform.h"

#include <string>

namespace brelk {

// Raises platform::OleError when the Active Desktop object or its interface is missing.
void SetActiveDesktop(platform::Platform& p, bool on);
// False also when Active Desktop is not available.
bool IsActiveDesktopOn(platform::Platform& p);

// The special folder's path with a trailing backslash; path stays as passed when the system
// does not know the folder.
void GetSpecialFolderPath(platform::Platform& p, int csidl, std::string& path);

// True when the folder was created or already exists.
bool CreateFolder(platform::Platform& p, const std::string& path);

// False when the shell link object is missing; a link that cannot be saved is not reported.
bool CreateShortcut(platform::Platform& p, const std::string& target, const std::string& linkFile,
                    const std::string& description);

// The screen's colour depth as "4-Bit", "8-Bit", "16-Bit", "24-Bit" or "32-Bit"; any other
// depth leaves text unchanged.
void colourdepth(platform::Platform& p, std::string& text);

// The major version of the installed Word from its CurVer entry: "6", "8", "9", "10" or "11";
// "unbekanntes Office" for another version, "kein Office" without an entry or without a dot
// in it. A version suffix that is not a number raises ui::EConvertError.
void officeversion(platform::Platform& p, std::string& text);

// Tells the running programs that the window metrics changed.
void broadcastsettings(platform::Platform& p);

// Makes the shell rebuild its icon cache: the current user's "Shell Icon Size" is lowered by
// one and put back, each change broadcast. False (and nothing changed) without that value; a
// value that is not a number raises ui::EConvertError.
bool refreshiconcache(platform::Platform& p);

// Switches the display to the first listed mode with exactly these facts that the system
// accepts, and announces it; false when no listed mode matched and was accepted.
bool setdisplaymode(platform::Platform& p, int width, int height, int bitsPerPixel,
                    int refreshRate);

// Drops the display to 16 bits per pixel at the same resolution and refresh rate when it has
// more; a display of 16 bits or less is left alone.
void neueAufloesung(platform::Platform& p);

} // namespace brelk
