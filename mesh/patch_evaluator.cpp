#include "mesh/patch_evaluator.h"

#include "model/tri_patch_net.h"

// The arithmetic lives with the model, whose lazy net update needs it too.

void CPatchEvaluator::BuildTriPatchNet(const CSpatchObj*, const CPatch* patch, PatchNet& net) const {
    if (patch)
        BuildTriPatchFirstNet(*patch, net);
}

void CPatchEvaluator::BuildTriPatchNets(const CSpatchObj*, const CPatch*, const PatchNet& first,
                                        PatchNet& sub0, PatchNet& sub1, PatchNet& sub2) const {
    SplitTriPatchNet(first, sub0, sub1, sub2);
}

void CPatchEvaluator::GetTriPatchNets(const CSpatchObj*, const CPatch* patch, PatchNet& sub0, PatchNet& sub1,
                                      PatchNet& sub2) const {
    PatchNet first{};
    if (patch && BuildTriPatchFirstNet(*patch, first))
        SplitTriPatchNet(first, sub0, sub1, sub2);
}

void CPatchEvaluator::SetNetPoint(PatchNet& net, const CVector3& p, int row, int column) {
    ::SetNetPoint(net, row * 4 + column, p);
}
