#include "dialogs/render_effect_pages.h"

#include "app/quel_doc.h"

namespace {

using Doc = CQuelDoc;
constexpr AfterChange kModified = AfterChange::modified;

// --- radiosity ---------------------------------------------------------------------

constexpr UINT kRadiosityGroups[] = {1475, 1478};
constexpr PageNumberField kRadiosityNumbers[] = {
    FloatField(
        1349, 1353, 0.0f, 100.0f, [](Doc& d) -> float& { return d.m_radiosity.m_brightness; }, kModified),
    IntField(
        1226, 1232, 0, 2000, [](Doc& d) -> int& { return d.m_radiosity.m_count; }, kModified),
    FloatField(
        1242, 1253, 0.0f, 100000.0f, [](Doc& d) -> float& { return d.m_radiosity.m_distanceMaximum; },
        kModified),
    FloatField(
        1264, 1273, 0.0f, 1.0f, [](Doc& d) -> float& { return d.m_radiosity.m_errorBound; }, kModified),
    FloatField(
        1280, 1290, 0.0f, 1.0f, [](Doc& d) -> float& { return d.m_radiosity.m_grayThreshold; }, kModified),
    FloatField(
        1300, 1307, 0.0f, 1.0f, [](Doc& d) -> float& { return d.m_radiosity.m_lowErrorFactor; }, kModified),
    FloatField(
        1312, 1318, 0.0f, 1.0f, [](Doc& d) -> float& { return d.m_radiosity.m_minimumReuse; }, kModified),
    IntField(
        1325, 1332, 0, 100, [](Doc& d) -> int& { return d.m_radiosity.m_nearestCount; }, kModified),
    IntField(
        1339, 1344, 1, 2, [](Doc& d) -> int& { return d.m_radiosity.m_recursionLimit; }, kModified),
    FloatField(
        1351, 1355, 0.001f, 100.0f, [](Doc& d) -> float& { return d.m_radiosity2.m_adcBailout; }, kModified),
    FloatField(
        1228, 1234, 0.0f, 1.0f, [](Doc& d) -> float& { return d.m_radiosity2.m_brightness; }, kModified),
    IntField(
        1244, 1255, 1, 1600, [](Doc& d) -> int& { return d.m_radiosity2.m_count; }, kModified),
    FloatField(
        1266, 1275, 0.0f, 10.0f, [](Doc& d) -> float& { return d.m_radiosity2.m_errorBound; }, kModified),
    FloatField(
        1282, 1292, 0.0f, 1.0f, [](Doc& d) -> float& { return d.m_radiosity2.m_grayThreshold; }, kModified),
    FloatField(
        1302, 1309, 0.0f, 1.0f, [](Doc& d) -> float& { return d.m_radiosity2.m_lowErrorFactor; }, kModified),
    FloatField(
        1314, 1320, -1.0f, 100.0f, [](Doc& d) -> float& { return d.m_radiosity2.m_maxSample; }, kModified),
    FloatField(
        1327, 1334, 0.0f, 1.0f, [](Doc& d) -> float& { return d.m_radiosity2.m_minimumReuse; }, kModified),
    IntField(
        1341, 1346, 1, 20, [](Doc& d) -> int& { return d.m_radiosity2.m_nearestCount; }, kModified),
    FloatField(
        1316, 1322, 0.0f, 10.0f, [](Doc& d) -> float& { return d.m_radiosity2.m_pretraceEnd; }, kModified),
    FloatField(
        1329, 1336, 0.0f, 10.0f, [](Doc& d) -> float& { return d.m_radiosity2.m_pretraceStart; }, kModified),
    IntField(
        1343, 1348, 1, 5, [](Doc& d) -> int& { return d.m_radiosity2.m_recursionLimit; }, kModified),
};
constexpr PageCheck kRadiosityChecks[] = {
    {1422, [](Doc& d) -> int& { return d.m_radiosity2.m_alwaysSample; }, kModified},
    {1426, [](Doc& d) -> int& { return d.m_radiosity2.m_media; }, kModified},
    {1431, [](Doc& d) -> int& { return d.m_radiosity2.m_normal; }, kModified},
};

// --- post-processing ---------------------------------------------------------------

constexpr UINT kPostProcessGroups[] = {1475, 1478, 1481, 1152, 1467, 1473, 1457, 1480, 1484};
constexpr PageNumberField Posterize(UINT edit, UINT spin, UINT meter, int& (*value)(Doc&)) {
    return {edit, spin, meter, 0.0f, 2559.0f, -1, kModified, nullptr, value};
}
constexpr PageNumberField kPostProcessNumbers[] = {
    FloatField(
        1107, 1108, 0.0f, 1000.0f, [](Doc& d) -> float& { return d.m_postProcess.m_focalBlur[0]; },
        kModified),
    FloatField(
        1109, 1110, 0.0f, 1000.0f, [](Doc& d) -> float& { return d.m_postProcess.m_focalBlur[1]; },
        kModified),
    FloatField(
        1111, 1112, 0.1f, 1000.0f, [](Doc& d) -> float& { return d.m_postProcess.m_focalBlur[2]; },
        kModified),
    FloatField(
        1114, 1115, 0.0f, 1.0f, [](Doc& d) -> float& { return d.m_postProcess.m_softGlow[0]; }, kModified),
    FloatField(
        1117, 1119, 0.0f, 1000.0f, [](Doc& d) -> float& { return d.m_postProcess.m_softGlow[1]; }, kModified),
    FloatField(
        1123, 1126, 0.0f, 1000.0f, [](Doc& d) -> float& { return d.m_postProcess.m_depth[0]; }, kModified),
    FloatField(
        1129, 1132, -1000.0f, 1000.0f, [](Doc& d) -> float& { return d.m_postProcess.m_depth[1]; },
        kModified),
    FloatField(
        1131, 1134, 0.01f, 1.0f, [](Doc& d) -> float& { return d.m_postProcess.m_starsDensity; }, kModified),
    Posterize(1021, 1361, 1365, [](Doc& d) -> int& { return d.m_postProcess.m_posterizeLevels[0]; }),
    Posterize(1023, 1368, 1372, [](Doc& d) -> int& { return d.m_postProcess.m_posterizeLevels[1]; }),
    Posterize(1025, 1377, 1381, [](Doc& d) -> int& { return d.m_postProcess.m_posterizeLevels[2]; }),
    FloatField(
        1125, 1128, 0.0f, 1000.0f, [](Doc& d) -> float& { return d.m_postProcess.m_findEdges[0]; },
        kModified),
    FloatField(
        1136, 1138, 0.0f, 1.0f, [](Doc& d) -> float& { return d.m_postProcess.m_findEdges[1]; }, kModified),
    FloatField(
        1140, 1142, 0.0f, 1.0f, [](Doc& d) -> float& { return d.m_postProcess.m_findEdges[2]; }, kModified),
    FloatField(
        1144, 1146, 0.0f, 10.0f, [](Doc& d) -> float& { return d.m_postProcess.m_findEdges[3]; }, kModified),
    FloatField(
        1148, 1150, 0.0f, 1.0f, [](Doc& d) -> float& { return d.m_postProcess.m_findEdges[4]; }, kModified),
};
constexpr PageCheck kPostProcessChecks[] = {
    {1105, [](Doc& d) -> int& { return d.m_postProcess.m_focalBlurOn; }, kModified},
    {1113, [](Doc& d) -> int& { return d.m_postProcess.m_softGlowOn; }, kModified},
    {1121, [](Doc& d) -> int& { return d.m_postProcess.m_depthOn; }, kModified},
    {1638, [](Doc& d) -> int& { return d.m_postProcess.m_starsOn; }, kModified},
    {1641, [](Doc& d) -> int& { return d.m_postProcess.m_posterizeOn; }, kModified},
    {1642, [](Doc& d) -> int& { return d.m_postProcess.m_normalOn; }, kModified},
    {1646, [](Doc& d) -> int& { return d.m_postProcess.m_clipColorsOn; }, kModified},
    {1645, [](Doc& d) -> int& { return d.m_postProcess.m_invertOn; }, kModified},
    {1647, [](Doc& d) -> int& { return d.m_postProcess.m_findEdgesOn; }, kModified},
};
constexpr PageSwatch kPostProcessSwatches[] = {
    {1639, [](Doc& d) -> COLORREF& { return d.m_postProcess.m_starsColor[0]; }, kModified},
    {1640, [](Doc& d) -> COLORREF& { return d.m_postProcess.m_starsColor[1]; }, kModified},
    {1643, [](Doc& d) -> COLORREF& { return d.m_postProcess.m_clipColors[0]; }, kModified},
    {1644, [](Doc& d) -> COLORREF& { return d.m_postProcess.m_clipColors[1]; }, kModified},
    {1648, [](Doc& d) -> COLORREF& { return d.m_postProcess.m_findEdgesColor; }, kModified},
};

// An effect's use box and the edits and swatches it opens; normal and invert have none.
struct Effect {
    UINT useCheck;
    std::span<const UINT> fields;
};
constexpr UINT kFocalBlurFields[] = {1107, 1109, 1111};
constexpr UINT kSoftGlowFields[] = {1114, 1117};
constexpr UINT kDepthFields[] = {1123, 1129};
constexpr UINT kStarsFields[] = {1131, 1639, 1640};
constexpr UINT kPosterizeFields[] = {1021, 1023, 1025};
constexpr UINT kClipColorsFields[] = {1643, 1644};
constexpr UINT kFindEdgesFields[] = {1125, 1136, 1140, 1144, 1148, 1648};
constexpr Effect kEffects[] = {
    {1105, kFocalBlurFields}, {1113, kSoftGlowFields},   {1121, kDepthFields},     {1638, kStarsFields},
    {1641, kPosterizeFields}, {1646, kClipColorsFields}, {1647, kFindEdgesFields},
};

} // namespace

CRadiosityPanel::CRadiosityPanel()
    : CSettingsPage({IDD, kRadiosityGroups, kRadiosityNumbers, kRadiosityChecks}) {}

CPostProcessPanel::CPostProcessPanel()
    : CSettingsPage(
          {IDD, kPostProcessGroups, kPostProcessNumbers, kPostProcessChecks, kPostProcessSwatches}) {}

void CPostProcessPanel::Refresh() {
    CSettingsPage::Refresh();
    if (GetNativeWindow())
        UpdateEnabling();
}

void CPostProcessPanel::AfterStore(UINT id, AfterChange after) {
    CSettingsPage::AfterStore(id, after);
    for (const Effect& effect : kEffects)
        if (effect.useCheck == id)
            UpdateEnabling();
}

void CPostProcessPanel::UpdateEnabling() {
    for (const Effect& effect : kEffects) {
        const BOOL on = IsDlgButtonChecked(static_cast<int>(effect.useCheck)) == BST_CHECKED;
        for (const UINT field : effect.fields)
            if (CWnd* control = GetDlgItem(static_cast<int>(field)))
                control->EnableWindow(on);
    }
}
