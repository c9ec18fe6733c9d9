#pragma once
// What the object page does to the scene, free of windows: new patch objects
// and folders, copies and deletions of the selected item, and the selection
// a tree item stands for. Every change is one undo step. The page itself
// (registered window 27) is told which items to add, select and remove; the
// commands work the same when it is missing.
#include <cstdint>
#include <random>

class CBaseObj;
class CFolderObj;
class CQuelDoc;
class CSpatchObj;

// Selects what a tree item stands for (null: Root, or no item): that patch
// object, polygon object or folder alone. Patch objects that lose the
// selection also lose their selected points.
void ApplyTreeSelection(CQuelDoc& doc, const CBaseObj* selection);

class CObjectTreeCommands {
public:
    // The colours of new objects come from a generator of the page's own,
    // which no other tool reseeds.
    explicit CObjectTreeCommands(uint32_t seed);

    // "patch_obj_00", then the first free of patch_obj_01 ... patch_obj_09,
    // patch_obj_10 ...; a random colour; its item added and selected.
    CSpatchObj* CreatePatchObject(CQuelDoc& doc);
    // The same with "group_00" and so on.
    CFolderObj* CreateFolder(CQuelDoc& doc);
    // A selected patch object is copied to the top level under a copy name,
    // with a random colour, and the copy is selected; a selected folder is
    // copied with everything below it, keeping their colours. Without a
    // selection the user is told. Polygon objects are not copied.
    void CopySelected(CQuelDoc& doc);
    // Asks, then deletes the selected patch object, polygon object or folder
    // (with everything below it). Without a selection the user is told.
    void DeleteSelected(CQuelDoc& doc);

    // Red, green and blue each 0 to 254, packed 0x00BBGGRR.
    uint32_t RandomColor();

private:
    void CopyPatchObject(CQuelDoc& doc, CSpatchObj& source);
    void CopyFolderTree(CQuelDoc& doc, CFolderObj& source);
    // The copy of source inside parent (null: the top level), with its
    // members copied below it, each saved in the open undo record.
    CFolderObj* CopyFolder(CQuelDoc& doc, CFolderObj& source, CFolderObj* parent);

    std::minstd_rand m_random;
};
