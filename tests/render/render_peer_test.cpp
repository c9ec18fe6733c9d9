// POV-Ray 3.7 renders what the front end writes: the run file of a pane
// render and of a region render, the material preview, and the .pov export
// with and without its separate include. The renderer is started here with
// the picture window and its pause switched off on the command line.
#include "render/material_preview.h"
#include "render_fixture.h"
#include "support/image.h"
#include "support/run_program.h"

using namespace qf::test;

class RenderPeerTest : public RenderFixture {
protected:
    void SetUp() override {
        if (!IsOnPath("povray"))
            GTEST_SKIP() << "povray is not installed";
        doc->m_renderBgColor = 0;
        doc->m_render.rendering_type = 1;
        doc->m_render.image_w = 80;
        doc->m_render.image_h = 60;
        doc->m_cameras[1].m_angle = 20.0f;
    }

    // Runs povray on the run file (and any overrides) and loads the picture.
    Image RenderRunFile(const std::string& runFile, const std::string& picture,
                        std::vector<std::string> extra = {}) {
        std::vector<std::string> argv{"povray", runFile, "-D", "-P"};
        argv.insert(argv.end(), extra.begin(), extra.end());
        const std::string log =
            (OutputDir() / (std::filesystem::path(picture).stem().string() + ".log")).string();
        EXPECT_EQ(RunProgram(argv, log), 0) << "see " << log;
        Image image;
        EXPECT_TRUE(LoadPng(picture, image)) << picture;
        return image;
    }

    // Exports the scene as name.pov and renders it at 80 x 60.
    Image RenderExport(const std::string& name, const CRendererInfo& info) {
        const std::string scene = dir.File(name + ".pov");
        std::string error;
        EXPECT_TRUE(CPovExporter().ExportPov(CString(scene), info, doc->m_render, &error)) << error;
        std::filesystem::copy_file(scene, OutputDir() / (name + ".pov"),
                                   std::filesystem::copy_options::overwrite_existing);
        const std::string picture = dir.File(name + ".png");
        const std::string log = (OutputDir() / (name + ".log")).string();
        EXPECT_EQ(RunProgram({"povray", "-D", "+W80", "+H60", "+L" + dir.path().string(), "+I" + scene,
                              "+O" + picture, "+FN"},
                             log),
                  0)
            << "see " << log;
        Image image;
        EXPECT_TRUE(LoadPng(picture, image)) << picture;
        return image;
    }
};

TEST_F(RenderPeerTest, PaneAndRegionRendersShowTheObjectOnlyWhereAsked) {
    doc->m_render.output_filename = "pane";
    CPovExporter().Render(1);
    ASSERT_FALSE(AwaitArguments().empty());
    const std::string runFile = WorkFile(CPovExporter::runFileName);
    const Image whole = RenderRunFile(runFile, dir.File("pane.png"));
    ASSERT_EQ(whole.width, 80);
    EXPECT_GT(CountPixelsNot(whole, 0x000000, 8), 80 * 60 / 20) << "the box is seen";
    SavePng((OutputDir() / "render_pane.png").string(), whole);

    // The left half of the pane (200 x 100 pixels), rendered at 80 x 60.
    doc->m_render.output_filename = "region";
    CPovExporter().RenderRegion(0, 0, 100, 100, 1);
    const Image region = RenderRunFile(runFile, dir.File("region.png"));
    SavePng((OutputDir() / "render_region.png").string(), region);
    int inside = 0;
    int outside = 0;
    for (int y = 0; y < region.height; ++y)
        for (int x = 0; x < region.width; ++x)
            (x < 40 ? inside : outside) += region.At(x, y) != 0;
    EXPECT_GT(inside, 0) << "the region shows its part of the box";
    EXPECT_EQ(outside, 0) << "nothing is drawn right of the region";
}

TEST_F(RenderPeerTest, ADamagedRenderSettingFileStillGivesARunFilePovRayRenders) {
    auto file = qf::CTextFileReader::FromText("[render setting]\nimage_type=\"7\"\nimage_w=\"-5\"\n"
                                              "image_h=\"0\"\nanti_rays=\"99\"\nuse_anti=\"on\"\n"
                                              "anti_threshold=\"nan\"\noutput_filename=\"damaged\"\n[end]\n");
    doc->m_render.ParseFile(file);
    CPovExporter().Render(1);
    ASSERT_FALSE(AwaitArguments().empty());
    const Image image = RenderRunFile(WorkFile(CPovExporter::runFileName), dir.File("damaged.png"));
    EXPECT_EQ(image.width, 640) << "the default size stands for the damaged one";
    EXPECT_EQ(image.height, 480);
}

TEST_F(RenderPeerTest, MaterialPreviewRenders) {
    CMaterialData* material = doc->AddMaterial();
    material->m_selected = 1;
    material->m_texture.m_pigment.m_colors[0].m_color = 0x0000FF;
    doc->m_previewRender.renderer_index = doc->m_render.renderer_index;
    doc->m_preview.m_floor = doc->m_preview.m_backPlane = 1;
    doc->m_preview.m_imageSize = 64;
    ASSERT_EQ(CPovExporter().RenderMaterialPreview(), CPovExporter::previewStarted);
    const std::string picture = dir.File("preview.png");
    const Image image =
        RenderRunFile(qf::TempPath(CQuelDoc::previewIniName), picture, {"+O" + picture, "+FN"});
    SavePng((OutputDir() / "render_preview.png").string(), image);
    ASSERT_EQ(image.width, 64);
    ASSERT_EQ(image.height, 64);
    int red = 0;
    for (int y = 24; y < 40; ++y)
        for (int x = 24; x < 40; ++x)
            red += (image.At(x, y) >> 16) > 2 * ((image.At(x, y) >> 8) & 0xFF) + 20;
    EXPECT_GT(red, 16 * 16 / 2) << "a red sphere in the middle";
}

TEST_F(RenderPeerTest, ExportedScenesParseWithAndWithoutTheirInclude) {
    CRendererInfo info = *doc->m_renderers.GetAt(doc->m_render.renderer_index);
    doc->m_render.render_pane_flag = 1;
    for (int separate : {0, 1}) {
        info.separate_pov_inc = separate;
        const std::string name = separate ? "export_separate" : "export_single";
        const Image image = RenderExport(name, info);
        EXPECT_EQ(std::filesystem::exists(dir.File(name + "_obj.inc")), separate == 1);
        EXPECT_GT(CountPixelsNot(image, 0x000000, 8), 80 * 60 / 20) << name;
    }
}

// The definition a first start makes renders radiosity and the lighting
// sphere with every value as a new document has it, alone and together; so
// does a definition saved earlier with the first radiosity set. The sphere's
// red sky shows in the corners and, the scene's lights being off with it,
// is what lights the box.
TEST_F(RenderPeerTest, TheFirstStartDefinitionRendersRadiosityAndTheLightingSphere) {
    // Two by two pixels of (16, 0.06, 0.06) in RGBE.
    std::string red;
    for (int i = 0; i < 4; ++i)
        red += "\xFF\x01\x01\x84";
    WriteFileBytes(dir.File("sky.hdr"), "#?RADIANCE\nFORMAT=32-bit_rle_rgbe\n\n-Y 2 +X 2\n" + red);
    doc->m_render.render_pane_flag = 1;
    CRendererInfo firstSet = InstalledPovRayDefinition();
    firstSet.radiosity_type = 0;
    const struct {
        const char* name;
        CRendererInfo info;
        bool radiosity;
        bool sphere;
    } cases[] = {
        {"radiosity_first_start", InstalledPovRayDefinition(), true, false},
        {"radiosity_first_set", firstSet, true, false},
        {"lighting_sphere", InstalledPovRayDefinition(), false, true},
        {"lighting_sphere_radiosity", InstalledPovRayDefinition(), true, true},
        {"lighting_sphere_radiosity_first_set", firstSet, true, true},
    };
    for (const auto& c : cases) {
        doc->m_render.use_radiosity = c.radiosity;
        doc->m_hdr.m_use = c.sphere;
        doc->m_hdr.m_imageFile = CString(dir.File("sky.hdr"));
        const Image image = RenderExport(c.name, c.info);
        SavePng((OutputDir() / (std::string(c.name) + ".png")).string(), image);
        if (image.Empty())
            continue;
        const auto red = [](uint32_t rgb) { return rgb >> 16; };
        const auto green = [](uint32_t rgb) { return (rgb >> 8) & 0xFF; };
        if (!c.sphere) {
            EXPECT_GT(CountPixelsNot(image, 0x000000, 8), 40) << c.name << ": the box's lit top";
            continue;
        }
        for (const uint32_t corner : {image.At(0, 0), image.At(image.width - 1, image.height - 1)})
            EXPECT_TRUE(red(corner) > 150 && green(corner) < 40)
                << c.name << ": the red sky, not " << std::hex << corner;
        // Without radiosity only the box's own ambient shows it, in grey.
        const uint32_t box = image.At(image.width / 2, image.height / 2);
        if (c.radiosity)
            EXPECT_TRUE(red(box) > 24 && red(box) > 2 * green(box))
                << c.name << ": the box lit red by the sky, not " << std::hex << box;
    }
}
