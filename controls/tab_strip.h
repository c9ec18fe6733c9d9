#pragma once
// CTabStrip: an owner-drawn row of chamfered tabs, one of them current. The
// owner adds one tab per page with AddItem; when a click makes another tab
// current, the owner gets the ordinary BN_CLICKED of the strip's id and
// reads the new index with GetCurSel. A click on the current tab, outside
// every tab, or a press on one tab released over another sends nothing.
#include "platform/ui/controls.h"

#include <vector>

// Where each tab of the strip stands: the first at `margin`, each as wide as
// its caption + 20, 10 pixels apart.
struct TabPlace {
    int x = 0;
    int width = 0;
};
std::vector<TabPlace> LayoutTabs(const std::vector<int>& captionWidths, int margin);
// The tab at client x, -1 for none.
int TabAt(const std::vector<TabPlace>& tabs, int x);

class CTabStrip : public CButton {
public:
    const char* GetRuntimeClassName() const override { return "CTabStrip"; }

    // Appends a tab, lays the tabs out again and redraws at once.
    void AddItem(const CString& text);
    int GetCurSel() const { return m_current; }
    int GetItemCount() const { return static_cast<int>(m_texts.size()); }
    TabPlace GetItemPlace(int index) const { return m_places.at(static_cast<size_t>(index)); }

protected:
    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    BOOL OnEraseBkgnd(CDC* dc) override;

private:
    void DrawTab(CDC& dc, const CRect& area, int index, COLORREF fill);

    std::vector<CString> m_texts;
    std::vector<TabPlace> m_places;
    int m_margin = 30;
    int m_current = 0;
    CRect m_pressedRect;
    int m_pressedIndex = -1;
};
