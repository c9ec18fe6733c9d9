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

CString CannotOpenText() {
    return IsEnglish() ? "Can't open the help file: xdg-open (xdg-utils) could not be started."
                       : "ヘルプを開けませんでした。xdg-open (xdg-utils) を起動できません。";
}

// xdg-open started and ended in failure: 3 says it found no browser, any
// other status that the browser it started failed.
CString OpenFailedText(int exitStatus) {
    CString text;
    if (exitStatus == 3)
        text =
            IsEnglish()
                ? "Can't open the help file: xdg-open found no web browser to show it."
                : "ヘルプを開けませんでした。xdg-open はヘルプを表示するブラウザを見つけられませんでした。";
    else if (IsEnglish())
        text.Format(
            "Can't open the help file: the web browser could not show it (xdg-open ended with status %d).",
            exitStatus);
    else
        text.Format(
            "ヘルプを開けませんでした。ブラウザでヘルプを表示できませんでした (xdg-open の終了コード %d)。",
            exitStatus);
    return text;
}

} // namespace

BOOL ShowHelpPage(const CString& page) {
    if (!qf::FileExists(page.str())) {
        ReportHelpProblem(IsEnglish() ? "Can't Find Help File" : "ヘルプが見つかりませんでした", page);
        return FALSE;
    }
    if (ShellOpenFile(page, [page](int exitStatus) { ReportHelpProblem(OpenFailedText(exitStatus), page); }))
        return TRUE;
    ReportHelpProblem(CannotOpenText(), page);
    return FALSE;
}
