// The model sits below the mesh, application and window layers, and the mesh
// below the application: neither includes the headers of a layer above it nor
// anything of the toolkit.
#include "support/include_check.h"

TEST(ModelBoundaryTest, IncludesNothingFromTheLayersAbove) {
    const std::vector<std::string> windows = {"<wx/", "\"wx/", "\"platform/ui/", "\"viewport/", "\"tools/",
                                              "\"controls/", "\"shell/", "\"dialogs/", "\"resources/"};
    std::vector<std::string> aboveModel = windows;
    aboveModel.insert(aboveModel.end(), {"\"mesh/", "\"app/", "\"render/", "\"formats/"});
    qf::test::ExpectNoIncludesOf("model", aboveModel);
    std::vector<std::string> aboveMesh = windows;
    aboveMesh.insert(aboveMesh.end(), {"\"app/", "\"render/", "\"formats/"});
    qf::test::ExpectNoIncludesOf("mesh", aboveMesh);
}
