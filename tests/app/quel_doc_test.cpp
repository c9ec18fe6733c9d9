#include "app/doc_helpers.h"
#include "doc_fixture.h"
#include "model/model_document.h"
#include "platform/base/file_util.h"

#include <filesystem>
#include <map>
#include <string>

namespace fs = std::filesystem;

namespace {

const char* const kSettingsFiles[] = {
    "quel.ini",           "quel_shortcut.ini",      "quel_opengl.ini",
    "render_setting.ini", "quel_resource_type.ini", "POV Render/render001.ini"};

} // namespace

class QuelDocTest : public DocTest {
protected:
    std::map<std::string, std::string> SettingsBytes() const {
        std::map<std::string, std::string> bytes;
        for (const char* name : kSettingsFiles)
            bytes[name] = Bytes(name);
        return bytes;
    }
    void Restart() {
        CloseDocument();
        doc = std::make_unique<CQuelDoc>();
        main.emplace(doc.get());
    }
};

TEST_F(QuelDocTest, FirstStartWritesTheSettingsAndTheNextStartReadsThemBack) {
    for (const char* name : {"quel.ini", "quel_shortcut.ini", "quel_opengl.ini"})
        EXPECT_TRUE(qf::FileExists(File(name))) << name << " is written at once on the first start";
    EXPECT_EQ(doc->m_shortcutSlots, DefaultShortcutSlots());
    EXPECT_EQ(doc->m_defaultLights[0].m_name, "default_light01");
    EXPECT_EQ(doc->m_defaultLights[1].m_name, "default_light02");
    EXPECT_EQ(doc->GetProgramFolder(), m_home.path().string());
    // A first start renders with the POV-Ray on the PATH before any renderer is defined.
    ASSERT_EQ(doc->m_renderers.GetCount(), 1);
    EXPECT_EQ(doc->m_renderers.GetAt(0)->path, "povray");
    EXPECT_EQ(doc->m_render.renderer_index, 0);

    doc->m_settings.m_mouseModeRight = 801;
    doc->m_settings.m_mouseModeLeft = 317;
    doc->m_settings.m_panes[2].m_gridCount = 33;
    doc->m_shortcutSlots[7] = 42;
    doc->m_openGLSetting.curve_type = 1;
    CRendererInfo povray;
    povray.title = "POV-Ray 3.7";
    povray.path = "/usr/bin/povray";
    doc->m_renderers.Add(povray);
    doc->m_render.renderer_index = 1;
    doc->m_render.image_w = 1024;
    GetAppState().m_english = 0;
    Restart();
    EXPECT_TRUE(boxes.GetRequests().empty());
    for (const char* name : kSettingsFiles)
        EXPECT_TRUE(qf::FileExists(File(name))) << name;

    EXPECT_EQ(Bytes("quel_resource_type.ini"), "japanese");
    EXPECT_EQ(doc->m_settings.m_mouseModeRight, 801);
    EXPECT_EQ(doc->m_settings.m_mouseModeLeft, 303) << "every run starts with the translate tool";
    EXPECT_EQ(doc->m_settings.m_panes[2].m_gridCount, 33);
    EXPECT_EQ(doc->m_shortcutSlots[7], 42);
    EXPECT_EQ(doc->m_openGLSetting.curve_type, 1);
    ASSERT_EQ(doc->m_renderers.GetCount(), 2) << "a later start seeds nothing";
    EXPECT_EQ(doc->m_renderers.GetAt(1)->path, "/usr/bin/povray");
    EXPECT_EQ(doc->m_render.renderer_index, 1);
    EXPECT_EQ(doc->m_render.image_w, 1024);

    // The left tool went back to 303 on that start; from now on nothing changes.
    Restart();
    const auto first = SettingsBytes();
    Restart();
    const auto second = SettingsBytes();
    for (const char* name : kSettingsFiles)
        EXPECT_EQ(second.at(name), first.at(name)) << name;
}

TEST_F(QuelDocTest, DamagedSettingsAreReportedAndLeaveTheDefaults) {
    CloseDocument();
    fs::remove(File("quel_opengl.ini"));
    fs::create_directory(File("quel_opengl.ini"));
    Put("quel_shortcut.ini", "5\n6\n");
    doc = std::make_unique<CQuelDoc>();
    main.emplace(doc.get());
    ASSERT_EQ(boxes.GetRequests().size(), 1u);
    EXPECT_NE(boxes.GetRequests()[0].text.str().find("quel_opengl.ini"), std::string::npos)
        << boxes.GetRequests()[0].text.str();
    EXPECT_EQ(doc->m_openGLSetting.curve_type, 0);
    EXPECT_EQ(doc->m_shortcutSlots[0], 5);
    EXPECT_EQ(doc->m_shortcutSlots[2], DefaultShortcutSlots()[2]);

    // The folder cannot be replaced at exit either; the other files are still written.
    CloseDocument();
    ASSERT_EQ(boxes.GetRequests().size(), 2u);
    EXPECT_NE(boxes.GetRequests()[1].text.str().find("quel_opengl.ini"), std::string::npos);
    EXPECT_TRUE(fs::is_directory(File("quel_opengl.ini")));
    EXPECT_TRUE(qf::FileExists(File("render_setting.ini")));
}

TEST_F(QuelDocTest, DestructionRemovesThePreviewFilesFromThePrivateTemporaryFolder) {
    const std::string ini = qf::TempPath(CQuelDoc::previewIniName);
    const std::string pov = qf::TempPath(CQuelDoc::previewPovName);
    EXPECT_NE(fs::path(qf::TempDir()), fs::temp_directory_path()) << "a private folder, not the shared one";
    qf::test::WriteFileBytes(ini, "x");
    qf::test::WriteFileBytes(pov, "y");
    CloseDocument();
    EXPECT_FALSE(qf::FileExists(ini));
    EXPECT_FALSE(qf::FileExists(pov));
}

TEST_F(QuelDocTest, NewDocumentResetsTheSceneAndKeepsTheSettings) {
    auto& objectPage = Register(wndObjectPage);
    auto& scenePage = Register(wndScenePage);
    const auto panes = RegisterPanes();
    objectPage.onCreatePatchObject = [this] { doc->AddPatchObject()->SetName("patch_obj_00"); };
    ASSERT_TRUE(doc->OnNewDocument());
    EXPECT_EQ(objectPage.calls, (qf::test::CallLog{"CreatePatchObject"}))
        << "the first reset leaves the trees alone";
    EXPECT_TRUE(scenePage.calls.empty());
    EXPECT_EQ(panes[3]->calls, (qf::test::CallLog{"RedrawNow"}));

    doc->m_tree.MoveIntoFolder(doc->AddPatchObject(), doc->AddFolder());
    doc->AddLight();
    doc->AddMaterial();
    doc->AddPolygonObject();
    doc->m_includeFiles.push_back("colors.inc");
    doc->m_clipboardObject.AddVertex(1, 2, 3);
    doc->m_settings.m_bgColor = RGB(1, 2, 3);
    doc->m_cameras[0].m_angle = 77.0f;
    doc->m_globalSettings.m_maxTraceLevel = 99;
    doc->m_underlays[2].m_loaded = 1;
    doc->SetModifiedFlag();
    objectPage.calls.clear();

    ASSERT_TRUE(doc->OnNewDocument());
    EXPECT_EQ(objectPage.calls, (qf::test::CallLog{"ResetTree", "CreatePatchObject"}));
    EXPECT_EQ(scenePage.calls, (qf::test::CallLog{"SelectRootItem"}));
    ASSERT_EQ(doc->m_objects.GetCount(), 1);
    EXPECT_EQ(doc->m_objects.GetHead()->GetKey(), "spatch_obj0") << "key numbers restart";
    EXPECT_EQ(doc->m_tree.GetRoot().GetCount(), 1);
    EXPECT_TRUE(doc->m_folders.IsEmpty() && doc->m_lights.IsEmpty() && doc->m_materials.IsEmpty());
    EXPECT_TRUE(doc->m_polygonObjects.IsEmpty() && doc->m_includeFiles.empty());
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->AddMaterial()->m_id, 0);
    EXPECT_EQ(doc->m_globalSettings.m_maxTraceLevel, CGlobalSettingsData().m_maxTraceLevel);
    EXPECT_EQ(doc->m_underlays[2].m_loaded, 0);
    EXPECT_TRUE(doc->m_cameras[0].IsTopView());
    EXPECT_EQ(doc->m_settings.m_bgColor, RGB(1, 2, 3)) << "settings survive";
    EXPECT_EQ(doc->m_clipboardObject.GetVertices().GetCount(), 1) << "so does the clipboard";

    // Opening a file resets without the default object.
    doc->m_createDefaultObject = 0;
    doc->OnNewDocument();
    EXPECT_TRUE(doc->m_objects.IsEmpty());
}

TEST_F(QuelDocTest, DeletingAFolderDeletesEverythingBelowItAndNothingElse) {
    CFolderObj* outer = doc->AddFolder();
    CFolderObj* inner = doc->AddFolder();
    CSpatchObj* kept = doc->AddPatchObject();
    doc->m_tree.MoveIntoFolder(inner, outer);
    doc->m_tree.MoveIntoFolder(doc->AddPatchObject(), outer);
    doc->m_tree.MoveIntoFolder(doc->AddPatchObject(), inner);
    CSpatchObj stranger;
    doc->DeleteObject(&stranger);
    doc->DeleteObject(doc->AddPolygonObject());
    EXPECT_EQ(doc->m_polygonObjects.GetCount(), 1) << "only patch objects and folders are deleted";

    doc->DeleteObject(outer);
    EXPECT_TRUE(doc->m_folders.IsEmpty());
    ASSERT_EQ(doc->m_objects.GetCount(), 1);
    EXPECT_EQ(doc->m_objects.GetHead(), kept);
    ASSERT_EQ(doc->m_tree.GetRoot().GetCount(), 1);
    EXPECT_EQ(doc->m_tree.GetRoot().GetHead(), kept);

    // Deleting every folder keeps their objects, at the top level.
    doc->m_tree.MoveIntoFolder(kept, doc->AddFolder());
    doc->DeleteAllFolders();
    EXPECT_EQ(kept->GetParentFolder(), nullptr);
    EXPECT_EQ(doc->m_tree.GetRoot().GetHead(), kept);
}

TEST_F(QuelDocTest, RegistryAnswersWithTheFirstEntryEvenWhenItDied) {
    auto& first = Register(wndSideBar);
    auto& second = Register(wndSideBar);
    EXPECT_EQ(doc->FindRegisteredWindow(wndSideBar), first.GetSafeHwnd());
    EXPECT_FALSE(doc->FindRegisteredWindow(wndToolBar));
    const HWND dead = first.GetSafeHwnd();
    first.Destroy();
    EXPECT_EQ(doc->FindRegisteredWindow(wndSideBar), dead);
    EXPECT_EQ(doc->FindRegisteredTarget(wndSideBar), nullptr) << "the later entry does not stand in";
    EXPECT_EQ(doc->GetRegisteredWindowCount(), 2);
    EXPECT_TRUE(IsWindow(second.GetSafeHwnd()));

    // A window made again and again leaves before it dies, so its id finds the next one.
    doc->RegisterWindow(second.GetSafeHwnd(), wndToolBar);
    doc->UnregisterWindow(dead);
    EXPECT_EQ(doc->FindRegisteredWindow(wndSideBar), second.GetSafeHwnd());
    doc->UnregisterWindow(second.GetSafeHwnd());
    EXPECT_FALSE(doc->FindRegisteredWindow(wndToolBar)) << "every entry of the window goes";
    EXPECT_EQ(doc->GetRegisteredWindowCount(), 0);
}

TEST_F(QuelDocTest, ThePatchModelReadsTheCurrentDocument) {
    InstallModelDocumentAccessor();
    doc->OnNewDocument();
    doc->m_settings.m_vertexSize = 7.0f;
    doc->m_openGLSetting.near_plane = 2.5;
    ASSERT_EQ(GetModelDoc(), doc.get());
    EXPECT_EQ(GetPaneCamera(2), &doc->m_cameras[2]);
    EXPECT_FLOAT_EQ(GetModelDoc()->GetVertexPointSize(), 7.0f);
    EXPECT_DOUBLE_EQ(GetModelDoc()->GetNearDistance(), 2.5);
    EXPECT_EQ(GetModelDoc()->GetMaterialAxisShape(), 4);
    main.reset();
    EXPECT_EQ(GetModelDoc(), nullptr) << "no main window, no document";
    SetModelDocumentAccessor(nullptr);
}
