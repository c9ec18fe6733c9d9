#pragma once
// The Metasequoia text document (.mqo). Reading takes every Object chunk
// into a polygon mesh with the chunk's settings (scaled by 0.1 and with z
// negated, as our axes want it); the whole file is read and checked first
// (counts, vertex indices, binary vertex sizes, face lines, the closing
// "Eof") and a damaged one throws CFormatError naming the line. Writing
// gives the fixed scene, one material per object and one Object chunk per
// patch object, in CP932.
#include "formats/token_scanner.h"
#include "mesh/patch_mesh.h"
#include "platform/base/win_types.h"

#include <memory>
#include <vector>

class CExportText;
class CPolygonObj;
class CSpatchObj;

// One Object chunk as read.
struct CMqoObject {
    CString name; // without its quotes; empty when the file gives none
    int hasColor = 0;
    COLORREF color = 0;
    // Vertices, faces sorted into lines, triangles and quads, and the
    // chunk's shading, mirror and lathe settings.
    CPatchMesh mesh;
};

// Whether the first word is "Metasequoia".
bool ReadMqoHeader(CTokenScanner& scanner);
// Every Object chunk from here to the word "Eof"; a file that ends before it
// was cut short and throws.
std::vector<std::unique_ptr<CMqoObject>> ReadMqoObjects(CTokenScanner& scanner);
// The patch object of a read chunk: its mirror and lathe applied to the
// mesh, every vertex a control point and every edge a two-point curve; named
// and coloured by the caller.
std::unique_ptr<CSpatchObj> MqoObjectToPatchObject(CMqoObject& object);

// The whole document: head, scene, a material per patch object and then per
// polygon object (in the object's colour), and an Object chunk per patch
// object built at the subdivision and written times scale.
void WriteMqoDocument(CExportText& text, const std::vector<CSpatchObj*>& objects,
                      const std::vector<CPolygonObj*>& polygons, int subdivision, float scale);
// One Object chunk: the object's mirror settings and colour, the mesh's
// vertices times scale with z negated, and its faces with the material index.
void WriteMqoObject(CExportText& text, const CSpatchObj& obj, const CPatchMesh& mesh, int material,
                    float scale);
