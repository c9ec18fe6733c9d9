#pragma once
// The Wavefront OBJ text (.obj).
//
// Writing gives one "o" block: the mesh's vertices times 10 in our own axes,
// a group "mesh_<name>", then its triangles and quads (indices from 1).
// Names become single words: a blank or a character outside CP932 is "_".
//
// Reading takes the stream of words: "o" names the object (the last one
// wins), "v" adds a vertex of the next three numbers, "f" a face of the
// following vertex references (the leading digits of "7", "7/3" or "7/3/2";
// a word without a leading digit ends the face). A face of four references
// is a quad, of more a fan of triangles round its first vertex, of fewer
// than three nothing. A "#" starts a comment up to the end of its line;
// other words are passed over. A face that refers to a vertex the file does
// not have is dropped; a vertex coordinate that is no number throws
// CFormatError.
#include "formats/token_scanner.h"
#include "mesh/patch_mesh.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class CExportText;
class CPolygonObj;

// The mesh's "o" block; the file's first lines are the caller's.
void WriteObjMesh(CExportText& text, const CPatchMesh& mesh);
// name as one word of the file (CP932 bytes); "_" follows a last byte that
// is a backslash, as in the CP932 bytes of 表 and ソ.
std::string ObjName(const CString& name);

struct CObjFace {
    int count = 3; // 3 or 4
    std::array<int, 4> vertex{};
};

struct CObjMesh {
    std::string name; // as in the file (CP932); empty when there was no "o"
    std::vector<CFloat3> vertices;
    std::vector<CObjFace> faces;
};

CObjMesh ReadObjMesh(std::string_view bytes);
// The read mesh as a polygon object, its edges and normals built; unnamed.
std::unique_ptr<CPolygonObj> ObjMeshToPolygonObject(const CObjMesh& mesh);
