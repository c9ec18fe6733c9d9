// The scene render of a pane, whole or a region, and the .pov export.
#include "render/pov_exporter.h"

#include "app/doc_helpers.h"
#include "app/mouse_mode.h"
#include "app/quel_doc.h"
#include "platform/base/file_util.h"
#include "platform/base/modal_runner.h"
#include "platform/base/process.h"
#include "render/pov_files.h"
#include "render/pov_ini_setting.h"
#include "render/pov_scene_writer.h"
#include "render/render_support.h"

#include <algorithm>

namespace {

bool IsAscii(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The folder the image goes into, ending in '/': the setting's folder, else
// the desktop, else the home folder.
std::string OutputFolder(const CRenderSetting& rs) {
    std::string folder = rs.output_folder.str();
    if (folder.empty())
        folder = GetDesktopFolderPath().str();
    if (folder.empty()) {
        const char* home = std::getenv("HOME");
        folder = home && *home ? home : "/tmp";
    }
    if (folder.back() != '/')
        folder += '/';
    return folder;
}

} // namespace

std::string CPovExporter::GetWorkFolder() {
    const std::string work = qf::WorkDir();
    return IsAscii(work) ? work : qf::TempDir();
}

std::vector<std::string> RendererCommandLine(const CRendererInfo& info, const std::string& runFile) {
    std::vector<std::string> argv{info.path.str()};
    if (info.commandline_render)
        argv.emplace_back("/render");
    argv.push_back(runFile);
    return argv;
}

bool StartRendererProgram(const std::vector<std::string>& argv, const char* japanese, const char* english) {
    std::string reason;
    if (qf::StartProcess(argv, &reason))
        return true;
    const std::string program = argv.empty() || argv.front().empty() ? std::string("(none)") : argv.front();
    TellRenderError(CString(std::string(japanese) + "\n" + program + "\n" + reason),
                    CString(std::string(english) + "\n" + program + "\n" + reason));
    return false;
}

void ReportRenderFileError(const std::string& reason) {
    TellRenderError(CString("レンダリング用のファイルを書き込めませんでした\n" + reason),
                    CString("The files for the renderer could not be written\n" + reason));
}

void CPovExporter::Render(int pane) {
    RenderPane(pane, nullptr);
}

void CPovExporter::RenderRegion(int left, int top, int right, int bottom, int pane) {
    const int region[4] = {left, top, right, bottom};
    RenderPane(pane, region);
}

void CPovExporter::RenderActive() {
    if (CQuelDoc* doc = GetDoc())
        Render(doc->m_render.preview_render_camera);
}

void CPovExporter::RenderPane(int pane, const int* region) {
    CQuelDoc* doc = GetDoc();
    if (!doc || pane < 0 || pane >= kPaneCount)
        return;
    SendToRegisteredWindows(notifyHideStatusText);
    const std::string folder = GetWorkFolder();
    const std::string includePath = qf::JoinPath(folder, includeName);
    const std::string scenePath = qf::JoinPath(folder, sceneName);
    const std::string runPath = qf::JoinPath(folder, runFileName);

    CBusyCursorScope busy;
    CRenderSetting& rs = doc->m_render;
    rs.render_pane_flag = 1;
    rs.render_pane = pane;
    const CRendererInfo* info = doc->m_renderers.GetAt(rs.renderer_index);
    if (!info) {
        TellRenderError("レンダラーの設定がありません", "There is No Renderer_Setting");
        return;
    }

    CPovSceneWriter writer;
    writer.SetRendererInfo(info);
    writer.SetRenderSetting(&rs);
    std::string error;
    if (!WritePovFiles(writer, {scenePath, includePath, CString(includeName)}, &error)) {
        ReportRenderFileError(error);
        return;
    }

    const CSize paneSize = GetPaneClientSize(pane);
    CPovIniSetting ini;
    ini.m_outputToFile = 1;
    ini.m_outputFileType = rs.image_type;
    if (rs.output_filename.IsEmpty())
        rs.output_filename = "untitled";
    rs.UpdateFileExtension();
    ini.m_outputFile = OutputFolder(rs) + rs.output_filename.str();
    ini.m_inputFile = scenePath;
    ini.m_runFilePath = runPath;
    ini.m_libraryPaths[0] = folder;
    if (rs.rendering_type == 0) {
        ini.m_width = std::max(paneSize.cx, 1);
        ini.m_height = std::max(paneSize.cy, 1);
    } else if (rs.rendering_type == 1) {
        ini.m_width = rs.image_w;
        ini.m_height = rs.image_h;
    }
    ini.m_outputAlpha = rs.use_alpha;
    ini.m_antialias = rs.use_anti;
    ini.m_antiThreshold = rs.anti_threshold;
    ini.m_jitterAmount = rs.anti_jitter;
    ini.m_jitter = rs.anti_use_jitter;
    ini.m_samplingMethod = rs.sampling_method + 1;
    ini.m_antiDepth = rs.anti_rays;

    if (!IsAscii(ini.m_outputFile) &&
        AskRenderQuestion(CString("POV-Rayは半角英数字以外を含むファイル名を扱えません。画像の名前が"
                                  "変わることがあります。\n" +
                                  ini.m_outputFile + "\nこのままレンダリングしますか?"),
                          CString("POV-Ray cannot handle file names with characters other than ASCII; the "
                                  "image may be saved under another name.\n" +
                                  ini.m_outputFile + "\nRender anyway?")) != IDOK)
        return;

    bool written = false;
    if (region) {
        ini.SetRegion(ScaleRegionToImage(region[0], region[1], region[2], region[3], paneSize.cx, paneSize.cy,
                                         ini.m_width, ini.m_height));
        written = ini.WriteRegion(&error);
    } else {
        written = ini.Write(&error);
    }
    if (!written) {
        ReportRenderFileError(error);
        return;
    }
    StartRendererProgram(RendererCommandLine(*info, runPath), "POV_Rayを起動できませんでした",
                         "fail to render");
    SetMouseMode(mouseModeTranslate, 1);
}

bool CPovExporter::ExportPov(const CString& path, const CRendererInfo& info, const CRenderSetting& setting,
                             std::string* error) {
    CBusyCursorScope busy;
    CPovSceneWriter writer;
    writer.SetRendererInfo(&info);
    writer.SetRenderSetting(&setting);
    CPovOutputFiles files{path.str(), {}, {}};
    if (info.separate_pov_inc) {
        std::string stem = path.str();
        if (stem.size() >= 4 && CString(stem.substr(stem.size() - 4)).CompareNoCase(".pov") == 0)
            stem.resize(stem.size() - 4);
        files.includePath = stem + "_obj.inc";
        const size_t slash = files.includePath.rfind('/');
        files.includeName =
            CString(slash == std::string::npos ? files.includePath : files.includePath.substr(slash + 1));
    }
    return WritePovFiles(writer, files, error);
}
