// The material preview: its scene text, its square display-only run file,
// and what happens without a material or a renderer.
#include "app/mouse_mode.h"
#include "platform/base/file_util.h"
#include "render/material_preview.h"
#include "render_fixture.h"

using namespace qf::test;

class MaterialPreviewTest : public RenderFixture {
protected:
    MaterialPreviewTest() {
        material = doc->AddMaterial();
        material->m_name = "red";
        material->m_selected = 1;
        doc->m_previewRender.renderer_index = doc->m_render.renderer_index;
    }
    std::string SceneText() {
        CPovSceneWriter writer;
        writer.SetRendererInfo(doc->m_renderers.GetAt(doc->m_previewRender.renderer_index));
        qf::CTextFileWriter file(dir.File("preview.pov"), qf::TextEncoding::Utf8);
        EXPECT_TRUE(WriteMaterialPreviewScene(writer, doc->m_preview, *material, file));
        EXPECT_TRUE(file.Close());
        return ReadFileBytes(dir.File("preview.pov"));
    }
    CMaterialData* material;
};

TEST_F(MaterialPreviewTest, SceneHoldsShapeMaterialPlanesAndBothBackgrounds) {
    CMaterialPreviewSetting& p = doc->m_preview;
    p.m_objectSize = 2.0f;
    p.m_floor = 1;
    p.m_backPlane = 1;
    p.m_bgColor = 0xFF0000;
    const std::string scene = SceneText();
    const size_t header = scene.find("background{ rgb <150/255,150/255,150/255> }");
    const size_t own = scene.find("background{rgb<0.000,0.000,1.000>}\n");
    ASSERT_NE(header, std::string::npos);
    ASSERT_NE(own, std::string::npos);
    EXPECT_LT(header, own) << "the document's background first";
    EXPECT_NE(scene.find("sphere{0,0.5\n\tscale 2.000\nmaterial{"), std::string::npos) << scene;
    EXPECT_NE(scene.find("plane{y,0\n\tpigment{\n\t\tchecker\n\t\trgb 1,rgb 0\n }\n\tscale 0.25\n\ttranslate "
                         "<0,-1.000,0>\n}\n\n"),
              std::string::npos);
    EXPECT_NE(scene.find("plane{z,0\n"), std::string::npos);
    EXPECT_NE(scene.find("\ttranslate <0,0,1.000>\n"), std::string::npos);
    EXPECT_NE(
        scene.find("camera{\n\tlocation < 0.000, 2.000, -5.000 >\n\tup<0,1,0>\n\tright<1,0,0>\n\tlook_at < "
                   "0.000, 0.000, 0.000 >\n\tangle 13.000\n }\n\n\n"),
        std::string::npos);

    const struct {
        int shape;
        const char* opening;
    } shapes[] = {{1, "box{<-0.5,-0.5,-0.5>,<0.5,0.5,0.5>\n"},
                  {2, "cylinder{y*-0.5,y*0.5,0.5\n"},
                  {8, "torus{0.35,0.15\n"}};
    p.m_floor = p.m_backPlane = 0;
    for (const auto& s : shapes) {
        p.m_shape = s.shape;
        const std::string text = SceneText();
        EXPECT_NE(text.find(s.opening), std::string::npos) << s.shape;
        EXPECT_EQ(text.find("plane{"), std::string::npos);
    }
}

TEST_F(MaterialPreviewTest, AParallelCameraNamesItsProjectionFirst) {
    doc->m_preview.m_camera.m_projection = CCamera::parallel;
    EXPECT_NE(SceneText().find("camera{\n\torthographic\n\tlocation"), std::string::npos);
}

TEST_F(MaterialPreviewTest, PreviewRunFileIsSquareAndOnlyShown) {
    doc->m_preview.m_imageSize = 123;
    doc->m_preview.m_antialias = 1;
    doc->m_settings.m_antiSamplingMethod = 1;
    doc->m_settings.m_antiDepth = 5;
    doc->m_settings.m_mouseModeLeft = mouseModeRenderWindow;
    EXPECT_EQ(CPovExporter().RenderMaterialPreview(), CPovExporter::previewStarted);
    const std::string runFile = qf::TempPath(CQuelDoc::previewIniName);
    EXPECT_EQ(AwaitArguments(), runFile + "\n");
    const std::string ini = ReadFileBytes(runFile);
    EXPECT_NE(ini.find("Input_File_Name=\"" + qf::TempPath(CQuelDoc::previewPovName) + "\"\n"),
              std::string::npos);
    EXPECT_NE(ini.find("Width=123\nHeight=123\nDisplay=1\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Output_to_File=0\n"), std::string::npos);
    EXPECT_EQ(ini.find("Output_File_Name"), std::string::npos);
    EXPECT_EQ(ini.find("Library_Path"), std::string::npos);
    EXPECT_NE(ini.find("Antialias=on\nSampling_Method=2\n"), std::string::npos);
    EXPECT_NE(ini.find("Antialias_Depth=5\n"), std::string::npos);
    EXPECT_EQ(doc->m_settings.m_mouseModeLeft, mouseModeRenderWindow) << "the preview leaves the tools alone";
}

TEST_F(MaterialPreviewTest, WithoutMaterialOrRendererNothingStarts) {
    material->m_selected = 0;
    EXPECT_EQ(CPovExporter().RenderMaterialPreview(), CPovExporter::previewNothingSelected);
    EXPECT_TRUE(boxes.GetRequests().empty());
    material->m_selected = 1;
    doc->m_previewRender.renderer_index = -1;
    GetAppState().m_english = 1;
    EXPECT_EQ(CPovExporter().RenderMaterialPreview(), CPovExporter::previewNoRenderer);
    ASSERT_EQ(boxes.GetRequests().size(), 1u);
    EXPECT_EQ(boxes.GetRequests()[0].text, "Please Choose a Active-Renderer");
    EXPECT_EQ(boxes.GetRequests()[0].caption, "Error");
}
