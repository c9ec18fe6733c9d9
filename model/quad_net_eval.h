#pragma once
// The single-precision evaluation of a bicubic net in its three steps, for
// samplers that reuse the weights of a parameter or the column sums of a row
// across many points: whichever way they are combined, the point is the one
// CSpatchObj::EvaluateQuadNet gives at the same (s, t), to the last bit.
#include "model/patch_elements.h"

// The cubic Bernstein weights of u.
inline void QuadNetWeights(float u, float w[4]) {
    const float v = 1.0f - u;
    w[0] = v * v * v;
    w[1] = 3.0f * v * v * u;
    w[2] = 3.0f * v * u * u;
    w[3] = u * u * u;
}

// The four columns of net summed with the row weights wt: column c's point
// is q[c * 3] to q[c * 3 + 2].
inline void QuadNetColumns(const PatchNet& net, const float wt[4], float q[12]) {
    for (int column = 0; column < 4; ++column)
        for (int axis = 0; axis < 3; ++axis) {
            float sum = 0.0f;
            for (int row = 0; row < 4; ++row)
                sum += wt[row] * net[(row * 4 + column) * 3 + axis];
            q[column * 3 + axis] = sum;
        }
}

// The point of the column sums at the column weights ws, into out[0..2].
inline void QuadNetPoint(const float q[12], const float ws[4], float out[3]) {
    out[0] = out[1] = out[2] = 0.0f;
    for (int column = 0; column < 4; ++column)
        for (int axis = 0; axis < 3; ++axis)
            out[axis] += ws[column] * q[column * 3 + axis];
}
