#pragma once
// CQuelGroup: a group header. It turns an owner-drawn push button of a
// dialog template into a 20-pixel bar across the dialog that folds and
// unfolds the controls below it: folding hides them and moves every control
// further down up by the group's height less the header's; unfolding does
// the reverse. In a CQuelScroll panel the content height changes with it and
// the panel's parent gets WM_VSCROLL (SB_PAGEUP, 0); a top-level dialog
// shrinks and grows instead.
//
// The dialog calls Init in its OnInitDialog, while the template layout is
// in place: Init(&m_ok) makes the group reach down to the OK button,
// Init() down to the next group header (or to 10 pixels above the dialog's
// bottom). After each fold or unfold the dialog receives WM_COMMAND (header
// id, 0, no sender) while IsExpanded still tells the state before it, then
// the ordinary BN_CLICKED (after it) when the button is released over the
// header. A double click's second press is ignored; each release toggles.
#include "platform/ui/controls.h"

#include <vector>

class CQuelGroup : public CButton {
public:
    const char* GetRuntimeClassName() const override { return "CQuelGroup"; }

    // Measures the group (again after the dialog's layout was rebuilt) and
    // lays the header across the dialog; the group starts unfolded.
    void Init(CWnd* end = nullptr);
    void Toggle();
    BOOL IsExpanded() const { return m_expanded; }
    // From the header's top to where the next part of the dialog begins.
    int GetExtent() const { return m_extent; }
    int GetMemberCount() const { return static_cast<int>(m_members.size()); }

protected:
    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    void OnLButtonDblClk(UINT flags, CPoint point) override;

private:
    // A control the header folds, with its unfolded place: x in the dialog,
    // y relative to the header's top.
    struct Member {
        HWND window;
        int x = 0;
        int yOffset = 0;
        int width = 10;
        int height = 10;
    };
    // Moves every sibling but the header by FoldShift.
    void MoveSiblings(CWnd& dialog, int headerTop, bool folding);

    std::vector<Member> m_members;
    int m_extent = 10;
    BOOL m_expanded = TRUE;
    bool m_pressed = false;
    bool m_initialised = false;
    bool m_nested = false;
    CWnd* m_end = nullptr;
    int m_savedExtent = 0;
};
