#include <gtest/gtest.h>

#include "shell/info_text.h"
#include "shell/window_placement.h"

namespace zerkon {
namespace {

TEST(InformationTextTest, NamesThePayrollDataFolderWithSingleBackslashes) {
    EXPECT_EQ(InformationText("C:\\RALwin", "C:\\Zerkon\\"),
              "Cesta k ELPD09: C:\\RALwin\\SOURCERAL\\\r\n");
    // Without the payroll program the program's own folder, which ends with a backslash.
    EXPECT_EQ(InformationText("", "C:\\Zerkon\\"), "Cesta k ELPD09: C:\\Zerkon\\SOURCERAL\\\r\n");
    EXPECT_EQ(InformationText("C:\\RAL\\", ""), "Cesta k ELPD09: C:\\RAL\\SOURCERAL\\\r\n");
}

TEST(PlaceWindowTest, CentresOverTheOwner) {
    const WindowPlacement p = PlaceWindow(200, 100, 0, 0, {100, 100, 500, 400}, 1000, false);
    EXPECT_EQ(p.left, 200);
    EXPECT_EQ(p.top, 200);
    EXPECT_EQ(p.width, 200);
    EXPECT_EQ(p.height, 100);
    EXPECT_FALSE(p.resizable);
}

TEST(PlaceWindowTest, TooTallWindowShrinksToTheWorkAreaAndWidens) {
    WindowPlacement p = PlaceWindow(487, 522, 0, 0, {0, 0, 800, 450}, 450, true);
    EXPECT_TRUE(p.resizable);
    EXPECT_EQ(p.height, 350);
    EXPECT_EQ(p.width, 514);
    p = PlaceWindow(487, 522, 0, 0, {0, 0, 800, 450}, 450, false);
    EXPECT_EQ(p.width, 507);
    // Exactly the work area's height still fits.
    EXPECT_FALSE(PlaceWindow(487, 450, 0, 0, {0, 0, 800, 450}, 450, true).resizable);
    // At 144 DPI the fixed amounts are 150, 41 and 30 pixels.
    p = PlaceWindow(731, 783, 0, 0, {0, 0, 1200, 675}, 675, true, 144);
    EXPECT_EQ(p.height, 525);
    EXPECT_EQ(p.width, 772);
    EXPECT_EQ(PlaceWindow(731, 783, 0, 0, {0, 0, 1200, 675}, 675, false, 144).width, 761);
}

TEST(PlaceWindowTest, NeverStartsAboveTheScreen) {
    EXPECT_EQ(PlaceWindow(200, 600, 0, 0, {0, 0, 300, 100}, 1000, false).top, 0);
}

}  // namespace
}  // namespace zerkon
