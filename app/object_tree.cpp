#include "app/object_tree.h"

#include "platform/base/archive.h"

#include <limits>
#include <unordered_set>
#include <vector>

namespace {

const char* const kFolderTag = "fl";
const char* const kObjectTag = "po";

// Only patch objects and folders take part in the tree record.
bool IsTreeNode(const CBaseObj* node) {
    return node->GetObjType() == objTypePatch || node->GetObjType() == objTypeFolder;
}

int CountTreeNodes(const CRefList<CBaseObj>& nodes) {
    int n = 0;
    for (const CBaseObj* node : nodes)
        n += IsTreeNode(node) ? 1 : 0;
    return n;
}

void WriteNodes(CArchive& ar, const CRefList<CBaseObj>& nodes) {
    ar << int32_t{CountTreeNodes(nodes)};
    for (const CBaseObj* node : nodes) {
        if (node->GetObjType() == objTypeFolder) {
            const auto* folder = static_cast<const CFolderObj*>(node);
            ar << CString(kFolderTag) << int32_t{folder->GetTreeIndex()};
            WriteNodes(ar, folder->GetMembers());
        } else if (node->GetObjType() == objTypePatch) {
            ar << CString(kObjectTag) << int32_t{static_cast<const CSpatchObj*>(node)->GetTreeIndex()};
        }
    }
}

template <class T> std::vector<T*> ToVector(const CObjList<T>& list) {
    std::vector<T*> items;
    items.reserve(list.GetCount());
    for (T* item : list)
        items.push_back(item);
    return items;
}

class CTreeReader {
public:
    CTreeReader(CArchive& ar, CFolderList& tree, const CObjList<CSpatchObj>& objects,
                const CObjList<CFolderObj>& folders)
        : m_ar(ar), m_tree(tree), m_objects(ToVector(objects)), m_folders(ToVector(folders)) {}

    void ReadNodes(CFolderObj* parent, int depth, bool place = true) {
        if (depth > CFolderList::maxReadDepth)
            m_ar.Fail(CArchiveException::badSchema, "object tree nested too deeply");
        const int count = m_ar.ReadCount(std::numeric_limits<int>::max());
        for (int i = 0; i < count; ++i)
            ReadNode(parent, depth, place);
    }

    // Every node starts at the top level in the order it was created (a
    // reader creates all objects before any folder); the top level takes the
    // file's order again: the nodes the file puts there first, as it lists
    // them, then any it does not name.
    void RestoreTopLevelOrder() {
        std::vector<CBaseObj*> order;
        std::unordered_set<const CBaseObj*> placed;
        for (CBaseObj* node : m_topLevel)
            if (!node->GetParentFolder() && placed.insert(node).second)
                order.push_back(node);
        for (CBaseObj* node : m_tree.GetRoot())
            if (placed.insert(node).second)
                order.push_back(node);
        m_tree.RemoveAll();
        for (CBaseObj* node : order)
            m_tree.AddRoot(node);
    }

private:
    // The node at the index the file gives; null for one the lists lack,
    // which the reader skips.
    template <class T> T* Lookup(const std::vector<T*>& items) {
        int32_t index = 0;
        m_ar >> index;
        return index >= 0 && index < static_cast<int>(items.size()) ? items[index] : nullptr;
    }

    // place false: the node's own place is left as it is (a member of a
    // folder the lists lack); what lies below it is still read and placed.
    void ReadNode(CFolderObj* parent, int depth, bool place) {
        CString tag;
        m_ar >> tag;
        if (tag == kObjectTag) {
            CSpatchObj* obj = Lookup(m_objects);
            if (obj && place)
                Place(obj, parent);
        } else if (tag == kFolderTag) {
            CFolderObj* folder = Lookup(m_folders);
            if (folder && place)
                Place(folder, parent);
            ReadNodes(folder, depth + 1, folder != nullptr);
        }
    }

    void Place(CBaseObj* node, CFolderObj* parent) {
        m_tree.MoveIntoFolder(node, parent);
        if (!parent)
            m_topLevel.push_back(node);
    }

    CArchive& m_ar;
    CFolderList& m_tree;
    std::vector<CSpatchObj*> m_objects;
    std::vector<CFolderObj*> m_folders;
    std::vector<CBaseObj*> m_topLevel; // as the file lists the top level
};

} // namespace

bool CanMoveIntoFolder(const CBaseObj* obj, const CBaseObj* folder) {
    if (!obj || obj == folder || obj->GetParentFolder() == folder)
        return false;
    if (folder && folder->GetObjType() != objTypeFolder)
        return false;
    for (const CBaseObj* up = folder; up; up = up->GetParentFolder())
        if (up == obj)
            return false;
    return true;
}

void CFolderList::MoveIntoFolder(CBaseObj* obj, CBaseObj* folder) {
    if (!CanMoveIntoFolder(obj, folder))
        return;
    CFolderObj* oldParent = obj->GetParentFolder();
    CRefList<CBaseObj>& from = oldParent ? oldParent->GetMembers() : m_root;
    auto* target = static_cast<CFolderObj*>(folder);
    CRefList<CBaseObj>& to = target ? target->GetMembers() : m_root;
    // The node moves along, so that a move cannot fail halfway; a node that
    // was nowhere gets a new one before anything changes.
    if (const POSITION at = from.Find(obj))
        from.MoveToTailOf(at, to);
    else
        to.AddTail(obj);
    while (from.Remove(obj)) {
    }
    obj->SetParentFolder(target);
}

namespace {

CRefList<CBaseObj>& SiblingsOf(const CBaseObj* node, CRefList<CBaseObj>& root) {
    CFolderObj* parent = node->GetParentFolder();
    return parent ? parent->GetMembers() : root;
}

} // namespace

int CFolderList::GetPlace(const CBaseObj* node) const {
    const CFolderObj* parent = node ? node->GetParentFolder() : nullptr;
    return node ? (parent ? parent->GetMembers() : m_root).IndexOf(node) : -1;
}

void CFolderList::SetPlace(CBaseObj* node, int place) {
    CRefList<CBaseObj>& siblings = SiblingsOf(node, m_root);
    const POSITION at = siblings.Find(node);
    if (place < 0 || !at)
        return;
    // Where it lands once out of its place, moved by its node.
    POSITION before = siblings.FindIndex(place);
    if (before && siblings.IndexOf(node) <= place)
        siblings.GetNext(before);
    if (before != at)
        siblings.MoveBefore(at, before);
}

void CFolderList::WriteTree(CArchive& ar, CObjList<CSpatchObj>& objects,
                            CObjList<CFolderObj>& folders) const {
    int i = 0;
    for (CSpatchObj* obj : objects)
        obj->SetTreeIndex(i++);
    i = 0;
    for (CFolderObj* folder : folders)
        folder->SetTreeIndex(i++);
    WriteNodes(ar, m_root);
}

void CFolderList::ReadTree(CArchive& ar, const CObjList<CSpatchObj>& objects,
                           const CObjList<CFolderObj>& folders) {
    CTreeReader reader(ar, *this, objects, folders);
    reader.ReadNodes(nullptr, 0);
    reader.RestoreTopLevelOrder();
}
