#pragma once
// CLevelBar: the narrow vertical strip beside a side-bar panel that shows
// which part of the panel's content is in view. The page that hosts a
// CQuelScroll panel makes one with CWnd::Create and, after every WM_VSCROLL from
// the panel, size change and selection, tells it
//
//     m_level.SetTotal(panel.GetContentHeight());
//     m_level.SetPage(panel.UpdateScrollLimit());
//     m_level.SetPos(panel.GetScrollOffset());   // repaints
//
// A panel whose content fits shows a thumb over the whole strip.
#include "platform/ui/wnd.h"

class CLevelBar : public CWnd {
public:
    const char* GetRuntimeClassName() const override { return "CLevelBar"; }

    // Stores and repaints the whole strip.
    void SetPos(int position);
    // Only store.
    void SetTotal(int total) { m_total = total; }
    void SetPage(int page) { m_page = page; }
    int GetPos() const { return m_position; }

protected:
    void OnPaint() override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

private:
    int m_total = 100;
    int m_page = 100;
    int m_position = 0;
};
