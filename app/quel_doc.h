#pragma once
// The one document of the program. It owns the whole scene (hierarchy, patch
// objects, folders, polygon objects, lights, materials, include files), the
// scene records, the pane cameras, the program-wide settings of the settings
// files, the window registry and the internal clipboard. It lives for the
// whole run: a new or opened document resets the scene in place and keeps the
// settings, the registry and the clipboard. The constructor reads the
// settings files and the destructor writes them back.
#include "app/core_settings.h"
#include "app/default_material.h"
#include "app/doc_ids.h"
#include "app/hdr_background.h"
#include "app/light_data.h"
#include "app/material_data.h"
#include "app/object_tree.h"
#include "app/opengl_setting.h"
#include "app/render_setting.h"
#include "app/renderer_list.h"
#include "app/scene_settings.h"
#include "app/shortcut_table.h"
#include "app/underlay_image.h"
#include "app/undo_buffer.h"
#include "app/window_services.h"
#include "mesh/polygon_obj.h"
#include "model/camera.h"
#include "model/folder_obj.h"
#include "model/model_document.h"
#include "model/spatch_obj.h"
#include "platform/base/message.h"
#include "platform/base/obj_list.h"

#include <array>
#include <memory>
#include <vector>

class CArchive;

// A window registered under a RegisteredWindowId. The handle stays in the
// registry after its window died; users check IsWindow.
struct CWndRegistryEntry {
    HWND m_hWnd;
    int m_id = 0;
};

// The cameras a pane can step back and forth through.
struct CViewHistory {
    static constexpr int depth = 10;
    std::array<CCamera, depth> m_back;
    std::array<CCamera, depth> m_forward;
    int m_backCount = 0;
    int m_forwardCount = 0;
};

// What the material preview render draws.
struct CMaterialPreviewSetting {
    CMaterialPreviewSetting();
    float m_objectSize = 1.0f; // the checkered floor lies half of it below the origin
    int m_imageSize = 200;     // pixels, width and height
    COLORREF m_bgColor = 0;
    int m_shape = 0; // 0 sphere, 1 box, 2 cylinder, 8 torus
    CCamera m_camera;
    int m_floor = 0;     // the checkered plane below the shape
    int m_backPlane = 0; // the checkered plane behind the shape
    int m_antialias = 0;
};

class CQuelDoc : public CModelDocument {
public:
    // File names of the material preview render in the private temporary folder.
    static constexpr const char* previewIniName = "quel_ini.ini";
    static constexpr const char* previewPovName = "quel_pov.pov";

    CQuelDoc();
    ~CQuelDoc() override;
    CQuelDoc(const CQuelDoc&) = delete;
    CQuelDoc& operator=(const CQuelDoc&) = delete;

    // Resets the scene for File > New and before File > Open; the settings stay.
    BOOL OnNewDocument();
    // How many resets began, so that an open that fails can tell whether the
    // open scene was given up before it did.
    unsigned GetResetCount() const { return m_resets; }
    BOOL IsModified() const { return m_modified; }
    void SetModifiedFlag(BOOL modified = TRUE) { m_modified = modified; }

    // The native document file. Storing writes every section; loading reads
    // the whole stream into a scene buffer first and only then resets the
    // scene and merges the buffer in. A damaged stream, or a name CP932
    // cannot hold, throws CArchiveException and leaves the document as it was.
    void Serialize(CArchive& ar);
    // File > Open and File > Save (As) of the document file at path. A
    // failure is reported to the user and gives FALSE; the open document, or
    // the old file, is then unchanged; or, when the memory ran out after the
    // open scene was given up, a new document took its place (GetResetCount
    // tells). Success clears the modified flag.
    BOOL OnOpenDocument(const CString& path);
    BOOL OnSaveDocument(const CString& path);

    // The window registry: appended to, never searched for duplicates; the
    // first entry with an id answers for it. Emptied only by the destructor.
    void RegisterWindow(HWND window, int id);
    // Takes every entry of the window out of the registry (before a window
    // that is made again and again dies, so that its id finds the next one).
    void UnregisterWindow(HWND window);
    // The window of the first entry with id, the null handle when none.
    HWND FindRegisteredWindow(int id) const;
    void DeleteAllWindowEntries() { m_windows.clear(); }
    int GetRegisteredWindowCount() const { return static_cast<int>(m_windows.size()); }
    const CWndRegistryEntry& GetRegisteredWindow(int index) const { return m_windows[index]; }
    // The live target of the first entry with id; null when there is none or its window died.
    CMessageTarget* FindRegisteredTarget(int id) const {
        return CMessageTarget::FromHandle(FindRegisteredWindow(id));
    }
    // That window as the service the caller needs; null when it does not provide it.
    template <class Service> Service* FindWindowService(int id) const {
        return dynamic_cast<Service*>(FindRegisteredTarget(id));
    }
    // Repaints each live OpenGL pane now.
    void RedrawPanes() const;

    // New scene elements at the end of their lists; objects and folders also at the top of the hierarchy.
    CSpatchObj* AddPatchObject();
    // Takes an object made elsewhere (an import) as a new patch object: it
    // gets the next identifier key and goes to the end of the list and of the top level.
    CSpatchObj* AddPatchObject(std::unique_ptr<CSpatchObj> obj);
    CFolderObj* AddFolder();
    // Takes a folder made apart, as AddPatchObject does an object.
    CFolderObj* AddFolder(std::unique_ptr<CFolderObj> folder);
    CLightData* AddLight();
    CMaterialData* AddMaterial();
    // Takes a material made elsewhere, with the next id.
    CMaterialData* AddMaterial(std::unique_ptr<CMaterialData> mat);
    CPolygonObj* AddPolygonObject();
    // Running indices 0, 1, 2 ... in list order.
    void RenumberLights();
    void RenumberMaterials();

    // Deleted objects and folders leave the hierarchy first; members of a
    // deleted folder move to the top level.
    void DeleteAllObjects();
    void DeleteAllFolders();
    void DeleteAllPolygonObjects() { m_polygonObjects.RemoveAll(); }
    void DeleteAllLights() { m_lights.RemoveAll(); }
    void DeleteAllMaterials() { m_materials.RemoveAll(); }
    void DeleteAllIncludeFiles() { m_includeFiles.clear(); }
    // Deletes a patch object, or a folder with everything below it. Other
    // kinds, and objects that are not the document's, are left alone.
    void DeleteObject(CBaseObj* obj);

    // The folder of the settings files.
    CString GetProgramFolder() const { return m_programFolder; }

    // The modeless dialogs the mouse modes show; null until first needed.
    CKnifeDialogServices* GetKnifeDialog() const { return m_knifeDialog.get(); }
    CMultiObjectDialogServices* GetMultiObjectDialog() const { return m_multiObjectDialog.get(); }
    // Made through the main window on first use; the multi-object dialog is
    // registered to receive the update message. Null when none can be made.
    CKnifeDialogServices* EnsureKnifeDialog();
    CMultiObjectDialogServices* EnsureMultiObjectDialog();

    // What the patch model reads.
    const CCamera& GetPaneCamera(int view) const override;
    double GetNearDistance() const override { return m_openGLSetting.near_plane; }
    int GetCurveType() const override { return m_openGLSetting.curve_type; }
    float GetVertexPointSize() const override { return m_settings.m_vertexSize; }
    int GetMaterialAxisShape() const override { return m_materialAxisShape; }

    // The hierarchy refers to the objects and folders that the lists below
    // own; an element leaves the hierarchy before its list deletes it.
    CFolderList m_tree;
    CObjList<CSpatchObj> m_objects;
    CObjList<CFolderObj> m_folders;
    CObjList<CPolygonObj> m_polygonObjects;
    CObjList<CLightData> m_lights;
    CObjList<CMaterialData> m_materials;
    std::vector<CString> m_includeFiles; // POV-Ray include files
    int m_nextMaterialId = 0;
    int m_nextObjectKey = 0;
    int m_nextFolderKey = 0;

    std::array<CLightData, 3> m_defaultLights;
    int m_defaultLightCount = 2;

    CGlobalSettingsData m_globalSettings;
    CRadiosityData m_radiosity;
    CRadiosity2Data m_radiosity2;
    CPostProcessData m_postProcess;
    CHdrBackground m_hdr;
    CDefaultMatSetting m_defaultMaterial;
    COLORREF m_renderBgColor = 0x969696;
    int m_useRenderBgColor = 0;
    // Stored with the MegaPOV version in the document file.
    int m_motionBlurCount = 5;
    float m_motionBlurTime = 0.05f;

    std::array<CCamera, kPaneCount> m_cameras;
    std::array<CCamera, kPaneCount> m_memoCameras;
    std::array<CViewHistory, kPaneCount> m_viewHistory;
    int m_activePane = 0;

    // The settings of quel.ini.
    CCoreSettings m_settings;
    // 0 own colour, 1 black, 2 white, 3 grey, 4 background, 5 m_customObjectColor.
    int m_objectColorMode = 0;
    COLORREF m_customObjectColor = 0x858585;
    // 0 each object's own see-through, 1 the two percentages below.
    int m_alphaMode = 0;
    int m_alphaSelected = 100;
    int m_alphaOthers = 50;
    int m_materialAxisShape = axisShapePlane; // MaterialAxisShape
    int m_knifeMode = 0;                      // 0 cut curves, 1 cut patches, 2 cut with a curve

    COpenGLSetting m_openGLSetting;
    CRendererList m_renderers;
    // How the render command makes its image; kept in render_setting.ini.
    CRenderSetting m_render;
    // The renderer of the material preview; kept only while the program runs.
    CRenderSetting m_previewRender;
    ShortcutSlots m_shortcutSlots = DefaultShortcutSlots();

    // Kept only while the program runs.
    std::array<int, 3> m_axisEnabled{1, 1, 1}; // the transform axis switches x, y, z of the drag tools
    // Per pane: the lights of the shaded preview, 0 the default lights, 1 the
    // scene's lights, 2 the selected light.
    std::array<int, kPaneCount> m_lightSource{};
    // Per pane: patch objects shown as polygons (the menu item stays grey).
    std::array<int, kPaneCount> m_showAsPolygon{};
    int m_disableRotate = 1; // camera rotation is refused in top, front and side views
    int m_polygonEditMode = 0;
    CMaterialPreviewSetting m_preview;
    int m_pygmalionFill = 0;
    int m_pluginExportBusy = 0; // 1 while an export plug-in runs

    std::array<CString, kPaneCount> m_underlayFiles;
    std::array<CUnderlayImage, kPaneCount> m_underlays;

    // What Copy and Cut fill and Paste reads; never part of the scene.
    CSpatchObj m_clipboardObject;

    // Set while a command-bar button asks a side-bar page for its popup menu,
    // which then opens at the button's screen rectangle.
    int m_popupAnchorActive = 0;
    CRect m_popupAnchorRect;

    // Every edit of the scene, one step at a time; a new or opened scene starts with none.
    CUndoBuffer m_undoBuffer;

    // OnNewDocument asks the object page for the first patch object while
    // this is set; opening a file clears it around the reset.
    int m_createDefaultObject = 1;

private:
    // Reads every settings file; a damaged one is reported and keeps its defaults.
    void ReadSettingsFiles();
    // Writes every settings file back; one that cannot be written is reported and keeps its old contents.
    void WriteSettingsFiles();

    // Every object, folder, polygon object, light, material and include file.
    void DeleteScene();
    // Moves the folder's members to the top level.
    void ReleaseMembers(CFolderObj* folder);
    void TakeOutOfTree(CBaseObj* node);
    // A new document after an open gave up the scene and could not finish:
    // unmodified, with its first object when there is memory for it.
    void StartAnew();
    // A new patch object or folder at the end of list and of the top level, with the next key.
    template <class T>
    T* AddTreeNode(CObjList<T>& list, std::unique_ptr<T> node, const char* keyBase, int& nextKey);

    CString m_programFolder;
    std::vector<CWndRegistryEntry> m_windows;
    BOOL m_modified = FALSE;
    int m_firstReset = 1;
    unsigned m_resets = 0;
    std::unique_ptr<CKnifeDialogServices> m_knifeDialog;
    std::unique_ptr<CMultiObjectDialogServices> m_multiObjectDialog;
};
