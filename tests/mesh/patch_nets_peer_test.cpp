#include "model/spatch_obj.h"
#include "support/image.h"
#include "support/model_builders.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <locale>
#include <sstream>

using namespace qf::test;

namespace {

void WriteNet(std::ostream& out, const PatchNet& net) {
    out << "bicubic_patch { type 1 flatness 0 u_steps 3 v_steps 3\n";
    for (int i = 0; i < 16; ++i) {
        const CVector3 p = GetNetPoint(net, i);
        out << (i ? ", " : "  ") << "<" << p.GetX() << ", " << p.GetY() << ", " << p.GetZ() << ">";
    }
    out << "\n  pigment { color rgb 1 } }\n";
}

// A throw-away scene: every net of the object as a white bicubic patch, seen
// from above against black.
std::string SceneOf(const CSpatchObj& obj) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << "background { color rgb 0 }\n"
           "camera { location <0.4, 4.5, -1> look_at <0.4, 0, 0> }\n"
           "light_source { <3, 10, -4> color rgb 1 }\n";
    for (const CPatch* p : obj.GetPatches())
        for (int k = 0; k < p->NetCount(); ++k)
            WriteNet(out, p->Net(k));
    for (const CFivePointPatch* p : obj.GetFivePatches())
        for (const PatchNet& net : p->m_nets)
            WriteNet(out, net);
    return out.str();
}

} // namespace

TEST(PatchNetsPeerTest, PovRayDrawsTheNets) {
    if (!IsOnPath("povray"))
        GTEST_SKIP() << "povray is not installed";
    auto obj = MakePentagonWithNeighbours();
    obj->Rebuild();
    obj->UpdatePatchNets();
    ASSERT_EQ(obj->GetPatches().GetCount() + obj->GetFivePatches().GetCount(), 3);

    TempDir dir;
    const std::string scene = dir.File("nets.pov");
    const std::string picture = dir.File("nets.png");
    WriteFileBytes(scene, SceneOf(*obj));
    const std::string log = (OutputDir() / "povray-nets.log").string();
    ASSERT_EQ(RunProgram({"povray", "+W64", "+H48", "-D", "+I" + scene, "+O" + picture}, log), 0)
        << "povray refused the scene; see " << log;
    Image image;
    ASSERT_TRUE(LoadPng(picture, image));
    std::filesystem::copy_file(picture, OutputDir() / "povray-nets.png",
                               std::filesystem::copy_options::overwrite_existing);
    EXPECT_GT(CountPixelsNot(image, 0x000000, 8), 64 * 48 / 10) << "the patches cover part of the picture";
}
