// The sPatch and Metasequoia readers on arbitrary bytes (the first byte
// chooses the reader). A file must either be refused with CFormatError or
// give objects whose curves and links agree; an accepted sPatch file must
// write and read back to the same points and curves, and an accepted
// Metasequoia file must turn into patch objects without fault.
#include "formats/mqo_format.h"
#include "formats/spt_format.h"
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] & 1)
        FuzzMqo(bytes);
    else
        FuzzSpt(bytes);
    return 0;
}
