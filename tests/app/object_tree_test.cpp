#include "app/object_tree.h"
#include "platform/base/archive.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// Object and folder lists with a hierarchy over them, every node created at
// the top level as the document creates them.
struct Scene {
    Scene() {
        for (int i = 0; i < 3; ++i) {
            tree.AddRoot(objects.Emplace());
            objects.GetTail()->SetName(CString("o") + std::to_string(i));
            tree.AddRoot(folders.Emplace());
            folders.GetTail()->SetName(CString("F") + std::to_string(i));
            folders.GetTail()->SetKey(CString("folder") + std::to_string(i));
        }
    }
    CSpatchObj* O(int i) const { return objects.GetAtIndex(i); }
    CFolderObj* F(int i) const { return folders.GetAtIndex(i); }
    // The tree as text, a folder's members in brackets; every member's parent
    // must be the folder listing it.
    std::string Describe(const CRefList<CBaseObj>& nodes, const CFolderObj* parent = nullptr) const {
        std::string text;
        for (const CBaseObj* node : nodes) {
            EXPECT_EQ(node->GetParentFolder(), parent) << node->GetName().str();
            text += (text.empty() ? "" : " ") + node->GetName().str();
            if (const auto* folder =
                    node->GetObjType() == objTypeFolder ? static_cast<const CFolderObj*>(node) : nullptr)
                text += "[" + Describe(folder->GetMembers(), folder) + "]";
        }
        return text;
    }
    std::string Describe() const { return Describe(tree.GetRoot()); }

    CObjList<CSpatchObj> objects;
    CObjList<CFolderObj> folders;
    CFolderList tree;
};

// Record bytes built by hand from the layout.
struct Bytes {
    Bytes& Int(int32_t v) { return ar << v, *this; }
    Bytes& Tag(const char* tag, int32_t index) { return ar << CString(tag) << index, *this; }
    CArchive ar;
};

} // namespace

TEST(ObjectTreeTest, MovesKeepTheTreeFreeOfCycles) {
    Scene s;
    s.tree.MoveIntoFolder(s.F(1), s.F(0));
    s.tree.MoveIntoFolder(s.O(0), s.F(1));
    s.tree.MoveIntoFolder(s.F(0), s.F(2));
    EXPECT_EQ(s.Describe(), "o1 o2 F2[F0[F1[o0]]]") << "a folder moves with its subtree";
    EXPECT_EQ(s.O(0)->GetParentKey(), "folder1");
    s.F(2)->SetShow(0);
    EXPECT_EQ(s.O(0)->IsShownEffective(), 0) << "hidden through an ancestor";

    const std::string before = s.Describe();
    struct Case {
        const char* name;
        CBaseObj *obj, *folder;
    } refused[] = {
        {"into itself", s.F(0), s.F(0)},
        {"into its own member", s.F(2), s.F(1)},
        {"into a patch object", s.F(1), s.O(1)},
        {"where it already is", s.O(0), s.F(1)},
        {"top level to top level", s.O(1), nullptr},
        {"no object", nullptr, s.F(0)},
    };
    for (const Case& c : refused) {
        EXPECT_FALSE(CanMoveIntoFolder(c.obj, c.folder)) << c.name;
        s.tree.MoveIntoFolder(c.obj, c.folder);
        EXPECT_EQ(s.Describe(), before) << c.name;
    }
    s.tree.MoveIntoFolder(s.O(0), nullptr);
    EXPECT_EQ(s.Describe(), "o1 o2 F2[F0[F1[]]] o0");
    EXPECT_EQ(s.O(0)->IsShownEffective(), 1);
    EXPECT_EQ(s.O(0)->GetParentKey(), "");
}

TEST(ObjectTreeTest, WritesDepthFirstAndReadsBack) {
    Scene saved;
    // Root: F0 holding o0 and o2, then o1; the other folders inside o-less F2.
    saved.tree.MoveIntoFolder(saved.O(0), saved.F(0));
    saved.tree.MoveIntoFolder(saved.O(2), saved.F(0));
    saved.tree.MoveIntoFolder(saved.F(1), saved.F(2));
    saved.tree.RemoveFromRoot(saved.F(2));
    saved.tree.RemoveFromRoot(saved.O(1));
    saved.tree.AddRoot(saved.O(1));
    saved.tree.MoveIntoFolder(saved.F(2), saved.F(0));
    ASSERT_EQ(saved.Describe(), "F0[o0 o2 F2[F1[]]] o1");
    CArchive out;
    saved.tree.WriteTree(out, saved.objects, saved.folders);
    Bytes expected;
    expected.Int(2).Tag("fl", 0).Int(3).Tag("po", 0).Tag("po", 2).Tag("fl", 2).Int(1).Tag("fl", 1).Int(0).Tag(
        "po", 1);
    EXPECT_EQ(out.GetBytes(), expected.ar.GetBytes());

    Scene loaded;
    CArchive in(out.GetBytes());
    loaded.tree.ReadTree(in, loaded.objects, loaded.folders);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(loaded.Describe(), "F0[o0 o2 F2[F1[]]] o1");
}

// A stale reference costs only its own node: the rest of the tree is read.
TEST(ObjectTreeTest, NodesTheListsLackAreSkipped) {
    Scene s;
    CArchive in(Bytes()
                    .Int(3)
                    .Tag("fl", 7) // a folder the lists lack, with two members
                    .Int(2)
                    .Tag("po", 0)
                    .Tag("fl", 1)
                    .Int(2)
                    .Tag("po", 2)
                    .Tag("po", 3) // an object the lists lack, inside a folder that exists
                    .Tag("po", -1)
                    .Tag("fl", 2)
                    .Int(1)
                    .Tag("po", 1)
                    .ar.GetBytes());
    s.tree.ReadTree(in, s.objects, s.folders);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(s.Describe(), "F2[o1] o0 F0[] F1[o2]") << "members of the missing folder keep their place";
}

TEST(ObjectTreeTest, DamagedRecordsThrow) {
    auto nested = [](int depth) {
        Bytes b;
        b.Int(1);
        for (int i = 0; i < depth; ++i)
            b.Tag("fl", 0).Int(1);
        b.Tag("po", 0);
        return b.ar.GetBytes();
    };
    struct Case {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"negative count", Bytes().Int(-1).ar.GetBytes()},
        {"member count beyond the stream", Bytes().Int(1).Tag("fl", 0).Int(50).ar.GetBytes()},
        {"truncated", Bytes().Int(2).Tag("po", 0).ar.GetBytes()},
        {"nested beyond the limit", nested(CFolderList::maxReadDepth + 1)},
    };
    for (const Case& c : cases) {
        Scene s;
        CArchive in(c.bytes);
        EXPECT_THROW(s.tree.ReadTree(in, s.objects, s.folders), CArchiveException) << c.name;
    }
    // At the limit, one folder named inside itself again and again is only a
    // chain of refused moves; an unknown tag reads nothing more.
    Scene s;
    CArchive in(nested(CFolderList::maxReadDepth));
    s.tree.ReadTree(in, s.objects, s.folders);
    EXPECT_EQ(s.Describe(), "F0[o0] o1 F1[] o2 F2[]");
    CArchive unknown(Bytes().Int(2).Tag("??", 0).ar.GetBytes().substr(0, 7) +
                     Bytes().Tag("po", 1).ar.GetBytes());
    s.tree.ReadTree(unknown, s.objects, s.folders);
    EXPECT_TRUE(unknown.AtEnd());
}
