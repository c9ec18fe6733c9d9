#include "resources/material_items.h"
#include "resources/resource_parts.h"

// Dialog templates of the material page and its panels. Group headers carry
// the Japanese captions the panels replace in English; radio buttons and
// check boxes carry their English texts in both languages. Group headers,
// spins, sliders and colour swatches are owner-drawn buttons. A panel's
// height is its content height: the page shows it shorter and it scrolls.
namespace {

using namespace material_items;

// clang-format off

// The material page (148): the tree, its buttons and the frame of the panel
// area; the page lays them out itself.
constexpr DialogItemTemplate kMaterialPage[] = {
    {DialogControl::TreeView, 1022, "", 3, 3, 128, 75, kTree},
    {DialogControl::Button, 1130, "New", 0, 81, 33, 13, kTab},
    {DialogControl::Button, 1149, "Copy", 33, 81, 33, 13, kTab},
    {DialogControl::Button, 1158, "Delete", 66, 81, 33, 13, kTab},
    {DialogControl::Button, 1283, "etc.", 99, 81, 33, 13, kTab},
    {DialogControl::Static, 1496, "", 3, 97, 128, 190, WS_VISIBLE | SS_ETCHEDFRAME},
    {DialogControl::Button, 1475, "enter対策用", 0, 94, 2, 2, WS_DISABLED | BS_DEFPUSHBUTTON},
};

// Material (171): name, type and which of texture and interior it has.
constexpr DialogItemTemplate kMaterial[] = {
    Header(1475, "名前", 2),
    ShownText(1030, 20),
    NameButton(1069, 20),
    Header(1478, "タイプ", 40),
    Radio(1577, "Normal", 8, 58, true),
    Radio(1578, "Include", 72, 58),
    Header(1481, "オプション", 76),
    Check(1076, "Use Texture", 8, 94),
    Check(1118, "Use Interior", 8, 108),
};

// Texture (176): type and its three sections.
constexpr DialogItemTemplate kTexture[] = {
    Header(1475, "タイプ", 2),
    Radio(1577, "Normal", 8, 20, true),
    Radio(1578, "Include", 72, 20),
    Header(1478, "オプション", 38),
    Check(1071, "Use Pigment", 8, 56),
    Check(1073, "Use Normal", 8, 70),
    Check(1075, "Use Finish", 8, 84),
};

// Pigment (172).
constexpr DialogItemTemplate kPigment[] = {
    Header(1475, "タイプ", 2),
    Radio(1122, "Solid Color", 8, 20, true, 120),
    Radio(1127, "Checker", 8, 34, false, 120),
    Radio(1133, "Hexagon", 8, 48, false, 120),
    Radio(1137, "Brick", 8, 62, false, 120),
    Radio(1141, "Color Map", 8, 76, false, 120),
    Radio(1143, "Image Map", 8, 90, false, 120),
    Radio(1147, "Include", 8, 104, false, 120),
    Header(1478, "その他", 122),
    Check(1151, "Use Noise", 8, 140),
    Header(1481, "MegaPOVオプション", 158),
    Check(1079, "Use MegaPOV Option", 8, 176),
};

// Normal (173).
constexpr DialogItemTemplate kNormal[] = {
    Header(1475, "タイプ", 2),
    Radio(1577, "Noise Pattern", 8, 20, true, 120),
    Radio(1578, "Bump Map", 8, 34, false, 120),
    Radio(1579, "Include", 8, 48, false, 120),
    Header(1478, "その他", 66),
    Check(1153, "Bump Size", 8, 84),
    Check(1155, "Noise", 8, 98),
    Header(1481, "MegaPOVオプション", 116),
    Check(1079, "Use MegaPOV Option", 8, 134),
};

// Finish (174) and interior (166).
constexpr DialogItemTemplate kFinishOrInterior[] = {
    Header(1475, "タイプ", 2),
    Radio(1577, "Normal", 8, 20, true),
    Radio(1578, "Include", 72, 20),
    Header(1478, "MegaPOVオプション", 38),
    Check(1079, "Use MegaPOV Option", 8, 56),
};

// The declared name of an element (181).
constexpr DialogItemTemplate kDeclaredName[] = {
    Label(1900, "Name", 8, 8),
    ShownText(1063, 20),
    NameButton(1475, 20),
};

// The POV-Ray finish values (178): one number with slider per group, three
// for the colours and the iridescence.
constexpr DialogItemTemplate kFinishSet[] = {
    Header(1475, "Specular", 2),
    Number(1162, 8, 19), Spin(1165, 8, 19), Meter(1168, 8, 19),
    Header(1478, "Roughness", 36),
    Number(1171, 8, 53), Spin(1173, 8, 53), Meter(1175, 8, 53),
    Header(1481, "Phong", 70),
    Number(1176, 8, 87), Spin(1177, 8, 87), Meter(1178, 8, 87),
    Header(1152, "Phong Size", 104),
    Number(1179, 8, 121), Spin(1180, 8, 121), Meter(1181, 8, 121),
    Header(1467, "Ambient", 138),
    Check(1194, "All", 8, 155, 40), Swatch(1195, 60, 155),
    Label(1900, "R", 8, 173, 10), Number(1182, 20, 171), Spin(1183, 20, 171), Meter(1184, 20, 171),
    Label(1901, "G", 8, 188, 10), Number(1185, 20, 186), Spin(1186, 20, 186), Meter(1187, 20, 186),
    Label(1902, "B", 8, 203, 10), Number(1188, 20, 201), Spin(1189, 20, 201), Meter(1190, 20, 201),
    Header(1473, "Diffuse", 218),
    Number(1191, 8, 235), Spin(1192, 8, 235), Meter(1193, 8, 235),
    Header(1457, "Brilliance", 252),
    Number(1196, 8, 269), Spin(1197, 8, 269), Meter(1198, 8, 269),
    Header(1480, "Reflection", 286),
    Check(1211, "Use Reflection", 8, 303),
    Check(1209, "All", 8, 317, 40), Swatch(1210, 60, 317),
    Label(1903, "R", 8, 335, 10), Number(1199, 20, 333), Spin(1200, 20, 333), Meter(1201, 20, 333),
    Label(1904, "G", 8, 350, 10), Number(1202, 20, 348), Spin(1204, 20, 348), Meter(1205, 20, 348),
    Label(1905, "B", 8, 365, 10), Number(1206, 20, 363), Spin(1207, 20, 363), Meter(1208, 20, 363),
    Header(1484, "Crand", 380),
    Number(1212, 8, 397), Spin(1213, 8, 397), Meter(1215, 8, 397),
    Header(1485, "Metallic", 414),
    Check(1219, "Use Metallic", 8, 431),
    Number(1216, 8, 445), Spin(1217, 8, 445), Meter(1218, 8, 445),
    Header(1486, "Iridescence", 462),
    Check(1225, "Use Irid", 8, 479),
    Label(1906, "Amount", 8, 494), Number(1221, 8, 504), Spin(1222, 8, 504), Meter(1224, 8, 504),
    Label(1907, "Thickness", 8, 520), Number(1227, 8, 530), Spin(1236, 8, 530), Meter(1245, 8, 530),
    Label(1908, "Turbulence X", 8, 546), Number(1420, 8, 556), Spin(1256, 8, 556), Meter(1258, 8, 556),
    Label(1909, "Turbulence Y", 8, 572), Number(1421, 8, 582), Spin(1262, 8, 582), Meter(1267, 8, 582),
    Label(1910, "Turbulence Z", 8, 598), Number(1424, 8, 608), Spin(1269, 8, 608), Meter(1270, 8, 608),
};

// The MegaPOV finish extras (182): numbers with spins, labels left of them.
constexpr DialogItemTemplate kFinishMegaPov[] = {
    Header(1475, "blinn", 2),
    Check(1081, "use blinn", 8, 19),
    Number(1084, 80, 33), Spin(1085, 80, 33),
    Label(1900, "facets", 8, 49, 70, 12), Number(1082, 80, 48), Spin(1083, 80, 48),
    Header(1478, "reflection_blur", 66),
    Check(1086, "use reflection_blur", 8, 83),
    Number(1087, 80, 97), Spin(1088, 80, 97),
    Label(1901, "samples", 8, 113, 70, 12), Number(1104, 80, 112), Spin(1106, 80, 112),
    Header(1481, "conserve_energy", 130),
    Check(1089, "use conserve_energy", 8, 147),
    Header(1152, "reflection_metallic", 164),
    Check(1090, "use reflection_metallic", 8, 181),
    Number(1091, 80, 195), Spin(1092, 80, 195),
    Header(1467, "reflection", 212),
    Check(1211, "use reflection", 8, 229),
    Label(1902, "reflection_type", 8, 244, 70, 12), Number(1093, 80, 243), Spin(1094, 80, 243),
    Label(1903, "reflection_min", 8, 259, 70, 12), Number(1095, 80, 258), Spin(1096, 80, 258),
    Label(1904, "reflection_max", 8, 274, 70, 12), Number(1097, 80, 273), Spin(1098, 80, 273),
    Label(1905, "reflection_falloff", 8, 289, 70, 12), Number(1100, 80, 288), Spin(1102, 80, 288),
};

// The interior values (167).
constexpr DialogItemTemplate kInteriorSet[] = {
    Header(1475, "IOR", 2),
    Number(1469, 8, 19), Spin(1374, 8, 19), Meter(1379, 8, 19),
    Header(1478, "Caustics", 36),
    Check(1470, "Caustics", 8, 53),
    Label(1900, "Power", 8, 68), Number(1471, 8, 78), Spin(1397, 8, 78), Meter(1399, 8, 78),
    Header(1481, "Fade", 96),
    Check(1472, "Fade", 8, 113),
    Label(1901, "Distance", 8, 128), Number(1576, 8, 138), Spin(1459, 8, 138), Meter(1402, 8, 138),
    Label(1902, "Power", 8, 154), Number(1514, 8, 164), Spin(1461, 8, 164), Meter(1405, 8, 164),
};

// A turbulence (165).
constexpr DialogItemTemplate kNoise[] = {
    Header(1475, "turbulence", 2),
    Label(1900, "X", 8, 21), Number(1420, 72, 19), Spin(1369, 72, 19),
    Label(1901, "Y", 8, 36), Number(1421, 72, 34), Spin(1373, 72, 34),
    Label(1902, "Z", 8, 51), Number(1424, 72, 49), Spin(1378, 72, 49),
    Header(1478, "etc.", 68),
    Label(1903, "Octaves", 8, 87), Number(1427, 72, 85), Spin(1382, 72, 85),
    Label(1904, "Omega", 8, 102), Number(1430, 72, 100), Spin(1386, 72, 100),
    Label(1905, "Lambda", 8, 117), Number(1433, 72, 115), Spin(1389, 72, 115),
    Label(1906, "Frequency", 8, 132), Number(1436, 72, 130), Spin(1392, 72, 130),
    Label(1907, "Phase", 8, 147), Number(1439, 72, 145), Spin(1395, 72, 145),
    Label(1908, "Wavetype", 8, 162), Choice(1145, 72, 160, 62),
};

// The pattern of a normal (161).
constexpr auto kNoisePattern = PatternItems(4, 1900);

// The bump size of a normal (180).
constexpr DialogItemTemplate kBumpSize[] = {
    Header(1475, "Bump_Size", 2),
    Number(1078, 8, 19), Spin(1077, 8, 19),
};

// An image map or bump map (179).
constexpr DialogItemTemplate kImageMap[] = {
    Header(1475, "画像", 2),
    ShownText(1030, 20),
    NameButton(1230, 20),
    Header(1478, "マップタイプ", 40),
    Choice(1145, 8, 57, 100),
    Header(1481, "補間オプション", 76),
    Choice(1240, 8, 93, 100),
    Header(1152, "オプション", 112),
    Check(1247, "Once", 8, 130),
    Check(1251, "Use Index", 8, 144),
};

// clang-format on

constexpr DialogTemplate kTemplates[] = {
    {148, "", 134, 290, WS_CHILD, kMaterialPage},       {171, "", kWidth, 124, WS_CHILD, kMaterial},
    {176, "", kWidth, 100, WS_CHILD, kTexture},         {172, "", kWidth, 192, WS_CHILD, kPigment},
    {173, "", kWidth, 150, WS_CHILD, kNormal},          {174, "", kWidth, 72, WS_CHILD, kFinishOrInterior},
    {166, "", kWidth, 72, WS_CHILD, kFinishOrInterior}, {181, "", kWidth, 40, WS_CHILD, kDeclaredName},
    {178, "", kWidth, 628, WS_CHILD, kFinishSet},       {182, "", kWidth, 308, WS_CHILD, kFinishMegaPov},
    {167, "", kWidth, 184, WS_CHILD, kInteriorSet},     {165, "", kWidth, 180, WS_CHILD, kNoise},
    {161, "", kWidth, 198, WS_CHILD, kNoisePattern},    {180, "", kWidth, 38, WS_CHILD, kBumpSize},
    {179, "", kWidth, 162, WS_CHILD, kImageMap},
};

} // namespace

std::span<const DialogTemplate> MaterialDialogTemplates() {
    return kTemplates;
}
