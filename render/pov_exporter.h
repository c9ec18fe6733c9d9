#pragma once
// CPovExporter: the POV-Ray front end. Each command builds one on its stack,
// runs one operation and drops it. A render writes the object include, the
// scene and the run file into the work folder (qf::WorkDir, or the private
// temporary folder when that path is not plain ASCII, which the renderer
// cannot open), and only when all three were written starts the renderer
// definition's program with the run file, without waiting for it. Whatever
// goes wrong is told to the user in his language, over the view.
#include "platform/base/cstring.h"

#include <string>
#include <vector>

class CRendererInfo;
class CRenderSetting;

class CPovExporter {
public:
    // The render files' names in the work folder.
    static constexpr const char* includeName = "quel_pov_obj.inc";
    static constexpr const char* sceneName = "quel_pov.pov";
    static constexpr const char* runFileName = "quel_ini.ini";

    virtual ~CPovExporter() = default;

    // The whole view of pane 0..3.
    void Render(int pane);
    // Only the pane pixels [left, right) x [top, bottom), scaled to the image.
    void RenderRegion(int left, int top, int right, int bottom, int pane);
    // The pane the render setting names as the preview pane.
    void RenderActive();

    // The scene exported to path with the definition and setting: with the
    // definition's separate include, its declarations go into
    // "<path without .pov>_obj.inc" beside it. False, with the reason in
    // error and the old files as they were, when a file cannot be written.
    bool ExportPov(const CString& path, const CRendererInfo& info, const CRenderSetting& setting,
                   std::string* error = nullptr);

    enum PreviewResult {
        previewStarted,
        previewNothingSelected, // no material selected: nothing happens
        previewNoRenderer,      // told to the user; the caller opens the preview setting dialog
        previewFailed,          // a file or the start failed; told to the user
    };
    // The selected material on the preview shape, rendered into the preview
    // window through the preview render setting's renderer.
    PreviewResult RenderMaterialPreview();

    // The folder a render writes into.
    static std::string GetWorkFolder();

private:
    void RenderPane(int pane, const int* region);
};

// The renderer definition's program with the run file: the program, "/render"
// when the definition asks for it, the run file.
std::vector<std::string> RendererCommandLine(const CRendererInfo& info, const std::string& runFile);

// Starts the program of argv without waiting. When it cannot be started, the
// user is told so with the program's path and the reason, under the
// Japanese or English heading given; false then.
bool StartRendererProgram(const std::vector<std::string>& argv, const char* japanese, const char* english);

// Tells the user about a render file that could not be written.
void ReportRenderFileError(const std::string& reason);
