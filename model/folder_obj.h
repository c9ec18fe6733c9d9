#pragma once
// A folder of the object hierarchy. Its own show and export switches apply to
// everything below it. Membership is by reference: the document's lists own
// the objects and folders a folder groups.
#include "model/base_obj.h"
#include "platform/base/obj_list.h"

class CArchive;

class CFolderObj : public CBaseObj {
public:
    int GetObjType() const override { return objTypeFolder; }

    // The objects and folders directly inside this folder, in tree order. Not
    // owned: the document's lists own them, and the hierarchy (CFolderList)
    // keeps this list and each member's parent in step.
    CRefList<CBaseObj>& GetMembers() { return m_members; }
    const CRefList<CBaseObj>& GetMembers() const { return m_members; }
    // Empties the member list without deleting anything.
    void RemoveAllMembers() { m_members.RemoveAll(); }

    // Deep copies of source's patch objects and folders (recursively), kept
    // by this folder for the undo of a folder deletion; other kinds are not
    // copied. The copies are owned here until DeleteOwnedCopies or the end of
    // this folder.
    void CopyMembersDeep(const CFolderObj& source);
    const CObjList<CBaseObj>& GetOwnedCopies() const { return m_ownedCopies; }
    void DeleteOwnedCopies() { m_ownedCopies.RemoveAll(); }

    // Position in the document's folder list, written before the hierarchy is stored.
    int GetTreeIndex() const { return m_treeIndex; }
    void SetTreeIndex(int v) { m_treeIndex = v; }

    // The folder record of the document file: name, the seven switches and
    // the four carried vectors. Reading applies all of it, so a saved folder
    // comes back as it was. Both return 1; a short stream throws.
    int Write(CArchive& ar) const;
    int Read(CArchive& ar);

private:
    CRefList<CBaseObj> m_members;
    CObjList<CBaseObj> m_ownedCopies;
    int m_treeIndex = 0;
};
