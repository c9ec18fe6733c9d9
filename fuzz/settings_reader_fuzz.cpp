// The readers of the settings files a user may edit by hand, on arbitrary
// bytes: quel.ini, render_setting.ini, a renderer definition, quel_opengl.ini,
// quel_shortcut.ini and quel_wnd.ini. The first byte chooses the reader.
// Nothing may crash, and every number that sizes or drives something must
// come out within the range its dialog offers.
#include "app/core_settings.h"
#include "app/opengl_setting.h"
#include "app/render_setting.h"
#include "app/renderer_list.h"
#include "app/shortcut_table.h"
#include "platform/base/file_util.h"
#include "platform/base/text_file.h"
#include "shell/window_layout.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

template <class T> void Require(T value, T low, T high) {
    if (!(value >= low && value <= high))
        std::abort(); // a value outside its dialog's range
}

void QuelIni(const std::string& bytes) {
    CCoreSettings s;
    qf::CTextFileReader file = qf::CTextFileReader::FromText(bytes);
    CQuelIniFile(s).Parse(file);
    for (const CPaneDisplaySettings& pane : s.m_panes) {
        Require(pane.m_curveResolution, 2, 20);
        if (pane.m_curveResolution % 2 != 0 || pane.m_surfaceResolution != pane.m_curveResolution)
            std::abort();
        Require(pane.m_gridCount, 1, 1000);
        Require(pane.m_gridSpacing, 1.0f, 1000.0f);
    }
    Require(s.m_latheCount, 3, 100);
    Require(s.m_vertexSize, 1.0f, 10.0f);
    Require(s.m_cameraRotateSpeed, 0.0f, 10.0f);
    Require(s.m_vertexSelectOption, 0, 2);
    Require(s.m_imageWidth, 1, 10000);
    Require(s.m_imageHeight, 1, 10000);
    Require(s.m_antiThreshold, 0.0f, 1.0f);
    Require(s.m_jitterAmount, 0.0f, 1.0f);
    Require(s.m_antiSamplingMethod, 0, 1);
    Require(s.m_antiDepth, 1, 6);
    Require(s.m_outputFileType, 0, 4);
}

void RenderSetting(const std::string& bytes) {
    CRenderSetting s;
    qf::CTextFileReader file = qf::CTextFileReader::FromText(bytes);
    s.ParseFile(file);
    Require(s.image_type, 1, 5);
    Require(s.rendering_type, 0, 1);
    Require(s.image_w, 1, 10000);
    Require(s.image_h, 1, 10000);
    Require(s.aspect_x, 1, 30);
    Require(s.aspect_y, 1, 30);
    Require(s.anti_rays, 1, 6);
    Require(s.sampling_method, 0, 1);
    Require(s.preview_render_camera, 0, 3);
    Require(s.anti_threshold, 0.0f, 1.0f);
    Require(s.anti_jitter, 0.0f, 1.0f);
}

void RendererDefinition(const std::string& bytes) {
    CRendererInfo info;
    qf::CTextFileReader file = qf::CTextFileReader::FromText(bytes);
    info.Load(file);
    if (info.title.IsEmpty())
        std::abort();
    Require(info.output_patch_level, 1, 10);
    Require(info.output_polygon_level, 1, 10);
    Require(info.output_polygon_type, 0, 1);
}

void OpenGLSetting(const std::string& bytes) {
    COpenGLSetting s;
    qf::CTextFileReader file = qf::CTextFileReader::FromText(bytes);
    s.Parse(file);
}

// The shortcut table reads its file only, so the bytes go through one.
void ShortcutTable(const std::string& bytes) {
    static const bool home = setenv("QUELAFORM_HOME", qf::TempPath("settings").c_str(), 1) == 0;
    if (!home || !qf::WriteFileAtomically(qf::SettingsPath("quel_shortcut.ini"), bytes))
        return;
    ShortcutSlots slots = DefaultShortcutSlots();
    CShortcutTable(slots).Read();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    switch (data[0] % 6) {
    case 0:
        QuelIni(bytes);
        break;
    case 1:
        RenderSetting(bytes);
        break;
    case 2:
        RendererDefinition(bytes);
        break;
    case 3:
        OpenGLSetting(bytes);
        break;
    case 4:
        ShortcutTable(bytes);
        break;
    default:
        ParseWindowLayout(bytes);
        break;
    }
    return 0;
}
