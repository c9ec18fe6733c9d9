#include "mesh/polygon_obj.h"

#include <cmath>
#include <utility>

namespace {

constexpr double kPi = 3.1415927;

bool HasAllCorners(const CPolyFace* face) {
    if (face->m_count < CPolyFace::line || face->m_count > CPolyFace::quad)
        return false;
    for (int i = 0; i < face->m_count; ++i)
        if (!face->m_vertices[i])
            return false;
    return true;
}

// A triangle or quad with its corners and edges set: the faces adjacency,
// orientation and normals work on. Anything else is passed over.
bool IsSurface(const CPolyFace* face) {
    if (face->m_count != CPolyFace::triangle && face->m_count != CPolyFace::quad)
        return false;
    for (int i = 0; i < face->m_count; ++i)
        if (!face->m_vertices[i] || !face->m_edges[i])
            return false;
    return true;
}

CVector3 FaceNormal(const CPolyFace* face) {
    CPolyVertex* const* v = face->m_vertices;
    if (face->m_count == CPolyFace::triangle)
        return TriangleNormal(*v[0], *v[1], *v[2]);
    return QuadNormal(*v[0], *v[1], *v[2], *v[3]);
}

// Whether face runs from a straight to b at one of its corners.
bool RunsFromTo(const CPolyFace* face, const CPolyVertex* a, const CPolyVertex* b) {
    for (int j = 0; j < face->m_count; ++j)
        if (face->m_vertices[j] == a && face->m_vertices[(j + 1) % face->m_count] == b)
            return true;
    return false;
}

} // namespace

void CPolyFace::Flip() {
    if (m_count == triangle) {
        std::swap(m_vertices[1], m_vertices[2]);
        std::swap(m_edges[0], m_edges[2]);
    } else if (m_count == quad) {
        std::swap(m_vertices[1], m_vertices[3]);
        std::swap(m_edges[0], m_edges[3]);
        std::swap(m_edges[1], m_edges[2]);
    }
}

CVector3 QuadNormal(const CVector3& p0, const CVector3& p1, const CVector3& p2, const CVector3& p3) {
    const CVector3 a1 = TriangleNormal(p0, p1, p2), a2 = TriangleNormal(p0, p2, p3);
    const CVector3 b1 = TriangleNormal(p1, p2, p3), b2 = TriangleNormal(p1, p3, p0);
    CVector3 sum = DotProduct(b1, b2) >= DotProduct(a1, a2) ? b1 + b2 : a1 + a2;
    return sum.Normalize();
}

double AngleBetween(const CVector3& a, const CVector3& b) {
    const double lengths = static_cast<double>(a.Length()) * b.Length();
    if (lengths == 0.0)
        return 0.0;
    const double k = DotProduct(a, b) / lengths;
    if (k >= 1.0)
        return 0.0;
    if (k <= -1.0)
        return kPi;
    return std::acos(k);
}

int CPolygonObj::GetExtraWord(int i) const {
    return i >= 0 && i < 3 ? m_extraWords[i] : 0;
}

void CPolygonObj::SetExtraWord(int i, int v) {
    if (i >= 0 && i < 3)
        m_extraWords[i] = v;
}

CPolyVertex* CPolygonObj::AddVertex(float x, float y, float z, int atTail) {
    auto vertex = std::make_unique<CPolyVertex>(x, y, z);
    CPolyVertex* raw = vertex.get();
    if (atTail) {
        const bool tableCurrent = m_vertexTable.size() == static_cast<size_t>(m_vertices.GetCount());
        m_vertices.AddTail(std::move(vertex));
        if (tableCurrent)
            m_vertexTable.push_back(raw);
    } else {
        m_vertices.AddHead(std::move(vertex));
        m_vertexTable.clear();
    }
    return raw;
}

CPolyFace* CPolygonObj::AddFace(int atTail) {
    auto face = std::make_unique<CPolyFace>();
    CPolyFace* raw = face.get();
    if (atTail)
        m_faces.AddTail(std::move(face));
    else
        m_faces.AddHead(std::move(face));
    return raw;
}

CPolyVertex* CPolygonObj::VertexAt(int i) {
    if (m_vertexTable.size() != static_cast<size_t>(m_vertices.GetCount())) {
        m_vertexTable.clear();
        for (CPolyVertex* v : m_vertices)
            m_vertexTable.push_back(v);
    }
    return i >= 0 && i < static_cast<int>(m_vertexTable.size()) ? m_vertexTable[i] : nullptr;
}

int CPolygonObj::SetFace(CPolyFace* face, const int* indices, int count) {
    CPolyVertex* corners[4] = {};
    for (int i = 0; i < count; ++i) {
        corners[i] = VertexAt(indices[i]);
        if (!corners[i]) {
            m_faces.Remove(face);
            return 0;
        }
    }
    for (int i = 0; i < count; ++i)
        face->m_vertices[i] = corners[i];
    face->m_count = count;
    return 1;
}

int CPolygonObj::SetLineFace(CPolyFace* face, int i0, int i1) {
    const int indices[] = {i0, i1};
    return SetFace(face, indices, 2);
}

int CPolygonObj::SetTriFace(CPolyFace* face, int i0, int i1, int i2) {
    const int indices[] = {i0, i1, i2};
    return SetFace(face, indices, 3);
}

int CPolygonObj::SetQuadFace(CPolyFace* face, int i0, int i1, int i2, int i3) {
    const int indices[] = {i0, i1, i2, i3};
    return SetFace(face, indices, 4);
}

void CPolygonObj::NumberVertices() {
    int i = 0;
    for (CPolyVertex* v : m_vertices)
        v->m_index = i++;
}

void CPolygonObj::NumberFaces() {
    int i = 0;
    for (CPolyFace* f : m_faces)
        f->m_index = i++;
}

CPolyEdge* CPolygonObj::FindOrAddEdge(CPolyVertex* a, CPolyVertex* b) {
    for (CPolyEdge* edge : a->m_edges)
        if (edge->Joins(a, b))
            return edge;
    CPolyEdge* edge = m_edges.Emplace();
    edge->m_a = a;
    edge->m_b = b;
    a->m_edges.AddTail(edge);
    b->m_edges.AddTail(edge);
    return edge;
}

void CPolygonObj::BuildTopology() {
    if (m_adjacencyBuilt)
        ClearAdjacency();
    // A second run starts from the faces alone, its old line faces included.
    m_edges.RemoveAll();

    for (POSITION pos = m_faces.GetHeadPosition(); pos;) {
        POSITION here = pos;
        CPolyFace* face = m_faces.GetNext(pos);
        if (!HasAllCorners(face)) {
            m_faces.RemoveAt(here);
            continue;
        }
        if (face->IsLine()) {
            FindOrAddEdge(face->m_vertices[0], face->m_vertices[1]);
            m_faces.RemoveAt(here);
            continue;
        }
        for (int i = 0; i < face->m_count; ++i)
            face->m_edges[i] = FindOrAddEdge(face->m_vertices[i], face->m_vertices[(i + 1) % face->m_count]);
    }
    for (CPolyFace* face : m_faces)
        for (int i = 0; i < face->m_count; ++i) {
            face->m_edges[i]->m_faces.AddTail(face);
            face->m_vertices[i]->m_faces.AddTail(face);
        }
    for (CPolyEdge* edge : m_edges) {
        if (!edge->m_faces.IsEmpty())
            continue;
        CPolyFace* line = m_faces.Emplace();
        line->m_count = CPolyFace::line;
        line->m_edges[0] = edge;
        line->m_vertices[0] = edge->m_a;
        line->m_vertices[1] = edge->m_b;
    }
    m_adjacencyBuilt = 1;
}

void CPolygonObj::LinkAdjacency() {
    if (m_adjacencyBuilt)
        return;
    for (CPolyFace* face : m_faces) {
        if (!IsSurface(face))
            continue;
        for (int i = 0; i < face->m_count; ++i) {
            face->m_edges[i]->m_faces.AddTail(face);
            face->m_vertices[i]->m_faces.AddTail(face);
        }
    }
    for (CPolyEdge* edge : m_edges) {
        edge->m_a->m_edges.AddTail(edge);
        edge->m_b->m_edges.AddTail(edge);
    }
    m_adjacencyBuilt = 1;
}

void CPolygonObj::ClearAdjacency() {
    for (CPolyVertex* v : m_vertices) {
        v->m_edges.RemoveAll();
        v->m_faces.RemoveAll();
    }
    for (CPolyEdge* edge : m_edges)
        edge->m_faces.RemoveAll();
    m_adjacencyBuilt = 0;
}

void CPolygonObj::UnifyFaceOrientation() {
    LinkAdjacency();
    NumberFaces();
    std::vector<char> visited(m_faces.GetCount(), 0);
    // A depth-first walk on a stack of its own: a large connected mesh would
    // overflow the call stack. Each frame is a face, the corner it is at and
    // the next neighbour to look at across that corner's edge.
    struct Frame {
        CPolyFace* face;
        int corner;
        POSITION next;
    };
    std::vector<Frame> stack;
    auto enter = [&](CPolyFace* face) {
        visited[face->m_index] = 1;
        if (IsSurface(face))
            stack.push_back({face, 0, face->m_edges[0]->m_faces.GetHeadPosition()});
    };
    for (CPolyFace* start : m_faces) {
        if (visited[start->m_index])
            continue;
        enter(start);
        while (!stack.empty()) {
            Frame& frame = stack.back();
            CPolyFace* face = frame.face;
            if (!frame.next) {
                if (++frame.corner >= face->m_count) {
                    stack.pop_back();
                    continue;
                }
                frame.next = face->m_edges[frame.corner]->m_faces.GetHeadPosition();
                continue;
            }
            CPolyFace* neighbour = face->m_edges[frame.corner]->m_faces.GetNext(frame.next);
            if (neighbour == face || visited[neighbour->m_index])
                continue;
            const CPolyVertex* a = face->m_vertices[frame.corner];
            const CPolyVertex* b = face->m_vertices[(frame.corner + 1) % face->m_count];
            if (RunsFromTo(neighbour, a, b))
                neighbour->Flip();
            enter(neighbour);
        }
    }
}

void CPolygonObj::ComputeNormals() {
    LinkAdjacency();
    int corners = 0;
    for (CPolyFace* face : m_faces) {
        if (!IsSurface(face))
            continue;
        const CVector3 n = FaceNormal(face);
        for (int i = 0; i < face->m_count; ++i)
            face->m_normals[i] = n;
        corners += face->m_count;
    }
    if (corners == 0 || !m_smooth)
        return;
    // A pair lies within the smoothing angle as AngleBetween gives it. Most
    // pairs are decided from their cosine against the limit's, without an
    // arc cosine; those too close to the limit to tell, zero normals and
    // limits outside 0 to 180 take the angle itself, so the answer is the same.
    const double limit = m_smoothingAngle;
    const bool byCosine = limit >= 0.0 && limit < 180.0;
    const double cosLimit = std::cos(limit / 180.0 * kPi);
    const auto within = [&](const CVector3& a, const CVector3& b) {
        const double lengths = static_cast<double>(a.Length()) * b.Length();
        if (byCosine && lengths != 0.0) {
            const double cosine = DotProduct(a, b) / lengths;
            if (std::fabs(cosine - cosLimit) > 1e-9)
                return cosine > cosLimit;
        }
        return limit >= AngleBetween(a, b) / kPi * 180.0;
    };
    // Every comparison uses the face normals, so the smoothed values wait
    // here until all corners are done.
    std::vector<CVector3> smoothed;
    smoothed.reserve(corners);
    for (CPolyFace* face : m_faces) {
        if (!IsSurface(face))
            continue;
        for (int i = 0; i < face->m_count; ++i) {
            const CVector3& own = face->m_normals[i];
            const CPolyVertex* vertex = face->m_vertices[i];
            CVector3 sum = own;
            for (CPolyFace* other : vertex->m_faces) {
                if (other == face)
                    continue;
                for (int j = 0; j < other->m_count; ++j)
                    if (other->m_vertices[j] == vertex && within(own, other->m_normals[j]))
                        sum += other->m_normals[j];
            }
            if (sum == CVector3())
                sum = own;
            smoothed.push_back(sum.Normalize());
        }
    }
    size_t k = 0;
    for (CPolyFace* face : m_faces) {
        if (!IsSurface(face))
            continue;
        for (int i = 0; i < face->m_count; ++i)
            face->m_normals[i] = smoothed[k++];
    }
}
