#pragma once
// The window that fills the view with the four viewport panes, two by two,
// with a two-pixel divider cross between them. The left mouse button drags
// the cross (or one divider), keeping it between 20 % and 80 % of the client
// size; a double click, or a right click outside a drag, puts it back in the
// middle. The panes are hidden while a divider moves and shown again, as far
// as their layout lets them, when it is let go.
#include "viewport/viewport_pane.h"

#include <array>

class CQuelDoc;

class CViewSplitter : public CWnd {
public:
    ~CViewSplitter() override;
    const char* GetRuntimeClassName() const override { return "CViewSplitter"; }

    // Places the four panes from the ratios and their layout modes.
    void RecalcLayout();
    CViewportPane& GetPane(int index) { return m_panes[static_cast<size_t>(index)]; }

    float m_ratioX = 0.5f; // the vertical divider, as a share of the client width
    float m_ratioY = 0.5f; // the horizontal divider, as a share of the client height
    int m_dragKind = dragCross;
    int m_dragging = 0;
    // Set by the view before the window is made; the panes register with it.
    CQuelDoc* m_document = nullptr;

protected:
    int OnCreate(LPCREATESTRUCT cs) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    void OnLButtonDblClk(UINT flags, CPoint point) override;
    void OnRButtonDown(UINT flags, CPoint point) override;
    BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message) override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    void OnPaint() override;

private:
    CSize ClientSize() const;
    std::array<int, kPaneCount> Modes() const;
    void ResetRatios();

    std::array<CViewportPane, kPaneCount> m_panes;
};
