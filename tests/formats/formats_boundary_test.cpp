// The exchange formats read and write files without a window: the toolkit
// and the window layers stay out, and so does the renderer beside them.
#include "support/include_check.h"

TEST(FormatsBoundaryTest, IncludesNothingOfTheToolkitOrTheWindowLayers) {
    qf::test::ExpectNoIncludesOf("formats",
                                 {"<wx/", "\"wx/", "\"platform/ui/", "\"viewport/", "\"tools/", "\"controls/",
                                  "\"shell/", "\"materials/", "\"dialogs/", "\"render/", "\"resources/"});
}
