// Damaged and unusual document files: every fault is reported as a damaged
// file and leaves the open document exactly as it was; what a file may
// legitimately hold beyond the writer's own output is read without harm.
#include "app/doc_file.h"
#include "doc_file_builder.h"
#include "doc_fixture.h"
#include "mesh/patch_mesh.h"
#include "mesh/patch_surface_draw.h"
#include "support/doc_bytes.h"
#include "support/model_shapes.h"
#include "support/temp_dir.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

using qf::test::DocumentBytes;
using qf::test::SameDocumentBytes;

namespace {

class DocFileDamageTest : public DocTest {
protected:
    void SetUp() override {
        DocTest::SetUp();
        qf::test::FillEveryKindOfContent(*doc);
        before = DocumentBytes(*doc);
    }

    BOOL Open(const std::string& bytes) {
        qf::test::WriteFileBytes(dir.File("in.qfm"), bytes);
        return doc->OnOpenDocument(dir.File("in.qfm").c_str());
    }

    qf::test::TempDir dir;
    std::string before;
};

// An object with one point and one curve of one node on point vertex; the
// link section lists pointsAgain points, the first with links.
std::string OneNodeObject(int vertex, int pointsAgain, const std::vector<std::pair<int, int>>& links) {
    FileBytes f;
    f.Str("object_info").Int(1);
    f.Str("o").Int(0).Int(0).Int(1).Int(0).Int(1).Int(1).Int(0).Int(0).Str(" ").Int(0);
    f.Int(1).Float(0).Float(0).Float(0).Int(1);
    f.Int(1).Int(0).Int(0).Int(1).Int(0).Float(0.3f).Int(vertex);
    f.Int(pointsAgain);
    if (pointsAgain > 0) {
        f.Int(static_cast<int>(links.size()));
        for (const auto& [curve, node] : links)
            f.Int(curve).Int(node);
    }
    return f.Str("end").Get();
}

std::string Polygon(int corners, int index) {
    FileBytes f;
    f.Str("polygon_info").Int(1);
    f.Str("p").Int(0).Int(0).Int(1).Int(1).Int(1).Int(0).Int(0).Int(1).Float(60).Int(0).Int(1);
    f.Int(2).Float(0).Float(0).Float(0).Float(0).Int(0).Float(1).Float(0).Float(0).Float(0).Int(0);
    f.Int(1).Int(corners);
    for (int i = 0; i < corners; ++i)
        f.Int(i == 0 ? index : 1);
    f.Int(0);
    for (int i = 0; i < 8; ++i)
        f.Float(0);
    return f.Str("end").Get();
}

} // namespace

TEST_F(DocFileDamageTest, EveryDamagedFileIsRefusedWholeAndReported) {
    // The builders make sound files; each case below spoils one thing.
    ASSERT_TRUE(Open(OneNodeObject(0, 1, {{0, 0}})));
    ASSERT_TRUE(Open(Polygon(3, 0)));
    before = DocumentBytes(*doc);
    struct Case {
        const char* name;
        std::string file;
    } cases[] = {
        {"a node on a point the object lacks", OneNodeObject(3, 1, {{0, 0}})},
        {"a link to a curve the object lacks", OneNodeObject(0, 1, {{1, 0}})},
        {"a link to a node the curve lacks", OneNodeObject(0, 1, {{0, 1}})},
        {"a node linked twice", OneNodeObject(0, 1, {{0, 0}, {0, 0}})},
        {"a node without a link", OneNodeObject(0, 1, {})},
        {"links for another number of points", OneNodeObject(0, 2, {{0, 0}})},
        {"more objects than the file can hold", FileBytes().Str("object_info").Int(1000000).Get()},
        {"a negative count", FileBytes().Str("light_info").Int(-1).Str("end").Get()},
        {"a name that is not CP932",
         FileBytes().Str("include_file").Int(1).Raw(std::string("\x02\x81\x20", 3)).Str("end").Get()},
        {"a keyword that is not CP932", FileBytes().Raw(std::string("\x01\x81", 2)).Get()},
        {"a polygon face of five corners", Polygon(5, 0)},
        {"a polygon corner beyond its vertices", Polygon(3, 2)},
        {"manual handles for more curves than the object has", FileBytes()
                                                                   .Str("object_info")
                                                                   .Int(1)
                                                                   .EmptyObject("o")
                                                                   .Str("object_cp_info")
                                                                   .Int(1)
                                                                   .Int(1)
                                                                   .Int(0)
                                                                   .Str("end")
                                                                   .Get()},
        {"no closing keyword", FileBytes().Str("include_file").Int(0).Get()},
        {"an empty file", ""},
    };
    for (const Case& c : cases) {
        const size_t reports = boxes.GetRequests().size();
        EXPECT_FALSE(Open(c.file)) << c.name;
        EXPECT_TRUE(SameDocumentBytes(before, DocumentBytes(*doc))) << c.name;
        ASSERT_EQ(boxes.GetRequests().size(), reports + 1) << c.name;
        const std::string& text = boxes.GetRequests().back().text.str();
        EXPECT_NE(text.find("is damaged"), std::string::npos) << c.name;
        EXPECT_NE(text.find("at byte"), std::string::npos) << c.name << ": the message says where";
    }

    EXPECT_FALSE(doc->OnOpenDocument(dir.File("missing.qfm").c_str()));
    EXPECT_NE(boxes.GetRequests().back().text.str().find("could not be read"), std::string::npos);
    EXPECT_TRUE(SameDocumentBytes(before, DocumentBytes(*doc)));
}

TEST_F(DocFileDamageTest, TruncatedAtEveryByteNothingChanges) {
    const std::string file = before;
    for (size_t length = 0; length < file.size(); ++length) {
        CArchive ar(file.substr(0, length));
        try {
            doc->Serialize(ar);
            ADD_FAILURE() << "a file cut after " << length << " bytes opened";
        } catch (const CArchiveException& e) {
            EXPECT_NE(e.GetCause(), CArchiveException::fileError);
        }
        ASSERT_EQ(doc->m_objects.GetCount(), 3) << "cut after " << length;
    }
    EXPECT_TRUE(SameDocumentBytes(before, DocumentBytes(*doc)));
    EXPECT_FALSE(Open(file.substr(0, file.size() / 2)));
    ASSERT_EQ(boxes.GetRequests().size(), 1u);
    EXPECT_NE(boxes.GetRequests()[0].text.str().find("is damaged"), std::string::npos);
}

// Reference sections carry their own counts. A file whose sections list more
// objects or lights than it holds reads the surplus and drops it, and the
// sections after it are read as usual.
TEST_F(DocFileDamageTest, SurplusRecordsAreReadAndDropped) {
    CQuelDoc fewer;
    qf::test::FillEveryKindOfContent(fewer);
    fewer.DeleteObject(fewer.m_objects.GetTail());
    fewer.m_lights.RemoveTail();
    const std::string small = DocumentBytes(fewer);
    // The objects and lights of the smaller document with the per-object and
    // per-light sections of the larger one, whose surplus records come last.
    auto piece = [](const std::string& file, const char* from, const char* to) {
        const size_t start = SectionOffset(file, from);
        return file.substr(start, (to ? SectionOffset(file, to) : file.size()) - start);
    };
    const std::string spliced = small.substr(0, SectionOffset(small, "object_cp_info")) +
                                piece(before, "object_cp_info", "polygon_info") +
                                piece(small, "polygon_info", "object_info2") +
                                piece(before, "object_info2", nullptr);
    ASSERT_NE(spliced, small);
    ASSERT_TRUE(Open(spliced));
    EXPECT_EQ(doc->m_objects.GetCount(), 2);
    EXPECT_EQ(doc->m_lights.GetCount(), 2);
    EXPECT_TRUE(SameDocumentBytes(small, DocumentBytes(*doc)))
        << "every record of the objects and lights was taken, the surplus dropped";
}

TEST_F(DocFileDamageTest, UnknownSectionEndsReadingAndKeepsWhatCameBefore) {
    const std::string file =
        FileBytes().Str("include_file").Int(1).Str("a.inc").Str("future_section").Int(5).Get();
    ASSERT_TRUE(Open(file));
    ASSERT_EQ(doc->m_includeFiles.size(), 1u);
    EXPECT_EQ(doc->m_includeFiles[0], "a.inc");
    EXPECT_TRUE(doc->m_objects.IsEmpty());
}

// One stale reference in the object tree costs only that node, not the file.
TEST_F(DocFileDamageTest, AnObjectTreeNamingAMissingNodeStillOpens) {
    const size_t reports = boxes.GetRequests().size();
    ASSERT_TRUE(Open(FileBytes()
                         .Str("object_info")
                         .Int(1)
                         .EmptyObject("kept")
                         .Str("object_tree")
                         .Int(2)
                         .Str("po")
                         .Int(4)
                         .Str("po")
                         .Int(0)
                         .Str("end")
                         .Get()));
    EXPECT_EQ(boxes.GetRequests().size(), reports);
    ASSERT_EQ(doc->m_objects.GetCount(), 1);
    EXPECT_EQ(doc->m_objects.GetHead()->GetName(), "kept");
    EXPECT_EQ(doc->m_tree.GetRoot().GetCount(), 1);
}

// A text file's first byte reads as a plausible keyword length; a file whose
// first keyword is none of ours is refused, while every document, an older
// one and one with a later version's section after ours still open.
TEST_F(DocFileDamageTest, TextFilesAreRefusedAndDocumentsStillOpen) {
    const std::string texts[] = {
        "# quelaForm\n\nAn interactive modeller of smooth shapes built from spline patches.\n",
        "#!/bin/sh\nset -e\nfor f in *.qfm; do cp \"$f\" \"$f.bak\"; done\necho done\n",
        "/* outline */\n#include <stdio.h>\nint main(void) { puts(\"hello\"); return 0; }\n",
        "[Settings]\nlanguage=english\nrecent=/home/user/one.qfm\nwindow=1024x768\n",
    };
    for (const std::string& text : texts) {
        const size_t reports = boxes.GetRequests().size();
        EXPECT_FALSE(Open(text)) << text;
        EXPECT_TRUE(SameDocumentBytes(before, DocumentBytes(*doc))) << text;
        ASSERT_EQ(boxes.GetRequests().size(), reports + 1) << text;
        EXPECT_NE(boxes.GetRequests().back().text.str().find("is not a quelaForm document"),
                  std::string::npos);
    }

    const struct {
        const char* name;
        std::string file;
    } documents[] = {
        {"the kept document",
         qf::test::ReadFileBytes((qf::test::DataDir() / "docfile" / "every_kind.qfm").string())},
        {"an older one",
         before.substr(0, SectionOffset(before, "material_axis")) + FileBytes().Str("end").Get()},
        {"a later one", before.substr(0, before.size() - 4) + FileBytes().Str("later_section").Int(7).Get()},
        {"an empty one", FileBytes().Str("end").Get()},
    };
    for (const auto& d : documents)
        EXPECT_TRUE(Open(d.file)) << d.name;
    EXPECT_EQ(doc->m_objects.GetCount(), 0) << "the last, empty document was taken";
}

// The division and subdivision count size the surface mesh a pane or a
// render builds; a file holding values no panel offers is read into range.
TEST_F(DocFileDamageTest, MeshSizesOutsideThePanelsRangesAreReadIntoThem) {
    const struct {
        int division, subdivisionCount, keptDivision, keptCount, meshPoints;
    } cases[] = {
        {2147483647, 2147483647, 8, 16, 81},
        {100000, 1000, 8, 16, 81},
        {-7, -1, 1, 2, 4},
        {0, 0, 1, 2, 4},
        {5, 8, 5, 8, 25},
    };
    for (const auto& c : cases) {
        CQuelDoc source;
        CSpatchObj* obj = source.AddPatchObject(qf::test::MakeFlatQuadGrid(1));
        obj->SetPolygonize(1);
        obj->SetDivision(c.division);
        obj->SetSubdivisionCount(c.subdivisionCount);
        ASSERT_TRUE(Open(DocumentBytes(source))) << c.division;
        CSpatchObj& read = *doc->m_objects.GetHead();
        EXPECT_EQ(read.GetDivision(), c.keptDivision) << c.division;
        EXPECT_EQ(read.GetSubdivisionCount(), c.keptCount) << c.subdivisionCount;
        EXPECT_EQ(GetDisplayMesh(read)->m_vertices.GetCount(), c.meshPoints) << c.division;
    }
}
