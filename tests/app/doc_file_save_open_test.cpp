// Saving and opening whole documents: every section, byte-identical round
// trips, older files with fewer sections, and saves that must not harm the
// file already on disk.
#include "app/doc_file.h"
#include "app/doc_helpers.h"
#include "doc_file_builder.h"
#include "doc_fixture.h"
#include "support/doc_bytes.h"
#include "support/temp_dir.h"

#include <cstring>
#include <filesystem>
#include <span>
#include <gtest/gtest.h>
#include <vector>

using qf::test::DocumentBytes;
using qf::test::FillEveryKindOfContent;
using qf::test::SameDocumentBytes;

namespace {

class DocFileSaveOpenTest : public DocTest {
protected:
    // Opens bytes as a file of the temporary folder; TRUE when it opened.
    BOOL Open(const std::string& bytes) {
        qf::test::WriteFileBytes(dir.File("in.qfm"), bytes);
        return doc->OnOpenDocument(dir.File("in.qfm").c_str());
    }

    qf::test::TempDir dir;
};

// Every section a document holds, in the order it is written.
const char* const kSectionOrder[] = {"object_info",     "light_info",
                                     "material_info",   "wnd_info",
                                     "background_info", "include_file",
                                     "global_settings", "radiosity_info",
                                     "megapov_info",    "post_process_info",
                                     "aspect",          "object_cp_info",
                                     "memo_camera",     "material_axis",
                                     "polygon_info",    "material_axis_polygon",
                                     "bg_image",        "default_mat_setting",
                                     "folder_info",     "object_tree",
                                     "radiosity2_info", "hdr_setting",
                                     "object_info2",    "light_info2",
                                     "vertex_ext_info", "end"};

// The int that follows a section keyword in file.
int32_t CountAfter(const std::string& file, const std::string& keyword) {
    const size_t at = SectionOffset(file, keyword);
    EXPECT_NE(at, std::string::npos) << keyword;
    int32_t count = -1;
    if (at != std::string::npos)
        std::memcpy(&count, file.data() + at + 1 + keyword.size(), sizeof count);
    return count;
}

} // namespace

TEST_F(DocFileSaveOpenTest, EveryKindOfContentSurvivesSaveOpenSaveByteForByte) {
    FillEveryKindOfContent(*doc);
    const std::string path = dir.File("scene.qfm");
    ASSERT_TRUE(doc->OnSaveDocument(path.c_str()));
    EXPECT_FALSE(doc->IsModified());
    const std::string saved = qf::test::ReadFileBytes(path);
    EXPECT_TRUE(SameDocumentBytes(DocumentBytes(*doc), saved));

    doc->SetModifiedFlag();
    ASSERT_TRUE(doc->OnOpenDocument(path.c_str()));
    EXPECT_FALSE(doc->IsModified());
    EXPECT_TRUE(boxes.GetRequests().empty());
    EXPECT_TRUE(SameDocumentBytes(saved, DocumentBytes(*doc)));

    // What the bytes alone do not show: references were turned back into
    // the keys and ids of this document.
    ASSERT_EQ(doc->m_objects.GetCount(), 3);
    CSpatchObj* grid = doc->m_objects.GetAtIndex(0);
    CSpatchObj* pentagon = doc->m_objects.GetAtIndex(1);
    CSpatchObj* empty = doc->m_objects.GetAtIndex(2);
    EXPECT_EQ(grid->GetKey(), "spatch_obj0");
    EXPECT_EQ(doc->m_nextObjectKey, 3);
    EXPECT_EQ(doc->m_nextFolderKey, 3);
    EXPECT_EQ(pentagon->GetMotionBlurTarget(), grid->GetKey());
    const CFolderObj* inner = doc->m_folders.GetAtIndex(1);
    EXPECT_EQ(empty->GetMotionBlurTarget(), inner->GetKey()) << "a folder partner is kept too";
    EXPECT_EQ(pentagon->GetParentFolder(), inner);
    EXPECT_EQ(doc->m_tree.GetRoot().GetCount(), 3) << "the grid and the two top folders";
    const CMaterialData* glass = FindMaterialByName("glass");
    ASSERT_NE(glass, nullptr);
    EXPECT_EQ(glass->m_id, 2) << "ids are given afresh on reading";
    EXPECT_EQ(doc->m_nextMaterialId, 3);
    EXPECT_EQ(grid->GetMaterialSlot(0)->m_materialId, glass->m_id);
    EXPECT_EQ(doc->m_defaultMaterial.m_referencedMaterial, glass->m_id);
    EXPECT_EQ(doc->m_polygonObjects.GetHead()->GetMaterialSlot(4)->m_materialId, glass->m_id);
    EXPECT_EQ(doc->m_cameras[1].m_aspect, 1.25f);
    pentagon->Rebuild();
    EXPECT_EQ(pentagon->CountFivePointPatches(), 1) << "the five-point flags and switch came back";
}

// The file as this version writes it, kept so that a change of the layout
// cannot go unnoticed; a missing reference is written for review.
TEST_F(DocFileSaveOpenTest, LayoutMatchesTheKeptFile) {
    FillEveryKindOfContent(*doc);
    const std::string saved = DocumentBytes(*doc);
    const std::string reference = (qf::test::DataDir() / "docfile" / "every_kind.qfm").string();
    if (!std::filesystem::exists(reference)) {
        qf::test::WriteFileBytes((qf::test::OutputDir() / "every_kind.qfm").string(), saved);
        FAIL() << "no reference file " << reference << "; wrote one to the test output folder";
    }
    EXPECT_TRUE(SameDocumentBytes(qf::test::ReadFileBytes(reference), saved));
}

TEST_F(DocFileSaveOpenTest, SparseDocumentStillHasAllSectionsInOrder) {
    doc->AddPatchObject()->SetName("only");
    const std::string file = DocumentBytes(*doc);
    size_t previous = 0;
    for (const char* keyword : kSectionOrder) {
        const size_t at = SectionOffset(file, keyword);
        ASSERT_NE(at, std::string::npos) << keyword;
        EXPECT_GE(at, previous) << keyword << " is out of order";
        previous = at;
    }
    EXPECT_EQ(previous + 4, file.size()) << "the file ends with \"end\"";
    for (const char* empty : {"light_info", "material_info", "include_file", "polygon_info",
                              "material_axis_polygon", "folder_info"})
        EXPECT_EQ(CountAfter(file, empty), 0) << empty;
    EXPECT_EQ(CountAfter(file, "object_info"), 1);
}

TEST_F(DocFileSaveOpenTest, FileEndingAfterMemoCamerasKeepsDefaultsForTheRest) {
    FillEveryKindOfContent(*doc);
    const std::string full = DocumentBytes(*doc);
    const std::string older =
        full.substr(0, SectionOffset(full, "material_axis")) + FileBytes().Str("end").Get();
    ASSERT_TRUE(Open(older));

    EXPECT_EQ(doc->m_objects.GetCount(), 3);
    EXPECT_EQ(doc->m_lights.GetCount(), 3);
    EXPECT_EQ(doc->m_materials.GetCount(), 3);
    EXPECT_EQ(doc->m_cameras[2].m_angle, 32.0f);
    EXPECT_EQ(doc->m_memoCameras[3].m_angle, 47.0f);
    EXPECT_EQ(doc->m_cameras[1].m_aspect, 1.25f);
    EXPECT_EQ(doc->m_includeFiles.size(), 2u);
    CCurvePoint* manual = doc->m_objects.GetHead()->GetCurves().GetHead()->m_nodes.GetAtIndex(1);
    EXPECT_EQ(manual->m_manualIn, 1) << "the manual handles come before the memo cameras";

    // Everything after the memo cameras keeps a new document's values.
    EXPECT_TRUE(doc->m_polygonObjects.IsEmpty());
    EXPECT_TRUE(doc->m_folders.IsEmpty());
    EXPECT_EQ(doc->m_tree.GetRoot().GetCount(), 3);
    EXPECT_EQ(doc->m_objects.GetHead()->GetMaterialSlot(0)->m_materialId, -1);
    EXPECT_EQ(doc->m_defaultMaterial.m_referencedMaterial, -1);
    EXPECT_EQ(doc->m_hdr.m_use, 0);
    EXPECT_EQ(doc->m_radiosity2.m_media, 0);
    EXPECT_EQ(doc->m_underlayFiles[2], "");
    EXPECT_EQ(doc->m_objects.GetHead()->GetPolygonize(), 0);
    EXPECT_EQ(doc->m_objects.GetAtIndex(1)->CountFivePointVertices(), 0);
    EXPECT_EQ(doc->m_lights.GetHead()->m_shadowPigmentOn, 0);
}

// A section of a later version ends reading where it stands; whatever the
// file did not give is a new document's, never the document open before.
TEST_F(DocFileSaveOpenTest, AFileOpenedOnTopOfAnotherGivesWhatItGivesOpenedFresh) {
    FillEveryKindOfContent(*doc);
    const std::string full = DocumentBytes(*doc);
    // A file that starts with an unknown section is no document at all.
    for (const char* keyword : std::span(kSectionOrder).subspan(1)) {
        SCOPED_TRACE(keyword);
        const size_t at = SectionOffset(full, keyword);
        ASSERT_NE(at, std::string::npos);
        const std::string later =
            full.substr(0, at) + FileBytes().Str("later_section").Get() + full.substr(at);
        ASSERT_TRUE(Open(later));
        const std::string onTop = DocumentBytes(*doc);
        CloseDocument();
        doc = std::make_unique<CQuelDoc>();
        main.emplace(doc.get());
        ASSERT_TRUE(Open(later));
        EXPECT_TRUE(SameDocumentBytes(onTop, DocumentBytes(*doc)));
        FillEveryKindOfContent(*doc);
    }
}

TEST_F(DocFileSaveOpenTest, MaterialOfADeletedSlotReadsBackAsNone) {
    CSpatchObj* obj = doc->AddPatchObject();
    CMaterialData* gone = doc->AddMaterial();
    gone->m_name = "gone";
    obj->GetMaterialSlot(2)->m_materialId = gone->m_id;
    doc->m_defaultMaterial.m_referencedMaterial = gone->m_id;
    doc->m_materials.Remove(gone);
    const std::string file = DocumentBytes(*doc);
    ASSERT_TRUE(Open(file));
    EXPECT_EQ(doc->m_objects.GetHead()->GetMaterialSlot(2)->m_materialId, -1);
    EXPECT_EQ(doc->m_defaultMaterial.m_referencedMaterial, -1);
    EXPECT_TRUE(SameDocumentBytes(file, DocumentBytes(*doc)));
}

// Reading creates every object before any folder; the top level of the tree
// must still come back in the order the user gave it.
TEST_F(DocFileSaveOpenTest, TopLevelOrderOfTheTreeSurvivesSaveOpenSave) {
    CFolderObj* first = doc->AddFolder();
    first->SetName("first folder");
    doc->AddPatchObject()->SetName("loose");
    CFolderObj* second = doc->AddFolder();
    second->SetName("second folder");
    CSpatchObj* member = doc->AddPatchObject();
    member->SetName("member");
    doc->m_tree.MoveIntoFolder(member, second);
    doc->AddPatchObject()->SetName("last");
    const std::string file = DocumentBytes(*doc);

    ASSERT_TRUE(Open(file));
    std::vector<std::string> top;
    for (const CBaseObj* node : doc->m_tree.GetRoot())
        top.push_back(node->GetName().str());
    EXPECT_EQ(top, (std::vector<std::string>{"first folder", "loose", "second folder", "last"}));
    EXPECT_EQ(doc->m_objects.GetAtIndex(1)->GetParentFolder(), doc->m_folders.GetAtIndex(1));
    EXPECT_TRUE(SameDocumentBytes(file, DocumentBytes(*doc)));
}

TEST_F(DocFileSaveOpenTest, OpeningCreatesNoDefaultObjectAndResetsOnlyAfterReading) {
    auto& objectPage = Register(wndObjectPage);
    objectPage.onCreatePatchObject = [this] { doc->AddPatchObject()->SetName("patch_obj_00"); };
    doc->OnNewDocument();
    ASSERT_EQ(doc->m_objects.GetCount(), 1);
    doc->m_objects.GetHead()->SetName("before");
    const std::string before = DocumentBytes(*doc);

    CQuelDoc other;
    other.AddPatchObject()->SetName("from file");
    ASSERT_TRUE(Open(DocumentBytes(other)));
    ASSERT_EQ(doc->m_objects.GetCount(), 1);
    EXPECT_EQ(doc->m_objects.GetHead()->GetName(), "from file");
    EXPECT_EQ(doc->m_createDefaultObject, 1);

    ASSERT_TRUE(Open(before));
    EXPECT_EQ(doc->m_objects.GetHead()->GetName(), "before");
}

TEST_F(DocFileSaveOpenTest, FailedSaveLeavesTheOldFileAndSaysSo) {
    doc->AddPatchObject()->SetName("good");
    const std::string path = dir.File("keep.qfm");
    ASSERT_TRUE(doc->OnSaveDocument(path.c_str()));
    const std::string old = qf::test::ReadFileBytes(path);

    doc->m_objects.GetHead()->SetName("絵文字😀");
    doc->SetModifiedFlag();
    EXPECT_FALSE(doc->OnSaveDocument(path.c_str())) << "a name CP932 cannot hold";
    EXPECT_EQ(qf::test::ReadFileBytes(path), old);
    EXPECT_TRUE(doc->IsModified());
    ASSERT_EQ(boxes.GetRequests().size(), 1u);
    EXPECT_NE(boxes.GetRequests()[0].text.str().find("keep.qfm"), std::string::npos);
    EXPECT_NE(boxes.GetRequests()[0].text.str().find("could not be saved"), std::string::npos);

    doc->m_objects.GetHead()->SetName("good again");
    EXPECT_FALSE(doc->OnSaveDocument(dir.File("no such folder/x.qfm").c_str()));
    EXPECT_EQ(boxes.GetRequests().size(), 2u);
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path()))
        ++files;
    EXPECT_EQ(files, 1) << "no temporary file is left behind";
}

// Partners are written by name; among objects that share one, the partner is
// another patch object of that name, and a folder only when there is none.
TEST_F(DocFileSaveOpenTest, MotionBlurPartnersAmongSharedNamesAreFoundAgain) {
    CSpatchObj* first = doc->AddPatchObject();
    CSpatchObj* second = doc->AddPatchObject();
    CSpatchObj* loner = doc->AddPatchObject();
    CFolderObj* twinFolder = doc->AddFolder();
    CFolderObj* lonerFolder = doc->AddFolder();
    first->SetName("twin");
    second->SetName("twin");
    twinFolder->SetName("twin");
    loner->SetName("loner");
    lonerFolder->SetName("loner");
    first->SetMotionBlurTarget(second->GetKey());
    second->SetMotionBlurTarget(first->GetKey());
    loner->SetMotionBlurTarget(lonerFolder->GetKey());

    ASSERT_TRUE(Open(DocumentBytes(*doc)));
    ASSERT_EQ(doc->m_objects.GetCount(), 3);
    CSpatchObj* a = doc->m_objects.GetAtIndex(0);
    CSpatchObj* b = doc->m_objects.GetAtIndex(1);
    EXPECT_EQ(a->GetMotionBlurTarget(), b->GetKey());
    EXPECT_EQ(b->GetMotionBlurTarget(), a->GetKey());
    EXPECT_EQ(doc->m_objects.GetAtIndex(2)->GetMotionBlurTarget(), doc->m_folders.GetAtIndex(1)->GetKey())
        << "a folder sharing only the object's own name stays its partner";
}
