// Points of a patch's single bicubic net, in single precision so that every
// sampler (display mesh, polygon conversion) gets the same floats.
#include "model/quad_net_eval.h"
#include "model/spatch_obj.h"

CVector3 CSpatchObj::EvaluateQuadNet(const PatchNet& net, float s, float t) {
    float ws[4], wt[4], q[12], out[3];
    QuadNetWeights(s, ws);
    QuadNetWeights(t, wt);
    QuadNetColumns(net, wt, q);
    QuadNetPoint(q, ws, out);
    return CVector3(out[0], out[1], out[2]);
}

void CSpatchObj::EvaluateQuadPatch(CVector3& out, const CPatch* patch, float s, float t) const {
    if (!patch)
        return;
    PatchNet net{};
    patch->BuildNet(net);
    out = EvaluateQuadNet(net, s, t);
}
