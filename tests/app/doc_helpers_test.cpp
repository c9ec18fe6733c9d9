#include "app/doc_helpers.h"
#include "doc_fixture.h"
#include "support/scoped_env.h"

#include <cfloat>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

using qf::test::CallLog;
using qf::test::RecordedMessage;
using qf::test::RecordingDocWindow;
using qf::test::ScopedEnv;

namespace {

std::vector<LPARAM> Codes(const RecordingDocWindow& w) {
    std::vector<LPARAM> codes;
    for (const RecordedMessage& m : w.received) {
        EXPECT_EQ(m.message, WM_DOC_NOTIFY);
        codes.push_back(m.lParam);
    }
    return codes;
}

} // namespace

class DocHelpersTest : public DocTest {};

TEST_F(DocHelpersTest, GetDocAsksTheMainWindowThenTheStoredDocument) {
    EXPECT_EQ(GetDoc(), doc.get());
    main->activeDocument = nullptr;
    EXPECT_EQ(GetDoc(), nullptr);
    GetAppState().m_currentDoc = doc.get();
    EXPECT_EQ(GetDoc(), doc.get()) << "while the frame is being built";
    main.reset();
    EXPECT_EQ(GetDoc(), nullptr) << "no main window, no document";
    EXPECT_EQ(GetSelectedObject(), nullptr);
    SendToRegisteredWindows(notifySceneMerged);
}

TEST_F(DocHelpersTest, SendRunsEachHandlerBeforeReturningAndPostRunsThemLaterInOrder) {
    auto& a = Register(wndObjectPage);
    auto& b = Register(wndBroadcastOnly);
    std::vector<std::string> order;
    a.onMessage = [&](UINT, WPARAM, LPARAM code) { order.push_back("a" + std::to_string(code)); };
    b.onMessage = [&](UINT, WPARAM, LPARAM code) { order.push_back("b" + std::to_string(code)); };

    SendToRegisteredWindows(notifySceneMerged, HWND{}, 7);
    EXPECT_EQ(order, (std::vector<std::string>{"a1", "b1"}));
    EXPECT_EQ(a.received[0].wParam, 7u);

    PostToRegisteredWindows(notifyRenameTreeItems);
    PostToRegisteredWindows(notifyRepaintPanes);
    EXPECT_EQ(order.size(), 2u) << "posted messages wait for the loop";
    SetStatusText("Angle 40.0000");
    EXPECT_EQ(GetAppState().m_statusText, "Angle 40.0000");
    EXPECT_EQ(DispatchPostedMessages(), 4);
    EXPECT_EQ(order, (std::vector<std::string>{"a1", "b1", "a100", "b100", "a300", "b300", "a6", "b6"}));
}

TEST_F(DocHelpersTest, BroadcastSkipsDeadWindowsAndTheExcludedOneButNotItsTwin) {
    const auto panes = RegisterPanes();
    auto& twice = Register(wndScenePage);
    doc->RegisterWindow(twice.GetSafeHwnd(), wndScenePage);
    auto& dying = Register(wndLightPage);

    PostToRegisteredWindows(notifyInvalidateOtherPanes, panes[1]->GetSafeHwnd());
    dying.Destroy();
    DispatchPostedMessages();
    SendToRegisteredWindows(notifyRepaintPanes, panes[1]->GetSafeHwnd());
    EXPECT_TRUE(panes[1]->received.empty());
    for (int i : {0, 2, 3})
        EXPECT_EQ(Codes(*panes[i]), (std::vector<LPARAM>{200, 6})) << i;
    EXPECT_EQ(Codes(twice), (std::vector<LPARAM>{200, 200, 6, 6})) << "registered twice, told twice";
    EXPECT_TRUE(dying.received.empty()) << "a window that died after the post gets nothing";
}

TEST_F(DocHelpersTest, MessagesSpeakTheUsersLanguageOverTheThirdPane) {
    auto& pane = Register(wndViewportPane0 + 2);
    auto& frame = Register(wndMainFrame);
    struct Case {
        int kind;
        int english;
        const char* text;
        const char* caption;
        UINT type;
    };
    const Case cases[] = {
        {msgNoObject, 1, "unselect obj", "error", MB_OK},
        {msgDeleteMaterial, 0, "cubeを削除しますか？", "確認", MB_YESNO | MB_ICONQUESTION},
        {msgDeleteLight, 1, "delete cube?", "check", MB_YESNO | MB_ICONQUESTION},
        {msgReplace, 1, "Replace OK?", "check", MB_YESNO | MB_ICONQUESTION},
        {msgCreateFailed, 0, "モデルの作成に失敗しました", "エラー", MB_OK},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        GetAppState().m_english = c.english;
        boxes.Answer(IDNO);
        const int answer = ShowMessage(c.kind, "cube");
        const qf::CModalRequest& box = boxes.GetRequests().back();
        EXPECT_EQ(box.text, c.text);
        EXPECT_EQ(box.caption, c.caption);
        EXPECT_EQ(box.type, c.type);
        EXPECT_EQ(box.owner, pane.GetSafeHwnd());
        EXPECT_EQ(answer, c.type == MB_OK ? 1 : IDNO);
    }

    const size_t shown = boxes.GetRequests().size();
    EXPECT_EQ(ShowMessage(0), 1);
    EXPECT_EQ(ShowMessage(10), 1);
    EXPECT_EQ(boxes.GetRequests().size(), shown) << "unknown kinds show nothing";

    pane.Destroy();
    boxes.Answer(IDYES);
    EXPECT_EQ(ShowMessage(msgReplace), IDYES);
    EXPECT_EQ(boxes.GetRequests().back().owner, frame.GetSafeHwnd()) << "the main window stands in";
}

TEST_F(DocHelpersTest, NamesAreUniqueAcrossEveryKindOfElement) {
    doc->AddPatchObject()->SetName("cube");
    doc->AddFolder()->SetName("group_00");
    doc->AddPolygonObject()->SetName("mesh");
    doc->AddMaterial()->m_name = "red";
    doc->AddLight()->m_name = "sun";
    for (const char* name : {"cube", "group_00", "mesh", "red", "sun"})
        EXPECT_TRUE(IsNameInUse(name)) << name;
    EXPECT_FALSE(IsNameInUse("Cube")) << "names are compared exactly";

    const std::pair<const char*, const char*> copies[] = {
        {"cube", "cube(copy)01"},
        {"part7", "part7(copy)01"},
        {"123", "123(copy)01"},
        {"box(copy)", "box(copy)01"},
    };
    for (const auto& [name, copy] : copies)
        EXPECT_EQ(MakeCopyName(name), copy) << name;
    for (int i = 0; i < 9; ++i)
        doc->AddLight()->m_name = MakeCopyName("ball");
    EXPECT_TRUE(IsNameInUse("ball(copy)09"));
    EXPECT_EQ(MakeCopyName("ball"), "ball(copy)10");
    EXPECT_EQ(MakeCopyName("ball(copy)03"), "ball(copy)10") << "a copy of a copy counts on";

    EXPECT_EQ(MakeSeriesName("light_"), "light_00");
    for (int i = 0; i < 10; ++i)
        doc->AddLight()->m_name = MakeSeriesName("light_");
    EXPECT_TRUE(IsNameInUse("light_01") && IsNameInUse("light_09"));
    EXPECT_EQ(MakeSeriesName("light_"), "light_10");
    FindLightByName("light_03")->m_name = "moon";
    EXPECT_EQ(MakeSeriesName("light_"), "light_03") << "a freed name is taken again";
    EXPECT_EQ(MakeSeriesName("group_"), "group_01");
}

TEST_F(DocHelpersTest, LookupsTakeTheFirstMatchInListOrder) {
    CSpatchObj* first = doc->AddPatchObject();
    CSpatchObj* second = doc->AddPatchObject();
    CFolderObj* folder = doc->AddFolder();
    CPolygonObj* polygon = doc->AddPolygonObject();
    first->SetSelected(2);
    second->SetSelected(1);
    polygon->SetSelected(2);
    folder->SetSelected(1);
    EXPECT_EQ(GetSelectedItem(), second) << "a patch object counts only with the flag 1";
    second->SetSelected(0);
    EXPECT_EQ(GetSelectedItem(), polygon);
    polygon->SetSelected(0);
    EXPECT_EQ(GetSelectedItem(), folder);

    folder->SetKey(second->GetKey());
    EXPECT_EQ(FindObjectOrFolderByKey(second->GetKey()), second) << "objects before folders";
    EXPECT_EQ(FindObjectOrFolderByKey(""), nullptr);
    CMaterialData* red = doc->AddMaterial();
    CMaterialData* blue = doc->AddMaterial();
    red->m_name = blue->m_name = "same";
    EXPECT_EQ(FindMaterialById(blue->m_id), blue);
    EXPECT_EQ(FindMaterialByName("same"), red);
}

TEST_F(DocHelpersTest, TextConversions) {
    // Regression: the text used to be limited to 39 characters.
    EXPECT_EQ(FormatFloat(FLT_MAX, 10), "340282346638528859811704183484516925440.0000000000");
    EXPECT_EQ(FormatFloat(2.25f, -1), "2");
    EXPECT_EQ(TrimStringChars("abc", 5, FALSE), "");
    EXPECT_EQ(TrimStringChars("image.bmp", 6, TRUE), "bmp");
    EXPECT_EQ(TrimStringChars("abc", -2, TRUE), "abc");
}

TEST_F(DocHelpersTest, WireColourAndSurfaceOpacityFollowTheDocumentsModes) {
    CSpatchObj* obj = doc->AddPatchObject();
    obj->SetColor(0x123456);
    doc->m_customObjectColor = 0xABCDEF;
    const COLORREF expected[] = {0x123456, 0,       0xFFFFFF, 0x858585, doc->m_settings.m_bgColor,
                                 0xABCDEF, 0xFFFFFF};
    for (int mode = 0; mode <= 6; ++mode) {
        doc->m_objectColorMode = mode;
        EXPECT_EQ(GetObjectWireColor(obj), expected[mode]) << mode;
    }
    doc->m_objectColorMode = 4;
    doc->m_useRenderBgColor = 1;
    EXPECT_EQ(GetObjectWireColor(obj), doc->m_renderBgColor);

    obj->SetSeeThrough(1);
    obj->SetSeeThroughAmount(30);
    EXPECT_EQ(GetObjectSurfaceAlpha(obj), 30);
    doc->m_alphaMode = 1;
    obj->SetSelected(1);
    EXPECT_EQ(GetObjectSurfaceAlpha(obj), 100);
    CFolderObj* outer = doc->AddFolder();
    CFolderObj* inner = doc->AddFolder();
    doc->m_tree.MoveIntoFolder(inner, outer);
    doc->m_tree.MoveIntoFolder(obj, inner);
    outer->SetSelected(1);
    doc->m_alphaSelected = 80;
    EXPECT_EQ(GetObjectSurfaceAlpha(obj), 80) << "inside the selected folder, however deep";
    doc->m_tree.MoveIntoFolder(obj, nullptr);
    EXPECT_EQ(GetObjectSurfaceAlpha(obj), 50) << "a selected folder outranks the object's own selection";
}

TEST_F(DocHelpersTest, ActivePaneAndReadoutsReachOnlyLiveShownWindows) {
    auto& headerA = Register(wndPaneHeader0);
    Register(wndPaneHeader0 + 1).Destroy();
    SetActivePane(0);
    EXPECT_TRUE(headerA.calls.empty()) << "already active";
    SetActivePane(2);
    EXPECT_EQ(doc->m_activePane, 2);
    EXPECT_EQ(headerA.calls, (CallLog{"RedrawPaneLetter"}));

    auto& bar = Register(wndCommandBar2);
    ShowTransformFeedback(CVector3(), 4);
    EXPECT_EQ(bar.calls, (CallLog{"RedrawReadouts"})) << "an unknown read-out changes nothing";
    bar.calls.clear();
    bar.shown = FALSE;
    ShowTransformFeedback(CVector3(), 1);
    EXPECT_TRUE(bar.calls.empty()) << "a hidden bar shows nothing";
}

TEST_F(DocHelpersTest, DesktopFolderComesFromTheUserDirectories) {
    const qf::test::TempDir home;
    const ScopedEnv homeVar("HOME", home.path().string());
    const ScopedEnv config("XDG_CONFIG_HOME", home.File("conf"));
    EXPECT_EQ(GetDesktopFolderPath(), "");
    std::filesystem::create_directory(home.File("Desktop"));
    EXPECT_EQ(GetDesktopFolderPath(), home.File("Desktop"));
    std::filesystem::create_directories(home.File("conf"));
    std::filesystem::create_directory(home.File("Schreibtisch"));
    qf::test::WriteFileBytes(home.File("conf/user-dirs.dirs"), "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n"
                                                               "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n");
    EXPECT_EQ(GetDesktopFolderPath(), home.File("Schreibtisch"));
}
