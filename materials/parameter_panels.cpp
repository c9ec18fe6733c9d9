#include "materials/parameter_panels.h"

#include "materials/material_rules.h"

namespace {

using FinishField = NumberField<CFinishData>;
using InteriorField = NumberField<CInteriorData>;

constexpr UINT kAmbientEdits[3] = {1182, 1185, 1188};
constexpr UINT kReflectionEdits[3] = {1199, 1202, 1206};
constexpr UINT kMetallicEdit = 1216;
constexpr UINT kIridEdits[5] = {1221, 1227, 1420, 1421, 1424};
constexpr int kAmbientAll = 1194;
constexpr int kAmbientSwatch = 1195;
constexpr int kReflectionAll = 1209;
constexpr int kReflectionSwatch = 1210;

// clang-format off
constexpr FinishField kFinishFields[] = {
    {1162, 1165, 1168, 0, 1, 0, [](CFinishData& f) -> float& { return f.m_specular; }, nullptr},
    {1171, 1173, 1175, 0.001f, 1, 0.05f, [](CFinishData& f) -> float& { return f.m_roughness; }, nullptr},
    {1176, 1177, 1178, 0, 1, 0, [](CFinishData& f) -> float& { return f.m_phong; }, nullptr},
    {1179, 1180, 1181, 0, 100, 40, [](CFinishData& f) -> float& { return f.m_phongSize; }, nullptr},
    {1182, 1183, 1184, 0, 1, 0.1f, [](CFinishData& f) -> float& { return f.m_ambient[0]; }, nullptr},
    {1185, 1186, 1187, 0, 1, 0.1f, [](CFinishData& f) -> float& { return f.m_ambient[1]; }, nullptr},
    {1188, 1189, 1190, 0, 1, 0.1f, [](CFinishData& f) -> float& { return f.m_ambient[2]; }, nullptr},
    {1191, 1192, 1193, 0, 1, 0.6f, [](CFinishData& f) -> float& { return f.m_diffuse; }, nullptr},
    {1196, 1197, 1198, 0, 10, 1, [](CFinishData& f) -> float& { return f.m_brilliance; }, nullptr},
    {1199, 1200, 1201, 0, 1, 1, [](CFinishData& f) -> float& { return f.m_reflection[0]; }, nullptr},
    {1202, 1204, 1205, 0, 1, 1, [](CFinishData& f) -> float& { return f.m_reflection[1]; }, nullptr},
    {1206, 1207, 1208, 0, 1, 1, [](CFinishData& f) -> float& { return f.m_reflection[2]; }, nullptr},
    {1212, 1213, 1215, 0, 1, 0, [](CFinishData& f) -> float& { return f.m_crand; }, nullptr},
    {1216, 1217, 1218, 0, 2, 1, [](CFinishData& f) -> float& { return f.m_metallic; }, nullptr},
    {1221, 1222, 1224, 0, 1, 1, [](CFinishData& f) -> float& { return f.m_iridAmount; }, nullptr},
    {1227, 1236, 1245, 0, 2, 0.5f, [](CFinishData& f) -> float& { return f.m_iridThickness; }, nullptr},
    {1420, 1256, 1258, 0, 2, 1, [](CFinishData& f) -> float& { return f.m_iridTurbulence[0]; }, nullptr},
    {1421, 1262, 1267, 0, 2, 1, [](CFinishData& f) -> float& { return f.m_iridTurbulence[1]; }, nullptr},
    {1424, 1269, 1270, 0, 2, 1, [](CFinishData& f) -> float& { return f.m_iridTurbulence[2]; }, nullptr},
};
constexpr FlagCheck<CFinishData> kFinishFlags[] = {
    {1211, [](CFinishData& f) -> int& { return f.m_useReflection; }},
    {1219, [](CFinishData& f) -> int& { return f.m_useMetallic; }},
    {1225, [](CFinishData& f) -> int& { return f.m_useIrid; }},
};
constexpr int kFinishGroups[] = {1475, 1478, 1481, 1152, 1467, 1473, 1457, 1480, 1484, 1485, 1486};

// The samples and the falloff also go to the MegaPOV reflection the scene writer writes.
constexpr FinishField kMegaPovFields[] = {
    {1084, 1085, 0, -100, 100, 1, [](CFinishData& f) -> float& { return f.m_blinn[0]; }, nullptr},
    {1082, 1083, 0, -100, 100, 1, [](CFinishData& f) -> float& { return f.m_blinn[1]; }, nullptr},
    {1087, 1088, 0, -100, 100, 1, [](CFinishData& f) -> float& { return f.m_reflectionBlur; }, nullptr},
    {1104, 1106, 0, 1, 100, 1, nullptr, [](CFinishData& f) -> int& { return f.m_reflectionSamples; }},
    {1091, 1092, 0, -100, 100, 1, [](CFinishData& f) -> float& { return f.m_reflectionMetallic; }, nullptr},
    {1093, 1094, 0, 0, 1, 1, nullptr, [](CFinishData& f) -> int& { return f.m_reflectionType; }},
    {1095, 1096, 0, -100, 100, 1, [](CFinishData& f) -> float& { return f.m_reflectionMin; }, nullptr},
    {1097, 1098, 0, -100, 100, 1, [](CFinishData& f) -> float& { return f.m_reflectionMax; }, nullptr},
    {1100, 1102, 0, -100, 100, 1, [](CFinishData& f) -> float& { return f.m_reflectionFalloff; }, nullptr},
};
constexpr FlagCheck<CFinishData> kMegaPovFlags[] = {
    {1081, [](CFinishData& f) -> int& { return f.m_useBlinn; }},
    {1086, [](CFinishData& f) -> int& { return f.m_useReflectionBlur; }},
    {1089, [](CFinishData& f) -> int& { return f.m_conserveEnergy; }},
    {1090, [](CFinishData& f) -> int& { return f.m_useReflectionMetallic; }},
    {1211, [](CFinishData& f) -> int& { return f.m_useReflectionType; }},
};
constexpr int kMegaPovGroups[] = {1475, 1478, 1481, 1152, 1467};

constexpr InteriorField kInteriorFields[] = {
    {1469, 1374, 1379, 0, 5, 1, [](CInteriorData& i) -> float& { return i.m_ior; }, nullptr},
    {1471, 1397, 1399, 0, 100, 1, [](CInteriorData& i) -> float& { return i.m_caustics; }, nullptr},
    {1576, 1459, 1402, 0, 100000, 10, [](CInteriorData& i) -> float& { return i.m_fadeDistance; }, nullptr},
    {1514, 1461, 1405, 0, 100, 2, [](CInteriorData& i) -> float& { return i.m_fadePower; }, nullptr},
};
constexpr FlagCheck<CInteriorData> kInteriorFlags[] = {
    {1470, [](CInteriorData& i) -> int& { return i.m_useCaustics; }},
    {1472, [](CInteriorData& i) -> int& { return i.m_useFade; }},
};
constexpr int kInteriorGroups[] = {1475, 1478, 1481};
// clang-format on

// The index 0 to 2 of the edit among three, -1 when it is none of them.
int IndexIn(const UINT (&edits)[3], UINT editId) {
    for (int i = 0; i < 3; ++i)
        if (edits[i] == editId)
            return i;
    return -1;
}

} // namespace

// --- the POV-Ray finish values ----------------------------------------------------

CFinishSetPanel::CFinishSetPanel() : CRecordPanel(kFinishGroups, kFinishFields, kFinishFlags) {}

void CFinishSetPanel::DoDataExchange(CDataExchange* dx) {
    CRecordPanel::DoDataExchange(dx);
    DDX_Control(dx, kAmbientSwatch, m_ambientSwatch);
    DDX_Control(dx, kReflectionSwatch, m_reflectionSwatch);
}

const CommandMap& CFinishSetPanel::GetCommandMap() const {
    static const CommandMap map = CommandMapFor<CFinishSetPanel>(CRecordPanel::GetCommandMap())
                                      .OnBnClicked(kAmbientSwatch, &CFinishSetPanel::OnAmbientColor)
                                      .OnBnClicked(kReflectionSwatch, &CFinishSetPanel::OnReflectionColor);
    return map;
}

void CFinishSetPanel::ShowMore(CFinishData& finish) {
    m_ambientSwatch.SetColor(ComponentsToColor(finish.m_ambient));
    m_reflectionSwatch.SetColor(ComponentsToColor(finish.m_reflection));
}

void CFinishSetPanel::UpdateEnables(const CFinishData& finish) {
    for (UINT id : kReflectionEdits)
        m_numbers.Enable(id, finish.m_useReflection);
    m_reflectionSwatch.EnableWindow(finish.m_useReflection);
    m_numbers.Enable(kMetallicEdit, finish.m_useMetallic);
    for (UINT id : kIridEdits)
        m_numbers.Enable(id, finish.m_useIrid);
}

void CFinishSetPanel::AfterCommit(UINT editId, CFinishData& finish) {
    struct Colour {
        const UINT (&edits)[3];
        float* components;
        int allBox;
        CColorButton& swatch;
    };
    for (const Colour& colour :
         {Colour{kAmbientEdits, finish.m_ambient, kAmbientAll, m_ambientSwatch},
          Colour{kReflectionEdits, finish.m_reflection, kReflectionAll, m_reflectionSwatch}}) {
        const int index = IndexIn(colour.edits, editId);
        if (index < 0)
            continue;
        if (IsDlgButtonChecked(colour.allBox) == BST_CHECKED)
            for (int i = 0; i < 3; ++i) {
                colour.components[i] = colour.components[index];
                m_numbers.ShowOne(colour.edits[i], finish);
            }
        colour.swatch.SetColor(ComponentsToColor(colour.components));
    }
}

void CFinishSetPanel::TakeColor(const CColorButton& swatch, float rgb[3], const UINT edits[3]) {
    ColorToComponents(swatch.GetColor(), rgb);
    CMaterialData* mat = CurrentMaterial();
    for (int i = 0; i < 3 && mat; ++i)
        m_numbers.ShowOne(edits[i], RecordOf(*mat));
    SetModifiedForPanels();
}

void CFinishSetPanel::OnAmbientColor() {
    if (CMaterialData* mat = CurrentMaterial())
        TakeColor(m_ambientSwatch, RecordOf(*mat).m_ambient, kAmbientEdits);
}

void CFinishSetPanel::OnReflectionColor() {
    if (CMaterialData* mat = CurrentMaterial())
        TakeColor(m_reflectionSwatch, RecordOf(*mat).m_reflection, kReflectionEdits);
}

// --- the MegaPOV finish extras ------------------------------------------------------

CFinishMegaPovPanel::CFinishMegaPovPanel() : CRecordPanel(kMegaPovGroups, kMegaPovFields, kMegaPovFlags) {}

void CFinishMegaPovPanel::UpdateEnables(const CFinishData& finish) {
    m_numbers.Enable(1084, finish.m_useBlinn);
    m_numbers.Enable(1082, finish.m_useBlinn);
    m_numbers.Enable(1087, finish.m_useReflectionBlur);
    m_numbers.Enable(1091, finish.m_useReflectionMetallic);
    for (UINT id : {1093u, 1095u, 1097u})
        m_numbers.Enable(id, finish.m_useReflectionType);
}

// --- the interior values --------------------------------------------------------------

CInteriorSetPanel::CInteriorSetPanel() : CRecordPanel(kInteriorGroups, kInteriorFields, kInteriorFlags) {}

void CInteriorSetPanel::UpdateEnables(const CInteriorData& interior) {
    m_numbers.Enable(1471, interior.m_useCaustics);
    m_numbers.Enable(1576, interior.m_useFade);
    m_numbers.Enable(1514, interior.m_useFade);
}
