#include "platform/ui/cursor.h"

#include "platform/ui/native_window.h"
#include "platform/ui/resource_lookup.h"

#include <map>
#include <memory>
#include <wx/app.h>
#include <wx/cursor.h>
#include <wx/gdicmn.h>
#include <wx/image.h>
#include <wx/window.h>

class CCursor {
public:
    explicit CCursor(const wxCursor& cursor) : m_cursor(cursor) {}
    const wxCursor& Native() const { return m_cursor; }

private:
    wxCursor m_cursor;
};

namespace {

struct CursorTables {
    std::map<int, std::unique_ptr<CCursor>> standard;
    std::map<UINT, std::unique_ptr<CCursor>> drawn;
    HCURSOR current = nullptr;
};

CursorTables& Tables() {
    static CursorTables tables;
    return tables;
}

wxStockCursor StockCursorOf(int id) {
    switch (id) {
    case IDC_ARROW:
        return wxCURSOR_ARROW;
    case IDC_WAIT:
        return wxCURSOR_WAIT;
    case IDC_SIZEWE:
        return wxCURSOR_SIZEWE;
    case IDC_SIZENS:
        return wxCURSOR_SIZENS;
    case IDC_SIZEALL:
        return wxCURSOR_SIZING;
    default:
        return wxCURSOR_NONE;
    }
}

wxWindow* CursorWindow() {
    if (wxWindow* window = CMouseInputScope::Current())
        return window;
    if (CWnd* holder = CWnd::GetCapture())
        return holder->GetNativeWindow();
    wxPoint unused;
    return wxFindWindowAtPointer(unused);
}

} // namespace

HCURSOR LoadStandardCursor(int id) {
    const wxStockCursor stock = StockCursorOf(id);
    if (stock == wxCURSOR_NONE)
        return nullptr;
    auto& slot = Tables().standard[id];
    if (!slot)
        slot = std::make_unique<CCursor>(wxCursor(stock));
    return slot.get();
}

void RegisterCursor(UINT resourceId, const std::vector<std::string>& rows, CPoint hotSpot) {
    const int height = static_cast<int>(rows.size());
    const int width = height ? static_cast<int>(rows.front().size()) : 0;
    wxImage image(width, height);
    image.InitAlpha();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const char c = x < static_cast<int>(rows[y].size()) ? rows[y][x] : ' ';
            const unsigned char level = c == '.' ? 255 : 0;
            image.SetRGB(x, y, level, level, level);
            image.SetAlpha(x, y, (c == 'X' || c == '.') ? 255 : 0);
        }
    image.SetOption(wxIMAGE_OPTION_CUR_HOTSPOT_X, hotSpot.x);
    image.SetOption(wxIMAGE_OPTION_CUR_HOTSPOT_Y, hotSpot.y);
    Tables().drawn[resourceId] = std::make_unique<CCursor>(wxCursor(image));
}

HCURSOR LoadCursor(UINT resourceId) {
    auto& drawn = Tables().drawn;
    if (const auto it = drawn.find(resourceId); it != drawn.end())
        return it->second.get();
    const CursorResource* resource = FindCursorResource(resourceId);
    if (!resource)
        return nullptr;
    RegisterCursor(resourceId, std::vector<std::string>(resource->rows.begin(), resource->rows.end()),
                   CPoint(resource->hotX, resource->hotY));
    return drawn[resourceId].get();
}

HCURSOR SetCursor(HCURSOR cursor) {
    HCURSOR previous = Tables().current;
    Tables().current = cursor;
    if (wxWindow* window = CursorWindow())
        window->SetCursor(cursor ? cursor->Native() : wxCursor(wxCURSOR_BLANK));
    return previous;
}

HCURSOR GetCursor() {
    return Tables().current;
}

BOOL SetCursorPos(int x, int y) {
    // The pointer is warped relative to a window on screen: the one holding
    // the capture (a drag that wraps the cursor), else the program's top window.
    CWnd* holder = CWnd::GetCapture();
    wxWindow* anchor = holder ? holder->GetNativeWindow() : nullptr;
    if (!anchor)
        anchor = wxTheApp ? wxTheApp->GetTopWindow() : nullptr;
    if (!anchor)
        return FALSE;
    const wxPoint client = anchor->ScreenToClient(wxPoint(x, y));
    anchor->WarpPointer(client.x, client.y);
    return TRUE;
}

int GetSystemMetrics(int index) {
    if (index != SM_CXSCREEN && index != SM_CYSCREEN)
        return 0;
    const wxSize screen = wxGetDisplaySize();
    return index == SM_CXSCREEN ? screen.x : screen.y;
}

BOOL GetCursorPos(CPoint* point) {
    const wxPoint p = wxGetMousePosition();
    *point = CPoint(p.x, p.y);
    return TRUE;
}
