#pragma once
// The object hierarchy: patch objects and folders arranged in a tree whose
// top level this list holds and whose lower levels are the folders' member
// lists. It moves nodes between places without ever making a cycle, and
// writes and reads the tree as the document's "object_tree" section.
#include "model/folder_obj.h"
#include "model/spatch_obj.h"
#include "platform/base/obj_list.h"

class CArchive;

// Whether obj may move under folder (null: the top level): not into itself,
// not where it already is, not into something that is no folder, and not
// into one of its own descendants.
bool CanMoveIntoFolder(const CBaseObj* obj, const CBaseObj* folder);

class CFolderList {
public:
    // Folders nested deeper than this in a file mean the file is damaged.
    static constexpr int maxReadDepth = 256;

    // The top-level nodes in tree order. Not owned: the document's object and
    // folder lists own every node and must take a node out of the tree before
    // deleting it.
    const CRefList<CBaseObj>& GetRoot() const { return m_root; }
    // Appends a new top-level node (its parent is null).
    void AddRoot(CBaseObj* node) { m_root.AddTail(node); }
    // Moves every top-level node of other to the end of this top level, in
    // order; it moves their list nodes and cannot fail.
    void AppendRootsFrom(CFolderList& other) noexcept { m_root.AppendFrom(other.m_root); }
    // Removes the first occurrence; nothing when absent.
    void RemoveFromRoot(CBaseObj* node) { m_root.Remove(node); }
    void RemoveAll() { m_root.RemoveAll(); }

    // Moves obj, with its subtree, to the end of folder's members (or of the
    // top level when folder is null) when CanMoveIntoFolder allows it; else
    // nothing.
    void MoveIntoFolder(CBaseObj* obj, CBaseObj* folder);
    // The position of node among the members of its folder (or the top level); -1 when it is not there.
    int GetPlace(const CBaseObj* node) const;
    // Moves node to that position among its siblings; a position past the end puts it last.
    void SetPlace(CBaseObj* node, int place);

    // Numbers the objects and folders by list position (their tree indices)
    // and writes the tree after the section keyword, which the caller writes.
    void WriteTree(CArchive& ar, CObjList<CSpatchObj>& objects, CObjList<CFolderObj>& folders) const;
    // Reads the tree into nodes that are all at the top level, linking the
    // objects and folders read earlier from the same file by their positions;
    // the top level ends in the file's order.
    // A node whose index lies outside those lists is skipped; a skipped
    // folder's members are read but stay where they are. An impossible count
    // or nesting deeper than maxReadDepth throws CArchiveException: the file
    // is damaged.
    void ReadTree(CArchive& ar, const CObjList<CSpatchObj>& objects, const CObjList<CFolderObj>& folders);

private:
    CRefList<CBaseObj> m_root;
};
