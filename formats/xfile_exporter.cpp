#include "formats/xfile_exporter.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "formats/export_framework.h"

namespace {

constexpr CFileChoice kXFile{"x", "*.x", "Xﾌｧｲﾙ(*.x)|*.x||"};

struct CXTemplate {
    const char* name;
    const char* guid;
    std::initializer_list<const char*> members;
};

const CXTemplate kTemplates[] = {
    {"Header", "3D82AB43-62DA-11cf-AB39-0020AF71E433", {"WORD major;", "WORD minor;", "DWORD flags;"}},
    {"Vector", "3D82AB5E-62DA-11cf-AB39-0020AF71E433", {"FLOAT x;", "FLOAT y;", "FLOAT z;"}},
    {"Coords2d", "F6F23F44-7686-11cf-8F52-0040333594A3", {"FLOAT u;", "FLOAT v;"}},
    {"Matrix4x4", "F6F23F45-7686-11cf-8F52-0040333594A3", {"array FLOAT matrix[16];"}},
    {"ColorRGBA",
     "35FF44E0-6C7C-11cf-8F52-0040333594A3",
     {"FLOAT red;", "FLOAT green;", "FLOAT blue;", "FLOAT alpha;"}},
    {"ColorRGB", "D3E16E81-7835-11cf-8F52-0040333594A3", {"FLOAT red;", "FLOAT green;", "FLOAT blue;"}},
    {"IndexedColor", "1630B820-7842-11cf-8F52-0040333594A3", {"DWORD index;", "ColorRGBA indexColor;"}},
    {"Boolean", "4885AE61-78E8-11cf-8F52-0040333594A3", {"WORD truefalse;"}},
    {"Boolean2d", "4885AE63-78E8-11cf-8F52-0040333594A3", {"Boolean u;", "Boolean v;"}},
    {"MaterialWrap", "4885AE60-78E8-11cf-8F52-0040333594A3", {"Boolean u;", "Boolean v;"}},
    {"TextureFilename", "A42790E1-7810-11cf-8F52-0040333594A3", {"STRING filename;"}},
    {"Material",
     "3D82AB4D-62DA-11cf-AB39-0020AF71E433",
     {"ColorRGBA faceColor;", "FLOAT power;", "ColorRGB specularColor;", "ColorRGB emissiveColor;", "[...]"}},
    {"MeshFace",
     "3D82AB5F-62DA-11cf-AB39-0020AF71E433",
     {"DWORD nFaceVertexIndices;", "array DWORD faceVertexIndices[nFaceVertexIndices];"}},
    {"MeshFaceWraps",
     "4885AE62-78E8-11cf-8F52-0040333594A3",
     {"DWORD nFaceWrapValues;", "Boolean2d faceWrapValues;"}},
    {"MeshTextureCoords",
     "F6F23F40-7686-11cf-8F52-0040333594A3",
     {"DWORD nTextureCoords;", "array Coords2d textureCoords[nTextureCoords];"}},
    {"MeshMaterialList",
     "F6F23F42-7686-11cf-8F52-0040333594A3",
     {"DWORD nMaterials;", "DWORD nFaceIndexes;", "array DWORD faceIndexes[nFaceIndexes];", "[Material]"}},
    {"MeshNormals",
     "F6F23F43-7686-11cf-8F52-0040333594A3",
     {"DWORD nNormals;", "array Vector normals[nNormals];", "DWORD nFaceNormals;",
      "array MeshFace faceNormals[nFaceNormals];"}},
    {"MeshVertexColors",
     "1630B821-7842-11cf-8F52-0040333594A3",
     {"DWORD nVertexColors;", "array IndexedColor vertexColors[nVertexColors];"}},
    {"Mesh",
     "3D82AB44-62DA-11cf-AB39-0020AF71E433",
     {"DWORD nVertices;", "array Vector vertices[nVertices];", "DWORD nFaces;",
      "array MeshFace faces[nFaces];", "[...]"}},
};

void WriteHead(CExportText& text) {
    text << "xof 0302txt 0064\n";
    for (const CXTemplate& t : kTemplates) {
        text << "template " << t.name << " {\n <" << t.guid << ">\n";
        for (const char* member : t.members)
            text << ' ' << member << '\n';
        text << "}\n\n";
    }
    text << "Header{\n1;\n0;\n1;\n}\n\n";
}

// Objects rebuilt when their patches are out of date; their three- and four-sided patches.
int CountPatches(const std::vector<CSpatchObj*>& objects) {
    int patches = 0;
    for (CSpatchObj* obj : objects) {
        if (obj->GetNeedsRebuild())
            obj->Rebuild();
        patches += obj->GetPatches().GetCount();
    }
    return patches;
}

// The selected patch object for scope 0 (none when there is none), every patch object for scope 1.
std::vector<CSpatchObj*> ChosenObjects(const CQuelDoc& doc, int scope) {
    std::vector<CSpatchObj*> objects;
    if (scope != exportScopeSelected) {
        for (CSpatchObj* obj : doc.m_objects)
            objects.push_back(obj);
    } else if (CSpatchObj* selected = GetSelectedObject()) {
        objects.push_back(selected);
    }
    return objects;
}

void WriteFacePair(CExportText& text, const CPatch& patch, int offset) {
    int c[4] = {};
    for (int i = 0; i < patch.m_sides; ++i)
        c[i] = offset + patch.GetCorner(i)->m_index;
    if (patch.m_sides == 4) {
        text << " 4;";
        text.Int(c[0]) << ',';
        text.Int(c[1]) << ',';
        text.Int(c[2]) << ',';
        text.Int(c[3]) << ";,\n 4;";
        text.Int(c[0]) << ',';
        text.Int(c[3]) << ',';
        text.Int(c[2]) << ',';
        text.Int(c[1]) << ';';
    } else {
        text << " 3;";
        text.Int(c[0]) << ',';
        text.Int(c[1]) << ',';
        text.Int(c[2]) << ";,\n 3;";
        text.Int(c[0]) << ',';
        text.Int(c[2]) << ',';
        text.Int(c[1]) << ';';
    }
}

void WriteMaterial(CExportText& text, const CSpatchObj& obj, const char* end) {
    text << "  Material {\n   ";
    for (int channel = 0; channel < 3; ++channel)
        text.Fixed(ColorChannel(obj.GetColor(), channel), 6) << ';';
    text << "1.000000;;\n   0.000000;\n   0.000000;0.000000;0.000000;;\n   0.000000;0.000000;0.000000;;\n"
         << end;
}

} // namespace

BOOL CXFileExporter::CanExport() const {
    return DocumentHasPatchObjects();
}

void CXFileExporter::Export(CExchangeUi& ui) {
    CQuelDoc* doc = GetDoc();
    CExportSettings settings;
    if (!doc || !ui.AskExportSettings(exportModeScope, settings))
        return;
    if (settings.scope == exportScopeSelected && !GetSelectedObject()) {
        ShowMessage(msgNoObject);
        return;
    }
    if (CountPatches(ChosenObjects(*doc, settings.scope)) == 0) {
        ReportNothingToExport();
        return;
    }
    CString path;
    if (!ui.AskSavePath(kXFile, path))
        return;
    ExportTo(*doc, path, settings.scope);
}

BOOL CXFileExporter::ExportTo(CQuelDoc& doc, const CString& path, int scope) {
    const std::vector<CSpatchObj*> objects = ChosenObjects(doc, scope);
    if (CountPatches(objects) == 0) {
        ReportNothingToExport();
        return FALSE;
    }
    CBusyCursor busy;
    CExportText text;
    WriteFile(text, objects, scope == exportScopeSelected);
    return SaveExportFile(text, path);
}

void CXFileExporter::WriteFile(CExportText& text, const std::vector<CSpatchObj*>& objects,
                               bool singleObject) {
    const int patchCount = CountPatches(objects);
    int vertexCount = 0;
    for (CSpatchObj* obj : objects)
        vertexCount += obj->GetVertices().GetCount();

    WriteHead(text);
    text << "Mesh {\n ";
    text.Int(vertexCount) << ";\n";
    int written = 0;
    for (const CSpatchObj* obj : objects)
        for (const CPatchVertex* v : obj->GetVertices()) {
            text << ' ';
            text.Fixed(v->GetX(), 5) << ';';
            text.Fixed(v->GetY(), 5) << ';';
            text.Fixed(v->GetZ(), 5) << ';';
            text << (++written < vertexCount ? ",\n" : ";\n");
        }
    text << "\n ";
    text.Int(2 * patchCount) << ";\n";
    int offset = 0;
    written = 0;
    for (CSpatchObj* obj : objects) {
        obj->NumberVertices();
        for (const CPatch* patch : obj->GetPatches()) {
            WriteFacePair(text, *patch, offset);
            text << (++written < patchCount ? ",\n" : ";\n");
        }
        offset += obj->GetVertices().GetCount();
    }
    text << "\n MeshMaterialList {\n  ";
    text.Int(static_cast<long>(objects.size())) << ";\n  ";
    text.Int(2 * patchCount) << ";\n";
    written = 0;
    for (size_t m = 0; m < objects.size(); ++m)
        for (int p = 0; p < objects[m]->GetPatches().GetCount(); ++p) {
            text << "  ";
            text.Int(static_cast<long>(m)) << ",\n  ";
            text.Int(static_cast<long>(m)) << (++written < patchCount ? ",\n" : ";;\n");
        }
    if (singleObject && objects.size() == 1) {
        WriteMaterial(text, *objects[0], "  }\n }\n}\n");
        return;
    }
    for (const CSpatchObj* obj : objects)
        WriteMaterial(text, *obj, "  }\n");
    text << "}\n}\n";
}
