// The document reader on arbitrary bytes. Opening must either take the whole
// file or throw CArchiveException without touching the document; inserting
// with any choice of parts must merge cleanly; and what was opened must save
// and open again to the very same bytes.
#include "app/document_reader.h"
#include "app/quel_doc.h"
#include "app/scene_buffer.h"
#include "platform/base/archive.h"
#include "platform/base/file_util.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

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
