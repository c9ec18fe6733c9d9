#pragma once
// The undo manager the document embeds, and its records. Every edit of the
// scene is taken back one step at a time, newest first; there is no redo.
//
// How a command records a step, before it changes the model (a creation or a
// copy records the new item made whole before the document takes it; a
// rename saves the old name, then the new one):
//     undo.BeginRecord();                                   // marks the document modified
//     undo.SetDescription("(パッチ) 移動", "(Patch) Translate");
//     undo.SetKind(undoPatchPositions);
//     undo.SavePatchPositions(obj);                         // what the kind's restore needs
// Undo finds what a record names again by name (parent changes by key), so
// identity across undo is the name.
#include "app/default_material.h"
#include "app/doc_ids.h"
#include "app/hdr_background.h"
#include "app/light_data.h"
#include "app/material_data.h"
#include "app/scene_settings.h"
#include "app/underlay_image.h"
#include "mesh/polygon_obj.h"
#include "model/camera.h"
#include "model/folder_obj.h"
#include "model/spatch_obj.h"
#include "platform/base/cstring.h"
#include "platform/base/obj_list.h"
#include "platform/base/win_types.h"

#include <array>
#include <memory>
#include <utility>
#include <vector>

class CQuelDoc;

// What a record saved and what Undo restores.
enum UndoKind {
    undoKindNone = -1,       // a record nobody gave a kind; Undo restores nothing
    undoImport = 0,          // SaveScene: scene settings back, everything added since removed
    undoCreateObject = 1,    // SaveObjectName of the new object: deletes it
    undoPatchGeometry = 2,   // SavePatchGeometry: positions, visibility, selection, manual handles
    undoPatchPositions = 3,  // SavePatchPositions: positions, visibility, five-point flags, selection
    undoPatchCurves = 4,     // SavePatchCurves: closed flags, weights, sharp flags, manual handles
    undoWholeObject = 5,     // SaveWholePatchObject: the whole geometry
    undoObjectName = 6,      // SaveObjectName old, new: the old name
    undoObjectInfo = 7,      // SaveObjectInfo: settings and attributes
    undoManyObjects = 8,     // SavePatchGeometry (or Positions) per object: positions and handles
    undoDeleteObject = 11,   // SaveWholePatchObject: re-created in its folder
    undoCreateFolder = 13,   // SaveFolder of the new folder: deletes it
    undoFolderName = 14,     // SaveFolder old, new: the old name
    undoFolderInfo = 15,     // SaveFolderInfo: the attributes
    undoDeleteFolder = 16,   // SaveDeletedFolder: re-created with everything below it
    undoConvertPolygon = 17, // SaveWholePatchObject, SavePolygonName: patch object back, polygon object gone
    undoParentChange = 18,   // SaveParentChange: back into the old parent
    undoCopyFolder = 19,     // SaveFolder / SaveObjectName per copy: deletes the copies
    undoObjectInfoRebuild = 20, // SaveObjectInfo: as undoObjectInfo, then new patches
    undoCreateLight = 100,      // SaveLightName of the new light: deletes it
    undoLightSettings = 101,    // SaveLight: every setting back, name and selection kept
    undoDeleteLight = 102,      // SaveLight: re-created
    undoLightName = 103,        // SaveLightName old, new: the old name
    undoLightPosition = 104,    // SaveLightPosition: location and point_at
    undoCreateMaterial = 200,   // SaveMaterialName of the new material: deletes it
    undoDeleteMaterial = 202,   // SaveMaterial: re-created
    undoMaterialName = 203,     // SaveMaterialName old, new: the old name
    undoDeletePolygon = 302,    // SaveDeletedPolygon: re-created at its place in the list
    undoPolygonName = 303,      // SavePolygonName old, new: the old name
    undoInsert = 307,           // SaveScene: as undoImport
};

// The two manual-handle flags and offsets of a curve node, or of a saved
// point link that keeps them for the node it stands for.
template <class To, class From> void CopyManualHandles(To& to, const From& from) {
    to.m_manualIn = from.m_manualIn;
    to.m_manualOut = from.m_manualOut;
    to.m_offsetIn = from.m_offsetIn;
    to.m_offsetOut = from.m_offsetOut;
}

// Makes to, a new polygon object, a whole copy of from: geometry, switches,
// material slots and key.
void CopyPolygonObject(CPolygonObj& to, CPolygonObj& from);

// Gives to's curves, in order, the words that from's curves keep for the
// document file; AppendGeometry starts every curve it adds with 0.
void CopyCurveWords(CSpatchObj& to, const CSpatchObj& from);

// The scene-wide state before an import or insert, and what the scene held
// then, by identity (patch objects and folders by key, materials by id,
// lights and polygon objects by name): Undo removes everything else.
struct CUndoSceneState {
    std::vector<CString> m_objectKeys;
    std::vector<CString> m_folderKeys;
    std::vector<CString> m_lightNames;
    std::vector<int> m_materialIds;
    std::vector<CString> m_polygonNames;
    CGlobalSettingsData m_globalSettings;
    CRadiosityData m_radiosity;
    CRadiosity2Data m_radiosity2;
    CPostProcessData m_postProcess;
    std::array<CCamera, kPaneCount> m_memoCameras;
    std::array<CCamera, kPaneCount> m_cameras; // the views only
    float m_aspect = 0.0f;                     // of the perspective pane's camera, which files keep
    CDefaultMatSetting m_defaultMaterial;
    CHdrBackground m_hdr;
    COLORREF m_renderBgColor = 0;
    float m_megaPovVersion = 0.0f;
    int m_motionBlurCount = 0;
    float m_motionBlurTime = 0.0f;
    std::vector<CString> m_includeFiles;
    std::array<CString, kPaneCount> m_underlayFiles;
    std::array<CUnderlayImage, kPaneCount> m_underlays; // offset and scale only
};

// The position and flags of every point of one object, in list order, as a
// positions record keeps them, in a small fraction of the memory and time a
// whole copy of the object takes.
class CSavedPoints {
public:
    explicit CSavedPoints(const CSpatchObj& obj);

    // What RestorePoints reads of point i.
    int Count() const { return static_cast<int>(m_points.size()); }
    CVector3 Position(int i) const;
    int Selected(int i) const { return Flag(i, 0); }
    int Visible(int i) const { return Flag(i, 1); }
    int FivePoint(int i) const { return Flag(i, 2); }

private:
    struct Point {
        float x, y, z;
        // Bits 0, 1, 2: selected, visible, five-point; bit 3: one of them is
        // neither 0 nor 1 and the three stand in m_odd.
        uint8_t flags;
    };
    int Flag(int i, int which) const;

    std::vector<Point> m_points;
    // Points whose flags a file gave other numbers than 0 and 1: the point's
    // index, then selected, visible and five-point.
    std::vector<std::array<int32_t, 4>> m_odd;
};

// One undo step. It owns every copy in it; none of them points into the
// document, so a record outlives any edit of the scene.
class CUndoRecord {
public:
    // Exactly three for a parent change: the object, its old parent, its new parent.
    CObjList<CBaseObj> m_baseObjects;
    // The first is the saved object of the single-object kinds.
    CObjList<CSpatchObj> m_objects;
    // The points of the objects a positions save named in m_objects, index
    // for index; an object saved otherwise has its points in its copy.
    std::vector<std::unique_ptr<CSavedPoints>> m_points;
    CObjList<CPolygonObj> m_polygonObjects; // names only, or the whole deleted polygon object
    CObjList<CFolderObj> m_folders;
    CObjList<CLightData> m_lights;
    CObjList<CMaterialData> m_materials; // each with the id of the material it copies
    int m_kind = undoKindNone;
    CString m_japanese;
    CString m_english;
    // The parent folder of the first saved whole object or deleted folder; empty at the top level.
    CString m_parentKey;
    // The place of a deleted polygon object in the document's polygon list,
    // of the first saved light or material in its list, or of a moved object
    // among the members of its old folder.
    int m_listIndex = -1;
    // Where the first saved whole object or deleted folder, and everything
    // below it, stood: positions in the document's lists by key, and the
    // place among its siblings.
    std::vector<std::pair<CString, int>> m_objectPlaces;
    std::vector<std::pair<CString, int>> m_folderPlaces;
    int m_treePlace = -1;
    // Only SaveScene fills it.
    std::unique_ptr<CUndoSceneState> m_scene;
    // 0 when restoring the saved settings does not show in the panes.
    int m_redraw = 1;
    // Set by KeepWhole: ReduceToPositions leaves the record as it is.
    int m_keepWhole = 0;
    // The running number of the BeginRecord that opened it.
    unsigned m_serial = 0;
    // Saves into it that began and did not end: one left by an exception (no
    // memory for the copy) leaves the record unfinished, never restored from
    // (but for a folder copy's, see RestoreFrom).
    int m_savesUnderWay = 0;
};

class CUndoBuffer {
public:
    static constexpr int defaultMaxLevels = 15;

    // Opens a new record and marks the current document modified. Undone
    // records go first; the oldest records beyond the maximum go too. With a
    // maximum of 0 nothing is kept, and everything up to the next BeginRecord
    // (descriptions, kind, saves) does nothing.
    void BeginRecord();
    // BeginRecord with the step's two descriptions and its kind, as most commands open their step.
    void BeginRecord(const CString& japanese, const CString& english, int kind);
    void SetDescription(const CString& japanese, const CString& english);
    void SetKind(int kind);

    // Each appends what it saves to the record the last BeginRecord opened;
    // without one it does nothing.
    // Positions, visibility and selection of every point, and the manual
    // handles of the nodes on it, link by link.
    void SavePatchGeometry(CSpatchObj* obj);
    // Positions, visibility, five-point flags and selection of every point.
    void SavePatchPositions(CSpatchObj* obj);
    // Per curve its closed flag; per node weight, sharp, selection and manual handles.
    void SavePatchCurves(CSpatchObj* obj);
    // Settings, the whole geometry with its selection, key and parent folder.
    void SaveWholePatchObject(CSpatchObj* obj);
    // Settings and key; redraw 1 when restoring them shows in the panes.
    void SaveObjectInfo(CSpatchObj* obj, int redraw);
    void SaveObjectName(CSpatchObj* obj);
    void SavePolygonName(CPolygonObj* obj);
    // A whole copy of a polygon object about to be deleted, and its place in the document's list.
    void SaveDeletedPolygon(CPolygonObj* obj);
    void SaveFolder(CFolderObj* folder);
    void SaveFolderInfo(CFolderObj* folder, int redraw);
    // Name, key, attributes, parent folder and copies of everything below it.
    void SaveDeletedFolder(CFolderObj* folder);
    // obj, its present parent and place there, and newParent (null: the top level), by name and key.
    void SaveParentChange(CBaseObj* obj, CBaseObj* newParent);
    // The new name of a rename record (of any of the five rename kinds),
    // saved after the old one and before the item takes it, so that nothing
    // can fail once the item has its new name.
    void SaveNewName(const CString& name);
    void SaveLight(CLightData* light);
    void SaveLightName(CLightData* light);
    void SaveLightPosition(CLightData* light);
    void SaveMaterial(CMaterialData* mat);
    void SaveMaterialName(CMaterialData* mat);
    // The current document's scene-wide state and what its lists hold.
    void SaveScene();

    // A whole-object record that turned out to need only the positions
    // keeps just those and becomes a positions record, unless it was kept whole.
    void ReduceToPositions();
    // The other way round, for a one-point translate whose point was joined
    // to another: the open positions record of obj becomes the whole object
    // as it was when the positions were saved. Only positions may have
    // changed since; obj is left as it is.
    void WidenToWholeObject(CSpatchObj* obj);
    // The Add Point tool hands its drag to the translate tool, and the new
    // point's curves must come back on undo: its record stays whole.
    void KeepWhole();

    // Takes back the newest undoable step in the current document.
    void Undo();

    // The Edit menu's Undo item in the interface language, naming the step Undo would take back.
    CString GetUndoMenuText() const;
    // Lowering the maximum drops the oldest records at once; below 0 counts as 0.
    void SetMaxLevels(int n);
    int GetMaxLevels() const { return m_maxLevels; }
    // Deletes every record; the maximum stays.
    void Clear();

    // The number of undoable records; Undo is enabled when it is not 0.
    int GetPosition() const { return m_position; }
    BOOL CanUndo() const { return m_position != 0; }
    int GetRecordCount() const { return m_records.GetCount(); }
    // Oldest first; null outside the list.
    const CUndoRecord* GetRecord(int index) const { return m_records.GetAtIndex(index); }

private:
    friend class CUndoHold;
    // A record BeginRecord removed while a hold was on: the oldest one beyond
    // the maximum, or an undone one.
    // It keeps its list node, so that giving it back cannot fail.
    struct CKeptRecord {
        CObjList<CUndoRecord>::Extracted record;
        bool oldest;
    };
    class CSaveScope;

    void DropOldest();
    // Deletes the oldest or the newest record, or keeps it while a hold is on.
    void RemoveRecord(bool oldest);
    // Restores the document from record, with nothing recording meanwhile;
    // an unfinished record restores nothing, but for a folder copy's, which
    // takes away the copies it holds. A take-back restores what a step
    // that ran out of memory left half done.
    void RestoreFrom(CQuelDoc& doc, CUndoRecord& record, bool takingBack = false);
    // Where node and everything below it stand, for the undo of a deletion.
    void SavePlaces(const CBaseObj& node);

    // Oldest first; owned here until an edit replaces the undone ones, the
    // maximum drops the oldest, or Clear.
    CObjList<CUndoRecord> m_records;
    int m_maxLevels = defaultMaxLevels;
    int m_position = 0;
    // The record the last BeginRecord opened; null once it was dropped,
    // undone or cleared, so a save can never land in another step.
    CUndoRecord* m_open = nullptr;
    // While Undo restores, nothing records and nothing is undone.
    bool m_restoring = false;
    // Removed records, in the order removed, kept until the last hold ends.
    std::vector<CKeptRecord> m_kept;
    int m_holds = 0;
    unsigned m_nextSerial = 1;
    // Counts Clear, after which no hold can give the list back.
    unsigned m_clears = 0;
};

// While one lives, the steps begun meanwhile can be taken back and the undo
// list given back as it was: the records BeginRecord removes meanwhile are
// kept until the last hold ends. The event loop's guard holds one around
// every message, so that an edit that runs out of memory leaves the document
// as it was; an edit that records before it knows whether it changes
// anything holds one to drop its step again.
class CUndoHold {
public:
    explicit CUndoHold(CUndoBuffer& undo);
    ~CUndoHold();
    CUndoHold(const CUndoHold&) = delete;
    CUndoHold& operator=(const CUndoHold&) = delete;

    // The first step begun since the hold began, in the list or kept; null when none.
    const CUndoRecord* GetFirstStep() const;
    // Whether an Undo was done meanwhile: the position went back, and no
    // step was begun since.
    bool HasUndoneMeanwhile() const;
    // Restores the document from every step begun since, newest first (one
    // whose saves did not all end changed nothing yet), then gives back the
    // list, its position, the open record and the document's modified flag
    // as they were. False when no step was begun or the list was cleared.
    bool TakeBack();
    // The same without restoring anything: the steps changed nothing.
    void Drop();

private:
    bool Finish(bool restore);

    CUndoBuffer& m_undo;
    unsigned m_firstSerial;
    int m_position;
    CUndoRecord* m_open;
    size_t m_keptCount;
    unsigned m_clears;
    BOOL m_modified = FALSE;
};

// Runs edit, which changes obj or finds nothing to do (false), as one step
// that keeps the whole object. The step is recorded before edit runs, so
// that an edit left half done can be taken back, and dropped again, leaving
// the list and the modified flag as they were, when edit changed nothing.
template <class Edit>
bool RecordWholeObjectStep(CUndoBuffer& undo, CSpatchObj& obj, const CString& japanese,
                           const CString& english, Edit edit) {
    CUndoHold hold(undo);
    undo.BeginRecord(japanese, english, undoWholeObject);
    undo.SaveWholePatchObject(&obj);
    if (edit())
        return true;
    hold.Drop();
    return false;
}
