#pragma once
// Filling per-vertex incidence lists in one piece: the items are offered
// twice in the same order, once to count them per vertex and once to place
// them, so each vertex's list keeps the order of the offers. Offers for a
// vertex outside 0..vertexCount-1 are ignored.
#include "mesh/patch_mesh.h"

// visit(place) calls place(vertex, item) for every item.
template <class Visit> void FillIncidence(CMeshIncidence& incidence, int vertexCount, Visit visit) {
    incidence.offsets.assign(vertexCount > 0 ? vertexCount + 1 : 1, 0);
    std::vector<int32_t>& offsets = incidence.offsets;
    visit([&](int32_t v, int32_t) {
        if (v >= 0 && v < vertexCount)
            ++offsets[v + 1];
    });
    for (int v = 0; v < vertexCount; ++v)
        offsets[v + 1] += offsets[v];
    incidence.items.resize(offsets.back());
    std::vector<int32_t> fill(offsets.begin(), offsets.end() - 1);
    visit([&](int32_t v, int32_t item) {
        if (v >= 0 && v < vertexCount)
            incidence.items[fill[v]++] = item;
    });
}

// The faces of one kind at each of their first `corners` corners, in face order.
inline void FillFaceIncidence(CMeshIncidence& incidence, int vertexCount, const std::vector<CMeshFace>& faces,
                              int corners) {
    FillIncidence(incidence, vertexCount, [&](auto place) {
        for (size_t f = 0; f < faces.size(); ++f)
            for (int k = 0; k < corners; ++k)
                place(faces[f].vertex[k], static_cast<int32_t>(f));
    });
}
