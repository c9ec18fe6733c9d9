#include "shell/command_bars.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "mesh/polygon_obj.h"
#include "model/spatch_obj.h"
#include "platform/ui/dc.h"
#include "platform/ui/menu.h"
#include "platform/ui/sys_color.h"
#include "platform/ui/tree_ctrl.h"
#include "shell/object_page.h"

#include <algorithm>

namespace {

constexpr UINT kCommandBarTemplate = 101;
constexpr UINT kCommandBar2Template = 197;
constexpr UINT kAppExit = 57665;
constexpr UINT kObjectPageNew = 1020;
constexpr UINT kObjectPageDelete = 1032;

// Command bar 1's buttons and the popups they open: main menu 103 / 140 or
// pane menu 119 / 142, and the submenu (the same in both).
struct MenuButton {
    UINT id;
    UINT japaneseMenu, englishMenu;
    int subMenu;
};
constexpr MenuButton kMenuButtons[] = {
    {1475, 103, 140, 0},  {1478, 103, 140, 1},  {1481, 103, 140, 2},  {1152, 103, 140, 3},
    {1467, 103, 140, 5},  {1473, 103, 140, 6},  {1457, 103, 140, 7},  {1480, 103, 140, 8},
    {1484, 119, 142, 8},  {1485, 119, 142, 9},  {1486, 119, 142, 10}, {1483, 119, 142, 11},
    {1488, 119, 142, 12}, {1490, 119, 142, 13},
};
constexpr UINT kExitButton = 1492;

// Command bar 2's controls.
constexpr UINT kCreateId = 1473, kDeleteId = 1457, kSelectId = 1480;
constexpr UINT kScaleId = 1475, kRotId = 1478, kTransId = 1481;
constexpr UINT kSingleId = 1152, kMultiId = 1467;
// Dialog units between two buttons of a bar.
constexpr int kButtonGap = 2;

// Black behind the buttons and the gaps between them, down to the gap under
// the last one shown; a bar taller than its buttons goes on in the face colour
// rather than in a black strip.
BOOL FillBlack(CWnd& wnd, CDC* dc) {
    CRect client;
    wnd.GetClientRect(&client);
    int bottom = 0;
    for (CWnd* child = wnd.GetWindow(GW_CHILD); child; child = child->GetWindow(GW_HWNDNEXT))
        if (child->IsWindowVisible()) {
            CRect r;
            child->GetRectInParent(&r);
            bottom = std::max(bottom, static_cast<int>(r.bottom));
        }
    CRect black = client;
    if (bottom > 0)
        black.bottom =
            std::min(client.bottom, bottom + DialogUnitsToPixels(CRect(0, 0, 0, kButtonGap)).bottom);
    dc->FillSolidRect(black, RGB(0, 0, 0));
    if (black.bottom < client.bottom)
        dc->FillSolidRect(CRect(client.left, black.bottom, client.right, client.bottom),
                          GetSysColor(COLOR_3DFACE));
    return TRUE;
}

// The dialog over the whole bar, made once.
template <class Dialog> void CreateBarDialog(CDialogBar& bar, Dialog& dialog) {
    if (!dialog.Create(Dialog::IDD, &bar))
        return;
    CRect client;
    bar.GetClientRect(&client);
    dialog.MoveWindow(0, 0, client.Width(), client.Height());
    dialog.ShowWindow(SW_SHOW);
}

void FitBarDialog(CDialog& dialog, int cx, int cy) {
    if (dialog.GetNativeWindow())
        dialog.MoveWindow(0, 0, cx, cy);
}

CObjectPage* ObjectPage() {
    CQuelDoc* doc = GetDoc();
    return doc ? dynamic_cast<CObjectPage*>(CWnd::FromHandle(doc->FindRegisteredWindow(wndObjectPage)))
               : nullptr;
}

} // namespace

std::vector<ObjectMenuItem> ObjectMenuItems(const CQuelDoc& doc) {
    std::vector<ObjectMenuItem> items;
    for (const CSpatchObj* obj : doc.m_objects)
        items.push_back({obj->GetName(), obj->GetSelected() != 0});
    for (const CPolygonObj* obj : doc.m_polygonObjects)
        items.push_back({obj->GetName(), obj->GetSelected() != 0});
    return items;
}

HTREEITEM FindVisibleTreeItem(const CTreeCtrl& tree, const CString& name) {
    HTREEITEM item = tree.GetRootItem();
    for (UINT steps = 0; item && steps < tree.GetCount(); ++steps) {
        if (tree.GetItemText(item) == name)
            return item;
        item = tree.GetNextVisibleItem(item);
    }
    return nullptr;
}

// --- command bar 1 --------------------------------------------------------------

CCommandDlg::~CCommandDlg() {
    DestroyWindow();
}

void CCommandDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    for (size_t i = 0; i < std::size(kMenuButtons); ++i)
        DDX_Control(dx, static_cast<int>(kMenuButtons[i].id), m_buttons[i]);
    DDX_Control(dx, kExitButton, m_buttons.back());
}

BOOL CCommandDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    for (size_t i = 0; i < std::size(kMenuButtons); ++i) {
        m_buttons[i].SetMenu(kMenuButtons[i].japaneseMenu, kMenuButtons[i].subMenu);
        m_buttons[i].SetEnglishMenu(kMenuButtons[i].englishMenu, kMenuButtons[i].subMenu);
    }
    CDropButton& exit = m_buttons.back();
    exit.ShowWindow(SW_HIDE);
    exit.SetPopupMode(FALSE);
    exit.SetCommand(kAppExit);
    exit.EnableWindow(FALSE);
    return TRUE;
}

BOOL CCommandDlg::OnEraseBkgnd(CDC* dc) {
    return FillBlack(*this, dc);
}

BOOL CCommandBar::Create(CWnd* frame) {
    if (!CDialogBar::Create(frame, kCommandBarTemplate, CBRS_LEFT, kCommandBarTemplate))
        return FALSE;
    CreateBarDialog(*this, m_dialog);
    return TRUE;
}

void CCommandBar::OnSize(UINT type, int cx, int cy) {
    CDialogBar::OnSize(type, cx, cy);
    FitBarDialog(m_dialog, cx, cy);
}

// --- command bar 2 --------------------------------------------------------------

CCommandDlg2::~CCommandDlg2() {
    DestroyWindow();
}

const CommandMap& CCommandDlg2::GetCommandMap() const {
    static const CommandMap map =
        CommandMapFor<CCommandDlg2>(CDialog::GetCommandMap())
            .OnBnClicked(kCreateId, &CCommandDlg2::OnCreateObject)
            .OnBnClicked(kSelectId, &CCommandDlg2::OnSelectObject)
            .OnUpdateCommandUIRange(kObjectMenuFirstId, kObjectMenuLastId, &CCommandDlg2::OnUpdateObjectItem);
    return map;
}

void CCommandDlg2::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, kCreateId, m_create);
    DDX_Control(dx, kDeleteId, m_delete);
    DDX_Control(dx, kSelectId, m_select);
    DDX_Control(dx, kTransId, m_readouts[readoutTrans]);
    DDX_Control(dx, kRotId, m_readouts[readoutRot]);
    DDX_Control(dx, kScaleId, m_readouts[readoutScale]);
    DDX_Control(dx, kSingleId, m_single);
    DDX_Control(dx, kMultiId, m_multi);
}

BOOL CCommandDlg2::OnInitDialog() {
    CDialog::OnInitDialog();
    // Single, Multi and Create Obj send no command of their own: they are
    // marks, and Create Obj works through its click notification.
    for (CDropButton* button : {&m_single, &m_multi, &m_create}) {
        button->SetPopupMode(FALSE);
        button->SetActive(FALSE);
    }
    m_single.SetChecked(TRUE);
    m_delete.SetPopupMode(FALSE);
    m_delete.SetCommand(kObjectPageDelete);
    m_delete.SetTarget(ObjectPage());
    m_select.SetActive(FALSE);
    m_readouts[readoutTrans].m_active = TRUE;
    m_initialized = 1;
    return TRUE;
}

BOOL CCommandDlg2::OnEraseBkgnd(CDC* dc) {
    return FillBlack(*this, dc);
}

void CCommandDlg2::OnCreateObject() {
    CQuelDoc* doc = GetDoc();
    CObjectPage* page = ObjectPage();
    if (!doc || !page)
        return;
    CRect anchor;
    m_create.GetWindowRect(&anchor);
    doc->m_popupAnchorActive = 1;
    doc->m_popupAnchorRect = anchor;
    CString where;
    where.Format("%d , %d", anchor.top, anchor.right);
    SetStatusText(where);
    page->SendMessage(WM_COMMAND, MAKEWPARAM(kObjectPageNew, 0), 0);
    doc->m_popupAnchorActive = 0;
}

void CCommandDlg2::OnSelectObject() {
    CQuelDoc* doc = GetDoc();
    if (!doc)
        return;
    CMenu menu;
    if (!menu.CreatePopupMenu())
        return;
    const std::vector<ObjectMenuItem> items = ObjectMenuItems(*doc);
    UINT id = kObjectMenuFirstId;
    for (const ObjectMenuItem& item : items)
        menu.AppendMenu(MF_STRING | (item.checked ? MF_CHECKED : 0), id++, item.name);
    if (items.empty())
        menu.AppendMenu(MF_STRING | MF_GRAYED, kObjectMenuFirstId, "none");
    CRect button;
    m_select.GetWindowRect(&button);
    menu.TrackPopupMenu(TPM_RIGHTBUTTON | TPM_RIGHTALIGN, button.left, button.top + 4, this);
}

BOOL CCommandDlg2::OnCommand(WPARAM wParam, LPARAM lParam) {
    const BOOL result = CDialog::OnCommand(wParam, lParam);
    // Only the object popup's items: a button's notification carries its
    // window, and its id must never be taken for an object's number.
    if (lParam == 0 && HIWORD(wParam) == 0 && LOWORD(wParam) >= kObjectMenuFirstId &&
        LOWORD(wParam) <= kObjectMenuLastId)
        ChooseObject(static_cast<int>(LOWORD(wParam) - kObjectMenuFirstId));
    return result;
}

void CCommandDlg2::OnUpdateObjectItem(CCmdUI* ui) {
    // The items stand as the menu was built; only "none" stays grey.
    const CQuelDoc* doc = GetDoc();
    ui->Enable(doc && ui->m_nID - kObjectMenuFirstId < ObjectMenuItems(*doc).size());
}

void CCommandDlg2::ChooseObject(int index) {
    CQuelDoc* doc = GetDoc();
    CObjectPage* page = ObjectPage();
    if (!doc || !page)
        return;
    const std::vector<ObjectMenuItem> items = ObjectMenuItems(*doc);
    if (index < 0 || index >= static_cast<int>(items.size()))
        return;
    CTreeCtrl& tree = page->GetTree();
    if (HTREEITEM item = FindVisibleTreeItem(tree, items[static_cast<size_t>(index)].name))
        tree.Select(item, TVGN_CARET);
}

BOOL CCommandBar2::Create(CWnd* frame) {
    if (!CDialogBar::Create(frame, kCommandBar2Template, CBRS_RIGHT, kCommandBar2Template))
        return FALSE;
    CreateBarDialog(*this, m_dialog);
    return TRUE;
}

void CCommandBar2::OnSize(UINT type, int cx, int cy) {
    CDialogBar::OnSize(type, cx, cy);
    FitBarDialog(m_dialog, cx, cy);
}

CXyzButton* CCommandBar2::ReadoutButton(Readout which) {
    switch (which) {
    case readoutTranslation:
        return &m_dialog.GetReadout(CCommandDlg2::readoutTrans);
    case readoutRotation:
        return &m_dialog.GetReadout(CCommandDlg2::readoutRot);
    case readoutScale:
        return &m_dialog.GetReadout(CCommandDlg2::readoutScale);
    }
    return nullptr;
}

void CCommandBar2::SetReadoutValue(Readout which, const CVector3& value) {
    if (CXyzButton* button = ReadoutButton(which))
        button->m_value = value;
}

void CCommandBar2::SetReadoutActive(Readout which, BOOL active) {
    if (CXyzButton* button = ReadoutButton(which))
        button->m_active = active;
}

void CCommandBar2::RedrawReadouts() {
    for (Readout which : {readoutTranslation, readoutRotation, readoutScale})
        if (CXyzButton* button = ReadoutButton(which); button && button->GetNativeWindow())
            button->RedrawWindow();
}

void CCommandBar2::SetObjectModeButtons(BOOL singlePressed, BOOL multiPressed) {
    CDropButton& single = m_dialog.GetSingleButton();
    CDropButton& multi = m_dialog.GetMultiButton();
    single.SetChecked(singlePressed);
    multi.SetChecked(multiPressed);
    if (single.GetNativeWindow())
        single.RedrawWindow();
    if (multi.GetNativeWindow())
        multi.RedrawWindow();
}
