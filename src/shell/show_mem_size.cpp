#include "shell/show_mem_size.h"

#include "shell/main_window.h"
#include "ui/input_controls.h"

namespace brelk {

std::string memorySizeText(std::uint64_t mb) {
    struct RoundUp {
        const char* from;
        const char* to;
    };
    static constexpr RoundUp kRoundUps[] = {{"31", "32"},   {"63", "64"},   {"95", "96"},
                                            {"127", "128"}, {"255", "256"}, {"383", "384"},
                                            {"511", "512"}};
    std::string text = std::to_string(mb);
    for (const auto& r : kRoundUps) {
        if (text == r.from) text = r.to;
    }
    return text;
}

void showmemsize(MainWindow& w) {
    const auto memory = w.ctx.platform.system.memoryStatus();
    w.c<ui::Edit>("Edit2").setText(memorySizeText(memory.totalPhysical >> 20));
    w.state.pagefileMb = memory.totalPageFile >> 20;
}

} // namespace brelk
