// Dragging an item of the object tree onto a folder, or onto Root, moves its
// object or folder there. The page holds the mouse capture while a drag lasts.
#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "platform/ui/cursor.h"
#include "resources/resource_tables.h"
#include "shell/change_parent_command.h"
#include "shell/object_page.h"

namespace {

HCURSOR DropCursor(bool accepted) {
    return LoadCursor(accepted ? IDC_DROP_ACCEPTED : IDC_DROP_REFUSED);
}

CPoint CursorIn(const CWnd& wnd) {
    CPoint point;
    GetCursorPos(&point);
    wnd.ScreenToClient(&point);
    return point;
}

} // namespace

HTREEITEM CObjectPage::ItemAt(CPoint pagePoint) const {
    ClientToScreen(&pagePoint);
    m_tree.ScreenToClient(&pagePoint);
    UINT flags = 0;
    const HTREEITEM item = m_tree.HitTest(pagePoint, &flags);
    return flags & TVHT_ONITEM ? item : nullptr;
}

void CObjectPage::OnBeginDrag(NMHDR* header, LRESULT* result) {
    *result = 0;
    // The item the drag started on is the dragged one, and becomes the selected one.
    HTREEITEM item = reinterpret_cast<NMTREEVIEW*>(header)->itemNew.hItem;
    if (!item)
        item = m_tree.GetSelectedItem();
    if (!item)
        return;
    if (item != m_tree.GetSelectedItem())
        m_tree.SelectItem(item);
    auto* obj = reinterpret_cast<CBaseObj*>(m_tree.GetItemData(item));
    if (!obj)
        return;
    m_tree.RedrawWindow();
    m_dragObject = obj;
    m_dragItem = item;
    m_dragImages = m_tree.CreateDragImage(item);
    SetStatusText("drag start [" + obj->GetName() + "]");
    if (m_dragImages) {
        m_dragImages->BeginDrag(0, CPoint(8, 8));
        CImageList::DragEnter(this, CursorIn(*this));
    }
    m_dragging = 1;
    SetCapture();
}

void CObjectPage::OnMouseMove(UINT flags, CPoint point) {
    if (m_dragging)
        DragMove(point);
    CDialog::OnMouseMove(flags, point);
}

void CObjectPage::DragMove(CPoint point) {
    SCROLLINFO scroll;
    m_tree.GetScrollInfo(SB_VERT, &scroll);
    SetStatusText("縦スクロール pos : " + IntToString(scroll.nPos) + " range : " + IntToString(scroll.nMin) +
                  " " + IntToString(scroll.nMax) + " " + IntToString(static_cast<int>(scroll.nPage)));
    const HTREEITEM target = ItemAt(point);
    const auto* targetObj = target ? reinterpret_cast<const CBaseObj*>(m_tree.GetItemData(target)) : nullptr;
    const bool accepted = target && target != m_dragItem && targetObj != m_dragObject &&
                          CanChangeParent(m_dragObject, targetObj);
    SetCursor(DropCursor(accepted));
    CImageList::DragShowNolock(FALSE);
    m_tree.SelectDropTarget(accepted ? target : nullptr);
    CImageList::DragShowNolock(TRUE);
    CImageList::DragMove(point);
}

void CObjectPage::OnLButtonUp(UINT flags, CPoint point) {
    if (m_dragging)
        EndDrag(point);
    CDialog::OnLButtonUp(flags, point);
}

void CObjectPage::EndDrag(CPoint point) {
    PostToRegisteredWindows(notifyHideStatusText);
    CImageList::DragLeave(this);
    CImageList::EndDrag();
    m_dragImages.reset();
    m_dragging = 0;
    ReleaseCapture();
    SetCursor(LoadStandardCursor(IDC_ARROW));
    m_tree.SelectDropTarget(nullptr);
    if (const HTREEITEM target = ItemAt(point))
        CChangeParentCommand().MoveToFolder(m_dragObject,
                                            reinterpret_cast<CBaseObj*>(m_tree.GetItemData(target)));
    m_dragObject = nullptr;
    m_dragItem = nullptr;
}

BOOL CObjectPage::OnSetCursor(CWnd* window, UINT hitTest, UINT message) {
    // The drop cursor stays while the drag lasts.
    if (m_dragging)
        return TRUE;
    return CDialog::OnSetCursor(window, hitTest, message);
}
