#pragma once
// What every exchange format shares: the rule that decides which objects are
// exported, the temporary mesh a mesh exporter writes an object from, the
// busy cursor, the colour channels, and how a written file is saved and a
// failure told.
#include "formats/export_text.h"
#include "mesh/patch_mesh.h"
#include "platform/base/win_types.h"

#include <cstdint>
#include <memory>
#include <vector>

class CPolygonObj;
class CQuelDoc;
class CSpatchObj;

// The patch objects (polygon objects) whose own export switch and every
// folder's above them are on, in list order.
std::vector<CSpatchObj*> ExportablePatchObjects(const CQuelDoc& doc);
std::vector<CPolygonObj*> ExportablePolygonObjects(const CQuelDoc& doc);

// The object as a mesh at the subdivision (1: the control net as faces, 2:
// quads through each patch's centre, 4, 6, 8: an evaluated grid), with the
// object's name and colour; the object is rebuilt first when its patches are
// out of date. Meshes are made per object and never kept.
std::unique_ptr<CPatchMesh> BuildExportMesh(CSpatchObj& obj, int subdivision);

// Red (0), green (1) or blue (2) of a packed 0x00BBGGRR colour, from 0 to 1.
inline double ColorChannel(uint32_t color, int channel) {
    return static_cast<double>((color >> (8 * channel)) & 0xFF) / 255.0;
}

// The wait cursor while it lives.
class CBusyCursor {
public:
    CBusyCursor();
    ~CBusyCursor();
    CBusyCursor(const CBusyCursor&) = delete;
    CBusyCursor& operator=(const CBusyCursor&) = delete;
};

// Writes text to path whole; a failure is told to the user (the old file
// stays) and gives false.
bool SaveExportFile(const CExportText& text, const CString& path);

// Tells the user, in his language, that there is nothing to export.
void ReportNothingToExport();
// A message box with the text of his language and the caption "error" / "エラー".
void ShowFormatError(const char* english, const char* japanese);
// TRUE while the current document has a patch object: the enabler of most exports.
BOOL DocumentHasPatchObjects();
