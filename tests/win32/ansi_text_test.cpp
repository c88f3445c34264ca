// Literals reach the Win32 build as Windows-1252 already; ansiText leaves them as they are.
#include "ui/cp1252.h"

#include <gtest/gtest.h>

TEST(AnsiText, Win32LiteralsAreWindows1252) {
    EXPECT_EQ(ui::ansiText("Größe für Explorer®\u00a0>"), "Gr\xF6\xDF"
                                                          "e f\xFCr Explorer\xAE\xA0>");
}
