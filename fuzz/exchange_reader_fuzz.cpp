// The sPatch, Metasequoia, Wavefront OBJ and AnimationMaster readers on
// arbitrary bytes (the first byte chooses the reader). A file must either be
// refused with CFormatError or give objects whose curves and links agree; an
// accepted sPatch or AnimationMaster file must write and read back to the
// same points and curves, an accepted Metasequoia file must turn into patch
// objects without fault, and an accepted OBJ file into a polygon object
// whose faces name its own vertices.
#include "formats/export_text.h"
#include "formats/mdl_format.h"
#include "formats/mqo_format.h"
#include "formats/obj_format.h"
#include "formats/spt_format.h"
#include "mesh/polygon_obj.h"
#include "model/spatch_obj.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

// Every node lies on a point of the object that links back to it once.
void CheckLinks(const CSpatchObj& obj) {
    for (const CCurve* curve : obj.GetCurves())
        for (const CCurvePoint* node : curve->m_nodes) {
            if (!node->m_vertex || obj.GetVertices().IndexOf(node->m_vertex) < 0)
                std::abort();
            int links = 0;
            for (const CVertexLink* link : node->m_vertex->m_links)
                links += link->m_node == node && link->m_curve == curve ? 1 : 0;
            if (links != 1)
                std::abort();
        }
}

std::vector<CSpatchObj*> ReadSpt(std::string_view bytes, std::array<std::unique_ptr<CSpatchObj>, 8>& layers) {
    CTokenScanner scanner(bytes);
    const int version = ReadSptHeader(scanner);
    if (version == 1) {
        layers[0] = std::make_unique<CSpatchObj>();
        ReadSptBody(scanner, *layers[0]);
    } else if (version == 2) {
        layers = ReadSptLayers(scanner);
    }
    std::vector<CSpatchObj*> objects;
    for (auto& layer : layers)
        if (layer)
            objects.push_back(layer.get());
    return objects;
}

void FuzzSpt(std::string_view bytes) {
    std::array<std::unique_ptr<CSpatchObj>, 8> layers;
    std::vector<CSpatchObj*> objects;
    try {
        objects = ReadSpt(bytes, layers);
    } catch (const CFormatError&) {
        return;
    }
    for (CSpatchObj* obj : objects) {
        CheckLinks(*obj);
        obj->Rebuild();
    }
    const std::string written = WriteSptText(objects);
    std::array<std::unique_ptr<CSpatchObj>, 8> again;
    std::vector<CSpatchObj*> read;
    try {
        read = ReadSpt(written, again);
    } catch (const CFormatError&) {
        std::abort(); // what we write must read back
    }
    if (read.size() != objects.size() && !(read.empty() && objects.size() == 1))
        std::abort();
    for (size_t i = 0; i < read.size(); ++i)
        if (read[i]->GetVertices().GetCount() != objects[i]->GetVertices().GetCount())
            std::abort();
}

void FuzzMqo(std::string_view bytes) {
    CTokenScanner scanner(bytes);
    if (!ReadMqoHeader(scanner))
        return;
    std::vector<std::unique_ptr<CMqoObject>> objects;
    try {
        objects = ReadMqoObjects(scanner);
    } catch (const CFormatError&) {
        return;
    }
    for (auto& object : objects) {
        const std::unique_ptr<CSpatchObj> obj = MqoObjectToPatchObject(*object);
        CheckLinks(*obj);
        obj->Rebuild();
    }
}

void FuzzObj(std::string_view bytes) {
    CObjMesh mesh;
    try {
        mesh = ReadObjMesh(bytes);
    } catch (const CFormatError&) {
        return;
    }
    for (const CObjFace& face : mesh.faces)
        for (int k = 0; k < face.count; ++k)
            if (face.vertex[k] < 0 || face.vertex[k] >= static_cast<int>(mesh.vertices.size()))
                std::abort();
    const std::unique_ptr<CPolygonObj> obj = ObjMeshToPolygonObject(mesh);
    if (obj->GetVertices().GetCount() != static_cast<int>(mesh.vertices.size()))
        std::abort();
}

std::unique_ptr<CSpatchObj> ReadMdl(std::string_view bytes) {
    CTokenScanner scanner(bytes);
    if (ReadMdlHeader(scanner) != mdlHeaderOk)
        return nullptr;
    return ReadMdlSplines(scanner);
}

void FuzzMdl(std::string_view bytes) {
    std::unique_ptr<CSpatchObj> obj;
    try {
        obj = ReadMdl(bytes);
    } catch (const CFormatError&) {
        return;
    }
    if (!obj)
        return;
    CheckLinks(*obj);
    obj->Rebuild();
    CExportText text;
    WriteMdlDocument(text, {obj.get()}, CMdlSettings());
    std::unique_ptr<CSpatchObj> again;
    try {
        again = ReadMdl(text.GetBytes());
    } catch (const CFormatError&) {
        std::abort(); // what we write must read back
    }
    if (!again || again->GetCurves().GetCount() != obj->GetCurves().GetCount())
        std::abort();
    CheckLinks(*again);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    switch (data[0] & 3) {
    case 0:
        FuzzSpt(bytes);
        break;
    case 1:
        FuzzMqo(bytes);
        break;
    case 2:
        FuzzObj(bytes);
        break;
    default:
        FuzzMdl(bytes);
        break;
    }
    return 0;
}
