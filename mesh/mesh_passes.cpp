// The geometric passes: revolve (a lathe of the line faces), mirror across a
// coordinate plane, separate or joined, and Catmull-Clark-style subdivision.
// Each reads its input and fills the processor's target, counting every
// output array before filling it.
#include "mesh/mesh_incidence.h"
#include "mesh/mesh_processor.h"
#include "model/matrix4.h"

#include <cmath>
#include <utility>

namespace {

float Coordinate(const CFloat3& p, int axis) {
    return axis == 0 ? p.x : axis == 1 ? p.y : p.z;
}

CFloat3 Mirrored(CFloat3 p, int axis) {
    if (axis == 0)
        p.x = -p.x;
    else if (axis == 1)
        p.y = -p.y;
    else
        p.z = -p.z;
    return p;
}

// The texture coordinates of face i of an array; null when it has none.
const CCornerUVs* UVsOf(const std::vector<CCornerUVs>& uvs, size_t i) {
    return uvs.empty() ? nullptr : &uvs[i];
}

// Fills one output face array, and its texture coordinates beside it when it
// keeps them (the defaults for a face that brings none).
class FaceSink {
public:
    FaceSink(std::vector<CMeshFace>& faces, std::vector<CCornerUVs>& uvs, bool keepUVs, size_t count)
        : m_faces(faces), m_uvs(uvs), m_keepUVs(keepUVs) {
        m_faces.clear();
        m_uvs.clear();
        m_faces.reserve(count);
        if (m_keepUVs)
            m_uvs.reserve(count);
    }

    void Add(const CMeshFace& face, const CCornerUVs* uv) {
        m_faces.push_back(face);
        if (m_keepUVs)
            m_uvs.push_back(uv ? *uv : CCornerUVs{});
    }

    // The face with its corners, and their coordinates, in reverse order and
    // each index mapped.
    template <class Map> void AddReversed(const CMeshFace& face, int corners, Map map, const CCornerUVs* uv) {
        CMeshFace reversed = face;
        CCornerUVs reversedUV{};
        for (int j = 0; j < corners; ++j) {
            reversed.vertex[j] = map(face.vertex[corners - 1 - j]);
            if (uv)
                reversedUV[j] = (*uv)[corners - 1 - j];
        }
        Add(reversed, uv ? &reversedUV : nullptr);
    }

private:
    std::vector<CMeshFace>& m_faces;
    std::vector<CCornerUVs>& m_uvs;
    bool m_keepUVs;
};

// A face made by a pass with the record (material, texture coordinates) of
// the face it comes from.
struct DerivedFace {
    CMeshFace face;
    const CCornerUVs* uv;
};

CFloat3 operator+(const CFloat3& a, const CFloat3& b) {
    return CFloat3{a.x + b.x, a.y + b.y, a.z + b.z};
}

CFloat3 operator*(const CFloat3& a, float f) {
    return CFloat3{a.x * f, a.y * f, a.z * f};
}

const CFloat3 kZero{0.0f, 0.0f, 0.0f};

// The index of the edge joining a and b in a's edge list; -1 when none.
int32_t EdgeBetween(const CPatchMesh& mesh, int32_t a, int32_t b) {
    for (int32_t e : mesh.m_vertices.m_edgeLinks.Of(a)) {
        const CMeshEdge& edge = mesh.m_edges[e];
        if ((edge.a == a && edge.b == b) || (edge.a == b && edge.b == a))
            return e;
    }
    return -1;
}

bool HasCorner(const CMeshFace& face, int corners, int32_t v) {
    for (int k = 0; k < corners; ++k)
        if (face.vertex[k] == v)
            return true;
    return false;
}

// Calls fn(face, corners, its texture coordinates or null) for every
// triangle and quad at a that also has b as a corner, triangles first, until
// fn returns false.
template <class Fn> void ForEachFaceOnEdge(const CPatchMesh& mesh, int32_t a, int32_t b, Fn fn) {
    const CMeshFaceArrays& faces = mesh.m_faces;
    for (int32_t t : mesh.m_vertices.m_triangleLinks.Of(a))
        if (HasCorner(faces.m_triangles[t], 3, b) &&
            !fn(faces.m_triangles[t], 3, UVsOf(faces.m_triangleUVs, t)))
            return;
    for (int32_t q : mesh.m_vertices.m_quadLinks.Of(a))
        if (HasCorner(faces.m_quads[q], 4, b) && !fn(faces.m_quads[q], 4, UVsOf(faces.m_quadUVs, q)))
            return;
}

} // namespace

void CMeshProcessor::Process() {
    if (!m_mesh)
        return;
    CPatchMesh& target = *m_mesh;
    CPatchMesh revolved;
    CPatchMesh mirrored[3];
    CPatchMesh subdivided[4];
    CPatchMesh* current = &target;
    // Makes next the current mesh, freeing the previous scratch result.
    auto advance = [&](CPatchMesh& next) {
        if (current != &target)
            CMeshProcessor(current).ClearMesh();
        current = &next;
    };

    if (target.m_revolve) {
        CMeshProcessor pass(&revolved);
        pass.Revolve(*current);
        pass.CopySettings(*current);
        advance(revolved);
        target.m_revolve = 0;
    }
    if (target.m_meshMirrorMode != 0) {
        for (int axis = 0; axis < 3; ++axis) {
            if (!target.m_meshMirrorAxis[axis])
                continue;
            CMeshProcessor pass(&mirrored[axis]);
            pass.Mirror(*current, axis);
            pass.CopySettings(*current);
            advance(mirrored[axis]);
        }
        target.m_meshMirrorMode = 0;
    }
    if (target.m_subdivide) {
        int limit = 4;
        for (CPatchMesh& step : subdivided) {
            CMeshProcessor pass(&step);
            pass.Subdivide(*current);
            pass.CopySettings(target);
            advance(step);
            if (target.m_subdivisionSegments < limit)
                break;
            limit *= 2;
        }
        target.m_subdivide = 0;
        target.m_subdivisionSegments = 2;
    }
    if (current != &target) {
        ClearMesh();
        CopyMeshFrom(*current);
    }
}

void CMeshProcessor::Revolve(CPatchMesh& input) {
    if (!m_mesh || &input == m_mesh)
        return;
    ClearMesh();
    const int s = input.m_revolveSegments;
    // Fewer than two segments would sweep nothing round the axis.
    if (!input.m_revolve || input.m_faces.LineCount() == 0 || s < 2) {
        CopyMeshFrom(input);
        return;
    }
    if (!input.m_edgesBuilt)
        CMeshProcessor(&input).BuildEdges();
    CPatchMesh& out = *m_mesh;
    const int n = input.m_vertices.GetCount();
    const std::vector<CMeshFace>& lines = input.m_faces.m_lines;

    // The profile: the vertices the lines use, in order of first use.
    std::vector<int32_t> profileIndex(n, -1);
    std::vector<int32_t> profile;
    for (const CMeshFace& line : lines)
        for (int k = 0; k < 2; ++k) {
            const int32_t v = line.vertex[k];
            if (v >= 0 && v < n && profileIndex[v] < 0) {
                profileIndex[v] = static_cast<int32_t>(profile.size());
                profile.push_back(v);
            }
        }
    const int u = static_cast<int>(profile.size());
    // Ring copy j (0..s-1) of profile vertex v; copy 0 is v itself.
    auto ring = [&](int32_t v, int j) {
        j %= s;
        return j == 0 ? v : n + profileIndex[v] * (s - 1) + (j - 1);
    };

    out.m_vertices.Resize(n + u * (s - 1));
    std::copy(input.m_vertices.m_positions.begin(), input.m_vertices.m_positions.end(),
              out.m_vertices.m_positions.begin());
    const int axis = input.m_revolveAxis;
    for (int32_t v : profile) {
        const CFloat3 p = input.m_vertices[v];
        CVector3 onPlane = axis == 0   ? CVector3(p.x, std::sqrt(p.y * p.y + p.z * p.z), 0.0f)
                           : axis == 1 ? CVector3(std::sqrt(p.x * p.x + p.z * p.z), p.y, 0.0f)
                                       : CVector3(std::sqrt(p.x * p.x + p.y * p.y), 0.0f, p.z);
        out.m_vertices[v].Set(onPlane.GetX(), onPlane.GetY(), onPlane.GetZ());
        for (int j = 1; j < s; ++j) {
            CMatrix4 rotation;
            const float degrees = static_cast<float>(j * 360.0 / s);
            if (axis == 0)
                rotation.RotateX(degrees);
            else if (axis == 1)
                rotation.RotateY(degrees);
            else
                rotation.RotateZ(degrees);
            const CVector3 q = TransformPoint(onPlane, rotation);
            out.m_vertices[ring(v, j)].Set(q.GetX(), q.GetY(), q.GetZ());
        }
    }

    const int lineCount = static_cast<int>(lines.size());
    std::vector<CMeshEdge>& edges = out.m_edges.m_edges;
    edges.reserve(input.m_edges.GetCount() + u * s + lineCount * (s - 1));
    edges = input.m_edges.m_edges;
    for (int32_t v : profile)
        for (int j = 0; j < s; ++j)
            edges.push_back(CMeshEdge{ring(v, j), ring(v, j + 1)});
    for (const CMeshFace& line : lines)
        for (int j = 1; j < s; ++j)
            edges.push_back(CMeshEdge{ring(line.vertex[0], j), ring(line.vertex[1], j)});
    out.m_edgesBuilt = 1;

    const CMeshFaceArrays& in = input.m_faces;
    out.m_faces.m_triangles = in.m_triangles;
    out.m_faces.m_triangleUVs = in.m_triangleUVs;
    FaceSink quads(out.m_faces.m_quads, out.m_faces.m_quadUVs, !in.m_quadUVs.empty(),
                   in.m_quads.size() + lineCount * s);
    for (size_t q = 0; q < in.m_quads.size(); ++q)
        quads.Add(in.m_quads[q], UVsOf(in.m_quadUVs, q));
    for (const CMeshFace& line : lines) {
        const int32_t a = line.vertex[0], b = line.vertex[1];
        for (int j = 0; j < s; ++j) {
            CMeshFace quad;
            quad.count = 4;
            quad.vertex = {ring(a, j), ring(b, j), ring(b, j + 1), ring(a, j + 1)};
            quads.Add(quad, nullptr);
        }
    }
}

void CMeshProcessor::Mirror(CPatchMesh& input, int axis) {
    if (!m_mesh || &input == m_mesh)
        return;
    const bool surfaces = input.m_faces.TriangleCount() + input.m_faces.QuadCount() > 0;
    if (surfaces && input.m_meshMirrorMode == 1) {
        SeparatedMirror(input, axis);
    } else if (surfaces && input.m_meshMirrorMode == 2) {
        ConnectedMirror(input, axis);
    } else {
        ClearMesh();
        CopyMeshFrom(input);
    }
}

void CMeshProcessor::SeparatedMirror(CPatchMesh& input, int axis) {
    ClearMesh();
    CPatchMesh& out = *m_mesh;
    const int n = input.m_vertices.GetCount();
    out.m_vertices.Resize(2 * n);
    for (int v = 0; v < n; ++v) {
        out.m_vertices[v] = input.m_vertices[v];
        out.m_vertices[n + v] = Mirrored(input.m_vertices[v], axis);
    }

    // Both halves keep the input's face lists, the second half's shifted to
    // the mirrored faces.
    auto doubleIncidence = [n](CMeshIncidence& to, const CMeshIncidence& from, int32_t faceCount) {
        if (from.offsets.size() != static_cast<size_t>(n) + 1)
            return;
        to.offsets = from.offsets;
        const int32_t total = from.offsets.back();
        for (int v = 0; v < n; ++v)
            to.offsets.push_back(from.offsets[v + 1] + total);
        to.items = from.items;
        for (int32_t item : from.items)
            to.items.push_back(item + faceCount);
    };
    if (input.m_vertexFacesBuilt) {
        doubleIncidence(out.m_vertices.m_lineLinks, input.m_vertices.m_lineLinks, input.m_faces.LineCount());
        doubleIncidence(out.m_vertices.m_triangleLinks, input.m_vertices.m_triangleLinks,
                        input.m_faces.TriangleCount());
        doubleIncidence(out.m_vertices.m_quadLinks, input.m_vertices.m_quadLinks, input.m_faces.QuadCount());
    }
    out.m_vertexFacesBuilt = input.m_vertexFacesBuilt;
    out.m_vertexEdgesBuilt = 0;

    if (input.m_edgesBuilt) {
        std::vector<CMeshEdge>& edges = out.m_edges.m_edges;
        edges.reserve(2 * input.m_edges.GetCount());
        edges = input.m_edges.m_edges;
        for (const CMeshEdge& e : input.m_edges.m_edges)
            edges.push_back(CMeshEdge{e.a + n, e.b + n});
        out.m_edgesBuilt = 1;
    }

    auto shifted = [n](int32_t v) { return v + n; };
    auto doubleFaces = [&](std::vector<CMeshFace>& to, std::vector<CCornerUVs>& toUVs,
                           const std::vector<CMeshFace>& from, const std::vector<CCornerUVs>& fromUVs,
                           int corners) {
        FaceSink sink(to, toUVs, !fromUVs.empty(), 2 * from.size());
        for (size_t f = 0; f < from.size(); ++f)
            sink.Add(from[f], UVsOf(fromUVs, f));
        for (size_t f = 0; f < from.size(); ++f)
            sink.AddReversed(from[f], corners, shifted, UVsOf(fromUVs, f));
    };
    const CMeshFaceArrays& in = input.m_faces;
    doubleFaces(out.m_faces.m_lines, out.m_faces.m_lineUVs, in.m_lines, in.m_lineUVs, 2);
    doubleFaces(out.m_faces.m_triangles, out.m_faces.m_triangleUVs, in.m_triangles, in.m_triangleUVs, 3);
    doubleFaces(out.m_faces.m_quads, out.m_faces.m_quadUVs, in.m_quads, in.m_quadUVs, 4);
}

void CMeshProcessor::ConnectedMirror(CPatchMesh& input, int axis) {
    ClearMesh();
    CMeshProcessor inputProcessor(&input);
    if (!input.m_edgesBuilt)
        inputProcessor.BuildEdges();
    if (!input.m_vertexFacesBuilt)
        inputProcessor.BuildVertexFaceLists();
    CPatchMesh& out = *m_mesh;
    const int n = input.m_vertices.GetCount();
    const CMeshVertexArray& vertices = input.m_vertices;
    auto q = [&](int32_t v) { return Coordinate(vertices[v], axis); };
    auto onPlane = [&](int32_t v) { return q(v) == 0.0f; };

    std::vector<int32_t> remap(n);
    int copies = 0;
    for (int v = 0; v < n; ++v)
        remap[v] = onPlane(v) ? v : n + copies++;
    out.m_vertices.Resize(n + copies);
    for (int v = 0; v < n; ++v) {
        out.m_vertices[v] = vertices[v];
        if (remap[v] != v)
            out.m_vertices[remap[v]] = Mirrored(vertices[v], axis);
    }
    auto mapped = [&](int32_t v) { return remap[v]; };

    std::vector<CMeshEdge>& edges = out.m_edges.m_edges;
    for (const CMeshEdge& e : input.m_edges.m_edges) {
        edges.push_back(e);
        if (!(onPlane(e.a) && onPlane(e.b)))
            edges.push_back(CMeshEdge{remap[e.a], remap[e.b]});
    }
    out.m_edgesBuilt = 1;

    // Joining the open border to its mirror image.
    std::vector<char> withdrawnLine(input.m_faces.LineCount(), 0);
    std::vector<char> joined(n, 0);
    std::vector<CMeshEdge> joiningEdges;
    std::vector<DerivedFace> joiningTriangles, joiningQuads;
    auto join = [&](int32_t x) {
        if (!joined[x]) {
            joined[x] = 1;
            joiningEdges.push_back(CMeshEdge{x, remap[x]});
        }
    };
    const float d = input.m_mirrorDistance;
    for (const CMeshEdge& e : input.m_edges.m_edges) {
        const int32_t a = e.a, b = e.b;
        if (onPlane(a) && onPlane(b))
            continue;
        if (input.m_mirrorDistanceLimit && !(std::fabs(q(a)) <= d && std::fabs(q(b)) <= d))
            continue;
        int faces = 0;
        const CMeshFace* face = nullptr;
        const CCornerUVs* faceUV = nullptr;
        ForEachFaceOnEdge(input, a, b, [&](const CMeshFace& f, int, const CCornerUVs* uv) {
            if (!face) {
                face = &f;
                faceUV = uv;
            }
            return ++faces < 2;
        });
        if (faces >= 2)
            continue;
        if (faces == 0)
            for (int32_t l : input.m_vertices.m_lineLinks.Of(a))
                if (HasCorner(input.m_faces.m_lines[l], 2, b))
                    withdrawnLine[l] = 1;
        if (onPlane(a) != onPlane(b)) {
            const int32_t off = onPlane(a) ? b : a;
            CMeshFace triangle;
            triangle.count = 3;
            triangle.vertex = {b, a, remap[off], 0};
            if (face)
                triangle.material = face->material;
            joiningTriangles.push_back(DerivedFace{triangle, nullptr});
            join(off);
        } else {
            CMeshFace quad = face ? *face : CMeshFace{};
            quad.count = 4;
            quad.vertex = {b, a, remap[a], remap[b]};
            joiningQuads.push_back(DerivedFace{quad, faceUV});
            join(a);
            join(b);
        }
    }
    edges.insert(edges.end(), joiningEdges.begin(), joiningEdges.end());

    const CMeshFaceArrays& in = input.m_faces;
    FaceSink lines(out.m_faces.m_lines, out.m_faces.m_lineUVs, !in.m_lineUVs.empty(), 2 * in.m_lines.size());
    for (size_t l = 0; l < in.m_lines.size(); ++l) {
        if (withdrawnLine[l])
            continue;
        const CCornerUVs* uv = UVsOf(in.m_lineUVs, l);
        lines.Add(in.m_lines[l], uv);
        CMeshFace image = in.m_lines[l];
        image.vertex[0] = remap[in.m_lines[l].vertex[0]];
        image.vertex[1] = remap[in.m_lines[l].vertex[1]];
        lines.Add(image, uv);
    }
    auto mirrorFaces = [&](std::vector<CMeshFace>& to, std::vector<CCornerUVs>& toUVs,
                           const std::vector<CMeshFace>& from, const std::vector<CCornerUVs>& fromUVs,
                           int corners, const std::vector<DerivedFace>& joining) {
        bool keepUVs = !fromUVs.empty();
        for (const DerivedFace& j : joining)
            keepUVs = keepUVs || j.uv;
        FaceSink sink(to, toUVs, keepUVs, 2 * from.size() + joining.size());
        for (size_t f = 0; f < from.size(); ++f)
            sink.Add(from[f], UVsOf(fromUVs, f));
        for (size_t f = 0; f < from.size(); ++f)
            sink.AddReversed(from[f], corners, mapped, UVsOf(fromUVs, f));
        for (const DerivedFace& j : joining)
            sink.Add(j.face, j.uv);
    };
    mirrorFaces(out.m_faces.m_triangles, out.m_faces.m_triangleUVs, in.m_triangles, in.m_triangleUVs, 3,
                joiningTriangles);
    mirrorFaces(out.m_faces.m_quads, out.m_faces.m_quadUVs, in.m_quads, in.m_quadUVs, 4, joiningQuads);
}

void CMeshProcessor::Subdivide(CPatchMesh& input) {
    if (!m_mesh || &input == m_mesh)
        return;
    CMeshProcessor inputProcessor(&input);
    if (!input.m_edgesBuilt)
        inputProcessor.BuildEdges();
    if (!input.m_vertexEdgesBuilt)
        inputProcessor.BuildVertexEdgeLists();
    if (!input.m_vertexFacesBuilt)
        inputProcessor.BuildVertexFaceLists();
    ClearMesh();
    const int V = input.m_vertices.GetCount();
    const int E = input.m_edges.GetCount();
    const CMeshFaceArrays& in = input.m_faces;
    const int T = in.TriangleCount();
    const int Q = in.QuadCount();
    if (V + E + T + Q == 0)
        return;
    CPatchMesh& out = *m_mesh;
    const CMeshVertexArray& p = input.m_vertices;
    out.m_vertices.Resize(V + E + T + Q);

    for (int v = 0; v < V; ++v) {
        const CMeshVertexLinks links = p.GetLinks(v);
        const int edgeCount = static_cast<int>(links.edges.size());
        CFloat3 sumEnds = kZero;
        for (int32_t e : links.edges) {
            const CMeshEdge& edge = input.m_edges[e];
            sumEnds = sumEnds + p[edge.a == v ? edge.b : edge.a];
        }
        const int quadCount = static_cast<int>(links.quads.size());
        CFloat3 sumOpposite = kZero;
        for (int32_t qi : links.quads) {
            const CMeshFace& quad = in.m_quads[qi];
            int k = 0;
            while (k < 4 && quad.vertex[k] != v)
                ++k;
            sumOpposite = sumOpposite + p[quad.vertex[(k + 2) % 4]];
        }
        const int faceCount = static_cast<int>(links.triangles.size()) + quadCount;
        const float b = edgeCount ? 1.5f / edgeCount : 0.0f;
        const float g = quadCount ? 0.25f / quadCount : 0.0f;
        CFloat3& point = out.m_vertices[v];
        if (faceCount >= 3) {
            point = p[v] * (1.0f - b - g);
            if (edgeCount)
                point = point + sumEnds * (b / edgeCount);
            if (quadCount)
                point = point + sumOpposite * (g / quadCount);
        } else if (edgeCount == 2) {
            point = p[v] * 0.75f + sumEnds * (0.25f / edgeCount);
        } else if (edgeCount == 3 && faceCount == 2) {
            point = p[v] * 0.93f + sumEnds * ((1.0f - 0.93f) / edgeCount);
        } else {
            point = p[v];
        }
    }

    std::vector<CMeshEdge>& edges = out.m_edges.m_edges;
    edges.reserve(2 * E + 3 * T + 4 * Q);
    for (int e = 0; e < E; ++e) {
        const CMeshEdge& edge = input.m_edges[e];
        CFloat3 others = kZero;
        int count = 0;
        ForEachFaceOnEdge(input, edge.a, edge.b, [&](const CMeshFace& face, int corners, const CCornerUVs*) {
            for (int k = 0; k < corners; ++k)
                if (face.vertex[k] != edge.a && face.vertex[k] != edge.b) {
                    others = others + p[face.vertex[k]];
                    ++count;
                }
            return true;
        });
        out.m_vertices[V + e] = count >= 3
                                    ? (p[edge.a] + p[edge.b]) * (3.0f / 8.0f) + others * (1.0f / (4 * count))
                                    : (p[edge.a] + p[edge.b]) * 0.5f;
        edges.push_back(CMeshEdge{edge.a, V + e});
        edges.push_back(CMeshEdge{V + e, edge.b});
    }

    // The point of side j of a face (its corners j and j + 1); a side whose
    // corners are one vertex has no edge and keeps that vertex.
    auto sidePoint = [&](const CMeshFace& face, int corners, int j) {
        const int32_t a = face.vertex[j], b = face.vertex[(j + 1) % corners];
        const int32_t e = EdgeBetween(input, a, b);
        return e >= 0 ? V + e : a;
    };
    FaceSink quads(out.m_faces.m_quads, out.m_faces.m_quadUVs,
                   !in.m_triangleUVs.empty() || !in.m_quadUVs.empty(), 3 * T + 4 * Q);
    auto split = [&](const CMeshFace& face, int corners, int32_t facePoint, const CCornerUVs* uv) {
        int32_t sides[4];
        for (int j = 0; j < corners; ++j) {
            sides[j] = sidePoint(face, corners, j);
            edges.push_back(CMeshEdge{sides[j], facePoint});
        }
        for (int k = 0; k < corners; ++k) {
            CMeshFace quad = face;
            quad.count = 4;
            quad.vertex = {face.vertex[k], sides[k], facePoint, sides[(k + corners - 1) % corners]};
            quads.Add(quad, uv);
        }
    };
    for (int t = 0; t < T; ++t) {
        const CMeshFace& face = in.m_triangles[t];
        out.m_vertices[V + E + t] = (p[face.vertex[0]] + p[face.vertex[1]] + p[face.vertex[2]]) * 0.33333334f;
        split(face, 3, V + E + t, UVsOf(in.m_triangleUVs, t));
    }
    for (int qi = 0; qi < Q; ++qi) {
        const CMeshFace& face = in.m_quads[qi];
        out.m_vertices[V + E + T + qi] =
            (p[face.vertex[0]] + p[face.vertex[1]] + p[face.vertex[2]] + p[face.vertex[3]]) * 0.25f;
        split(face, 4, V + E + T + qi, UVsOf(in.m_quadUVs, qi));
    }
    out.m_edgesBuilt = 1;

    // A line whose ends are one vertex has no edge point and stays whole.
    FaceSink lines(out.m_faces.m_lines, out.m_faces.m_lineUVs, !in.m_lineUVs.empty(), 2 * in.m_lines.size());
    for (size_t l = 0; l < in.m_lines.size(); ++l) {
        const CMeshFace& line = in.m_lines[l];
        const CCornerUVs* uv = UVsOf(in.m_lineUVs, l);
        const int32_t e = EdgeBetween(input, line.vertex[0], line.vertex[1]);
        if (e < 0) {
            lines.Add(line, uv);
            continue;
        }
        CMeshFace half = line;
        half.vertex[1] = V + e;
        lines.Add(half, uv);
        half.vertex[0] = V + e;
        half.vertex[1] = line.vertex[1];
        lines.Add(half, uv);
    }
    BuildVertexFaceLists();
}
