#pragma once
// The sPatch token format (.spt): control points, the curves through them
// with their node flags and weights, and the links that tell each point
// which curves pass through it; patches are found again from the curves.
// Version 1 holds one object (also the Clip Shapes files); version 2 holds
// up to eight, one per layer. The file's z axis is the negation of ours.
//
// Reading checks the whole body before it builds anything: counts must fit
// the file, every index must name a point, curve or node of the file, each
// node must be linked exactly once from its own point, and (version 2) a
// curve's nodes must all lie in one layer. A body that breaks any of this
// throws CFormatError naming the line; the objects are then not touched.
#include "formats/token_scanner.h"

#include <array>
#include <memory>
#include <vector>

class CSpatchObj;

inline constexpr int kSptLayerCount = 8;

// The header's version (1 or 2); 0 when the file does not start with the
// word "sPatches", a word and a version this format has. Reads three words.
int ReadSptHeader(CTokenScanner& scanner);

// The version-1 body, everything after the header, into object, which must
// have no points and no curves (else nothing is read). Points keep the file's
// order, curves and links too; handles are updated.
void ReadSptBody(CTokenScanner& scanner, CSpatchObj& object);

// The version-2 body, one new object per layer that holds a point (null for
// the others), each as ReadSptBody builds it.
std::array<std::unique_ptr<CSpatchObj>, kSptLayerCount> ReadSptLayers(CTokenScanner& scanner);

// Version-2 text of the given objects, one layer each in order (at most
// eight are written; the caller chooses them). Numbers the objects' points
// and curves.
std::string WriteSptText(const std::vector<CSpatchObj*>& layers);
