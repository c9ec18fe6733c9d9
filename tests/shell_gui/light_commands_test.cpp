// The light commands and the light panel's changes on a document with
// recording windows: names of new lights and copies, one undo step each
// that gives back the same document file, radius and falloff held in order,
// which controls the type enables, and which changes repaint the panes.
#include "app/light_data.h"
#include "app/undo_fixture.h"
#include "shell/light_commands.h"
#include "support/doc_bytes.h"

#include <functional>

using qf::test::DocumentBytes;
using qf::test::SameDocumentBytes;

namespace {

class LightCommandsTest : public UndoTest {
protected:
    const CUndoRecord& NewestStep() { return *Buffer().GetRecord(Buffer().GetPosition() - 1); }
    // The page selects the light whose item it selects.
    static void Select(CLightData* light) {
        for (CLightData* l : GetDoc()->m_lights)
            l->m_selected = l == light;
    }
    int PaneRepaints() const {
        int n = 0;
        for (const auto* pane : panes)
            n += static_cast<int>(std::count(pane->calls.begin(), pane->calls.end(), "RedrawNow"));
        return n;
    }
    // One change of the panel as its control sends it.
    void Change(CLightData& light, LightField field, const std::function<void(CLightValues&)>& edit) {
        CLightValues values = ReadLightValues(light);
        edit(values);
        ChangeLight(*doc, light, field, values);
    }
};

} // namespace

TEST_F(LightCommandsTest, NewLightsTakeTheFirstFreeNameOfTheSeries) {
    const CLightData* first = CreateLight(*doc);
    EXPECT_EQ(first->m_name, "light_00");
    EXPECT_EQ(first->m_color, 0xFFFFFFu);
    EXPECT_EQ(first->m_type, lightPoint);
    EXPECT_EQ(CreateLight(*doc)->m_name, "light_01");
    EXPECT_EQ(CreateLight(*doc)->m_name, "light_02") << "with light_00 and light_01 present";
    EXPECT_EQ(lightPage->calls, (qf::test::CallLog{"AddLightItem light_00 1", "AddLightItem light_01 1",
                                                   "AddLightItem light_02 1"}));
    EXPECT_EQ(NewestStep().m_kind, undoCreateLight);
    EXPECT_EQ(NewestStep().m_english, "(Light) Create Light");
    EXPECT_EQ(NewestStep().m_japanese, "(ライト) ライトを作成");
    EXPECT_EQ(PaneRepaints(), 3 * kPaneCount);

    // Any kind of name counts, and the series goes past nine with two digits.
    AddMaterial("light_03");
    for (int i = 4; i <= 9; ++i)
        AddFolder(("light_0" + std::to_string(i)).c_str());
    EXPECT_EQ(CreateLight(*doc)->m_name, "light_10");
    EXPECT_EQ(DuplicateNames(), "");
}

TEST_F(LightCommandsTest, ACopyHasEveryValueOfItsSourceUnderACopyName) {
    CLightData* source = AddLight("sun");
    source->m_type = lightArea;
    source->m_location.Set(1, 2, 3);
    source->m_areaSize1 = 7;
    source->m_shadowPigmentColor = 0x123456;
    Select(source);
    const CLightData* copy = CopySelectedLight(*doc);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->m_name, "sun(copy)");
    EXPECT_EQ(copy->m_type, lightArea);
    EXPECT_TRUE(copy->m_location == CVector3(1, 2, 3));
    EXPECT_EQ(copy->m_areaSize1, 7);
    EXPECT_EQ(copy->m_shadowPigmentColor, 0x123456u);
    EXPECT_EQ(NewestStep().m_english, "(Light) Copy Light");
    EXPECT_EQ(NewestStep().m_kind, undoCreateLight);
    EXPECT_EQ(lightPage->calls.back(), "AddLightItem sun(copy) 1");

    EXPECT_EQ(CopySelectedLight(*doc)->m_name, "sun(copy)01");
    EXPECT_EQ(CopySelectedLight(*doc)->m_name, "sun(copy)02");
}

TEST_F(LightCommandsTest, CopyAndDeleteWithoutASelectedLightTellTheUserAndChangeNothing) {
    AddLight("sun");
    const std::string before = DocumentBytes(*doc);
    EXPECT_EQ(CopySelectedLight(*doc), nullptr);
    DeleteSelectedLight(*doc);
    ASSERT_EQ(boxes.GetRequests().size(), 2u);
    for (const auto& box : boxes.GetRequests()) {
        EXPECT_EQ(box.text, "unselect light");
        EXPECT_EQ(box.caption, "error");
    }
    EXPECT_TRUE(SameDocumentBytes(before, DocumentBytes(*doc)));
    EXPECT_EQ(Buffer().GetPosition(), 0);
}

TEST_F(LightCommandsTest, DeleteAsksFirst) {
    Select(AddLight("sun"));
    boxes.Answer(IDNO);
    DeleteSelectedLight(*doc);
    EXPECT_EQ(doc->m_lights.GetCount(), 1) << "No keeps it";
    EXPECT_EQ(boxes.GetRequests().back().text, "delete sun?");
    EXPECT_EQ(Buffer().GetPosition(), 0);

    boxes.Answer(IDYES);
    DeleteSelectedLight(*doc);
    EXPECT_TRUE(doc->m_lights.IsEmpty());
    EXPECT_EQ(lightPage->calls.back(), "RemoveLightItem");
    EXPECT_EQ(NewestStep().m_kind, undoDeleteLight);
    EXPECT_EQ(NewestStep().m_english, "(Light) Delete Light");
    Buffer().Undo();
    EXPECT_EQ(FindLightByName("sun")->m_type, lightPoint);
}

TEST_F(LightCommandsTest, RenameIsOneStepThatHoldsTheOldAndTheNewName) {
    CLightData* sun = AddLight("sun");
    RenameLight(*doc, *sun, "moon");
    EXPECT_EQ(sun->m_name, "moon");
    ASSERT_EQ(NewestStep().m_lights.GetCount(), 2);
    EXPECT_EQ(NewestStep().m_kind, undoLightName);
    EXPECT_EQ(NewestStep().m_english, "(Light) Change Name");
    EXPECT_EQ(lightPage->calls, (qf::test::CallLog{"RenameLightItem sun moon"}));
}

// Radius 50 with falloff 40 raises the falloff to 50; falloff 20 then
// lowers the radius to 20. The panel shows both from its values.
TEST_F(LightCommandsTest, RadiusAndFalloffStayInOrder) {
    CLightData* spot = AddLight("spot");
    spot->m_type = lightSpot;
    CLightValues values = ReadLightValues(*spot);
    values.radius = 50.0f;
    ChangeLight(*doc, *spot, LightField::radius, values);
    EXPECT_EQ(spot->m_radius, 50.0f);
    EXPECT_EQ(spot->m_falloff, 50.0f);
    EXPECT_EQ(values.falloff, 50.0f);
    values.falloff = 20.0f;
    ChangeLight(*doc, *spot, LightField::falloff, values);
    EXPECT_EQ(spot->m_radius, 20.0f);
    EXPECT_EQ(values.radius, 20.0f);
    EXPECT_EQ(Buffer().GetPosition(), 2);
    Buffer().Undo();
    EXPECT_EQ(spot->m_radius, 50.0f);
    EXPECT_EQ(spot->m_falloff, 50.0f);
    Buffer().Undo();
    EXPECT_EQ(spot->m_radius, 30.0f);
    EXPECT_EQ(spot->m_falloff, 40.0f);
}

// Every change of the panel is one step that gives back the same file, and
// the light stays the chosen one; the panes repaint for what they show,
// and only while the light is shown.
TEST_F(LightCommandsTest, EveryPanelChangeIsOneUndoStep) {
    const struct {
        LightField field;
        std::function<void(CLightValues&)> edit;
        bool repaints;
    } changes[] = {
        {LightField::color, [](CLightValues& v) { v.color = 0x00FF00; }, true},
        {LightField::location, [](CLightValues& v) { v.location.Set(-3, 4, -5); }, true},
        {LightField::pointAt, [](CLightValues& v) { v.pointAt.Set(1, 1, 1); }, true},
        {LightField::type, [](CLightValues& v) { v.type = lightCylinder; }, true},
        {LightField::shadowless, [](CLightValues& v) { v.shadowless = 1; }, false},
        {LightField::mediaAttenuation, [](CLightValues& v) { v.mediaAttenuation = 1; }, false},
        {LightField::mediaInteraction, [](CLightValues& v) { v.mediaInteraction = 0; }, false},
        {LightField::radius, [](CLightValues& v) { v.radius = 12.5f; }, true},
        {LightField::falloff, [](CLightValues& v) { v.falloff = 55.0f; }, true},
        {LightField::tightness, [](CLightValues& v) { v.tightness = 42.0f; }, false},
        {LightField::areaSizeU, [](CLightValues& v) { v.areaSizeU = 9; }, true},
        {LightField::areaSizeV, [](CLightValues& v) { v.areaSizeV = 11; }, true},
        {LightField::axisU, [](CLightValues& v) { v.axisU.Set(0, 0, 2); }, true},
        {LightField::axisV, [](CLightValues& v) { v.axisV.Set(3, 0, 0); }, true},
        {LightField::adaptive, [](CLightValues& v) { v.adaptive = 4; }, false},
        {LightField::jitter, [](CLightValues& v) { v.jitter = 1; }, false},
        {LightField::areaSpot, [](CLightValues& v) { v.areaSpot = 1; }, false},
        {LightField::fade, [](CLightValues& v) { v.fade = 1; }, false},
        {LightField::fadeDistance, [](CLightValues& v) { v.fadeDistance = 250.0f; }, false},
        {LightField::fadePower, [](CLightValues& v) { v.fadePower = 2.0f; }, false},
        {LightField::parallel, [](CLightValues& v) { v.parallel = 1; }, false},
        {LightField::circular, [](CLightValues& v) { v.circular = 1; }, false},
        {LightField::orient, [](CLightValues& v) { v.orient = 1; }, false},
        {LightField::shadowPigment, [](CLightValues& v) { v.shadowPigment = 1; }, false},
        {LightField::shadowColor, [](CLightValues& v) { v.shadowColor = 0x0000FF; }, false},
    };
    CLightData* light = AddLight("lamp");
    Select(light);
    for (const auto& c : changes) {
        SCOPED_TRACE(static_cast<int>(c.field));
        const std::string before = DocumentBytes(*doc);
        const int repaints = PaneRepaints();
        doc->SetModifiedFlag(FALSE);
        Change(*light, c.field, c.edit);
        EXPECT_EQ(Buffer().GetPosition(), 1);
        EXPECT_TRUE(doc->IsModified());
        EXPECT_EQ(NewestStep().m_kind, undoLightSettings);
        EXPECT_EQ(NewestStep().m_english, "(Light) Change");
        EXPECT_FALSE(SameDocumentBytes(before, DocumentBytes(*doc)));
        EXPECT_EQ(PaneRepaints() - repaints, c.repaints ? kPaneCount : 0);
        lightPanel->calls.clear();
        Buffer().Undo();
        EXPECT_TRUE(SameDocumentBytes(before, DocumentBytes(*doc)));
        EXPECT_EQ(light->m_selected, 1);
        EXPECT_EQ(lightPanel->calls, (qf::test::CallLog{"Refresh"}));
    }

    light->m_shown = 0;
    const int repaints = PaneRepaints();
    Change(*light, LightField::color, [](CLightValues& v) { v.color = 0x00FF00; });
    EXPECT_EQ(PaneRepaints(), repaints) << "a hidden light shows nowhere";

    // Leaving a field as it was is no step: tabbing through the panel leaves undo alone.
    const int steps = Buffer().GetPosition();
    doc->SetModifiedFlag(FALSE);
    Change(*light, LightField::location, [](CLightValues&) {});
    Change(*light, LightField::color, [](CLightValues& v) { v.color = 0x00FF00; });
    EXPECT_EQ(Buffer().GetPosition(), steps);
    EXPECT_FALSE(doc->IsModified());
}

// A point light has no target and no area; an area light used as a spot
// has both.
TEST_F(LightCommandsTest, TheTypeAndSwitchesEnableTheirControls) {
    CLightValues v;
    const auto check = [](const CLightValues& values, bool spot, bool area) {
        const CLightEnabling e = LightEnabling(values);
        EXPECT_EQ(e.spot, spot);
        EXPECT_EQ(e.area, area);
    };
    v.type = lightPoint;
    check(v, false, false);
    v.type = lightSpot;
    check(v, true, false);
    v.type = lightCylinder;
    check(v, true, false);
    v.type = lightArea;
    check(v, false, true);
    v.areaSpot = 1;
    check(v, true, true);
    v.type = lightPoint;
    check(v, false, false);
    EXPECT_FALSE(LightEnabling(v).fade);
    EXPECT_FALSE(LightEnabling(v).shadowColor);
    v.fade = 1;
    v.shadowPigment = 1;
    EXPECT_TRUE(LightEnabling(v).fade);
    EXPECT_TRUE(LightEnabling(v).shadowColor);
}
