#include "app/doc_helpers.h"

#include "app/app_state.h"
#include "app/quel_doc.h"
#include "model/model_document.h"
#include "platform/base/file_util.h"
#include "platform/base/modal_runner.h"

#include <cctype>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

template <class T, class Match> T* FindFirst(CObjList<T> CQuelDoc::*list, Match match) {
    CQuelDoc* doc = GetDoc();
    if (!doc)
        return nullptr;
    for (T* item : doc->*list)
        if (match(*item))
            return item;
    return nullptr;
}

// prefix + a number of at least two digits, the first such name that is free, counting from first.
CString FirstFreeNumberedName(const CString& prefix, int first) {
    for (int n = first;; ++n) {
        CString candidate;
        candidate.Format("%s%02d", prefix.GetString(), n);
        if (!IsNameInUse(candidate))
            return candidate;
    }
}

void Broadcast(int code, HWND except, WPARAM value, bool post) {
    CQuelDoc* doc = GetDoc();
    if (!doc)
        return;
    // By index: a receiver may register further windows while it runs.
    for (int i = 0; i < doc->GetRegisteredWindowCount(); ++i) {
        const HWND window = doc->GetRegisteredWindow(i).m_hWnd;
        if (window == except || !IsWindow(window))
            continue;
        if (post)
            PostMessage(window, WM_DOC_NOTIFY, value, code);
        else
            SendMessage(window, WM_DOC_NOTIFY, value, code);
    }
}

struct MessageText {
    const char* english;
    const char* englishCaption;
    const char* japanese;
    const char* japaneseCaption;
    bool asks;  // Yes/No with a question mark
    bool named; // the text names the item to delete
};

constexpr MessageText kMessages[] = {
    {"unselect obj", "error", "オブジェクトが選択されていません", "エラー", false, false},
    {"unselect material", "error", "マテリアルが選択されていません", "エラー", false, false},
    {"unselect light", "error", "ライトが選択されていません", "エラー", false, false},
    {"delete ", "check", "を削除しますか？", "確認", true, true},
    {"delete ", "check", "を削除しますか？", "確認", true, true},
    {"delete ", "check", "を削除しますか？", "確認", true, true},
    {"disable edit", "error", "編集可能ではありません", "エラー", false, false},
    {"Replace OK?", "check", "上書きしてもいいですか？", "確認", true, false},
    {"fail to create", "error", "モデルの作成に失敗しました", "エラー", false, false},
};

} // namespace

HWND MessageOwner() {
    CQuelDoc* doc = GetDoc();
    if (!doc)
        return HWND{};
    for (int id : {wndViewportPane0 + 2, static_cast<int>(wndMainFrame)}) {
        const HWND window = doc->FindRegisteredWindow(id);
        if (IsWindow(window))
            return window;
    }
    return HWND{};
}

namespace {

// The desktop entry of the XDG user-dirs file, with $HOME expanded; empty when absent.
std::string XdgDesktopDir(const std::string& home) {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const std::string file = qf::JoinPath(
        config && *config ? std::string(config) : qf::JoinPath(home, ".config"), "user-dirs.dirs");
    std::string text;
    if (!qf::ReadWholeFile(file, text))
        return {};
    const std::string_view key = "XDG_DESKTOP_DIR=\"";
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string_view line(text.data() + start, end - start);
        start = end + 1;
        if (!line.starts_with(key))
            continue;
        line.remove_prefix(key.size());
        line = line.substr(0, line.find('"'));
        if (line.starts_with("$HOME"))
            return home + std::string(line.substr(5));
        return std::string(line);
    }
    return {};
}

} // namespace

CQuelDoc* GetDoc() {
    const CQuelAppState& app = GetAppState();
    if (!app.m_mainWindow)
        return nullptr;
    CQuelDoc* active = app.m_mainWindow->GetActiveDocument();
    return active ? active : app.m_currentDoc;
}

void InstallModelDocumentAccessor() {
    SetModelDocumentAccessor([]() -> CModelDocument* { return GetDoc(); });
}

int IsEnglish() {
    return GetAppState().m_english;
}

void SetModified() {
    if (CQuelDoc* doc = GetDoc())
        doc->SetModifiedFlag(TRUE);
}

void SetStatusText(const CString& text) {
    GetAppState().m_statusText = text;
    SendToRegisteredWindows(notifyShowStatusText);
}

CSpatchObj* GetSelectedObject() {
    return FindFirst(&CQuelDoc::m_objects, [](const CSpatchObj& o) { return o.GetSelected() == 1; });
}

CPolygonObj* GetSelectedPolygonObject() {
    return FindFirst(&CQuelDoc::m_polygonObjects, [](const CPolygonObj& o) { return o.GetSelected() != 0; });
}

CFolderObj* GetSelectedFolder() {
    return FindFirst(&CQuelDoc::m_folders, [](const CFolderObj& f) { return f.GetSelected() != 0; });
}

CLightData* GetSelectedLight() {
    return FindFirst(&CQuelDoc::m_lights, [](const CLightData& l) { return l.m_selected == 1; });
}

CMaterialData* GetSelectedMaterial() {
    return FindFirst(&CQuelDoc::m_materials, [](const CMaterialData& m) { return m.m_selected == 1; });
}

CMaterialData* FindMaterialById(int id) {
    return FindFirst(&CQuelDoc::m_materials, [id](const CMaterialData& m) { return m.m_id == id; });
}

CSpatchObj* FindObjectByName(const CString& name) {
    return FindFirst(&CQuelDoc::m_objects, [&name](const CSpatchObj& o) { return o.GetName() == name; });
}

CFolderObj* FindFolderByName(const CString& name) {
    return FindFirst(&CQuelDoc::m_folders, [&name](const CFolderObj& f) { return f.GetName() == name; });
}

CLightData* FindLightByName(const CString& name) {
    return FindFirst(&CQuelDoc::m_lights, [&name](const CLightData& l) { return l.m_name == name; });
}

CMaterialData* FindMaterialByName(const CString& name) {
    return FindFirst(&CQuelDoc::m_materials, [&name](const CMaterialData& m) { return m.m_name == name; });
}

CBaseObj* GetSelectedItem() {
    if (CBaseObj* obj = GetSelectedObject())
        return obj;
    if (CBaseObj* polygon = GetSelectedPolygonObject())
        return polygon;
    return GetSelectedFolder();
}

CBaseObj* FindObjectOrFolderByKey(const CString& key) {
    if (key.IsEmpty())
        return nullptr;
    if (CBaseObj* obj =
            FindFirst(&CQuelDoc::m_objects, [&key](const CSpatchObj& o) { return o.GetKey() == key; }))
        return obj;
    return FindFirst(&CQuelDoc::m_folders, [&key](const CFolderObj& f) { return f.GetKey() == key; });
}

BOOL IsNameInUse(const CString& name) {
    return FindObjectByName(name) || FindLightByName(name) || FindMaterialByName(name) ||
           FindFirst(&CQuelDoc::m_polygonObjects,
                     [&name](const CPolygonObj& p) { return p.GetName() == name; }) ||
           FindFolderByName(name);
}

CString MakeCopyName(const CString& name) {
    const auto isCopy = [](const CString& text) { return text.view().ends_with("(copy)"); };
    if (isCopy(name))
        return FirstFreeNumberedName(name, 1);
    CString base = name;
    while (!base.IsEmpty() && std::isdigit(static_cast<unsigned char>(base[base.GetLength() - 1])))
        base = base.Left(base.GetLength() - 1);
    if (isCopy(base))
        return FirstFreeNumberedName(base, 1);
    return FirstFreeNumberedName(name + "(copy)", 1);
}

CString MakeItemCopyName(const CString& name) {
    const CString copy = name + "(copy)";
    return IsNameInUse(copy) ? FirstFreeNumberedName(copy, 1) : copy;
}

CString MakeSeriesName(const CString& prefix) {
    return FirstFreeNumberedName(prefix, 0);
}

void NumberObjects() {
    if (CQuelDoc* doc = GetDoc()) {
        int index = 0;
        for (CSpatchObj* obj : doc->m_objects)
            obj->SetTreeIndex(index++);
    }
}

void NumberFolders() {
    if (CQuelDoc* doc = GetDoc()) {
        int index = 0;
        for (CFolderObj* folder : doc->m_folders)
            folder->SetTreeIndex(index++);
    }
}

CMessageTarget* FindRegisteredTarget(int id) {
    CQuelDoc* doc = GetDoc();
    return doc ? doc->FindRegisteredTarget(id) : nullptr;
}

void SendToRegisteredWindows(int code, HWND except, WPARAM value) {
    Broadcast(code, except, value, false);
}

namespace {
WPARAM g_postedRepaints = 0;
} // namespace

void PostToRegisteredWindows(int code, HWND except, WPARAM value) {
    if (code == notifyRepaintPanes && value == 0)
        value = ++g_postedRepaints;
    Broadcast(code, except, value, true);
}

WPARAM PostedRepaintCount() {
    return g_postedRepaints;
}

void RedrawAllPanes() {
    if (CQuelDoc* doc = GetDoc())
        doc->RedrawPanes();
}

void SetActivePane(int pane) {
    CQuelDoc* doc = GetDoc();
    if (!doc || doc->m_activePane == pane)
        return;
    doc->m_activePane = pane;
    for (int id = wndPaneHeader0; id < wndPaneHeader0 + kPaneCount; ++id)
        if (auto* header = doc->FindWindowService<CPaneHeaderServices>(id))
            header->RedrawPaneLetter();
}

void ShowTransformFeedback(const CVector3& value, int which) {
    CMessageTarget* target = FindRegisteredTarget(wndCommandBar2);
    auto* window = dynamic_cast<CWindowServices*>(target);
    auto* bar = dynamic_cast<CTransformBarServices*>(target);
    if (!window || !bar || !window->IsShown())
        return;
    if (which >= CTransformBarServices::readoutTranslation && which <= CTransformBarServices::readoutScale) {
        const auto chosen = static_cast<CTransformBarServices::Readout>(which);
        bar->SetReadoutValue(chosen, value);
        for (int r = CTransformBarServices::readoutTranslation; r <= CTransformBarServices::readoutScale; ++r)
            bar->SetReadoutActive(static_cast<CTransformBarServices::Readout>(r), r == which);
    }
    bar->RedrawReadouts();
}

void ClearTransformFeedback(int) {
    if (auto* bar = FindWindowService<CTransformBarServices>(wndCommandBar2)) {
        for (int r = CTransformBarServices::readoutTranslation; r <= CTransformBarServices::readoutScale; ++r)
            bar->SetReadoutActive(static_cast<CTransformBarServices::Readout>(r), FALSE);
        bar->RedrawReadouts();
    }
}

void RefreshMultiObjectList() {
    CQuelDoc* doc = GetDoc();
    CMultiObjectDialogServices* dialog = doc ? doc->GetMultiObjectDialog() : nullptr;
    if (dialog && IsWindow(dialog->GetWindowHandle()) && dialog->IsShown())
        dialog->RefreshList();
}

void ReturnFocusToMainWnd() {
    if (CMainWindowLink* main = GetAppState().m_mainWindow)
        main->ReturnFocusToMainWnd();
}

void SetBusyCursor(BOOL on) {
    if (CMainWindowLink* main = GetAppState().m_mainWindow)
        main->SetBusyCursor(on);
}

int ShowMessage(int kind, const CString& itemName) {
    if (kind < msgNoObject || kind > msgCreateFailed)
        return 1;
    const MessageText& m = kMessages[kind - 1];
    CString text;
    CString caption;
    if (IsEnglish()) {
        text = m.named ? m.english + itemName + "?" : CString(m.english);
        caption = m.englishCaption;
    } else {
        text = m.named ? itemName + m.japanese : CString(m.japanese);
        caption = m.japaneseCaption;
    }
    const int answer = MessageBox(MessageOwner(), text, caption, m.asks ? MB_YESNO | MB_ICONQUESTION : MB_OK);
    return m.asks ? answer : 1;
}

CString FormatFloat(float value, int decimals) {
    CString text;
    text.Format("%0.*f", decimals < 0 ? 0 : decimals, static_cast<double>(value));
    return text;
}

CString IntToString(int value) {
    CString text;
    text.Format("%d", value);
    return text;
}

double DegToRad(float degrees) {
    return degrees / 180.0f * 3.1415927f;
}

double RadToDeg(float radians) {
    return radians / 3.1415927f * 180.0f;
}

CString TrimStringChars(const CString& text, int count, BOOL fromStart) {
    if (count < 0)
        return text;
    if (count >= text.GetLength())
        return CString();
    return fromStart ? text.Mid(count) : text.Left(text.GetLength() - count);
}

CString GetDesktopFolderPath() {
    const char* homeVar = std::getenv("HOME");
    const std::string home = homeVar ? homeVar : "";
    for (const std::string& folder : {XdgDesktopDir(home), home.empty() ? std::string() : home + "/Desktop"})
        if (!folder.empty() && qf::GetFileStatus(folder).isDirectory)
            return CString(folder);
    return CString();
}

COLORREF GetObjectWireColor(const CBaseObj* obj) {
    CQuelDoc* doc = GetDoc();
    switch (doc ? doc->m_objectColorMode : 0) {
    case 0:
        return obj ? obj->GetColor() : 0xFFFFFF;
    case 1:
        return 0;
    case 3:
        return 0x858585;
    case 4:
        return doc->m_useRenderBgColor ? doc->m_renderBgColor : doc->m_settings.m_bgColor;
    case 5:
        return doc->m_customObjectColor;
    default:
        return 0xFFFFFF;
    }
}

int GetObjectSurfaceAlpha(const CBaseObj* obj) {
    CQuelDoc* doc = GetDoc();
    if (!doc || !obj)
        return 100;
    if (doc->m_alphaMode == 0)
        return obj->GetSeeThrough() ? obj->GetSeeThroughAmount() : 100;
    if (doc->m_alphaMode != 1)
        return 100;
    if (const CFolderObj* folder = GetSelectedFolder()) {
        for (const CFolderObj* up = obj->GetParentFolder(); up; up = up->GetParentFolder())
            if (up == folder)
                return doc->m_alphaSelected;
        return doc->m_alphaOthers;
    }
    return obj->GetSelected() ? doc->m_alphaSelected : doc->m_alphaOthers;
}
