#include "support/scene_snapshot.h"

#include "app/quel_doc.h"
#include "platform/base/archive.h"

#include <algorithm>
#include <charconv>
#include <set>
#include <sstream>
#include <unordered_map>
#include <vector>

namespace qf::test {
namespace {

std::string Num(float v) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
    return std::string(buffer, result.ptr);
}

std::string Vec(const CVector3& v) {
    return Num(v.GetX()) + " " + Num(v.GetY()) + " " + Num(v.GetZ());
}

std::string Hex(const CArchive& ar) {
    std::ostringstream hex;
    hex << std::hex;
    for (unsigned char c : ar.GetBytes())
        hex << static_cast<int>(c >> 4) << static_cast<int>(c & 15);
    return hex.str();
}

template <class Record, class... Args> std::string StoredBytes(const Record& record, const Args&... args) {
    CArchive ar;
    record.Store(ar, args...);
    return Hex(ar);
}

std::string MaterialName(const CQuelDoc& doc, int id) {
    if (id < 0)
        return "none";
    for (const CMaterialData* mat : doc.m_materials)
        if (mat->m_id == id)
            return mat->m_name.str();
    return "missing id " + std::to_string(id);
}

std::string NodeName(const CBaseObj* node) {
    return node ? node->GetName().str() : std::string("top");
}

template <class Nodes> std::string SortedNames(const Nodes& nodes) {
    std::vector<std::string> names;
    for (const CBaseObj* node : nodes)
        names.push_back(node->GetName().str());
    std::sort(names.begin(), names.end());
    std::string text;
    for (const std::string& name : names)
        text += " " + name;
    return text;
}

void BaseLines(std::ostringstream& out, const CQuelDoc& doc, const CBaseObj& obj) {
    out << "key " << obj.GetKey().str() << "\nparent " << NodeName(obj.GetParentFolder()) << "\ncolour "
        << obj.GetColor() << "\nswitches show " << obj.GetShow() << " export " << obj.GetExport() << " edit "
        << obj.IsEditable() << " noShadow " << obj.GetNoShadow() << " noImage " << obj.GetNoImage()
        << " noReflection " << obj.GetNoReflection() << " hollow " << obj.GetHollow() << " doubleIlluminate "
        << obj.GetDoubleIlluminate() << "\nseeThrough " << obj.GetSeeThrough() << " "
        << obj.GetSeeThroughAmount() << "\nmotionBlur " << obj.GetMotionBlur() << " "
        << obj.GetMotionBlurTarget().str() << "\nmirror " << obj.GetMirrorMode() << " "
        << Num(obj.GetMirrorLimitDistance()) << " " << obj.GetMirrorLimit() << " " << obj.GetMirrorAxis(0)
        << " " << obj.GetMirrorAxis(1) << " " << obj.GetMirrorAxis(2) << "\n";
    for (int i = 0; i < 4; ++i)
        out << "vector " << i << " " << Vec(obj.GetExtraVector(i)) << "\n";
    for (int i = 0; i < CBaseObj::materialSlotCount; ++i) {
        const CTransformData& slot = *obj.GetMaterialSlot(i);
        out << "slot " << i << " " << MaterialName(doc, slot.m_materialId) << " " << Vec(slot.m_translation)
            << " / " << Vec(slot.m_rotation) << " / " << Vec(slot.m_scale) << " " << slot.m_slotOption << " "
            << slot.m_reserved << "\n";
    }
}

std::string PatchObjectText(const CQuelDoc& doc, const CSpatchObj& obj) {
    std::ostringstream out;
    BaseLines(out, doc, obj);
    out << "settings smoothing " << obj.GetSmoothing() << " polygonize " << obj.GetPolygonize()
        << " smoothOn " << obj.GetSmoothOn() << " " << Num(obj.GetSmoothAngle()) << " division "
        << obj.GetDivision() << " subdivision " << obj.GetSubdivisionOn() << " " << obj.GetSubdivisionCount()
        << " fivePointOn " << obj.GetFivePointOn() << "\n";

    std::unordered_map<const CCurve*, int> curveIndex;
    std::unordered_map<const CCurvePoint*, int> nodeIndex;
    std::unordered_map<const CPatchVertex*, int> pointIndex;
    int c = 0;
    for (const CCurve* curve : obj.GetCurves()) {
        curveIndex[curve] = c++;
        int n = 0;
        for (const CCurvePoint* node : curve->m_nodes)
            nodeIndex[node] = n++;
    }
    int p = 0;
    for (const CPatchVertex* v : obj.GetVertices())
        pointIndex[v] = p++;
    const auto indexOf = [](const auto& map, const auto* key) {
        const auto found = map.find(key);
        return found == map.end() ? -1 : found->second;
    };

    for (const CPatchVertex* v : obj.GetVertices()) {
        out << "point " << Vec(*v) << " visible " << v->m_visible << " hidden " << v->m_hidden
            << " fivePoint " << v->m_fivePoint << " markers " << v->m_markerValues[0] << " "
            << v->m_markerValues[1] << " " << v->m_markerFlag << " colour " << v->m_ownColor << " "
            << v->m_color << " links";
        for (const CVertexLink* link : v->m_links)
            out << " " << indexOf(curveIndex, link->m_curve) << ":" << indexOf(nodeIndex, link->m_node);
        out << "\n";
    }
    for (const CCurve* curve : obj.GetCurves()) {
        out << "curve closed " << curve->m_closed << " word " << curve->m_curveWord << "\n";
        for (const CCurvePoint* node : curve->m_nodes)
            out << "  node point " << indexOf(pointIndex, node->m_vertex) << " weight " << Num(node->m_weight)
                << " sharp " << node->m_sharp << " in " << node->m_manualIn << " " << Vec(node->m_offsetIn)
                << " out " << node->m_manualOut << " " << Vec(node->m_offsetOut) << "\n";
    }
    return out.str();
}

std::string PolygonText(const CQuelDoc& doc, const CPolygonObj& obj) {
    std::ostringstream out;
    BaseLines(out, doc, obj);
    out << "smooth " << obj.GetSmooth() << " " << Num(obj.GetSmoothingAngle()) << " cull "
        << obj.GetCullBackFaces() << "\n";
    std::unordered_map<const CPolyVertex*, int> index;
    int i = 0;
    for (const CPolyVertex* v : obj.GetVertices()) {
        index[v] = i++;
        out << "vertex " << Vec(*v) << "\n";
    }
    for (const CPolyFace* face : obj.GetFaces()) {
        out << "face";
        for (int k = 0; k < face->m_count; ++k)
            out << " " << (face->m_vertices[k] ? index[face->m_vertices[k]] : -1);
        out << "\n";
    }
    return out.str();
}

std::string FolderText(const CQuelDoc& doc, const CFolderObj& folder) {
    std::ostringstream out;
    BaseLines(out, doc, folder);
    CArchive ar;
    folder.Write(ar);
    out << "record " << Hex(ar) << "\nmembers" << SortedNames(folder.GetMembers()) << "\n";
    return out.str();
}

std::string LightText(const CLightData& light) {
    CArchive extra;
    light.StoreExtra(extra);
    return StoredBytes(light) + "\nextra " + Hex(extra) + "\n";
}

std::string MaterialText(const CMaterialData& mat) {
    return StoredBytes(mat) + "\nid " + std::to_string(mat.m_id) + "\n";
}

std::string CameraText(const CCamera& camera) {
    return std::to_string(camera.m_projection) + " " + Num(camera.m_roll) + " " + Num(camera.m_angle) + " " +
           Vec(camera.m_target) + " / " + Vec(camera.m_eye);
}

std::string SceneText(const CQuelDoc& doc) {
    std::ostringstream out;
    out << "top" << SortedNames(doc.m_tree.GetRoot()) << "\n";
    out << "global " << StoredBytes(doc.m_globalSettings) << "\nradiosity " << StoredBytes(doc.m_radiosity)
        << "\nradiosity2 " << StoredBytes(doc.m_radiosity2) << "\npost " << StoredBytes(doc.m_postProcess)
        << "\nhdr " << StoredBytes(doc.m_hdr) << "\n";
    const CObjList<CMaterialData>& materials = doc.m_materials;
    out << "default material " << StoredBytes(doc.m_defaultMaterial, materials) << "\n";
    out << "background " << doc.m_renderBgColor << " " << doc.m_useRenderBgColor << "\nmegapov "
        << Num(doc.m_settings.m_megaPovVersion) << " " << doc.m_motionBlurCount << " "
        << Num(doc.m_motionBlurTime) << "\n";
    for (const CString& file : doc.m_includeFiles)
        out << "include " << file.str() << "\n";
    for (int i = 0; i < kPaneCount; ++i) {
        out << "pane camera " << i << " " << CameraText(doc.m_cameras[i]) << "\nmemo camera " << i << " "
            << CameraText(doc.m_memoCameras[i]) << "\n";
        const CUnderlayImage& underlay = doc.m_underlays[i];
        out << "underlay " << i << " " << doc.m_underlayFiles[i].str() << " " << Vec(underlay.m_offset)
            << " / " << Vec(underlay.m_scale) << " " << underlay.m_loaded << " " << underlay.m_textureReady
            << "\n";
    }
    return out.str();
}

const CString& NameOf(const CBaseObj& obj) {
    return obj.GetName();
}
const CString& NameOf(const CLightData& light) {
    return light.m_name;
}
const CString& NameOf(const CMaterialData& mat) {
    return mat.m_name;
}

// Adds one entry per element; a name twice in the scene is an entry of its own, so it shows.
template <class T, class Text>
void AddEntries(std::map<std::string, std::string>& entries, const char* kind, const CObjList<T>& list,
                Text text) {
    for (const T* item : list) {
        std::string key = std::string(kind) + " " + NameOf(*item).str();
        while (entries.count(key))
            key += " (twice)";
        entries[key] = text(*item);
    }
}

std::string FirstDifference(const std::string& a, const std::string& b) {
    std::istringstream left(a), right(b);
    std::string l, r;
    while (true) {
        const bool moreLeft = static_cast<bool>(std::getline(left, l));
        const bool moreRight = static_cast<bool>(std::getline(right, r));
        if (!moreLeft && !moreRight)
            return "(same lines)";
        if (!moreLeft || !moreRight || l != r)
            return "expected \"" + (moreLeft ? l : "") + "\", got \"" + (moreRight ? r : "") + "\"";
    }
}

} // namespace

SceneSnapshot::SceneSnapshot(const CQuelDoc& doc) {
    AddEntries(m_entries, "object", doc.m_objects,
               [&doc](const CSpatchObj& o) { return PatchObjectText(doc, o); });
    AddEntries(m_entries, "folder", doc.m_folders,
               [&doc](const CFolderObj& f) { return FolderText(doc, f); });
    AddEntries(m_entries, "polygon", doc.m_polygonObjects,
               [&doc](const CPolygonObj& p) { return PolygonText(doc, p); });
    AddEntries(m_entries, "light", doc.m_lights, LightText);
    AddEntries(m_entries, "material", doc.m_materials, MaterialText);
    m_entries["scene"] = SceneText(doc);
}

::testing::AssertionResult SameScene(const SceneSnapshot& expected, const SceneSnapshot& actual) {
    std::set<std::string> keys;
    for (const auto& [key, text] : expected.GetEntries())
        keys.insert(key);
    for (const auto& [key, text] : actual.GetEntries())
        keys.insert(key);
    std::string problems;
    for (const std::string& key : keys) {
        const auto e = expected.GetEntries().find(key);
        const auto a = actual.GetEntries().find(key);
        if (a == actual.GetEntries().end())
            problems += "\n  missing: " + key;
        else if (e == expected.GetEntries().end())
            problems += "\n  extra: " + key;
        else if (e->second != a->second)
            problems += "\n  differs: " + key + ": " + FirstDifference(e->second, a->second);
    }
    if (problems.empty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the scenes differ:" << problems;
}

} // namespace qf::test
