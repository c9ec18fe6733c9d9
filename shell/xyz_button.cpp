#include "shell/xyz_button.h"

#include "app/doc_helpers.h"
#include "controls/control_paint.h"
#include "platform/ui/sys_color.h"

XyzRows XyzRowLayout(int height) {
    XyzRows rows;
    rows.height = (height - 16) / 3;
    for (int i = 0; i < 3; ++i)
        rows.tops[i] = 4 + i * (rows.height + 4);
    return rows;
}

CString XyzRowValue(const CVector3& value, BOOL active, int row) {
    if (!active)
        return " . . . ";
    const float component = row == 0 ? value.GetX() : row == 1 ? value.GetY() : value.GetZ();
    return FormatFloat(component, 3);
}

BOOL CXyzButton::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CXyzButton::DrawItem(LPDRAWITEMSTRUCT drawItem) {
    const CRect client = drawItem->rcItem;
    COffscreenPaint paint(*drawItem->pDC, client);
    CDC& dc = paint.DC();
    const int width = client.Width();
    const int w = width - 8;
    const XyzRows rows = XyzRowLayout(client.Height());
    const int r = rows.height;
    const int s = r / 2;
    dc.FillSolidRect(client, GetSysColor(m_active ? COLOR_ACTIVECAPTION : COLOR_BTNHIGHLIGHT));

    CFont font;
    CreateCaptionFont(font, 12);
    CFont* oldFont = dc.SelectObject(&font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
    CString caption;
    GetWindowText(caption);
    constexpr UINT kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    static constexpr const char* kLabels[] = {"X", "Y", "Z"};
    for (int i = 0; i < 3; ++i) {
        const int y = rows.tops[i];
        dc.FillSolidRect(4 + 3, y + 3, w, r, RGB(0, 0, 0));
        dc.FillSolidRect(4, y, w, r, GetSysColor(m_active ? COLOR_BTNHIGHLIGHT : COLOR_3DFACE));
        // Engraved marks: a diagonal and the open box the value stands in.
        for (const auto& [color, shift] :
             {std::pair{GetSysColor(COLOR_BTNSHADOW), 0}, std::pair{RGB(255, 255, 255), 1}}) {
            CPen pen(PS_SOLID, 1, color);
            CPen* oldPen = dc.SelectObject(&pen);
            dc.MoveTo(4 + s + shift, y + shift);
            dc.LineTo(4 + shift, y + s + shift);
            const CPoint box[] = {{4 + s + shift, y + r + shift},
                                  {4 + s + shift, y + r / 2 + shift},
                                  {width - 4 - s + shift, y + r / 2 + shift},
                                  {width - 4 - s + shift, y + r + shift}};
            dc.Polyline(box, 4);
            dc.SelectObject(oldPen);
        }
        dc.FillSolidRect(4, y, 1, r, RGB(255, 255, 255));
        dc.FillSolidRect(4, y, w, 1, RGB(255, 255, 255));
        dc.FillSolidRect(4 + w, y, 1, r, GetSysColor(COLOR_BTNSHADOW));
        dc.FillSolidRect(4, y + r, w, 1, GetSysColor(COLOR_BTNSHADOW));

        CRect captionArea(4, y + 3, 4 + w, y + r / 2);
        dc.DrawText(caption, &captionArea, kCentred);
        CRect label(width - 4 - s + 3, y + r / 2 + 3, width - 4, y + r);
        dc.DrawText(kLabels[i], &label, kCentred);
        CRect valueArea(4 + s + 3, y + r / 2 + 3, width - 4 - s - 3, y + r);
        dc.DrawText(XyzRowValue(m_value, m_active, i), &valueArea, kCentred);
    }
    dc.SelectObject(oldFont);
}
