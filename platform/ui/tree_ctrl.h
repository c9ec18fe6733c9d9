#pragma once
// The tree control and the image lists its items draw from.
//
// Items are handles (HTREEITEM) that stay valid until the item is deleted.
// The tree tells its parent with WM_NOTIFY (an NMTREEVIEW):
//   TVN_SELCHANGING just before the user or SelectItem changes the
//   selection (the tree still shows the old one; the change goes ahead);
//   TVN_SELCHANGED whenever the selection changes, by the user or by the
//   program (SelectItem, or DeleteItem taking the selected item away: the
//   selection then moves to the next sibling, else the previous one, else
//   the parent; itemNew is null when nothing is left to select);
//   TVN_BEGINDRAG when the user starts dragging an item (the parent runs the
//   drag with its own capture, HitTest and SelectDropTarget).
#include "platform/ui/controls.h"
#include "resources/resource_format.h"

#include <memory>

class wxImageList;
class wxWindow;
struct TreeItemTag;
using HTREEITEM = TreeItemTag*;

// Insert positions and the parent of top-level items.
inline const HTREEITEM TVI_ROOT = reinterpret_cast<HTREEITEM>(-0x10000);
inline const HTREEITEM TVI_FIRST = reinterpret_cast<HTREEITEM>(-0xFFFF);
inline const HTREEITEM TVI_LAST = reinterpret_cast<HTREEITEM>(-0xFFFE);
inline const HTREEITEM TVI_SORT =
    reinterpret_cast<HTREEITEM>(-0xFFFD); // in order of the texts, ignoring case

// GetNextItem and Select.
constexpr UINT TVGN_ROOT = 0x0000;
constexpr UINT TVGN_NEXT = 0x0001;
constexpr UINT TVGN_PREVIOUS = 0x0002;
constexpr UINT TVGN_PARENT = 0x0003;
constexpr UINT TVGN_CHILD = 0x0004;
constexpr UINT TVGN_FIRSTVISIBLE = 0x0005;
constexpr UINT TVGN_NEXTVISIBLE = 0x0006;
constexpr UINT TVGN_PREVIOUSVISIBLE = 0x0007;
constexpr UINT TVGN_DROPHILITE = 0x0008;
constexpr UINT TVGN_CARET = 0x0009;

constexpr UINT TVE_COLLAPSE = 0x0001;
constexpr UINT TVE_EXPAND = 0x0002;
constexpr UINT TVE_TOGGLE = 0x0003;

// HitTest flags.
constexpr UINT TVHT_NOWHERE = 0x0001;
constexpr UINT TVHT_ONITEMICON = 0x0002;
constexpr UINT TVHT_ONITEMLABEL = 0x0004;
constexpr UINT TVHT_ONITEM = TVHT_ONITEMICON | TVHT_ONITEMLABEL;
constexpr UINT TVHT_ONITEMINDENT = 0x0008;
constexpr UINT TVHT_ONITEMBUTTON = 0x0010;
constexpr UINT TVHT_ONITEMRIGHT = 0x0020;

constexpr int TVSIL_NORMAL = 0;

// What caused a selection change: not told here.
constexpr UINT TVC_UNKNOWN = 0x0000;

struct TVITEM {
    HTREEITEM hItem = nullptr;
    LPARAM lParam = 0; // the item's data
};
struct NMTREEVIEW {
    NMHDR hdr;
    UINT action = TVC_UNKNOWN;
    TVITEM itemOld;
    TVITEM itemNew;
    CPoint ptDrag; // TVN_BEGINDRAG: the tree client point where the drag started
};
using LPNMTREEVIEW = NMTREEVIEW*;

// SortChildrenCB: compare gets the two items' data and lParam, and returns
// a negative number when the first comes first, 0 when they are equal. The
// toolkit's sort calls it and cannot carry an exception back: it must not throw.
using PFNTVCOMPARE = int (*)(LPARAM data1, LPARAM data2, LPARAM sortData) noexcept;
struct TVSORTCB {
    HTREEITEM hParent = nullptr;
    PFNTVCOMPARE lpfnCompare = nullptr;
    LPARAM lParam = 0;
};

constexpr UINT ILC_MASK = 0x0001;

// Equal-sized pictures, drawn by index. The drag functions show one picture
// that follows the pointer over the screen while a drag lasts.
class CImageList {
public:
    CImageList();
    ~CImageList();
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
    // Returns the index of the new picture, -1 when the size does not fit.
    int Add(const PixelArt& picture);
    int GetImageCount() const;
    wxImageList* GetNative() const { return m_list.get(); }

    // The hot spot is the point of the picture that sits under the pointer.
    BOOL BeginDrag(int image, CPoint hotSpot);
    // Shows the picture at a client point of `lock`.
    static BOOL DragEnter(CWnd* lock, CPoint point);
    static BOOL DragMove(CPoint point);
    static BOOL DragShowNolock(BOOL show);
    static BOOL DragLeave(CWnd* lock);
    static void EndDrag();

private:
    friend class CTreeCtrl;
    std::unique_ptr<wxImageList> m_list;
};

class CTreeCtrl : public CControlWnd {
public:
    CTreeCtrl();
    ~CTreeCtrl() override;
    const char* GetRuntimeClassName() const override { return "CTreeCtrl"; }

    HTREEITEM InsertItem(const char* text, HTREEITEM parent = TVI_ROOT, HTREEITEM after = TVI_LAST);
    HTREEITEM InsertItem(const char* text, int image, int selectedImage, HTREEITEM parent = TVI_ROOT,
                         HTREEITEM after = TVI_LAST);
    // Removes the item with everything below it.
    BOOL DeleteItem(HTREEITEM item);
    // Removes every item; no notification is sent.
    BOOL DeleteAllItems();

    CString GetItemText(HTREEITEM item) const;
    BOOL SetItemText(HTREEITEM item, const char* text);
    DWORD_PTR GetItemData(HTREEITEM item) const;
    BOOL SetItemData(HTREEITEM item, DWORD_PTR data);
    BOOL SetItemImage(HTREEITEM item, int image, int selectedImage);
    BOOL GetItemImage(HTREEITEM item, int& image, int& selectedImage) const;
    // The normal image list, which the tree does not own; returns the one before.
    CImageList* SetImageList(CImageList* images, int which);

    UINT GetCount() const;
    BOOL ItemHasChildren(HTREEITEM item) const;
    // The first top-level item.
    HTREEITEM GetRootItem() const;
    HTREEITEM GetChildItem(HTREEITEM item) const;
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const;
    HTREEITEM GetPrevSiblingItem(HTREEITEM item) const;
    // Null for a top-level item.
    HTREEITEM GetParentItem(HTREEITEM item) const;
    HTREEITEM GetFirstVisibleItem() const;
    // The next item shown, walking into expanded items only.
    HTREEITEM GetNextVisibleItem(HTREEITEM item) const;
    HTREEITEM GetPrevVisibleItem(HTREEITEM item) const;
    HTREEITEM GetSelectedItem() const;
    HTREEITEM GetDropHilightItem() const { return m_dropTarget; }
    HTREEITEM GetNextItem(HTREEITEM item, UINT code) const;

    BOOL SelectItem(HTREEITEM item);
    BOOL Select(HTREEITEM item, UINT code);
    // Marks the item a drop would go to; null clears the mark.
    BOOL SelectDropTarget(HTREEITEM item);
    BOOL Expand(HTREEITEM item, UINT code);
    BOOL EnsureVisible(HTREEITEM item);
    // Orders the children of the item (TVI_ROOT: the top level) by their
    // texts, ignoring case; grandchildren keep their order.
    BOOL SortChildren(HTREEITEM item);
    // Orders the children of sort->hParent by the compare function of
    // their data.
    BOOL SortChildrenCB(const TVSORTCB* sort);

    // The item at a client point and where on it the point lies.
    HTREEITEM HitTest(CPoint point, UINT* flags = nullptr) const;
    BOOL GetItemRect(HTREEITEM item, CRect* rect, BOOL textOnly) const;
    // A picture of the item for a drag; the caller owns it.
    std::unique_ptr<CImageList> CreateDragImage(HTREEITEM item);

    struct Native;

protected:
    wxWindow* CreateNativeWindow(wxWindow* parent, const CREATESTRUCT& cs) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    Native* Tree() const;
    void NotifySelection(UINT code, HTREEITEM oldItem, HTREEITEM newItem, UINT action);

    HTREEITEM m_dropTarget = nullptr;
    CImageList* m_images = nullptr;
};
