// The polygon object's record in the document file.
#include "mesh/polygon_obj.h"
#include "platform/base/archive.h"

#include <limits>
#include <string>

namespace {

constexpr int kAnyCount = std::numeric_limits<int>::max();
// A vertex is x, y, z, value and colour; the shortest face is a line: its
// count, two indices, the texture switch and four (u, v) pairs.
constexpr size_t kVertexBytes = 20;
constexpr size_t kLineFaceBytes = 48;
constexpr int kTexCorners = 4;

} // namespace

int CPolygonObj::Write(CArchive& ar) {
    NumberVertices();
    ar << GetName() << GetColor();
    ar << int32_t{GetNoShadow()} << int32_t{GetExport()} << int32_t{IsEditable()} << int32_t{GetShow()};
    ar << int32_t{m_extraWords[0]} << int32_t{m_extraWords[1]} << int32_t{m_smooth} << m_smoothingAngle
       << int32_t{m_extraWords[2]} << int32_t{m_cullBackFaces};
    ar << int32_t{m_vertices.GetCount()};
    for (const CPolyVertex* v : m_vertices)
        ar << v->GetX() << v->GetY() << v->GetZ() << v->m_value << v->m_color;
    ar << int32_t{m_faces.GetCount()};
    for (const CPolyFace* face : m_faces) {
        ar << int32_t{face->m_count};
        for (int i = 0; i < face->m_count; ++i)
            ar << int32_t{face->m_vertices[i]->m_index};
        ar << int32_t{face->m_hasTexCoords};
        for (int i = 0; i < kTexCorners; ++i)
            ar << face->m_u[i] << face->m_v[i];
    }
    return 1;
}

int CPolygonObj::Load(CArchive& ar) {
    CString name;
    uint32_t color = 0;
    int32_t flags[4];
    ar >> name >> color;
    for (int32_t& flag : flags)
        ar >> flag;
    SetName(name);
    SetColor(color);
    SetNoShadow(flags[0]);
    SetExport(flags[1]);
    SetEditable(flags[2]);
    SetShow(flags[3]);
    ar >> m_extraWords[0] >> m_extraWords[1] >> m_smooth >> m_smoothingAngle >> m_extraWords[2] >>
        m_cullBackFaces;

    const int vertexCount = ar.ReadCount(kAnyCount, kVertexBytes);
    for (int i = 0; i < vertexCount; ++i) {
        float x, y, z;
        ar >> x >> y >> z;
        CPolyVertex* v = AddVertex(x, y, z);
        ar >> v->m_value >> v->m_color;
    }
    const int faceCount = ar.ReadCount(kAnyCount, kLineFaceBytes);
    for (int f = 0; f < faceCount; ++f) {
        int32_t count = 0;
        ar >> count;
        if (count < CPolyFace::line || count > CPolyFace::quad)
            ar.Fail(CArchiveException::badSchema, "a face with " + std::to_string(count) + " corners");
        int32_t indices[4] = {};
        for (int i = 0; i < count; ++i) {
            ar >> indices[i];
            if (indices[i] < 0 || indices[i] >= vertexCount)
                ar.Fail(CArchiveException::badSchema, "face corner " + std::to_string(indices[i]) + " of " +
                                                          std::to_string(vertexCount) + " vertices");
        }
        CPolyFace* face = AddFace();
        SetFace(face, indices, count);
        ar >> face->m_hasTexCoords;
        for (int i = 0; i < kTexCorners; ++i)
            ar >> face->m_u[i] >> face->m_v[i];
    }
    BuildTopology();
    ComputeNormals();
    ClearAdjacency();
    return 1;
}
