#pragma once
// The AnimationMaster model file (.mdl), as far as its spline mesh goes.
//
// Writing gives one model whose mesh holds a spline per curve of the
// exportable patch objects, a control point ("CP") per node with x, y and
// -z; a node on a control point that an earlier CP of the same object sits
// on is written attached to the CP written just before it there, so the
// splines stay joined. Each exportable object becomes a group of its CPs.
//
// Reading takes only the "[MESH]" section into one patch object (z negated
// back, so an exported model returns as it was). The whole file is read
// and checked first: counts beyond the data, numbers that are none,
// attachments that name no CP or run in a loop, and a file cut short (no
// "[ENDMESH]" after the counted splines, or no "[ENDMODELFILE]" after it)
// throw CFormatError with the line. A spline of fewer than two CPs is
// dropped (its points stay).
#include "formats/exchange_ui.h"
#include "formats/token_scanner.h"

#include <memory>
#include <vector>

class CExportText;
class CSpatchObj;

// The whole file: the bounds of every control point of objects, then the
// splines and groups of the exportable ones.
void WriteMdlDocument(CExportText& text, const std::vector<CSpatchObj*>& objects,
                      const CMdlSettings& settings);
// The spline blocks of one object, its CPs numbered from firstCp; returns
// the next free number (firstCp when the object is not exportable).
int WriteMdlSplines(CExportText& text, CSpatchObj& obj, const CMdlSettings& settings, int firstCp);

enum MdlHeader {
    mdlHeaderOk = 0,
    mdlNotAModel = 1,  // the first word is not "[MODELFILE]"
    mdlCannotLoad = 2, // no "[MESH]", or a mesh version other than 2
};
// Reads up to and including the mesh version.
MdlHeader ReadMdlHeader(CTokenScanner& scanner);
// The splines after the header as a new patch object, its handles set; the
// rest of the file is read to its closing tag.
std::unique_ptr<CSpatchObj> ReadMdlSplines(CTokenScanner& scanner);
