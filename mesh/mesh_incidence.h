#pragma once
// Filling per-vertex incidence lists in one piece: the items are offered
// twice in the same order, once to count them per vertex and once to place
// them, so each vertex's list keeps the order of the offers. Offers for a
// vertex outside 0..vertexCount-1 are ignored.
#include "mesh/patch_mesh.h"

#include <algorithm>
#include <cstdint>

// visit(place) calls place(vertex, item) or place(vertex, item, tag) for
// every item; tags, when given, receives each placed item's tag beside it.
template <class Visit>
void FillIncidence(CMeshIncidence& incidence, int vertexCount, Visit visit, CItemBytes* tags = nullptr) {
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
                              int corners, CItemBytes* cornerOf = nullptr) {
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

// FillFaceIncidence with the corners given, in stages whose runs may be
// worked side by side, for many faces: each run of faces counts, and later
// places, its corners by blocks of kBlock vertices, in face order; then
// each block's items are put in vertex order, keeping that order. The
// result is FillFaceIncidence's. The stages: Count every run, Prefix,
// Place every run, then SortBlocks over every block, after which a block's
// lists (and the offsets of its vertices and of the next block's first)
// are final.
class StagedFaceIncidence {
public:
    // A block's vertices are told apart by the upper six bits of the corner
    // byte until the block is sorted.
    static constexpr int kShift = 6;
    static constexpr int32_t kBlock = 1 << kShift;
    // Fewer corners are filled more quickly by FillFaceIncidence.
    static constexpr size_t kMinCorners = 65536;

    // runs is the number of runs of faces wanted, at least 1.
    StagedFaceIncidence(CMeshIncidence& incidence, int vertexCount, const std::vector<CMeshFace>& faces,
                        int corners, CItemBytes& cornerOf, size_t runs)
        : m_incidence(incidence), m_vertexCount(static_cast<uint32_t>(std::max(vertexCount, 0))),
          m_faces(faces), m_corners(corners), m_cornerOf(cornerOf), m_blocks(BlocksFor(vertexCount)),
          m_runs(std::max<size_t>(runs, 1)), m_runFaces((faces.size() + m_runs - 1) / m_runs) {
        m_starts.assign(m_runs * m_blocks, 0);
    }

    static size_t BlocksFor(int vertexCount) {
        return (static_cast<size_t>(std::max(vertexCount, 0)) + kBlock - 1) / kBlock;
    }
    size_t Runs() const { return m_runs; }

    void Count(size_t run) {
        int32_t* count = &m_starts[run * m_blocks];
        ForCorners(run, [&](uint32_t v, int32_t, int) { ++count[v >> kShift]; });
    }

    // Where each run's first corner in each block goes; sizes the lists.
    void Prefix() {
        m_blockStarts.resize(m_blocks + 1);
        int32_t total = 0;
        for (size_t b = 0; b < m_blocks; ++b) {
            m_blockStarts[b] = total;
            for (size_t run = 0; run < m_runs; ++run) {
                const int32_t count = m_starts[run * m_blocks + b];
                m_starts[run * m_blocks + b] = total;
                total += count;
            }
        }
        m_blockStarts[m_blocks] = total;
        m_incidence.items.resize(static_cast<size_t>(total));
        m_cornerOf.resize(static_cast<size_t>(total));
        // Each block's first offset now, so that a block's last list ends
        // before the next block is sorted.
        m_incidence.offsets.resize(static_cast<size_t>(m_vertexCount) + 1);
        for (size_t b = 0; b <= m_blocks; ++b)
            m_incidence.offsets[std::min<size_t>(b << kShift, m_vertexCount)] = m_blockStarts[b];
    }

    void Place(size_t run) {
        int32_t* at = &m_starts[run * m_blocks];
        int32_t* items = m_incidence.items.data();
        uint8_t* cornerOf = m_cornerOf.data();
        ForCorners(run, [&](uint32_t v, int32_t f, int k) {
            const int32_t i = at[v >> kShift]++;
            items[i] = f;
            cornerOf[i] = static_cast<uint8_t>(k | (v & (kBlock - 1)) << 2);
        });
    }

    void SortBlocks(size_t from, size_t to) {
        for (size_t b = from; b < std::min(to, m_blocks); ++b)
            SortBlock(b);
    }

private:
    struct Corner {
        int32_t face;
        uint8_t corner; // and the vertex within its block, as Place left it
    };

    // fn(vertex, face, corner) for each corner on a vertex of the mesh of
    // the faces of one run, in order.
    template <class Fn> void ForCorners(size_t run, Fn fn) const {
        const size_t end = std::min(m_faces.size(), (run + 1) * m_runFaces);
        for (size_t f = run * m_runFaces; f < end; ++f)
            for (int k = 0; k < m_corners; ++k) {
                const auto v = static_cast<uint32_t>(m_faces[f].vertex[k]);
                if (v < m_vertexCount)
                    fn(v, static_cast<int32_t>(f), k);
            }
    }

    // Puts one block's items, in face order, in vertex order, and sets the
    // offsets of its vertices after the first.
    void SortBlock(size_t b) {
        thread_local std::vector<Corner> held;
        const int32_t from = m_blockStarts[b], to = m_blockStarts[b + 1];
        int32_t* items = m_incidence.items.data();
        uint8_t* cornerOf = m_cornerOf.data();
        held.resize(static_cast<size_t>(to - from));
        int32_t at[kBlock + 1] = {};
        for (int32_t i = from; i < to; ++i) {
            held[i - from] = Corner{items[i], cornerOf[i]};
            ++at[(cornerOf[i] >> 2) + 1];
        }
        const auto first = static_cast<uint32_t>(b << kShift);
        const auto count = std::min<uint32_t>(kBlock, m_vertexCount - first);
        at[0] = from;
        for (uint32_t v = 1; v < count; ++v) {
            at[v] += at[v - 1];
            m_incidence.offsets[first + v] = at[v];
        }
        for (const Corner& c : held) {
            const int32_t i = at[c.corner >> 2]++;
            items[i] = c.face;
            cornerOf[i] = c.corner & 3;
        }
    }

    CMeshIncidence& m_incidence;
    uint32_t m_vertexCount;
    const std::vector<CMeshFace>& m_faces;
    int m_corners;
    CItemBytes& m_cornerOf;
    size_t m_blocks;
    size_t m_runs;
    size_t m_runFaces;
    std::vector<int32_t> m_starts;      // per run and block
    std::vector<int32_t> m_blockStarts; // per block, and the total
};

// The corner of each item of lists already filled, as FillFaceIncidence
// would give them; false (cornerOf unusable) when the lists are not what it
// would have filled from these faces.
inline bool FindFaceCorners(const CMeshIncidence& incidence, int vertexCount,
                            const std::vector<CMeshFace>& faces, int corners, CItemBytes& cornerOf) {
    const std::vector<int32_t>& offsets = incidence.offsets;
    if (vertexCount <= 0 || offsets.size() != static_cast<size_t>(vertexCount) + 1 ||
        incidence.items.size() != static_cast<size_t>(offsets.back()))
        return false;
    std::vector<int32_t, CUnsetAllocator<int32_t>> fill(offsets.begin(), offsets.end() - 1);
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
