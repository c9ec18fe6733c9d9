// Whole small scenes and include files against the texts kept in
// tests/data/pov (QF_UPDATE_GOLDENS=1 rewrites them), the faults the writer
// must not have, and the number formatting of the geometry.
#include "golden.h"
#include "platform/base/c_locale.h"
#include "pov_fixture.h"
#include "render/pov_files.h"
#include "render/pov_format.h"
#include "support/include_check.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>

using namespace qf::test;

namespace {

bool Contains(const std::string& text, const std::string& piece) {
    return text.find(piece) != std::string::npos;
}

} // namespace

class PovGoldenTest : public PovFixture {
protected:
    // Lights of every kind and flag, one of them switched off.
    void AddLights() {
        for (int type : {lightSpot, lightPoint, lightCylinder, lightArea, lightPoint}) {
            CLightData* light = doc->AddLight();
            light->m_type = type;
            light->m_name = type == lightPoint ? "parallel\npoint" : "light";
            light->m_fadeOn = light->m_parallel = type == lightPoint;
            light->m_shadowless = light->m_circular = type == lightCylinder; // circular: area lights only
            light->m_mediaAttenuation = light->m_areaSpotlight = light->m_jitter = light->m_circular =
                light->m_orient = light->m_shadowPigmentOn = type == lightArea;
            light->m_mediaInteraction = type != lightArea;
            light->m_shadowPigmentColor = 0x102030;
        }
        doc->m_lights.GetHead()->m_location = {1, 2, 3};
        doc->m_lights.GetHead()->m_color = 0x0000FF;
        doc->m_lights.GetTail()->m_enabled = 0;
    }
};

TEST_F(PovGoldenTest, HdrSceneWithoutRenderSetting) {
    info.hdr = 1;
    doc->m_hdr.m_use = 1;
    doc->m_hdr.m_imageFile = "sky \"1\".hdr";
    doc->AddLight();
    ExpectGolden(Scene(false), "pov", "scene_hdr.pov");
}

TEST_F(PovGoldenTest, OfficialSceneWithRadiosityAndNoRenderCamera) {
    info.official_version = "3.7";
    info.radiosity_type = 0;
    info.hdr = 1;
    doc->m_hdr.m_use = 1; // no file: no sphere, lights as usual
    setting.use_radiosity = 1;
    setting.render_pane = 7;
    doc->m_includeFiles = {"colors.inc", "a\"b\\c\nd.inc"};
    ExpectGolden(Scene(), "pov", "scene_official.pov");
    // Only POV-Ray from 3.5 on refuses the first set's distance_maximum.
    info.official_version = "3.1";
    EXPECT_TRUE(Contains(Scene(), "\t\tdistance_maximum 0.000\n"));
    info.official_version = "3.7";
    info.is_official = 0;
    EXPECT_TRUE(Contains(Scene(), "\t\tdistance_maximum 0.000\n")) << "an unofficial build";
}

// POV-Ray 3.7 ignores an ambient finish while radiosity is on; older and
// unofficial renderers know no emission.
TEST_F(PovGoldenTest, TheLightingSphereGlowsByEmissionOnlyForRadiosityFromPovRay37) {
    info.hdr = 1;
    doc->m_hdr.m_use = 1;
    doc->m_hdr.m_imageFile = "sky.hdr";
    const struct {
        int official;
        const char* version;
        int radiosity;
        int radiosityType;
        const char* glow;
    } cases[] = {
        {1, "3.7", 1, 1, "emission"}, {1, "3.7", 1, 0, "emission"}, {1, "3.8", 1, 1, "emission"},
        {1, "3.7", 0, 1, "ambient"},  {1, "3.7", 1, 2, "ambient"},  {1, "3.6", 1, 1, "ambient"},
        {1, "3.5", 1, 0, "ambient"},  {0, "3.7", 1, 1, "ambient"},  {1, "new", 1, 1, "ambient"},
    };
    for (const auto& c : cases) {
        info.is_official = c.official;
        info.official_version = info.unofficial_version = c.version;
        setting.use_radiosity = c.radiosity;
        info.radiosity_type = c.radiosityType;
        EXPECT_TRUE(Contains(Scene(), std::string("\tfinish  { ") + c.glow + "<0.200, 0.200, 0.200>"))
            << c.version << (c.official ? " official" : " unofficial") << ", radiosity " << c.radiosity
            << " of type " << c.radiosityType;
    }
}

TEST_F(PovGoldenTest, FullScene) {
    info.is_official = 0;
    info.no_image = info.no_reflection = info.double_illuminate = 1;
    info.light_parallel = info.light_orient = info.light_circular = info.light_shadow_pigment = 1;
    info.post_process = info.pp_motion_blur = info.pp_focal_blur = info.pp_soft_glow = info.pp_depth = 1;
    info.pp_stars = info.pp_posterize = info.pp_normal = info.pp_clip_color = info.pp_invert = 1;
    info.pp_find_edge = info.radiosity_type = 1;
    CPostProcessData& pp = doc->m_postProcess;
    pp.m_focalBlurOn = pp.m_softGlowOn = pp.m_depthOn = pp.m_starsOn = pp.m_posterizeOn = pp.m_normalOn =
        pp.m_clipColorsOn = pp.m_invertOn = pp.m_findEdgesOn = 1;
    setting.use_radiosity = setting.render_pane_flag = setting.rendering_type = 1;
    setting.image_w = 800;
    setting.image_h = 600;
    setting.render_pane = 2;
    doc->m_renderBgColor = 0x00FF8040;
    CCamera& top = doc->m_cameras[0];
    top.m_angle = 90.0f;
    top.m_eye.Set(0, 10, 0);
    AddLights();

    for (const char* name : {"wood", "glass", "declared\nkind"})
        doc->AddMaterial()->m_name = name;
    CMaterialData* declared = doc->m_materials.GetAtIndex(2);
    declared->m_declared = 1;
    declared->m_declaredName = "M\"x\\y\nz";
    doc->m_materials.GetAtIndex(1)->m_texture.m_pigment.m_colors[0].m_color = 0x336699;

    AddObject(MakeFlatQuadGrid(1), "hidden")->SetExport(0);
    CSpatchObj* shown = AddObject(MakeFlatQuadGrid(1), "shown\n\"x\"");
    UseMaterial(shown, 1, declared->m_id)->m_translation = {1, 2, 3};
    UseMaterial(shown, 3, 999); // a deleted material: inactive
    for (auto set : {&CBaseObj::SetNoShadow, &CBaseObj::SetDoubleIlluminate, &CBaseObj::SetNoImage,
                     &CBaseObj::SetNoReflection, &CBaseObj::SetHollow})
        (shown->*set)(1);
    AddObject(MakeFlaggedPentagon(), "only five-sided")->SetFivePointOn(1); // declared, never placed
    // The default material gives its solid colour and finish.
    doc->m_defaultMaterial.m_colorType = 1;
    doc->m_defaultMaterial.m_useReference = 1;
    doc->m_defaultMaterial.m_referencedMaterial = doc->m_materials.GetAtIndex(1)->m_id;
    AddObject(MakeTriangle(), "default material");
    CFolderObj* folder = doc->AddFolder();
    folder->SetExport(0);
    doc->m_tree.MoveIntoFolder(AddObject(MakeFlatQuadGrid(1), "in folder"), folder);
    ExpectGolden(Scene(), "pov", "scene_full.pov");
    ExpectGolden(Include(), "pov", "include_full.inc");
}

TEST_F(PovGoldenTest, PatchForms) {
    info.bicubic_patch_type = 1;
    info.output_patch_level = 5;
    AddObject(MakeFlatQuadGrid(1), "quad");
    AddObject(MakeTriangle(), "triangle");
    AddObject(MakeFlaggedPentagon(), "pentagon")->SetFivePointOn(1);
    AddObject(MakeFlaggedPentagon(), "pentagon off")->SetFivePointOn(0);
    CSpatchObj* mirrored = AddObject(MakeFlatQuadGrid(1), "mirrored");
    mirrored->SetMirrorMode(1);
    ExpectGolden(Include(), "pov", "include_bicubic.inc");

    info.is_official = 0;
    info.patch_type = 1;
    doc->DeleteAllObjects();
    AddObject(MakeFlatQuadGrid(1), "quad");
    ExpectGolden(Include(), "pov", "include_bezier.inc");
}

TEST_F(PovGoldenTest, PolygonForms) {
    for (int smooth : {0, 1}) {
        CSpatchObj* obj = AddObject(MakeFlatQuadGrid(1), smooth ? "smooth" : "flat");
        obj->SetPolygonize(1);
        obj->SetSmoothOn(smooth);
    }
    CPolygonObj* poly = doc->AddPolygonObject();
    poly->SetName("polygon");
    for (float x : {0.0f, 1.0f, 2.0f})
        for (float y : {0.0f, 1.0f})
            poly->AddVertex(x, y, 0.0f);
    poly->SetQuadFace(poly->AddFace(), 0, 1, 3, 2);
    poly->SetTriFace(poly->AddFace(), 2, 3, 4);
    poly->BuildTopology();
    poly->ComputeNormals();
    doc->AddPolygonObject()->SetName("no faces");
    ExpectGolden(Include(), "pov", "include_mesh.inc");

    info.output_polygon_type = 1;
    doc->DeleteAllObjects();
    AddObject(MakeFlatQuadGrid(4), "grid")->SetPolygonize(1);
    ExpectGolden(Include(), "pov", "include_mesh2.inc");
}

// Objects whose geometry would have no valid body are neither declared nor
// placed; POV-Ray rejects a mesh without triangles.
TEST_F(PovFixture, ObjectsWithoutValidBodyAreLeftOut) {
    struct Case {
        const char* name;
        int polygonize, empty, polygonType, patchType, partner;
        bool declared;
    } const cases[] = {
        {"polygon type 2", 1, 0, 2, 0, 0, false},
        {"patch type 2", 0, 0, 0, 2, 0, false},
        {"polygon form without faces", 1, 1, 0, 0, 0, false},
        {"motion-blur partner keeps its geometry", 0, 0, 0, 0, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        doc->DeleteAllObjects();
        info.output_polygon_type = c.polygonType;
        info.patch_type = c.patchType;
        info.pp_motion_blur = c.partner;
        CSpatchObj* obj = AddObject(c.empty ? std::make_unique<CSpatchObj>() : MakeFlatQuadGrid(1), "object");
        obj->SetPolygonize(c.polygonize);
        obj->SetMotionBlur(c.partner);
        obj->SetMotionBlurTarget(AddObject(MakeFlatQuadGrid(1), "partner")->GetKey());
        const std::string include = Include();
        EXPECT_EQ(Contains(include, "quel_obj0=union{\n\tbicubic_patch {") ||
                      Contains(include, "quel_obj0=mesh{\n\ttriangle{"),
                  c.declared)
            << include;
        EXPECT_EQ(Contains(include, "quel_obj0"), c.declared);
        EXPECT_EQ(Contains(Scene(), "object{ quel_obj0\n"), c.declared);
    }
}

TEST_F(PovFixture, FailedWritesAreReported) {
    CPovSceneWriter writer;
    writer.SetRendererInfo(&info);
    std::string error;
    const CPovOutputFiles badInclude{dir.File("scene.pov"), dir.File("missing/obj.inc"), "obj.inc"};
    EXPECT_FALSE(WritePovFiles(writer, badInclude, &error) || error.empty());
    EXPECT_FALSE(std::filesystem::exists(dir.File("scene.pov"))) << "no scene without its include file";
    EXPECT_FALSE(WritePovFiles(writer, {dir.File("missing/scene.pov"), "", ""}, &error));

    ASSERT_TRUE(
        WritePovFiles(writer, {dir.File("scene.pov"), dir.File("a\"b_obj.inc"), "a\"b_obj.inc"}, &error))
        << error;
    EXPECT_EQ(ReadFileBytes(dir.File("scene.pov"))
                  .rfind("#include concat(\"a\",chr(34),\"b_obj.inc\")\n\n#version", 0),
              0u);

    main.activeDocument = nullptr; // no document: nothing to write
    qf::CTextFileWriter stream(dir.File("none.pov"), qf::TextEncoding::Utf8);
    EXPECT_FALSE(writer.WriteAll(stream));
    EXPECT_FALSE(WritePovFiles(writer, {dir.File("none.pov"), "", ""}, &error));
}

TEST(PovNumberFormatTest, MatchesPrintf) {
    const float values[] = {0.0f,    -0.0f,     1.0f, -1.5f,     0.0005f, -0.0004f,
                            2.5e-4f, 123.4565f, 1e7f, -3.14159f, 1e30f};
    for (int decimals : {0, 1, 3, 5, 10}) {
        const CPovNumberFormat format(decimals);
        for (float v : values) {
            std::string out;
            format.AppendNumber(out, v);
            EXPECT_EQ(out, qf::FormatC("%0.*f", decimals, static_cast<double>(v)));
        }
    }
    std::string vector;
    CPovNumberFormat(99).AppendVector(vector, 1, 2, 3);
    EXPECT_EQ(vector, "<1.0000000000,2.0000000000,3.0000000000>") << "decimals above 10 count as 10";
}

TEST(RenderBoundaryTest, NoToolkitOrWindowLayer) {
    ExpectNoIncludesOf("render", {"<wx/", "\"wx/", "\"platform/ui/", "\"viewport/", "\"tools/", "\"shell/",
                                  "\"dialogs/", "\"materials/", "\"controls/"});
}
