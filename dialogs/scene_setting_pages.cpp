#include "dialogs/scene_setting_pages.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "dialogs/settings_rules.h"
#include "platform/base/c_locale.h"
#include "platform/base/codepage.h"
#include "platform/ui/common_dialogs.h"
#include "platform/ui/resource_lookup.h"
#include "resources/resource_tables.h"

namespace {

// --- global settings -------------------------------------------------------------

constexpr UINT kGlobalGroups[] = {1475};
constexpr PageNumberField kGlobalNumbers[] = {
    FloatField(
        1220, 1223, 0.0f, 1.0f, [](CQuelDoc& d) -> float& { return d.m_globalSettings.m_adcBailout; },
        AfterChange::modified),
    FloatField(
        1238, 1249, 0.0f, 3.0f, [](CQuelDoc& d) -> float& { return d.m_globalSettings.m_assumedGamma; },
        AfterChange::modified),
    IntField(
        1260, 1271, 0, 1000, [](CQuelDoc& d) -> int& { return d.m_globalSettings.m_maxIntersections; },
        AfterChange::modified),
    IntField(
        1278, 1288, 1, 1000, [](CQuelDoc& d) -> int& { return d.m_globalSettings.m_maxTraceLevel; },
        AfterChange::modified),
    IntField(
        1297, 1305, 0, 1000, [](CQuelDoc& d) -> int& { return d.m_globalSettings.m_numberOfWaves; },
        AfterChange::modified),
};
constexpr PageSwatch kGlobalSwatches[] = {
    {1330, [](CQuelDoc& d) -> COLORREF& { return d.m_globalSettings.m_ambientLight; }, AfterChange::modified},
    {1337, [](CQuelDoc& d) -> COLORREF& { return d.m_globalSettings.m_iridWavelength; },
     AfterChange::modified},
};
constexpr PageCheck kGlobalChecks[] = {
    {1323, [](CQuelDoc& d) -> int& { return d.m_globalSettings.m_hfGray16; }, AfterChange::modified},
};

// --- include files -----------------------------------------------------------------

enum : UINT { kIncludeTree = 1022, kAdd = 1062, kDelete = 1064, kUp = 1068, kDown = 1072 };
constexpr ControlText kIncludeEnglish[] = {{kAdd, "Add"}, {kDelete, "Delete"}};

// --- image-based lighting ------------------------------------------------------------

enum : UINT {
    kUse = 1422,
    kPath = 1677,
    kBrowse = 1478,
    kAmbientRed = 1679,
    kAmbientGreen = 1681,
    kAmbientBlue = 1682,
    kAmbientSwatch = 1486,
    kSync = 1426,
    kMapType = 1686,
};
constexpr UINT kAmbientFields[] = {kAmbientRed, kAmbientGreen, kAmbientBlue};

constexpr PageNumberField AmbientField(UINT edit, UINT spin, UINT meter, float& (*value)(CQuelDoc&)) {
    return {edit, spin, meter, 0.0f, 1.0f, 2, AfterChange::modified, value, nullptr};
}
constexpr PageNumberField CentreField(UINT edit, float& (*value)(CQuelDoc&)) {
    return FloatField(edit, 0, -10000.0f, 10000.0f, value, AfterChange::modified);
}
constexpr PageNumberField kLightingNumbers[] = {
    CentreField(1063, [](CQuelDoc& d) -> float& { return d.m_hdr.m_center[0]; }),
    CentreField(1462, [](CQuelDoc& d) -> float& { return d.m_hdr.m_center[1]; }),
    CentreField(1464, [](CQuelDoc& d) -> float& { return d.m_hdr.m_center[2]; }),
    {1675, 1475, 0, 0.0f, 10000.0f, 1, AfterChange::modified,
     [](CQuelDoc& d) -> float& { return d.m_hdr.m_radius; }, nullptr, TRUE, 10.0f},
    AmbientField(kAmbientRed, 1481, 1152, [](CQuelDoc& d) -> float& { return d.m_hdr.m_ambient[0]; }),
    AmbientField(kAmbientGreen, 1467, 1473, [](CQuelDoc& d) -> float& { return d.m_hdr.m_ambient[1]; }),
    AmbientField(kAmbientBlue, 1457, 1480, [](CQuelDoc& d) -> float& { return d.m_hdr.m_ambient[2]; }),
    AmbientField(1684, 1484, 1485, [](CQuelDoc& d) -> float& { return d.m_hdr.m_diffuse; }),
};
constexpr PageCheck kLightingChecks[] = {
    {kUse, [](CQuelDoc& d) -> int& { return d.m_hdr.m_use; }, AfterChange::modified},
};
constexpr ControlText kLightingEnglish[] = {
    {kUse, "Use Image Based Lighting"},
    {kSync, "Sync"},
    {1900, "Path"},
    {1901, "Sphere Position"},
    {1902, "Center"},
    {1903, "Radius"},
    {1904, "Finish"},
    {1905, "Ambient"},
    {1906, "Diffuse"},
};

} // namespace

// --- global settings -------------------------------------------------------------

CGlobalSettingsPanel::CGlobalSettingsPanel()
    : CSettingsPage({IDD, kGlobalGroups, kGlobalNumbers, kGlobalChecks, kGlobalSwatches}) {}

// --- include files ---------------------------------------------------------------

CIncludeFilePanel::CIncludeFilePanel() : CSettingsPage({IDD, {}, {}, {}, {}, {}, kIncludeEnglish}) {}

const CommandMap& CIncludeFilePanel::GetCommandMap() const {
    static const CommandMap map = CommandMapFor<CIncludeFilePanel>(CSettingsPage::GetCommandMap())
                                      .OnBnClicked(kAdd, &CIncludeFilePanel::OnAdd)
                                      .OnBnClicked(kDelete, &CIncludeFilePanel::OnDelete)
                                      .OnBnClicked(kUp, &CIncludeFilePanel::OnUp)
                                      .OnBnClicked(kDown, &CIncludeFilePanel::OnDown);
    return map;
}

void CIncludeFilePanel::DoDataExchange(CDataExchange* dx) {
    CSettingsPage::DoDataExchange(dx);
    DDX_Control(dx, kIncludeTree, m_tree);
}

void CIncludeFilePanel::Refresh() {
    Rebuild(0);
}

void CIncludeFilePanel::Rebuild(int selected) {
    CQuelDoc* doc = GetDoc();
    if (!doc || !m_tree.GetNativeWindow())
        return;
    m_tree.DeleteAllItems();
    HTREEITEM chosen = nullptr;
    for (size_t i = 0; i < doc->m_includeFiles.size(); ++i) {
        const HTREEITEM item = m_tree.InsertItem(doc->m_includeFiles[i].GetString());
        if (static_cast<int>(i) == selected)
            chosen = item;
    }
    if (chosen)
        m_tree.SelectItem(chosen);
}

int CIncludeFilePanel::GetSelectedIndex() const {
    const HTREEITEM selected = m_tree.GetSelectedItem();
    int index = 0;
    for (HTREEITEM item = m_tree.GetRootItem(); item; item = m_tree.GetNextSiblingItem(item), ++index)
        if (item == selected)
            return index;
    return -1;
}

void CIncludeFilePanel::OnAdd() {
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                       "include file(*.inc)|*.inc|All Files (*.*)|*.*||", this);
    if (dialog.DoModal() != IDOK)
        return;
    const CString path = dialog.GetPathName();
    CQuelDoc* doc = GetDoc();
    if (!doc || !CheckStorableName(path))
        return;
    m_tree.SelectItem(m_tree.InsertItem(path.GetString()));
    doc->m_includeFiles.push_back(path);
    SetModified();
}

void CIncludeFilePanel::OnDelete() {
    CQuelDoc* doc = GetDoc();
    const HTREEITEM selected = m_tree.GetSelectedItem();
    if (!doc || !selected || !RemoveEntry(doc->m_includeFiles, GetSelectedIndex()))
        return;
    m_tree.DeleteItem(selected);
    SetModified();
}

void CIncludeFilePanel::OnUp() {
    CQuelDoc* doc = GetDoc();
    const int moved = doc ? MoveEntryUp(doc->m_includeFiles, GetSelectedIndex()) : -1;
    if (moved < 0)
        return;
    Rebuild(moved);
    SetModified();
}

void CIncludeFilePanel::OnDown() {
    CQuelDoc* doc = GetDoc();
    const int moved = doc ? MoveEntryDown(doc->m_includeFiles, GetSelectedIndex()) : -1;
    if (moved < 0)
        return;
    Rebuild(moved);
    SetModified();
}

// --- image-based lighting ----------------------------------------------------------

CImageBasedLightingPanel::CImageBasedLightingPanel()
    : CSettingsPage({IDD, {}, kLightingNumbers, kLightingChecks, {}, {}, kLightingEnglish}) {}

const CommandMap& CImageBasedLightingPanel::GetCommandMap() const {
    static const CommandMap map = CommandMapFor<CImageBasedLightingPanel>(CSettingsPage::GetCommandMap())
                                      .OnBnClicked(kAmbientSwatch, &CImageBasedLightingPanel::OnAmbientSwatch)
                                      .OnBnClicked(kBrowse, &CImageBasedLightingPanel::OnBrowse)
                                      .OnEnKillFocus(kPath, &CImageBasedLightingPanel::StoreAll)
                                      .OnEnKillFocus(kMapType, &CImageBasedLightingPanel::StoreAll);
    return map;
}

void CImageBasedLightingPanel::DoDataExchange(CDataExchange* dx) {
    CSettingsPage::DoDataExchange(dx);
    DDX_Control(dx, kAmbientSwatch, m_ambientSwatch);
    DDX_Control(dx, kPath, m_path);
    DDX_Control(dx, kMapType, m_mapType);
}

BOOL CImageBasedLightingPanel::OnInitDialog() {
    CSettingsPage::OnInitDialog();
    m_path.SetRule({[](const CString& path) { return qf::IsCp932Representable(path.view()); },
                    [this](const CString& path) { CheckStorableName(path); }});
    m_mapType.SetRule({[](const CString& text) {
                           int mapType = 0;
                           return qf::ParseInt(text.view(), mapType);
                       },
                       [this](const CString&) {
                           MessageBox(GetSafeHwnd(), LoadResourceString(IDS_PARSE_INT), "quelaForm",
                                      MB_OK | MB_ICONWARNING);
                       }});
    return TRUE;
}

void CImageBasedLightingPanel::Refresh() {
    CSettingsPage::Refresh();
    const CQuelDoc* doc = GetDoc();
    if (!doc || !GetNativeWindow())
        return;
    m_path.SetWindowText(doc->m_hdr.m_imageFile);
    m_mapType.SetWindowText(IntToString(doc->m_hdr.m_mapType));
    ShowAmbientSwatch();
}

void CImageBasedLightingPanel::ShowAmbientSwatch() {
    const CMyEdit* r = FindEdit(kAmbientRed);
    const CMyEdit* g = FindEdit(kAmbientGreen);
    const CMyEdit* b = FindEdit(kAmbientBlue);
    m_ambientSwatch.SetColor(AmbientSwatchColor(r->GetFloat(), g->GetFloat(), b->GetFloat()));
}

void CImageBasedLightingPanel::SyncAmbient(UINT id) {
    if (IsDlgButtonChecked(kSync) != BST_CHECKED)
        return;
    const float value = FindEdit(id)->GetFloat();
    for (const UINT other : kAmbientFields)
        if (other != id)
            FindEdit(other)->SetFloat(value);
}

void CImageBasedLightingPanel::AfterStore(UINT id, AfterChange) {
    for (const UINT ambient : kAmbientFields)
        if (id == ambient) {
            SyncAmbient(id);
            ShowAmbientSwatch();
        }
    StoreAll();
}

void CImageBasedLightingPanel::OnAmbientSwatch() {
    const std::array<float, 3> ambient = AmbientFromColor(m_ambientSwatch.GetColor());
    for (size_t i = 0; i < ambient.size(); ++i)
        FindEdit(kAmbientFields[i])->SetFloat(ambient[i]);
    StoreAll();
}

void CImageBasedLightingPanel::OnBrowse() {
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                       "high dynamic range image file(*.hdr)|*.hdr||", this);
    if (dialog.DoModal() != IDOK || !CheckStorableName(dialog.GetPathName()))
        return;
    m_path.SetWindowText(dialog.GetPathName());
    StoreAll();
}

void CImageBasedLightingPanel::StorePath() {
    CQuelDoc* doc = GetDoc();
    if (!doc)
        return;
    CString path;
    m_path.GetWindowText(path);
    doc->m_hdr.m_imageFile = path;
}

void CImageBasedLightingPanel::StoreMapType() {
    CQuelDoc* doc = GetDoc();
    if (!doc)
        return;
    CString text;
    m_mapType.GetWindowText(text);
    int mapType = 0;
    if (qf::ParseInt(text.view(), mapType))
        doc->m_hdr.m_mapType = mapType;
    m_mapType.SetWindowText(IntToString(doc->m_hdr.m_mapType));
}

void CImageBasedLightingPanel::StoreAll() {
    CQuelDoc* doc = GetDoc();
    if (!doc)
        return;
    StoreAllFields();
    StorePath();
    StoreMapType();
    SetModified();
}
