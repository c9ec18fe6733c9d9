#include "platform/ui/shell_services.h"

#include "platform/ui/native_window.h"
#include "platform/ui/resource_lookup.h"
#include "platform/ui/ui_style.h"

#include <wx/dnd.h>
#include <wx/icon.h>
#include <wx/toplevel.h>
#include <wx/utils.h>
#include <wx/window.h>

namespace {

class CDropTarget : public wxFileDropTarget {
public:
    explicit CDropTarget(HWND window) : m_window(window) {}

    bool OnDropFiles(wxCoord, wxCoord, const wxArrayString& names) override {
        std::vector<CString> paths;
        for (const wxString& name : names)
            paths.emplace_back(name.utf8_str().data());
        CWnd* window = CWnd::FromHandle(m_window);
        if (!window || paths.empty())
            return false;
        window->SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(&paths), 0);
        return true;
    }

private:
    HWND m_window;
};

} // namespace

void DragAcceptFiles(CWnd& window, BOOL accept) {
    if (wxWindow* native = window.GetNativeWindow())
        native->SetDropTarget(accept ? MakeOwnedByWx<CDropTarget>(window.GetSafeHwnd()) : nullptr);
}

BOOL SetWindowIcon(CWnd& frame, UINT iconId) {
    const IconResource* icon = FindIconResource(iconId);
    auto* native = dynamic_cast<wxTopLevelWindow*>(frame.GetNativeWindow());
    if (!icon || !native)
        return FALSE;
    wxIcon image;
    image.CopyFromBitmap(PixelArtBitmap(icon->image));
    native->SetIcon(image);
    return TRUE;
}

BOOL ShellOpenFile(const CString& path) {
    return wxLaunchDefaultApplication(wxString::FromUTF8(path.GetString())) ? TRUE : FALSE;
}

CWnd* GetActiveWindow() {
    return CWnd::FromNative(wxGetActiveWindow());
}
