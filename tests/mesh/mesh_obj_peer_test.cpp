// assimp reads a built display mesh written as a plain Wavefront OBJ and
// finds the same vertices and faces.
#include "mesh/mesh_converter.h"
#include "mesh/patch_mesh.h"
#include "support/mesh_builders.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <locale>
#include <regex>
#include <sstream>

using namespace qf::test;

namespace {

std::string MeshAsObj(const CPatchMesh& mesh) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    for (const CFloat3& p : mesh.m_vertices.m_positions)
        out << "v " << p.x << ' ' << p.y << ' ' << p.z << '\n';
    for (const auto* faces : {&mesh.m_faces.m_triangles, &mesh.m_faces.m_quads}) {
        for (const CMeshFace& face : *faces) {
            out << 'f';
            for (int k = 0; k < face.count; ++k)
                out << ' ' << face.vertex[k] + 1;
            out << '\n';
        }
    }
    return out.str();
}

// The number after "label:" in assimp's report; -1 when missing.
int ReportedCount(const std::string& report, const std::string& label) {
    std::smatch match;
    if (std::regex_search(report, match, std::regex(label + R"(:\s+(\d+))")))
        return std::stoi(match[1].str());
    return -1;
}

} // namespace

TEST(MeshObjPeerTest, AssimpCountsTheSameVerticesAndFaces) {
    if (!IsOnPath("assimp"))
        GTEST_SKIP() << "assimp (assimp-utils) is not installed";
    // A closed box at grid resolution: quads only, every vertex used.
    auto box = MakeClosedBox();
    CPatchMesh mesh;
    CMeshConverter().BuildMesh(&mesh, box.get(), 4);
    ASSERT_EQ(mesh.m_faces.QuadCount(), 96);

    TempDir dir;
    const std::string file = dir.File("box.obj");
    WriteFileBytes(file, MeshAsObj(mesh));
    const std::string log = (OutputDir() / "assimp-box.log").string();
    const std::string rawLog = (OutputDir() / "assimp-box-raw.log").string();
    ASSERT_EQ(RunProgram({"assimp", "info", file}, log), 0) << "see " << log;
    ASSERT_EQ(RunProgram({"assimp", "info", file, "--raw"}, rawLog), 0) << "see " << rawLog;
    const std::string joined = ReadFileBytes(log);
    const std::string raw = ReadFileBytes(rawLog);
    EXPECT_EQ(ReportedCount(raw, "Faces"), mesh.m_faces.QuadCount()) << raw;
    // With its default steps assimp joins the corners that share a position
    // and splits each quad into two triangles.
    EXPECT_EQ(ReportedCount(joined, "Vertices"), mesh.m_vertices.GetCount()) << joined;
    EXPECT_EQ(ReportedCount(joined, "Faces"), 2 * mesh.m_faces.QuadCount()) << joined;
}
