// A working Windows XP machine on the fake platform, with brelk's program folder shipped and
// its first start done: what most tests of the tuning program start from.
#pragma once

#include "platform/fake/fake_platform.h"
#include "support/shipped_pictures.h"

#include <string>

namespace testing_support {

inline void setWindowsValue(platform::FakePlatform& fake, const std::string& name,
                            const std::string& text) {
    fake.registry
        .createKey(platform::RootKey::LocalMachine,
                   "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion")
        ->writeString(name, text);
}

inline void prepareWorkingMachine(platform::FakePlatform& fake) {
    fake.files.addFile(fake.files.programFolder() + "modules\\brelk.ini",
                       "[Options]\r\nversion=5.0\r\nfirststart=0\r\n");
    addShippedPictures(fake.files, fake.files.programFolder());
    setWindowsValue(fake, "ProductName", "Microsoft Windows XP");
    setWindowsValue(fake, "PathName", "C:\\WINDOWS");
    setWindowsValue(fake, "RegisteredOwner", "Anna Berger");
    setWindowsValue(fake, "RegisteredOrganization", "Berger GmbH");
    fake.registry
        .createKey(platform::RootKey::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion")
        ->writeString("ProgramFilesDir", "C:\\Programme");
}

} // namespace testing_support
