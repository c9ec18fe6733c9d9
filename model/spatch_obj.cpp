#include "model/spatch_obj.h"

#include <algorithm>
#include <vector>

CSpatchObj::CSpatchObj() {
    SetName("spatch_obj");
    SetEditable(1);
}

CSpatchObj::~CSpatchObj() = default;

CPatchVertex* CSpatchObj::AddVertex(float x, float y, float z) {
    return m_vertices.Emplace(x, y, z);
}

CCurve* CSpatchObj::AddCurve() {
    return m_curves.Emplace();
}

CVertexLink* CSpatchObj::AddVertexLink(CPatchVertex* vertex) {
    return vertex ? vertex->m_links.Emplace() : nullptr;
}

CCurvePoint* CSpatchObj::AddCurvePoint(CCurve* curve) {
    return curve ? curve->m_nodes.Emplace() : nullptr;
}

void CSpatchObj::DeleteAllVertices() {
    m_vertices.RemoveAll();
    m_needsRebuild = 0;
}

void CSpatchObj::DeleteAllCurves() {
    m_curves.RemoveAll();
    m_needsRebuild = 0;
}

void CSpatchObj::DeleteAllPatches() {
    m_patches.RemoveAll();
    DeleteFivePointPatches();
    ++m_netsGeneration;
    m_needsRebuild = 0;
}

void CSpatchObj::RemoveAllPatches() {
    for (CPatchVertex* v : m_vertices)
        v->RemoveAllPatches();
}

void CSpatchObj::NumberVertices() {
    int i = 0;
    for (CPatchVertex* v : m_vertices) {
        v->m_index = i++;
        int k = 0;
        for (CVertexLink* link : v->m_links)
            link->m_index = k++;
    }
}

void CSpatchObj::NumberCurves() {
    int i = 0;
    for (CCurve* c : m_curves) {
        c->m_number = i++;
        int k = 0;
        for (CCurvePoint* node : c->m_nodes)
            node->m_number = k++;
    }
}

void CSpatchObj::NumberPatches() {
    int i = 0;
    for (CPatch* p : m_patches)
        p->m_number = i++;
    i = 0;
    for (CFivePointPatch* p : m_fivePatches)
        p->m_number = i++;
}

void CSpatchObj::SelectAllVertices(int v) {
    for (CPatchVertex* vertex : m_vertices)
        vertex->SetSelected(v);
    SelectAllCurvePoints(0);
}

void CSpatchObj::SelectVisibleVertices() {
    for (CPatchVertex* vertex : m_vertices)
        if (vertex->m_visible == 0)
            vertex->SetSelected(1);
    SelectAllCurvePoints(0);
}

void CSpatchObj::SelectAllCurvePoints(int v) {
    for (CCurve* c : m_curves)
        for (CCurvePoint* node : c->m_nodes)
            node->m_selected = v;
}

namespace {

template <class Pred> int CountVertices(const CObjList<CPatchVertex>& vertices, Pred pred) {
    int n = 0;
    for (const CPatchVertex* v : vertices)
        if (pred(*v))
            ++n;
    return n;
}

CVector3 Midpoint(const CVector3& a, const CVector3& b) {
    return (a + b) * 0.5f;
}

// Widens the box [minCorner, maxCorner] to take in p.
void Extend(CVector3& maxCorner, CVector3& minCorner, const CVector3& p) {
    maxCorner.Set(std::max(maxCorner.GetX(), p.GetX()), std::max(maxCorner.GetY(), p.GetY()),
                  std::max(maxCorner.GetZ(), p.GetZ()));
    minCorner.Set(std::min(minCorner.GetX(), p.GetX()), std::min(minCorner.GetY(), p.GetY()),
                  std::min(minCorner.GetZ(), p.GetZ()));
}

// The box around the points that pass pred; false and the corners untouched
// when none does.
template <class Pred>
bool BoundsOf(const CObjList<CPatchVertex>& vertices, Pred pred, CVector3& maxCorner, CVector3& minCorner) {
    bool found = false;
    for (const CPatchVertex* v : vertices) {
        if (!pred(*v))
            continue;
        if (!found) {
            maxCorner = *v;
            minCorner = *v;
            found = true;
        } else {
            Extend(maxCorner, minCorner, *v);
        }
    }
    return found;
}

bool IsSelected(const CPatchVertex& v) {
    return v.m_selected != 0;
}

bool Always(const CPatchVertex&) {
    return true;
}

} // namespace

int CSpatchObj::CountSelectedVertices() const {
    return CountVertices(m_vertices, IsSelected);
}

int CSpatchObj::CountHiddenVertices() const {
    return CountVertices(m_vertices, [](const CPatchVertex& v) { return v.m_hidden != 0; });
}

int CSpatchObj::CountInvisibleVertices() const {
    return CountVertices(m_vertices, [](const CPatchVertex& v) { return v.m_visible == 0; });
}

CCurve* CSpatchObj::GetSelectedCurve() const {
    for (CCurve* c : m_curves)
        for (const CCurvePoint* node : c->m_nodes)
            if (node->m_selected)
                return c;
    return nullptr;
}

CCurvePoint* CSpatchObj::GetSelectedCurvePoint() const {
    const CCurve* curve = GetSelectedCurve();
    if (!curve)
        return nullptr;
    for (CCurvePoint* node : curve->m_nodes)
        if (node->m_selected)
            return node;
    return nullptr;
}

void CSpatchObj::GetSelectedBounds(CVector3& maxCorner, CVector3& minCorner) const {
    BoundsOf(m_vertices, IsSelected, maxCorner, minCorner);
}

void CSpatchObj::GetBounds(CVector3& maxCorner, CVector3& minCorner) const {
    if (!BoundsOf(m_vertices, Always, maxCorner, minCorner)) {
        maxCorner.SetZero();
        minCorner.SetZero();
    }
}

CVector3 CSpatchObj::GetSelectedCenter() const {
    CVector3 maxCorner, minCorner;
    GetSelectedBounds(maxCorner, minCorner);
    return Midpoint(maxCorner, minCorner);
}

CVector3 CSpatchObj::GetCenter() const {
    CVector3 maxCorner, minCorner;
    GetBounds(maxCorner, minCorner);
    return Midpoint(maxCorner, minCorner);
}

void CSpatchObj::Rebuild() {
    m_sparePatches = std::move(m_patches);
    DeleteAllPatches();
    // Numbers the points, curves and nodes, and empties the points' patch
    // back-lists: the search keeps its own.
    try {
        SearchPatches();
    } catch (...) {
        // Out of memory: no patches rather than some, none of the memory
        // kept, and the next reader of the patches searches again.
        RemoveAllPatches();
        DeleteAllPatches();
        m_sparePatches.RemoveAll();
        m_needsRebuild = 1;
        InvalidateCaches();
        throw;
    }
    m_sparePatches.RemoveAll();
    m_needsRebuild = 0;
    SetNetsDirty(1);
    InvalidateCaches();
}

void CSpatchObj::InvalidateCaches() {
    if (GetMirrorMode() != 0 && (GetMirrorAxis(0) || GetMirrorAxis(1) || GetMirrorAxis(2)))
        SetMirrorDirty(1);
    if (m_polygonize)
        SetMeshDirty(1);
}

void CSpatchObj::SetMirrorDirty(int flag) {
    m_mirrorDirty = flag;
    if (flag == 0)
        return;
    m_mirrorCache.reset();
    m_surfaceShortage = surfacesBuildable;
    if (flag == 1)
        SetMeshDirty(1);
}

void CSpatchObj::SetMeshDirty(int flag) {
    m_meshDirty = flag;
    if (flag != 0) {
        m_meshCache.reset();
        m_surfaceShortage = surfacesBuildable;
    }
    if (m_mirrorCache)
        m_mirrorCache->SetMeshDirty(flag);
}

void CSpatchObj::SetSmoothing(int on) {
    m_smoothing = on;
    SetNetsDirty(1);
    InvalidateCaches();
}

void CSpatchObj::CopySettings(const CSpatchObj* other) {
    if (!other)
        return;
    m_smoothing = other->m_smoothing;
    m_polygonize = other->m_polygonize;
    m_smoothOn = other->m_smoothOn;
    m_smoothAngle = other->m_smoothAngle;
    m_division = other->m_division;
    m_subdivisionOn = other->m_subdivisionOn;
    m_subdivisionCount = other->m_subdivisionCount;
    m_fivePointOn = other->m_fivePointOn;
    CopyAttributes(*other);
}

void CSpatchObj::SwapGeometry(CSpatchObj& other) noexcept {
    // Marking and dropping the derived copies only frees memory.
    for (CSpatchObj* obj : {this, &other}) {
        ++obj->m_netsGeneration;
        obj->SetNeedsRebuild(1);
        obj->SetNetsDirty(1);
        obj->InvalidateCaches();
    }
    m_vertices.Swap(other.m_vertices);
    m_curves.Swap(other.m_curves);
    m_patches.Swap(other.m_patches);
    m_fivePatches.Swap(other.m_fivePatches);
}

void CSpatchObj::AppendGeometry(CSpatchObj* other, int keepSelection) {
    if (!other)
        return;
    other->NumberVertices();
    other->NumberCurves();
    // Counted first, so that appending an object to itself copies it once.
    const int vertexCount = other->m_vertices.GetCount();
    const int curveCount = other->m_curves.GetCount();

    std::vector<CPatchVertex*> newVertices;
    newVertices.reserve(vertexCount);
    POSITION pos = other->m_vertices.GetHeadPosition();
    for (int i = 0; i < vertexCount; ++i) {
        const CPatchVertex* source = other->m_vertices.GetNext(pos);
        CPatchVertex* v = AddVertex(source->GetX(), source->GetY(), source->GetZ());
        v->CopyFlags(*source);
        v->m_selected = keepSelection == 1 ? source->m_selected : 0;
        newVertices.push_back(v);
    }
    auto newVertexFor = [&](const CPatchVertex* source) -> CPatchVertex* {
        if (!source || source->m_index < 0 || source->m_index >= vertexCount)
            return nullptr;
        return newVertices[source->m_index];
    };

    std::vector<CCurve*> newCurves;
    newCurves.reserve(curveCount);
    std::vector<std::vector<CCurvePoint*>> newNodes(curveCount);
    pos = other->m_curves.GetHeadPosition();
    for (int i = 0; i < curveCount; ++i) {
        const CCurve* source = other->m_curves.GetNext(pos);
        CCurve* curve = AddCurve();
        curve->m_closed = source->m_closed;
        newCurves.push_back(curve);
        for (const CCurvePoint* sourceNode : source->m_nodes) {
            CCurvePoint* node = AddCurvePoint(curve);
            node->m_vertex = newVertexFor(sourceNode->m_vertex);
            node->m_weight = sourceNode->m_weight;
            node->m_sharp = sourceNode->m_sharp;
            node->m_manualIn = sourceNode->m_manualIn;
            node->m_manualOut = sourceNode->m_manualOut;
            node->m_offsetIn = sourceNode->m_offsetIn;
            node->m_offsetOut = sourceNode->m_offsetOut;
            newNodes[i].push_back(node);
        }
    }

    pos = other->m_vertices.GetHeadPosition();
    for (int j = 0; j < vertexCount; ++j) {
        const CPatchVertex* source = other->m_vertices.GetNext(pos);
        for (const CVertexLink* sourceLink : source->m_links) {
            if (!sourceLink->m_curve || !sourceLink->m_node)
                continue;
            const int c = sourceLink->m_curve->m_number;
            const int n = sourceLink->m_node->m_number;
            if (c < 0 || c >= curveCount || n < 0 || n >= static_cast<int>(newNodes[c].size()))
                continue;
            CCurvePoint* node = newNodes[c][n];
            CVertexLink* link = AddVertexLink(newVertices[j]);
            link->m_curve = newCurves[c];
            link->m_node = node;
            link->m_manualIn = node->m_manualIn;
            link->m_manualOut = node->m_manualOut;
            link->m_offsetIn = node->m_offsetIn;
            link->m_offsetOut = node->m_offsetOut;
        }
    }

    UpdateCurveHandles();
    SetNeedsRebuild(1);
    SetNetsDirty(1);
    InvalidateCaches();
    SelectAllCurvePoints(0);
}
