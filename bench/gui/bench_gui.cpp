// The benchmarks' fresh process with windows: opens the object-tree
// document, or opens it and then fills an object page with its objects and
// folders, and prints the seconds the timed part took. It needs a display;
// the benchmark runs it under Xvfb when there is none.
//   quelaform_bench_gui open PATH | fill PATH
#include "app/quel_doc.h"
#include "shell/object_page.h"
#include "tests/support/recording_windows.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <wx/app.h>
#include <wx/init.h>
#include <wx/utils.h>

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

class CBenchApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

int Open(const char* path) {
    CQuelDoc doc;
    const auto start = Clock::now();
    if (!doc.OnOpenDocument(path))
        return 1;
    std::printf("%.9f\n", Seconds(start));
    return 0;
}

// The page fills as opening a document fills it: one item per top-level
// node, each with everything below it; then the tree shows itself once.
int Fill(const char* path) {
    CQuelDoc doc;
    qf::test::RecordingMainWindow window(&doc);
    CWnd frame;
    if (!frame.Create("bench", WS_VISIBLE, CRect(0, 0, 300, 900), nullptr, 0))
        return 1;
    CObjectPage page;
    if (!page.Create(CObjectPage::IDD, &frame) || !doc.OnOpenDocument(path))
        return 1;
    page.MoveWindow(0, 0, 300, 900);
    page.ShowWindow(SW_SHOW);
    wxYield();
    const auto start = Clock::now();
    for (CBaseObj* node : doc.m_tree.GetRoot())
        page.AddObjectTreeItem(node);
    page.GetTree().UpdateWindow();
    wxYield();
    std::printf("%.9f\n", Seconds(start));
    page.DestroyWindow();
    frame.DestroyWindow();
    return 0;
}

} // namespace

wxIMPLEMENT_APP_NO_MAIN(CBenchApp);

int main(int argc, char** argv) {
    if (argc != 3)
        return 2;
    setenv("GDK_BACKEND", "x11", 1);
    int wxArgc = 1;
    if (!wxEntryStart(wxArgc, argv) || !wxTheApp->CallOnInit())
        return 3;
    const int result = std::strcmp(argv[1], "open") == 0   ? Open(argv[2])
                       : std::strcmp(argv[1], "fill") == 0 ? Fill(argv[2])
                                                           : 2;
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
