#include "app/doc_helpers.h"
#include "app/mouse_mode.h"
#include "doc_fixture.h"

#include <algorithm>
#include <string>
#include <vector>

using qf::test::CallLog;
using qf::test::RecordingDocWindow;

class MouseModeTest : public DocTest {
protected:
    void SetUp() override {
        DocTest::SetUp();
        panes = RegisterPanes();
        strip = &Register(wndMouseAssignStrip);
        buttonPage = &Register(wndMouseButtonPage);
        commandBar = &Register(wndCommandBar2);
        toolBar = &Register(wndToolBar);
        sideBar = &Register(wndSideBar);
        sideBar->screenRect = CRect(900, 40, 1100, 700);
    }
    void ClearCalls() {
        for (auto& w : windows)
            w->calls.clear();
        main->calls.clear();
    }
    // What each pane was asked, the same for all four.
    CallLog PaneCalls() const {
        for (const RecordingDocWindow* pane : panes)
            EXPECT_EQ(pane->calls, panes[0]->calls);
        return panes[0]->calls;
    }
    // The left mode was previous; now it becomes mode, with the manipulator shown or not.
    CallLog PanesOnSwitch(int previous, int mode, int manipulatorShown = 1) {
        doc->m_settings.m_manipulatorShown = manipulatorShown;
        SetMouseMode(previous, 1);
        ClearCalls();
        SetMouseMode(mode, 1);
        return PaneCalls();
    }

    std::vector<RecordingDocWindow*> panes;
    RecordingDocWindow* strip = nullptr;
    RecordingDocWindow* buttonPage = nullptr;
    RecordingDocWindow* commandBar = nullptr;
    RecordingDocWindow* toolBar = nullptr;
    RecordingDocWindow* sideBar = nullptr;
};

TEST_F(MouseModeTest, RightMiddleAndChordOnlyStoreAndShowTheirTool) {
    SetMouseMode(mouseModeKnife, 0);
    EXPECT_EQ(doc->m_settings.m_mouseModeRight, 317);
    EXPECT_EQ(doc->m_settings.m_mouseModeLeft, 303);
    EXPECT_EQ(strip->calls, (CallLog{"SetRightText 317"}));
    EXPECT_EQ(buttonPage->calls, (CallLog{"SetButtonChoice 0 318"}));
    EXPECT_EQ(toolBar->calls, (CallLog{"RedrawNow"}));
    EXPECT_TRUE(commandBar->calls.empty());
    EXPECT_TRUE(PaneCalls().empty());
    EXPECT_TRUE(main->calls.empty()) << "no knife dialog for the right button";

    ClearCalls();
    SetMiddleMouseMode(mouseModeCameraZoom);
    SetBothButtonsMode(mouseModeCameraDolly);
    EXPECT_EQ(doc->m_settings.m_mouseModeMiddle, 3);
    EXPECT_EQ(doc->m_settings.m_mouseModeBoth, 11);
    EXPECT_EQ(strip->calls, (CallLog{"SetMiddleText 3"})) << "the strip names no chord";
    EXPECT_EQ(buttonPage->calls, (CallLog{"SetButtonChoice 1 4", "SetButtonChoice 2 12"}));

    SetMouseMode(316, 1);
    EXPECT_EQ(doc->m_settings.m_mouseModeLeft, 316)
        << "a tool the strip does not know is stored all the same";
    EXPECT_EQ(MouseModeName(316), nullptr);
    EXPECT_STREQ(MouseModeName(mouseModeCurveWeight), "(Patch) Set Weit");
    EXPECT_STREQ(MouseModeName(mouseModePopupMenu), "Show Popup Menu");
}

TEST_F(MouseModeTest, LeftToolSetsTheTransformReadouts) {
    SetMouseMode(mouseModeScaleMulti, 1);
    EXPECT_EQ(strip->calls, (CallLog{"SetLeftText 311"}));
    EXPECT_EQ(commandBar->calls,
              (CallLog{"SetReadoutValue 3 1.000000 1.000000 1.000000", "SetReadoutActive 1 0",
                       "SetReadoutActive 2 0", "SetReadoutActive 3 1", "RedrawReadouts",
                       "SetObjectModeButtons 0 1"}));
    ClearCalls();
    SetMouseMode(mouseModeSelect, 1);
    EXPECT_EQ(std::count(commandBar->calls.begin(), commandBar->calls.end(), "RedrawReadouts"), 3);
    EXPECT_EQ(std::count_if(commandBar->calls.begin(), commandBar->calls.end(),
                            [](const std::string& call) { return call.ends_with(" 1"); }),
              0)
        << "no read-out stays active";
}

TEST_F(MouseModeTest, KnifeDialogIsMadeOnceShownForTheKnifeAndHiddenOtherwise) {
    SetMouseMode(mouseModeTranslate, 1);
    EXPECT_EQ(doc->GetKnifeDialog(), nullptr) << "nothing to hide before the first knife";
    SetMouseMode(mouseModeKnife, 1);
    SetMouseMode(mouseModeKnife, 1);
    SetMouseMode(mouseModeTranslate, 1);
    const CallLog knife = [&] {
        CallLog calls;
        for (const std::string& call : main->calls)
            if (call.find("nife") != std::string::npos)
                calls.push_back(call);
        return calls;
    }();
    EXPECT_EQ(knife, (CallLog{"CreateKnifeDialog", "knife Show 1", "knife Show 1", "knife Show 0"}));
}

TEST_F(MouseModeTest, MultiObjectDialogOpensOverTheSideBarOnceAndFollowsTheTool) {
    SetMouseMode(mouseModeTranslateMulti, 1);
    EXPECT_EQ(main->calls, (CallLog{"CreateMultiObjectDialog", "multi PlaceAt 900 40 200 400",
                                    "multi RefreshList", "multi Show 1"}));
    ASSERT_NE(main->lastMultiObjectDialog, nullptr);
    const HWND dialog = main->lastMultiObjectDialog->GetSafeHwnd();
    EXPECT_EQ(doc->GetRegisteredWindow(doc->GetRegisteredWindowCount() - 1).m_hWnd, dialog);
    EXPECT_EQ(doc->GetRegisteredWindow(doc->GetRegisteredWindowCount() - 1).m_id, wndBroadcastOnly);
    EXPECT_EQ(PaneCalls(), (CallLog{"QuickDrawCurves", "RedrawNow"}))
        << "the translate tool's manipulator goes";

    RefreshMultiObjectList();
    EXPECT_EQ(main->calls.back(), "multi RefreshList");

    ClearCalls();
    SetMouseMode(mouseModeScaleMulti, 1);
    EXPECT_EQ(main->calls, (CallLog{"multi RefreshList", "multi Show 1"}))
        << "made once, never hidden in between";
    EXPECT_EQ(PaneCalls(), (CallLog{"QuickDrawCurves"}));

    ClearCalls();
    SetMouseMode(mouseModeTranslate, 1);
    EXPECT_EQ(main->calls, (CallLog{"multi Show 0"}));
    EXPECT_EQ(PaneCalls(), (CallLog{"QuickDrawCurves", "RedrawNow"}));
    EXPECT_EQ(commandBar->calls.back(), "SetObjectModeButtons 1 0");

    ClearCalls();
    RefreshMultiObjectList();
    EXPECT_TRUE(main->calls.empty()) << "a hidden list is not refilled";
    doc->OnNewDocument();
    doc->OnNewDocument();
    EXPECT_EQ(main->calls, (CallLog{"multi ClearList"}));
}

TEST_F(MouseModeTest, PanesRepaintWhenToolSpecificDrawingComesOrGoes) {
    CLightData* light = doc->AddLight();
    doc->m_settings.m_manipulatorShown = 0;
    SetMouseMode(mouseModeLightRotate, 1);
    light->m_locationSelected = light->m_pointAtSelected = 1;
    ClearCalls();
    SetMouseMode(mouseModeLightSelect, 1);
    EXPECT_EQ(PaneCalls(), CallLog{}) << "within the light tools";
    EXPECT_EQ(light->m_locationSelected + light->m_pointAtSelected, 2);
    SetMouseMode(mouseModeSelect, 1);
    light->m_locationSelected = light->m_pointAtSelected = 1;
    ClearCalls();
    SetMouseMode(mouseModeLightRotate, 1);
    EXPECT_EQ(PaneCalls(), (CallLog{"RedrawNow"}));
    EXPECT_EQ(light->m_locationSelected + light->m_pointAtSelected, 0) << "entering the light tools";
    EXPECT_EQ(PanesOnSwitch(804, mouseModeSelect, 0), (CallLog{"RedrawNow"}));

    EXPECT_EQ(PanesOnSwitch(mouseModeTranslate, mouseModeRotate, 0), CallLog{}) << "manipulator hidden";
    EXPECT_EQ(PanesOnSwitch(mouseModeTranslate, mouseModeRotate, 1), (CallLog{"RedrawNow"}));
    EXPECT_EQ(PanesOnSwitch(mouseModeRotate, mouseModeSelect, 1), (CallLog{"RedrawNow"}));
    EXPECT_EQ(PanesOnSwitch(mouseModeSelect, mouseModeAddPoint, 1), CallLog{});
    EXPECT_EQ(PanesOnSwitch(mouseModeSelect, mouseModeAxisScale, 1), (CallLog{"RedrawNow", "RedrawNow"}))
        << "entering the material-axis tools, which also show the manipulator";
    EXPECT_EQ(PanesOnSwitch(mouseModeAxisScale, mouseModeSelect, 0), (CallLog{"RedrawNow"}));

    EXPECT_EQ(PanesOnSwitch(mouseModeSelect, mouseModeTranslateCP, 0), (CallLog{"RedrawControlPoints"}));
    EXPECT_EQ(PanesOnSwitch(mouseModeTranslateCP, mouseModeTranslateCP2, 0), CallLog{});
    EXPECT_EQ(PanesOnSwitch(mouseModeTranslateCP2, mouseModeSelect, 0), (CallLog{"RedrawNow"}));
}

TEST_F(MouseModeTest, DeadWindowsAreLeftAlone) {
    for (auto& w : windows)
        w->Destroy();
    SetMouseMode(mouseModeTranslateMulti, 1);
    SetMouseMode(mouseModeLightRotate, 1);
    for (auto& w : windows)
        EXPECT_TRUE(w->calls.empty());
    EXPECT_EQ(main->calls,
              (CallLog{"CreateMultiObjectDialog", "multi RefreshList", "multi Show 1", "multi Show 0"}))
        << "no side bar to open over";
}
