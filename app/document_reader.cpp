#include "app/document_reader.h"

#include "app/doc_file.h"
#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "app/scene_buffer.h"
#include "platform/base/archive.h"
#include "platform/base/memory_advice.h"
#include "platform/base/parallel_for.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

constexpr int kAnyCount = std::numeric_limits<int>::max();
// The fewest bytes of the document's own per-element bodies: a curve count
// and a node count in "object_cp_info", five slots of an empty name, an int
// and nine floats, and the three counts of an empty vertex flag record.
constexpr size_t kHandleRecordBytes = 4;
constexpr size_t kCurveHandleBytes = 4;
constexpr size_t kSlotBytes = 1 + 4 + 9 * 4;
constexpr size_t kSlotsBytes = CBaseObj::materialSlotCount * kSlotBytes;
constexpr size_t kVertexFlagRecordBytes = 12;
constexpr size_t kManualHandleBytes = 8;
constexpr size_t kOptionRecordBytes = 68;
constexpr size_t kLightExtraBytes = 8;
constexpr size_t kNameBytes = 1;
constexpr int kMinDivision = 1;
constexpr int kMaxDivision = 8;
constexpr int kMinSubdivisionCount = 2;
constexpr int kMaxSubdivisionCount = 16;
// Object records of fewer bytes than this are read on one thread when the
// reader chooses: starting threads would cost more than they save.
constexpr size_t kParallelObjectBytes = size_t{1} << 20;

// The length of a record as store writes it for a new element with an empty
// name: the shortest the record can be, which bounds how many of them the
// rest of a file can hold.
template <class T, class Store> size_t ShortestRecord(Store store) {
    static const size_t bytes = [store] {
        T record;
        if constexpr (std::is_base_of_v<CBaseObj, T>)
            record.SetName("");
        else
            record.m_name.Empty();
        CArchive ar;
        store(record, ar);
        return ar.GetBytes().size();
    }();
    return bytes;
}

size_t ShortestObjectRecord() {
    return ShortestRecord<CSpatchObj>([](CSpatchObj& obj, CArchive& ar) { obj.Write(ar, ""); });
}

CVector3 ReadVector(CArchive& ar) {
    float x, y, z;
    ar >> x >> y >> z;
    return CVector3(x, y, z);
}

void ReadCamera(CArchive& ar, CCamera& camera) {
    camera.m_eye = ReadVector(ar);
    camera.m_target = ReadVector(ar);
    ar >> camera.m_angle >> camera.m_roll >> camera.m_projection;
}

int32_t ReadInt(CArchive& ar) {
    int32_t v = 0;
    ar >> v;
    return v;
}

// The division and subdivision count size every mesh of the object's
// surface; a file brings them into the ranges the object panel offers.
void KeepMeshSizesInRange(CSpatchObj& obj) {
    obj.SetDivision(std::clamp(obj.GetDivision(), kMinDivision, kMaxDivision));
    obj.SetSubdivisionCount(
        std::clamp(obj.GetSubdivisionCount(), kMinSubdivisionCount, kMaxSubdivisionCount));
}

// Skips a vertex flag record that belongs to no object: its three lists by
// their own counts.
void SkipVertexFlags(CArchive& ar) {
    const size_t entryBytes[] = {4, 12, 8};
    for (size_t bytes : entryBytes) {
        const int count = ar.ReadCount(kAnyCount, bytes);
        for (size_t i = 0; i < count * bytes / 4; ++i)
            ReadInt(ar);
    }
}

// The take flag each check box of the insert dialog sets.
constexpr CSceneBuffer::Part kPartOfChoice[insertChoiceCount] = {
    CSceneBuffer::takeObjects,      CSceneBuffer::takeLights,          CSceneBuffer::takeMaterials,
    CSceneBuffer::takeCameras,      CSceneBuffer::takeBackgroundColor, CSceneBuffer::takeDefaultMaterial,
    CSceneBuffer::takeIncludeFiles, CSceneBuffer::takeGlobalSettings,  CSceneBuffer::takeRadiosity,
    CSceneBuffer::takePostProcess,  CSceneBuffer::takeMemoCameras,     CSceneBuffer::takeUnderlays,
};

// One pass of the section loop over one file.
class CSectionReader {
public:
    CSectionReader(CArchive& ar, CSceneBuffer& buffer, int threads)
        : m_ar(ar), m_buffer(buffer), m_threads(threads) {}

    void ReadAll() {
        while (ReadSection())
            m_sectionsRead = true;
        ResolveMotionBlurPartners();
        ApplyPending();
    }

    int ObjectThreads() const { return m_objectThreads; }

private:
    // False at "end" and at any keyword that is no section.
    bool ReadSection() {
        CString keyword;
        m_ar >> keyword;
        const std::string& k = keyword.str();
        if (k == kSectionObjectInfo)
            ReadObjects();
        else if (k == kSectionLightInfo)
            ReadRecords(ShortestRecord<CLightData>([](CLightData& light, CArchive& ar) { light.Store(ar); }),
                        [this] { m_buffer.AddLight()->Load(m_ar); });
        else if (k == kSectionMaterialInfo)
            ReadRecords(
                ShortestRecord<CMaterialData>([](CMaterialData& mat, CArchive& ar) { mat.Store(ar); }),
                [this] { m_buffer.AddMaterial()->Load(m_ar); });
        else if (k == kSectionWndInfo)
            ReadCameras(m_buffer.m_cameras, m_buffer.m_camerasRead);
        else if (k == kSectionBackgroundInfo) {
            m_ar >> m_buffer.m_backgroundColor;
            ReadInt(m_ar);
            m_buffer.m_backgroundColorRead = 1;
        } else if (k == kSectionIncludeFile) {
            const int count = m_ar.ReadCount(kAnyCount, kNameBytes);
            for (int i = 0; i < count; ++i) {
                CString name;
                m_ar >> name;
                m_buffer.AddIncludeFile(name);
            }
        } else if (k == CGlobalSettingsData::keyword)
            ReadRecord(m_buffer.m_globalSettings, m_buffer.m_globalSettingsRead);
        else if (k == CRadiosityData::keyword)
            ReadRecord(m_buffer.m_radiosity, m_buffer.m_radiosityRead);
        else if (k == kSectionMegaPovInfo) {
            m_ar >> m_buffer.m_megaPovVersion >> m_buffer.m_motionBlurCount >> m_buffer.m_motionBlurTime;
            m_buffer.m_megaPovRead = 1;
        } else if (k == CPostProcessData::keyword)
            ReadRecord(m_buffer.m_postProcess, m_buffer.m_postProcessRead);
        else if (k == kSectionAspect) {
            m_ar >> m_buffer.m_aspect;
            m_buffer.m_aspectRead = 1;
        } else if (k == kSectionObjectCpInfo)
            ReadForEach(m_buffer.m_objects, kHandleRecordBytes,
                        [this](CSpatchObj* obj) { ReadHandles(obj); });
        else if (k == kSectionMemoCamera)
            ReadCameras(m_buffer.m_memoCameras, m_buffer.m_memoCamerasRead);
        else if (k == kSectionMaterialAxis)
            ReadForEach(m_buffer.m_objects, kSlotsBytes, [this](CSpatchObj* obj) { ReadSlots(obj); });
        else if (k == kSectionPolygonInfo)
            ReadRecords(ShortestRecord<CPolygonObj>([](CPolygonObj& obj, CArchive& ar) { obj.Write(ar); }),
                        [this] { m_buffer.AddPolygonObject()->Load(m_ar); });
        else if (k == kSectionMaterialAxisPolygon)
            ReadForEach(m_buffer.m_polygonObjects, kSlotsBytes, [this](CPolygonObj* obj) { ReadSlots(obj); });
        else if (k == kSectionBgImage)
            ReadUnderlays();
        else if (k == kSectionDefaultMatSetting) {
            m_buffer.m_defaultMaterial.Load(m_ar, m_buffer.m_materials);
            m_buffer.m_defaultMaterialRead = 1;
        } else if (k == kSectionFolderInfo)
            ReadRecords(
                ShortestRecord<CFolderObj>([](CFolderObj& folder, CArchive& ar) { folder.Write(ar); }),
                [this] { m_buffer.AddFolder()->Read(m_ar); });
        else if (k == kSectionObjectTree)
            m_buffer.m_tree.ReadTree(m_ar, m_buffer.m_objects, m_buffer.m_folders);
        else if (k == CRadiosity2Data::keyword)
            ReadRecord(m_buffer.m_radiosity2, m_buffer.m_radiosity2Read);
        else if (k == CHdrBackground::keyword)
            ReadRecord(m_buffer.m_hdr, m_buffer.m_hdrRead);
        else if (k == kSectionObjectInfo2)
            ReadForEach(m_buffer.m_objects, kOptionRecordBytes, [this](CSpatchObj* obj) {
                CSpatchObj dropped;
                (obj ? obj : &dropped)->ReadOptions(m_ar);
                if (obj)
                    KeepMeshSizesInRange(*obj);
            });
        else if (k == kSectionLightInfo2)
            ReadForEach(m_buffer.m_lights, kLightExtraBytes, [this](CLightData* light) {
                CLightData dropped;
                (light ? light : &dropped)->LoadExtra(m_ar);
            });
        else if (k == kSectionVertexExtInfo)
            ReadForEach(m_buffer.m_objects, kVertexFlagRecordBytes, [this](CSpatchObj* obj) {
                if (!obj) {
                    SkipVertexFlags(m_ar);
                    return;
                }
                CVertexFlagRecord record = obj->ReadVertexFlagRecord(m_ar);
                std::vector<CVertexFlagRecord>& records = m_pending[obj].flagRecords;
                // A record clears every flag before it sets its own; an empty
                // one before any other has nothing to clear on points just read.
                if (!records.empty() || !record.fivePoints.empty() || !record.markers.empty() ||
                    !record.colours.empty())
                    records.push_back(std::move(record));
            });
        else if (!m_sectionsRead && k != kSectionEnd)
            // A later version's section follows ours; a file that starts
            // with no section of ours is some other kind of file.
            m_ar.Fail(CArchiveException::badSchema, "the file starts with no section of a document");
        else
            return false;
        return true;
    }

    // A count, then that many records, each read by readOne into a new element.
    template <class ReadOne> void ReadRecords(size_t shortest, ReadOne readOne) {
        const int count = m_ar.ReadCount(kAnyCount, shortest);
        for (int i = 0; i < count; ++i)
            readOne();
    }

    // A count, then that many records for the elements of list in order. A
    // record beyond the list belongs to nothing: readOne reads it for null,
    // so the stream stays in step, and it is dropped.
    template <class T, class ReadOne>
    void ReadForEach(const CObjList<T>& list, size_t shortest, ReadOne readOne) {
        const int count = m_ar.ReadCount(kAnyCount, shortest);
        POSITION pos = list.GetHeadPosition();
        for (int i = 0; i < count; ++i)
            readOne(pos ? list.GetNext(pos) : nullptr);
    }

    template <class Record> void ReadRecord(Record& record, int& read) {
        record.Load(m_ar);
        read = 1;
    }

    void ReadCameras(std::array<CCamera, kPaneCount>& cameras, int& read) {
        for (CCamera& camera : cameras)
            ReadCamera(m_ar, camera);
        read = 1;
    }

    // The handles of every object are derived once, when the manual ones of
    // "object_cp_info" are known, rather than once per record.
    void ReadObjects() {
        const int count = m_ar.ReadCount(kAnyCount, ShortestObjectRecord());
        if (ReadObjectsSideBySide(count))
            return;
        for (int i = 0; i < count; ++i) {
            CSpatchObj* obj = m_buffer.AddPatchObject();
            CString partner;
            obj->ReadHeader(m_ar, partner);
            obj->ReadGeometry(m_ar);
            m_partners.emplace_back(obj, partner);
        }
    }

    // The records are measured first; the leading parts, with their names,
    // are read here in order and the geometry of each record on a thread of
    // its own. False, with the archive and the buffer untouched, when the
    // document is small or anything does not read cleanly: the plain loop
    // then reads the records and reports the first fault as it always does.
    bool ReadObjectsSideBySide(int count) {
        if (m_threads == 1 || count < 2)
            return false;
        struct Record {
            size_t start = 0;
            size_t headerBytes = 0;
            size_t bytes = 0;
        };
        const std::string_view bytes = m_ar.GetLoadBytes();
        std::vector<Record> records(static_cast<size_t>(count));
        size_t end = m_ar.GetPosition();
        for (Record& record : records) {
            record.start = end;
            if (!CSpatchObj::MeasureRecord(bytes.substr(end), record.headerBytes, record.bytes))
                return false;
            end += record.bytes;
        }
        const size_t total = end - m_ar.GetPosition();
        const int threads = m_threads > 0                  ? m_threads
                            : total < kParallelObjectBytes ? 1
                                                           : qf::WorkerThreads();
        if (threads < 2)
            return false;

        std::vector<std::unique_ptr<CSpatchObj>> objects(records.size());
        std::vector<CString> partners(records.size());
        try {
            for (size_t i = 0; i < records.size(); ++i) {
                CArchive header = CArchive::Borrow(bytes.substr(records[i].start, records[i].headerBytes));
                objects[i] = std::make_unique<CSpatchObj>();
                objects[i]->ReadHeader(header, partners[i]);
            }
        } catch (const CArchiveException&) {
            return false;
        }
        std::vector<char> clean(records.size(), 0);
        std::vector<std::vector<int>> curveNodes(records.size());
        const qf::LargeHeapSteps steps;
        qf::ParallelFor(records.size(), threads, [&](size_t i) {
            const Record& record = records[i];
            CArchive geometry = CArchive::Borrow(
                bytes.substr(record.start + record.headerBytes, record.bytes - record.headerBytes));
            try {
                objects[i]->ReadGeometry(geometry);
                clean[i] = geometry.AtEnd();
                curveNodes[i] = CountCurveNodes(*objects[i]);
            } catch (const CArchiveException&) {
                clean[i] = 0;
            }
        });
        if (std::find(clean.begin(), clean.end(), 0) != clean.end())
            return false;

        m_ar.Skip(total);
        for (size_t i = 0; i < records.size(); ++i) {
            m_pending[objects[i].get()].curveNodes = std::move(curveNodes[i]);
            m_partners.emplace_back(m_buffer.AddPatchObject(std::move(objects[i])), partners[i]);
        }
        m_objectThreads = std::max(m_objectThreads, threads);
        return true;
    }

    // The records kept for each object, set on it in file order, then its
    // handles derived once. Each object's work touches its own points and
    // nodes alone.
    void ApplyPending() {
        std::vector<CSpatchObj*> objects;
        for (CSpatchObj* obj : m_buffer.m_objects)
            objects.push_back(obj);
        qf::ParallelFor(objects.size(), m_threads > 0 ? m_threads : m_objectThreads, [&](size_t i) {
            CSpatchObj& obj = *objects[i];
            if (const auto it = m_pending.find(&obj); it != m_pending.end()) {
                for (const auto& record : it->second.handleRecords)
                    ApplyHandles(obj, record);
                for (const CVertexFlagRecord& record : it->second.flagRecords)
                    obj.ApplyVertexFlags(record);
            }
            obj.DeriveCurveHandles();
        });
    }

    // The manual handles of obj's nodes, curve by curve; null reads a record
    // that belongs to no object. The counts must match the object's curves.
    // The record is checked here and its handles set on the nodes when the
    // whole file has been read (ApplyPending).
    void ReadHandles(CSpatchObj* obj) {
        const size_t start = m_ar.GetPosition();
        const std::vector<int>* curveNodes = obj ? &CurveNodes(*obj) : nullptr;
        const int curveCount = m_ar.ReadCount(kAnyCount, kCurveHandleBytes);
        if (curveNodes && static_cast<size_t>(curveCount) != curveNodes->size())
            m_ar.Fail(CArchiveException::badSchema, "manual handles for " + std::to_string(curveCount) +
                                                        " curves of an object with " +
                                                        std::to_string(curveNodes->size()));
        bool manual = false;
        for (int c = 0; c < curveCount; ++c) {
            const int nodeCount = m_ar.ReadCount(kAnyCount, kManualHandleBytes);
            if (curveNodes && nodeCount != (*curveNodes)[static_cast<size_t>(c)])
                m_ar.Fail(CArchiveException::badSchema,
                          "manual handles for " + std::to_string(nodeCount) + " nodes of a curve with " +
                              std::to_string((*curveNodes)[static_cast<size_t>(c)]));
            for (int n = 0; n < nodeCount; ++n)
                manual |= ReadHandle(m_ar, nullptr);
        }
        if (!obj)
            return;
        // A record sets every node's manual switches; one with none on,
        // before any other, sets what the nodes just read already have.
        std::vector<std::pair<size_t, size_t>>& records = m_pending[obj].handleRecords;
        if (manual || !records.empty())
            records.emplace_back(start, m_ar.GetPosition() - start);
        // As an update of the handles would, now, with the options read so far.
        if (manual)
            obj->InvalidateCaches();
    }

    // How many nodes each curve of obj has, in list order.
    static std::vector<int> CountCurveNodes(const CSpatchObj& obj) {
        std::vector<int> counts;
        counts.reserve(static_cast<size_t>(obj.GetCurves().GetCount()));
        for (const CCurve* curve : obj.GetCurves())
            counts.push_back(curve->m_nodes.GetCount());
        return counts;
    }

    // The node counts of obj's curves: counted where its geometry was read,
    // while it was still in that thread's cache, else now.
    const std::vector<int>& CurveNodes(const CSpatchObj& obj) {
        std::vector<int>& counts = m_pending[&obj].curveNodes;
        if (counts.size() != static_cast<size_t>(obj.GetCurves().GetCount()))
            counts = CountCurveNodes(obj);
        return counts;
    }

    // Whether either handle of the node is manual; null only checks the
    // record, with no node built to be thrown away.
    static bool ReadHandle(CArchive& ar, CCurvePoint* node) {
        int32_t manualIn = 0;
        int32_t manualOut = 0;
        CVector3 offsetIn;
        CVector3 offsetOut;
        ar >> manualIn;
        if (manualIn)
            offsetIn = ReadVector(ar);
        ar >> manualOut;
        if (manualOut)
            offsetOut = ReadVector(ar);
        if (node) {
            node->m_manualIn = manualIn;
            if (manualIn)
                node->m_offsetIn = offsetIn;
            node->m_manualOut = manualOut;
            if (manualOut)
                node->m_offsetOut = offsetOut;
        }
        return manualIn || manualOut;
    }

    // A handle record ReadHandles checked, set on obj's nodes.
    void ApplyHandles(CSpatchObj& obj, std::pair<size_t, size_t> record) const {
        CArchive ar = CArchive::Borrow(m_ar.GetLoadBytes().substr(record.first, record.second));
        ReadInt(ar);
        for (CCurve* curve : obj.GetCurves()) {
            ReadInt(ar);
            for (CCurvePoint* node : curve->m_nodes)
                ReadHandle(ar, node);
        }
    }

    // The five material slots of obj; null reads slots that belong to no object.
    void ReadSlots(CBaseObj* obj) {
        for (int i = 0; i < CBaseObj::materialSlotCount; ++i) {
            CTransformData dropped;
            CTransformData& slot = obj ? *obj->GetMaterialSlot(i) : dropped;
            CString material;
            m_ar >> material;
            slot.m_materialId = MaterialId(material);
            m_ar >> slot.m_slotOption;
            slot.m_translation = ReadVector(m_ar);
            slot.m_rotation = ReadVector(m_ar);
            slot.m_scale = ReadVector(m_ar);
        }
    }

    // The id of the first material of the file with that name; -1 when none.
    int MaterialId(const CString& name) {
        if (m_materialsIndexed != m_buffer.m_materials.GetCount()) {
            m_materialIds.clear();
            for (const CMaterialData* mat : m_buffer.m_materials)
                m_materialIds.emplace(mat->m_name.str(), mat->m_id);
            m_materialsIndexed = m_buffer.m_materials.GetCount();
        }
        const auto it = m_materialIds.find(name.str());
        return it == m_materialIds.end() ? -1 : it->second;
    }

    void ReadUnderlays() {
        for (int i = 0; i < kPaneCount; ++i) {
            m_ar >> m_buffer.m_underlayFiles[i];
            m_buffer.m_underlays[i].m_offset = ReadVector(m_ar);
            m_buffer.m_underlays[i].m_scale = ReadVector(m_ar);
        }
        m_buffer.m_underlaysRead = 1;
    }

    // A partner written by name becomes the key of the first other patch
    // object of that name, else of the folder of that name, else none.
    void ResolveMotionBlurPartners() {
        std::unordered_map<std::string, std::vector<CBaseObj*>> objects;
        std::unordered_map<std::string, CBaseObj*> folders;
        for (CSpatchObj* obj : m_buffer.m_objects)
            objects[obj->GetName().str()].push_back(obj);
        for (CFolderObj* folder : m_buffer.m_folders)
            folders.emplace(folder->GetName().str(), folder);
        for (auto& [obj, name] : m_partners) {
            CBaseObj* partner = nullptr;
            if (const auto it = objects.find(name.str()); it != objects.end())
                for (CBaseObj* other : it->second)
                    if (other != obj) {
                        partner = other;
                        break;
                    }
            if (!partner)
                if (const auto it = folders.find(name.str()); it != folders.end())
                    partner = it->second;
            obj->SetMotionBlurTarget(partner ? partner->GetKey() : CString());
        }
    }

    // What the later per-object sections said, kept to be set on each object
    // at the end: handle records by offset and length in the stream, and
    // vertex flag records; and the node count of each curve, to check the
    // handle records against.
    struct Pending {
        std::vector<std::pair<size_t, size_t>> handleRecords;
        std::vector<CVertexFlagRecord> flagRecords;
        std::vector<int> curveNodes;
    };

    CArchive& m_ar;
    CSceneBuffer& m_buffer;
    int m_threads;
    std::unordered_map<const CSpatchObj*, Pending> m_pending;
    int m_objectThreads = 1;
    bool m_sectionsRead = false;
    std::vector<std::pair<CSpatchObj*, CString>> m_partners;
    std::unordered_map<std::string, int> m_materialIds;
    int m_materialsIndexed = 0;
};

} // namespace

int CDocumentReader::ReadSections(CArchive& ar, CSceneBuffer& buffer) const {
    CSectionReader reader(ar, buffer, m_threads);
    reader.ReadAll();
    return reader.ObjectThreads();
}

int CDocumentReader::MergeIntoDocument(CSceneBuffer& buffer) const {
    CQuelDoc& doc = buffer.GetDocument();
    const int rootCount = doc.m_tree.GetRoot().GetCount();
    const int lightCount = doc.m_lights.GetCount();
    const int materialCount = doc.m_materials.GetCount();
    const int polygonCount = doc.m_polygonObjects.GetCount();
    buffer.MakeNamesUnique();
    buffer.MoveIntoDocument();

    if (auto* page = doc.FindWindowService<CObjectPageServices>(wndObjectPage)) {
        POSITION pos = doc.m_tree.GetRoot().FindIndex(rootCount);
        while (pos)
            page->AddObjectTreeItem(doc.m_tree.GetRoot().GetNext(pos));
        for (POSITION p = doc.m_polygonObjects.FindIndex(polygonCount); p;)
            page->AddPolygonItem(doc.m_polygonObjects.GetNext(p));
    }
    // An empty light tree has no selection: the first new light takes it.
    if (auto* page = doc.FindWindowService<CLightPageServices>(wndLightPage))
        for (POSITION p = doc.m_lights.FindIndex(lightCount); p;) {
            const BOOL select = lightCount == 0 && p == doc.m_lights.GetHeadPosition();
            page->AddLightItem(doc.m_lights.GetNext(p), select);
        }
    if (auto* page = doc.FindWindowService<CMaterialPageServices>(wndMaterialPage))
        for (POSITION p = doc.m_materials.FindIndex(materialCount); p;)
            page->AddMaterialItem(doc.m_materials.GetNext(p));

    RefreshMultiObjectList();
    SendToRegisteredWindows(notifySceneMerged);
    doc.RedrawPanes();
    return 1;
}

int CDocumentReader::InsertDocument(CQuelDoc& doc, const CString& path, const InsertChoices& choices) const {
    SetBusyCursor(TRUE);
    CSceneBuffer buffer(doc);
    for (int i = 0; i < insertChoiceCount; ++i)
        buffer.SetTakeFlag(kPartOfChoice[i], choices[i]);
    const bool read = ReadDocumentFile(
        path,
        [&] {
            CArchive ar = CArchive::LoadFile(path.str());
            ReadSections(ar, buffer);
        },
        [] { SetBusyCursor(FALSE); });
    if (!read)
        return 0;
    // One undo step for the whole insert, opened only once the file was read whole.
    doc.m_undoBuffer.BeginRecord();
    doc.m_undoBuffer.SetDescription("(ファイル) インサート", "(File) Insert");
    doc.m_undoBuffer.SetKind(undoInsert);
    doc.m_undoBuffer.SaveScene();
    doc.SetModifiedFlag();
    MergeIntoDocument(buffer);
    SetBusyCursor(FALSE);
    return 1;
}
