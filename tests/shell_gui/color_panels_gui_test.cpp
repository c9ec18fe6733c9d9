// The colour panels of the material page driven with the mouse and keys in
// both languages: the solid colour, checker, hexagon and brick panels store
// the entries their blocks show; the colour-map panel edits the map through
// its editor, its buttons and the selected stop's fields, and stores it
// into the pigment at every change.
#include "controls/color_button.h"
#include "material_page_fixture.h"
#include "materials/color_map_panel.h"
#include "platform/ui/common_dialogs.h"

namespace {

constexpr int kRed = 1021;
constexpr int kGreen = 1023;
constexpr int kBlue = 1025;
constexpr int kFilter = 1027;
constexpr int kTransmit = 1029;
constexpr int kSwatch = 1003;
constexpr int kFilterSwatch = 1005;
constexpr int kAdd = 1653;
constexpr int kDelete = 1654;
constexpr int kMirror = 1655;
constexpr int kSpace = 1656;
constexpr int kRotateLeft = 1657;
constexpr int kRotateRight = 1658;

struct PigmentItem {
    int kind;
    const char* label;
    UINT dialog;
};
const PigmentItem kPigmentItems[] = {{pigmentSolid, "[Solid Color]", 162},
                                     {pigmentChecker, "[Checker]", 163},
                                     {pigmentHexagon, "[Hexagon]", 164},
                                     {pigmentBrick, "[Brick]", 177},
                                     {pigmentColorMap, "[Color Map]", 170}};

class ColorPanelsGuiTest : public MaterialPageGuiTest {
protected:
    // A material named after its pigment type, showing the type's panel.
    CMaterialData* ShowPigmentPanel(int kind, const std::function<void(CPigmentData&)>& setUp = {}) {
        const std::string name = "m" + std::to_string(kind);
        CMaterialData* mat = Load(name.c_str(), [&](CMaterialData& m) {
            m.m_texture.m_pigment.m_kind = kind;
            if (setUp)
                setUp(m.m_texture.m_pigment);
        });
        ClickItem({(name + "[Material]").c_str(), "[Texture]", "[Pigment]", kPigmentItems[kind].label});
        return mat;
    }
    static COLORREF SwatchColor(CDialog& panel, int id) {
        return dynamic_cast<CColorButton&>(*panel.GetDlgItem(id)).GetColor();
    }
    void ChooseColor(CDialog& panel, COLORREF color) {
        boxes.AnswerModal([color](qf::CModalWindow& window) {
            dynamic_cast<CColorDialog&>(window).SetColor(color);
            return IDOK;
        });
        Click(panel, kSwatch);
    }
    void EnterColor(CDialog& panel, int red, int green, int blue) {
        Enter(panel, kRed, std::to_string(red).c_str());
        Enter(panel, kGreen, std::to_string(green).c_str());
        Enter(panel, kBlue, std::to_string(blue).c_str());
    }

    CColorMapEditor& Editor() { return dynamic_cast<CColorMapPanel&>(Panel()).GetEditor(); }
    const CColorMapStops& Stops() { return Editor().GetStops(); }
    // Presses and releases the mouse on a stop's colour box (a marker) or
    // between its colour and filter boxes (the editor itself).
    void PressStop(int stop, bool onMarker = true) {
        const CColorMapLayout& layout = Editor().GetLayout();
        const CRect box = layout.Box(3 * stop);
        mouse.MoveTo(Editor(), CPoint(box.left + box.Width() / 2, onMarker ? box.top + 4 : box.bottom + 1));
        mouse.Down();
        mouse.Up();
    }
    static std::vector<int> Positions(const CPigmentData& pigment) {
        return {pigment.m_positions, pigment.m_positions + pigment.m_count};
    }
    static std::vector<COLORREF> Colors(const CPigmentData& pigment) {
        std::vector<COLORREF> colors;
        for (int i = 0; i < pigment.m_count; ++i)
            colors.push_back(pigment.m_colors[i].m_color);
        return colors;
    }
};

COLORREF Grey(int level) {
    return RGB(level, level, level);
}

} // namespace

TEST_F(ColorPanelsGuiTest, EveryColourPanelInBothLanguages) {
    for (const bool english : {false, true}) {
        Open(english);
        for (const PigmentItem& item : kPigmentItems) {
            ShowPigmentPanel(item.kind);
            EXPECT_EQ(Panel().GetDialogId(), item.dialog) << item.label;
            Shoot("color_panel_" + std::to_string(item.dialog), english);
        }
        ClickItem({"m3[Material]", "[Texture]", "[Pigment]", "[Brick]"});
        EXPECT_EQ(Text(Panel(), 1475), english ? "Color1" : "Color 1");
        EXPECT_EQ(Text(Panel(), 1478), english ? "Color2" : "Color 2");
        EXPECT_EQ(Text(Panel(), 1481), "Option");
        ClickItem({"m2[Material]", "[Texture]", "[Pigment]", "[Hexagon]"});
        EXPECT_EQ(Text(Panel(), 1481), "Color 3") << "the other panels keep their captions";
        ClickItem({"m4[Material]", "[Texture]", "[Pigment]", "[Color Map]"});
        EXPECT_EQ(Text(Panel(), 1475), english ? "Color_Map" : "カラーマップ");
        EXPECT_EQ(Text(Panel(), 1478), english ? "Noise Pattern" : "ノイズパターン");
    }
}

TEST_F(ColorPanelsGuiTest, AColourEntryTakesItsFieldsAndItsSwatch) {
    Open(true);
    CMaterialData* mat = ShowPigmentPanel(pigmentSolid, [](CPigmentData& p) {
        p.m_colors[0] = {RGB(10, 20, 30), 0.5f, 0.0f};
    });
    CColorMapEntry& entry = mat->m_texture.m_pigment.m_colors[0];
    CMaterialElementPanel& panel = Panel();
    EXPECT_EQ(Text(panel, kRed), "10");
    EXPECT_EQ(Text(panel, kBlue), "30");
    EXPECT_EQ(Text(panel, kFilter), "127") << "0.5 truncated";
    EXPECT_EQ(SwatchColor(panel, kFilterSwatch), Grey(127));
    EXPECT_FALSE(Enabled(panel, kFilterSwatch));

    Enter(panel, kGreen, "200");
    EXPECT_EQ(entry.m_color, RGB(10, 200, 30)) << "the colour of all three fields";
    EXPECT_EQ(SwatchColor(panel, kSwatch), RGB(10, 200, 30));
    EXPECT_EQ(entry.m_filter, 0.5f) << "the filter waits for its own field";
    Enter(panel, kFilter, "100");
    EXPECT_FLOAT_EQ(entry.m_filter, 100 / 255.0f);
    EXPECT_EQ(SwatchColor(panel, kFilterSwatch), Grey(100));
    Enter(panel, kTransmit, "300");
    EXPECT_EQ(entry.m_transmit, 1.0f) << "255 at most";
    EXPECT_EQ(Text(panel, kTransmit), "255");

    ChooseColor(panel, RGB(1, 2, 3));
    EXPECT_EQ(entry.m_color, RGB(1, 2, 3));
    EXPECT_EQ(Text(panel, kRed), "1");
    EXPECT_EQ(Text(panel, kBlue), "3");
    EXPECT_FLOAT_EQ(entry.m_filter, 100 / 255.0f) << "the dialog leaves filter and transmit";
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(Buffer().GetPosition(), 0) << "no undo step";

    // With no material selected, leaving a field changes nothing.
    mat->m_selected = 0;
    doc->SetModifiedFlag(FALSE);
    Enter(panel, kRed, "99");
    EXPECT_EQ(entry.m_color, RGB(1, 2, 3));
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(ColorPanelsGuiTest, EachBlockEditsItsOwnEntryAndTheBrickKeepsItsSizes) {
    Open(false);
    CMaterialData* hexagon = ShowPigmentPanel(pigmentHexagon);
    Enter(Panel(), 1045, "77"); // block 3, B
    Enter(Panel(), 1037, "51"); // block 2, F
    const CPigmentData& six = hexagon->m_texture.m_pigment;
    EXPECT_EQ(six.m_colors[2].m_color, RGB(255, 255, 77));
    EXPECT_FLOAT_EQ(six.m_colors[1].m_filter, 0.2f);
    EXPECT_EQ(six.m_colors[0].m_color, RGB(255, 255, 255));
    EXPECT_EQ(six.m_colors[0].m_filter, 0.0f);
    ChooseColor(Panel(), RGB(9, 9, 9));
    EXPECT_EQ(six.m_colors[0].m_color, RGB(9, 9, 9)) << "block 1's swatch";

    CMaterialData* brick = ShowPigmentPanel(pigmentBrick);
    CPigmentData& bricks = brick->m_texture.m_pigment;
    EXPECT_EQ(Text(Panel(), 1159), "8.000");
    EXPECT_EQ(Text(Panel(), 1161), "3.000");
    EXPECT_EQ(Text(Panel(), 1167), "4.500");
    EXPECT_EQ(Text(Panel(), 1172), "0.500");
    Enter(Panel(), 1159, "12.5");
    Enter(Panel(), 1161, "0");
    Enter(Panel(), 1172, "5000");
    EXPECT_EQ(bricks.m_brickSize[0], 12.5f);
    EXPECT_EQ(bricks.m_brickSize[1], 0.001f);
    EXPECT_EQ(bricks.m_brickSize[2], 4.5f) << "a size the panel showed and nobody changed stays";
    EXPECT_EQ(bricks.m_mortar, 1000.0f);
    Enter(Panel(), 1033, "0"); // block 2, G
    EXPECT_EQ(bricks.m_colors[1].m_color, RGB(255, 0, 255));
}

TEST_F(ColorPanelsGuiTest, TheColourMapPanelEditsTheMapThroughItsEditorAndButtons) {
    Open(true);
    CMaterialData* mat = ShowPigmentPanel(pigmentColorMap);
    const CPigmentData& pigment = mat->m_texture.m_pigment;
    CMaterialElementPanel& panel = Panel();
    ASSERT_EQ(Stops().GetCount(), 2) << "the default map: two white stops";
    EXPECT_EQ(Stops().GetCurrent(), 0);
    EXPECT_EQ(Text(panel, kRed), "255");

    EnterColor(panel, 0, 0, 0);
    EXPECT_EQ(pigment.m_colors[0].m_color, RGB(0, 0, 0));
    Click(panel, kAdd);
    EXPECT_EQ(pigment.m_count, 3) << "the pigment follows at once";
    for (int i = 0; i < 4; ++i)
        Click(panel, kAdd);
    EXPECT_EQ(Positions(pigment), (std::vector<int>{0, 31, 62, 125, 250, 500, 1000}));
    EXPECT_EQ(Colors(pigment),
              (std::vector<COLORREF>{Grey(0), Grey(7), Grey(15), Grey(31), Grey(63), Grey(127), Grey(255)}));

    Enter(panel, kFilter, "255");
    EXPECT_EQ(pigment.m_colors[0].m_filter, 1.0f);
    const auto marker = [&](UINT id) {
        return dynamic_cast<CColorStopMarker&>(*Editor().GetDlgItem(id)).GetColor();
    };
    EXPECT_EQ(marker(CColorMapEditor::filterMarkerId), Grey(255)) << "stop 0's filter box turns white";

    Click(panel, kMirror);
    EXPECT_EQ(Colors(pigment).front(), Grey(255));
    EXPECT_EQ(pigment.m_positions[1], 500);
    EXPECT_EQ(pigment.m_colors[6].m_filter, 1.0f);
    EXPECT_EQ(Stops().GetCurrent(), 6) << "the selection follows its stop";
    EXPECT_EQ(Text(panel, kFilter), "255") << "and the fields show it";
    Click(panel, kSpace);
    EXPECT_EQ(Positions(pigment), (std::vector<int>{0, 166, 333, 500, 666, 833, 1000}));
    Click(panel, kRotateLeft);
    EXPECT_EQ(pigment.m_colors[6].m_color, Grey(255));
    EXPECT_EQ(pigment.m_colors[0].m_color, Grey(127));
    EXPECT_EQ(Text(panel, kFilter), "0") << "stop 6 now holds the white stop's values";
    Click(panel, kRotateRight);
    EXPECT_EQ(pigment.m_colors[6].m_color, Grey(0));
    Click(panel, kDelete);
    EXPECT_EQ(pigment.m_count, 6);
    EXPECT_EQ(Stops().GetCurrent(), 5);
    EXPECT_EQ(pigment.m_positions[5], 1000);
    EXPECT_EQ(Buffer().GetPosition(), 0) << "no undo step";
}

TEST_F(ColorPanelsGuiTest, SelectingAStopShowsItAndATypedFieldStaysWithItsStop) {
    Open(false);
    CMaterialData* mat = ShowPigmentPanel(pigmentColorMap, [](CPigmentData& p) {
        p.m_count = 3;
        p.m_colors[0] = {RGB(255, 0, 0), 0.0f, 0.0f};
        p.m_colors[1] = {RGB(0, 255, 0), 0.5f, 0.25f};
        p.m_colors[2] = {RGB(0, 0, 255), 0.0f, 1.0f};
        p.m_positions[1] = 400;
        p.m_positions[2] = 1000;
    });
    const CPigmentData& pigment = mat->m_texture.m_pigment;
    CMaterialElementPanel& panel = Panel();
    PressStop(1);
    EXPECT_EQ(Stops().GetCurrent(), 1);
    EXPECT_EQ(Text(panel, kGreen), "255");
    EXPECT_EQ(Text(panel, kFilter), "127");
    EXPECT_EQ(Text(panel, kTransmit), "63");

    // Typed but not left: pressing another stop first stores it into stop 1.
    user.Type(panel, kRed, "90");
    PressStop(2, false);
    EXPECT_EQ(Stops().GetCurrent(), 2);
    EXPECT_EQ(pigment.m_colors[1].m_color, RGB(90, 255, 0));
    EXPECT_EQ(pigment.m_colors[2].m_color, RGB(0, 0, 255));
    EXPECT_EQ(Text(panel, kRed), "0");

    ChooseColor(panel, RGB(0, 128, 255));
    EXPECT_EQ(pigment.m_colors[2].m_color, RGB(0, 128, 255));
    EXPECT_EQ(pigment.m_colors[2].m_transmit, 1.0f);

    // A drag of stop 1's handle, stored when the button is let go.
    doc->SetModifiedFlag(FALSE);
    const CColorMapLayout& layout = Editor().GetLayout();
    const int arrow = layout.PlaceOf(400);
    const int handleY = layout.colourArea.bottom + 3;
    mouse.MoveTo(Editor(), CPoint(arrow - 2, handleY));
    mouse.Down();
    mouse.MoveTo(Editor(), CPoint(layout.PlaceOf(700), handleY));
    EXPECT_EQ(pigment.m_positions[1], 400) << "nothing stored during the drag";
    mouse.MoveTo(Editor(), CPoint(layout.colourArea.right + 40, handleY));
    mouse.Up();
    EXPECT_EQ(pigment.m_positions[1], 1000) << "held at the last stop";
    EXPECT_TRUE(doc->IsModified());
    Shoot("color_map_panel_dragged", false);

    // Another material's map replaces it when its item is chosen.
    Load("other", [](CMaterialData& m) { m.m_texture.m_pigment.m_kind = pigmentColorMap; });
    ClickItem({"other[Material]", "[Texture]", "[Pigment]", "[Color Map]"});
    EXPECT_EQ(Stops().GetCount(), 2);
    EXPECT_EQ(Stops().Stop(0).color, RGB(255, 255, 255));
    EXPECT_EQ(pigment.m_count, 3) << "the first material keeps its own";
}

TEST_F(ColorPanelsGuiTest, TheColourMapsPatternIsThePigmentsOwn) {
    Open(true);
    CMaterialData* mat = ShowPigmentPanel(pigmentColorMap);
    const CPatternData& pattern = mat->m_texture.m_pigment.m_pattern;
    CMaterialElementPanel& panel = Panel();
    Choose(panel, 1052, patternSpiral2);
    EXPECT_EQ(pattern.m_pattern, patternSpiral2);
    EXPECT_EQ(mat->m_texture.m_normal.m_pattern.m_pattern, patternAgate) << "the normal keeps its own";
    EXPECT_TRUE(Enabled(panel, 1135));
    EXPECT_TRUE(Enabled(panel, 1054));
    for (int id : {1061, 1074, 1154, 1163, 1214})
        EXPECT_FALSE(Enabled(panel, id)) << id;
    Enter(panel, 1135, "7");
    EXPECT_EQ(pattern.m_spiralArms, 7);

    Choose(panel, 1052, patternGradient);
    Click(panel, 1276);
    EXPECT_TRUE(Checked(panel, 1276)) << "the only axis stays";
    Click(panel, 1214);
    Click(panel, 1276);
    EXPECT_EQ((std::vector<int>{pattern.m_gradient[0], pattern.m_gradient[1], pattern.m_gradient[2]}),
              (std::vector<int>{1, 0, 0}));
}
