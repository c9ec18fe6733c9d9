#pragma once
// Filling per-vertex incidence lists in one piece: the items are offered
// twice in the same order, once to count them per vertex and once to place
// them, so each vertex's list keeps the order of the offers. Offers for a
// vertex outside 0..vertexCount-1 are ignored.
#include "mesh/patch_mesh.h"

#include <cstdint>

// visit(place) calls place(vertex, item) or place(vertex, item, tag) for
// every item; tags, when given, receives each placed item's tag beside it.
template <class Visit>
void FillIncidence(CMeshIncidence& incidence, int vertexCount, Visit visit,
                   std::vector<uint8_t>* tags = nullptr) {
    std::vector<int32_t>& offsets = incidence.offsets;
    if (vertexCount <= 0) {
        offsets.assign(1, 0);
        incidence.items.clear();
        if (tags)
            tags->clear();
        return;
    }
    // Counted two places on, so that placing through offsets[v + 1] leaves
    // it at the end of v's list, the start of the next one.
    offsets.assign(static_cast<size_t>(vertexCount) + 2, 0);
    const auto n = static_cast<uint32_t>(vertexCount);
    visit([&](int32_t v, int32_t, int = 0) {
        if (static_cast<uint32_t>(v) < n)
            ++offsets[v + 2];
    });
    for (size_t v = 2; v < offsets.size(); ++v)
        offsets[v] += offsets[v - 1];
    incidence.items.resize(offsets.back());
    int32_t* items = incidence.items.data();
    uint8_t* tagged = nullptr;
    if (tags) {
        tags->resize(incidence.items.size());
        tagged = tags->data();
    }
    visit([&](int32_t v, int32_t item, int tag = 0) {
        if (static_cast<uint32_t>(v) < n) {
            const int32_t at = offsets[v + 1]++;
            items[at] = item;
            if (tagged)
                tagged[at] = static_cast<uint8_t>(tag);
        }
    });
    offsets.pop_back();
}

// The faces of one kind at each of their first `corners` corners, in face
// order; cornerOf, when given, receives beside each item the corner (0..3)
// at which its face names the vertex.
inline void FillFaceIncidence(CMeshIncidence& incidence, int vertexCount, const std::vector<CMeshFace>& faces,
                              int corners, std::vector<uint8_t>* cornerOf = nullptr) {
    // No faces: every list empty, without counting over the vertices.
    if (faces.empty() && vertexCount > 0) {
        incidence.offsets.assign(static_cast<size_t>(vertexCount) + 1, 0);
        incidence.items.clear();
        if (cornerOf)
            cornerOf->clear();
        return;
    }
    FillIncidence(
        incidence, vertexCount,
        [&](auto place) {
            for (size_t f = 0; f < faces.size(); ++f)
                for (int k = 0; k < corners; ++k)
                    place(faces[f].vertex[k], static_cast<int32_t>(f), k);
        },
        cornerOf);
}

// The corner of each item of lists already filled, as FillFaceIncidence
// would give them; false (cornerOf unusable) when the lists are not what it
// would have filled from these faces.
inline bool FindFaceCorners(const CMeshIncidence& incidence, int vertexCount,
                            const std::vector<CMeshFace>& faces, int corners,
                            std::vector<uint8_t>& cornerOf) {
    const std::vector<int32_t>& offsets = incidence.offsets;
    if (vertexCount <= 0 || offsets.size() != static_cast<size_t>(vertexCount) + 1 ||
        incidence.items.size() != static_cast<size_t>(offsets.back()))
        return false;
    thread_local std::vector<int32_t> fill;
    fill.assign(offsets.begin(), offsets.end() - 1);
    cornerOf.resize(incidence.items.size());
    const auto n = static_cast<uint32_t>(vertexCount);
    for (size_t f = 0; f < faces.size(); ++f)
        for (int k = 0; k < corners; ++k) {
            const int32_t v = faces[f].vertex[k];
            if (static_cast<uint32_t>(v) >= n)
                continue;
            const int32_t at = fill[v]++;
            if (at >= offsets[v + 1] || incidence.items[at] != static_cast<int32_t>(f))
                return false;
            cornerOf[at] = static_cast<uint8_t>(k);
        }
    for (uint32_t v = 0; v < n; ++v)
        if (fill[v] != offsets[v + 1])
            return false;
    return true;
}
