#include "ui/errors.h"

#include <gtest/gtest.h>

TEST(LayoutError, NamesTheLine) {
    ui::ELayoutError e(12, "unknown class 'TFoo'");
    EXPECT_STREQ(e.what(), "line 12: unknown class 'TFoo'");
    EXPECT_EQ(e.line(), 12);
}
