#include "render/render_support.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "platform/base/modal_runner.h"
#include "platform/base/text_file.h"
#include "render/pov_exporter.h"

#include <algorithm>
#include <cmath>

namespace {

HWND ViewWindow() {
    const CQuelDoc* doc = GetDoc();
    return doc ? doc->FindRegisteredWindow(wndView) : HWND{};
}

} // namespace

void TellRenderError(const CString& japanese, const CString& english) {
    const bool inEnglish = IsEnglish();
    MessageBox(ViewWindow(), inEnglish ? english : japanese, inEnglish ? "Error" : "エラー",
               MB_OK | MB_ICONERROR);
}

int AskRenderQuestion(const CString& japanese, const CString& english) {
    const bool inEnglish = IsEnglish();
    return MessageBox(ViewWindow(), inEnglish ? english : japanese, inEnglish ? "Confirm" : "確認",
                      MB_OKCANCEL | MB_ICONWARNING);
}

CBusyCursorScope::CBusyCursorScope() {
    SetBusyCursor(TRUE);
}

CBusyCursorScope::~CBusyCursorScope() {
    SetBusyCursor(FALSE);
}

CSize GetPaneClientSize(int pane) {
    CWindowServices* window = FindWindowService<CWindowServices>(wndGLPane0 + pane);
    if (!window)
        return CSize(0, 0);
    const CRect rect = window->GetScreenRect();
    return CSize(rect.Width(), rect.Height());
}

bool DocumentHasObjects() {
    const CQuelDoc* doc = GetDoc();
    return doc && !doc->m_objects.IsEmpty();
}

double WidthFieldOfView(const CCamera& camera, int width, int height) {
    const double a = camera.m_angle / 180.0 * 3.1415927;
    return 2.0 * std::atan(std::tan(a / 2.0) / (static_cast<double>(width) / std::max(height, 1)));
}

bool WriteRenderFile(const std::string& path, const std::function<bool(qf::CTextFileWriter&)>& fill) {
    qf::CTextFileWriter file(path, qf::TextEncoding::Utf8);
    const bool filled = fill(file);
    if (file.Close() && filled)
        return true;
    ReportRenderFileError(filled ? file.GetError() : "there is no scene to write to " + path);
    return false;
}
