// A stand-in program (the updater, the tuning program): records that it was started by writing
// "started.txt" beside itself, with its command line on the second line, then ends.
#include <windows.h>

#include <cstdio>
#include <string>

int main() {
    char path[MAX_PATH] = {};
    const DWORD size = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string marker(path, size);
    marker = marker.substr(0, marker.find_last_of('\\') + 1) + "started.txt";
    if (FILE* f = std::fopen(marker.c_str(), "w")) {
        std::fputs("started\n", f);
        std::fputs(GetCommandLineA(), f);
        std::fputs("\n", f);
        std::fclose(f);
    }
    return 0;
}
