#include "controls/color_button.h"

#include "controls/control_notify.h"
#include "controls/control_paint.h"
#include "platform/ui/common_dialogs.h"
#include "platform/ui/sys_color.h"

void CColorButton::SetColor(COLORREF color) {
    m_color = color;
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

const CommandMap& CColorButton::GetCommandMap() const {
    static const CommandMap map = CommandMapFor<CColorButton>(CButton::GetCommandMap())
                                      .OnControlReflect(BN_CLICKED, &CColorButton::OnClicked);
    return map;
}

void CColorButton::OnClicked() {
    CColorDialog dialog(m_color, CC_FULLOPEN);
    if (dialog.DoModal() != IDOK)
        return;
    SetColor(dialog.GetColor());
    SendCommandToParent(*this);
}

BOOL CColorButton::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CColorButton::DrawItem(LPDRAWITEMSTRUCT drawItem) {
    const CRect client = drawItem->rcItem;
    COffscreenPaint paint(*drawItem->pDC, client);
    CDC& dc = paint.DC();
    CBrush colour(m_color);
    CBrush* old = dc.SelectObject(&colour);
    dc.Rectangle(client);
    dc.SelectObject(old);
    dc.Draw3dRect(0, 0, client.Width(), client.Height(), GetSysColor(COLOR_BTNSHADOW),
                  GetSysColor(COLOR_BTNHIGHLIGHT));
}
