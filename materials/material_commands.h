#pragma once
// What the material page's buttons and the material panel's rename do to
// the scene, free of windows: new materials, copies, deletion and renaming,
// each one undo step. The material page (registered window 29) is told
// which items to add, select, rename and remove; selecting an item selects
// its material and shows its panel. The object panel (registered window 31)
// is refreshed where it shows material names. Without the page the
// commands work the same.
#include "platform/base/cstring.h"

class CMaterialData;
class CQuelDoc;

// "material_00", then the first free of material_01 ... material_09,
// material_10 ...; its item added and selected.
CMaterialData* CreateMaterial(CQuelDoc& doc);
// A copy of the selected material named after it with "(copy)", "(copy)01"
// ...; its item added and selected. Without a selected material the user is
// told and nothing is made.
CMaterialData* CopySelectedMaterial(CQuelDoc& doc);
// Asks, then deletes the selected material. Without a selected material the
// user is told.
void DeleteSelectedMaterial(CQuelDoc& doc);
// Gives the material the name (which the caller checked) and its item the
// new text, the top level sorted again.
void RenameMaterial(CQuelDoc& doc, CMaterialData& mat, const CString& name);
