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

// Set by a restore once the document holds what the record saved: what
// follows only shows it. An Undo that runs out of memory before then left
// the document as it was, and its step stays where it was.
bool g_restored = false;

void Restored() {
    g_restored = true;
}

// Set while a step that ran out of memory is taken back: what it left half
// done is worth nothing, and freeing it first makes room for the restore.
bool g_takingBack = false;

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

// The side bar lets go of what is about to leave the document: an object or
// a folder with everything below it, a polygon object, a light, a material.
void RemoveObjectItem(CBaseObj* node) {
    if (auto* page = ObjectPage())
        page->RemoveObjectItem(node);
}

void RemoveLightItem(CLightData* light) {
    if (auto* page = FindWindowService<CLightPageServices>(wndLightPage))
        page->RemoveLightItem(light);
}

void RemoveMaterialItem(CMaterialData* mat) {
    if (auto* page = FindWindowService<CMaterialPageServices>(wndMaterialPage))
        page->RemoveMaterialItem(mat);
}

// Each takes its element out of the side bar, then out of the document,
// which cannot fail: once one returns, the document has changed.
void DeleteTreeNode(CQuelDoc& doc, CBaseObj* node) {
    RemoveObjectItem(node);
    doc.DeleteObject(node);
    Restored();
}

void DeletePolygon(CQuelDoc& doc, CPolygonObj* polygon) {
    RemoveObjectItem(polygon);
    doc.m_polygonObjects.Remove(polygon);
    Restored();
}

void DeleteLight(CQuelDoc& doc, CLightData* light) {
    RemoveLightItem(light);
    doc.m_lights.Remove(light);
    Restored();
}

void DeleteMaterial(CQuelDoc& doc, CMaterialData* mat) {
    RemoveMaterialItem(mat);
    doc.m_materials.Remove(mat);
    Restored();
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
    Restored();
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
    Restored();
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
    Restored();
    RedrawAllPanes();
    return true;
}

bool RestoreWholeObject(const CUndoRecord& record) {
    CSpatchObj* obj = LiveObject(record);
    if (!obj)
        return false;
    CSpatchObj* saved = record.m_objects.GetHead();
    // The saved geometry is built apart, handles and all, and then traded
    // for the object's: an Undo that runs out of memory leaves the object as
    // it was. A take-back lets go of the half-done geometry first.
    if (g_takingBack) {
        CSpatchObj halfDone;
        obj->SwapGeometry(halfDone);
    }
    CSpatchObj restored;
    restored.AppendGeometry(saved, obj == GetSelectedObject() ? 1 : 0);
    CopyCurveWords(restored, *saved);
    CString key = saved->GetKey();
    obj->SwapGeometry(restored);
    obj->SwapKey(key);
    // Freeze turned the mirror off when it made the mirrored shape the object's own.
    obj->SetMirrorMode(saved->GetMirrorMode());
    Restored();
    RedrawAllPanes();
    return true;
}

// A patch object like saved, apart from the document: settings, geometry
// without its selection.
std::unique_ptr<CSpatchObj> MakeObjectLike(CSpatchObj& saved) {
    auto made = std::make_unique<CSpatchObj>();
    made->CopySettings(&saved);
    made->AppendGeometry(&saved, 0);
    CopyCurveWords(*made, saved);
    return made;
}

// Gives the document made, an object MakeObjectLike made, with saved's key.
CSpatchObj* AddObjectLike(CQuelDoc& doc, std::unique_ptr<CSpatchObj> made, const CSpatchObj& saved) {
    CString key = saved.GetKey();
    CSpatchObj* obj = doc.AddPatchObject(std::move(made));
    obj->SwapKey(key);
    return obj;
}

// A new document patch object like saved: settings, geometry without its
// selection, key. It is made whole before the document takes it.
CSpatchObj* RecreateObject(CQuelDoc& doc, CSpatchObj& saved) {
    return AddObjectLike(doc, MakeObjectLike(saved), saved);
}

CFolderObj* RecreateFolder(CQuelDoc& doc, const CFolderObj& saved) {
    CString key = saved.GetKey();
    CFolderObj* folder = doc.AddFolder();
    // Attributes copy by assignment; one that runs out of memory takes the folder out again.
    try {
        folder->CopyAttributes(saved);
    } catch (...) {
        doc.DeleteObject(folder);
        throw;
    }
    folder->SwapKey(key);
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
template <class T>
void RestoreListPlaces(CObjList<T>& list, const std::vector<std::pair<CString, int>>& places) noexcept {
    // The lowest place not yet taken is looked up afresh each time, instead
    // of sorting a copy: nothing is allocated.
    const auto before = [&places](size_t a, size_t b) {
        return places[a].second < places[b].second || (places[a].second == places[b].second && a < b);
    };
    size_t done = places.size();
    for (size_t round = 0; round < places.size(); ++round) {
        size_t next = places.size();
        for (size_t i = 0; i < places.size(); ++i)
            if ((done == places.size() || before(done, i)) && (next == places.size() || before(i, next)))
                next = i;
        done = next;
        const auto& [key, index] = places[next];
        T* item = nullptr;
        for (T* candidate : list)
            if (candidate->GetKey() == key)
                item = candidate;
        if (!item || index < 0)
            continue;
        // Moved by its node, which cannot fail.
        const POSITION at = list.Find(item);
        POSITION to = list.FindIndex(index);
        if (to == at)
            continue;
        if (to && list.IndexOf(item) < index)
            list.GetNext(to);
        list.MoveBefore(at, to);
    }
}

// A re-created object or folder goes back where it stood in the lists and
// among its siblings; it moves elements by their nodes and cannot fail.
void RestorePlaces(CQuelDoc& doc, CBaseObj* node, const CUndoRecord& record) noexcept {
    RestoreListPlaces(doc.m_objects, record.m_objectPlaces);
    RestoreListPlaces(doc.m_folders, record.m_folderPlaces);
    doc.m_tree.SetPlace(node, record.m_treePlace);
}

void AddTreeItem(CBaseObj* node) {
    if (auto* page = ObjectPage())
        page->AddObjectTreeItem(node);
}

// The deleted object of record back in its folder and its places; once the
// document took it nothing more can fail.
CSpatchObj* PutBackObject(CQuelDoc& doc, std::unique_ptr<CSpatchObj> made, const CUndoRecord& record) {
    CSpatchObj* obj = AddObjectLike(doc, std::move(made), *record.m_objects.GetHead());
    MoveIntoFolderByKey(doc, obj, record.m_parentKey);
    RestorePlaces(doc, obj, record);
    return obj;
}

// A delete that was taken back before its item left the document leaves
// the item in place: the side bar, which may have let go of it, shows it
// again, and nothing is made anew beside it.
bool ShowAgain(CBaseObj* node) {
    Restored();
    RemoveObjectItem(node);
    if (node->GetObjType() == objTypePolygon) {
        if (auto* page = ObjectPage())
            page->AddPolygonItem(node);
    } else {
        AddTreeItem(node);
    }
    ShowChangedObjects();
    return true;
}

bool RestoreDeletedObject(CQuelDoc& doc, const CUndoRecord& record) {
    CSpatchObj* saved = record.m_objects.GetHead();
    if (!saved)
        return false;
    if (CBaseObj* still = FindObjectOrFolderByKey(saved->GetKey()))
        return ShowAgain(still);
    CSpatchObj* obj = PutBackObject(doc, MakeObjectLike(*saved), record);
    Restored();
    AddTreeItem(obj);
    ShowChangedObjects();
    return true;
}

bool RestoreDeletedFolder(CQuelDoc& doc, const CUndoRecord& record) {
    const CFolderObj* saved = record.m_folders.GetHead();
    if (!saved)
        return false;
    if (CBaseObj* still = FindObjectOrFolderByKey(saved->GetKey()))
        return ShowAgain(still);
    CFolderObj* folder = RecreateFolder(doc, *saved);
    // Everything below it comes back whole, or what came goes again with it.
    try {
        RecreateMembers(doc, *saved, folder);
    } catch (...) {
        doc.DeleteObject(folder);
        throw;
    }
    MoveIntoFolderByKey(doc, folder, record.m_parentKey);
    RestorePlaces(doc, folder, record);
    Restored();
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
    // The patch object is made first, the polygon object's item goes, and
    // only then does the document change.
    std::unique_ptr<CSpatchObj> object = objectGone ? MakeObjectLike(*record.m_objects.GetHead()) : nullptr;
    if (polygon)
        RemoveObjectItem(polygon);
    CSpatchObj* back = object ? PutBackObject(doc, std::move(object), record) : nullptr;
    if (polygon)
        doc.m_polygonObjects.Remove(polygon);
    Restored();
    if (back)
        AddTreeItem(back);
    if (polygon)
        RefreshPanel(wndObjectPanel2);
    ShowChangedObjects();
    return true;
}

// The deleted polygon object comes back at its place in the list, so the file is as before.
bool RestoreDeletedPolygon(CQuelDoc& doc, const CUndoRecord& record) {
    CPolygonObj* saved = record.m_polygonObjects.GetHead();
    if (!saved)
        return false;
    if (CPolygonObj* still = FindPolygonByName(doc, saved->GetName()))
        return ShowAgain(still);
    auto polygon = std::make_unique<CPolygonObj>();
    CopyPolygonObject(*polygon, *saved);
    CPolygonObj* restored = polygon.get();
    if (POSITION pos = doc.m_polygonObjects.FindIndex(record.m_listIndex))
        doc.m_polygonObjects.InsertBefore(pos, std::move(polygon));
    else
        doc.m_polygonObjects.AddTail(std::move(polygon));
    Restored();
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
    // The side bar lets go of every copy before the document deletes any; a
    // copy that went with a copied folder is not deleted twice.
    std::vector<CFolderObj*> folders;
    std::vector<CSpatchObj*> objects;
    for (const CFolderObj* saved : record.m_folders)
        if (CFolderObj* folder = FindFolderByName(saved->GetName()))
            folders.push_back(folder);
    for (const CSpatchObj* saved : record.m_objects)
        if (CSpatchObj* obj = FindObjectByName(saved->GetName()))
            objects.push_back(obj);
    // A copy inside a copied folder goes with the folder's item.
    const auto insideCopy = [&folders](const CBaseObj* node) {
        for (const CFolderObj* up = node->GetParentFolder(); up; up = up->GetParentFolder())
            if (Contains(folders, const_cast<CFolderObj*>(up)))
                return true;
        return false;
    };
    for (CFolderObj* folder : folders)
        if (!insideCopy(folder))
            RemoveObjectItem(folder);
    for (CSpatchObj* obj : objects)
        if (!insideCopy(obj))
            RemoveObjectItem(obj);
    for (CFolderObj* folder : folders)
        if (doc.m_folders.Find(folder))
            doc.DeleteObject(folder);
    for (CSpatchObj* obj : objects)
        if (doc.m_objects.Find(obj))
            doc.DeleteObject(obj);
    Restored();
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
    Restored();
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
    Restored();
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
    Restored();
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
    Restored();
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

// Undo adds a deleted light or material at the end of its list; a take-back
// puts it back where it stood, so that the document is as before.
template <class T> void PutBackInPlace(CObjList<T>& list, T* item, int index) noexcept {
    const POSITION to = g_takingBack ? list.FindIndex(index) : nullptr;
    if (to)
        list.MoveBefore(list.Find(item), to);
}

bool RestoreDeletedLight(CQuelDoc& doc, const CUndoRecord& record) {
    const CLightData* saved = record.m_lights.GetHead();
    if (!saved)
        return false;
    auto* page = FindWindowService<CLightPageServices>(wndLightPage);
    // A delete taken back before the light left the document: see ShowAgain.
    if (CLightData* still = FindLightByName(saved->m_name)) {
        Restored();
        if (page) {
            page->RemoveLightItem(still);
            page->AddLightItem(still, TRUE);
        }
        return true;
    }
    // Made whole before the document takes it.
    auto made = std::make_unique<CLightData>();
    made->CopyFrom(*saved);
    CLightData* light = made.get();
    doc.m_lights.AddTail(std::move(made));
    PutBackInPlace(doc.m_lights, light, record.m_listIndex);
    Restored();
    RefreshPanel(wndLightPanel);
    if (page)
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
    Restored();
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
    // It is made apart and traded in, which cannot fail.
    const int selected = light->m_selected;
    CLightData restored = *light;
    restored.CopyFrom(*saved);
    restored.m_selected = selected;
    std::swap(*light, restored);
    Restored();
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
    Restored();
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
    auto* page = FindWindowService<CMaterialPageServices>(wndMaterialPage);
    // A delete taken back before the material left the document: see ShowAgain.
    if (CMaterialData* still = FindMaterialById(saved->m_id); still && still->m_name == saved->m_name) {
        Restored();
        if (page) {
            page->RemoveMaterialItem(still);
            page->SelectMaterialItem(page->AddMaterialItem(still));
        }
        return true;
    }
    // Made whole before the document takes it.
    auto made = std::make_unique<CMaterialData>();
    made->CopyFrom(*saved);
    CMaterialData* mat = made.get();
    doc.AddMaterial(std::move(made));
    PutBackInPlace(doc.m_materials, mat, record.m_listIndex);
    // The old id, so that the objects and the default material setting find it again.
    if (!FindMaterialById(saved->m_id))
        mat->m_id = saved->m_id;
    Restored();
    if (page)
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
    Restored();
    if (mat == GetSelectedMaterial())
        RefreshPanel(wndMaterialPanel);
    if (auto* page = FindWindowService<CMaterialPageServices>(wndMaterialPage))
        page->RenameMaterialItem(renamed->m_name, mat->m_name);
    RefreshObjectPanels();
    return true;
}

// The scene-wide settings a record saved, made ready apart from the
// document (the copies that allocate, and the underlay pictures whose file
// changes loaded), so that putting them in cannot fail.
class CPreparedSceneSettings {
public:
    CPreparedSceneSettings(const CQuelDoc& doc, const CUndoSceneState& scene) : m_scene(scene) {
        m_hdr = scene.m_hdr;
        m_includeFiles = scene.m_includeFiles;
        for (int i = 0; i < kPaneCount; ++i) {
            m_reload[i] = doc.m_underlayFiles[i] != scene.m_underlayFiles[i];
            if (!m_reload[i])
                continue;
            m_underlayFiles[i] = scene.m_underlayFiles[i];
            LoadUnderlayPicture(m_underlays[i], m_underlayFiles[i]);
        }
    }

    void PutInto(CQuelDoc& doc) noexcept {
        const CUndoSceneState& scene = m_scene;
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
        doc.m_hdr.SwapFileValues(m_hdr);
        doc.m_includeFiles.swap(m_includeFiles);
        for (int i = 0; i < kPaneCount; ++i) {
            CUnderlayImage& underlay = doc.m_underlays[i];
            if (m_reload[i]) {
                std::swap(doc.m_underlayFiles[i], m_underlayFiles[i]);
                underlay = std::move(m_underlays[i]);
            }
            underlay.m_offset = scene.m_underlays[i].m_offset;
            underlay.m_scale = scene.m_underlays[i].m_scale;
        }
    }

private:
    const CUndoSceneState& m_scene;
    CHdrBackground m_hdr;
    std::vector<CString> m_includeFiles;
    std::array<bool, kPaneCount> m_reload{};
    std::array<CString, kPaneCount> m_underlayFiles;
    std::array<CUnderlayImage, kPaneCount> m_underlays;
};

// Everything the import or insert added goes; what was there before stays,
// wherever later undone steps put it back in its list.
bool RestoreScene(CQuelDoc& doc, const CUndoRecord& record) {
    const CUndoSceneState* scene = record.m_scene.get();
    if (!scene)
        return false;
    // What can fail first: the settings made ready, what goes found, and the
    // side bar letting go of it. Then the document, by steps that cannot fail.
    CPreparedSceneSettings settings(doc, *scene);
    const auto objects = Collect(
        doc.m_objects, [scene](const CSpatchObj& o) { return !Contains(scene->m_objectKeys, o.GetKey()); });
    const auto folders = Collect(
        doc.m_folders, [scene](const CFolderObj& f) { return !Contains(scene->m_folderKeys, f.GetKey()); });
    const auto polygons = Collect(doc.m_polygonObjects, [scene](const CPolygonObj& p) {
        return !Contains(scene->m_polygonNames, p.GetName());
    });
    const auto lights = Collect(
        doc.m_lights, [scene](const CLightData& l) { return !Contains(scene->m_lightNames, l.m_name); });
    const auto materials = Collect(
        doc.m_materials, [scene](const CMaterialData& m) { return !Contains(scene->m_materialIds, m.m_id); });
    for (CBaseObj* node : objects)
        RemoveObjectItem(node);
    for (CBaseObj* node : folders)
        RemoveObjectItem(node);
    for (CBaseObj* node : polygons)
        RemoveObjectItem(node);
    for (CLightData* light : lights)
        RemoveLightItem(light);
    for (CMaterialData* mat : materials)
        RemoveMaterialItem(mat);

    settings.PutInto(doc);
    // At the top level first, so that deleting a folder takes nothing along that stays.
    for (CSpatchObj* obj : objects)
        doc.m_tree.MoveIntoFolder(obj, nullptr);
    for (CFolderObj* folder : folders)
        doc.m_tree.MoveIntoFolder(folder, nullptr);
    for (CSpatchObj* obj : objects)
        doc.DeleteObject(obj);
    for (CFolderObj* folder : folders)
        doc.DeleteObject(folder);
    for (CPolygonObj* polygon : polygons)
        doc.m_polygonObjects.Remove(polygon);
    for (CLightData* light : lights)
        doc.m_lights.Remove(light);
    for (CMaterialData* mat : materials)
        doc.m_materials.Remove(mat);
    Restored();
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
    CUndoRecord* const open = m_open;
    --m_position;
    m_open = nullptr;
    try {
        RestoreFrom(*doc, *record);
    } catch (...) {
        if (!g_restored) {
            ++m_position;
            m_open = open;
        }
        throw;
    }
}

void CUndoBuffer::RestoreFrom(CQuelDoc& doc, CUndoRecord& record, bool takingBack) {
    // What an unfinished record holds may be half made: it restores nothing.
    // A folder copy is the exception: it saves each copy, whole or not at
    // all, before the document takes it, so the copies it holds are those
    // that came, and they go again.
    if (record.m_savesUnderWay > 0 && record.m_kind != undoCopyFolder)
        return;
    g_takingBack = takingBack;
    // Windows told about the restore must not record: that would delete this record under it.
    struct Restoring {
        bool& flag;
        explicit Restoring(bool& f) : flag(f) { flag = true; }
        ~Restoring() { flag = false; }
    };
    bool restored = false;
    g_restored = false;
    {
        const Restoring restoring(m_restoring);
        restored = Restore(doc, record);
    }
    g_restored = true;
    if (restored)
        SendToRegisteredWindows(notifySceneMerged);
}
