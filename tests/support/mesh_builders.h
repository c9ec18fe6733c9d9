#pragma once
// Meshes and patch objects for the mesh tests: a closed box of flat patches,
// meshes given by their positions and faces, and the invariants a built mesh
// must keep. Header-only, like model_builders.h.
#include "mesh/patch_mesh.h"
#include "support/model_shapes.h"

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace qf::test {

// A box from (-h, -h, -h) to (h, h, h): eight points and twelve straight
// two-point curves along its edges, so that its six sides are flat
// four-sided patches. Handles are up to date.
inline std::unique_ptr<CSpatchObj> MakeClosedBox(float h = 1.0f) {
    auto obj = std::make_unique<CSpatchObj>();
    std::vector<CPatchVertex*> corner;
    for (int i = 0; i < 8; ++i)
        corner.push_back(obj->AddVertex(i & 1 ? h : -h, i & 2 ? h : -h, i & 4 ? h : -h));
    for (int i = 0; i < 8; ++i)
        for (int bit : {1, 2, 4})
            if (!(i & bit))
                AddCurveThrough(*obj, {corner[i], corner[i | bit]});
    obj->UpdateCurveHandles();
    return obj;
}

struct MeshShape {
    std::vector<CFloat3> positions;
    std::vector<std::vector<int32_t>> faces; // 2, 3 or 4 corners each
};

// A mesh of the given positions and faces, each face in the array of its kind.
inline std::unique_ptr<CPatchMesh> MakeMesh(const MeshShape& shape) {
    auto mesh = std::make_unique<CPatchMesh>();
    mesh->m_vertices.Resize(static_cast<int>(shape.positions.size()));
    for (size_t i = 0; i < shape.positions.size(); ++i)
        mesh->m_vertices[static_cast<int>(i)] = shape.positions[i];
    for (const auto& corners : shape.faces) {
        CMeshFace face;
        face.count = static_cast<int32_t>(corners.size());
        for (size_t k = 0; k < corners.size(); ++k)
            face.vertex[k] = corners[k];
        auto& kind = face.count == 2   ? mesh->m_faces.m_lines
                     : face.count == 3 ? mesh->m_faces.m_triangles
                                       : mesh->m_faces.m_quads;
        kind.push_back(face);
    }
    return mesh;
}

// Empty when every face index names a vertex and no side of a triangle or
// quad is run the same way by two faces (faces oriented alike); for a closed
// surface also every side is run the other way by exactly one face.
// Otherwise the first fault.
inline std::string CheckSurface(const CPatchMesh& mesh, bool closed) {
    std::map<std::pair<int32_t, int32_t>, int> sides;
    const int n = mesh.m_vertices.GetCount();
    for (const auto* faces : {&mesh.m_faces.m_triangles, &mesh.m_faces.m_quads}) {
        const int corners = faces == &mesh.m_faces.m_triangles ? 3 : 4;
        for (const CMeshFace& face : *faces)
            for (int k = 0; k < corners; ++k) {
                const int32_t a = face.vertex[k], b = face.vertex[(k + 1) % corners];
                if (a < 0 || a >= n || b < 0 || b >= n)
                    return "face corner " + std::to_string(a) + " outside the vertices";
                ++sides[{a, b}];
            }
    }
    for (const auto& [side, count] : sides) {
        const auto back = sides.find({side.second, side.first});
        const int backCount = back == sides.end() ? 0 : back->second;
        if (count != 1 || (closed && backCount != 1))
            return "side " + std::to_string(side.first) + "-" + std::to_string(side.second) + " is run " +
                   std::to_string(count) + " times this way and " + std::to_string(backCount) + " the other";
    }
    return {};
}

inline std::string CheckClosedSurface(const CPatchMesh& mesh) {
    return CheckSurface(mesh, true);
}

inline CFloat3 F3(float x, float y, float z) {
    return CFloat3{x, y, z};
}

} // namespace qf::test
