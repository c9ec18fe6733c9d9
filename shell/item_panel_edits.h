#pragma once
// What the folder panel and the polygon panel do to the selected folder or
// polygon object, free of windows. The folder's changes are undo steps; the
// polygon object's options record none, but every change marks the document
// modified.
#include "platform/base/cstring.h"
#include "platform/base/win_types.h"

class CFolderObj;
class CPolygonObj;
class CQuelDoc;

// Renames the folder as one undo step; the tree, panels and multi-object list follow.
void RenameFolder(CQuelDoc& doc, CFolderObj& folder, const CString& name);
// The folder's show switch (the panes repaint, and again on undo) and its
// export switch, each one undo step.
void SetFolderShow(CQuelDoc& doc, CFolderObj& folder, int show);
void SetFolderExport(CQuelDoc& doc, CFolderObj& folder, int exportOn);

// The polygon panel's values, one per control.
struct CPolygonValues {
    CString name;
    COLORREF color = 0;
    int show = 0;
    int exportOn = 0;
    int noShadow = 0;
    int editDisabled = 0;
    int oneSide = 0;
    int smooth = 0;
    float angle = 60.0f;
    int layer = -1;
    int useMaterial = 0;
    CString materialName;
};
CPolygonValues ReadPolygonValues(const CPolygonObj& polygon);

enum class PolygonField {
    color,
    show,
    exportOn,
    noShadow,
    editDisabled,
    oneSide,
    smooth,
    angle,
    useMaterial
};
// Sets the field from values, derives the normals again for the smoothing
// fields, repaints what shows the change, marks the document modified.
void ChangePolygon(CQuelDoc& doc, CPolygonObj& polygon, PolygonField field, const CPolygonValues& values);
// Renames the polygon object as one undo step; its tree item and the multi-object list follow.
void RenamePolygon(CQuelDoc& doc, CPolygonObj& polygon, const CString& name);
