#include "formats/mqo_format.h"

#include "formats/export_framework.h"
#include "mesh/mesh_converter.h"
#include "mesh/mesh_processor.h"
#include "mesh/polygon_obj.h"
#include "model/spatch_obj.h"
#include "platform/base/codepage.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

namespace {

constexpr float kImportScale = 0.1f;
// A lathe sweeps every profile vertex round this many times at most; more
// in one file is taken for damage rather than a model.
constexpr int kMaxLatheSegments = 4096;
// The most points one import may give the document, lathes and mirrors
// applied: about the largest model that is still drawn and edited at an
// interactive pace, and each point costs its curves, links and patches too.
constexpr long long kMaxImportPoints = 1'000'000;
constexpr size_t kMinVertexBytes = 6; // x y z
constexpr size_t kMinFaceBytes = 5;   // n V(i)
constexpr size_t kBinaryVertexBytes = 12;

// "r g b" of 0..1 as a packed colour: each times 255, truncated and kept to its low byte.
int ColorByte(float value) {
    const double scaled = std::clamp(static_cast<double>(value) * 255.0, -2147483647.0, 2147483647.0);
    return static_cast<int>(scaled) & 0xFF;
}

float LittleEndianFloat(const char* bytes) {
    uint32_t bits = 0;
    for (int i = 3; i >= 0; --i)
        bits = (bits << 8) | static_cast<unsigned char>(bytes[i]);
    return std::bit_cast<float>(bits);
}

class CMqoReader {
public:
    explicit CMqoReader(CTokenScanner& in) : m_in(in) {}

    std::unique_ptr<CMqoObject> ReadObject() {
        auto object = std::make_unique<CMqoObject>();
        std::string name;
        const std::string_view raw = m_in.Quoted();
        if (!qf::Cp932ToUtf8(raw, name))
            name.clear();
        object->name = CString(name);
        m_in.Expect("{");
        CPatchMesh& mesh = object->mesh;
        mesh.m_mirrorDistance *= kImportScale;
        int patch = 0;
        for (;;) {
            const std::string_view key = m_in.Word();
            if (key == "vertex") {
                ReadVertices(mesh);
                break;
            }
            if (key == "BVertex") {
                ReadBinaryVertices(mesh);
                break;
            }
            if (key == "}")
                return Finish(std::move(object));
            if (key == "{")
                m_in.SkipChunk();
            else
                ReadKey(key, *object, patch);
        }
        for (;;) {
            const std::string_view word = m_in.Word();
            if (word == "}")
                break;
            if (word == "face")
                ReadFaces(mesh);
            else if (word == "{")
                m_in.SkipChunk();
        }
        return Finish(std::move(object));
    }

private:
    void ReadKey(std::string_view key, CMqoObject& object, int& patch) {
        CPatchMesh& mesh = object.mesh;
        if (key == "patch") {
            patch = std::clamp(m_in.Int(), 0, 3);
        } else if (key == "segment") {
            const int segment = m_in.Int();
            mesh.m_subdivisionSegments = patch == 3 ? 1 << std::clamp(segment, 0, 16) : segment;
        } else if (key == "visible" || key == "locking") {
            m_in.Int();
        } else if (key == "shading") {
            if (m_in.Int() == 1)
                mesh.m_shading = 1;
        } else if (key == "facet") {
            mesh.m_creaseAngle = m_in.Float();
        } else if (key == "color") {
            const int r = ColorByte(m_in.Float());
            const int g = ColorByte(m_in.Float());
            const int b = ColorByte(m_in.Float());
            object.color = static_cast<COLORREF>(r | (g << 8) | (b << 16));
            object.hasColor = 1;
        } else if (key == "mirror") {
            mesh.m_meshMirrorMode = m_in.Int();
        } else if (key == "mirror_axis") {
            const int axes = m_in.Int();
            for (int i = 0; i < 3; ++i)
                mesh.m_meshMirrorAxis[i] = (axes >> i) & 1;
        } else if (key == "mirror_dis") {
            mesh.m_mirrorDistanceLimit = 1;
            mesh.m_mirrorDistance = m_in.Float() * kImportScale;
        } else if (key == "lathe") {
            mesh.m_revolve = m_in.Int() != 0 ? 1 : 0;
        } else if (key == "lathe_axis") {
            mesh.m_revolveAxis = m_in.Int();
        } else if (key == "lathe_seg") {
            const int segments = m_in.Int();
            if (segments > kMaxLatheSegments)
                m_in.Fail(formatProblem::tooLarge);
            mesh.m_revolveSegments = std::max(segments, 3);
        } else if (key == "vertexattr") {
            m_in.Expect("{");
            m_in.SkipChunk();
        }
    }

    void ReadVertices(CPatchMesh& mesh) {
        const int count = m_in.Count(kMinVertexBytes);
        m_in.Expect("{");
        mesh.m_vertices.Resize(count);
        for (CFloat3& p : mesh.m_vertices.m_positions) {
            const float x = m_in.Float();
            const float y = m_in.Float();
            const float z = m_in.Float();
            p.Set(x * kImportScale, y * kImportScale, z * -kImportScale);
        }
        m_in.Expect("}");
    }

    // "BVertex n {", "Vector n [bytes]", then n times three little-endian
    // floats, then the chunk's closing brace.
    void ReadBinaryVertices(CPatchMesh& mesh) {
        const int first = m_in.Int();
        m_in.Expect("{");
        m_in.Word();
        const int count = m_in.Count(kBinaryVertexBytes);
        const std::string_view size = m_in.RestOfLine();
        if (count != first || !SizeMatches(size, static_cast<size_t>(count) * kBinaryVertexBytes))
            m_in.Fail(formatProblem::badBinary);
        const std::string_view data = m_in.Bytes(static_cast<size_t>(count) * kBinaryVertexBytes);
        mesh.m_vertices.Resize(count);
        for (int i = 0; i < count; ++i) {
            const char* v = data.data() + static_cast<size_t>(i) * kBinaryVertexBytes;
            const float x = LittleEndianFloat(v);
            const float y = LittleEndianFloat(v + 4);
            const float z = LittleEndianFloat(v + 8);
            if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(z))
                m_in.Fail(formatProblem::notANumber);
            mesh.m_vertices[i].Set(x * kImportScale, y * kImportScale, z * -kImportScale);
        }
        m_in.SkipChunk();
    }

    // The rest of the "Vector" line: blank, or the byte count in brackets.
    static bool SizeMatches(std::string_view text, size_t bytes) {
        const size_t open = text.find('[');
        if (open == std::string_view::npos)
            return text.find_first_not_of(" \t") == std::string_view::npos;
        const size_t close = text.find(']', open);
        int value = 0;
        return close != std::string_view::npos &&
               ParseWholeInt(text.substr(open + 1, close - open - 1), value) && value >= 0 &&
               static_cast<size_t>(value) == bytes;
    }

    // "face n {", n lines "k V(i0 .. ik-1) ...", "}". Faces of 2, 3 and 4
    // corners are kept, others are checked and dropped.
    void ReadFaces(CPatchMesh& mesh) {
        const int count = m_in.Count(kMinFaceBytes);
        m_in.Expect("{");
        m_in.RestOfLine();
        const int vertexCount = mesh.m_vertices.GetCount();
        std::vector<CMeshFace>& faces = mesh.m_faces.m_mixed;
        faces.reserve(faces.size() + static_cast<size_t>(count));
        for (int i = 0; i < count; ++i) {
            std::string_view line;
            do {
                if (m_in.AtEnd())
                    m_in.Fail(formatProblem::endsEarly);
                line = m_in.RestOfLine();
            } while (line.find_first_not_of(" \t") == std::string_view::npos);
            ParseFace(line, vertexCount, faces);
        }
        m_in.Expect("}");
    }

    void ParseFace(std::string_view line, int vertexCount, std::vector<CMeshFace>& faces) {
        const auto fail = [&](const CFormatProblem& problem) {
            throw CFormatError(problem, m_in.Line() - 1);
        };
        const size_t start = line.find_first_not_of(" \t");
        const size_t open = line.find("V(", start);
        int corners = 0;
        if (open == std::string_view::npos ||
            !ParseWholeInt(Trimmed(line.substr(start, open - start)), corners) || corners < 1)
            fail(formatProblem::badSyntax);
        const size_t close = line.find(')', open);
        if (close == std::string_view::npos)
            fail(formatProblem::badSyntax);
        CTokenScanner indices(line.substr(open + 2, close - open - 2));
        CMeshFace face;
        face.count = corners;
        for (int k = 0; k < corners; ++k) {
            std::string_view word;
            int index = 0;
            if (!indices.TryWord(word) || !ParseWholeInt(word, index))
                fail(formatProblem::badSyntax);
            if (index < 0 || index >= vertexCount)
                fail(formatProblem::badIndex);
            if (k < 4)
                face.vertex[k] = index;
        }
        std::string_view extra;
        if (indices.TryWord(extra))
            fail(formatProblem::badSyntax);
        if (corners >= 2 && corners <= 4)
            faces.push_back(face);
    }

    static std::string_view Trimmed(std::string_view text) {
        const size_t first = text.find_first_not_of(" \t");
        if (first == std::string_view::npos)
            return {};
        return text.substr(first, text.find_last_not_of(" \t") - first + 1);
    }

    // Sorts the faces and refuses the file once its objects, swept and
    // mirrored, would have more points than an import may give.
    std::unique_ptr<CMqoObject> Finish(std::unique_ptr<CMqoObject> object) {
        CPatchMesh& mesh = object->mesh;
        mesh.m_faces.SortByKind();
        m_points += ProcessedPoints(mesh);
        if (m_points > kMaxImportPoints)
            m_in.Fail(formatProblem::tooManyPoints);
        return object;
    }

    // How many points the mesh has once its lathe and mirrors are applied;
    // a joined mirror merges some, so this is at most that many.
    static long long ProcessedPoints(const CPatchMesh& mesh) {
        const int n = mesh.m_vertices.GetCount();
        long long points = n;
        const bool lathe = mesh.m_revolve && mesh.m_faces.LineCount() > 0 && mesh.m_revolveSegments >= 2;
        if (lathe) {
            std::vector<char> onProfile(static_cast<size_t>(n), 0);
            long long profile = 0;
            for (const CMeshFace& line : mesh.m_faces.m_lines)
                for (int k = 0; k < 2; ++k)
                    if (!onProfile[line.vertex[k]]) {
                        onProfile[line.vertex[k]] = 1;
                        ++profile;
                    }
            points += profile * (mesh.m_revolveSegments - 1);
        }
        const bool surfaces = lathe || mesh.m_faces.TriangleCount() + mesh.m_faces.QuadCount() > 0;
        if (mesh.m_meshMirrorMode != 0 && surfaces)
            for (int axis : mesh.m_meshMirrorAxis)
                if (axis)
                    points *= 2;
        return points;
    }

    CTokenScanner& m_in;
    long long m_points = 0;
};

void WriteColor(CExportText& text, uint32_t color) {
    text.Fixed(ColorChannel(color, 0), 3) << ' ';
    text.Fixed(ColorChannel(color, 1), 3) << ' ';
    text.Fixed(ColorChannel(color, 2), 3);
}

void WriteMaterial(CExportText& text, const CBaseObj& obj) {
    text << "\t\"mat_" << Cp932Name(obj.GetName(), "\"") << "\" col(";
    WriteColor(text, obj.GetColor());
    text << " 1.0)\n";
}

void WriteFaces(CExportText& text, const std::vector<CMeshFace>& faces, int material) {
    for (const CMeshFace& face : faces) {
        text << "\t\t";
        text.Int(face.count) << " V(";
        for (int k = 0; k < face.count; ++k) {
            if (k)
                text << ' ';
            text.Int(face.vertex[k]);
        }
        text << ") M(";
        text.Int(material) << ")\n";
    }
}

} // namespace

bool ReadMqoHeader(CTokenScanner& scanner) {
    std::string_view word;
    return scanner.TryWord(word) && word == "Metasequoia";
}

std::vector<std::unique_ptr<CMqoObject>> ReadMqoObjects(CTokenScanner& scanner) {
    std::vector<std::unique_ptr<CMqoObject>> objects;
    CMqoReader reader(scanner);
    // A whole document ends with "Eof"; without it the file was cut short,
    // maybe between two objects, and what came before is not all there is.
    for (std::string_view word = scanner.Word(); word != "Eof"; word = scanner.Word())
        if (word == "Object")
            objects.push_back(reader.ReadObject());
    return objects;
}

std::unique_ptr<CSpatchObj> MqoObjectToPatchObject(CMqoObject& object) {
    CPatchMesh& mesh = object.mesh;
    CMeshProcessor processor(&mesh);
    processor.BuildEdges();
    processor.BuildAdjacency();
    mesh.m_subdivide = 0;
    if (mesh.NeedsProcessing()) {
        processor.Process();
        processor.BuildEdges();
    }
    auto obj = std::make_unique<CSpatchObj>();
    CMeshConverter().MeshToCurves(&mesh, obj.get());
    processor.ClearMesh();
    return obj;
}

void WriteMqoDocument(CExportText& text, const std::vector<CSpatchObj*>& objects,
                      const std::vector<CPolygonObj*>& polygons, int subdivision, float scale) {
    text << "Metasequoia Document\nFormat Text Ver 1.0\n\n"
            "Scene {\n\tpos 0.0000 0.0000 1000.0f\n\thead 5.6864\n\tpich 0.3736\n\tpers 80.00\n\tortho 0\n"
            "\tzoom 8.8881\n\tamb 0.250 0.250 0.250\n}\n";
    text << "Material ";
    text.Int(static_cast<long>(objects.size() + polygons.size())) << " {\n";
    for (const CSpatchObj* obj : objects)
        WriteMaterial(text, *obj);
    for (const CPolygonObj* polygon : polygons)
        WriteMaterial(text, *polygon);
    text << "}\n\n";
    int material = 0;
    for (CSpatchObj* obj : objects) {
        const std::unique_ptr<CPatchMesh> mesh = BuildExportMesh(*obj, subdivision);
        WriteMqoObject(text, *obj, *mesh, material++, scale);
    }
    text << "Eof";
}

void WriteMqoObject(CExportText& text, const CSpatchObj& obj, const CPatchMesh& mesh, int material,
                    float scale) {
    text << "Object \"" << Cp932Name(obj.GetName(), "\"") << "\" {\n";
    text << "\tpatch 0\n\tsegment 4\n\tshading 1\n\tfacet 59.5\n\tmirror ";
    text.Int(obj.GetMirrorMode()) << "\n\tmirror_axis ";
    text.Int(obj.GetMirrorAxis(0) + 2 * obj.GetMirrorAxis(1) + 4 * obj.GetMirrorAxis(2)) << "\n\tmirror_dis ";
    text.Fixed(obj.GetMirrorLimitDistance(), 3) << "\n\tcolor ";
    WriteColor(text, obj.GetColor());
    text << "\n\tvertex ";
    text.Int(mesh.m_vertices.GetCount()) << " {\n";
    for (const CFloat3& p : mesh.m_vertices.m_positions) {
        text << "\t\t";
        text.Fixed(p.x * scale, 4) << ' ';
        text.Fixed(p.y * scale, 4) << ' ';
        text.Fixed(-p.z * scale, 4) << '\n';
    }
    text << "\t}\n\tface ";
    text.Int(mesh.m_faces.LineCount() + mesh.m_faces.TriangleCount() + mesh.m_faces.QuadCount()) << " {\n";
    WriteFaces(text, mesh.m_faces.m_lines, material);
    WriteFaces(text, mesh.m_faces.m_triangles, material);
    WriteFaces(text, mesh.m_faces.m_quads, material);
    text << "\t}\n}\n";
}
