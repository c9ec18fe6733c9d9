#include "app/undo_buffer.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "platform/base/archive.h"

#include <algorithm>
#include <exception>

namespace {

// A new copy in list holding only what finds the original again; it joins
// the list whole or not at all.
template <class T> T* AddNamedCopy(CObjList<T>& list, const CBaseObj& original) {
    auto copy = std::make_unique<T>();
    copy->SetName(original.GetName());
    copy->SetKey(original.GetKey());
    T* added = copy.get();
    list.AddTail(std::move(copy));
    return added;
}

// A point of copy with the position and flags of v.
CPatchVertex* AddSavedPoint(CSpatchObj& copy, const CPatchVertex& v) {
    CPatchVertex* saved = copy.AddVertex(v.GetX(), v.GetY(), v.GetZ());
    saved->m_selected = v.m_selected;
    saved->m_hidden = v.m_hidden;
    saved->m_visible = v.m_visible;
    saved->m_fivePoint = v.m_fivePoint;
    return saved;
}

} // namespace

void CopyPolygonObject(CPolygonObj& to, CPolygonObj& from) {
    // The file record carries the geometry and the switches it keeps; the
    // material slots and the rest come with the attributes.
    CArchive out;
    from.Write(out);
    CArchive in(out.GetBytes());
    to.Load(in);
    to.CopyAttributes(from);
    to.SetKey(from.GetKey());
    to.SetCurrentSlot(from.GetCurrentSlot());
}

namespace {

template <class T> std::vector<CString> NamesOf(const CObjList<T>& list) {
    std::vector<CString> names;
    for (const T* item : list)
        names.push_back(item->GetName());
    return names;
}

template <class T> std::vector<CString> KeysOf(const CObjList<T>& list) {
    std::vector<CString> keys;
    for (const T* item : list)
        keys.push_back(item->GetKey());
    return keys;
}

// The copies CopyMembersDeep made, walked as it made them: patch objects and
// folders in member order, other kinds skipped.
void CopyCurveWordsDeep(const CFolderObj& copy, const CFolderObj& original) {
    POSITION pos = copy.GetOwnedCopies().GetHeadPosition();
    for (const CBaseObj* member : original.GetMembers()) {
        const int type = member->GetObjType();
        if (type != objTypePatch && type != objTypeFolder)
            continue;
        if (!pos)
            return;
        CBaseObj* memberCopy = copy.GetOwnedCopies().GetNext(pos);
        if (type == objTypePatch)
            CopyCurveWords(*static_cast<CSpatchObj*>(memberCopy), *static_cast<const CSpatchObj*>(member));
        else
            CopyCurveWordsDeep(*static_cast<const CFolderObj*>(memberCopy),
                               *static_cast<const CFolderObj*>(member));
    }
}

} // namespace

void CopyCurveWords(CSpatchObj& to, const CSpatchObj& from) {
    POSITION pos = from.GetCurves().GetHeadPosition();
    for (CCurve* curve : to.GetCurves()) {
        if (!pos)
            return;
        curve->m_curveWord = from.GetCurves().GetNext(pos)->m_curveWord;
    }
}

namespace {

// The whole object as the undo steps keep it.
void CopyWholeObject(CSpatchObj& copy, CSpatchObj& obj) {
    copy.CopySettings(&obj);
    copy.AppendGeometry(&obj, 1);
    CopyCurveWords(copy, obj);
    copy.SetKey(obj.GetKey());
}

} // namespace

// Counts a save into the open record as under way until it ends normally.
class CUndoBuffer::CSaveScope {
public:
    explicit CSaveScope(CUndoRecord* record) : m_record(record) {
        if (m_record)
            ++m_record->m_savesUnderWay;
    }
    ~CSaveScope() {
        if (m_record && std::uncaught_exceptions() == m_exceptions)
            --m_record->m_savesUnderWay;
    }
    CSaveScope(const CSaveScope&) = delete;
    CSaveScope& operator=(const CSaveScope&) = delete;

private:
    CUndoRecord* m_record;
    int m_exceptions = std::uncaught_exceptions();
};

void CUndoBuffer::BeginRecord() {
    if (m_restoring) {
        SetModified();
        return;
    }
    // What can fail first, the record with its list node and the room to
    // keep what it pushes out; then nothing changes unless all of it did.
    CObjList<CUndoRecord>::Extracted record = CObjList<CUndoRecord>::Prepare(std::make_unique<CUndoRecord>());
    if (m_holds > 0) {
        const int undone = m_records.GetCount() - m_position;
        const int beyond = std::max(m_position + 1 - m_maxLevels, 0);
        m_kept.reserve(m_kept.size() + static_cast<size_t>(undone + beyond));
    }
    SetModified();
    while (m_records.GetCount() > m_position)
        RemoveRecord(false);
    m_open = record.get();
    m_records.AddTail(std::move(record));
    m_open->m_serial = m_nextSerial++;
    ++m_position;
    while (m_records.GetCount() > m_maxLevels)
        DropOldest();
}

void CUndoBuffer::DropOldest() {
    if (m_records.GetHead() == m_open)
        m_open = nullptr;
    RemoveRecord(true);
    m_position = std::max(m_position - 1, 0);
}

void CUndoBuffer::RemoveRecord(bool oldest) {
    const POSITION pos = oldest ? m_records.GetHeadPosition() : m_records.GetTailPosition();
    if (m_holds == 0) {
        m_records.RemoveAt(pos);
        return;
    }
    // The room first: keeping it must not fail once it is out of the list.
    m_kept.reserve(m_kept.size() + 1);
    m_kept.push_back({m_records.Extract(pos), oldest});
}

void CUndoBuffer::BeginRecord(const CString& japanese, const CString& english, int kind) {
    BeginRecord();
    SetDescription(japanese, english);
    SetKind(kind);
}

void CUndoBuffer::SetDescription(const CString& japanese, const CString& english) {
    if (!m_open)
        return;
    m_open->m_japanese = japanese;
    m_open->m_english = english;
}

void CUndoBuffer::SetKind(int kind) {
    if (m_open)
        m_open->m_kind = kind;
}

void CUndoBuffer::SavePatchGeometry(CSpatchObj* obj) {
    const CSaveScope save(m_open);
    if (!m_open || !obj)
        return;
    CSpatchObj* copy = AddNamedCopy(m_open->m_objects, *obj);
    for (const CPatchVertex* v : obj->GetVertices()) {
        CPatchVertex* saved = AddSavedPoint(*copy, *v);
        for (const CVertexLink* link : v->m_links) {
            CVertexLink* savedLink = copy->AddVertexLink(saved);
            if (const CCurvePoint* node = link->m_node)
                CopyManualHandles(*savedLink, *node);
        }
    }
}

CSavedPoints::CSavedPoints(const CSpatchObj& obj) {
    m_points.reserve(static_cast<size_t>(obj.GetVertices().GetCount()));
    for (const CPatchVertex* v : obj.GetVertices()) {
        const std::array<int32_t, 3> flags{v->m_selected, v->m_visible, v->m_fivePoint};
        uint8_t bits = 0;
        for (int k = 0; k < 3; ++k)
            bits |= static_cast<uint8_t>((flags[k] & 1) << k);
        if (std::any_of(flags.begin(), flags.end(), [](int32_t f) { return f != 0 && f != 1; })) {
            bits |= 8;
            m_odd.push_back({static_cast<int32_t>(m_points.size()), flags[0], flags[1], flags[2]});
        }
        m_points.push_back(Point{v->GetX(), v->GetY(), v->GetZ(), bits});
    }
}

CVector3 CSavedPoints::Position(int i) const {
    const Point& p = m_points[static_cast<size_t>(i)];
    return CVector3(p.x, p.y, p.z);
}

int CSavedPoints::Flag(int i, int which) const {
    const uint8_t bits = m_points[static_cast<size_t>(i)].flags;
    if (!(bits & 8))
        return (bits >> which) & 1;
    const auto odd =
        std::lower_bound(m_odd.begin(), m_odd.end(), i,
                         [](const std::array<int32_t, 4>& entry, int index) { return entry[0] < index; });
    return (*odd)[static_cast<size_t>(which) + 1];
}

void CUndoBuffer::SavePatchPositions(CSpatchObj* obj) {
    const CSaveScope save(m_open);
    if (!m_open || !obj)
        return;
    AddNamedCopy(m_open->m_objects, *obj);
    m_open->m_points.resize(static_cast<size_t>(m_open->m_objects.GetCount()));
    m_open->m_points.back() = std::make_unique<CSavedPoints>(*obj);
}

void CUndoBuffer::SavePatchCurves(CSpatchObj* obj) {
    const CSaveScope save(m_open);
    if (!m_open || !obj)
        return;
    CSpatchObj* copy = AddNamedCopy(m_open->m_objects, *obj);
    for (const CCurve* curve : obj->GetCurves()) {
        CCurve* savedCurve = copy->AddCurve();
        savedCurve->m_closed = curve->m_closed;
        for (const CCurvePoint* node : curve->m_nodes) {
            CCurvePoint* saved = copy->AddCurvePoint(savedCurve);
            saved->m_weight = node->m_weight;
            saved->m_sharp = node->m_sharp;
            saved->m_selected = node->m_selected;
            CopyManualHandles(*saved, *node);
        }
    }
}

void CUndoBuffer::SaveWholePatchObject(CSpatchObj* obj) {
    const CSaveScope save(m_open);
    if (!m_open || !obj)
        return;
    CopyWholeObject(*m_open->m_objects.Emplace(), *obj);
    if (m_open->m_objects.GetCount() == 1) {
        m_open->m_parentKey = obj->GetParentKey();
        SavePlaces(*obj);
    }
}

void CUndoBuffer::SavePlaces(const CBaseObj& node) {
    CQuelDoc* doc = GetDoc();
    if (!doc)
        return;
    if (m_open->m_treePlace < 0)
        m_open->m_treePlace = doc->m_tree.GetPlace(&node);
    if (node.GetObjType() == objTypePatch) {
        m_open->m_objectPlaces.emplace_back(node.GetKey(),
                                            doc->m_objects.IndexOf(static_cast<const CSpatchObj*>(&node)));
    } else if (node.GetObjType() == objTypeFolder) {
        const auto& folder = static_cast<const CFolderObj&>(node);
        m_open->m_folderPlaces.emplace_back(folder.GetKey(), doc->m_folders.IndexOf(&folder));
        for (const CBaseObj* member : folder.GetMembers())
            SavePlaces(*member);
    }
}

void CUndoBuffer::SaveObjectInfo(CSpatchObj* obj, int redraw) {
    const CSaveScope save(m_open);
    if (!m_open || !obj)
        return;
    CSpatchObj* copy = m_open->m_objects.Emplace();
    copy->CopySettings(obj);
    copy->SetKey(obj->GetKey());
    // The object panel's export-UV switch, which the settings leave out.
    copy->SetReservedWord(obj->GetReservedWord());
    m_open->m_redraw = redraw;
}

void CUndoBuffer::SaveObjectName(CSpatchObj* obj) {
    const CSaveScope save(m_open);
    if (m_open && obj)
        AddNamedCopy(m_open->m_objects, *obj);
}

void CUndoBuffer::SavePolygonName(CPolygonObj* obj) {
    const CSaveScope save(m_open);
    if (m_open && obj)
        m_open->m_polygonObjects.Emplace()->SetName(obj->GetName());
}

void CUndoBuffer::SaveDeletedPolygon(CPolygonObj* obj) {
    const CSaveScope save(m_open);
    CQuelDoc* doc = GetDoc();
    if (!m_open || !obj || !doc)
        return;
    CopyPolygonObject(*m_open->m_polygonObjects.Emplace(), *obj);
    m_open->m_listIndex = doc->m_polygonObjects.IndexOf(obj);
}

void CUndoBuffer::SaveFolder(CFolderObj* folder) {
    const CSaveScope save(m_open);
    if (m_open && folder)
        AddNamedCopy(m_open->m_folders, *folder);
}

void CUndoBuffer::SaveFolderInfo(CFolderObj* folder, int redraw) {
    const CSaveScope save(m_open);
    if (!m_open || !folder)
        return;
    CFolderObj* copy = AddNamedCopy(m_open->m_folders, *folder);
    copy->CopyAttributes(*folder);
    m_open->m_redraw = redraw;
}

void CUndoBuffer::SaveDeletedFolder(CFolderObj* folder) {
    const CSaveScope save(m_open);
    if (!m_open || !folder)
        return;
    CFolderObj* copy = AddNamedCopy(m_open->m_folders, *folder);
    copy->CopyAttributes(*folder);
    copy->CopyMembersDeep(*folder);
    CopyCurveWordsDeep(*copy, *folder);
    if (m_open->m_folders.GetCount() == 1) {
        m_open->m_parentKey = folder->GetParentKey();
        SavePlaces(*folder);
    }
}

void CUndoBuffer::SaveParentChange(CBaseObj* obj, CBaseObj* newParent) {
    const CSaveScope save(m_open);
    if (!m_open || !obj)
        return;
    CObjList<CBaseObj>& saved = m_open->m_baseObjects;
    AddNamedCopy(saved, *obj);
    // The top level is a plain object with an empty key.
    const auto addFolder = [&saved](const CBaseObj* folder) {
        if (folder)
            AddNamedCopy(saved, *folder);
        else
            saved.Emplace();
    };
    addFolder(obj->GetParentFolder());
    addFolder(newParent);
    if (CQuelDoc* doc = GetDoc())
        m_open->m_listIndex = doc->m_tree.GetPlace(obj);
}

void CUndoBuffer::SaveNewName(const CString& name) {
    const CSaveScope save(m_open);
    if (!m_open)
        return;
    switch (m_open->m_kind) {
    case undoObjectName:
        m_open->m_objects.Emplace()->SetName(name);
        break;
    case undoFolderName:
        m_open->m_folders.Emplace()->SetName(name);
        break;
    case undoPolygonName:
        m_open->m_polygonObjects.Emplace()->SetName(name);
        break;
    case undoLightName:
        m_open->m_lights.Emplace()->m_name = name;
        break;
    case undoMaterialName:
        m_open->m_materials.Emplace()->m_name = name;
        break;
    default:
        break;
    }
}

void CUndoBuffer::SaveLight(CLightData* light) {
    const CSaveScope save(m_open);
    if (!m_open || !light)
        return;
    m_open->m_lights.Emplace()->CopyFrom(*light);
    if (CQuelDoc* doc = GetDoc(); doc && m_open->m_lights.GetCount() == 1)
        m_open->m_listIndex = doc->m_lights.IndexOf(light);
}

void CUndoBuffer::SaveLightName(CLightData* light) {
    const CSaveScope save(m_open);
    if (m_open && light)
        m_open->m_lights.Emplace()->m_name = light->m_name;
}

void CUndoBuffer::SaveLightPosition(CLightData* light) {
    const CSaveScope save(m_open);
    if (!m_open || !light)
        return;
    CLightData* copy = m_open->m_lights.Emplace();
    copy->m_name = light->m_name;
    copy->m_location = light->m_location;
    copy->m_pointAt = light->m_pointAt;
}

void CUndoBuffer::SaveMaterial(CMaterialData* mat) {
    const CSaveScope save(m_open);
    if (!m_open || !mat)
        return;
    CMaterialData* copy = m_open->m_materials.Emplace();
    copy->CopyFrom(*mat);
    // Objects and the default material setting refer to it by id.
    copy->m_id = mat->m_id;
    if (CQuelDoc* doc = GetDoc(); doc && m_open->m_materials.GetCount() == 1)
        m_open->m_listIndex = doc->m_materials.IndexOf(mat);
}

void CUndoBuffer::SaveMaterialName(CMaterialData* mat) {
    const CSaveScope save(m_open);
    if (m_open && mat)
        m_open->m_materials.Emplace()->m_name = mat->m_name;
}

void CUndoBuffer::SaveScene() {
    const CSaveScope save(m_open);
    CQuelDoc* doc = GetDoc();
    if (!m_open || !doc)
        return;
    auto scene = std::make_unique<CUndoSceneState>();
    scene->m_objectKeys = KeysOf(doc->m_objects);
    scene->m_folderKeys = KeysOf(doc->m_folders);
    for (const CLightData* light : doc->m_lights)
        scene->m_lightNames.push_back(light->m_name);
    for (const CMaterialData* mat : doc->m_materials)
        scene->m_materialIds.push_back(mat->m_id);
    scene->m_polygonNames = NamesOf(doc->m_polygonObjects);
    scene->m_globalSettings.CopyFrom(doc->m_globalSettings);
    scene->m_radiosity.CopyFrom(doc->m_radiosity);
    scene->m_radiosity2.CopyFrom(doc->m_radiosity2);
    scene->m_postProcess.CopyFrom(doc->m_postProcess);
    scene->m_memoCameras = doc->m_memoCameras;
    scene->m_cameras = doc->m_cameras;
    scene->m_aspect = doc->m_cameras[1].m_aspect;
    scene->m_defaultMaterial = doc->m_defaultMaterial;
    scene->m_hdr = doc->m_hdr;
    scene->m_renderBgColor = doc->m_renderBgColor;
    scene->m_megaPovVersion = doc->m_settings.m_megaPovVersion;
    scene->m_motionBlurCount = doc->m_motionBlurCount;
    scene->m_motionBlurTime = doc->m_motionBlurTime;
    scene->m_includeFiles = doc->m_includeFiles;
    scene->m_underlayFiles = doc->m_underlayFiles;
    for (int i = 0; i < kPaneCount; ++i) {
        scene->m_underlays[i].m_offset = doc->m_underlays[i].m_offset;
        scene->m_underlays[i].m_scale = doc->m_underlays[i].m_scale;
    }
    m_open->m_scene = std::move(scene);
}

void CUndoBuffer::ReduceToPositions() {
    const CSaveScope save(m_open);
    if (!m_open || m_open->m_kind != undoWholeObject || m_open->m_keepWhole)
        return;
    CSpatchObj* saved = m_open->m_objects.GetHead();
    if (!saved)
        return;
    m_open->m_points.resize(static_cast<size_t>(m_open->m_objects.GetCount()));
    m_open->m_points.front() = std::make_unique<CSavedPoints>(*saved);
    saved->DeleteAllCurves();
    saved->DeleteAllPatches();
    saved->DeleteAllVertices();
    m_open->m_kind = undoPatchPositions;
}

void CUndoBuffer::WidenToWholeObject(CSpatchObj* obj) {
    const CSaveScope save(m_open);
    if (!m_open || !obj || m_open->m_kind != undoPatchPositions || m_open->m_points.size() != 1 ||
        !m_open->m_points.front())
        return;
    const CSavedPoints& saved = *m_open->m_points.front();
    if (saved.Count() != obj->GetVertices().GetCount())
        return;
    // The saved positions back for the copy, then the present ones again.
    std::vector<CVector3> present;
    present.reserve(static_cast<size_t>(saved.Count()));
    int i = 0;
    for (CPatchVertex* v : obj->GetVertices()) {
        present.push_back(*v);
        v->Copy(saved.Position(i++));
    }
    m_open->m_objects.RemoveAll();
    m_open->m_points.clear();
    SaveWholePatchObject(obj);
    i = 0;
    for (CPatchVertex* v : obj->GetVertices())
        v->Copy(present[static_cast<size_t>(i++)]);
    m_open->m_kind = undoWholeObject;
}

void CUndoBuffer::KeepWhole() {
    if (m_open)
        m_open->m_keepWhole = 1;
}

CString CUndoBuffer::GetUndoMenuText() const {
    CString japanese = "元に戻す(&U)";
    CString english = "&Undo";
    if (const CUndoRecord* record = m_position > 0 ? m_records.GetAtIndex(m_position - 1) : nullptr) {
        japanese += " " + record->m_japanese;
        english += " " + record->m_english;
    }
    return IsEnglish() ? english : japanese;
}

void CUndoBuffer::SetMaxLevels(int n) {
    // A raised maximum keeps every record; a lowered one drops the oldest at once.
    m_maxLevels = std::max(n, 0);
    while (m_records.GetCount() > m_maxLevels)
        DropOldest();
}

void CUndoBuffer::Clear() {
    m_records.RemoveAll();
    m_kept.clear();
    ++m_clears;
    m_position = 0;
    m_open = nullptr;
}

CUndoHold::CUndoHold(CUndoBuffer& undo)
    : m_undo(undo), m_firstSerial(undo.m_nextSerial), m_position(undo.m_position), m_open(undo.m_open),
      m_keptCount(undo.m_kept.size()), m_clears(undo.m_clears) {
    if (const CQuelDoc* doc = GetDoc())
        m_modified = doc->IsModified();
    ++m_undo.m_holds;
}

CUndoHold::~CUndoHold() {
    if (--m_undo.m_holds == 0)
        m_undo.m_kept.clear();
}

const CUndoRecord* CUndoHold::GetFirstStep() const {
    for (size_t i = m_keptCount; i < m_undo.m_kept.size(); ++i)
        if (m_undo.m_kept[i].oldest && m_undo.m_kept[i].record->m_serial >= m_firstSerial)
            return m_undo.m_kept[i].record.get();
    for (const CUndoRecord* record : m_undo.m_records)
        if (record->m_serial >= m_firstSerial)
            return record;
    return nullptr;
}

bool CUndoHold::HasUndoneMeanwhile() const {
    return m_undo.m_clears == m_clears && m_undo.m_position < m_position && !GetFirstStep();
}

bool CUndoHold::TakeBack() {
    return Finish(true);
}

void CUndoHold::Drop() {
    Finish(false);
}

bool CUndoHold::Finish(bool restore) {
    CUndoBuffer& undo = m_undo;
    if (undo.m_clears != m_clears)
        return false;
    CQuelDoc* doc = GetDoc();
    const auto takeBack = [&](CUndoRecord& record) {
        if (restore && doc)
            undo.RestoreFrom(*doc, record, true);
    };
    bool begun = false;
    const bool listChanged = undo.m_kept.size() > m_keptCount;
    // Newest first: the new steps still in the list, then those the maximum
    // pushed out (new ones that were undone and removed again stay undone).
    for (CUndoRecord* newest = undo.m_records.GetTail(); newest && newest->m_serial >= m_firstSerial;
         newest = undo.m_records.GetTail()) {
        takeBack(*newest);
        undo.m_records.RemoveTail();
        begun = true;
    }
    for (size_t i = undo.m_kept.size(); i-- > m_keptCount;) {
        CUndoBuffer::CKeptRecord& kept = undo.m_kept[i];
        if (kept.record->m_serial >= m_firstSerial) {
            if (kept.oldest)
                takeBack(*kept.record.get());
            begun = true;
        } else if (kept.oldest) {
            undo.m_records.AddHead(std::move(kept.record));
        } else {
            undo.m_records.AddTail(std::move(kept.record));
        }
    }
    undo.m_kept.erase(undo.m_kept.begin() + static_cast<std::ptrdiff_t>(m_keptCount), undo.m_kept.end());
    // An Undo that was done whole meanwhile keeps the position it left.
    if (begun || listChanged) {
        undo.m_position = m_position;
        undo.m_open = m_open;
    }
    if (begun && doc)
        doc->SetModifiedFlag(m_modified);
    return begun;
}
