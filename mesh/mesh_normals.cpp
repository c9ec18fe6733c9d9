// Face normals, corner normals smoothed within the crease angle, and drawing
// a mesh with them.
#include "mesh/mesh_processor.h"
#include "mesh/polygon_obj.h"
#include "model/vector3.h"

#include <GL/gl.h>
#include <cmath>

namespace {

constexpr double kPi = 3.1415927;

CFloat3 ToFloat3(const CVector3& v) {
    return CFloat3{v.GetX(), v.GetY(), v.GetZ()};
}

// Whether two normals lie within the crease angle of each other, the angle
// taken as AngleBetween gives it in degrees. Most pairs are decided from the
// cosine against the limit's cosine; pairs too close to the limit to tell
// that way take the angle itself, so the answer is the same.
class CreaseTest {
public:
    explicit CreaseTest(float degrees) : m_degrees(degrees) {
        if (degrees >= 0.0f && degrees < 180.0f)
            m_cosLimit = std::cos(degrees * kPi / 180.0);
    }

    bool Within(const CFloat3& a, float lengthA, const CFloat3& b, float lengthB) const {
        if (m_degrees >= 180.0f)
            return true;
        const double lengths = static_cast<double>(lengthA) * lengthB;
        if (lengths == 0.0)
            return m_degrees >= 0.0f;
        if (m_degrees < 0.0f)
            return false;
        // The dot product as DotProduct computes it, here without a call,
        // compared with the limit scaled by the lengths instead of dividing.
        const double dot =
            static_cast<double>(a.x) * b.x + static_cast<double>(a.y) * b.y + static_cast<double>(a.z) * b.z;
        constexpr double margin = 1e-6;
        if (dot > (m_cosLimit + margin) * lengths)
            return true;
        if (dot < (m_cosLimit - margin) * lengths)
            return false;
        return AngleBetween(ToVector(a), ToVector(b)) / kPi * 180.0 <= m_degrees;
    }

private:
    float m_degrees;
    double m_cosLimit = -1.0;
};

// The face normals of one kind with their lengths.
struct FaceNormals {
    const std::vector<CFloat3>& normals;
    std::vector<float> lengths;

    explicit FaceNormals(const std::vector<CFloat3>& from) : normals(from) {
        lengths.reserve(from.size());
        for (const CFloat3& n : from)
            lengths.push_back(ToVector(n).Length());
    }
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
    const FaceNormals triangles(faces.m_triangleNormals);
    const FaceNormals quads(faces.m_quadNormals);
    const int vertexCount = mesh.m_vertices.GetCount();
    const CMeshIncidence& triangleLinks = mesh.m_vertices.m_triangleLinks;
    const CMeshIncidence& quadLinks = mesh.m_vertices.m_quadLinks;

    // The corner normal at v of face self of the set own (the triangles' or
    // the quads').
    auto corner = [&](const FaceNormals& own, int32_t self, int32_t v) {
        const CFloat3& n = own.normals[self];
        const float length = own.lengths[self];
        if (v < 0 || v >= vertexCount)
            return n;
        CFloat3 sum = n;
        int count = 1;
        auto gather = [&](const FaceNormals& set, std::span<const int32_t> at) {
            for (int32_t f : at) {
                if (&set == &own && f == self)
                    continue;
                const CFloat3& other = set.normals[f];
                if (crease.Within(n, length, other, set.lengths[f])) {
                    sum.Set(sum.x + other.x, sum.y + other.y, sum.z + other.z);
                    ++count;
                }
            }
        };
        gather(triangles, triangleLinks.Of(v));
        gather(quads, quadLinks.Of(v));
        if (sum.x == 0.0f && sum.y == 0.0f && sum.z == 0.0f)
            return n;
        const auto c = static_cast<float>(count);
        return CFloat3{sum.x / c, sum.y / c, sum.z / c};
    };
    for (size_t t = 0; t < faces.m_triangles.size(); ++t)
        for (int k = 0; k < 3; ++k)
            faces.m_triangleCornerNormals[3 * t + k] =
                corner(triangles, static_cast<int32_t>(t), faces.m_triangles[t].vertex[k]);
    for (size_t q = 0; q < faces.m_quads.size(); ++q)
        for (int k = 0; k < 4; ++k)
            faces.m_quadCornerNormals[4 * q + k] =
                corner(quads, static_cast<int32_t>(q), faces.m_quads[q].vertex[k]);
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
