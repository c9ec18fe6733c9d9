#include "shell/help_page.h"

#include "app/doc_helpers.h"
#include "platform/base/file_util.h"
#include "platform/base/modal_runner.h"
#include "platform/ui/frame_wnd.h"
#include "platform/ui/shell_services.h"
#include "shell/document_strings.h"

namespace {

void ReportHelpProblem(const CString& problem, const CString& page) {
    const CWnd* main = AfxGetMainWnd();
    MessageBox(main ? main->GetSafeHwnd() : HWND{}, problem + "\n" + page, GetDocString(docStringWindowTitle),
               MB_OK | MB_ICONERROR);
}

// Told alike whether xdg-open is missing or finds no browser to start.
CString CannotOpenText() {
    return IsEnglish() ? "Can't open the help file: xdg-open (xdg-utils) could not be started."
                       : "ヘルプを開けませんでした。xdg-open (xdg-utils) を起動できません。";
}

} // namespace

BOOL ShowHelpPage(const CString& page) {
    if (!qf::FileExists(page.str())) {
        ReportHelpProblem(IsEnglish() ? "Can't Find Help File" : "ヘルプが見つかりませんでした", page);
        return FALSE;
    }
    if (ShellOpenFile(page, [page] { ReportHelpProblem(CannotOpenText(), page); }))
        return TRUE;
    ReportHelpProblem(CannotOpenText(), page);
    return FALSE;
}
