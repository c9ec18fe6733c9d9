// The object include: each exported object's geometry as Bezier patches or
// as a triangle mesh ("mesh" or "mesh2"). Numbers go through
// CPovNumberFormat and whole lines are handed to the stream at once: a large
// model is millions of coordinates.
#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "app/renderer_list.h"
#include "mesh/patch_mesh.h"
#include "mesh/patch_surface_draw.h"
#include "model/mirror_builder.h"
#include "platform/base/text_file.h"
#include "render/pov_format.h"
#include "render/pov_scene_writer.h"

#include <charconv>
#include <functional>

namespace {

void AppendInt(std::string& out, int value) {
    char buffer[16];
    const std::to_chars_result r = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, r.ptr);
}

// "< a , b , c >,"
void AppendIndexTriple(std::string& out, int a, int b, int c) {
    out += "< ";
    AppendInt(out, a);
    out += " , ";
    AppendInt(out, b);
    out += " , ";
    AppendInt(out, c);
    out += " >,";
}

// count items, perLine to a line, each line begun by two tabs.
void WriteItemLines(qf::CTextFileWriter& stream, int count, int perLine,
                    const std::function<void(std::string&, int)>& appendItem) {
    std::string line;
    for (int i = 0; i < count; ++i) {
        if (i % perLine == 0)
            line = "\t\t";
        appendItem(line, i);
        if (i % perLine == perLine - 1 || i == count - 1) {
            line += '\n';
            stream.Write(line);
        }
    }
}

void AppendPoint(std::string& out, const CPovNumberFormat& format, const CFloat3& p) {
    format.AppendVector(out, p.x, p.y, p.z);
}

// A polygon object as a mesh of its triangles and quads with its corner
// normals, so it is written like a patch object's polygon form.
void FillMesh(CPatchMesh& mesh, CPolygonObj& object) {
    object.NumberVertices();
    mesh.m_vertices.Resize(object.GetVertices().GetCount());
    int i = 0;
    for (const CPolyVertex* v : object.GetVertices())
        mesh.m_vertices[i++].Set(v->GetX(), v->GetY(), v->GetZ());
    CMeshFaceArrays& faces = mesh.m_faces;
    for (const CPolyFace* face : object.GetFaces()) {
        if (face->m_count != CPolyFace::triangle && face->m_count != CPolyFace::quad)
            continue;
        CMeshFace f;
        f.count = face->m_count;
        CNormalArray& normals =
            face->m_count == CPolyFace::triangle ? faces.m_triangleCornerNormals : faces.m_quadCornerNormals;
        for (int k = 0; k < face->m_count; ++k) {
            f.vertex[k] = face->m_vertices[k]->m_index;
            const CVector3& n = face->m_normals[k];
            normals.push_back({n.GetX(), n.GetY(), n.GetZ()});
        }
        (face->m_count == CPolyFace::triangle ? faces.m_triangles : faces.m_quads).push_back(f);
    }
    mesh.m_creaseAngle = object.GetSmooth() ? object.GetSmoothingAngle() : 0.0f;
}

bool HasFaces(const CPatchMesh& mesh) {
    return mesh.m_faces.TriangleCount() + mesh.m_faces.QuadCount() > 0;
}

} // namespace

CSpatchObj* CPovSceneWriter::PrepareForOutput(CSpatchObj& object) {
    if (object.GetNeedsRebuild())
        object.Rebuild();
    if (object.GetNetsDirty())
        object.UpdatePatchNets();
    if (object.GetMirrorMode() == 0)
        return &object;
    if (object.CheckMirrorCache())
        CMirrorBuilder().Build(&object);
    CSpatchObj* copy = object.GetMirrorCache();
    if (!copy)
        return &object;
    // The copy holds the object and its mirror image; it must not mirror again.
    copy->CopySettings(&object);
    copy->SetMirrorMode(0);
    if (copy->GetNeedsRebuild())
        copy->Rebuild();
    if (copy->GetNetsDirty())
        copy->UpdatePatchNets();
    return copy;
}

bool CPovSceneWriter::HasGeometry(CSpatchObj& written) const {
    if (written.GetPolygonize())
        return (m_info->output_polygon_type == 0 || m_info->output_polygon_type == 1) &&
               HasFaces(*GetDisplayMesh(written));
    if (m_info->patch_type != 0 && m_info->patch_type != 1)
        return false;
    for (const CPatch* patch : written.GetPatches())
        if (patch->m_sides == 3 || patch->m_sides == 4)
            return true;
    return written.GetFivePointOn() && !written.GetFivePatches().IsEmpty();
}

bool CPovSceneWriter::HasGeometry(const CPolygonObj& object) const {
    if (m_info->output_polygon_type != 0 && m_info->output_polygon_type != 1)
        return false;
    for (const CPolyFace* face : object.GetFaces())
        if (face->m_count == CPolyFace::triangle || face->m_count == CPolyFace::quad)
            return true;
    return false;
}

void CPovSceneWriter::ForEachDeclaredObject(
    CQuelDoc& doc, const std::function<void(CSpatchObj& object, int index)>& patchObject,
    const std::function<void(CPolygonObj& object, int index)>& polygonObject) {
    // Numbered by list position, so the scene's statements and the object
    // include agree whichever objects are left out.
    int index = 0;
    for (CSpatchObj* object : doc.m_objects) {
        const int n = index++;
        if (!object->IsExportEffective())
            continue;
        if (HasGeometry(*PrepareForOutput(*object)))
            patchObject(*object, n);
    }
    index = 0;
    for (CPolygonObj* object : doc.m_polygonObjects) {
        const int n = index++;
        if (object->IsExportEffective() && HasGeometry(*object))
            polygonObject(*object, n);
    }
}

bool CPovSceneWriter::WriteObjectDeclarations(qf::CTextFileWriter& stream) {
    CQuelDoc* doc = GetDoc();
    if (!doc || !m_info)
        return false;
    WriteVersionLine(stream);
    ForEachDeclaredObject(
        *doc,
        [&](CSpatchObj& object, int n) {
            stream.Printf("//OBJECT \"%s\"\n", PovCommentText(object.GetName()).GetString());
            stream.Printf("#declare quel_obj%d=", n);
            WriteObjectGeometry(stream, &object);
        },
        [&](CPolygonObj& object, int n) {
            stream.Printf("//OBJECT \"%s\"\n", PovCommentText(object.GetName()).GetString());
            stream.Printf("#declare quel_poly%d=", n);
            CPatchMesh mesh;
            FillMesh(mesh, object);
            WritePolygonForm(stream, mesh);
        });
    return !stream.Failed();
}

bool CPovSceneWriter::WriteObjectGeometry(qf::CTextFileWriter& stream, CSpatchObj* object) {
    if (!object || !m_info)
        return false;
    CSpatchObj* written = PrepareForOutput(*object);
    if (!HasGeometry(*written))
        return false;
    if (written->GetPolygonize())
        WritePolygonForm(stream, *GetDisplayMesh(*written));
    else
        WritePatches(stream, *written);
    return true;
}

void CPovSceneWriter::WritePolygonForm(qf::CTextFileWriter& stream, const CPatchMesh& mesh) const {
    if (m_info->output_polygon_type == 0)
        WriteMesh(stream, mesh);
    else
        WriteMesh2(stream, mesh);
}

void CPovSceneWriter::WritePatches(qf::CTextFileWriter& stream, CSpatchObj& written) const {
    const CPovNumberFormat format(m_info->output_patch_level);
    std::string head;
    if (m_info->patch_type == 0) {
        head = "\tbicubic_patch {\n\t\ttype ";
        AppendInt(head, m_info->bicubic_patch_type);
        head += "\n\t\tflatness 0\n\t\tu_steps 4\n\t\tv_steps 4\n";
    } else {
        head = "\tbezier_patch {\n\t\t4,4\n\t\taccuracy 0.01\n";
    }
    std::string block;
    auto writeBlock = [&](const PatchNet& net) {
        block = head;
        for (int row = 0; row < 4; ++row) {
            block += "\t\t";
            for (int column = 0; column < 4; ++column) {
                const float* p = &net[3 * (row * 4 + column)];
                format.AppendVector(block, p[0], p[1], p[2]);
                block += ' ';
            }
            block += '\n';
        }
        block += "\t}\n";
        stream.Write(block);
    };
    stream.Write("union{\n");
    for (const CPatch* patch : written.GetPatches()) {
        if (patch->m_sides == 4)
            writeBlock(patch->Net(0));
        else if (patch->m_sides == 3)
            for (int k = 0; k < patch->NetCount(); ++k)
                writeBlock(patch->Net(k));
    }
    if (written.GetFivePointOn())
        for (const CFivePointPatch* patch : written.GetFivePatches())
            for (const PatchNet& net : patch->m_nets)
                writeBlock(net);
    stream.Write("}\n\n");
}

void CPovSceneWriter::WriteMesh(qf::CTextFileWriter& stream, const CPatchMesh& mesh) const {
    const CPovNumberFormat format(m_info->output_polygon_level);
    const bool smooth = mesh.m_creaseAngle != 0.0f;
    const CMeshFaceArrays& faces = mesh.m_faces;
    std::string line;
    // One triangle of face corners a, b, c; normals from the face's corner normals at base.
    auto writeTriangle = [&](const CMeshFace& face, const CNormalArray& normals, size_t base, int a, int b,
                             int c) {
        line = smooth ? "\tsmooth_triangle{" : "\ttriangle{";
        for (int k : {a, b, c}) {
            line += ' ';
            AppendPoint(line, format, mesh.m_vertices[face.vertex[k]]);
            if (smooth) {
                line += ' ';
                AppendPoint(line, format, normals[base + k]);
            }
        }
        line += " }\n";
        stream.Write(line);
    };
    stream.Write("mesh{\n");
    for (size_t t = 0; t < faces.m_triangles.size(); ++t)
        writeTriangle(faces.m_triangles[t], faces.m_triangleCornerNormals, 3 * t, 0, 1, 2);
    for (size_t q = 0; q < faces.m_quads.size(); ++q) {
        writeTriangle(faces.m_quads[q], faces.m_quadCornerNormals, 4 * q, 0, 1, 2);
        writeTriangle(faces.m_quads[q], faces.m_quadCornerNormals, 4 * q, 0, 2, 3);
    }
    stream.Write("}\n");
}

void CPovSceneWriter::WriteMesh2(qf::CTextFileWriter& stream, const CPatchMesh& mesh) const {
    const CPovNumberFormat format(m_info->output_polygon_level);
    const CMeshFaceArrays& faces = mesh.m_faces;
    const int triangles = faces.TriangleCount();
    const int quads = faces.QuadCount();
    auto openList = [&](const char* keyword, int count) {
        stream.Printf("\t%s{\n", keyword);
        stream.Printf("\t\t%d,\n", count);
    };
    auto appendVector = [&](std::string& line, const CFloat3& p) {
        AppendPoint(line, format, p);
        line += ',';
    };

    stream.Write("mesh2{\n");
    openList("vertex_vectors", mesh.m_vertices.GetCount());
    WriteItemLines(stream, mesh.m_vertices.GetCount(), 10,
                   [&](std::string& line, int i) { appendVector(line, mesh.m_vertices[i]); });
    stream.Write("\t}\n");

    openList("normal_vectors", 3 * triangles + 4 * quads);
    WriteItemLines(stream, 3 * triangles, 9,
                   [&](std::string& line, int i) { appendVector(line, faces.m_triangleCornerNormals[i]); });
    WriteItemLines(stream, 4 * quads, 9,
                   [&](std::string& line, int i) { appendVector(line, faces.m_quadCornerNormals[i]); });
    stream.Write("\t}\n");

    // Each quad is two triangles: corners 0, 1, 2 and 2, 3, 0.
    openList("face_indices", triangles + 2 * quads);
    WriteItemLines(stream, triangles, 10, [&](std::string& line, int t) {
        const auto& v = faces.m_triangles[t].vertex;
        AppendIndexTriple(line, v[0], v[1], v[2]);
    });
    WriteItemLines(stream, 2 * quads, 10, [&](std::string& line, int i) {
        const auto& v = faces.m_quads[i / 2].vertex;
        if (i % 2 == 0)
            AppendIndexTriple(line, v[0], v[1], v[2]);
        else
            AppendIndexTriple(line, v[2], v[3], v[0]);
    });
    stream.Write("\t}\n");

    openList("normal_indices", triangles + 2 * quads);
    WriteItemLines(stream, triangles, 10,
                   [&](std::string& line, int t) { AppendIndexTriple(line, 3 * t, 3 * t + 1, 3 * t + 2); });
    WriteItemLines(stream, 2 * quads, 10, [&](std::string& line, int i) {
        const int n = 3 * triangles + 4 * (i / 2);
        if (i % 2 == 0)
            AppendIndexTriple(line, n, n + 1, n + 2);
        else
            AppendIndexTriple(line, n + 2, n + 3, n);
    });
    stream.Write("\t}\n");
    stream.Write("}\n");
}
