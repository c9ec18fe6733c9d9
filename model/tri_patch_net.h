#pragma once
// The nets of a three-sided patch. A triangle is never drawn as one
// triangular surface: it is split at its centre into three four-sided pieces,
// one per corner, that meet at the centre and at the middle of each edge. The
// corners and handles are first gathered into one net in a triangle layout;
// the split then reads only that net's twelve boundary points, so a pass that
// adjusts handles in between (the smoothing of the nets) reaches the pieces.
#include "model/patch_elements.h"

// First pass. Corner T0 at (0,0); edge 0 runs down column 0 to T1 at (3,0),
// edge 1 along row 3 to T2 at (3,3), edge 2 back through (2,3) and (1,2);
// (1,1), (2,1) and (2,2) take the parallelogram point of the two handles at
// T0, T1 and T2. Points (0,1), (0,2), (0,3) and (1,3) keep what net held. A
// patch that is not a complete triangle leaves net untouched and gives false.
bool BuildTriPatchFirstNet(const CPatch& patch, PatchNet& net);

// Second pass: sub-net k belongs to corner k; its row 0 is the first half of
// edge k, its column 0 the second half of edge k-1 run back from the corner,
// its (3,3) the common centre, and its column 3 equals row 3 of sub-net k+1.
// Every input point is read before any output is written, so first may be
// one of the outputs.
void SplitTriPatchNet(const PatchNet& first, PatchNet& sub0, PatchNet& sub1, PatchNet& sub2);
