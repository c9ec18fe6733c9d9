#include "model/folder_obj.h"
#include "model/spatch_obj.h"
#include "platform/base/archive.h"
#include "support/model_builders.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

TEST(FolderObjTest, RecordMatchesTheReferenceAndReadsBackWhole) {
    // The reference record's folder: every switch away from its default.
    CFolderObj folder;
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
    CArchive out;
    EXPECT_EQ(folder.Write(out), 1);
    const std::string reference =
        qf::test::ReadFileBytes((qf::test::DataDir() / "records/folder.bin").string());
    EXPECT_EQ(out.GetBytes(), reference);
    EXPECT_EQ(reference.size(), 10u + 76u) << "the encoded name, then 76 bytes";

    CFolderObj loaded;
    CArchive in(reference);
    EXPECT_EQ(loaded.Read(in), 1);
    EXPECT_TRUE(in.AtEnd());
    // The switches come back as they were saved, not as a new folder has them.
    EXPECT_EQ(loaded.GetShow(), 0);
    EXPECT_EQ(loaded.GetExport(), 0);
    EXPECT_EQ(loaded.IsEditable(), 0);
    CArchive again;
    loaded.Write(again);
    EXPECT_EQ(again.GetBytes(), reference);

    CArchive truncated(reference.substr(0, reference.size() - 1));
    EXPECT_THROW(loaded.Read(truncated), CArchiveException);
}

TEST(FolderObjTest, DeepCopyTakesPatchObjectsAndFoldersOnly) {
    auto patch = qf::test::MakeFlatQuadGrid(1);
    patch->SetKey("spatch_obj3");
    patch->SetSmoothing(1);
    CFolderObj inner;
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
    const auto* folderCopy = static_cast<const CFolderObj*>(holder.GetOwnedCopies().GetHead());
    ASSERT_EQ(folderCopy->GetObjType(), objTypeFolder);
    EXPECT_EQ(folderCopy->GetKey(), "folder1");
    EXPECT_EQ(folderCopy->GetShow(), 0);
    EXPECT_EQ(folderCopy->GetOwnedCopies().GetCount(), 1);
    const auto* patchCopy = static_cast<const CSpatchObj*>(holder.GetOwnedCopies().GetTail());
    ASSERT_EQ(patchCopy->GetObjType(), objTypePatch);
    EXPECT_EQ(patchCopy->GetKey(), "spatch_obj3");
    EXPECT_EQ(patchCopy->GetSmoothing(), 1);
    EXPECT_EQ(patchCopy->GetCurves().GetCount(), patch->GetCurves().GetCount());
    holder.DeleteOwnedCopies();
    EXPECT_TRUE(holder.GetOwnedCopies().IsEmpty());
    EXPECT_EQ(patch->GetVertices().GetCount(), 4) << "members are never deleted by their folder";
}
