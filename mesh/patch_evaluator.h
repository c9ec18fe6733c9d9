#pragma once
// CPatchEvaluator: the nets of three-sided patches for the mesh builder and
// the scene writers. It keeps no state; callers build one on the stack.
// A triangle is split at its centre into three four-sided nets, one per
// corner, that join without gaps; a patch that is not a complete triangle
// leaves the output nets as they were.
#include "model/patch_elements.h"

class CSpatchObj;

class CPatchEvaluator {
public:
    virtual ~CPatchEvaluator() = default;

    // The first net of the patch in its triangle layout (12 of its 16 points).
    void BuildTriPatchNet(const CSpatchObj* object, const CPatch* patch, PatchNet& net) const;
    // The three nets from the boundary of a first net; first may be sub0.
    void BuildTriPatchNets(const CSpatchObj* object, const CPatch* patch, const PatchNet& first,
                           PatchNet& sub0, PatchNet& sub1, PatchNet& sub2) const;
    // Both passes into the caller's nets; the patch's own nets are untouched.
    void GetTriPatchNets(const CSpatchObj* object, const CPatch* patch, PatchNet& sub0, PatchNet& sub1,
                         PatchNet& sub2) const;
    static void SetNetPoint(PatchNet& net, const CVector3& p, int row, int column);
};
