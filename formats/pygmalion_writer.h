#pragma once
// The Pygmalion graph file (.pyg) of one patch object: its control points
// with the curve segments and patches round each, its curve segments with
// the patches along each, and its three- and four-sided patches with their
// segments and corners. Coordinates are x, y and -z.
//
// The patches written are found afresh on a copy of the object (three- then
// four-sided, no five-sided ones); with createAllSurfaces every region closed
// by three or four curves counts, corners that may not be patch corners and
// repeated points included. The object itself is left as it was.
#include "platform/base/cstring.h"

class CExportText;
class CSpatchObj;

void WritePygmalion(CExportText& text, CSpatchObj& obj, int createAllSurfaces);
// Writes the file whole; a failure is told to the user and gives false.
bool SavePygmalion(CSpatchObj& obj, int createAllSurfaces, const CString& path);
