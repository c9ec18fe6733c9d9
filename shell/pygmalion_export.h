#pragma once
// File > Export > Pygmalion up to the writing: the export settings (which
// objects, and whether every region closed by three or four curves gets a
// surface, which the document keeps as its Pygmalion fill option), then the
// file to write. The Pygmalion writer of the patch object writes the target.
#include "model/spatch_obj.h"
#include "platform/base/cstring.h"

#include <memory>
#include <optional>

class CQuelDoc;

struct CPygmalionExportTarget {
    CString path;
    // The current object, or `merged`.
    CSpatchObj* object = nullptr;
    // The geometry of every patch object of the document in one object, when
    // all objects are exported.
    std::unique_ptr<CSpatchObj> merged;
};

// Nothing when the user cancelled a dialog, or chose the current object
// while there is none (he is told so).
std::optional<CPygmalionExportTarget> ChoosePygmalionExport(CQuelDoc& doc);
