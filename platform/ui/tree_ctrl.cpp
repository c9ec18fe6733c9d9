#include "platform/ui/tree_ctrl.h"

#include "platform/ui/native_window.h"
#include "platform/ui/ui_style.h"

#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/imaglist.h>
#include <wx/popupwin.h>
#include <wx/treectrl.h>

#include <utility>

namespace {

wxTreeItemId Id(HTREEITEM item) {
    return wxTreeItemId(reinterpret_cast<void*>(item));
}

HTREEITEM Handle(const wxTreeItemId& id) {
    return id.IsOk() ? reinterpret_cast<HTREEITEM>(id.GetID()) : nullptr;
}

bool IsSpecial(HTREEITEM item) {
    return item == TVI_ROOT || item == TVI_FIRST || item == TVI_LAST || item == TVI_SORT;
}

// Beside the caller's value, the item's text as it was given: the sort
// compares it without asking the toolkit for a copy, so that the comparison
// the toolkit's sort calls needs no memory and cannot throw through it.
class CItemData : public wxTreeItemData {
public:
    explicit CItemData(const char* label) : text(label) {}
    DWORD_PTR value = 0;
    CString text;
};

int CompareTexts(const CString& a, const CString& b) noexcept {
    return a.CompareNoCase(b.GetString());
}

// The picture that follows the pointer during a drag.
struct DragState {
    wxBitmap picture;
    CPoint hotSpot;
    wxPopupWindow* window = nullptr;
    HWND lock;
    CPoint last;
    bool shown = false;
};
DragState g_drag;

void PlaceDragPicture() {
    CWnd* lock = CWnd::FromHandle(g_drag.lock);
    if (!g_drag.window || !lock)
        return;
    CPoint screen = g_drag.last;
    lock->ClientToScreen(&screen);
    g_drag.window->Move(screen.x - g_drag.hotSpot.x, screen.y - g_drag.hotSpot.y);
    g_drag.window->Show(g_drag.shown);
    if (g_drag.shown)
        g_drag.window->Update();
}

} // namespace

// The wx tree with a hidden root, so that the tree can hold several
// top-level items, and our sort order.
struct CTreeCtrl::Native : public wxTreeCtrl {
    Native(wxWindow* parent, const wxPoint& pos, const wxSize& size, long style)
        : wxTreeCtrl(parent, wxID_ANY, pos, size, style) {
        AddRoot(wxEmptyString);
    }
    int OnCompareItems(const wxTreeItemId& a, const wxTreeItemId& b) noexcept override {
        if (sortBy)
            return sortBy->lpfnCompare(static_cast<LPARAM>(Data(a)), static_cast<LPARAM>(Data(b)),
                                       sortBy->lParam);
        return CompareTexts(Text(a), Text(b));
    }
    // wx would select the parent of a deleted selected item later, on its
    // own; the selection after a deletion is decided by CTreeCtrl.
    void ForgetPendingSelection() { m_select_me = nullptr; }

    wxTreeItemId Parent(HTREEITEM item) const { return !item || item == TVI_ROOT ? GetRootItem() : Id(item); }
    // Set while SortChildrenCB sorts.
    const TVSORTCB* sortBy = nullptr;

    // Every item but the hidden root has one.
    CItemData* Item(const wxTreeItemId& id) const {
        return id.IsOk() ? static_cast<CItemData*>(GetItemData(id)) : nullptr;
    }
    // The hidden root, which the toolkit may select when nothing else is, has no text.
    const CString& Text(const wxTreeItemId& id) const {
        static const CString none;
        const CItemData* data = Item(id);
        return data ? data->text : none;
    }
    DWORD_PTR Data(const wxTreeItemId& id) const {
        const CItemData* data = Item(id);
        return data ? data->value : 0;
    }
};

CTreeCtrl::CTreeCtrl() = default;
CTreeCtrl::~CTreeCtrl() {
    DestroyWindow();
}

CTreeCtrl::Native* CTreeCtrl::Tree() const {
    return dynamic_cast<Native*>(GetNativeWindow());
}

wxWindow* CTreeCtrl::CreateNativeWindow(wxWindow* parent, const CREATESTRUCT& cs) {
    long style = wxTR_HIDE_ROOT | wxTR_SINGLE | wxBORDER_SUNKEN;
    style |= (cs.style & TVS_HASBUTTONS) ? wxTR_HAS_BUTTONS : wxTR_NO_BUTTONS;
    if (!(cs.style & TVS_HASLINES))
        style |= wxTR_NO_LINES;
    if (cs.style & TVS_LINESATROOT)
        style |= wxTR_LINES_AT_ROOT;
    auto* tree = MakeOwnedByWx<Native>(parent, wxPoint(cs.x, cs.y), wxSize(cs.cx, cs.cy), style);
    const HWND h = GetSafeHwnd();
    tree->Bind(wxEVT_TREE_SEL_CHANGING, [h](wxTreeEvent& event) {
        if (auto* self = dynamic_cast<CTreeCtrl*>(CWnd::FromHandle(h)))
            self->NotifySelection(TVN_SELCHANGING, Handle(event.GetOldItem()), Handle(event.GetItem()),
                                  TVC_UNKNOWN);
    });
    tree->Bind(wxEVT_TREE_SEL_CHANGED, [h](wxTreeEvent& event) {
        if (auto* self = dynamic_cast<CTreeCtrl*>(CWnd::FromHandle(h)))
            self->NotifySelection(TVN_SELCHANGED, Handle(event.GetOldItem()), Handle(event.GetItem()),
                                  TVC_UNKNOWN);
    });
    tree->Bind(wxEVT_TREE_BEGIN_DRAG, [h](wxTreeEvent& event) {
        // Not allowed for wx: the parent runs the drag itself.
        auto* self = dynamic_cast<CTreeCtrl*>(CWnd::FromHandle(h));
        CWnd* parent = self ? self->GetParent() : nullptr;
        if (!parent)
            return;
        NMTREEVIEW nm;
        nm.hdr = {h, static_cast<UINT_PTR>(self->GetDlgCtrlID()), TVN_BEGINDRAG};
        nm.itemNew = {Handle(event.GetItem()), static_cast<LPARAM>(self->Tree()->Data(event.GetItem()))};
        nm.ptDrag = CPoint(event.GetPoint().x, event.GetPoint().y);
        parent->SendMessage(WM_NOTIFY, static_cast<WPARAM>(self->GetDlgCtrlID()),
                            reinterpret_cast<LPARAM>(&nm));
    });
    return tree;
}

LRESULT CTreeCtrl::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // The tree paints itself, background included.
    if (message == WM_ERASEBKGND)
        return 1;
    return CControlWnd::DefWindowProc(message, wParam, lParam);
}

void CTreeCtrl::NotifySelection(UINT code, HTREEITEM oldItem, HTREEITEM newItem, UINT action) {
    CWnd* parent = GetParent();
    if (!parent)
        return;
    NMTREEVIEW nm;
    nm.hdr = {GetSafeHwnd(), static_cast<UINT_PTR>(GetDlgCtrlID()), code};
    nm.action = action;
    nm.itemOld = {oldItem, static_cast<LPARAM>(GetItemData(oldItem))};
    nm.itemNew = {newItem, static_cast<LPARAM>(GetItemData(newItem))};
    parent->SendMessage(WM_NOTIFY, static_cast<WPARAM>(GetDlgCtrlID()), reinterpret_cast<LPARAM>(&nm));
}

HTREEITEM CTreeCtrl::InsertItem(const char* text, HTREEITEM parent, HTREEITEM after) {
    return InsertItem(text, -1, -1, parent, after);
}

HTREEITEM CTreeCtrl::InsertItem(const char* text, int image, int selectedImage, HTREEITEM parent,
                                HTREEITEM after) {
    Native* tree = Tree();
    if (!tree || (parent && parent != TVI_ROOT && IsSpecial(parent)))
        return nullptr;
    const wxTreeItemId parentId = tree->Parent(parent);
    // The tree owns the data once it holds the item.
    auto data = std::make_unique<CItemData>(text ? text : "");
    const wxString label = wxString::FromUTF8(data->text.GetString());
    size_t index = 0;
    if (after == TVI_SORT) {
        wxTreeItemIdValue cookie;
        for (wxTreeItemId child = tree->GetFirstChild(parentId, cookie); child.IsOk();
             child = tree->GetNextChild(parentId, cookie)) {
            if (CompareTexts(tree->Text(child), data->text) > 0)
                break;
            ++index;
        }
    }
    wxTreeItemId id;
    if (after == TVI_FIRST)
        id = tree->PrependItem(parentId, label, image, selectedImage, data.get());
    else if (after == TVI_SORT)
        id = tree->InsertItem(parentId, index, label, image, selectedImage, data.get());
    else if (after && after != TVI_LAST)
        id = tree->InsertItem(parentId, Id(after), label, image, selectedImage, data.get());
    else
        id = tree->AppendItem(parentId, label, image, selectedImage, data.get());
    if (id.IsOk())
        data.release();
    return Handle(id);
}

BOOL CTreeCtrl::DeleteItem(HTREEITEM item) {
    Native* tree = Tree();
    if (!tree || !item || IsSpecial(item))
        return FALSE;
    const HTREEITEM selected = GetSelectedItem();
    bool takesSelection = false;
    for (HTREEITEM up = selected; up && !takesSelection; up = GetParentItem(up))
        takesSelection = up == item;
    HTREEITEM next = nullptr;
    if (takesSelection) {
        next = GetNextSiblingItem(item);
        if (!next)
            next = GetPrevSiblingItem(item);
        if (!next)
            next = GetParentItem(item);
    }
    tree->Delete(Id(item));
    tree->ForgetPendingSelection();
    if (m_dropTarget == item)
        m_dropTarget = nullptr;
    if (takesSelection) {
        if (next)
            tree->SelectItem(Id(next));
        else
            NotifySelection(TVN_SELCHANGED, nullptr, nullptr, TVC_UNKNOWN);
    }
    return TRUE;
}

BOOL CTreeCtrl::DeleteAllItems() {
    Native* tree = Tree();
    if (!tree)
        return FALSE;
    tree->DeleteChildren(tree->GetRootItem());
    tree->ForgetPendingSelection();
    m_dropTarget = nullptr;
    return TRUE;
}

CString CTreeCtrl::GetItemText(HTREEITEM item) const {
    const Native* tree = Tree();
    if (!tree || !item || IsSpecial(item))
        return CString();
    return tree->Text(Id(item));
}

BOOL CTreeCtrl::SetItemText(HTREEITEM item, const char* text) {
    Native* tree = Tree();
    if (!tree || !item || IsSpecial(item))
        return FALSE;
    // The kept copy first: the item never shows another text than it sorts by.
    CString kept(text ? text : "");
    CItemData* data = tree->Item(Id(item));
    if (!data)
        return FALSE;
    tree->SetItemText(Id(item), wxString::FromUTF8(kept.GetString()));
    std::swap(data->text, kept);
    return TRUE;
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM item) const {
    const Native* tree = Tree();
    return tree && item && !IsSpecial(item) ? tree->Data(Id(item)) : 0;
}

BOOL CTreeCtrl::SetItemData(HTREEITEM item, DWORD_PTR value) {
    Native* tree = Tree();
    if (!tree || !item || IsSpecial(item))
        return FALSE;
    static_cast<CItemData*>(tree->GetItemData(Id(item)))->value = value;
    return TRUE;
}

BOOL CTreeCtrl::SetItemImage(HTREEITEM item, int image, int selectedImage) {
    Native* tree = Tree();
    if (!tree || !item || IsSpecial(item))
        return FALSE;
    tree->SetItemImage(Id(item), image, wxTreeItemIcon_Normal);
    tree->SetItemImage(Id(item), selectedImage, wxTreeItemIcon_Selected);
    return TRUE;
}

BOOL CTreeCtrl::GetItemImage(HTREEITEM item, int& image, int& selectedImage) const {
    const Native* tree = Tree();
    if (!tree || !item || IsSpecial(item))
        return FALSE;
    image = tree->GetItemImage(Id(item), wxTreeItemIcon_Normal);
    selectedImage = tree->GetItemImage(Id(item), wxTreeItemIcon_Selected);
    return TRUE;
}

CImageList* CTreeCtrl::SetImageList(CImageList* images, int) {
    Native* tree = Tree();
    if (!tree)
        return nullptr;
    tree->SetImageList(images ? images->GetNative() : nullptr);
    CImageList* previous = m_images;
    m_images = images;
    return previous;
}

UINT CTreeCtrl::GetCount() const {
    const Native* tree = Tree();
    return tree ? static_cast<UINT>(tree->GetCount()) : 0;
}

BOOL CTreeCtrl::ItemHasChildren(HTREEITEM item) const {
    const Native* tree = Tree();
    return tree && item && !IsSpecial(item) && tree->GetChildrenCount(Id(item), false) > 0;
}

HTREEITEM CTreeCtrl::GetRootItem() const {
    return GetChildItem(TVI_ROOT);
}

HTREEITEM CTreeCtrl::GetChildItem(HTREEITEM item) const {
    const Native* tree = Tree();
    if (!tree)
        return nullptr;
    wxTreeItemIdValue cookie;
    return Handle(tree->GetFirstChild(tree->Parent(item), cookie));
}

HTREEITEM CTreeCtrl::GetNextSiblingItem(HTREEITEM item) const {
    const Native* tree = Tree();
    return tree && item && !IsSpecial(item) ? Handle(tree->GetNextSibling(Id(item))) : nullptr;
}

HTREEITEM CTreeCtrl::GetPrevSiblingItem(HTREEITEM item) const {
    const Native* tree = Tree();
    return tree && item && !IsSpecial(item) ? Handle(tree->GetPrevSibling(Id(item))) : nullptr;
}

HTREEITEM CTreeCtrl::GetParentItem(HTREEITEM item) const {
    const Native* tree = Tree();
    if (!tree || !item || IsSpecial(item))
        return nullptr;
    const wxTreeItemId parent = tree->GetItemParent(Id(item));
    return parent == tree->GetRootItem() ? nullptr : Handle(parent);
}

HTREEITEM CTreeCtrl::GetFirstVisibleItem() const {
    const Native* tree = Tree();
    return tree && tree->GetCount() > 0 ? Handle(tree->GetFirstVisibleItem()) : nullptr;
}

HTREEITEM CTreeCtrl::GetNextVisibleItem(HTREEITEM item) const {
    const Native* tree = Tree();
    if (!tree || !item || IsSpecial(item))
        return nullptr;
    if (ItemHasChildren(item) && tree->IsExpanded(Id(item)))
        return GetChildItem(item);
    for (HTREEITEM up = item; up; up = GetParentItem(up))
        if (HTREEITEM next = GetNextSiblingItem(up))
            return next;
    return nullptr;
}

HTREEITEM CTreeCtrl::GetPrevVisibleItem(HTREEITEM item) const {
    const Native* tree = Tree();
    if (!tree || !item || IsSpecial(item))
        return nullptr;
    HTREEITEM previous = GetPrevSiblingItem(item);
    if (!previous)
        return GetParentItem(item);
    // The last item shown inside the previous sibling.
    while (ItemHasChildren(previous) && tree->IsExpanded(Id(previous)))
        previous = Handle(tree->GetLastChild(Id(previous)));
    return previous;
}

HTREEITEM CTreeCtrl::GetSelectedItem() const {
    const Native* tree = Tree();
    return tree ? Handle(tree->GetSelection()) : nullptr;
}

HTREEITEM CTreeCtrl::GetNextItem(HTREEITEM item, UINT code) const {
    switch (code) {
    case TVGN_ROOT:
        return GetRootItem();
    case TVGN_NEXT:
        return GetNextSiblingItem(item);
    case TVGN_PREVIOUS:
        return GetPrevSiblingItem(item);
    case TVGN_PARENT:
        return GetParentItem(item);
    case TVGN_CHILD:
        return GetChildItem(item);
    case TVGN_FIRSTVISIBLE:
        return GetFirstVisibleItem();
    case TVGN_NEXTVISIBLE:
        return GetNextVisibleItem(item);
    case TVGN_PREVIOUSVISIBLE:
        return GetPrevVisibleItem(item);
    case TVGN_DROPHILITE:
        return GetDropHilightItem();
    case TVGN_CARET:
        return GetSelectedItem();
    default:
        return nullptr;
    }
}

BOOL CTreeCtrl::SelectItem(HTREEITEM item) {
    Native* tree = Tree();
    if (!tree || IsSpecial(item))
        return FALSE;
    if (!item) {
        const HTREEITEM old = GetSelectedItem();
        tree->Unselect();
        if (old)
            NotifySelection(TVN_SELCHANGED, old, nullptr, TVC_UNKNOWN);
        return TRUE;
    }
    tree->SelectItem(Id(item));
    return TRUE;
}

BOOL CTreeCtrl::Select(HTREEITEM item, UINT code) {
    if (code == TVGN_CARET)
        return SelectItem(item);
    if (code == TVGN_DROPHILITE)
        return SelectDropTarget(item);
    if (code == TVGN_FIRSTVISIBLE)
        return EnsureVisible(item);
    return FALSE;
}

BOOL CTreeCtrl::SelectDropTarget(HTREEITEM item) {
    Native* tree = Tree();
    if (!tree || IsSpecial(item))
        return FALSE;
    if (m_dropTarget)
        tree->SetItemDropHighlight(Id(m_dropTarget), false);
    m_dropTarget = item;
    if (item)
        tree->SetItemDropHighlight(Id(item), true);
    return TRUE;
}

BOOL CTreeCtrl::Expand(HTREEITEM item, UINT code) {
    Native* tree = Tree();
    if (!tree || !item || IsSpecial(item))
        return FALSE;
    if (code == TVE_EXPAND)
        tree->Expand(Id(item));
    else if (code == TVE_COLLAPSE)
        tree->Collapse(Id(item));
    else if (code == TVE_TOGGLE)
        tree->Toggle(Id(item));
    else
        return FALSE;
    return TRUE;
}

BOOL CTreeCtrl::EnsureVisible(HTREEITEM item) {
    Native* tree = Tree();
    if (!tree || !item || IsSpecial(item))
        return FALSE;
    tree->EnsureVisible(Id(item));
    return TRUE;
}

BOOL CTreeCtrl::SortChildren(HTREEITEM item) {
    Native* tree = Tree();
    if (!tree || (item && item != TVI_ROOT && IsSpecial(item)))
        return FALSE;
    tree->SortChildren(tree->Parent(item));
    return TRUE;
}

BOOL CTreeCtrl::SortChildrenCB(const TVSORTCB* sort) {
    Native* tree = Tree();
    if (!tree || !sort || !sort->lpfnCompare ||
        (sort->hParent && sort->hParent != TVI_ROOT && IsSpecial(sort->hParent)))
        return FALSE;
    tree->sortBy = sort;
    tree->SortChildren(tree->Parent(sort->hParent));
    tree->sortBy = nullptr;
    return TRUE;
}

HTREEITEM CTreeCtrl::HitTest(CPoint point, UINT* flags) const {
    const Native* tree = Tree();
    if (!tree) {
        if (flags)
            *flags = TVHT_NOWHERE;
        return nullptr;
    }
    int wxFlags = 0;
    const wxTreeItemId id = const_cast<Native*>(tree)->HitTest(wxPoint(point.x, point.y), wxFlags);
    if (flags) {
        UINT f = 0;
        if (wxFlags & wxTREE_HITTEST_ONITEMICON)
            f |= TVHT_ONITEMICON;
        if (wxFlags & wxTREE_HITTEST_ONITEMLABEL)
            f |= TVHT_ONITEMLABEL;
        if (wxFlags & wxTREE_HITTEST_ONITEMINDENT)
            f |= TVHT_ONITEMINDENT;
        if (wxFlags & wxTREE_HITTEST_ONITEMBUTTON)
            f |= TVHT_ONITEMBUTTON;
        if (wxFlags & wxTREE_HITTEST_ONITEMRIGHT)
            f |= TVHT_ONITEMRIGHT;
        *flags = f ? f : TVHT_NOWHERE;
    }
    return id.IsOk() && id != tree->GetRootItem() ? Handle(id) : nullptr;
}

BOOL CTreeCtrl::GetItemRect(HTREEITEM item, CRect* rect, BOOL textOnly) const {
    const Native* tree = Tree();
    wxRect r;
    if (!tree || !item || IsSpecial(item) || !tree->GetBoundingRect(Id(item), r, textOnly != FALSE))
        return FALSE;
    *rect = CRect(r.x, r.y, r.x + r.width, r.y + r.height);
    return TRUE;
}

std::unique_ptr<CImageList> CTreeCtrl::CreateDragImage(HTREEITEM item) {
    Native* tree = Tree();
    if (!tree || !item || IsSpecial(item))
        return nullptr;
    // The item's icon and text on the list's background, as the tree shows it.
    const wxString text = tree->GetItemText(Id(item));
    const int image = tree->GetItemImage(Id(item));
    wxImageList* icons = tree->GetImageList();
    const wxSize iconSize = icons && image >= 0 ? icons->GetSize() : wxSize(0, 0);
    wxMemoryDC measure;
    measure.SetFont(tree->GetFont());
    const wxSize textSize = measure.GetTextExtent(text);
    const int gap = iconSize.x > 0 ? 4 : 0;
    wxBitmap picture(iconSize.x + gap + textSize.x + 2, std::max(iconSize.y, textSize.y) + 2);
    {
        wxMemoryDC dc(picture);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        if (iconSize.x > 0)
            icons->Draw(image, dc, 1, (picture.GetHeight() - iconSize.y) / 2, wxIMAGELIST_DRAW_TRANSPARENT);
        dc.SetFont(tree->GetFont());
        dc.DrawText(text, iconSize.x + gap + 1, (picture.GetHeight() - textSize.y) / 2);
    }
    auto list = std::make_unique<CImageList>();
    list->m_list = std::make_unique<wxImageList>(picture.GetWidth(), picture.GetHeight(), false, 1);
    list->m_list->Add(picture);
    return list;
}

// ---------------------------------------------------------------------------

CImageList::CImageList() = default;
CImageList::~CImageList() = default;

BOOL CImageList::Create(int cx, int cy, UINT flags, int initial, int) {
    if (cx <= 0 || cy <= 0)
        return FALSE;
    m_list = std::make_unique<wxImageList>(cx, cy, (flags & ILC_MASK) != 0, std::max(initial, 1));
    return TRUE;
}

int CImageList::Add(const PixelArt& art) {
    if (!m_list)
        return -1;
    int width = 0;
    int height = 0;
    m_list->GetSize(0, width, height);
    if (art.width != width || art.height != height)
        return -1;
    return m_list->Add(PixelArtBitmap(art));
}

int CImageList::GetImageCount() const {
    return m_list ? m_list->GetImageCount() : 0;
}

BOOL CImageList::BeginDrag(int image, CPoint hotSpot) {
    if (!m_list || image < 0 || image >= m_list->GetImageCount())
        return FALSE;
    EndDrag();
    g_drag.picture = m_list->GetBitmap(image);
    g_drag.hotSpot = hotSpot;
    return TRUE;
}

BOOL CImageList::DragEnter(CWnd* lock, CPoint point) {
    if (!g_drag.picture.IsOk() || !lock || !lock->GetNativeWindow())
        return FALSE;
    if (!g_drag.window) {
        g_drag.window = MakeOwnedByWx<wxPopupWindow>(lock->GetNativeWindow());
        g_drag.window->SetClientSize(g_drag.picture.GetWidth(), g_drag.picture.GetHeight());
        g_drag.window->Bind(wxEVT_PAINT, [](wxPaintEvent&) {
            wxPaintDC dc(g_drag.window);
            dc.DrawBitmap(g_drag.picture, 0, 0);
        });
    }
    g_drag.lock = lock->GetSafeHwnd();
    g_drag.last = point;
    g_drag.shown = true;
    PlaceDragPicture();
    return TRUE;
}

BOOL CImageList::DragMove(CPoint point) {
    if (!g_drag.window)
        return FALSE;
    g_drag.last = point;
    PlaceDragPicture();
    return TRUE;
}

BOOL CImageList::DragShowNolock(BOOL show) {
    if (!g_drag.window)
        return FALSE;
    g_drag.shown = show != FALSE;
    PlaceDragPicture();
    return TRUE;
}

BOOL CImageList::DragLeave(CWnd*) {
    return DragShowNolock(FALSE);
}

void CImageList::EndDrag() {
    if (g_drag.window)
        g_drag.window->Destroy();
    g_drag = DragState{};
}
