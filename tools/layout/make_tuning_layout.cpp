// Writes the tuning page's layout fragment, generated from the tweak-row table, into
// res/layouts. With --check it changes nothing and fails when the committed file differs.
//
//   make_tuning_layout [--check] [file]
#include "tweaks/tuning_layout.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

int main(int argc, char** argv) {
    bool check = false;
    std::string path = std::string(BRELK_RES_DIR) + "/layouts/" + brelk::tweaks::kTuningLayoutName;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--check") == 0) {
            check = true;
        } else if (argv[i][0] == '-') {
            std::fprintf(stderr, "usage: %s [--check] [file]\n", argv[0]);
            return 2;
        } else {
            path = argv[i];
        }
    }
    const std::string text = brelk::tweaks::tuningPageLayoutText();
    if (check) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream committed;
        committed << in.rdbuf();
        if (!in || committed.str() != text) {
            std::fprintf(stderr, "%s is out of date; run make_tuning_layout\n", path.c_str());
            return 1;
        }
        return 0;
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out.flush()) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return 1;
    }
    return 0;
}
