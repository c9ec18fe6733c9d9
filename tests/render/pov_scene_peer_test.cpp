// POV-Ray 3.7 renders what we write: a cube as bicubic patches and as a mesh
// and mesh2 (bezier_patch is a MegaPOV keyword), and a polygon object, each
// alone through each pane's camera, with materials of several element kinds,
// every light type, Japanese names, an include file and a declared name that
// need escaping, and an object without geometry to declare.
#include "pov_fixture.h"
#include "render/pov_files.h"
#include "support/image.h"
#include "support/run_program.h"

using namespace qf::test;

class PovScenePeerTest : public PovFixture {
protected:
    void SetUp() override {
        if (!IsOnPath("povray"))
            GTEST_SKIP() << "povray is not installed";
        // It declares what the mistyped declared name below turns into.
        const std::string odd = dir.File("odd \"name\" \\.inc");
        WriteFileBytes(odd, "#declare P_Odd_name = pigment { rgb <0.9, 0.6, 0.1> }\n");
        doc->m_includeFiles = {odd};
        info.official_version = "3.7";
        info.light_parallel = info.light_orient = info.light_circular = 1;
        setting.render_pane_flag = setting.rendering_type = 1;
        setting.image_w = 96;
        setting.image_h = 72;

        CMaterialData* checker = doc->AddMaterial();
        checker->m_name = "市松";
        CTextureData& t = checker->m_texture;
        t.m_pigment.m_kind = pigmentChecker;
        t.m_pigment.m_colors[0].m_color = 0x0000FF;
        t.m_useNormal = t.m_useFinish = checker->m_useInterior = 1;
        t.m_normal.m_pattern.m_pattern = patternBumps;
        t.m_finish.m_phong = 0.8f;
        checker->m_interior.m_ior = 1.3f;
        CPigmentData& declared = doc->AddMaterial()->m_texture.m_pigment;
        declared.m_kind = pigmentDeclared;
        declared.m_declaredName = "P_Odd\"name";

        for (int type : {lightPoint, lightSpot, lightCylinder, lightArea}) {
            CLightData* light = doc->AddLight();
            light->m_name = "ライト";
            light->m_location = {3, 8, -6};
            light->m_type = type;
            light->m_fadeOn = light->m_parallel = type == lightCylinder;
            light->m_areaSpotlight = light->m_jitter = light->m_circular = light->m_orient =
                type == lightArea;
        }
    }

    // Renders the pane's view and expects the object in the middle of the picture.
    void ExpectObjectSeen(int pane, const std::string& name) {
        setting.render_pane = pane;
        CPovSceneWriter writer;
        writer.SetRendererInfo(&info);
        writer.SetRenderSetting(&setting);
        const std::string scene = dir.File(name + ".pov");
        std::string error;
        ASSERT_TRUE(
            WritePovFiles(writer, {scene, dir.File(name + "_obj.inc"), CString(name + "_obj.inc")}, &error))
            << error;
        const std::string png = (OutputDir() / (name + ".png")).string();
        const std::string log = (OutputDir() / (name + ".log")).string();
        ASSERT_EQ(
            RunProgram({"povray", "+W96", "+H72", "-D", "+L" + dir.path().string(), "+I" + scene, "+O" + png},
                       log),
            0)
            << "see " << log;
        Image image;
        ASSERT_TRUE(LoadPng(png, image)) << png;
        Image middle{24, 18, {}};
        for (int y = 27; y < 45; ++y)
            for (int x = 36; x < 60; ++x)
                for (int shift : {16, 8, 0})
                    middle.rgb.push_back(static_cast<uint8_t>(image.At(x, y) >> shift));
        EXPECT_GT(CountPixelsNot(middle, 0x969696, 2), 24 * 18 / 4) << name << ": background only";
    }
};

TEST_F(PovScenePeerTest, EveryGeometryFormThroughEachCamera) {
    CSpatchObj* patches = AddObject(MakeCube(1.5f), "立方体");
    UseMaterial(patches, 0, doc->m_materials.GetHead()->m_id);
    CSpatchObj* polygons = AddObject(MakeCube(1.5f), "polygons");
    polygons->SetPolygonize(1);
    polygons->SetSmoothOn(1);
    UseMaterial(polygons, 0, doc->m_materials.GetAtIndex(1)->m_id);
    AddObject(std::make_unique<CSpatchObj>(), "no faces")->SetPolygonize(1);
    CPolygonObj* poly = doc->AddPolygonObject();
    poly->SetName("ポリゴン");
    // A square across the origin that no camera sees edge-on.
    for (const CVector3& p : {CVector3(-2.25f, 0.75f, 1.5f), CVector3(0.75f, -2.25f, 1.5f),
                              CVector3(-0.75f, 2.25f, -1.5f), CVector3(2.25f, -0.75f, -1.5f)})
        poly->AddVertex(p.GetX(), p.GetY(), p.GetZ());
    poly->SetQuadFace(poly->AddFace(), 0, 1, 3, 2);
    poly->BuildTopology();
    poly->ComputeNormals();

    CBaseObj* const objects[] = {patches, polygons, poly};
    for (int polygonType : {0, 1}) {
        info.output_polygon_type = polygonType;
        for (int shown = 0; shown < 3; ++shown) {
            for (int i = 0; i < 3; ++i)
                objects[i]->SetExport(i == shown);
            for (int pane = 0; pane < kPaneCount; ++pane)
                ExpectObjectSeen(pane, (polygonType ? "mesh2_" : "mesh_") + std::to_string(shown) + "_pane" +
                                           std::to_string(pane));
        }
    }
}
