#include "app/doc_file.h"

#include "app/app_state.h"
#include "app/document_reader.h"
#include "app/quel_doc.h"
#include "app/scene_buffer.h"
#include "platform/base/archive.h"
#include "platform/base/modal_runner.h"

#include <unordered_map>

namespace {

void WriteVector(CArchive& ar, const CVector3& v) {
    ar << v.GetX() << v.GetY() << v.GetZ();
}

void WriteCamera(CArchive& ar, const CCamera& camera) {
    WriteVector(ar, camera.m_eye);
    WriteVector(ar, camera.m_target);
    ar << camera.m_angle << camera.m_roll << int32_t{camera.m_projection};
}

void WriteCameras(CArchive& ar, const char* keyword, const std::array<CCamera, kPaneCount>& cameras) {
    ar << keyword;
    for (const CCamera& camera : cameras)
        WriteCamera(ar, camera);
}

// The keyword, the count of list and one record per element, written by writeOne.
template <class T, class WriteOne>
void WriteSection(CArchive& ar, const char* keyword, const CObjList<T>& list, WriteOne writeOne) {
    ar << keyword << int32_t{list.GetCount()};
    for (T* item : list)
        writeOne(*item);
}

// Material references are stored by name: the name of the material with the
// slot's id, empty when none has it.
class CMaterialNames {
public:
    explicit CMaterialNames(const CObjList<CMaterialData>& materials) {
        for (const CMaterialData* mat : materials)
            m_names.emplace(mat->m_id, &mat->m_name);
    }
    CString NameOf(int id) const {
        const auto it = m_names.find(id);
        return it == m_names.end() ? CString() : *it->second;
    }

private:
    std::unordered_map<int, const CString*> m_names;
};

void WriteSlots(CArchive& ar, const CBaseObj& obj, const CMaterialNames& names) {
    for (int i = 0; i < CBaseObj::materialSlotCount; ++i) {
        const CTransformData& slot = *obj.GetMaterialSlot(i);
        ar << names.NameOf(slot.m_materialId) << int32_t{slot.m_slotOption};
        WriteVector(ar, slot.m_translation);
        WriteVector(ar, slot.m_rotation);
        WriteVector(ar, slot.m_scale);
    }
}

// The motion-blur partner by name: the patch object, else the folder, whose
// key the object names; " " when none has it.
CString PartnerName(const CQuelDoc& doc, const CSpatchObj& obj) {
    const CString& key = obj.GetMotionBlurTarget();
    if (!key.IsEmpty()) {
        for (const CSpatchObj* other : doc.m_objects)
            if (other->GetKey() == key)
                return other->GetName();
        for (const CFolderObj* folder : doc.m_folders)
            if (folder->GetKey() == key)
                return folder->GetName();
    }
    return " ";
}

void WriteManualHandles(CArchive& ar, const CSpatchObj& obj) {
    ar << int32_t{obj.GetCurves().GetCount()};
    for (const CCurve* curve : obj.GetCurves()) {
        ar << int32_t{curve->m_nodes.GetCount()};
        for (const CCurvePoint* node : curve->m_nodes) {
            ar << int32_t{node->m_manualIn};
            if (node->m_manualIn)
                WriteVector(ar, node->m_offsetIn);
            ar << int32_t{node->m_manualOut};
            if (node->m_manualOut)
                WriteVector(ar, node->m_offsetOut);
        }
    }
}

// Clears the create-default-object switch while it lives: an opened document
// gets no empty first object.
class CNoDefaultObjectScope {
public:
    explicit CNoDefaultObjectScope(CQuelDoc& doc) : m_doc(doc) { m_doc.m_createDefaultObject = 0; }
    ~CNoDefaultObjectScope() { m_doc.m_createDefaultObject = 1; }
    CNoDefaultObjectScope(const CNoDefaultObjectScope&) = delete;
    CNoDefaultObjectScope& operator=(const CNoDefaultObjectScope&) = delete;

private:
    CQuelDoc& m_doc;
};

} // namespace

void WriteDocument(CQuelDoc& doc, CArchive& ar) {
    const CMaterialNames materialNames(doc.m_materials);
    auto slots = [&](const CBaseObj& obj) { WriteSlots(ar, obj, materialNames); };

    WriteSection(ar, kSectionObjectInfo, doc.m_objects,
                 [&](CSpatchObj& obj) { obj.Write(ar, PartnerName(doc, obj)); });
    WriteSection(ar, kSectionLightInfo, doc.m_lights, [&](const CLightData& light) { light.Store(ar); });
    WriteSection(ar, kSectionMaterialInfo, doc.m_materials, [&](const CMaterialData& mat) { mat.Store(ar); });
    WriteCameras(ar, kSectionWndInfo, doc.m_cameras);
    ar << kSectionBackgroundInfo << doc.m_renderBgColor << int32_t{1};
    ar << kSectionIncludeFile << static_cast<int32_t>(doc.m_includeFiles.size());
    for (const CString& name : doc.m_includeFiles)
        ar << name;
    doc.m_globalSettings.Store(ar);
    doc.m_radiosity.Store(ar);
    ar << kSectionMegaPovInfo << doc.m_settings.m_megaPovVersion << int32_t{doc.m_motionBlurCount}
       << doc.m_motionBlurTime;
    doc.m_postProcess.Store(ar);
    ar << kSectionAspect << doc.m_cameras[1].m_aspect;
    WriteSection(ar, kSectionObjectCpInfo, doc.m_objects,
                 [&](const CSpatchObj& obj) { WriteManualHandles(ar, obj); });
    WriteCameras(ar, kSectionMemoCamera, doc.m_memoCameras);
    WriteSection(ar, kSectionMaterialAxis, doc.m_objects, slots);
    WriteSection(ar, kSectionPolygonInfo, doc.m_polygonObjects,
                 [&](CPolygonObj& polygon) { polygon.Write(ar); });
    WriteSection(ar, kSectionMaterialAxisPolygon, doc.m_polygonObjects, slots);
    ar << kSectionBgImage;
    for (int i = 0; i < kPaneCount; ++i) {
        ar << doc.m_underlayFiles[i];
        WriteVector(ar, doc.m_underlays[i].m_offset);
        WriteVector(ar, doc.m_underlays[i].m_scale);
    }
    ar << kSectionDefaultMatSetting;
    doc.m_defaultMaterial.Store(ar, doc.m_materials);
    WriteSection(ar, kSectionFolderInfo, doc.m_folders, [&](const CFolderObj& folder) { folder.Write(ar); });
    ar << kSectionObjectTree;
    doc.m_tree.WriteTree(ar, doc.m_objects, doc.m_folders);
    doc.m_radiosity2.Store(ar);
    doc.m_hdr.Store(ar);
    WriteSection(ar, kSectionObjectInfo2, doc.m_objects,
                 [&](const CSpatchObj& obj) { obj.WriteOptions(ar); });
    WriteSection(ar, kSectionLightInfo2, doc.m_lights,
                 [&](const CLightData& light) { light.StoreExtra(ar); });
    WriteSection(ar, kSectionVertexExtInfo, doc.m_objects,
                 [&](const CSpatchObj& obj) { obj.WriteVertexFlags(ar); });
    ar << kSectionEnd;
}

void ReportFileProblem(FileProblem problem, const CString& path, const std::string& detail) {
    struct Text {
        const char* english;
        const char* japanese;
    };
    static const Text texts[] = {
        {"The file \"%s\" could not be read.", "ファイル「%s」を読み込めませんでした。"},
        {"The file \"%s\" is damaged or is not a quelaForm document. Nothing of it was loaded.",
         "ファイル「%s」は壊れているか、quelaForm のファイルではありません。何も読み込みませんでした。"},
        {"The file \"%s\" could not be saved. A file already there is unchanged.",
         "ファイル「%s」を保存できませんでした。既にあるファイルはそのままです。"},
        {"The file \"%s\" holds more than there is memory for. Nothing of it was loaded.",
         "ファイル「%s」の内容に対してメモリが足りません。何も読み込みませんでした。"},
        {"There was not enough memory to open the file \"%s\". The document that was open had been closed "
         "already, so a new document was started in its place.",
         "メモリが足りないため、ファイル「%"
         "s」を開けませんでした。開いていたドキュメントは既に閉じていたため、"
         "代わりに新しいドキュメントを始めました。"},
    };
    const Text& text = texts[problem];
    CString message;
    message.Format(GetAppState().m_english ? text.english : text.japanese, path.GetString());
    if (!detail.empty())
        message += CString("\n\n") + CString(detail);
    MessageBox(HWND{}, message, "quelaForm", MB_OK | MB_ICONERROR);
}

void ReportReadFailure(const CString& path, const CArchiveException& failure) {
    ReportFileProblem(failure.GetCause() == CArchiveException::fileError ? fileUnreadable : fileDamaged, path,
                      failure.what());
}

void CQuelDoc::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        WriteDocument(*this, ar);
        return;
    }
    CSceneBuffer buffer(*this);
    buffer.TakeFreshCounters();
    const CDocumentReader reader;
    reader.ReadSections(ar, buffer);
    // The whole file was read: only now does the old scene go.
    {
        CNoDefaultObjectScope noDefault(*this);
        OnNewDocument();
    }
    reader.MergeIntoDocument(buffer);
}

BOOL CQuelDoc::OnOpenDocument(const CString& path) {
    const unsigned resets = m_resets;
    bool givenUp = false;
    const bool read = ReadDocumentFile(
        path,
        [&] {
            CArchive ar = CArchive::LoadFile(path.str());
            try {
                Serialize(ar);
            } catch (const std::bad_alloc&) {
                // Before the open scene went nothing changed: the file was too large.
                if (m_resets == resets)
                    throw;
                givenUp = true;
            }
        },
        [] {});
    if (givenUp) {
        // Never a part of the file under any name: a new document instead.
        StartAnew();
        ReportFileProblem(fileOpenedAnew, path, std::string());
        return FALSE;
    }
    if (!read)
        return FALSE;
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CQuelDoc::OnSaveDocument(const CString& path) {
    CArchive ar;
    std::string error;
    try {
        Serialize(ar);
    } catch (const CArchiveException& e) {
        ReportFileProblem(fileNotSaved, path, e.what());
        return FALSE;
    }
    if (!ar.SaveFile(path.str(), &error)) {
        ReportFileProblem(fileNotSaved, path, error);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}
