// Face normals, corner normals smoothed within the crease angle, and drawing
// a mesh with them.
#include "mesh/mesh_processor.h"
#include "mesh/polygon_obj.h"
#include "model/vector3.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kPi = 3.1415927;

CFloat3 ToFloat3(const CVector3& v) {
    return CFloat3{v.GetX(), v.GetY(), v.GetZ()};
}

// A face's normal as the crease test and the sums read it: the normal, and
// its unit vector for the quick half of the test (not a number for a zero
// normal, which the quick half then cannot decide).
struct FaceNormal {
    CFloat3 normal;
    float unit[3];
};

// The face normals of one kind, packed for the neighbour walks.
std::vector<FaceNormal> PackNormals(const std::vector<CFloat3>& normals) {
    std::vector<FaceNormal> packed(normals.size());
    for (size_t f = 0; f < normals.size(); ++f) {
        const CFloat3& n = normals[f];
        const float length = ToVector(n).Length();
        const float scale = length > 0.0f ? 1.0f / length : std::numeric_limits<float>::quiet_NaN();
        packed[f] = FaceNormal{n, {n.x * scale, n.y * scale, n.z * scale}};
    }
    return packed;
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
            m_above = limit + margin;
            m_below = limit - margin;
        }
    }

    bool Within(const FaceNormal& a, const FaceNormal& b) const {
        const float cosine = a.unit[0] * b.unit[0] + a.unit[1] * b.unit[1] + a.unit[2] * b.unit[2];
        if (cosine > m_above)
            return true;
        if (cosine < m_below)
            return false;
        const CVector3 u = ToVector(a.normal), v = ToVector(b.normal);
        if (static_cast<double>(u.Length()) * v.Length() == 0.0)
            return m_degrees >= 0.0f;
        return AngleBetween(u, v) / kPi * 180.0 <= m_degrees;
    }

private:
    float m_degrees;
    double m_above = 3.0;  // cosines above are within the angle
    double m_below = -3.0; // cosines below are not
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
    return ToFloat3(TriangleNormal(ToVector(p0), ToVector(p1), ToVector(p2)));
}

void CMeshProcessor::ComputeFaceNormals() {
    if (!m_mesh)
        return;
    CMeshFaceArrays& faces = m_mesh->m_faces;
    const CMeshVertexArray& p = m_mesh->m_vertices;
    faces.AllocateFaceNormals();
    for (size_t t = 0; t < faces.m_triangles.size(); ++t) {
        const auto& v = faces.m_triangles[t].vertex;
        faces.m_triangleNormals[t] = MeshTriangleNormal(p[v[0]], p[v[1]], p[v[2]]);
    }
    for (size_t q = 0; q < faces.m_quads.size(); ++q) {
        const auto& v = faces.m_quads[q].vertex;
        faces.m_quadNormals[q] = MeshTriangleNormal(p[v[0]], p[v[1]], p[v[2]]);
    }
}

void CMeshProcessor::ComputeCornerNormals() {
    if (!m_mesh)
        return;
    if (!m_mesh->m_vertexFacesBuilt)
        BuildVertexFaceLists();
    ComputeFaceNormals();
    CPatchMesh& mesh = *m_mesh;
    CMeshFaceArrays& faces = mesh.m_faces;
    faces.AllocateCornerNormals();
    const CreaseTest crease(mesh.m_creaseAngle);
    const std::vector<FaceNormal> triangles = PackNormals(faces.m_triangleNormals);
    const std::vector<FaceNormal> quads = PackNormals(faces.m_quadNormals);

    // Vertex by vertex: the faces around it, triangles first, each in list
    // order. Whether two of them lie within the crease angle is decided once
    // for both (the test is symmetric); each face's corner normal there is
    // its own normal plus those of the others within the angle, added in
    // list order, over their number.
    // Room for the usual few faces round a vertex; more take the heap.
    constexpr size_t kFew = 8;
    int32_t fewKeys[kFew];
    const FaceNormal* fewAround[kFew];
    char fewWithin[kFew * kFew];
    std::vector<int32_t> manyKeys;
    std::vector<const FaceNormal*> manyAround;
    std::vector<char> manyWithin;
    const int vertexCount = mesh.m_vertices.GetCount();
    for (int32_t v = 0; v < vertexCount; ++v) {
        const std::span<const int32_t> triangleLinks = mesh.m_vertices.m_triangleLinks.Of(v);
        const std::span<const int32_t> quadLinks = mesh.m_vertices.m_quadLinks.Of(v);
        const size_t n = triangleLinks.size() + quadLinks.size();
        int32_t* keys = fewKeys; // face index * 2, + 1 for a quad
        const FaceNormal** around = fewAround;
        char* within = fewWithin;
        if (n > kFew) {
            manyKeys.resize(n);
            manyAround.resize(n);
            manyWithin.resize(n * n);
            keys = manyKeys.data();
            around = manyAround.data();
            within = manyWithin.data();
        }
        size_t at = 0;
        for (int32_t f : triangleLinks) {
            keys[at] = 2 * f;
            around[at++] = &triangles[f];
        }
        for (int32_t f : quadLinks) {
            keys[at] = 2 * f + 1;
            around[at++] = &quads[f];
        }
        bool repeats = false;
        for (size_t i = 0; i < n; ++i) {
            within[i * n + i] = 0;
            for (size_t j = i + 1; j < n; ++j) {
                const bool same = keys[i] == keys[j];
                repeats = repeats || same;
                within[i * n + j] = within[j * n + i] = !same && crease.Within(*around[i], *around[j]);
            }
        }
        for (size_t i = 0; i < n; ++i) {
            // A face listed twice at the vertex gets its normal there once.
            if (repeats && std::find(keys, keys + i, keys[i]) != keys + i)
                continue;
            const CFloat3& own = around[i]->normal;
            float x = own.x, y = own.y, z = own.z;
            int count = 1;
            const char* row = &within[i * n];
            for (size_t j = 0; j < n; ++j)
                if (row[j]) {
                    const CFloat3& other = around[j]->normal;
                    x += other.x;
                    y += other.y;
                    z += other.z;
                    ++count;
                }
            CFloat3 normal = own;
            if (x != 0.0f || y != 0.0f || z != 0.0f) {
                const auto c = static_cast<float>(count);
                normal = CFloat3{x / c, y / c, z / c};
            }
            const bool quad = (keys[i] & 1) != 0;
            const auto face = static_cast<size_t>(keys[i] / 2);
            const auto& corners = quad ? faces.m_quads[face].vertex : faces.m_triangles[face].vertex;
            CFloat3* out =
                quad ? &faces.m_quadCornerNormals[4 * face] : &faces.m_triangleCornerNormals[3 * face];
            if (repeats) {
                for (int k = 0; k < (quad ? 4 : 3); ++k)
                    if (corners[k] == v)
                        out[k] = normal;
            } else {
                // The face's one corner at the vertex, found without a branch
                // that the corners' order would make hard to predict.
                const int k = corners[0] == v ? 0 : corners[1] == v ? 1 : corners[2] == v ? 2 : 3;
                if (corners[k] == v && k < (quad ? 4 : 3))
                    out[k] = normal;
            }
        }
    }
    // A corner on a vertex outside the mesh keeps its face's normal.
    for (size_t t = 0; t < faces.m_triangles.size(); ++t)
        for (int k = 0; k < 3; ++k)
            if (faces.m_triangles[t].vertex[k] < 0 || faces.m_triangles[t].vertex[k] >= vertexCount)
                faces.m_triangleCornerNormals[3 * t + k] = triangles[t].normal;
    for (size_t q = 0; q < faces.m_quads.size(); ++q)
        for (int k = 0; k < 4; ++k)
            if (faces.m_quads[q].vertex[k] < 0 || faces.m_quads[q].vertex[k] >= vertexCount)
                faces.m_quadCornerNormals[4 * q + k] = quads[q].normal;
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
