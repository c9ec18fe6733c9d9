#include "controls/control_paint.h"

#include "platform/ui/sys_color.h"

void CreateCaptionFont(CFont& font, int height) {
    font.CreateFont(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, OUT_CHARACTER_PRECIS,
                    CLIP_CHARACTER_PRECIS, DRAFT_QUALITY, DEFAULT_PITCH, "MS UI Gothic");
}

COffscreenPaint::COffscreenPaint(CDC& target, const CRect& client) : m_target(target), m_client(client) {
    m_memory.CreateCompatibleDC(&target);
    m_bitmap.CreateCompatibleBitmap(&target, client.Width(), client.Height());
    m_previous = m_memory.SelectObject(&m_bitmap);
    m_memory.FillRect(client, GetSysColorBrush(COLOR_3DFACE));
}

COffscreenPaint::~COffscreenPaint() {
    m_target.BitBlt(0, 0, m_client.Width(), m_client.Height(), &m_memory, 0, 0, SRCCOPY);
    m_memory.SelectObject(m_previous);
}
