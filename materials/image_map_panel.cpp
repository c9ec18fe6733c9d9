#include "materials/image_map_panel.h"

#include "app/doc_helpers.h"
#include "dialogs/dialog_texts.h"
#include "materials/material_rules.h"
#include "platform/ui/common_dialogs.h"

#include <filesystem>

namespace {

constexpr int kPathEdit = 1030;
constexpr int kChooseButton = 1230;
constexpr int kMapTypeList = 1145;
constexpr int kInterpolationList = 1240;
constexpr int kOnceCheck = 1247;
constexpr int kUseIndexCheck = 1251;

constexpr int kGroups[] = {1475, 1478, 1481, 1152};
constexpr ControlText kEnglish[] = {
    {1475, "Image"}, {1478, "Map Type"}, {1481, "Interpolate"}, {1152, "Option"}};

constexpr const char* kFilter =
    "Common Graphic Files|*.gif; *.tga; *.iff; *.ppm; *.pgm; *.png; *.bmp|PNG|*.png|"
    "BMP|*.bmp|GIF|*.gif|TGA|*.tga|IFF|*.iff|PPM|*.ppm|PGM|*.pgm||";

void FillList(CComboBox& list, std::span<const char* const> names) {
    list.ResetContent();
    for (const char* name : names)
        list.AddString(name);
}

// A file POV-Ray would read with the wrong type is never stored.
void TellUnreadableType(const CWnd& owner, const CString& path) {
    const CString name(std::filesystem::path(path.str()).filename().string());
    const CString types = ImageFileExtensionList();
    CString text;
    if (IsEnglish())
        text = "POV-Ray cannot read \"" + name +
               "\" as an image map.\nChoose a file of one of these types: " + types + ".";
    else
        text = "「" + name +
               "」はPOV-Rayでイメージマップとして読めません。\n次の形式のファイルを選んでください: " + types +
               "。";
    MessageBox(owner.GetSafeHwnd(), text, IsEnglish() ? "Error" : "エラー", MB_OK | MB_ICONWARNING);
}

} // namespace

CImageMapPanel::CImageMapPanel() : CMaterialElementPanel(kGroups) {}

const CommandMap& CImageMapPanel::GetCommandMap() const {
    static const CommandMap map = CommandMapFor<CImageMapPanel>(CMaterialElementPanel::GetCommandMap())
                                      .OnBnClicked(kChooseButton, &CImageMapPanel::OnChooseFile)
                                      .OnCbnSelChange(kMapTypeList, &CImageMapPanel::OnMapType)
                                      .OnCbnSelChange(kInterpolationList, &CImageMapPanel::OnInterpolation)
                                      .OnBnClicked(kOnceCheck, &CImageMapPanel::OnOnce)
                                      .OnBnClicked(kUseIndexCheck, &CImageMapPanel::OnUseIndex);
    return map;
}

void CImageMapPanel::DoDataExchange(CDataExchange* dx) {
    CMaterialElementPanel::DoDataExchange(dx);
    DDX_Control(dx, kMapTypeList, m_mapType);
    DDX_Control(dx, kInterpolationList, m_interpolation);
}

BOOL CImageMapPanel::OnInitDialog() {
    CMaterialElementPanel::OnInitDialog();
    FillList(m_mapType, ImageMapTypeNames());
    FillList(m_interpolation, InterpolationNames());
    ApplyEnglishTexts(*this, nullptr, kEnglish);
    return TRUE;
}

CImageMapData* CImageMapPanel::CurrentMap() {
    CMaterialData* mat = CurrentMaterial();
    return mat ? &ImageMapOf(*mat, ParentKind()) : nullptr;
}

void CImageMapPanel::Refresh() {
    const CImageMapData* map = CurrentMap();
    if (!map)
        return;
    m_mapType.SetCurSel(map->m_mapType);
    m_interpolation.SetCurSel(map->m_interpolate);
    SetDlgItemText(kPathEdit, map->m_fileName);
    CheckDlgButton(kOnceCheck, map->m_once ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(kUseIndexCheck, map->m_useIndex ? BST_CHECKED : BST_UNCHECKED);
}

void CImageMapPanel::OnChooseFile() {
    if (!CurrentMap())
        return;
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kFilter, this);
    if (dialog.DoModal() != IDOK)
        return;
    const CString path = dialog.GetPathName();
    const std::optional<int> type = ImageFileTypeOf(path);
    if (!type) {
        TellUnreadableType(*this, path);
        return;
    }
    // The map is fetched again: the material may have gone while the dialog was open.
    CImageMapData* map = CurrentMap();
    if (!map)
        return;
    map->m_fileName = path;
    map->m_fileType = *type;
    SetDlgItemText(kPathEdit, path);
    SetModifiedForPanels();
}

void CImageMapPanel::OnMapType() {
    CImageMapData* map = CurrentMap();
    const int index = m_mapType.GetCurSel();
    if (!map || index < 0)
        return;
    map->m_mapType = index;
    SetModifiedForPanels();
}

void CImageMapPanel::OnInterpolation() {
    CImageMapData* map = CurrentMap();
    const int index = m_interpolation.GetCurSel();
    if (!map || index < 0)
        return;
    map->m_interpolate = index;
    SetModifiedForPanels();
}

void CImageMapPanel::OnOnce() {
    if (CImageMapData* map = CurrentMap()) {
        map->m_once = IsDlgButtonChecked(kOnceCheck) == BST_CHECKED ? 1 : 0;
        SetModifiedForPanels();
    }
}

void CImageMapPanel::OnUseIndex() {
    if (CImageMapData* map = CurrentMap()) {
        map->m_useIndex = IsDlgButtonChecked(kUseIndexCheck) == BST_CHECKED ? 1 : 0;
        SetModifiedForPanels();
    }
}
