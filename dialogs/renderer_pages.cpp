#include "dialogs/renderer_pages.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "dialogs/renderer_setting_dlg.h"
#include "dialogs/settings_rules.h"
#include "platform/ui/common_dialogs.h"
#include "platform/ui/cursor.h"
#include "platform/ui/frame_wnd.h"

namespace {

// --- renderer paths ----------------------------------------------------------------

enum : UINT {
    kRendribEdit = 1063,
    kBmrtEdit = 1462,
    kLightflowEdit = 1464,
    kPythonEdit = 1675,
    kRendribButton = 1475,
    kBmrtButton = 1478,
    kLightflowButton = 1481,
    kPythonButton = 1152,
};
constexpr ControlText kPathEnglish[] = {
    {1900, "BMRT(rendrib.exe)"},
    {1901, "BMRT(folder)"},
    {1902, "LightFlow"},
    {1903, "Python"},
};

// --- renderer definitions ------------------------------------------------------------

enum : UINT {
    kList = 1056,
    kAdd = 1475,
    kEdit = 1478,
    kDelete = 1481,
    kCopy = 1473,
    kUp = 1152,
    kDown = 1467,
};
constexpr ControlText kListEnglish[] = {
    {kAdd, "Add POV-Ray Setting"},
    {kEdit, "Setting"},
    {kDelete, "Delete POV-Ray Setting"},
    {kCopy, "Copy"},
    {kUp, "Up"},
    {kDown, "Down"},
};

} // namespace

// --- renderer paths ----------------------------------------------------------------

CRendererPathPanel::CRendererPathPanel() : CSettingsPage({IDD, {}, {}, {}, {}, {}, kPathEnglish}) {}

const CommandMap& CRendererPathPanel::GetCommandMap() const {
    static const CommandMap map = CommandMapFor<CRendererPathPanel>(CSettingsPage::GetCommandMap())
                                      .OnBnClicked(kRendribButton, &CRendererPathPanel::OnRendribPath)
                                      .OnBnClicked(kBmrtButton, &CRendererPathPanel::OnBmrtFolder)
                                      .OnBnClicked(kLightflowButton, &CRendererPathPanel::OnLightflowFolder)
                                      .OnBnClicked(kPythonButton, &CRendererPathPanel::OnPythonPath);
    return map;
}

void CRendererPathPanel::Refresh() {
    const CQuelDoc* doc = GetDoc();
    if (!doc || !GetNativeWindow())
        return;
    SetDlgItemText(kRendribEdit, doc->m_settings.m_rendribPath);
    SetDlgItemText(kBmrtEdit, doc->m_settings.m_bmrtFolder);
    SetDlgItemText(kLightflowEdit, doc->m_settings.m_lightflowFolder);
    SetDlgItemText(kPythonEdit, doc->m_settings.m_pythonPath);
}

void CRendererPathPanel::OnRendribPath() {
    if (CQuelDoc* doc = GetDoc())
        ChooseFile(doc->m_settings.m_rendribPath, kRendribEdit);
}

void CRendererPathPanel::OnBmrtFolder() {
    if (CQuelDoc* doc = GetDoc())
        ChooseFolder(doc->m_settings.m_bmrtFolder, kBmrtEdit);
}

void CRendererPathPanel::OnLightflowFolder() {
    if (CQuelDoc* doc = GetDoc())
        ChooseFolder(doc->m_settings.m_lightflowFolder, kLightflowEdit);
}

void CRendererPathPanel::OnPythonPath() {
    if (CQuelDoc* doc = GetDoc())
        ChooseFile(doc->m_settings.m_pythonPath, kPythonEdit);
}

void CRendererPathPanel::ChooseFile(CString& path, UINT edit) {
    // A program here has no extension of its own, so any file may be chosen.
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                       IsEnglish() ? "All Files (*)|*||" : "すべてのファイル (*)|*||", this);
    dialog.m_ofn.lpstrInitialDir = FolderOf(path);
    if (dialog.DoModal() != IDOK)
        return;
    path = dialog.GetPathName();
    SetDlgItemText(static_cast<int>(edit), path);
}

void CRendererPathPanel::ChooseFolder(CString& path, UINT edit) {
    CFolderDialog dialog(IsEnglish() ? "Select Folder" : "フォルダの選択", AfxGetMainWnd());
    if (dialog.DoModal() != IDOK || dialog.GetPath().IsEmpty())
        return;
    path = dialog.GetPath();
    SetDlgItemText(static_cast<int>(edit), path);
}

// --- renderer definitions ------------------------------------------------------------

CPovSettingListPanel::CPovSettingListPanel() : CSettingsPage({IDD, {}, {}, {}, {}, {}, kListEnglish}) {}

const CommandMap& CPovSettingListPanel::GetCommandMap() const {
    static const CommandMap map = CommandMapFor<CPovSettingListPanel>(CSettingsPage::GetCommandMap())
                                      .OnBnClicked(kAdd, &CPovSettingListPanel::OnAdd)
                                      .OnBnClicked(kEdit, &CPovSettingListPanel::OnEdit)
                                      .OnBnClicked(kDelete, &CPovSettingListPanel::OnDelete)
                                      .OnBnClicked(kCopy, &CPovSettingListPanel::OnCopy)
                                      .OnBnClicked(kUp, &CPovSettingListPanel::OnUp)
                                      .OnBnClicked(kDown, &CPovSettingListPanel::OnDown)
                                      .OnLbnDblClk(kList, &CPovSettingListPanel::OnDoubleClick);
    return map;
}

void CPovSettingListPanel::DoDataExchange(CDataExchange* dx) {
    CSettingsPage::DoDataExchange(dx);
    DDX_Control(dx, kList, m_list);
}

BOOL CPovSettingListPanel::OnInitDialog() {
    CSettingsPage::OnInitDialog();
    Refill();
    return TRUE;
}

void CPovSettingListPanel::Refill() {
    m_list.ResetContent();
    const CQuelDoc* doc = GetDoc();
    if (!doc)
        return;
    for (CRendererInfo* info : doc->m_renderers) {
        const int line = m_list.AddString(info->title.GetString());
        m_list.SetItemData(line, reinterpret_cast<DWORD_PTR>(info));
    }
}

CRendererInfo* CPovSettingListPanel::Selected() const {
    const int line = m_list.GetCurSel();
    return line < 0 ? nullptr : reinterpret_cast<CRendererInfo*>(m_list.GetItemData(line));
}

bool CPovSettingListPanel::RunDefinitionDialog(CRendererInfo& info) {
    CRendererSettingDlg dialog(this);
    dialog.SetInfo(info);
    if (dialog.DoModal() != IDOK)
        return false;
    info.CopyFrom(dialog.GetInfo());
    return true;
}

void CPovSettingListPanel::OnAdd() {
    CQuelDoc* doc = GetDoc();
    CRendererInfo info;
    if (!doc || !RunDefinitionDialog(info))
        return;
    doc->m_renderers.Add(info);
    Refill();
}

void CPovSettingListPanel::OnEdit() {
    CRendererInfo* selected = Selected();
    if (!selected)
        return;
    CRendererInfo info;
    info.CopyFrom(*selected);
    if (!RunDefinitionDialog(info))
        return;
    selected->CopyFrom(info);
    Refill();
}

void CPovSettingListPanel::OnDelete() {
    CQuelDoc* doc = GetDoc();
    const CRendererInfo* selected = Selected();
    if (!doc || !selected)
        return;
    const int position = m_list.GetCurSel();
    if (doc->m_renderers.Remove(selected, doc->m_render.renderer_index))
        CRendererList::FollowRemoval(doc->m_previewRender.renderer_index, position);
    Refill();
}

void CPovSettingListPanel::OnCopy() {
    CQuelDoc* doc = GetDoc();
    const CRendererInfo* selected = Selected();
    if (!doc || !selected)
        return;
    CRendererInfo info;
    info.CopyFrom(*selected);
    if (!RunDefinitionDialog(info))
        return;
    doc->m_renderers.Add(info);
    Refill();
}

void CPovSettingListPanel::OnUp() {
    CQuelDoc* doc = GetDoc();
    const int line = m_list.GetCurSel();
    if (!doc || !doc->m_renderers.MoveUp(line, doc->m_render.renderer_index))
        return;
    CRendererList::FollowExchange(doc->m_previewRender.renderer_index, line - 1);
    Refill();
    m_list.SetCurSel(line - 1);
}

void CPovSettingListPanel::OnDown() {
    CQuelDoc* doc = GetDoc();
    const int line = m_list.GetCurSel();
    if (!doc || !doc->m_renderers.MoveDown(line, doc->m_render.renderer_index))
        return;
    CRendererList::FollowExchange(doc->m_previewRender.renderer_index, line);
    Refill();
    m_list.SetCurSel(line + 1);
}

void CPovSettingListPanel::OnDoubleClick() {
    CPoint cursor;
    GetCursorPos(&cursor);
    m_list.ScreenToClient(&cursor);
    BOOL outside = TRUE;
    const int line = static_cast<int>(m_list.ItemFromPoint(cursor, outside));
    if (outside || line != m_list.GetCurSel())
        return;
    OnEdit();
    m_list.SetCurSel(line);
}
