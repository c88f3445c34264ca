#include "customise/pagefile_calc.h"

namespace brelk {

void pagefilecalc(Context&) {
    // Completed with the customisation dialog's page-file panel.
}

} // namespace brelk
