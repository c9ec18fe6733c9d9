// Patch objects read side by side on several threads: the document must be
// the one a single thread reads, byte for byte, and a damaged file must fail
// exactly as it does when read in order.
#include "app/doc_file.h"
#include "app/document_reader.h"
#include "app/scene_buffer.h"
#include "doc_file_builder.h"
#include "doc_fixture.h"
#include "support/doc_bytes.h"
#include "support/model_shapes.h"

#include <cstring>
#include <gtest/gtest.h>
#include <optional>
#include <string>

using qf::test::DocumentBytes;
using qf::test::SameDocumentBytes;

namespace {

// What reading a file gave: the document's own file, or the fault.
struct ReadResult {
    std::string document;
    std::optional<CArchiveException::Cause> cause;
    size_t offset = 0;
    std::string what;
    int threads = 0;
};

class DocFileThreadsTest : public DocTest {
protected:
    // The scene of every kind of content and grids of several sizes, some
    // with manual handles and flagged points.
    std::string LargeScene(int grids = 12) {
        qf::test::FillEveryKindOfContent(*doc);
        for (int i = 0; i < grids; ++i) {
            CSpatchObj* grid = doc->AddPatchObject();
            grid->SetName(CString(i % 2 ? "格子" : "grid") + CString(std::to_string(i)));
            grid->AppendGeometry(qf::test::MakeFlatQuadGrid(2 + i).get(), 0);
            if (i % 3 == 0) {
                CCurvePoint* node = grid->GetCurves().GetTail()->m_nodes.GetHead();
                node->m_manualOut = 1;
                node->m_offsetOut = CVector3(0.5f, -0.25f, static_cast<float>(i));
                grid->GetVertices().GetTail()->m_fivePoint = 1;
            }
            grid->UpdateCurveHandles();
        }
        return DocumentBytes(*doc);
    }

    // Reads bytes into a fresh document with the given threads; with merge
    // the document's file is kept, else only whether and how it failed.
    ReadResult Read(const std::string& bytes, int threads, bool merge) {
        if (merge) {
            CloseDocument();
            doc = std::make_unique<CQuelDoc>();
            main.emplace(doc.get());
        }
        ReadResult result;
        CSceneBuffer buffer(*doc);
        buffer.TakeFreshCounters();
        const CDocumentReader reader(threads);
        try {
            CArchive ar(bytes);
            result.threads = reader.ReadSections(ar, buffer);
        } catch (const CArchiveException& e) {
            result.cause = e.GetCause();
            result.offset = e.GetOffset();
            result.what = e.what();
            return result;
        }
        if (merge) {
            // As File > Open clears the scene before it takes the file's.
            doc->m_createDefaultObject = 0;
            doc->OnNewDocument();
            doc->m_createDefaultObject = 1;
            reader.MergeIntoDocument(buffer);
            result.document = DocumentBytes(*doc);
        }
        return result;
    }

    // The same fault from both, or with merge the same document.
    void ExpectSameOutcome(const std::string& bytes, const std::string& change, bool merge = false) {
        const ReadResult plain = Read(bytes, 1, merge);
        const ReadResult threaded = Read(bytes, 4, merge);
        EXPECT_EQ(plain.cause, threaded.cause) << change;
        EXPECT_EQ(plain.offset, threaded.offset) << change;
        EXPECT_EQ(plain.what, threaded.what) << change;
        EXPECT_TRUE(SameDocumentBytes(plain.document, threaded.document)) << change;
    }
};

} // namespace

TEST_F(DocFileThreadsTest, AnyThreadCountReadsTheSameDocument) {
    const std::string saved = LargeScene();
    for (int threads : {1, 2, 3, 8}) {
        const ReadResult result = Read(saved, threads, true);
        ASSERT_FALSE(result.cause) << threads << ": " << result.what;
        EXPECT_EQ(result.threads, threads);
        EXPECT_TRUE(SameDocumentBytes(saved, result.document)) << threads << " threads";
    }
    // Left to itself the reader keeps a small document on one thread.
    const ReadResult chosen = Read(saved, 0, true);
    EXPECT_EQ(chosen.threads, 1);
    EXPECT_TRUE(SameDocumentBytes(saved, chosen.document));
}

TEST_F(DocFileThreadsTest, ThreadedOpenKeepsWhatOnlyTheObjectsShow) {
    const std::string saved = LargeScene();
    const int objects = doc->m_objects.GetCount();
    Read(saved, 4, true);
    ASSERT_EQ(doc->m_objects.GetCount(), objects);
    int manual = 0;
    for (CSpatchObj* obj : doc->m_objects)
        for (CCurve* curve : obj->GetCurves())
            for (CCurvePoint* node : curve->m_nodes) {
                // The handles were derived once the manual offsets had arrived.
                if (node->m_manualIn) {
                    EXPECT_EQ(node->m_handleIn, *node->m_vertex + node->m_offsetIn);
                }
                if (node->m_manualOut) {
                    EXPECT_EQ(node->m_handleOut, *node->m_vertex + node->m_offsetOut);
                }
                manual += node->m_manualIn + node->m_manualOut;
            }
    EXPECT_EQ(manual, 2 + 4);
    // The largest grid's network is whole: its patches are all found.
    CSpatchObj* largest = doc->m_objects.GetTail();
    largest->Rebuild();
    EXPECT_EQ(largest->CountQuadPatches(), 13 * 13);
}

TEST_F(DocFileThreadsTest, DamagedObjectRecordsFailAsWhenReadInOrder) {
    const std::string saved = LargeScene(4);
    const size_t objects = SectionOffset(saved, kSectionObjectInfo);
    const size_t lights = SectionOffset(saved, kSectionLightInfo);
    ASSERT_LT(objects, lights);
    // Every cut inside the object records, and a spoiled int at every field:
    // counts and numbers too large, negative or naming something else.
    for (size_t cut = objects; cut < lights; cut += 41)
        ExpectSameOutcome(saved.substr(0, cut), "cut at " + std::to_string(cut));
    for (size_t at = objects + 16; at + 4 <= lights; at += 4 * 13)
        for (int32_t value : {-1, 2, 0x7FFFFFFF}) {
            std::string spoiled = saved;
            std::memcpy(spoiled.data() + at, &value, sizeof value);
            ExpectSameOutcome(spoiled, std::to_string(value) + " at " + std::to_string(at));
        }
}

TEST_F(DocFileThreadsTest, DamagedHandleAndFlagRecordsFailAsWhenReadInOrder) {
    const std::string saved = LargeScene(4);
    for (const char* section : {kSectionObjectCpInfo, kSectionVertexExtInfo}) {
        const size_t from = SectionOffset(saved, section);
        ASSERT_NE(from, std::string::npos) << section;
        for (size_t at = from; at + 4 <= from + 240 && at + 4 <= saved.size(); at += 8)
            for (int32_t value : {-1, 1}) {
                std::string spoiled = saved;
                std::memcpy(spoiled.data() + at, &value, sizeof value);
                ExpectSameOutcome(
                    spoiled, std::string(section) + " " + std::to_string(value) + " at " + std::to_string(at),
                    true);
            }
    }
}

TEST_F(DocFileThreadsTest, LaterHandleAndFlagRecordsClearEarlierOnes) {
    // The same grid with a manual handle and a flagged point, and without.
    auto grid = [&](bool marked) {
        CloseDocument();
        doc = std::make_unique<CQuelDoc>();
        main.emplace(doc.get());
        CSpatchObj* obj = doc->AddPatchObject();
        obj->AppendGeometry(qf::test::MakeFlatQuadGrid(3).get(), 0);
        if (marked) {
            CCurvePoint* node = obj->GetCurves().GetHead()->m_nodes.GetHead();
            node->m_manualOut = 1;
            node->m_offsetOut = CVector3(0.5f, 0.5f, 0.0f);
            obj->GetVertices().GetHead()->m_fivePoint = 1;
        }
        obj->UpdateCurveHandles();
        return DocumentBytes(*doc);
    };
    const std::string marked = grid(true);
    const std::string plain = grid(false);
    ASSERT_FALSE(SameDocumentBytes(marked, plain));
    // The plain file's records follow the marked file's, section for section.
    std::string both = marked;
    for (auto [section, next] : {std::pair{kSectionObjectCpInfo, kSectionMemoCamera},
                                 std::pair{kSectionVertexExtInfo, kSectionEnd}}) {
        const size_t from = SectionOffset(plain, section);
        const std::string records = plain.substr(from, SectionOffset(plain, next) - from);
        both.insert(SectionOffset(both, next), records);
    }
    for (int threads : {1, 4}) {
        const ReadResult result = Read(both, threads, true);
        ASSERT_FALSE(result.cause) << result.what;
        EXPECT_TRUE(SameDocumentBytes(plain, result.document)) << threads << " threads";
    }
}
