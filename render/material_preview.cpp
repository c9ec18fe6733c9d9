// The material preview render.
#include "render/material_preview.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "platform/base/file_util.h"
#include "platform/base/text_file.h"
#include "render/pov_exporter.h"
#include "render/pov_ini_setting.h"
#include "render/pov_scene_writer.h"
#include "render/render_support.h"

namespace {

void WritePreviewCamera(const CCamera& camera, qf::CTextFileWriter& stream) {
    stream.Write("camera{\n");
    // The projection keyword comes first: after "angle" it is a parse error.
    if (camera.m_projection == CCamera::parallel)
        stream.Write("\torthographic\n");
    stream.Printf("\tlocation < %0.3f, %0.3f, %0.3f >\n", camera.m_eye.GetX(), camera.m_eye.GetY(),
                  camera.m_eye.GetZ());
    stream.Write("\tup<0,1,0>\n\tright<1,0,0>\n");
    stream.Printf("\tlook_at < %0.3f, %0.3f, %0.3f >\n", camera.m_target.GetX(), camera.m_target.GetY(),
                  camera.m_target.GetZ());
    stream.Printf("\tangle %0.3f\n", camera.m_angle);
    stream.Write(" }\n\n\n");
}

const char* ShapeOpening(int shape) {
    switch (shape) {
    case 1:
        return "box{<-0.5,-0.5,-0.5>,<0.5,0.5,0.5>\n";
    case 2:
        return "cylinder{y*-0.5,y*0.5,0.5\n";
    case 8:
        return "torus{0.35,0.15\n";
    default:
        return "sphere{0,0.5\n";
    }
}

void WriteCheckeredPlane(qf::CTextFileWriter& stream, const char* normal, const char* translate,
                         float halfSize) {
    stream.Printf("plane{%s,0\n", normal);
    stream.Write("\tpigment{\n\t\tchecker\n\t\trgb 1,rgb 0\n }\n\tscale 0.25\n");
    stream.Printf(translate, halfSize);
    stream.Write("}\n\n");
}

} // namespace

bool WriteMaterialPreviewScene(CPovSceneWriter& writer, const CMaterialPreviewSetting& preview,
                               const CMaterialData& material, qf::CTextFileWriter& stream) {
    writer.WriteHeader(stream);
    stream.Write("light_source{<100,100,-100> rgb 1}\n");
    stream.Write("light_source{<-10,10,-100> rgb 0.6}\n");
    stream.Write("\n");
    const COLORREF bg = preview.m_bgColor;
    stream.Printf("background{rgb<%0.3f,%0.3f,%0.3f>}\n", (bg & 0xFF) / 255.0, ((bg >> 8) & 0xFF) / 255.0,
                  ((bg >> 16) & 0xFF) / 255.0);
    WritePreviewCamera(preview.m_camera, stream);
    stream.Write(ShapeOpening(preview.m_shape));
    stream.Printf("\tscale %0.3f\n", preview.m_objectSize);
    material.Write(stream, 1);
    stream.Write("}\n");
    const float half = preview.m_objectSize / 2.0f;
    if (preview.m_floor)
        WriteCheckeredPlane(stream, "y", "\ttranslate <0,-%0.3f,0>\n", half);
    if (preview.m_backPlane)
        WriteCheckeredPlane(stream, "z", "\ttranslate <0,0,%0.3f>\n", half);
    return !stream.Failed();
}

CPovExporter::PreviewResult CPovExporter::RenderMaterialPreview() {
    CQuelDoc* doc = GetDoc();
    const CMaterialData* material = GetSelectedMaterial();
    if (!doc || !material)
        return previewNothingSelected;
    const std::string scenePath = qf::TempPath(CQuelDoc::previewPovName);
    const std::string runPath = qf::TempPath(CQuelDoc::previewIniName);
    const CRendererInfo* info = doc->m_renderers.GetAt(doc->m_previewRender.renderer_index);
    if (!info) {
        TellRenderError("使用するレンダラーの設定を指定してください", "Please Choose a Active-Renderer");
        return previewNoRenderer;
    }

    CPovSceneWriter writer;
    writer.SetRendererInfo(info);
    writer.SetRenderSetting(&doc->m_previewRender);
    if (!WriteRenderFile(scenePath, [&](qf::CTextFileWriter& scene) {
            return WriteMaterialPreviewScene(writer, doc->m_preview, *material, scene);
        }))
        return previewFailed;

    const CCoreSettings& output = doc->m_settings;
    CPovIniSetting ini;
    ini.m_inputFile = scenePath;
    ini.m_runFilePath = runPath;
    ini.m_width = ini.m_height = doc->m_preview.m_imageSize;
    ini.m_antialias = doc->m_preview.m_antialias;
    ini.m_samplingMethod = output.m_antiSamplingMethod + 1;
    ini.m_antiThreshold = output.m_antiThreshold;
    ini.m_antiDepth = output.m_antiDepth;
    ini.m_jitter = output.m_useJitter;
    ini.m_jitterAmount = output.m_jitterAmount;
    std::string error;
    if (!ini.Write(&error)) {
        ReportRenderFileError(error);
        return previewFailed;
    }
    return StartRendererProgram(RendererCommandLine(*info, runPath), "POV_Rayを起動できませんでした",
                                "fail to render")
               ? previewStarted
               : previewFailed;
}
