#include "model/folder_obj.h"
#include "model/spatch_obj.h"
#include "platform/base/archive.h"
#include "support/model_builders.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using qf::test::DataDir;
using qf::test::ReadFileBytes;

namespace {

// The folder of the reference record: every switch away from its default.
void SetReferenceFolder(CFolderObj& folder) {
    folder.SetName("フォルダ1");
    folder.SetNoShadow(1);
    folder.SetExport(0);
    folder.SetEditable(0);
    folder.SetShow(0);
    folder.SetDoubleIlluminate(1);
    folder.SetNoImage(1);
    folder.SetNoReflection(1);
    for (int i = 0; i < 4; ++i)
        folder.SetExtraVector(i, CVector3(1.5f + i * 3, 2.0f + i * 3, 3.0f + i * 3));
}

} // namespace

TEST(FolderObjTest, RecordMatchesTheReferenceBytes) {
    CFolderObj folder;
    SetReferenceFolder(folder);
    CArchive out;
    EXPECT_EQ(folder.Write(out), 1);
    const std::string expected = ReadFileBytes((DataDir() / "records/folder.bin").string());
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(out.GetBytes(), expected);
    // The encoded name (a length byte and nine CP932 bytes), then 76 bytes.
    EXPECT_EQ(out.GetBytes().size(), 10u + 76u);
}

TEST(FolderObjTest, ReadingAppliesEverySwitchOfTheRecord) {
    CArchive in(ReadFileBytes((DataDir() / "records/folder.bin").string()));
    CFolderObj folder;
    EXPECT_EQ(folder.Read(in), 1);
    EXPECT_TRUE(in.AtEnd());
    CFolderObj expected;
    SetReferenceFolder(expected);
    EXPECT_EQ(folder.GetName(), expected.GetName());
    EXPECT_EQ(folder.GetNoShadow(), 1);
    EXPECT_EQ(folder.GetExport(), 0);
    EXPECT_EQ(folder.IsEditable(), 0);
    EXPECT_EQ(folder.GetShow(), 0);
    EXPECT_EQ(folder.GetDoubleIlluminate(), 1);
    EXPECT_EQ(folder.GetNoImage(), 1);
    EXPECT_EQ(folder.GetNoReflection(), 1);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(folder.GetExtraVector(i), expected.GetExtraVector(i)) << "vector " << i;
    CArchive again;
    folder.Write(again);
    EXPECT_EQ(again.GetBytes(), in.GetBytes());
}

TEST(FolderObjTest, TruncatedRecordThrows) {
    std::string bytes = ReadFileBytes((DataDir() / "records/folder.bin").string());
    bytes.pop_back();
    CArchive in(bytes);
    CFolderObj folder;
    EXPECT_THROW(folder.Read(in), CArchiveException);
}

TEST(FolderObjTest, DeepCopyTakesPatchObjectsAndFoldersOnly) {
    auto patch = qf::test::MakeFlatQuadGrid(1);
    patch->SetName("grid");
    patch->SetKey("spatch_obj3");
    patch->SetSmoothing(1);
    CFolderObj inner;
    inner.SetName("inner");
    inner.SetKey("folder1");
    inner.SetShow(0);
    inner.GetMembers().AddTail(patch.get());
    CBaseObj plain; // stands for a polygon object or any other kind
    CFolderObj outer;
    outer.GetMembers().AddTail(&plain);
    outer.GetMembers().AddTail(&inner);
    outer.GetMembers().AddTail(patch.get());

    CFolderObj holder;
    holder.CopyMembersDeep(outer);
    ASSERT_EQ(holder.GetOwnedCopies().GetCount(), 2);
    const auto* folderCopy = static_cast<const CFolderObj*>(holder.GetOwnedCopies().GetAtIndex(0));
    ASSERT_EQ(folderCopy->GetObjType(), objTypeFolder);
    EXPECT_EQ(folderCopy->GetName(), "inner");
    EXPECT_EQ(folderCopy->GetKey(), "folder1");
    EXPECT_EQ(folderCopy->GetShow(), 0);
    ASSERT_EQ(folderCopy->GetOwnedCopies().GetCount(), 1);
    const auto* patchCopy = static_cast<const CSpatchObj*>(holder.GetOwnedCopies().GetAtIndex(1));
    ASSERT_EQ(patchCopy->GetObjType(), objTypePatch);
    EXPECT_NE(patchCopy, patch.get());
    EXPECT_EQ(patchCopy->GetKey(), "spatch_obj3");
    EXPECT_EQ(patchCopy->GetName(), "grid");
    EXPECT_EQ(patchCopy->GetSmoothing(), 1);
    EXPECT_EQ(patchCopy->GetVertices().GetCount(), patch->GetVertices().GetCount());
    EXPECT_EQ(patchCopy->GetCurves().GetCount(), patch->GetCurves().GetCount());

    holder.DeleteOwnedCopies();
    EXPECT_TRUE(holder.GetOwnedCopies().IsEmpty());
    EXPECT_EQ(patch->GetVertices().GetCount(), 4) << "the originals are untouched";
}

TEST(FolderObjTest, DeletingAFolderLeavesItsMembersAlive) {
    auto member = std::make_unique<CSpatchObj>();
    {
        CFolderObj folder;
        folder.GetMembers().AddTail(member.get());
        folder.CopyMembersDeep(folder);
    }
    member->SetName("still here");
    EXPECT_EQ(member->GetName(), "still here");
}
