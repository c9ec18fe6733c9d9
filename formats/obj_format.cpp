#include "formats/obj_format.h"

#include "formats/export_text.h"
#include "mesh/polygon_obj.h"

#include <algorithm>
#include <charconv>

namespace {

constexpr float kExportScale = 10.0f;
// A face keeps its first references only, and a fan at most this many triangles.
constexpr size_t kMaxReferences = 100;
constexpr size_t kMaxFanTriangles = 97;

void WriteFaces(CExportText& text, const std::vector<CMeshFace>& faces) {
    for (const CMeshFace& face : faces) {
        text << 'f';
        for (int k = 0; k < face.count; ++k) {
            text << ' ';
            text.Int(face.vertex[k] + 1);
        }
        text << '\n';
    }
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The vertex of a reference word: its leading digits minus 1; -1 when
// they do not fit.
int ReferenceOf(std::string_view word) {
    int value = 0;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    (void)end;
    return ec == std::errc() ? value - 1 : -1;
}

} // namespace

std::string ObjName(const CString& name) {
    std::string word = Cp932Name(name, " \t");
    // Readers take a backslash at the end of a line as its continuation.
    if (!word.empty() && word.back() == '\\')
        word += '_';
    return word;
}

void WriteObjMesh(CExportText& text, const CPatchMesh& mesh) {
    const std::string name = ObjName(mesh.GetName());
    text << "o " << name << '\n';
    text.Reserve(text.GetBytes().size() + mesh.m_vertices.m_positions.size() * 32 +
                 (mesh.m_faces.m_triangles.size() + mesh.m_faces.m_quads.size()) * 24);
    for (const CFloat3& p : mesh.m_vertices.m_positions) {
        text << "v ";
        text.Fixed(p.x * kExportScale, 4) << ' ';
        text.Fixed(p.y * kExportScale, 4) << ' ';
        text.Fixed(p.z * kExportScale, 4) << '\n';
    }
    text << "g mesh_" << name << '\n';
    WriteFaces(text, mesh.m_faces.m_triangles);
    WriteFaces(text, mesh.m_faces.m_quads);
}

CObjMesh ReadObjMesh(std::string_view bytes) {
    CObjMesh mesh;
    // Faces as read, their references checked once every vertex is known.
    std::vector<int> references;
    std::vector<std::pair<size_t, size_t>> faceRanges;
    CTokenScanner in(bytes);
    std::string_view word;
    bool pending = in.TryWord(word);
    while (pending) {
        if (word[0] == '#') {
            in.RestOfLine();
        } else if (word == "o") {
            if (!in.TryWord(word))
                break;
            mesh.name = std::string(word);
        } else if (word == "v") {
            const float x = in.Float();
            const float y = in.Float();
            const float z = in.Float();
            mesh.vertices.push_back({x, y, z});
        } else if (word == "f") {
            const size_t first = references.size();
            while ((pending = in.TryWord(word)) && IsDigit(word[0]))
                if (references.size() - first < kMaxReferences)
                    references.push_back(ReferenceOf(word));
            faceRanges.emplace_back(first, references.size());
            continue; // the word that ended the face is the next keyword
        }
        pending = in.TryWord(word);
    }

    const int vertexCount = static_cast<int>(mesh.vertices.size());
    for (const auto& [first, end] : faceRanges) {
        const size_t count = end - first;
        const int* refs = references.data() + first;
        if (count < 3 || std::any_of(refs, refs + count, [&](int r) { return r < 0 || r >= vertexCount; }))
            continue;
        if (count <= 4) {
            CObjFace& face = mesh.faces.emplace_back();
            face.count = static_cast<int>(count);
            std::copy(refs, refs + count, face.vertex.begin());
            continue;
        }
        for (size_t k = 0; k < std::min(count - 2, kMaxFanTriangles); ++k)
            mesh.faces.push_back({3, {refs[0], refs[k + 1], refs[k + 2], 0}});
    }
    return mesh;
}

std::unique_ptr<CPolygonObj> ObjMeshToPolygonObject(const CObjMesh& mesh) {
    auto obj = std::make_unique<CPolygonObj>();
    for (const CFloat3& p : mesh.vertices)
        obj->AddVertex(p.x, p.y, p.z);
    for (const CObjFace& face : mesh.faces) {
        CPolyFace* added = obj->AddFace();
        if (face.count == 3)
            obj->SetTriFace(added, face.vertex[0], face.vertex[1], face.vertex[2]);
        else
            obj->SetQuadFace(added, face.vertex[0], face.vertex[1], face.vertex[2], face.vertex[3]);
    }
    obj->BuildTopology();
    obj->ComputeNormals();
    obj->ClearAdjacency();
    return obj;
}
