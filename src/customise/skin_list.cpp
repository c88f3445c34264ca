#include "customise/skin_list.h"

namespace brelk {

void labeltest2(Context&) {
    // Completed with the customisation dialog's skin panel.
}

} // namespace brelk
