#include "customise/kestovar_key.h"

#include "shell/page_file_setting.h"

namespace brelk {
namespace {

constexpr const char* kKestovar = "SOFTWARE\\Kestovar";

} // namespace

bool writeKestovarValue(platform::Platform& p, const std::string& name, const std::string& text) {
    auto key = p.registry.createKey(platform::RootKey::LocalMachine, kKestovar);
    if (!key) return false;
    key->writeString(name, text);
    return true;
}

void writePageFileValues(platform::Platform& p, const std::string& minimum,
                         const std::string& maximum, const std::string& drive) {
    auto key = p.registry.createKey(platform::RootKey::LocalMachine, kKestovar);
    if (!key) return;
    key->writeString("Pagefilmin", minimum);
    key->writeString("Pagefilemax", maximum);
    key->writeString("Pagingfiles", drive + ":\\pagefile.sys " + minimum + " " + maximum);
}

bool storePageFileSetting(platform::Platform& p, const std::string& minimum,
                          const std::string& maximum, const std::string& drive) {
    if (!checkPageFileSetting(minimum, maximum, drive).ok()) return false;
    writePageFileValues(p, minimum, maximum, drive);
    return true;
}

} // namespace brelk
