// Undo: restores what the newest undoable record saved, finding the live
// objects, folders, lights and materials again by name (parent changes by
// key), and tells the side-bar trees, panels and panes about it.
#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "app/undo_buffer.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// The material page's panel; the other panels have registry ids of their own.
constexpr int wndMaterialPanel = 344;

CObjectPageServices* ObjectPage() {
    return FindWindowService<CObjectPageServices>(wndObjectPage);
}

void RefreshPanel(int id) {
    if (auto* panel = FindWindowService<CPanelServices>(id))
        panel->Refresh();
}

template <class T> bool Contains(const std::vector<T>& items, const T& item) {
    return std::find(items.begin(), items.end(), item) != items.end();
}

// The elements of list that match, collected before any of them is deleted.
template <class T, class Pred> std::vector<T*> Collect(const CObjList<T>& list, Pred pred) {
    std::vector<T*> found;
    for (T* item : list)
        if (pred(*item))
            found.push_back(item);
    return found;
}

// The new name of a rename record, which saves the old name first.
template <class T> const T* SecondOf(const CObjList<T>& saved) {
    return saved.GetCount() >= 2 ? saved.GetAtIndex(1) : nullptr;
}

CPolygonObj* FindPolygonByName(CQuelDoc& doc, const CString& name) {
    for (CPolygonObj* polygon : doc.m_polygonObjects)
        if (polygon->GetName() == name)
            return polygon;
    return nullptr;
}

// Takes an object or a folder, with everything below it, out of the tree and the document.
void DeleteTreeNode(CQuelDoc& doc, CBaseObj* node) {
    if (auto* page = ObjectPage())
        page->RemoveObjectItem(node);
    doc.DeleteObject(node);
}

void DeletePolygon(CQuelDoc& doc, CPolygonObj* polygon) {
    if (auto* page = ObjectPage())
        page->RemoveObjectItem(polygon);
    doc.m_polygonObjects.Remove(polygon);
}

void DeleteLight(CQuelDoc& doc, CLightData* light) {
    if (auto* page = FindWindowService<CLightPageServices>(wndLightPage))
        page->RemoveLightItem(light);
    doc.m_lights.Remove(light);
}

void DeleteMaterial(CQuelDoc& doc, CMaterialData* mat) {
    if (auto* page = FindWindowService<CMaterialPageServices>(wndMaterialPage))
        page->RemoveMaterialItem(mat);
    doc.m_materials.Remove(mat);
}

// The live patch object or folder that the record's first saved one names; null when it is gone.
CSpatchObj* LiveObject(const CUndoRecord& record) {
    const CSpatchObj* saved = record.m_objects.GetHead();
    return saved ? FindObjectByName(saved->GetName()) : nullptr;
}

CFolderObj* LiveFolder(const CUndoRecord& record) {
    const CFolderObj* saved = record.m_folders.GetHead();
    return saved ? FindFolderByName(saved->GetName()) : nullptr;
}

void MoveIntoFolderByKey(CQuelDoc& doc, CBaseObj* node, const CString& folderKey) {
    if (CBaseObj* folder = FindObjectOrFolderByKey(folderKey))
        doc.m_tree.MoveIntoFolder(node, folder);
}

// Redraws the panes and the "Select Multi Objects" list after objects came or went.
void ShowChangedObjects() {
    RedrawAllPanes();
    RefreshMultiObjectList();
}

// What a pairing of saved and live points copies beside position and visibility.
struct PointRestore {
    bool selection = false;
    bool fivePoint = false;
    bool handles = false; // the manual handles of the nodes on each point, link by link
};

// The flags of one saved point and where its manual handles are, if saved.
struct SavedPoint {
    CVector3 position;
    int selected;
    int visible;
    int fivePoint;
    const CPatchVertex* links; // the saved point that holds them; null when not saved
};

// Copies a saved point onto a live one. True when a visibility or
// five-point flag changed, which changes the patches.
bool RestorePoint(CPatchVertex& v, const SavedPoint& from, PointRestore what) {
    bool changed = false;
    v.Copy(from.position);
    changed |= v.m_visible != from.visible;
    v.m_visible = from.visible;
    if (what.fivePoint) {
        changed |= v.m_fivePoint != from.fivePoint;
        v.m_fivePoint = from.fivePoint;
    }
    if (what.selection)
        v.SetSelected(from.selected);
    if (!what.handles || !from.links)
        return changed;
    POSITION linkPos = v.m_links.GetHeadPosition();
    for (const CVertexLink* savedLink : from.links->m_links) {
        if (!linkPos)
            break;
        if (CCurvePoint* node = v.m_links.GetNext(linkPos)->m_node)
            CopyManualHandles(*node, *savedLink);
    }
    return changed;
}

// Pairs the saved points of record's object `index` with the live ones, k
// with k, as far as both lists go: from the compact positions when the
// record holds them, else from the saved copy's points. True when a
// visibility or five-point flag changed.
bool RestorePoints(CSpatchObj& live, const CUndoRecord& record, size_t index, const CSpatchObj& saved,
                   PointRestore what) {
    bool changed = false;
    POSITION pos = live.GetVertices().GetHeadPosition();
    if (index < record.m_points.size() && record.m_points[index]) {
        const CSavedPoints& points = *record.m_points[index];
        for (int i = 0; i < points.Count() && pos; ++i)
            changed |= RestorePoint(
                *live.GetVertices().GetNext(pos),
                {points.Position(i), points.Selected(i), points.Visible(i), points.FivePoint(i), nullptr},
                what);
        return changed;
    }
    for (const CPatchVertex* from : saved.GetVertices()) {
        if (!pos)
            break;
        changed |= RestorePoint(*live.GetVertices().GetNext(pos),
                                {*from, from->m_selected, from->m_visible, from->m_fivePoint, from}, what);
    }
    return changed;
}

bool RestoreOneObjectPoints(const CUndoRecord& record, PointRestore what) {
    CSpatchObj* obj = LiveObject(record);
    if (!obj)
        return false;
    what.selection = obj == GetSelectedObject();
    if (RestorePoints(*obj, record, 0, *record.m_objects.GetHead(), what))
        obj->SetNeedsRebuild(1);
    obj->UpdateCurveHandles();
    RedrawAllPanes();
    return true;
}

bool RestoreManyObjects(const CUndoRecord& record) {
    size_t index = 0;
    for (const CSpatchObj* saved : record.m_objects) {
        CSpatchObj* obj = FindObjectByName(saved->GetName());
        if (obj && RestorePoints(*obj, record, index, *saved, {.handles = true}))
            obj->SetNeedsRebuild(1);
        if (obj)
            obj->UpdateCurveHandles();
        ++index;
    }
    RedrawAllPanes();
    return true;
}

bool RestoreCurves(const CUndoRecord& record) {
    CSpatchObj* obj = LiveObject(record);
    if (!obj)
        return false;
    POSITION curvePos = obj->GetCurves().GetHeadPosition();
    for (const CCurve* savedCurve : record.m_objects.GetHead()->GetCurves()) {
        if (!curvePos)
            break;
        CCurve* curve = obj->GetCurves().GetNext(curvePos);
        POSITION nodePos = curve->m_nodes.GetHeadPosition();
        for (const CCurvePoint* from : savedCurve->m_nodes) {
            if (!nodePos)
                break;
            CCurvePoint* node = curve->m_nodes.GetNext(nodePos);
            node->m_weight = from->m_weight;
            node->m_sharp = from->m_sharp;
            CopyManualHandles(*node, *from);
        }
        // An opened or closed curve has other patches.
        if (curve->m_closed != savedCurve->m_closed)
            obj->SetNeedsRebuild(1);
        curve->m_closed = savedCurve->m_closed;
    }
    obj->UpdateCurveHandles();
    RedrawAllPanes();
    return true;
}

bool RestoreWholeObject(const CUndoRecord& record) {
    CSpatchObj* obj = LiveObject(record);
    if (!obj)
        return false;
    CSpatchObj* saved = record.m_objects.GetHead();
    obj->DeleteAllPatches();
    obj->DeleteAllCurves();
    obj->DeleteAllVertices();
    obj->AppendGeometry(saved, obj == GetSelectedObject() ? 1 : 0);
    CopyCurveWords(*obj, *saved);
    obj->UpdateCurveHandles();
    obj->SetNeedsRebuild(1);
    obj->SetKey(saved->GetKey());
    // Freeze turned the mirror off when it made the mirrored shape the object's own.
    obj->SetMirrorMode(saved->GetMirrorMode());
    RedrawAllPanes();
    return true;
}

// A new document patch object like saved: settings, geometry without its selection, key.
CSpatchObj* RecreateObject(CQuelDoc& doc, CSpatchObj& saved) {
    CSpatchObj* obj = doc.AddPatchObject();
    obj->CopySettings(&saved);
    obj->AppendGeometry(&saved, 0);
    CopyCurveWords(*obj, saved);
    obj->SetKey(saved.GetKey());
    return obj;
}

CFolderObj* RecreateFolder(CQuelDoc& doc, const CFolderObj& saved) {
    CFolderObj* folder = doc.AddFolder();
    folder->CopyAttributes(saved);
    folder->SetKey(saved.GetKey());
    return folder;
}

// Everything below saved, at every depth, re-created inside folder.
void RecreateMembers(CQuelDoc& doc, const CFolderObj& saved, CFolderObj* folder) {
    for (CBaseObj* copy : saved.GetOwnedCopies()) {
        if (copy->GetObjType() == objTypePatch) {
            doc.m_tree.MoveIntoFolder(RecreateObject(doc, *static_cast<CSpatchObj*>(copy)), folder);
        } else if (copy->GetObjType() == objTypeFolder) {
            const auto& savedFolder = *static_cast<const CFolderObj*>(copy);
            CFolderObj* member = RecreateFolder(doc, savedFolder);
            doc.m_tree.MoveIntoFolder(member, folder);
            RecreateMembers(doc, savedFolder, member);
        }
    }
}

// Moves the elements a record names by key back to their positions in list,
// lowest first, so that each lands where it stood.
template <class T> void RestoreListPlaces(CObjList<T>& list, std::vector<std::pair<CString, int>> places) {
    std::sort(places.begin(), places.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
    for (const auto& [key, index] : places) {
        T* item = nullptr;
        for (T* candidate : list)
            if (candidate->GetKey() == key)
                item = candidate;
        if (!item || index < 0)
            continue;
        std::unique_ptr<T> owned = list.Detach(item);
        if (POSITION pos = list.FindIndex(index))
            list.InsertBefore(pos, std::move(owned));
        else
            list.AddTail(std::move(owned));
    }
}

// A re-created object or folder goes back where it stood in the lists and among its siblings.
void RestorePlaces(CQuelDoc& doc, CBaseObj* node, const CUndoRecord& record) {
    RestoreListPlaces(doc.m_objects, record.m_objectPlaces);
    RestoreListPlaces(doc.m_folders, record.m_folderPlaces);
    doc.m_tree.SetPlace(node, record.m_treePlace);
}

void AddTreeItem(CBaseObj* node) {
    if (auto* page = ObjectPage())
        page->AddObjectTreeItem(node);
}

bool RestoreDeletedObject(CQuelDoc& doc, const CUndoRecord& record) {
    CSpatchObj* saved = record.m_objects.GetHead();
    if (!saved)
        return false;
    CSpatchObj* obj = RecreateObject(doc, *saved);
    MoveIntoFolderByKey(doc, obj, record.m_parentKey);
    RestorePlaces(doc, obj, record);
    AddTreeItem(obj);
    ShowChangedObjects();
    return true;
}

bool RestoreDeletedFolder(CQuelDoc& doc, const CUndoRecord& record) {
    const CFolderObj* saved = record.m_folders.GetHead();
    if (!saved)
        return false;
    CFolderObj* folder = RecreateFolder(doc, *saved);
    MoveIntoFolderByKey(doc, folder, record.m_parentKey);
    RecreateMembers(doc, *saved, folder);
    RestorePlaces(doc, folder, record);
    AddTreeItem(folder);
    ShowChangedObjects();
    return true;
}

// The polygon object made from the patch object goes, and the patch object comes back.
bool RestoreConvertedObject(CQuelDoc& doc, const CUndoRecord& record) {
    const CSpatchObj* saved = record.m_objects.GetHead();
    if (!saved)
        return false;
    const CPolygonObj* made = record.m_polygonObjects.GetHead();
    CPolygonObj* polygon = made ? FindPolygonByName(doc, made->GetName()) : nullptr;
    const bool objectGone = FindObjectByName(saved->GetName()) == nullptr;
    if (!polygon && !objectGone)
        return false;
    if (polygon) {
        DeletePolygon(doc, polygon);
        RefreshPanel(wndObjectPanel2);
    }
    if (objectGone)
        return RestoreDeletedObject(doc, record);
    ShowChangedObjects();
    return true;
}

// The deleted polygon object comes back at its place in the list, so the file is as before.
bool RestoreDeletedPolygon(CQuelDoc& doc, const CUndoRecord& record) {
    CPolygonObj* saved = record.m_polygonObjects.GetHead();
    if (!saved)
        return false;
    auto polygon = std::make_unique<CPolygonObj>();
    CopyPolygonObject(*polygon, *saved);
    CPolygonObj* restored = polygon.get();
    if (POSITION pos = doc.m_polygonObjects.FindIndex(record.m_listIndex))
        doc.m_polygonObjects.InsertBefore(pos, std::move(polygon));
    else
        doc.m_polygonObjects.AddTail(std::move(polygon));
    if (auto* page = ObjectPage())
        page->AddPolygonItem(restored);
    ShowChangedObjects();
    return true;
}

bool DeleteCreatedNode(CQuelDoc& doc, CBaseObj* node) {
    if (!node)
        return false;
    DeleteTreeNode(doc, node);
    ShowChangedObjects();
    return true;
}

bool DeleteCopies(CQuelDoc& doc, const CUndoRecord& record) {
    for (const CFolderObj* saved : record.m_folders)
        if (CFolderObj* folder = FindFolderByName(saved->GetName()))
            DeleteTreeNode(doc, folder);
    for (const CSpatchObj* saved : record.m_objects)
        if (CSpatchObj* obj = FindObjectByName(saved->GetName()))
            DeleteTreeNode(doc, obj);
    ShowChangedObjects();
    return true;
}

// Gives the node that find finds by the second saved entry's name the first one's name.
template <class T, class Find> bool RestoreNodeName(const CObjList<T>& saved, Find find) {
    const T* renamed = SecondOf(saved);
    CBaseObj* node = renamed ? find(renamed->GetName()) : nullptr;
    if (!node)
        return false;
    node->SetName(saved.GetHead()->GetName());
    PostToRegisteredWindows(notifyRenameTreeItems);
    RefreshMultiObjectList();
    return true;
}

bool RestorePolygonName(CQuelDoc& doc, const CUndoRecord& record) {
    if (!RestoreNodeName(record.m_polygonObjects,
                         [&doc](const CString& name) { return FindPolygonByName(doc, name); }))
        return false;
    RefreshPanel(wndObjectPanel2);
    return true;
}

bool RestoreObjectInfo(const CUndoRecord& record, bool rebuild) {
    CSpatchObj* obj = LiveObject(record);
    if (!obj)
        return false;
    obj->CopySettings(record.m_objects.GetHead());
    obj->SetReservedWord(record.m_objects.GetHead()->GetReservedWord());
    // Smoothing and the mirror settings are among them: the derived copies are stale.
    obj->SetNetsDirty(1);
    obj->SetMirrorDirty(1);
    if (rebuild)
        obj->Rebuild();
    PostToRegisteredWindows(notifySceneMerged);
    if (rebuild || record.m_redraw)
        RedrawAllPanes();
    return true;
}

bool RestoreFolderInfo(const CUndoRecord& record) {
    CFolderObj* folder = LiveFolder(record);
    if (!folder)
        return false;
    folder->CopyAttributes(*record.m_folders.GetHead());
    PostToRegisteredWindows(notifySceneMerged);
    if (record.m_redraw)
        RedrawAllPanes();
    return true;
}

bool RestoreParent(CQuelDoc& doc, const CUndoRecord& record) {
    if (record.m_baseObjects.GetCount() < 3)
        return false;
    CBaseObj* obj = FindObjectOrFolderByKey(record.m_baseObjects.GetHead()->GetKey());
    if (!obj)
        return false;
    doc.m_tree.MoveIntoFolder(obj, FindObjectOrFolderByKey(record.m_baseObjects.GetAtIndex(1)->GetKey()));
    doc.m_tree.SetPlace(obj, record.m_listIndex);
    // Sent, not posted: the object could be gone before a posted message arrives.
    SendToRegisteredWindows(notifyUpdateTreeItem, HWND{}, reinterpret_cast<WPARAM>(obj));
    return true;
}

bool DeleteCreatedLight(CQuelDoc& doc, const CUndoRecord& record) {
    const CLightData* saved = record.m_lights.GetHead();
    CLightData* light = saved ? FindLightByName(saved->m_name) : nullptr;
    if (!light)
        return false;
    DeleteLight(doc, light);
    RedrawAllPanes();
    return true;
}

bool RestoreDeletedLight(CQuelDoc& doc, const CUndoRecord& record) {
    const CLightData* saved = record.m_lights.GetHead();
    if (!saved)
        return false;
    CLightData* light = doc.AddLight();
    light->CopyFrom(*saved);
    RefreshPanel(wndLightPanel);
    if (auto* page = FindWindowService<CLightPageServices>(wndLightPage))
        page->AddLightItem(light, doc.m_lights.GetCount() == 1);
    RedrawAllPanes();
    return true;
}

bool RestoreLightName(const CUndoRecord& record) {
    const CLightData* renamed = SecondOf(record.m_lights);
    CLightData* light = renamed ? FindLightByName(renamed->m_name) : nullptr;
    if (!light)
        return false;
    light->m_name = record.m_lights.GetHead()->m_name;
    if (light == GetSelectedLight())
        RefreshPanel(wndLightPanel);
    if (auto* page = FindWindowService<CLightPageServices>(wndLightPage))
        page->RenameLightItem(renamed->m_name, light->m_name);
    return true;
}

bool RestoreLightSettings(const CUndoRecord& record) {
    const CLightData* saved = record.m_lights.GetHead();
    CLightData* light = saved ? FindLightByName(saved->m_name) : nullptr;
    if (!light)
        return false;
    // A copy leaves its light unselected: the light stays the chosen one.
    const int selected = light->m_selected;
    light->CopyFrom(*saved);
    light->m_selected = selected;
    RefreshPanel(wndLightPanel);
    RedrawAllPanes();
    return true;
}

bool RestoreLightPositions(const CUndoRecord& record) {
    for (const CLightData* saved : record.m_lights) {
        if (CLightData* light = FindLightByName(saved->m_name)) {
            light->m_location = saved->m_location;
            light->m_pointAt = saved->m_pointAt;
        }
    }
    RefreshPanel(wndLightPanel);
    RedrawAllPanes();
    return true;
}

bool DeleteCreatedMaterial(CQuelDoc& doc, const CUndoRecord& record) {
    const CMaterialData* saved = record.m_materials.GetHead();
    CMaterialData* mat = saved ? FindMaterialByName(saved->m_name) : nullptr;
    if (!mat)
        return false;
    DeleteMaterial(doc, mat);
    return true;
}

void RefreshObjectPanels() {
    RefreshPanel(wndObjectPanel1);
    RefreshPanel(wndObjectPanel2);
}

bool RestoreDeletedMaterial(CQuelDoc& doc, const CUndoRecord& record) {
    const CMaterialData* saved = record.m_materials.GetHead();
    if (!saved)
        return false;
    CMaterialData* mat = doc.AddMaterial();
    mat->CopyFrom(*saved);
    // The old id, so that the objects and the default material setting find it again.
    if (!FindMaterialById(saved->m_id))
        mat->m_id = saved->m_id;
    if (auto* page = FindWindowService<CMaterialPageServices>(wndMaterialPage))
        page->SelectMaterialItem(page->AddMaterialItem(mat));
    RefreshObjectPanels();
    return true;
}

bool RestoreMaterialName(const CUndoRecord& record) {
    const CMaterialData* renamed = SecondOf(record.m_materials);
    CMaterialData* mat = renamed ? FindMaterialByName(renamed->m_name) : nullptr;
    if (!mat)
        return false;
    mat->m_name = record.m_materials.GetHead()->m_name;
    if (mat == GetSelectedMaterial())
        RefreshPanel(wndMaterialPanel);
    if (auto* page = FindWindowService<CMaterialPageServices>(wndMaterialPage))
        page->RenameMaterialItem(renamed->m_name, mat->m_name);
    RefreshObjectPanels();
    return true;
}

void RestoreSceneSettings(CQuelDoc& doc, const CUndoSceneState& scene) {
    doc.m_globalSettings.CopyFrom(scene.m_globalSettings);
    doc.m_radiosity.CopyFrom(scene.m_radiosity);
    doc.m_radiosity2.CopyFrom(scene.m_radiosity2);
    doc.m_postProcess.CopyFrom(scene.m_postProcess);
    doc.m_settings.m_megaPovVersion = scene.m_megaPovVersion;
    doc.m_motionBlurCount = scene.m_motionBlurCount;
    doc.m_motionBlurTime = scene.m_motionBlurTime;
    for (int i = 0; i < kPaneCount; ++i) {
        // The views only; the panes keep their sizes.
        doc.m_memoCameras[i] = scene.m_memoCameras[i];
        doc.m_cameras[i] = scene.m_cameras[i];
    }
    doc.m_cameras[1].m_aspect = scene.m_aspect;
    doc.m_renderBgColor = scene.m_renderBgColor;
    doc.m_defaultMaterial = scene.m_defaultMaterial;
    doc.m_hdr = scene.m_hdr;
    doc.m_includeFiles = scene.m_includeFiles;
    for (int i = 0; i < kPaneCount; ++i) {
        CUnderlayImage& underlay = doc.m_underlays[i];
        underlay.m_offset = scene.m_underlays[i].m_offset;
        underlay.m_scale = scene.m_underlays[i].m_scale;
        if (doc.m_underlayFiles[i] == scene.m_underlayFiles[i])
            continue;
        doc.m_underlayFiles[i] = scene.m_underlayFiles[i];
        LoadUnderlayPicture(underlay, doc.m_underlayFiles[i]);
    }
}

// Everything the import or insert added goes; what was there before stays,
// wherever later undone steps put it back in its list.
bool RestoreScene(CQuelDoc& doc, const CUndoRecord& record) {
    const CUndoSceneState* scene = record.m_scene.get();
    if (!scene)
        return false;
    RestoreSceneSettings(doc, *scene);

    const auto objects = Collect(
        doc.m_objects, [scene](const CSpatchObj& o) { return !Contains(scene->m_objectKeys, o.GetKey()); });
    const auto folders = Collect(
        doc.m_folders, [scene](const CFolderObj& f) { return !Contains(scene->m_folderKeys, f.GetKey()); });
    // At the top level first, so that deleting a folder takes nothing along that stays.
    for (CSpatchObj* obj : objects)
        doc.m_tree.MoveIntoFolder(obj, nullptr);
    for (CFolderObj* folder : folders)
        doc.m_tree.MoveIntoFolder(folder, nullptr);
    for (CSpatchObj* obj : objects)
        DeleteTreeNode(doc, obj);
    for (CFolderObj* folder : folders)
        DeleteTreeNode(doc, folder);
    for (CPolygonObj* polygon : Collect(doc.m_polygonObjects, [scene](const CPolygonObj& p) {
             return !Contains(scene->m_polygonNames, p.GetName());
         }))
        DeletePolygon(doc, polygon);
    for (CLightData* light : Collect(
             doc.m_lights, [scene](const CLightData& l) { return !Contains(scene->m_lightNames, l.m_name); }))
        DeleteLight(doc, light);
    for (CMaterialData* mat : Collect(doc.m_materials, [scene](const CMaterialData& m) {
             return !Contains(scene->m_materialIds, m.m_id);
         }))
        DeleteMaterial(doc, mat);
    ShowChangedObjects();
    return true;
}

// False when the record names something that is gone: then nothing was restored.
bool Restore(CQuelDoc& doc, CUndoRecord& record) {
    switch (record.m_kind) {
    case undoImport:
    case undoInsert:
        return RestoreScene(doc, record);
    case undoCreateObject:
        return DeleteCreatedNode(doc, LiveObject(record));
    case undoPatchGeometry:
        return RestoreOneObjectPoints(record, {.handles = true});
    case undoPatchPositions:
        return RestoreOneObjectPoints(record, {.fivePoint = true});
    case undoPatchCurves:
        return RestoreCurves(record);
    case undoWholeObject:
        return RestoreWholeObject(record);
    case undoObjectName:
        return RestoreNodeName(record.m_objects, FindObjectByName);
    case undoObjectInfo:
        return RestoreObjectInfo(record, false);
    case undoObjectInfoRebuild:
        return RestoreObjectInfo(record, true);
    case undoManyObjects:
        return RestoreManyObjects(record);
    case undoDeleteObject:
        return RestoreDeletedObject(doc, record);
    case undoCreateFolder:
        return DeleteCreatedNode(doc, LiveFolder(record));
    case undoFolderName:
        return RestoreNodeName(record.m_folders, FindFolderByName);
    case undoFolderInfo:
        return RestoreFolderInfo(record);
    case undoDeleteFolder:
        return RestoreDeletedFolder(doc, record);
    case undoConvertPolygon:
        return RestoreConvertedObject(doc, record);
    case undoParentChange:
        return RestoreParent(doc, record);
    case undoCopyFolder:
        return DeleteCopies(doc, record);
    case undoCreateLight:
        return DeleteCreatedLight(doc, record);
    case undoDeleteLight:
        return RestoreDeletedLight(doc, record);
    case undoLightName:
        return RestoreLightName(record);
    case undoLightSettings:
        return RestoreLightSettings(record);
    case undoLightPosition:
        return RestoreLightPositions(record);
    case undoCreateMaterial:
        return DeleteCreatedMaterial(doc, record);
    case undoDeleteMaterial:
        return RestoreDeletedMaterial(doc, record);
    case undoMaterialName:
        return RestoreMaterialName(record);
    case undoPolygonName:
        return RestorePolygonName(doc, record);
    case undoDeletePolygon:
        return RestoreDeletedPolygon(doc, record);
    default:
        return true;
    }
}

} // namespace

void CUndoBuffer::Undo() {
    CQuelDoc* doc = GetDoc();
    if (!doc || m_position == 0 || m_restoring)
        return;
    CUndoRecord* record = m_records.GetAtIndex(m_position - 1);
    --m_position;
    m_open = nullptr;
    RestoreFrom(*doc, *record);
}

void CUndoBuffer::RestoreFrom(CQuelDoc& doc, CUndoRecord& record) {
    if (record.m_savesUnderWay > 0)
        return;
    // Windows told about the restore must not record: that would delete this record under it.
    struct Restoring {
        bool& flag;
        explicit Restoring(bool& f) : flag(f) { flag = true; }
        ~Restoring() { flag = false; }
    };
    bool restored = false;
    {
        const Restoring restoring(m_restoring);
        restored = Restore(doc, record);
    }
    if (restored)
        SendToRegisteredWindows(notifySceneMerged);
}
