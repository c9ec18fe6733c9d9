#include "app/quel_doc.h"

#include "app/app_state.h"
#include "app/doc_helpers.h"
#include "app/mouse_mode.h"
#include "platform/base/file_util.h"
#include "platform/base/modal_runner.h"
#include "platform/base/text_file.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <new>
#include <string>

namespace {

using SettingsStep = std::function<bool(std::string*)>;

// Runs each step; returns what went wrong, one line per failed step.
std::string RunSettingsSteps(std::initializer_list<SettingsStep> steps) {
    std::string problems;
    for (const SettingsStep& step : steps) {
        std::string error;
        if (!step(&error))
            problems += (error.empty() ? std::string("unknown error") : error) + "\n";
    }
    return problems;
}

void ReportSettingsProblems(const std::string& problems, bool reading) {
    if (problems.empty())
        return;
    const bool english = GetAppState().m_english != 0;
    CString text;
    if (reading)
        text = english ? "Some settings files could not be read; their defaults are used.\n\n"
                       : "設定ファイルを読み込めませんでした。既定値を使います。\n\n";
    else
        text = english ? "Some settings files could not be saved; the old files are kept.\n\n"
                       : "設定ファイルを保存できませんでした。以前のファイルはそのままです。\n\n";
    MessageBox(HWND{}, text + CString(problems), "quelaForm", MB_OK | MB_ICONWARNING);
}

bool WriteResourceType(std::string* error) {
    qf::CTextFileWriter file(qf::SettingsPath("quel_resource_type.ini"));
    file.Write(GetAppState().m_english ? "english" : "japanese");
    if (file.Close())
        return true;
    if (error)
        *error = file.GetError();
    return false;
}

} // namespace

CMaterialPreviewSetting::CMaterialPreviewSetting() {
    m_camera.m_eye = CVector3(0.0f, 2.0f, -5.0f);
    m_camera.m_target = CVector3();
    m_camera.m_angle = 13.0f;
}

CQuelDoc::CQuelDoc() : m_programFolder(qf::SettingsDir()) {
    for (int i = 0; i < m_defaultLightCount; ++i)
        m_defaultLights[i].m_name.Format("default_light0%d", i + 1);
    ReadSettingsFiles();
    // Every run starts with the translate tool on the left button.
    m_settings.m_mouseModeLeft = mouseModeTranslate;
}

CQuelDoc::~CQuelDoc() {
    DeleteAllWindowEntries();
    DeleteScene();
    m_undoBuffer.Clear();
    WriteSettingsFiles();
    std::error_code ignored;
    std::filesystem::remove(qf::TempPath(previewIniName), ignored);
    std::filesystem::remove(qf::TempPath(previewPovName), ignored);
    m_multiObjectDialog.reset();
    m_knifeDialog.reset();
}

void CQuelDoc::ReadSettingsFiles() {
    m_render.setting_file_name = "render_setting.ini";
    std::error_code ignored;
    const bool firstStart =
        !std::filesystem::exists(CRendererList::Folder(), ignored) &&
        !std::filesystem::exists(qf::SettingsPath(m_render.setting_file_name.str()), ignored);
    ReportSettingsProblems(RunSettingsSteps({
                               [this](std::string* e) { return CQuelIniFile(m_settings).Read(e); },
                               [this](std::string* e) { return CShortcutTable(m_shortcutSlots).Read(e); },
                               [this](std::string* e) { return m_openGLSetting.Read(e); },
                               [this](std::string* e) { return m_renderers.LoadAll(e); },
                               [this](std::string* e) { return m_render.LoadFile(e); },
                           }),
                           true);
    if (firstStart && m_renderers.GetCount() == 0) {
        m_renderers.Add(InstalledPovRayDefinition());
        m_render.renderer_index = 0;
    }
    // The material preview's own choice is not stored: every run it starts
    // on the renderer the scene renders with.
    m_previewRender.renderer_index = m_render.renderer_index;
}

void CQuelDoc::WriteSettingsFiles() {
    ReportSettingsProblems(RunSettingsSteps({
                               [this](std::string* e) { return CQuelIniFile(m_settings).Write(e); },
                               [this](std::string* e) { return CShortcutTable(m_shortcutSlots).Write(e); },
                               [this](std::string* e) { return m_renderers.SaveAll(e); },
                               [this](std::string* e) { return m_render.SaveFile(e); },
                               [this](std::string* e) { return m_openGLSetting.Write(e); },
                               WriteResourceType,
                           }),
                           false);
}

BOOL CQuelDoc::OnNewDocument() {
    ++m_resets;
    // The side bar lets go of the scene before it is deleted. The first
    // reset runs while the side bar is still being built.
    if (!m_firstReset) {
        if (auto* scene = FindWindowService<CScenePageServices>(wndScenePage))
            scene->SelectRootItem();
        if (auto* objects = FindWindowService<CObjectPageServices>(wndObjectPage))
            objects->ResetTree();
        if (auto* lights = FindWindowService<CLightPageServices>(wndLightPage))
            lights->ResetTree();
        if (auto* materials = FindWindowService<CMaterialPageServices>(wndMaterialPage))
            materials->ResetTree();
        if (m_multiObjectDialog)
            m_multiObjectDialog->ClearList();
    }
    m_firstReset = 0;
    m_modified = FALSE;
    m_tree.RemoveAll();
    m_nextMaterialId = m_nextObjectKey = m_nextFolderKey = 0;
    for (int i = 0; i < kPaneCount; ++i)
        m_cameras[i].SetPreset(i);
    // A file that ends before its memo cameras must not keep the previous document's.
    m_memoCameras.fill(CCamera());
    m_motionBlurCount = 5;
    m_motionBlurTime = 0.05f;
    m_renderBgColor = 0x969696;
    m_useRenderBgColor = 0;
    m_defaultMaterial.Reset();
    m_radiosity.CopyFrom(CRadiosityData());
    m_radiosity2.CopyFrom(CRadiosity2Data());
    m_globalSettings.CopyFrom(CGlobalSettingsData());
    m_postProcess.CopyFrom(CPostProcessData());
    m_hdr.SetDefaults();
    for (int i = 0; i < kPaneCount; ++i) {
        m_underlayFiles[i].Empty();
        m_underlays[i].Reset();
    }
    DeleteScene();
    // A loaded file can never be undone into the previous scene.
    m_undoBuffer.Clear();
    RedrawPanes();
    if (m_createDefaultObject) {
        if (auto* objects = FindWindowService<CObjectPageServices>(wndObjectPage))
            objects->CreatePatchObject();
        // The first object belongs to the new document: undoing it would
        // leave the user a document with nothing to work on.
        m_undoBuffer.Clear();
        m_modified = FALSE;
    }
    return TRUE;
}

void CQuelDoc::StartAnew() {
    try {
        OnNewDocument();
    } catch (const std::bad_alloc&) {
        // Without even its first object: the user was told the open failed,
        // and the object page's New makes one.
    }
    m_undoBuffer.Clear();
    m_modified = FALSE;
}

void CQuelDoc::RegisterWindow(HWND window, int id) {
    m_windows.push_back({window, id});
}

void CQuelDoc::UnregisterWindow(HWND window) {
    std::erase_if(m_windows, [window](const CWndRegistryEntry& entry) { return entry.m_hWnd == window; });
}

HWND CQuelDoc::FindRegisteredWindow(int id) const {
    for (const CWndRegistryEntry& entry : m_windows)
        if (entry.m_id == id)
            return entry.m_hWnd;
    return HWND{};
}

CSpatchObj* CQuelDoc::AddPatchObject() {
    return AddPatchObject(std::make_unique<CSpatchObj>());
}

// The key and both list nodes are had before the document changes, so that
// an element either arrives whole or not at all.
template <class T>
T* CQuelDoc::AddTreeNode(CObjList<T>& list, std::unique_ptr<T> node, const char* keyBase, int& nextKey) {
    node->SetKey(keyBase + IntToString(nextKey));
    typename CObjList<T>::Extracted prepared = CObjList<T>::Prepare(std::move(node));
    T* added = prepared.get();
    m_tree.AddRoot(added);
    list.AddTail(std::move(prepared));
    ++nextKey;
    return added;
}

CSpatchObj* CQuelDoc::AddPatchObject(std::unique_ptr<CSpatchObj> obj) {
    return AddTreeNode(m_objects, std::move(obj), "spatch_obj", m_nextObjectKey);
}

CFolderObj* CQuelDoc::AddFolder() {
    return AddFolder(std::make_unique<CFolderObj>());
}

CFolderObj* CQuelDoc::AddFolder(std::unique_ptr<CFolderObj> folder) {
    return AddTreeNode(m_folders, std::move(folder), "folder", m_nextFolderKey);
}

CLightData* CQuelDoc::AddLight() {
    return m_lights.Emplace();
}

CMaterialData* CQuelDoc::AddMaterial() {
    return AddMaterial(std::make_unique<CMaterialData>());
}

CMaterialData* CQuelDoc::AddMaterial(std::unique_ptr<CMaterialData> mat) {
    CMaterialData* added = mat.get();
    m_materials.AddTail(std::move(mat));
    added->m_id = m_nextMaterialId++;
    return added;
}

CPolygonObj* CQuelDoc::AddPolygonObject() {
    return m_polygonObjects.Emplace();
}

void CQuelDoc::RenumberLights() {
    int index = 0;
    for (CLightData* light : m_lights)
        light->m_index = index++;
}

void CQuelDoc::RenumberMaterials() {
    int index = 0;
    for (CMaterialData* mat : m_materials)
        mat->m_index = index++;
}

void CQuelDoc::ReleaseMembers(CFolderObj* folder) {
    // Moved by their nodes, without a copy of the list: it cannot fail halfway.
    for (POSITION pos = folder->GetMembers().GetHeadPosition(); pos;)
        m_tree.MoveIntoFolder(folder->GetMembers().GetNext(pos), nullptr);
    folder->RemoveAllMembers();
}

void CQuelDoc::TakeOutOfTree(CBaseObj* node) {
    m_tree.MoveIntoFolder(node, nullptr);
    m_tree.RemoveFromRoot(node);
}

void CQuelDoc::DeleteScene() {
    DeleteAllObjects();
    DeleteAllLights();
    DeleteAllMaterials();
    DeleteAllPolygonObjects();
    DeleteAllFolders();
    DeleteAllIncludeFiles();
}

void CQuelDoc::DeleteAllObjects() {
    for (CSpatchObj* obj : m_objects)
        TakeOutOfTree(obj);
    m_objects.RemoveAll();
}

void CQuelDoc::DeleteAllFolders() {
    for (CFolderObj* folder : m_folders)
        ReleaseMembers(folder);
    for (CFolderObj* folder : m_folders)
        TakeOutOfTree(folder);
    m_folders.RemoveAll();
}

void CQuelDoc::DeleteObject(CBaseObj* obj) {
    if (!obj)
        return;
    if (obj->GetObjType() == objTypePatch) {
        auto* patch = static_cast<CSpatchObj*>(obj);
        if (!m_objects.Find(patch))
            return;
        TakeOutOfTree(patch);
        m_objects.Remove(patch);
    } else if (obj->GetObjType() == objTypeFolder) {
        auto* folder = static_cast<CFolderObj*>(obj);
        if (!m_folders.Find(folder))
            return;
        // Deleting a member takes it out of the list only: the walk needs no copy.
        for (POSITION pos = folder->GetMembers().GetHeadPosition(); pos;)
            DeleteObject(folder->GetMembers().GetNext(pos));
        // What was not the document's to delete stays, at the top level.
        ReleaseMembers(folder);
        TakeOutOfTree(folder);
        m_folders.Remove(folder);
    }
}

CKnifeDialogServices* CQuelDoc::EnsureKnifeDialog() {
    if (!m_knifeDialog)
        if (CMainWindowLink* main = GetAppState().m_mainWindow)
            m_knifeDialog = main->CreateKnifeDialog();
    return m_knifeDialog.get();
}

CMultiObjectDialogServices* CQuelDoc::EnsureMultiObjectDialog() {
    if (!m_multiObjectDialog)
        if (CMainWindowLink* main = GetAppState().m_mainWindow)
            if ((m_multiObjectDialog = main->CreateMultiObjectDialog()))
                RegisterWindow(m_multiObjectDialog->GetWindowHandle(), wndBroadcastOnly);
    return m_multiObjectDialog.get();
}

void CQuelDoc::RedrawPanes() const {
    for (int id = wndGLPane0; id < wndGLPane0 + kPaneCount; ++id)
        if (auto* pane = FindWindowService<CWindowServices>(id))
            pane->RedrawNow();
}

const CCamera& CQuelDoc::GetPaneCamera(int view) const {
    return m_cameras[std::clamp(view, 0, kPaneCount - 1)];
}
