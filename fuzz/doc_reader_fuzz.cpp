// The document reader on arbitrary bytes. Opening must either take the whole
// file or throw CArchiveException without touching the document; inserting
// with any choice of parts must merge cleanly; what was opened must save and
// open again to the very same bytes; and what was opened or inserted must
// show with surfaces as a pane would.
#include "app/document_reader.h"
#include "app/quel_doc.h"
#include "app/scene_buffer.h"
#include "mesh/patch_surface_draw.h"
#include "model/mirror_builder.h"
#include "platform/base/archive.h"
#include "platform/base/file_util.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

// One document for the whole run. It is never destroyed: its destructor
// writes the settings files through text converters that are already gone
// when the fuzzer exits.
CQuelDoc& Document() {
    static CQuelDoc& doc = []() -> CQuelDoc& {
        setenv("QUELAFORM_HOME", qf::TempPath("settings").c_str(), 1);
        return *std::make_unique<CQuelDoc>().release();
    }();
    return doc;
}

// A pane's surface resolution on a first start.
constexpr int kSurfaceGrid = 4;

// What a pane with surfaces on works out before it draws: each object's
// patches, nets and surface grid with normals or its display mesh, and for
// an object with a mirror the mirrored copy shown in its place.
void ShowWithSurfaces(CQuelDoc& doc) {
    std::vector<CSpatchObj*> objects;
    for (CSpatchObj* obj : doc.m_objects)
        objects.push_back(obj);
    PreparePatchSurfaces(objects, kSurfaceGrid, true, 1);
    for (CSpatchObj* obj : objects) {
        if (obj->GetMirrorMode() == 0)
            continue;
        if (!obj->GetMirrorCache())
            CMirrorBuilder().Build(obj);
        if (CSpatchObj* copy = obj->GetMirrorCache()) {
            copy->CopySettings(obj);
            copy->SetMirrorMode(0);
            PreparePatchSurfaces({copy}, kSurfaceGrid, true, 1);
        }
    }
}

std::string Saved(CQuelDoc& doc) {
    CArchive ar;
    doc.Serialize(ar);
    return ar.GetBytes();
}

void Open(CQuelDoc& doc, const std::string& bytes) {
    const std::string before = Saved(doc);
    CArchive ar(bytes);
    try {
        doc.Serialize(ar);
    } catch (const CArchiveException&) {
        if (Saved(doc) != before)
            std::abort(); // a damaged file changed the open document
        return;
    }
    std::string first;
    try {
        first = Saved(doc);
    } catch (const CArchiveException&) {
        return; // a name read from the file that CP932 cannot store again
    }
    CArchive again(first);
    doc.Serialize(again);
    if (Saved(doc) != first)
        std::abort(); // save, open, save is not stable
    ShowWithSurfaces(doc);
}

// The first byte's bits choose the parts, as the insert dialog would.
void Insert(CQuelDoc& doc, uint8_t choice, const std::string& bytes) {
    CSceneBuffer buffer(doc);
    for (int part = 0; part < CSceneBuffer::takeHdr; ++part)
        buffer.SetTakeFlag(static_cast<CSceneBuffer::Part>(part), (choice >> (part % 8)) & 1);
    CArchive ar(bytes);
    const CDocumentReader reader;
    try {
        reader.ReadSections(ar, buffer);
    } catch (const CArchiveException&) {
        return;
    }
    reader.MergeIntoDocument(buffer);
    ShowWithSurfaces(doc);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    CQuelDoc& doc = Document();
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] & 0x80) {
        Insert(doc, data[0], bytes);
        if (doc.m_objects.GetCount() + doc.m_folders.GetCount() + doc.m_polygonObjects.GetCount() > 100)
            doc.OnNewDocument();
    } else {
        Open(doc, bytes);
    }
    return 0;
}
