#include "shell/help_page.h"

#include "app/doc_helpers.h"
#include "platform/base/file_util.h"
#include "platform/base/modal_runner.h"
#include "platform/ui/frame_wnd.h"
#include "platform/ui/shell_services.h"
#include "shell/document_strings.h"

BOOL ShowHelpPage(const CString& page) {
    CString problem;
    if (!qf::FileExists(page.str()))
        problem = IsEnglish() ? "Can't Find Help File" : "ヘルプが見つかりませんでした";
    else if (ShellOpenFile(page))
        return TRUE;
    else
        problem = IsEnglish() ? "Can't open the help file: xdg-open (xdg-utils) could not be started."
                              : "ヘルプを開けませんでした。xdg-open (xdg-utils) を起動できません。";
    const CWnd* main = AfxGetMainWnd();
    MessageBox(main ? main->GetSafeHwnd() : HWND{}, problem + "\n" + page, GetDocString(docStringWindowTitle),
               MB_OK | MB_ICONERROR);
    return FALSE;
}
