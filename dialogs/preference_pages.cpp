#include "dialogs/preference_pages.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "dialogs/select_list_dlgs.h"

namespace {

using Doc = CQuelDoc;

// --- background ----------------------------------------------------------------------

constexpr UINT kBackgroundGroups[] = {1475};
constexpr PageSwatch kBackgroundSwatches[] = {
    {1116, [](Doc& d) -> COLORREF& { return d.m_renderBgColor; }, AfterChange::modified},
};
constexpr PageCheck kBackgroundChecks[] = {
    {1422, [](Doc& d) -> int& { return d.m_useRenderBgColor; }, AfterChange::repaint},
};
constexpr ControlText kBackgroundEnglish[] = {{1475, "Background Color"}};

// --- colours -------------------------------------------------------------------------

enum : UINT {
    kBackgroundSwatch = 1059,
    kSelectObjectSwatch = 1066,
    kUnselectObjectSwatch = 1124,
    kInvisibleSwatch = 1203,
    kSelectVertexSwatch = 1303,
    kUnselectVertexSwatch = 1317,
    kGridSwatch = 1366,
};
constexpr UINT kColorGroups[] = {1475};
constexpr PageSwatch ColorSwatch(UINT id, COLORREF& (*value)(Doc&)) {
    return {id, value, AfterChange::nothing};
}
constexpr PageSwatch kColorSwatches[] = {
    ColorSwatch(kBackgroundSwatch, [](Doc& d) -> COLORREF& { return d.m_settings.m_bgColor; }),
    ColorSwatch(kSelectObjectSwatch, [](Doc& d) -> COLORREF& { return d.m_settings.m_selectObjColor; }),
    ColorSwatch(kUnselectObjectSwatch, [](Doc& d) -> COLORREF& { return d.m_settings.m_unselectObjColor; }),
    ColorSwatch(kInvisibleSwatch, [](Doc& d) -> COLORREF& { return d.m_settings.m_invisibleColor; }),
    ColorSwatch(kSelectVertexSwatch, [](Doc& d) -> COLORREF& { return d.m_settings.m_selectVertexColor; }),
    ColorSwatch(kUnselectVertexSwatch,
                [](Doc& d) -> COLORREF& { return d.m_settings.m_unselectVertexColor; }),
    ColorSwatch(kGridSwatch, [](Doc& d) -> COLORREF& { return d.m_settings.m_gridColor; }),
};
constexpr ControlText kColorEnglish[] = {
    {1475, "Color Setting"},   {1900, "background"},    {1901, "select object"},   {1902, "unselect object"},
    {1903, "invisible curve"}, {1904, "select vertex"}, {1905, "unselect vertex"}, {1906, "grid"},
};

// --- default material ------------------------------------------------------------------

enum : UINT { kMaterialName = 1063, kChooseMaterial = 1478 };
constexpr UINT kMaterialGroups[] = {1475};
constexpr PageCheck kMaterialChecks[] = {
    {1422, [](Doc& d) -> int& { return d.m_defaultMaterial.m_useReference; }, AfterChange::modified},
};
constexpr PageRadioGroup kMaterialRadios[] = {
    {1577, 2, [](Doc& d) -> int& { return d.m_defaultMaterial.m_colorType; }, AfterChange::modified},
};
constexpr ControlText kMaterialEnglish[] = {
    {1475, "(Default) Material Setting"}, {1497, "Refer Material(Only Finish)"},
    {1422, "Use Reference Material"},     {1496, "Color Type"},
    {1577, "Use Object Color"},           {1578, "Use Reference Material Color"},
};

// --- other settings --------------------------------------------------------------------

constexpr UINT kCustomColorSwatch = 1483;
constexpr UINT kEtcGroups[] = {1475, 1478, 1481, 1152, 1467, 1486, 1488};
constexpr PageNumberField kEtcNumbers[] = {
    {1063, 1473, 0, 1.0f, 10.0f, 3, AfterChange::repaint,
     [](Doc& d) -> float& { return d.m_settings.m_vertexSize; }, nullptr, FALSE},
    FloatField(
        1462, 1457, 0.0f, 10.0f, [](Doc& d) -> float& { return d.m_settings.m_cameraRotateSpeed; },
        AfterChange::nothing),
    {1464, 1480, 0, 3.0f, 100.0f, -1, AfterChange::nothing, nullptr,
     [](Doc& d) -> int& { return d.m_settings.m_latheCount; }, FALSE},
    // Motion blur is scene data that the document file keeps.
    IntField(
        1675, 1484, 1, 100, [](Doc& d) -> int& { return d.m_motionBlurCount; }, AfterChange::modified),
    FloatField(
        1677, 1485, 0.01f, 1.0f, [](Doc& d) -> float& { return d.m_motionBlurTime; }, AfterChange::modified,
        2),
    IntField(
        1679, 1490, 0, 100, [](Doc& d) -> int& { return d.m_alphaSelected; }, AfterChange::repaint),
    IntField(
        1681, 1492, 0, 100, [](Doc& d) -> int& { return d.m_alphaOthers; }, AfterChange::repaint),
};
constexpr PageRadioGroup kEtcRadios[] = {
    {1577, 3, [](Doc& d) -> int& { return d.m_settings.m_vertexSelectOption; }, AfterChange::nothing},
    {1580, 6, [](Doc& d) -> int& { return d.m_objectColorMode; }, AfterChange::repaint},
    {1586, 2, [](Doc& d) -> int& { return d.m_alphaMode; }, AfterChange::repaint},
};
constexpr PageSwatch kEtcSwatches[] = {
    {kCustomColorSwatch, [](Doc& d) -> COLORREF& { return d.m_customObjectColor; }, AfterChange::repaint},
};
constexpr ControlText kEtcEnglish[] = {
    {1475, "Vertex Size"},
    {1478, "Camera(Rotation Speed)"},
    {1481, "Lathe Setting"},
    {1152, "Select Vertex"},
    {1467, "Motion Blur"},
    {1486, "Surface Color"},
    {1488, "Surface Transparency"},
    {1577, "Select All"},
    {1578, "Select None"},
    {1579, "Inverse"},
    {1900, "samples"},
    {1901, "clock"},
    {1580, "Object Color"},
    {1581, "Black"},
    {1582, "White"},
    {1583, "Gray"},
    {1584, "Background Color"},
    {1585, "Customize"},
    {1586, "Object Parameter"},
    {1587, "Customize"},
    {1902, "select object"},
    {1903, "unselect object"},
};
constexpr int kCustomColorMode = 5;

// Each OpenGL pane that lives, as the service the caller needs.
template <class Service, class Fn> void ForEachPane(Fn fn) {
    for (int id = wndGLPane0; id < wndGLPane0 + kPaneCount; ++id)
        if (auto* pane = FindWindowService<Service>(id))
            fn(*pane);
}

} // namespace

// --- background ----------------------------------------------------------------------

CBackgroundColorPage::CBackgroundColorPage()
    : CSettingsPage(
          {IDD, kBackgroundGroups, {}, kBackgroundChecks, kBackgroundSwatches, {}, kBackgroundEnglish}) {}

// --- colours -------------------------------------------------------------------------

CColorSettingPage::CColorSettingPage()
    : CSettingsPage({IDD, kColorGroups, {}, {}, kColorSwatches, {}, kColorEnglish}) {}

void CColorSettingPage::AfterStore(UINT id, AfterChange) {
    switch (id) {
    case kBackgroundSwatch:
        ForEachPane<CWindowServices>([](CWindowServices& pane) { pane.RedrawNow(); });
        break;
    case kSelectObjectSwatch:
    case kUnselectObjectSwatch:
    case kInvisibleSwatch:
        ForEachPane<CGLPaneServices>([](CGLPaneServices& pane) { pane.QuickDrawCurves(); });
        break;
    case kSelectVertexSwatch:
    case kUnselectVertexSwatch:
        ForEachPane<CGLPaneServices>([](CGLPaneServices& pane) { pane.QuickDrawVertices(); });
        break;
    case kGridSwatch:
        ForEachPane<CGLPaneServices>([](CGLPaneServices& pane) { pane.RedrawGrid(); });
        break;
    default:
        break;
    }
}

// --- default material ------------------------------------------------------------------

CDefaultMaterialPage::CDefaultMaterialPage()
    : CSettingsPage({IDD, kMaterialGroups, {}, kMaterialChecks, {}, kMaterialRadios, kMaterialEnglish}) {}

const CommandMap& CDefaultMaterialPage::GetCommandMap() const {
    static const CommandMap map = CommandMapFor<CDefaultMaterialPage>(CSettingsPage::GetCommandMap())
                                      .OnBnClicked(kChooseMaterial, &CDefaultMaterialPage::OnChooseMaterial);
    return map;
}

void CDefaultMaterialPage::Refresh() {
    CSettingsPage::Refresh();
    const CQuelDoc* doc = GetDoc();
    if (!doc || !GetNativeWindow())
        return;
    const CMaterialData* referenced = FindMaterialById(doc->m_defaultMaterial.m_referencedMaterial);
    SetDlgItemText(kMaterialName, referenced ? referenced->m_name : CString());
}

void CDefaultMaterialPage::OnChooseMaterial() {
    CQuelDoc* doc = GetDoc();
    if (!doc)
        return;
    CSelectMaterialDlg dialog(this);
    if (dialog.DoModal() != IDOK)
        return;
    const CMaterialData* chosen = doc->m_materials.GetAtIndex(dialog.m_index);
    if (!chosen)
        return;
    doc->m_defaultMaterial.m_referencedMaterial = chosen->m_id;
    SetDlgItemText(kMaterialName, chosen->m_name);
    SetModified();
}

// --- other settings --------------------------------------------------------------------

CEtcSettingPage::CEtcSettingPage()
    : CSettingsPage({IDD, kEtcGroups, kEtcNumbers, {}, kEtcSwatches, kEtcRadios, kEtcEnglish}) {}

void CEtcSettingPage::AfterStore(UINT id, AfterChange after) {
    const CQuelDoc* doc = GetDoc();
    if (id == kCustomColorSwatch && doc && doc->m_objectColorMode != kCustomColorMode)
        return;
    CSettingsPage::AfterStore(id, after);
}
