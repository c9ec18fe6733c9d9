#include "app/scene_buffer.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace {

const CString& BaseName(const CBaseObj& obj) {
    return obj.GetName();
}

template <class T> const CString& RecordName(const T& record) {
    return record.m_name;
}

// The names of a document and of the buffer elements renamed so far.
class CNameSet {
public:
    template <class T, class NameOf> void AddAll(const CObjList<T>& list, NameOf nameOf) {
        for (const T* item : list)
            m_names.insert(nameOf(*item).str());
    }
    // name itself when free, else the first free base_01 .. base_09, base_10 ...;
    // the result counts as taken from now on.
    CString Claim(const CString& name) {
        CString candidate = name;
        // Names are only ever added, so the numbers tried before for this
        // base stay taken and the search goes on where it stopped.
        int& n = m_nextNumber[name.str()];
        while (m_names.count(candidate.str())) {
            n = std::max(n, 1);
            candidate = name + (n < 10 ? "_0" : "_") + IntToString(n);
            ++n;
        }
        m_names.insert(candidate.str());
        return candidate;
    }

private:
    std::unordered_set<std::string> m_names;
    std::unordered_map<std::string, int> m_nextNumber;
};

void SetNoMaterial(CBaseObj& obj) {
    for (int i = 0; i < CBaseObj::materialSlotCount; ++i)
        obj.GetMaterialSlot(i)->m_materialId = -1;
}

} // namespace

CSceneBuffer::CSceneBuffer(CQuelDoc& doc) : m_doc(doc) {
    m_take.fill(1);
}

CSceneBuffer::~CSceneBuffer() {
    Clear();
}

void CSceneBuffer::TakeCounters() {
    if (m_countersTaken)
        return;
    m_countersTaken = 1;
    m_nextObjectKey = m_doc.m_nextObjectKey;
    m_nextMaterialId = m_doc.m_nextMaterialId;
    m_nextFolderKey = m_doc.m_nextFolderKey;
}

void CSceneBuffer::TakeFreshCounters() {
    m_countersTaken = 1;
    m_nextObjectKey = m_nextMaterialId = m_nextFolderKey = 0;
}

CSpatchObj* CSceneBuffer::AddPatchObject() {
    return AddPatchObject(std::make_unique<CSpatchObj>());
}

CSpatchObj* CSceneBuffer::AddPatchObject(std::unique_ptr<CSpatchObj> made) {
    TakeCounters();
    CSpatchObj* obj = made.get();
    m_objects.AddTail(std::move(made));
    obj->SetKey("spatch_obj" + IntToString(m_nextObjectKey++));
    m_tree.AddRoot(obj);
    return obj;
}

CFolderObj* CSceneBuffer::AddFolder() {
    TakeCounters();
    CFolderObj* folder = m_folders.Emplace();
    folder->SetKey("folder" + IntToString(m_nextFolderKey++));
    m_tree.AddRoot(folder);
    return folder;
}

CLightData* CSceneBuffer::AddLight() {
    return m_lights.Emplace();
}

CMaterialData* CSceneBuffer::AddMaterial() {
    TakeCounters();
    CMaterialData* mat = m_materials.Emplace();
    mat->m_id = m_nextMaterialId++;
    return mat;
}

CPolygonObj* CSceneBuffer::AddPolygonObject() {
    return m_polygonObjects.Emplace();
}

void CSceneBuffer::AddIncludeFile(const CString& name) {
    m_includeFiles.push_back(name);
}

void CSceneBuffer::MakeNamesUnique() {
    CNameSet taken;
    taken.AddAll(m_doc.m_objects, BaseName);
    taken.AddAll(m_doc.m_polygonObjects, BaseName);
    taken.AddAll(m_doc.m_folders, BaseName);
    taken.AddAll(m_doc.m_lights, RecordName<CLightData>);
    taken.AddAll(m_doc.m_materials, RecordName<CMaterialData>);
    for (CSpatchObj* obj : m_objects)
        obj->SetName(taken.Claim(obj->GetName()));
    for (CFolderObj* folder : m_folders)
        folder->SetName(taken.Claim(folder->GetName()));
    for (CLightData* light : m_lights)
        light->m_name = taken.Claim(light->m_name);
    for (CMaterialData* mat : m_materials)
        mat->m_name = taken.Claim(mat->m_name);
    // Undo finds polygon objects by name too, so they get unique names as well.
    for (CPolygonObj* polygon : m_polygonObjects)
        polygon->SetName(taken.Claim(polygon->GetName()));
}

// Ids of materials that stay behind would point at whatever material a
// later one of the document receives.
void CSceneBuffer::ClearMaterialReferences() {
    for (CSpatchObj* obj : m_objects)
        SetNoMaterial(*obj);
    for (CPolygonObj* polygon : m_polygonObjects)
        SetNoMaterial(*polygon);
    m_defaultMaterial.m_referencedMaterial = -1;
}

void CSceneBuffer::MoveIntoDocument() {
    // What can fail comes first: the room for the include files and the
    // underlay pictures. The rest moves list nodes, strings and pictures and
    // copies plain values: the document takes all of it or nothing.
    const bool takesIncludeFiles = Takes(takeIncludeFiles) && !m_includeFiles.empty();
    if (takesIncludeFiles)
        m_doc.m_includeFiles.reserve(m_doc.m_includeFiles.size() + m_includeFiles.size());
    const bool takesUnderlays = Takes(takeUnderlays) && m_underlaysRead;
    if (takesUnderlays)
        for (int i = 0; i < kPaneCount; ++i)
            LoadUnderlayPicture(m_underlays[i], m_underlayFiles[i]);

    if (!Takes(takeMaterials))
        ClearMaterialReferences();
    if (Takes(takeObjects)) {
        m_doc.m_nextObjectKey += m_objects.GetCount();
        m_doc.m_objects.AppendFrom(m_objects);
        m_doc.m_nextFolderKey += m_folders.GetCount();
        m_doc.m_folders.AppendFrom(m_folders);
        // The top level keeps the order the file gave it.
        m_doc.m_tree.AppendRootsFrom(m_tree);
        m_doc.m_polygonObjects.AppendFrom(m_polygonObjects);
    }
    m_tree.RemoveAll();
    if (Takes(takeLights))
        m_doc.m_lights.AppendFrom(m_lights);
    if (Takes(takeMaterials)) {
        m_doc.m_nextMaterialId += m_materials.GetCount();
        m_doc.m_materials.AppendFrom(m_materials);
    }
    if (takesIncludeFiles) {
        for (CString& name : m_includeFiles)
            m_doc.m_includeFiles.push_back(std::move(name));
        m_includeFiles.clear();
    }
    if (Takes(takeGlobalSettings) && m_globalSettingsRead)
        m_doc.m_globalSettings.CopyFrom(m_globalSettings);
    if (Takes(takeRadiosity)) {
        if (m_radiosityRead)
            m_doc.m_radiosity.CopyFrom(m_radiosity);
        if (m_radiosity2Read)
            m_doc.m_radiosity2.CopyFrom(m_radiosity2);
    }
    if (Takes(takeCameras)) {
        if (m_camerasRead)
            for (int i = 0; i < kPaneCount; ++i)
                m_doc.m_cameras[i] = m_cameras[i];
        if (m_aspectRead)
            m_doc.m_cameras[1].m_aspect = m_aspect;
    }
    if (Takes(takeMemoCameras) && m_memoCamerasRead)
        for (int i = 0; i < kPaneCount; ++i)
            m_doc.m_memoCameras[i] = m_memoCameras[i];
    if (Takes(takePostProcess)) {
        if (m_postProcessRead)
            m_doc.m_postProcess.CopyFrom(m_postProcess);
        if (m_megaPovRead) {
            m_doc.m_settings.m_megaPovVersion = m_megaPovVersion;
            m_doc.m_motionBlurCount = m_motionBlurCount;
            m_doc.m_motionBlurTime = m_motionBlurTime;
        }
    }
    if (takesUnderlays)
        for (int i = 0; i < kPaneCount; ++i) {
            std::swap(m_doc.m_underlayFiles[i], m_underlayFiles[i]);
            m_doc.m_underlays[i] = std::move(m_underlays[i]);
        }
    if (Takes(takeBackgroundColor) && m_backgroundColorRead)
        m_doc.m_renderBgColor = m_backgroundColor;
    if (Takes(takeDefaultMaterial) && m_defaultMaterialRead)
        m_doc.m_defaultMaterial = m_defaultMaterial;
    if (Takes(takeHdr) && m_hdrRead)
        m_doc.m_hdr.SwapFileValues(m_hdr);
}

void CSceneBuffer::Clear() {
    m_tree.RemoveAll();
    m_objects.RemoveAll();
    m_folders.RemoveAll();
    m_lights.RemoveAll();
    m_materials.RemoveAll();
    m_polygonObjects.RemoveAll();
    m_includeFiles.clear();
}
