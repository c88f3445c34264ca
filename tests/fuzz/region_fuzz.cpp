// Feeds arbitrary bytes to the region-stream reader; a stream it accepts must write back to
// exactly the same bytes when its header is in the canonical form.
#include "ui/errors.h"
#include "ui/region.h"

#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string_view stream(reinterpret_cast<const char*>(data), size);
    try {
        auto region = ui::readRegionStream(stream);
        const auto back = ui::writeRegionStream(region ? &*region : nullptr);
        // The only freedom of the reader: a zero rectangle-byte field in the header.
        if (back.size() != size) std::abort();
        if (region && ui::readRegionStream(std::string_view(
                          reinterpret_cast<const char*>(back.data()), back.size())) != region) {
            std::abort();
        }
    } catch (const ui::ELayoutError&) {
    }
    return 0;
}
