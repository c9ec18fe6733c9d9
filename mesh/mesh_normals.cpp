// Face normals, corner normals smoothed within the crease angle, and drawing
// a mesh with them.
#include "mesh/mesh_incidence.h"
#include "mesh/mesh_processor.h"
#include "mesh/polygon_obj.h"
#include "model/vector3.h"
#include "platform/base/parallel_for.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kPi = 3.1415927;

// x, y, z and an unused zero lane: the sums and quotients of every lane are
// those of the components one by one, done at once.
using Lane4 = float __attribute__((vector_size(16)));

Lane4 Load(const CFloat3& v) {
    return Lane4{v.x, v.y, v.z, 0.0f};
}

void Store(CFloat3& to, Lane4 v) {
    to.Set(v[0], v[1], v[2]);
}

// TriangleNormal of the corners' positions, the three divisions by the
// length done at once.
Lane4 FaceNormal(const CFloat3& p0, const CFloat3& p1, const CFloat3& p2) {
    const double ax = p1.x - p2.x, ay = p1.y - p2.y, az = p1.z - p2.z;
    const double bx = p1.x - p0.x, by = p1.y - p0.y, bz = p1.z - p0.z;
    const auto x = static_cast<float>(ay * bz - az * by);
    const auto y = static_cast<float>(az * bx - ax * bz);
    const auto z = static_cast<float>(ax * by - ay * bx);
    const double sum = static_cast<double>(x) * x + static_cast<double>(y) * y + static_cast<double>(z) * z;
    const float length = sum > 0.0 ? static_cast<float>(std::sqrt(sum)) : 0.0f;
    if (!(length > 0.0f))
        return Lane4{0.0f, 0.0f, 0.0f, 0.0f};
    return Lane4{x, y, z, 0.0f} / Lane4{length, length, length, length};
}

// The normals of faces from..to-1 of one kind from their first three
// corners, a face with one of those outside the mesh getting zero; when
// corners is given, each corner on a vertex outside the mesh gets its face's
// normal there.
void FaceNormals(const std::vector<CMeshFace>& faces, size_t from, size_t to, int cornerCount,
                 const CMeshVertexArray& p, CNormalArray& normals, CNormalArray* corners) {
    const auto n = static_cast<uint32_t>(p.GetCount());
    for (size_t f = from; f < to; ++f) {
        const auto& v = faces[f].vertex;
        const bool inside0 = static_cast<uint32_t>(v[0]) < n, inside1 = static_cast<uint32_t>(v[1]) < n,
                   inside2 = static_cast<uint32_t>(v[2]) < n;
        const Lane4 normal = inside0 && inside1 && inside2 ? FaceNormal(p[v[0]], p[v[1]], p[v[2]])
                                                           : Lane4{0.0f, 0.0f, 0.0f, 0.0f};
        Store(normals[f], normal);
        if (!corners)
            continue;
        const bool inside3 = cornerCount < 4 || static_cast<uint32_t>(v[3]) < n;
        if (inside0 && inside1 && inside2 && inside3)
            continue;
        for (int k = 0; k < cornerCount; ++k)
            if (static_cast<uint32_t>(v[k]) >= n)
                Store((*corners)[f * cornerCount + k], normal);
    }
}

// The normals of the triangles and the quads (see FaceNormals) in runs of
// kRun faces; each face's are its own, so runs can be worked side by side.
class FaceNormalRuns {
public:
    FaceNormalRuns(CPatchMesh& mesh, bool cornersOutside)
        : m_mesh(mesh), m_cornersOutside(cornersOutside),
          m_triangleRuns((mesh.m_faces.m_triangles.size() + kRun - 1) / kRun),
          m_quadRuns((mesh.m_faces.m_quads.size() + kRun - 1) / kRun) {}

    size_t Runs() const { return m_triangleRuns + m_quadRuns; }
    // Whether there are enough faces for threads to be worth starting.
    bool Many() const {
        return m_mesh.m_faces.m_triangles.size() + m_mesh.m_faces.m_quads.size() >= 2 * kRun;
    }

    void Run(size_t run) {
        CMeshFaceArrays& faces = m_mesh.m_faces;
        const bool quads = run >= m_triangleRuns;
        const std::vector<CMeshFace>& list = quads ? faces.m_quads : faces.m_triangles;
        const size_t first = (quads ? run - m_triangleRuns : run) * kRun;
        const size_t end = std::min(list.size(), first + kRun);
        CNormalArray* corners = !m_cornersOutside ? nullptr
                                : quads           ? &faces.m_quadCornerNormals
                                                  : &faces.m_triangleCornerNormals;
        FaceNormals(list, first, end, quads ? 4 : 3, m_mesh.m_vertices,
                    quads ? faces.m_quadNormals : faces.m_triangleNormals, corners);
    }

private:
    static constexpr size_t kRun = 16384;
    CPatchMesh& m_mesh;
    bool m_cornersOutside;
    size_t m_triangleRuns;
    size_t m_quadRuns;
};

// How far the squared length of a face normal may be from 1 for it to serve
// as its own unit vector: its cosines with others are then within a few
// millionths of the exact ones, well inside the crease test's margin.
constexpr float kUnitSlack = 2e-6f;

// One face at the vertex in hand, as the crease test and the sums read it.
struct FaceAt {
    Lane4 normal;
    // Its unit vector for the quick half of the crease test; not a number
    // when that half cannot decide (a zero normal).
    float unit[3];
    int32_t key;  // face index * 2, + 1 for a quad
    CFloat3* out; // its corner at the vertex, null when not known
};

// The face normals from the first three corners are unit vectors to within
// rounding, and serve the quick test as they are; one that underflowed (or
// is zero) gets its unit vector worked out.
void SetUnit(FaceAt& face) {
    const float x = face.normal[0], y = face.normal[1], z = face.normal[2];
    if (std::fabs(x * x + y * y + z * z - 1.0f) <= kUnitSlack) {
        face.unit[0] = x;
        face.unit[1] = y;
        face.unit[2] = z;
        return;
    }
    const float length = CVector3(x, y, z).Length();
    const float scale = length > 0.0f ? 1.0f / length : std::numeric_limits<float>::quiet_NaN();
    face.unit[0] = x * scale;
    face.unit[1] = y * scale;
    face.unit[2] = z * scale;
}

// Whether two normals lie within the crease angle of each other, the angle
// taken as AngleBetween gives it in degrees. Most pairs are decided from the
// cosine of their unit vectors, which is within a few millionths of the
// exact one, against the limit's cosine; pairs too close to the limit to
// tell that way, and zero normals, take the angle itself, so the answer is
// always the same.
class CreaseTest {
public:
    explicit CreaseTest(float degrees) : m_degrees(degrees) {
        constexpr double margin = 1e-5;
        if (degrees >= 180.0f) {
            m_above = -2.0; // every cosine
        } else if (degrees < 0.0f) {
            m_below = 2.0; // every cosine
        } else {
            const double limit = std::cos(degrees * kPi / 180.0);
            m_above = static_cast<float>(limit + margin);
            m_below = static_cast<float>(limit - margin);
        }
    }

    // Cosines of unit vectors above this are within the angle.
    float Above() const { return m_above; }

    bool Within(const FaceAt& a, const FaceAt& b) const {
        const float cosine = a.unit[0] * b.unit[0] + a.unit[1] * b.unit[1] + a.unit[2] * b.unit[2];
        if (cosine > m_above)
            return true;
        if (cosine < m_below)
            return false;
        const CVector3 u(a.normal[0], a.normal[1], a.normal[2]), v(b.normal[0], b.normal[1], b.normal[2]);
        if (static_cast<double>(u.Length()) * v.Length() == 0.0)
            return m_degrees >= 0.0f;
        return AngleBetween(u, v) / kPi * 180.0 <= m_degrees;
    }

private:
    float m_degrees;
    float m_above = 3.0f;  // cosines above are within the angle
    float m_below = -3.0f; // cosines below are not
};

// Writes a face's corner normal at every corner it has on the vertex.
void PutAtCorners(const CMeshFace& face, int cornerCount, int32_t v, CFloat3* corners, Lane4 normal) {
    for (int k = 0; k < cornerCount; ++k)
        if (face.vertex[k] == v)
            Store(corners[k], normal);
}

// The corner normals at one vertex after another. At each, the faces around
// it, triangles first, each in list order. Whether two of them lie within
// the crease angle is decided once for both (the test is symmetric); each
// face's corner normal there is its own normal plus those of the others
// within the angle, added in list order, over their number.
class CornerWalk {
public:
    // triangleCorners and quadCorners give each list item's corner, or are
    // null when the corners are to be looked up in the faces.
    CornerWalk(CPatchMesh& mesh, const uint8_t* triangleCorners, const uint8_t* quadCorners)
        : m_faces(mesh.m_faces), m_triangleLinks(mesh.m_vertices.m_triangleLinks),
          m_quadLinks(mesh.m_vertices.m_quadLinks), m_triangleCorners(triangleCorners),
          m_quadCorners(quadCorners), m_crease(mesh.m_creaseAngle) {}

    void Vertex(int32_t v) {
        const int32_t t0 = m_triangleLinks.offsets[v], t1 = m_triangleLinks.offsets[v + 1];
        const int32_t q0 = m_quadLinks.offsets[v], q1 = m_quadLinks.offsets[v + 1];
        const auto n = static_cast<size_t>(t1 - t0 + q1 - q0);
        if (n == 0)
            return;
        if (m_quadCorners &&
            (t0 == t1 && n == 4 ? Quick<4>(t0, t1, q0, q1, n) : n <= kQuick && Quick(t0, t1, q0, q1, n)))
            return;
        Prepare(n);
        size_t at = 0;
        for (int32_t i = t0; i < t1; ++i)
            Gather(at++, m_triangleLinks.items[i], false, i);
        for (int32_t i = q0; i < q1; ++i)
            Gather(at++, m_quadLinks.items[i], true, i);
        bool repeats = false, allWithin = true;
        for (size_t i = 0; i < n; ++i)
            for (size_t j = i + 1; j < n; ++j) {
                const bool same = m_around[i].key == m_around[j].key;
                repeats = repeats || same;
                if (!same && m_crease.Within(m_around[i], m_around[j])) {
                    m_within[i * m_words + j / 64] |= uint64_t{1} << (j % 64);
                    m_within[j * m_words + i / 64] |= uint64_t{1} << (i % 64);
                } else {
                    allWithin = false;
                }
            }
        for (size_t i = 0; i < n; ++i) {
            const FaceAt& face = m_around[i];
            // A face listed twice at the vertex gets its normal there once.
            size_t first = i;
            if (repeats) {
                first = 0;
                while (m_around[first].key != face.key)
                    ++first;
            }
            if (first != i) {
                if (face.out)
                    Store(*face.out, m_results[first]);
                continue;
            }
            Lane4 sum = face.normal;
            float count = 1.0f;
            if (allWithin) {
                for (size_t j = 0; j < i; ++j)
                    sum += m_around[j].normal;
                for (size_t j = i + 1; j < n; ++j)
                    sum += m_around[j].normal;
                count = static_cast<float>(n);
            } else {
                const uint64_t* row = &m_within[i * m_words];
                for (size_t j = 0; j < n; ++j)
                    if ((row[j / 64] >> (j % 64)) & 1) {
                        sum += m_around[j].normal;
                        count += 1.0f;
                    }
            }
            Lane4 normal = face.normal;
            if (sum[0] != 0.0f || sum[1] != 0.0f || sum[2] != 0.0f)
                normal = sum / Lane4{count, count, count, count};
            m_results[i] = normal;
            if (face.out)
                Store(*face.out, normal);
            else
                PutBySearch(face.key, v, normal);
        }
    }

    void Prefetch(int32_t v) const {
        for (int32_t i = m_triangleLinks.offsets[v]; i < m_triangleLinks.offsets[v + 1]; ++i) {
            const auto f = static_cast<size_t>(m_triangleLinks.items[i]);
            __builtin_prefetch(&m_faces.m_triangleNormals[f]);
            __builtin_prefetch(&m_faces.m_triangleCornerNormals[3 * f], 1);
        }
        for (int32_t i = m_quadLinks.offsets[v]; i < m_quadLinks.offsets[v + 1]; ++i) {
            const auto f = static_cast<size_t>(m_quadLinks.items[i]);
            __builtin_prefetch(&m_faces.m_quadNormals[f]);
            __builtin_prefetch(&m_faces.m_quadCornerNormals[4 * f], 1);
        }
    }

private:
    // Room for the usual few faces round a vertex; more take the heap.
    static constexpr size_t kFew = 64;
    static constexpr size_t kQuick = 8;

    // The usual vertex in one go: a few faces, each named once, with unit
    // normals and every pair plainly within the angle, so that each corner
    // normal is the sum of all of them, its own first. False (nothing
    // written) for any other.
    // QuadsOnly, when not 0, is the number of faces of a vertex that has
    // that many quads and no triangles, the usual one on a grid, for which
    // the loops unfold.
    template <size_t QuadsOnly = 0>
    bool Quick(int32_t t0, int32_t t1, int32_t q0, int32_t q1, size_t faceCount) {
        const size_t n = QuadsOnly ? QuadsOnly : faceCount;
        Lane4 normal[kQuick];
        CFloat3* out[kQuick];
        int32_t key[kQuick];
        bool usual = true;
        size_t at = 0;
        auto gather = [&](const CFloat3& c, int32_t faceKey, CFloat3* corner) {
            usual &= std::fabs(c.x * c.x + c.y * c.y + c.z * c.z - 1.0f) <= kUnitSlack;
            normal[at] = Load(c);
            key[at] = faceKey;
            out[at++] = corner;
        };
        for (int32_t i = t0; !QuadsOnly && i < t1; ++i) {
            const auto f = static_cast<size_t>(m_triangleLinks.items[i]);
            gather(m_faces.m_triangleNormals[f], static_cast<int32_t>(2 * f),
                   &m_faces.m_triangleCornerNormals[3 * f + m_triangleCorners[i]]);
        }
        for (int32_t i = q0; i < (QuadsOnly ? q0 + static_cast<int32_t>(QuadsOnly) : q1); ++i) {
            const auto f = static_cast<size_t>(m_quadLinks.items[i]);
            gather(m_faces.m_quadNormals[f], static_cast<int32_t>(2 * f + 1),
                   &m_faces.m_quadCornerNormals[4 * f + m_quadCorners[i]]);
        }
        for (size_t i = 0; i < n; ++i)
            for (size_t j = i + 1; j < n; ++j) {
                const Lane4 product = normal[i] * normal[j];
                usual &= key[i] != key[j] && product[0] + product[1] + product[2] > m_crease.Above();
            }
        if (!usual)
            return false;
        const float count = static_cast<float>(n);
        for (size_t i = 0; i < n; ++i) {
            Lane4 sum = normal[i];
            for (size_t j = 0; j < n; ++j)
                if (j != i)
                    sum += normal[j];
            Store(*out[i], sum[0] != 0.0f || sum[1] != 0.0f || sum[2] != 0.0f
                               ? sum / Lane4{count, count, count, count}
                               : normal[i]);
        }
        return true;
    }

    void Prepare(size_t n) {
        m_words = (n + 63) / 64;
        m_around = m_fewAround;
        m_within = m_fewWithin;
        m_results = m_fewResults;
        if (n <= kFew) {
            std::fill(m_within, m_within + n, 0);
            return;
        }
        m_manyAround.resize(n);
        m_manyWithin.assign(n * m_words, 0);
        m_manyResults.resize(n);
        m_around = m_manyAround.data();
        m_within = m_manyWithin.data();
        m_results = m_manyResults.data();
    }

    // Face f of the list item at `item` as the at-th face round the vertex.
    void Gather(size_t at, int32_t f, bool quad, int32_t item) {
        FaceAt& face = m_around[at];
        const auto index = static_cast<size_t>(f);
        face.normal = Load(quad ? m_faces.m_quadNormals[index] : m_faces.m_triangleNormals[index]);
        face.key = 2 * f + (quad ? 1 : 0);
        const uint8_t* corners = quad ? m_quadCorners : m_triangleCorners;
        face.out = !corners ? nullptr
                   : quad   ? &m_faces.m_quadCornerNormals[4 * index + corners[item]]
                            : &m_faces.m_triangleCornerNormals[3 * index + corners[item]];
        SetUnit(face);
    }

    void PutBySearch(int32_t key, int32_t v, Lane4 normal) {
        const auto f = static_cast<size_t>(key / 2);
        if (key & 1)
            PutAtCorners(m_faces.m_quads[f], 4, v, &m_faces.m_quadCornerNormals[4 * f], normal);
        else
            PutAtCorners(m_faces.m_triangles[f], 3, v, &m_faces.m_triangleCornerNormals[3 * f], normal);
    }

    CMeshFaceArrays& m_faces;
    const CMeshIncidence& m_triangleLinks;
    const CMeshIncidence& m_quadLinks;
    const uint8_t* m_triangleCorners;
    const uint8_t* m_quadCorners;
    CreaseTest m_crease;
    size_t m_words = 1; // per row of m_within: which others lie within the angle
    FaceAt* m_around = m_fewAround;
    uint64_t* m_within = m_fewWithin;
    Lane4* m_results = m_fewResults;
    FaceAt m_fewAround[kFew];
    uint64_t m_fewWithin[kFew];
    Lane4 m_fewResults[kFew];
    std::vector<FaceAt> m_manyAround;
    std::vector<uint64_t> m_manyWithin;
    std::vector<Lane4> m_manyResults;
};

void Emit(const CFloat3& normal, const CFloat3& position) {
    glNormal3f(normal.x, normal.y, normal.z);
    glVertex3f(position.x, position.y, position.z);
}

} // namespace

CVector3 ToVector(const CFloat3& p) {
    return CVector3(p.x, p.y, p.z);
}

CFloat3 MeshTriangleNormal(const CFloat3& p0, const CFloat3& p1, const CFloat3& p2) {
    CFloat3 normal;
    Store(normal, FaceNormal(p0, p1, p2));
    return normal;
}

void CMeshProcessor::ComputeFaceNormals() {
    if (!m_mesh)
        return;
    CMeshFaceArrays& faces = m_mesh->m_faces;
    faces.AllocateFaceNormals();
    FaceNormalRuns normals(*m_mesh, false);
    qf::ParallelFor(normals.Runs(), normals.Many() ? qf::WorkerThreads() : 1,
                    [&](size_t run) { normals.Run(run); });
}

void CMeshProcessor::ComputeCornerNormals() {
    if (!m_mesh)
        return;
    CPatchMesh& mesh = *m_mesh;
    CMeshFaceArrays& faces = mesh.m_faces;
    CMeshVertexArray& vertices = mesh.m_vertices;
    const int vertexCount = vertices.GetCount();
    faces.AllocateFaceNormals();
    faces.AllocateCornerNormals();
    // Each vertex writes only the corners that name it, so runs of vertices
    // can be walked side by side; a large mesh is, in runs of kRun (whole
    // blocks of the staged lists).
    constexpr int32_t kRun = 64 * StagedFaceIncidence::kBlock;
    constexpr int32_t kManyVertices = 32768;
    FaceNormalRuns normals(mesh, true);
    const int threads = vertexCount >= kManyVertices || normals.Many() ? qf::WorkerThreads() : 1;

    // The corner of each list item, so that the walk below need not look
    // into the faces to find it.
    CItemBytes& triangleCorners = vertices.m_triangleLinks.corners;
    CItemBytes& quadCorners = vertices.m_quadLinks.corners;
    bool cornersKnown = true;
    // The lists of many faces are filled in stages, side by side with the
    // face normals and the walk.
    std::vector<StagedFaceIncidence> staged;
    if (!mesh.m_vertexFacesBuilt) {
        mesh.m_vertexFacesBuilt = 1;
        FillFaceIncidence(vertices.m_lineLinks, vertexCount, faces.m_lines, 2);
        staged.reserve(2);
        auto fill = [&](CMeshIncidence& lists, const std::vector<CMeshFace>& list, int corners,
                        CItemBytes& cornerOf) {
            if (vertexCount > 0 && list.size() * corners >= StagedFaceIncidence::kMinCorners)
                staged.emplace_back(lists, vertexCount, list, corners, cornerOf,
                                    2 * static_cast<size_t>(threads));
            else
                FillFaceIncidence(lists, vertexCount, list, corners, &cornerOf);
        };
        fill(vertices.m_triangleLinks, faces.m_triangles, 3, triangleCorners);
        fill(vertices.m_quadLinks, faces.m_quads, 4, quadCorners);
    } else {
        cornersKnown =
            FindFaceCorners(vertices.m_triangleLinks, vertexCount, faces.m_triangles, 3, triangleCorners) &&
            FindFaceCorners(vertices.m_quadLinks, vertexCount, faces.m_quads, 4, quadCorners);
    }
    // Lists that match the faces name every corner inside the mesh, so the
    // walk sets them all; others may miss some, which stay zero.
    if (!cornersKnown) {
        std::fill(faces.m_triangleCornerNormals.begin(), faces.m_triangleCornerNormals.end(), CFloat3{});
        std::fill(faces.m_quadCornerNormals.begin(), faces.m_quadCornerNormals.end(), CFloat3{});
    }

    std::vector<std::pair<StagedFaceIncidence*, size_t>> stagedRuns;
    for (StagedFaceIncidence& lists : staged)
        for (size_t run = 0; run < lists.Runs(); ++run)
            stagedRuns.emplace_back(&lists, run);
    qf::ParallelFor(stagedRuns.size() + normals.Runs(), threads, [&](size_t item) {
        if (item < stagedRuns.size())
            stagedRuns[item].first->Count(stagedRuns[item].second);
        else
            normals.Run(item - stagedRuns.size());
    });
    for (StagedFaceIncidence& lists : staged)
        lists.Prefix();
    qf::ParallelFor(stagedRuns.size(), threads,
                    [&](size_t item) { stagedRuns[item].first->Place(stagedRuns[item].second); });

    const int32_t runs = (vertexCount + kRun - 1) / kRun;
    const uint8_t* triangleCornerData = cornersKnown ? triangleCorners.data() : nullptr;
    const uint8_t* quadCornerData = cornersKnown ? quadCorners.data() : nullptr;
    qf::ParallelFor(static_cast<size_t>(runs), threads, [&](size_t run) {
        constexpr size_t kBlocks = kRun / StagedFaceIncidence::kBlock;
        for (StagedFaceIncidence& lists : staged)
            lists.SortBlocks(run * kBlocks, (run + 1) * kBlocks);
        // The normals and corners of the faces a few vertices on are asked
        // for early, so that fetching them overlaps the work before.
        constexpr int32_t kAhead = 8;
        const int32_t first = static_cast<int32_t>(run) * kRun;
        const int32_t end = std::min(vertexCount, first + kRun);
        CornerWalk walk(mesh, triangleCornerData, quadCornerData);
        for (int32_t v = first; v < end; ++v) {
            if (v + kAhead < end)
                walk.Prefetch(v + kAhead);
            walk.Vertex(v);
        }
    });
}

void CMeshProcessor::Draw() const {
    if (!m_mesh)
        return;
    const CMeshFaceArrays& faces = m_mesh->m_faces;
    const CMeshVertexArray& p = m_mesh->m_vertices;
    if (faces.m_triangleCornerNormals.size() == 3 * faces.m_triangles.size() && !faces.m_triangles.empty()) {
        glBegin(GL_TRIANGLES);
        for (size_t t = 0; t < faces.m_triangles.size(); ++t)
            for (int k = 2; k >= 0; --k)
                Emit(faces.m_triangleCornerNormals[3 * t + k], p[faces.m_triangles[t].vertex[k]]);
        glEnd();
    }
    if (faces.m_quadCornerNormals.size() == 4 * faces.m_quads.size() && !faces.m_quads.empty()) {
        glBegin(GL_QUADS);
        for (size_t q = 0; q < faces.m_quads.size(); ++q)
            for (int k = 3; k >= 0; --k)
                Emit(faces.m_quadCornerNormals[4 * q + k], p[faces.m_quads[q].vertex[k]]);
        glEnd();
    }
}
