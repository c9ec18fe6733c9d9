// Points of a patch's single bicubic net, in single precision so that every
// sampler (display mesh, polygon conversion) gets the same floats.
#include "model/spatch_obj.h"

CVector3 CSpatchObj::EvaluateQuadNet(const PatchNet& net, float s, float t) {
    const float us = 1.0f - s;
    const float ut = 1.0f - t;
    const float ws[4] = {us * us * us, 3.0f * us * us * s, 3.0f * us * s * s, s * s * s};
    const float wt[4] = {ut * ut * ut, 3.0f * ut * ut * t, 3.0f * ut * t * t, t * t * t};
    float out[3] = {0.0f, 0.0f, 0.0f};
    for (int column = 0; column < 4; ++column) {
        for (int axis = 0; axis < 3; ++axis) {
            float q = 0.0f;
            for (int row = 0; row < 4; ++row)
                q += wt[row] * net[(row * 4 + column) * 3 + axis];
            out[axis] += ws[column] * q;
        }
    }
    return CVector3(out[0], out[1], out[2]);
}

void CSpatchObj::EvaluateQuadPatch(CVector3& out, const CPatch* patch, float s, float t) const {
    if (!patch)
        return;
    PatchNet net{};
    patch->BuildNet(net);
    out = EvaluateQuadNet(net, s, t);
}
