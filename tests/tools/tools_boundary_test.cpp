// The mouse tools reach their pane only through its tool interface, so they
// build and run without the toolkit or a window.
#include "support/include_check.h"

TEST(ToolsBoundaryTest, IncludesNothingOfTheToolkitOrTheWindowLayers) {
    qf::test::ExpectNoIncludesOf("tools", {"<wx/", "\"wx/", "\"platform/ui/", "\"viewport/", "\"controls/",
                                           "\"shell/", "\"dialogs/", "<GL/"});
}
