#include "dialogs/select_multi_objects_dlg.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"

#include <algorithm>

namespace {

constexpr int kList = 1056;
constexpr int kSelectAll = 1475;
constexpr int kSelectNone = 1478;

// The panes that show curves draw them again, with the new selection's colours.
void QuickDrawCurves(const CQuelDoc& doc) {
    for (int id = wndGLPane0; id < wndGLPane0 + kPaneCount; ++id)
        if (auto* pane = doc.FindWindowService<CGLPaneServices>(id))
            pane->QuickDrawCurves();
}

} // namespace

std::vector<CBaseObj*> MultiObjectListEntries(const CQuelDoc& doc) {
    std::vector<CBaseObj*> entries;
    for (CSpatchObj* obj : doc.m_objects)
        entries.push_back(obj);
    for (CPolygonObj* polygon : doc.m_polygonObjects)
        entries.push_back(polygon);
    return entries;
}

void ApplyMultiSelection(const CQuelDoc& doc, const std::vector<int>& positions) {
    const std::vector<CBaseObj*> entries = MultiObjectListEntries(doc);
    for (CBaseObj* entry : entries)
        entry->SetMultiSelected(0);
    for (const int position : positions)
        if (position >= 0 && position < static_cast<int>(entries.size()))
            entries[static_cast<size_t>(position)]->SetMultiSelected(1);
}

CSelectMultiObjectsDlg::~CSelectMultiObjectsDlg() {
    DestroyWindow();
}

const CommandMap& CSelectMultiObjectsDlg::GetCommandMap() const {
    static const CommandMap map = CommandMapFor<CSelectMultiObjectsDlg>(CDialog::GetCommandMap())
                                      .OnLbnSelChange(kList, &CSelectMultiObjectsDlg::OnSelChange)
                                      .OnBnClicked(kSelectAll, &CSelectMultiObjectsDlg::OnSelectAll)
                                      .OnBnClicked(kSelectNone, &CSelectMultiObjectsDlg::OnSelectNone);
    return map;
}

void CSelectMultiObjectsDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, kList, m_list);
    DDX_Control(dx, kSelectAll, m_selectAll);
    DDX_Control(dx, kSelectNone, m_selectNone);
}

BOOL CSelectMultiObjectsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (IsEnglish())
        SetWindowText("Select Multi Objects");
    return TRUE;
}

LRESULT CSelectMultiObjectsDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DOC_NOTIFY) {
        if (lParam == notifySceneMerged)
            RefreshList();
        return 0;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

void CSelectMultiObjectsDlg::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    if (!m_list.GetNativeWindow())
        return;
    constexpr int kMargin = 10;
    constexpr int kButtonHeight = 20;
    const int width = std::max(0, cx - 2 * kMargin);
    const int listHeight = std::max(0, cy - 50);
    m_list.MoveWindow(kMargin, kMargin, width, listHeight);
    const int buttonTop = kMargin + listHeight + 5;
    m_selectAll.MoveWindow(kMargin, buttonTop, width / 2, kButtonHeight);
    m_selectNone.MoveWindow(kMargin + width / 2, buttonTop, width / 2, kButtonHeight);
}

void CSelectMultiObjectsDlg::Show(BOOL show) {
    ShowWindow(show ? SW_SHOWNA : SW_HIDE);
}

void CSelectMultiObjectsDlg::PlaceAt(const CRect& screenRect) {
    MoveWindow(screenRect);
    RedrawWindow();
}

void CSelectMultiObjectsDlg::RefreshList() {
    m_list.ResetContent();
    CQuelDoc* doc = GetDoc();
    if (!doc)
        return;
    int position = 0;
    for (CBaseObj* entry : MultiObjectListEntries(*doc)) {
        const int line = m_list.AddString(entry->GetName());
        m_list.SetItemData(line, static_cast<DWORD_PTR>(position++));
        m_list.SetSel(line, entry->GetMultiSelected() ? TRUE : FALSE);
    }
}

void CSelectMultiObjectsDlg::ClearList() {
    if (m_list.GetNativeWindow())
        m_list.ResetContent();
}

void CSelectMultiObjectsDlg::OnSelChange() {
    CQuelDoc* doc = GetDoc();
    if (!doc)
        return;
    std::vector<int> positions;
    for (const int line : m_list.GetSelItems())
        positions.push_back(static_cast<int>(m_list.GetItemData(line)));
    ApplyMultiSelection(*doc, positions);
    QuickDrawCurves(*doc);
}

void CSelectMultiObjectsDlg::OnSelectAll() {
    SelectAll(1);
}

void CSelectMultiObjectsDlg::OnSelectNone() {
    SelectAll(0);
}

void CSelectMultiObjectsDlg::SelectAll(int flag) {
    CQuelDoc* doc = GetDoc();
    if (!doc)
        return;
    bool changed = false;
    for (CBaseObj* entry : MultiObjectListEntries(*doc)) {
        changed |= entry->GetMultiSelected() != flag;
        entry->SetMultiSelected(flag);
    }
    m_list.SetSel(-1, flag ? TRUE : FALSE);
    if (changed)
        QuickDrawCurves(*doc);
}
