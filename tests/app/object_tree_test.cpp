#include "app/object_tree.h"
#include "platform/base/archive.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// A scene's object and folder lists with a hierarchy over them, every node
// created at the top level as the document creates them.
struct Scene {
    explicit Scene(int objectCount, int folderCount) {
        for (int i = 0; i < objectCount; ++i) {
            CSpatchObj* obj = objects.Emplace();
            obj->SetName(CString("obj") + std::to_string(i));
            tree.AddRoot(obj);
        }
        for (int i = 0; i < folderCount; ++i) {
            CFolderObj* folder = folders.Emplace();
            folder->SetName(CString("folder") + std::to_string(i));
            folder->SetKey(CString("folder") + std::to_string(i));
            tree.AddRoot(folder);
        }
    }
    CSpatchObj* Obj(int i) const { return objects.GetAtIndex(i); }
    CFolderObj* Folder(int i) const { return folders.GetAtIndex(i); }

    CObjList<CSpatchObj> objects;
    CObjList<CFolderObj> folders;
    CFolderList tree;
};

// The tree as text: names, a folder's members in brackets.
std::string Describe(const CRefList<CBaseObj>& nodes) {
    std::string text;
    for (const CBaseObj* node : nodes) {
        text += (text.empty() ? "" : " ") + node->GetName().str();
        if (node->GetObjType() == objTypeFolder)
            text += "[" + Describe(static_cast<const CFolderObj*>(node)->GetMembers()) + "]";
    }
    return text;
}

// Every member's parent is the folder that lists it; top-level nodes have none.
void ExpectParentsConsistent(const CRefList<CBaseObj>& nodes, const CFolderObj* parent) {
    for (const CBaseObj* node : nodes) {
        EXPECT_EQ(node->GetParentFolder(), parent) << node->GetName().str();
        EXPECT_EQ(node->GetParentKey(), parent ? parent->GetKey() : CString());
        if (node->GetObjType() == objTypeFolder)
            ExpectParentsConsistent(static_cast<const CFolderObj*>(node)->GetMembers(),
                                    static_cast<const CFolderObj*>(node));
    }
}

// The record as the layout gives it, built by hand.
class RecordBytes {
public:
    RecordBytes& Int(int32_t v) {
        m_ar << v;
        return *this;
    }
    RecordBytes& Text(const char* text) {
        m_ar << CString(text);
        return *this;
    }
    RecordBytes& Tag(const char* tag, int32_t index) {
        m_ar << CString(tag) << index;
        return *this;
    }
    std::string Bytes() const { return m_ar.GetBytes(); }

private:
    CArchive m_ar;
};

} // namespace

TEST(ObjectTreeTest, MovesKeepOneNodeInOnePlace) {
    Scene s(3, 3);
    CFolderObj* a = s.Folder(0);
    CFolderObj* b = s.Folder(1);
    s.tree.MoveIntoFolder(b, a);
    s.tree.MoveIntoFolder(s.Obj(0), b);
    EXPECT_EQ(Describe(s.tree.GetRoot()), "obj1 obj2 folder0[folder1[obj0]] folder2[]");

    s.tree.MoveIntoFolder(a, s.Folder(2));
    EXPECT_EQ(Describe(s.tree.GetRoot()), "obj1 obj2 folder2[folder0[folder1[obj0]]]")
        << "a folder moves with its whole subtree";
    EXPECT_EQ(s.Obj(0)->GetParentKey(), "folder1");
    EXPECT_EQ(s.Obj(0)->IsShownEffective(), 1);
    s.Folder(2)->SetShow(0);
    EXPECT_EQ(s.Obj(0)->IsShownEffective(), 0) << "hidden through an ancestor";

    s.tree.MoveIntoFolder(s.Obj(0), nullptr);
    EXPECT_EQ(Describe(s.tree.GetRoot()), "obj1 obj2 folder2[folder0[folder1[]]] obj0");
    EXPECT_EQ(s.Obj(0)->IsShownEffective(), 1);
    ExpectParentsConsistent(s.tree.GetRoot(), nullptr);
}

TEST(ObjectTreeTest, RefusedMovesChangeNothing) {
    Scene s(2, 3);
    s.tree.MoveIntoFolder(s.Folder(1), s.Folder(0));
    s.tree.MoveIntoFolder(s.Folder(2), s.Folder(1));
    s.tree.MoveIntoFolder(s.Obj(0), s.Folder(0));
    s.tree.MoveIntoFolder(s.Obj(1), s.Folder(0));
    const std::string before = Describe(s.tree.GetRoot());
    ASSERT_EQ(before, "folder0[folder1[folder2[]] obj0 obj1]");
    struct Case {
        const char* name;
        CBaseObj* obj;
        CBaseObj* folder;
    } cases[] = {
        {"into itself", s.Folder(0), s.Folder(0)},
        {"into its own member", s.Folder(0), s.Folder(1)},
        {"into a grandchild", s.Folder(0), s.Folder(2)},
        {"into a patch object", s.Folder(2), s.Obj(1)},
        {"where it already is", s.Obj(0), s.Folder(0)},
        {"top level to the top level", s.Folder(0), nullptr},
        {"no object", nullptr, s.Folder(0)},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(CanMoveIntoFolder(c.obj, c.folder)) << c.name;
        s.tree.MoveIntoFolder(c.obj, c.folder);
        EXPECT_EQ(Describe(s.tree.GetRoot()), before) << c.name << " (obj0 was not re-appended)";
    }
    ExpectParentsConsistent(s.tree.GetRoot(), nullptr);
}

TEST(ObjectTreeTest, WritesTheTreeDepthFirst) {
    // Root: F, then object 1; F holds objects 0 and 2.
    Scene s(3, 1);
    s.tree.MoveIntoFolder(s.Obj(0), s.Folder(0));
    s.tree.MoveIntoFolder(s.Obj(2), s.Folder(0));
    s.tree.RemoveFromRoot(s.Obj(1));
    s.tree.AddRoot(s.Obj(1));
    ASSERT_EQ(Describe(s.tree.GetRoot()), "folder0[obj0 obj2] obj1");
    CArchive out;
    s.tree.WriteTree(out, s.objects, s.folders);
    EXPECT_EQ(out.GetBytes(),
              RecordBytes().Int(2).Tag("fl", 0).Int(2).Tag("po", 0).Tag("po", 2).Tag("po", 1).Bytes());
}

TEST(ObjectTreeTest, ReadingRestoresTheTree) {
    Scene saved(4, 3);
    saved.tree.MoveIntoFolder(saved.Folder(2), saved.Folder(0));
    saved.tree.MoveIntoFolder(saved.Obj(3), saved.Folder(2));
    saved.tree.MoveIntoFolder(saved.Obj(0), saved.Folder(1));
    saved.tree.MoveIntoFolder(saved.Obj(1), saved.Folder(0));
    CArchive out;
    saved.tree.WriteTree(out, saved.objects, saved.folders);

    Scene loaded(4, 3);
    CArchive in(out.GetBytes());
    loaded.tree.ReadTree(in, loaded.objects, loaded.folders);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(Describe(loaded.tree.GetRoot()), Describe(saved.tree.GetRoot()));
    ExpectParentsConsistent(loaded.tree.GetRoot(), nullptr);
}

TEST(ObjectTreeTest, DamagedRecordsThrow) {
    struct Case {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"object index past the end", RecordBytes().Int(1).Tag("po", 2).Bytes()},
        {"negative folder index", RecordBytes().Int(1).Tag("fl", -1).Int(0).Bytes()},
        {"negative count", RecordBytes().Int(-1).Bytes()},
        {"count beyond the stream", RecordBytes().Int(1000).Tag("po", 0).Bytes()},
        {"member count beyond the stream", RecordBytes().Int(1).Tag("fl", 0).Int(50).Bytes()},
        {"truncated", RecordBytes().Int(2).Tag("po", 0).Bytes()},
    };
    for (const Case& c : cases) {
        Scene s(2, 1);
        CArchive in(c.bytes);
        EXPECT_THROW(s.tree.ReadTree(in, s.objects, s.folders), CArchiveException) << c.name;
    }
}

TEST(ObjectTreeTest, NestingBeyondTheLimitIsADamagedFile) {
    // One folder named again and again inside itself: each repeat is a refused
    // move, but the nesting alone must not run away with the reader.
    auto nested = [](int depth) {
        RecordBytes bytes;
        bytes.Int(1);
        for (int i = 0; i < depth; ++i)
            bytes.Tag("fl", 0).Int(1);
        bytes.Tag("po", 0);
        return bytes.Bytes();
    };
    {
        Scene s(1, 1);
        CArchive in(nested(CFolderList::maxReadDepth));
        s.tree.ReadTree(in, s.objects, s.folders);
        EXPECT_EQ(Describe(s.tree.GetRoot()), "folder0[obj0]");
    }
    Scene s(1, 1);
    CArchive in(nested(CFolderList::maxReadDepth + 1));
    EXPECT_THROW(s.tree.ReadTree(in, s.objects, s.folders), CArchiveException);
}

TEST(ObjectTreeTest, UnknownTagsAndRepeatsAreTolerated) {
    Scene s(2, 2);
    // An unknown tag reads nothing more; a node named twice ends where the
    // last record puts it.
    CArchive in(RecordBytes()
                    .Int(3)
                    .Tag("fl", 0)
                    .Int(1)
                    .Tag("po", 0)
                    .Text("??")
                    .Tag("fl", 1)
                    .Int(1)
                    .Tag("po", 0)
                    .Bytes());
    s.tree.ReadTree(in, s.objects, s.folders);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(Describe(s.tree.GetRoot()), "obj1 folder0[] folder1[obj0]");
}
