#pragma once
// Stand-ins for the windows the document talks to: a registered window that
// offers every window service and writes each call into a log as one line
// ("QuickDrawCurves", "SetLeftText 303"), the two modeless dialogs the
// document owns, and a main window that installs itself as the program's
// main-window link while it lives.
#include "app/app_state.h"
#include "app/light_data.h"
#include "app/window_services.h"
#include "support/recording_window.h"

#include <memory>
#include <string>
#include <vector>

namespace qf::test {

using CallLog = std::vector<std::string>;

class RecordingDocWindow : public RecordingWindow,
                           public CWindowServices,
                           public CGLPaneServices,
                           public CPaneHeaderServices,
                           public CMouseAssignStripServices,
                           public CMouseButtonPageServices,
                           public CTransformBarServices,
                           public CObjectPageServices,
                           public CLightPageServices,
                           public CMaterialPageServices,
                           public CScenePageServices,
                           public CPanelServices {
public:
    void RedrawNow() override { Log("RedrawNow"); }
    BOOL IsShown() const override { return shown; }
    CRect GetScreenRect() const override { return screenRect; }
    void QuickDrawCurves() override { Log("QuickDrawCurves"); }
    void QuickDrawVertices() override { Log("QuickDrawVertices"); }
    void RedrawGrid() override { Log("RedrawGrid"); }
    void RedrawControlPoints() override { Log("RedrawControlPoints"); }
    void RedrawPaneLetter() override { Log("RedrawPaneLetter"); }
    void SetLeftText(int mode) override { Log("SetLeftText", mode); }
    void SetRightText(int mode) override { Log("SetRightText", mode); }
    void SetMiddleText(int mode) override { Log("SetMiddleText", mode); }
    void SetButtonChoice(Button button, int toolIndex) override {
        Log("SetButtonChoice " + std::to_string(button), toolIndex);
    }
    void SetReadoutValue(Readout which, const CVector3& value) override {
        Log("SetReadoutValue " + std::to_string(which) + " " + std::to_string(value.GetX()) + " " +
            std::to_string(value.GetY()) + " " + std::to_string(value.GetZ()));
    }
    void SetReadoutActive(Readout which, BOOL active) override {
        Log("SetReadoutActive " + std::to_string(which), active);
    }
    void RedrawReadouts() override { Log("RedrawReadouts"); }
    void SetObjectModeButtons(BOOL singlePressed, BOOL multiPressed) override {
        Log("SetObjectModeButtons " + std::to_string(singlePressed), multiPressed);
    }
    void ResetTree() override { Log("ResetTree"); }
    void CreatePatchObject() override {
        Log("CreatePatchObject");
        if (onCreatePatchObject)
            onCreatePatchObject();
    }
    void AddObjectTreeItem(CBaseObj* obj) override { Log("AddObjectTreeItem " + obj->GetName().str()); }
    void AddPolygonItem(CBaseObj* polygon) override { Log("AddPolygonItem " + polygon->GetName().str()); }
    void RemoveObjectItem(CBaseObj* obj) override { Log("RemoveObjectItem " + obj->GetName().str()); }
    void SelectObjectItem(CBaseObj* obj) override {
        Log("SelectObjectItem " + (obj ? obj->GetName().str() : std::string("Root")));
        if (onSelectObjectItem)
            onSelectObjectItem(obj);
    }
    void RefreshObjectItem(CBaseObj* obj) override { Log("RefreshObjectItem " + obj->GetName().str()); }
    void RemoveLightItem(CLightData*) override { Log("RemoveLightItem"); }
    ObjTreeItem AddMaterialItem(CMaterialData*) override {
        Log("AddMaterialItem");
        return nullptr;
    }
    void RemoveMaterialItem(CMaterialData*) override { Log("RemoveMaterialItem"); }
    void AddLightItem(CLightData* light, BOOL select) override {
        Log("AddLightItem " + light->m_name.str(), select);
    }
    void RenameLightItem(const CString& name, const CString& newName) override {
        Log("RenameLightItem " + name.str() + " " + newName.str());
    }
    void SelectMaterialItem(ObjTreeItem) override { Log("SelectMaterialItem"); }
    void RenameMaterialItem(const CString& name, const CString& newName) override {
        Log("RenameMaterialItem " + name.str() + " " + newName.str());
    }
    void SelectRootItem() override { Log("SelectRootItem"); }
    void Refresh() override {
        Log("Refresh");
        if (onRefresh)
            onRefresh();
    }

    CallLog calls;
    BOOL shown = TRUE;
    CRect screenRect;
    std::function<void()> onCreatePatchObject;
    std::function<void(CBaseObj*)> onSelectObjectItem;
    std::function<void()> onRefresh;

private:
    void Log(const std::string& call) { calls.push_back(call); }
    void Log(const std::string& call, int value) { calls.push_back(call + " " + std::to_string(value)); }
};

class RecordingKnifeDialog : public CKnifeDialogServices {
public:
    explicit RecordingKnifeDialog(CallLog& log) : m_log(log) {}
    void Show(BOOL show) override { m_log.push_back("knife Show " + std::to_string(show)); }

private:
    CallLog& m_log;
};

class RecordingMultiObjectDialog : public RecordingWindow, public CMultiObjectDialogServices {
public:
    explicit RecordingMultiObjectDialog(CallLog& log) : m_log(log) {}
    HWND GetWindowHandle() const override { return GetSafeHwnd(); }
    BOOL IsShown() const override { return shown; }
    void Show(BOOL show) override {
        shown = show;
        m_log.push_back("multi Show " + std::to_string(show));
    }
    void PlaceAt(const CRect& r) override {
        m_log.push_back("multi PlaceAt " + std::to_string(r.left) + " " + std::to_string(r.top) + " " +
                        std::to_string(r.Width()) + " " + std::to_string(r.Height()));
    }
    void RefreshList() override { m_log.push_back("multi RefreshList"); }
    void ClearList() override { m_log.push_back("multi ClearList"); }

    BOOL shown = FALSE;

private:
    CallLog& m_log;
};

// The program's main window while it lives: GetDoc answers activeDocument,
// else the application state's current document.
class RecordingMainWindow : public CMainWindowLink {
public:
    explicit RecordingMainWindow(CQuelDoc* active = nullptr) : activeDocument(active) {
        GetAppState().m_mainWindow = this;
    }
    ~RecordingMainWindow() override { GetAppState().m_mainWindow = nullptr; }
    RecordingMainWindow(const RecordingMainWindow&) = delete;
    RecordingMainWindow& operator=(const RecordingMainWindow&) = delete;

    CQuelDoc* GetActiveDocument() override { return activeDocument; }
    void SetBusyCursor(BOOL on) override { calls.push_back("SetBusyCursor " + std::to_string(on)); }
    void ReturnFocusToMainWnd() override { calls.push_back("ReturnFocusToMainWnd"); }
    std::unique_ptr<CKnifeDialogServices> CreateKnifeDialog() override {
        calls.push_back("CreateKnifeDialog");
        return std::make_unique<RecordingKnifeDialog>(calls);
    }
    std::unique_ptr<CMultiObjectDialogServices> CreateMultiObjectDialog() override {
        calls.push_back("CreateMultiObjectDialog");
        auto dialog = std::make_unique<RecordingMultiObjectDialog>(calls);
        lastMultiObjectDialog = dialog.get();
        return dialog;
    }

    CQuelDoc* activeDocument;
    CallLog calls;
    // Owned by the document that asked for it.
    RecordingMultiObjectDialog* lastMultiObjectDialog = nullptr;
};

} // namespace qf::test
