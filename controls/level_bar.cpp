#include "controls/level_bar.h"

#include "controls/scroll_rules.h"
#include "platform/ui/dc.h"
#include "platform/ui/sys_color.h"

BOOL CLevelBar::PreCreateWindow(CREATESTRUCT& cs) {
    cs.classStyle = CS_HREDRAW | CS_VREDRAW;
    return TRUE;
}

void CLevelBar::SetPos(int position) {
    m_position = position;
    Invalidate(TRUE);
}

void CLevelBar::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    const LevelThumb thumb = LevelBarThumb(client.Height(), m_total, m_page, m_position);
    dc.FillSolidRect(client, GetSysColor(COLOR_3DDKSHADOW));
    dc.FillSolidRect(CRect(0, thumb.top, client.Width(), thumb.bottom), GetSysColor(COLOR_BTNSHADOW));
    if (thumb.bottom < client.Height())
        dc.FillSolidRect(CRect(0, thumb.bottom, client.Width(), client.Height()),
                         GetSysColor(COLOR_3DDKSHADOW));
}
