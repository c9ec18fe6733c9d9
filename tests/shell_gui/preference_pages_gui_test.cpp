// The preference pages driven with the mouse and keys: what each change
// stores, whether it marks the document modified, and how the panes are
// told (repainted through the update broadcast, or drawn over at once).
#include "app/mouse_mode.h"
#include "dialogs/select_list_dlgs.h"
#include "scene_page_fixture.h"
#include "text_room.h"

using qf::test::PumpEvents;

class PreferencePagesGuiTest : public ScenePageGuiTest {
protected:
    // How often the first pane heard the update broadcast's code; the log starts anew.
    int Heard(int code) {
        PumpEvents(50);
        int count = 0;
        for (const qf::test::RecordedMessage& m : panes[0]->received)
            count += m.message == WM_DOC_NOTIFY && m.lParam == code ? 1 : 0;
        panes[0]->received.clear();
        return count;
    }
    // The calls each pane got, the same for all four; the logs start anew.
    qf::test::CallLog PaneCalls() {
        const qf::test::CallLog first = panes[0]->calls;
        for (qf::test::RecordingDocWindow* pane : panes) {
            EXPECT_EQ(pane->calls, first);
            pane->calls.clear();
        }
        return first;
    }
};

TEST_F(PreferencePagesGuiTest, BackgroundColourIsSceneDataItsPreviewRepaintsThePanes) {
    Open(false);
    CBackgroundColorPage& background = Show<CBackgroundColorPage>("背景設定");
    Heard(notifyRepaintPanes);
    Click(background, 1422);
    EXPECT_EQ(doc->m_useRenderBgColor, 1);
    EXPECT_EQ(Heard(notifyRepaintPanes), 1);
    EXPECT_FALSE(doc->IsModified());
    ChooseColor(background, 1116, RGB(0, 64, 128));
    EXPECT_EQ(doc->m_renderBgColor, RGB(0, 64, 128));
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(Heard(notifyRepaintPanes), 0) << "shown at the next paint";
    CRendererInfo info;
    info.official_version = "3.7";
    EXPECT_NE(Scene(info).find("background{ rgb <0/255,64/255,128/255> }"), std::string::npos);
}

TEST_F(PreferencePagesGuiTest, EachPaneColourRedrawsWhatItColours) {
    for (const bool english : {false, true}) {
        Open(english);
        CColorSettingPage& colors = Show<CColorSettingPage>(english ? "Color Setting" : "カラー設定");
        PaneCalls();
        const struct {
            int swatch;
            COLORREF CCoreSettings::*colour;
            const char* paneCall;
        } swatches[] = {
            {1059, &CCoreSettings::m_bgColor, "RedrawNow"},
            {1066, &CCoreSettings::m_selectObjColor, "QuickDrawCurves"},
            {1124, &CCoreSettings::m_unselectObjColor, "QuickDrawCurves"},
            {1203, &CCoreSettings::m_invisibleColor, "QuickDrawCurves"},
            {1303, &CCoreSettings::m_selectVertexColor, "QuickDrawVertices"},
            {1317, &CCoreSettings::m_unselectVertexColor, "QuickDrawVertices"},
            {1366, &CCoreSettings::m_gridColor, "RedrawGrid"},
        };
        for (const auto& s : swatches) {
            const COLORREF colour = RGB(s.swatch % 256, 7, english ? 9 : 11);
            ChooseColor(colors, s.swatch, colour);
            EXPECT_EQ(doc->m_settings.*s.colour, colour) << s.swatch;
            EXPECT_EQ(PaneCalls(), qf::test::CallLog{s.paneCall}) << s.swatch;
        }
        boxes.AnswerModal(IDCANCEL);
        Click(colors, 1124);
        EXPECT_TRUE(PaneCalls().empty()) << "a cancelled colour changes nothing";
        EXPECT_FALSE(doc->IsModified()) << "program settings";
    }
}

TEST_F(PreferencePagesGuiTest, TheDefaultMaterialRefersToAChosenMaterial) {
    Open(true);
    for (const char* name : {"chrome", "glass"})
        doc->AddMaterial()->m_name = name;
    doc->m_defaultMaterial.m_referencedMaterial = 999;
    CDefaultMaterialPage& material = Show<CDefaultMaterialPage>("Material Setting");
    EXPECT_EQ(Text(material, 1063), "") << "an id no material has";
    boxes.AnswerModal([](qf::CModalWindow& window) {
        dynamic_cast<CSelectMaterialDlg&>(window).m_index = 1;
        return IDOK;
    });
    Click(material, 1478);
    EXPECT_EQ(Text(material, 1063), "glass");
    EXPECT_EQ(doc->m_defaultMaterial.m_referencedMaterial, doc->m_materials.GetAtIndex(1)->m_id);
    EXPECT_TRUE(doc->IsModified());
    doc->SetModifiedFlag(FALSE);
    boxes.AnswerModal(IDCANCEL);
    Click(material, 1478);
    EXPECT_EQ(Text(material, 1063), "glass");
    EXPECT_FALSE(doc->IsModified()) << "a cancelled choice changes nothing";

    Click(material, 1422);
    EXPECT_EQ(doc->m_defaultMaterial.m_useReference, 1);
    Click(material, 1578);
    EXPECT_EQ(doc->m_defaultMaterial.m_colorType, 1);
    EXPECT_TRUE(doc->IsModified());
    Shoot("default_material_chosen", true);

    ClickItem("background");
    CDefaultMaterialPage& again = Show<CDefaultMaterialPage>("Material Setting");
    EXPECT_EQ(Text(again, 1063), "glass");
    EXPECT_TRUE(Checked(again, 1422));
    EXPECT_TRUE(Checked(again, 1578));
    EXPECT_FALSE(Checked(again, 1577));
}

TEST_F(PreferencePagesGuiTest, TheDefaultMaterialPageShowsItsTextsWholeInBothLanguages) {
    for (const bool english : {false, true}) {
        Open(english);
        CDefaultMaterialPage& material =
            Show<CDefaultMaterialPage>(english ? "Material Setting" : "マテリアル設定");
        EXPECT_EQ(qf::test::CutTexts(material), std::vector<std::string>{});
        Shoot("default_material", english);
    }
}

TEST_F(PreferencePagesGuiTest, OtherSettingsClampAndRepaintWhereThePanesShowThem) {
    Open(false);
    CEtcSettingPage& etc = Show<CEtcSettingPage>("その他の設定");
    Heard(notifyRepaintPanes);
    Enter(etc, 1464, "2");
    EXPECT_EQ(doc->m_settings.m_latheCount, 3);
    Enter(etc, 1677, "0.001");
    EXPECT_FLOAT_EQ(doc->m_motionBlurTime, 0.01f);
    EXPECT_EQ(Text(etc, 1677), "0.01");
    EXPECT_TRUE(doc->IsModified()) << "motion blur is saved with the scene";
    Enter(etc, 1675, "7");
    EXPECT_EQ(doc->m_motionBlurCount, 7);
    EXPECT_EQ(Heard(notifyRepaintPanes), 0);

    Enter(etc, 1063, "6");
    EXPECT_FLOAT_EQ(doc->m_settings.m_vertexSize, 6.0f);
    EXPECT_EQ(Heard(notifyRepaintPanes), 1) << "the panes draw the points anew";
    Click(etc, 1577);
    EXPECT_EQ(doc->m_settings.m_vertexSelectOption, 0);
    EXPECT_EQ(Heard(notifyRepaintPanes), 0);

    Click(etc, 1582);
    EXPECT_EQ(doc->m_objectColorMode, 2);
    EXPECT_EQ(Heard(notifyRepaintPanes), 1);
    ChooseColor(etc, 1483, RGB(9, 9, 9));
    EXPECT_EQ(doc->m_customObjectColor, RGB(9, 9, 9));
    EXPECT_EQ(Heard(notifyRepaintPanes), 0) << "white objects do not show the custom colour";
    Click(etc, 1585);
    EXPECT_EQ(doc->m_objectColorMode, 5);
    Heard(notifyRepaintPanes);
    ChooseColor(etc, 1483, RGB(8, 8, 8));
    EXPECT_EQ(Heard(notifyRepaintPanes), 1);

    Click(etc, 1587);
    EXPECT_EQ(doc->m_alphaMode, 1);
    Enter(etc, 1679, "150");
    EXPECT_EQ(doc->m_alphaSelected, 100);
    EXPECT_EQ(Heard(notifyRepaintPanes), 2);
    Shoot("etc_setting_edited", false);

    CRendererInfo megaPov;
    megaPov.post_process = megaPov.pp_motion_blur = 1;
    EXPECT_NE(Scene(megaPov).find("\tmotion_blur 7,0.0100\n"), std::string::npos);
}

TEST_F(PreferencePagesGuiTest, TheMousePageGivesEachButtonItsToolAndTheStatusBarFollows) {
    for (const bool english : {false, true}) {
        Open(english);
        doc->m_settings.m_mouseModeRight = mouseModeTranslate;
        CMouseSettingPage& mouse = Show<CMouseSettingPage>(english ? "Mouse Setting" : "マウス設定");
        CComboBox& right = mouse.GetList(CMouseButtonPageServices::buttonRight);
        CComboBox& middle = mouse.GetList(CMouseButtonPageServices::buttonMiddle);
        EXPECT_EQ(right.GetCurSel(), -1) << "a modelling tool is none of the list's";
        ASSERT_EQ(right.GetCount(), 12);
        CString last;
        right.GetLBText(11, last);
        EXPECT_EQ(last, english ? "Popup Menu" : "ポップアップメニューのみ");
        EXPECT_EQ(middle.GetCount(), 11) << "no popup menu for the middle button";
        CString first;
        middle.GetLBText(0, first);
        EXPECT_EQ(first, english ? "(Camera) Angle" : "(カメラ) Angle") << "sorted";

        strip->calls.clear();
        Choose(mouse, 1145, 8);
        EXPECT_EQ(doc->m_settings.m_mouseModeRight, mouseModeCameraPan);
        EXPECT_EQ(strip->calls,
                  (qf::test::CallLog{"SetRightText 2",
                                     "SetMiddleText " + std::to_string(doc->m_settings.m_mouseModeMiddle)}))
            << "the status bar shows each button's tool";
        Choose(mouse, 1240, 0);
        EXPECT_EQ(doc->m_settings.m_mouseModeMiddle, mouseModeCameraAngle);
        Choose(mouse, 1725, 1);
        const int both = doc->m_settings.m_mouseModeBoth;
        EXPECT_EQ(static_cast<int>(static_cast<std::intptr_t>(
                      mouse.GetList(CMouseButtonPageServices::buttonBoth).GetItemData(1))),
                  both);

        // A reverse box takes its flag and gives every button its list's tool again.
        doc->m_settings.m_mouseModeRight = mouseModeTranslate;
        strip->calls.clear();
        const int reversed = doc->m_settings.m_rotateReverse;
        Click(mouse, 1426);
        EXPECT_EQ(doc->m_settings.m_rotateReverse, reversed ? 0 : 1);
        EXPECT_EQ(doc->m_settings.m_mouseModeRight, mouseModeCameraPan);
        EXPECT_EQ(strip->calls.front(), "SetRightText 2");
        EXPECT_FALSE(doc->IsModified()) << "program settings";
        Shoot("mouse_setting_chosen", english);
    }
}
