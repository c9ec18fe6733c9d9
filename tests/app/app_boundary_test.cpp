// The application core stays free of the toolkit and of the window layers:
// its tests run without a display.
#include "support/include_check.h"

TEST(AppBoundaryTest, IncludesNothingOfTheToolkitOrTheWindowLayers) {
    qf::test::ExpectNoIncludesOf("app", {"<wx/", "\"wx/", "\"platform/ui/", "\"viewport/", "\"tools/",
                                         "\"controls/", "\"shell/", "\"materials/", "\"dialogs/", "\"render/",
                                         "\"formats/", "\"resources/"});
}
