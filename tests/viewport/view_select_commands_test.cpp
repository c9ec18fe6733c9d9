// The Select menu, the left-button tool commands, the axis switches and the
// display options: what each changes, that none records an undo step, and
// how much of the panes each redraws.
#include "app/mouse_mode.h"
#include "view_command_fixture.h"

#include <vector>

using qf::test::NodeAt;

namespace {

// The check mark an update handler leaves on an item.
class CheckState : public qf::test::ItemState {
public:
    using ItemState::ItemState;
    void SetCheck(int check) override { checked = check; }
    int checked = -1;
};

// A 1 x 1 grid cell (points 0-3; curves 0, 1 along X, 2, 3 along Z) and an
// open curve from point 4 to point 5 apart from it, and a lone point 6.
class ViewSelectTest : public ViewCommandTest {
protected:
    void SetUp() override {
        ViewCommandTest::SetUp();
        obj->AppendGeometry(qf::test::MakeFlatQuadGrid(1).get(), 0);
        qf::test::AddCurveThrough(*obj, {obj->AddVertex(5, 0, 0), obj->AddVertex(6, 0, 0)});
        obj->AddVertex(9, 9, 9);
        obj->UpdateCurveHandles();
        doc->m_settings.m_manipulatorShown = 0;
        doc->m_settings.m_mouseModeLeft = mouseModeSelect;
        for (CPaneDisplaySettings& show : doc->m_settings.m_panes)
            show.m_showVertices = show.m_showCurves = 1;
        Drawn();
    }
    // The selected points as a string of 0 and 1 in list order.
    std::string Selection() const {
        std::string s;
        for (const CPatchVertex* v : obj->GetVertices())
            s += v->m_selected ? '1' : '0';
        return s;
    }
};

} // namespace

TEST_F(ViewSelectTest, SelectionCommandsChangeTheSelectionAndDrawAsLittleAsTheyCan) {
    const struct {
        const char* name;
        UINT id;
        std::function<void()> prepare;
        std::string selection;
        std::string drawn;
    } cases[] = {
        {"all", 30005, nullptr, "1111111", "vertices "},
        {"none", 30006, [this] { Select({1}); }, "0000000", "vertices "},
        {"none clears a selected curve: full", 30006,
         [this] { Select({1}), NodeAt(*obj, 0, 0)->m_selected = 1; }, "0000000", "full "},
        {"inverse", 30007,
         [this] {
             Select({1, 4});
         },
         "1011011", "vertices "},
        {"connected", 30008, [this] { Select({4}); }, "0000110", "vertices "},
        {"on the selected curve", 30009, [this] { NodeAt(*obj, 4, 0)->m_selected = 1; }, "0000110",
         "curves vertices "},
        {"invisible", 30048, [this] { Point(2)->m_visible = 0; }, "0010000", "vertices "},
        {"hide selection", 30013, [this] { Select({0}); }, "0000000", "full "},
        {"five-point", 30740, [this] { Point(6)->m_fivePoint = 1; }, "0000001", "vertices "},
        {"select curve", 30213, [this] { Select({4}); }, "0000100", "curves "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        obj->SelectAllVertices(0);
        if (c.prepare)
            c.prepare();
        Drawn();
        Run(c.id);
        EXPECT_EQ(Selection(), c.selection);
        EXPECT_EQ(Drawn(), c.drawn);
        obj->ShowAllTemporarilyHidden();
        Point(2)->m_visible = 1;
        Point(6)->m_fivePoint = 0;
    }
    EXPECT_EQ(NodeAt(*obj, 4, 0)->m_selected, 1) << "select curve chose the one curve at point 4";
    EXPECT_EQ(doc->m_undoBuffer.GetRecordCount(), 0);
}

TEST_F(ViewSelectTest, SelectionCommandsThatFindNothingToDoDrawNothing) {
    obj->SelectAllVertices(1);
    Run(30005);
    EXPECT_EQ(Drawn(), "") << "every point is selected already";
    obj->SelectAllVertices(0);
    for (UINT id : {30006u, 30008u, 30009u, 30013u}) {
        EXPECT_FALSE(Enabled(id)) << id;
        Run(id);
        EXPECT_EQ(Drawn(), "") << id;
    }
    Select({0, 1});
    Run(30213);
    EXPECT_EQ(Selection(), "1100000") << "select curve needs exactly one point";
    EXPECT_EQ(Drawn(), "curves ") << "but draws the curves all the same";
    EXPECT_TRUE(boxes.GetRequests().empty());
}

TEST_F(ViewSelectTest, WithTheManipulatorShownEverySelectionRepaintsInFull) {
    doc->m_settings.m_manipulatorShown = 1;
    Select({4});
    for (UINT id : {30005u, 30006u, 30007u, 30048u}) {
        Run(id);
        EXPECT_EQ(Drawn(), "full ") << id;
    }
}

TEST_F(ViewSelectTest, WithoutAnObjectTheMenuSaysSoExceptSelectCurveAndShowAll) {
    obj->SetSelected(0);
    for (UINT id : {30005u, 30006u, 30007u, 30008u, 30009u, 30048u, 30013u, 30740u, 30213u})
        Run(id);
    EXPECT_EQ(boxes.GetRequests().size(), 8u);
    EXPECT_FALSE(Enabled(30005));
    EXPECT_TRUE(Enabled(30014)) << "show all needs only a patch object";

    // Show All works on every object, not only the current one.
    Select({0});
    Run(30013);
    CSpatchObj* other = doc->AddPatchObject();
    other->AddVertex(0, 0, 0)->m_hidden = 1;
    Run(30014);
    EXPECT_EQ(obj->CountHiddenVertices() + other->CountHiddenVertices(), 0);
}

TEST_F(ViewSelectTest, ToolCommandsPutTheirToolOnTheLeftButtonAndCheckIt) {
    const struct {
        UINT id;
        int tool;
    } tools[] = {{30137, 300}, {30043, 301}, {30663, 302}, {30165, 303}, {30145, 305}, {30212, 313},
                 {30564, 315}, {30580, 402}, {30553, 504}, {30560, 802}, {30194, 1001}};
    for (const auto& t : tools) {
        Run(t.id);
        EXPECT_EQ(doc->m_settings.m_mouseModeLeft, t.tool) << t.id;
        CheckState item(t.id);
        item.DoUpdate(&*view);
        EXPECT_EQ(item.checked, 1) << t.id;
    }
    Run(30664);
    EXPECT_EQ(doc->m_settings.m_mouseModeLeft, mouseModeKnife);
    EXPECT_EQ(main->calls.front(), "CreateKnifeDialog") << "the knife shows its window";
    CheckState other(30137);
    other.DoUpdate(&*view);
    EXPECT_EQ(other.checked, 0);
}

TEST_F(ViewSelectTest, AxisSwitchesAndDisplayOptionsLiveInTheDocument) {
    Run(30070);
    Run(30096);
    EXPECT_EQ(doc->m_axisEnabled, (std::array<int, 3>{0, 1, 0}));
    Run(30094);
    EXPECT_EQ(doc->m_axisEnabled[0], 1) << "the key twin toggles the same switch";
    EXPECT_TRUE(Enabled(30094)) << "no drag is running";
    EXPECT_EQ(Drawn(), "");

    Run(30587);
    EXPECT_EQ(doc->m_settings.m_manipulatorShown, 1);
    EXPECT_EQ(Drawn(), "full ");

    Run(30586);
    EXPECT_EQ(doc->m_materialAxisShape, 8);
    EXPECT_EQ(Drawn(), "") << "the gizmo is not shown with this tool";
    doc->m_settings.m_mouseModeLeft = mouseModeAxisScale;
    Run(30584);
    EXPECT_EQ(doc->m_materialAxisShape, 0);
    EXPECT_EQ(Drawn(), "full ");

    Run(30591);
    EXPECT_EQ(doc->m_polygonEditMode, 2);
    doc->m_polygonEditMode = 1;
    EXPECT_FALSE(Enabled(30590)) << "edge mode is never offered";

    qf::test::RecordingDocWindow& listener = Register(wndSplitter);
    Run(30738);
    Run(30739);
    while (DispatchPostedMessages() > 0) {
    }
    ASSERT_EQ(listener.received.size(), 2u);
    EXPECT_EQ(listener.received[0].lParam, notifyDrawFivePointVertices);
    EXPECT_EQ(listener.received[1].lParam, notifyDrawInvisibleVertices);
    EXPECT_EQ(doc->m_undoBuffer.GetRecordCount(), 0);
}
