#include "controls/quel_group.h"

#include "controls/control_notify.h"
#include "controls/control_paint.h"
#include "controls/quel_scroll.h"
#include "controls/scroll_rules.h"
#include "platform/ui/sys_color.h"

namespace {

std::vector<CWnd*> Children(const CWnd& dialog) {
    std::vector<CWnd*> children;
    for (CWnd* w = dialog.GetWindow(GW_CHILD); w; w = w->GetWindow(GW_HWNDNEXT))
        children.push_back(w);
    return children;
}

CRect PlaceOf(const CWnd& wnd) {
    CRect r;
    wnd.GetRectInParent(&r);
    return r;
}

bool IsTopLevel(const CWnd& dialog) {
    return !(dialog.GetStyle() & WS_CHILD);
}

// Makes a top-level dialog taller (or shorter) by delta pixels.
void GrowDialog(CWnd& dialog, int delta) {
    CRect r;
    dialog.GetWindowRect(&r);
    dialog.MoveWindow(r.left, r.top, r.Width(), r.Height() + delta, TRUE);
}

} // namespace

void CQuelGroup::Init(CWnd* end) {
    m_expanded = TRUE;
    m_members.clear();
    CWnd* dialog = GetParent();
    if (!dialog)
        return;
    const std::vector<CWnd*> siblings = Children(*dialog);
    std::vector<GroupSibling> boxes;
    int self = -1;
    for (CWnd* w : siblings) {
        if (w == this)
            self = static_cast<int>(boxes.size());
        const CRect r = PlaceOf(*w);
        CString caption;
        w->GetWindowText(caption);
        boxes.push_back(
            {r.top, r.bottom, dynamic_cast<CQuelGroup*>(w) != nullptr, caption == kEnterAbsorberCaption});
    }
    if (self < 0)
        return;
    CRect client;
    dialog->GetClientRect(&client);
    const CRect header = PlaceOf(*this);
    const GroupExtent group = MeasureGroup(boxes, self, end ? PlaceOf(*end).top : -1, client.Height());
    m_extent = group.extent;
    m_nested = false;
    if (end) {
        m_savedExtent = m_extent;
        m_end = end;
    }
    for (const int index : group.members) {
        CWnd* member = siblings[static_cast<size_t>(index)];
        const CRect r = PlaceOf(*member);
        m_members.push_back({member->GetSafeHwnd(), r.left, r.top - header.top, r.Width(), r.Height()});
        if (end && boxes[static_cast<size_t>(index)].isGroupHeader)
            m_nested = true;
    }
    MoveWindow(0, header.top, client.Width(), kGroupHeaderHeight);
    m_initialised = true;
}

void CQuelGroup::MoveSiblings(CWnd& dialog, int headerTop, bool folding) {
    for (CWnd* w : Children(dialog)) {
        if (w == this)
            continue;
        const CRect r = PlaceOf(*w);
        if (const int shift = FoldShift(r.top, headerTop, m_extent, folding))
            w->MoveWindow(r.left, r.top + shift, r.Width(), r.Height(), FALSE);
    }
}

void CQuelGroup::Toggle() {
    CWnd* dialog = GetParent();
    if (!dialog)
        return;
    const CRect header = PlaceOf(*this);
    if (m_nested && m_end) {
        // Inner groups may have folded since the group was measured.
        m_extent = m_expanded ? PlaceOf(*m_end).top - header.top : m_savedExtent;
    }
    const int folded = FoldedHeight(m_extent);
    const bool folding = m_expanded != FALSE;
    if (folding) {
        MoveSiblings(*dialog, header.top, true);
        for (const Member& m : m_members) {
            CWnd* member = CWnd::FromHandle(m.window);
            if (!member)
                continue;
            member->ShowWindow(SW_HIDE);
            // Unfolding this group later shows the inner group's controls too.
            if (auto* inner = dynamic_cast<CQuelGroup*>(member); inner && !inner->m_expanded)
                inner->m_expanded = TRUE;
        }
        // After the controls moved up: the toolkit keeps a window tall enough for its controls.
        if (IsTopLevel(*dialog))
            GrowDialog(*dialog, -folded);
    } else {
        if (IsTopLevel(*dialog))
            GrowDialog(*dialog, folded);
        MoveSiblings(*dialog, header.top, false);
        for (const Member& m : m_members)
            if (CWnd* member = CWnd::FromHandle(m.window)) {
                member->MoveWindow(m.x, header.top + m.yOffset, m.width, m.height, FALSE);
                member->ShowWindow(SW_SHOWNORMAL);
            }
    }
    if (auto* panel = dynamic_cast<CQuelScroll*>(dialog)) {
        panel->ChangeContentHeight(folding ? -folded : folded);
        if (folding)
            panel->ClampAfterResize();
        if (CWnd* page = panel->GetParent())
            page->SendMessage(WM_VSCROLL, SB_PAGEUP, 0);
    }
    dialog->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    SendCommandToParent(*this);
    m_expanded = !m_expanded;
}

void CQuelGroup::OnLButtonDown(UINT flags, CPoint point) {
    m_pressed = true;
    RedrawWindow();
    CButton::OnLButtonDown(flags, point);
}

void CQuelGroup::OnLButtonUp(UINT flags, CPoint point) {
    if (m_initialised)
        Toggle();
    m_pressed = false;
    RedrawWindow();
    CButton::OnLButtonUp(flags, point);
}

void CQuelGroup::OnLButtonDblClk(UINT, CPoint) {}

void CQuelGroup::DrawItem(LPDRAWITEMSTRUCT drawItem) {
    CDC& dc = *drawItem->pDC;
    const CRect client = drawItem->rcItem;
    CFont font;
    CreateCaptionFont(font, 14);
    CFont* oldFont = dc.SelectObject(&font);
    dc.SetBkMode(TRANSPARENT);

    // The triangle, inset 2 pixels in its box: down when unfolded, right when folded.
    const CRect box(4 + 2, 4 + 2, client.Height() - 2 - 2, client.Height() - 2 - 2);
    CBrush fill(RGB(140, 155, 190));
    CBrush* oldBrush = dc.SelectObject(&fill);
    if (m_expanded) {
        const CPoint down[] = {
            {box.left, box.top}, {box.right, box.top}, {(box.left + box.right) / 2, box.bottom}};
        dc.Polygon(down, 3);
    } else {
        const CPoint right[] = {
            {box.left, box.top}, {box.left, box.bottom}, {box.right, (box.top + box.bottom) / 2}};
        dc.Polygon(right, 3);
    }
    dc.SelectObject(oldBrush);

    CString caption;
    GetWindowText(caption);
    const bool enabled = IsWindowEnabled() != FALSE;
    dc.SetTextColor(GetSysColor(enabled ? COLOR_3DFACE : COLOR_BTNHIGHLIGHT));
    dc.TextOut(21, 5, caption);
    dc.SetTextColor(GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_BTNSHADOW));
    dc.TextOut(20, 4, caption);
    dc.SelectObject(oldFont);

    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    dc.Draw3dRect(2, 2, client.Width() - 4, client.Height() - 4, m_pressed ? shadow : light,
                  m_pressed ? light : shadow);
}
