// A polygon object in a pane: its points, its edges and a preview of one
// smoothing step of its faces.
#include "mesh/polygon_obj.h"
#include "model/mouse_modes.h"
#include "model/spatch_draw.h"

#include <GL/gl.h>

namespace {

// OpenGL takes the object's points with z turned round.
void Vertex(const CVector3& p) {
    glVertex3f(p.GetX(), p.GetY(), -p.GetZ());
}

void Normal(const CVector3& n) {
    glNormal3f(n.GetX(), n.GetY(), -n.GetZ());
}

// The new place of the middle of edge i of face: three eighths of each end
// plus the other corners of every face on the edge, weighted by their count.
CVector3 EdgePoint(const CPolyFace& face, int i) {
    const CPolyEdge* edge = face.m_edges[i];
    const CPolyVertex* a = face.m_vertices[i];
    const CPolyVertex* b = face.m_vertices[(i + 1) % face.m_count];
    CVector3 sum;
    int weight = 0;
    for (const CPolyFace* other : edge->m_faces) {
        for (int k = 0; k < other->m_count; ++k)
            if (other->m_vertices[k] != a && other->m_vertices[k] != b)
                sum += *other->m_vertices[k];
        weight += other->m_count == CPolyFace::quad ? 2 : 1;
    }
    const CVector3 ends = (*a + *b) * 0.375f;
    return weight ? ends + sum / static_cast<float>(4 * weight) : ends;
}

// The new place of a corner from its edges: (1 - beta) v + beta / n times the
// sum of the far ends of its n edges, with beta = 3 / 2n, plus the
// diagonally opposite corners of its quads (see QuadVertexPoint).
struct CornerStar {
    explicit CornerStar(const CPolyVertex& v) {
        for (const CPolyEdge* edge : v.m_edges) {
            far += edge->m_a == &v ? *edge->m_b : *edge->m_a;
            ++n;
        }
        beta = n ? 1.5f / static_cast<float>(n) : 0.0f;
    }
    CVector3 far;
    int n = 0;
    float beta = 0.0f;
};

CVector3 TriVertexPoint(const CPolyVertex& v) {
    const CornerStar star(v);
    if (!star.n)
        return v;
    return v * (1.0f - star.beta) + star.far * (star.beta / static_cast<float>(star.n));
}

CVector3 QuadVertexPoint(const CPolyFace& face, int i) {
    const CPolyVertex& v = *face.m_vertices[i];
    if (v.m_faces.GetCount() == 1)
        return v * 0.75f + (*face.m_vertices[(i + 1) % 4] + *face.m_vertices[(i + 3) % 4]) / 8.0f;
    const CornerStar star(v);
    CVector3 opposite;
    int quads = 0;
    for (const CPolyFace* other : v.m_faces) {
        if (other->m_count != CPolyFace::quad)
            continue;
        for (int k = 0; k < 4; ++k)
            if (other->m_vertices[k] == &v) {
                opposite += *other->m_vertices[(k + 2) % 4];
                break;
            }
        ++quads;
    }
    const float gamma = quads ? 1.0f / static_cast<float>(4 * quads) : 0.0f;
    CVector3 p = v * (1.0f - star.beta - gamma);
    if (star.n)
        p += star.far * (star.beta / static_cast<float>(star.n));
    if (quads)
        p += opposite * (gamma / static_cast<float>(quads));
    return p;
}

bool IsLinkedSurface(const CPolyFace& face, int count) {
    if (face.m_count != count)
        return false;
    for (int i = 0; i < count; ++i)
        if (!face.m_vertices[i] || !face.m_edges[i])
            return false;
    return true;
}

} // namespace

void CPolygonObj::Draw() {
    if (!IsShownEffective())
        return;
    LinkAdjacency();
    const CGlColor color = UnpackColor(GetColor());
    glColor3f(color.r, color.g, color.b);
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(1.0f, 1.0f);
    glFrontFace(GL_CW);
    if (m_cullBackFaces == 1)
        glEnable(GL_CULL_FACE);
    glPointSize(3.0f);

    for (const CPolyFace* face : m_faces) {
        if (!IsLinkedSurface(*face, CPolyFace::triangle))
            continue;
        glBegin(GL_POINTS);
        for (int i = 0; i < 3; ++i)
            Vertex(EdgePoint(*face, i));
        for (int i = 0; i < 3; ++i)
            Vertex(TriVertexPoint(*face->m_vertices[i]));
        glEnd();
    }

    // Corner i's quad runs from its new corner over the middle of its
    // outgoing edge and the face centre to the middle of its incoming edge.
    static const float kQuadColors[4][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {1, 1, 0}};
    for (const CPolyFace* face : m_faces) {
        if (!IsLinkedSurface(*face, CPolyFace::quad))
            continue;
        CVector3 centre;
        for (int i = 0; i < 4; ++i)
            centre += *face->m_vertices[i];
        centre = centre / 4.0f;
        CVector3 edges[4], corners[4];
        for (int i = 0; i < 4; ++i) {
            edges[i] = EdgePoint(*face, i);
            corners[i] = QuadVertexPoint(*face, i);
        }
        for (int i = 0; i < 4; ++i) {
            glColor3fv(kQuadColors[i]);
            glBegin(GL_QUADS);
            Normal(face->m_normals[i]);
            if (i == 0) {
                Vertex(corners[0]);
                Vertex(edges[0]);
                Vertex(centre);
                Vertex(edges[3]);
            } else {
                Vertex(edges[i - 1]);
                Vertex(corners[i]);
                Vertex(edges[i]);
                Vertex(centre);
            }
            glEnd();
        }
    }
    glDisable(GL_CULL_FACE);
    glDisable(GL_POLYGON_OFFSET_FILL);
}

void CPolygonObj::DrawEdges() const {
    if (!IsShownEffective())
        return;
    glBegin(GL_LINES);
    for (const CPolyEdge* edge : m_edges) {
        Vertex(*edge->m_a);
        Vertex(*edge->m_b);
    }
    glEnd();
}

void CPolygonObj::DrawVertices(const CPatchDrawSettings& settings) const {
    if (!IsShownEffective() || !GetSelected())
        return;
    if (IsLightMode(settings.leftButtonMode))
        return;
    glPointSize(settings.vertexPointSize);
    const CGlColor color = UnpackColor(settings.pointColor);
    glColor3f(color.r, color.g, color.b);
    glBegin(GL_POINTS);
    for (const CPolyVertex* v : m_vertices)
        Vertex(*v);
    glEnd();
    glPointSize(1.0f);
}
