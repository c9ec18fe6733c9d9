#include "model/mirror_builder.h"
#include "model/spatch_obj.h"

#include <cmath>
#include <memory>
#include <vector>

namespace {

CVector3 WithAxis(const CVector3& p, int axis, float value) {
    CVector3 q = p;
    q.Set(axis, value);
    return q;
}

CVector3 Negated(const CVector3& p, int axis) {
    return WithAxis(p, axis, -p.Get(axis));
}

// How a source node is carried into the target: as it is, mirrored, mirrored
// and run the other way along its curve, or on the plane itself; or as the
// one node where the copy and the image of a curve meet at a first (last)
// point on the plane, which keeps the source's handle on the copy's side and
// takes its mirror image on the other.
enum class NodeForm { copy, image, reversedImage, onPlane, sharedFirst, sharedLast };

// The copy and the mirror image of one source control point in the target;
// one shared point for a point on the plane.
struct VertexPair {
    CPatchVertex* copy = nullptr;
    CPatchVertex* image = nullptr;
};

struct MirrorSetup {
    int axis = 0;
    int limitOn = 0;
    float limitDistance = 0.0f;
};

class AxisCopier {
public:
    AxisCopier(CSpatchObj& source, CSpatchObj& target, const MirrorSetup& setup)
        : m_source(source), m_target(target), m_setup(setup) {}

    // Every mirrored half an independent copy.
    void CopySeparated() {
        CopyPoints(false);
        for (const CCurve* curve : m_source.GetCurves())
            AddCopyAndImage(*curve);
    }

    // Points on the plane shared, open curves joined with their images.
    void CopyConnected() {
        CopyPoints(true);
        for (const CCurve* curve : m_source.GetCurves())
            AddConnected(*curve);
    }

private:
    void CopyPoints(bool shareOnPlane) {
        m_source.NumberVertices();
        m_target.CopySettings(&m_source);
        m_map.clear();
        m_map.reserve(m_source.GetVertices().GetCount());
        for (const CPatchVertex* v : m_source.GetVertices()) {
            VertexPair pair;
            pair.copy = m_target.AddVertex(v->GetX(), v->GetY(), v->GetZ());
            pair.copy->CopyFlags(*v);
            if (shareOnPlane && OnPlane(*v)) {
                pair.image = pair.copy;
            } else {
                const CVector3 p = Negated(*v, m_setup.axis);
                pair.image = m_target.AddVertex(p.GetX(), p.GetY(), p.GetZ());
                pair.image->CopyFlags(*v);
            }
            m_map.push_back(pair);
        }
    }

    bool OnPlane(const CVector3& p) const { return p.Get(m_setup.axis) == 0.0f; }

    // The target pair of a node's control point; null when the node has none.
    const VertexPair* PairOf(const CCurvePoint& node) const {
        const CPatchVertex* v = node.m_vertex;
        if (!v || v->m_index < 0 || v->m_index >= static_cast<int>(m_map.size()))
            return nullptr;
        return &m_map[v->m_index];
    }

    void AddNode(CCurve* curve, const CCurvePoint& source, NodeForm form) {
        const VertexPair* pair = PairOf(source);
        if (!pair)
            return;
        const int axis = m_setup.axis;
        CPatchVertex* vertex =
            form == NodeForm::image || form == NodeForm::reversedImage ? pair->image : pair->copy;
        CCurvePoint* node = m_target.AddCurvePoint(curve);
        node->m_vertex = vertex;
        node->m_sharp = source.m_sharp;
        node->m_selected = source.m_selected;
        node->m_weight = source.m_weight;
        node->m_manualIn = source.m_manualIn;
        node->m_manualOut = source.m_manualOut;
        switch (form) {
        case NodeForm::copy:
            node->m_offsetIn = source.m_offsetIn;
            node->m_offsetOut = source.m_offsetOut;
            break;
        case NodeForm::image:
            node->m_offsetIn = Negated(source.m_offsetIn, axis);
            node->m_offsetOut = Negated(source.m_offsetOut, axis);
            break;
        case NodeForm::reversedImage:
            node->m_manualIn = source.m_manualOut;
            node->m_manualOut = source.m_manualIn;
            node->m_offsetIn = Negated(source.m_offsetOut, axis);
            node->m_offsetOut = Negated(source.m_offsetIn, axis);
            break;
        case NodeForm::onPlane:
            node->m_offsetIn = WithAxis(source.m_offsetIn, axis, 0.0f);
            node->m_offsetOut = WithAxis(source.m_offsetOut, axis, 0.0f);
            break;
        case NodeForm::sharedFirst:
            node->m_manualIn = source.m_manualOut;
            node->m_offsetIn = Negated(source.m_offsetOut, axis);
            node->m_offsetOut = source.m_offsetOut;
            break;
        case NodeForm::sharedLast:
            node->m_manualOut = source.m_manualIn;
            node->m_offsetIn = source.m_offsetIn;
            node->m_offsetOut = Negated(source.m_offsetIn, axis);
            break;
        }
        CVertexLink* link = m_target.AddVertexLink(vertex);
        link->m_curve = curve;
        link->m_node = node;
    }

    CCurve* NewCurve(int closed) {
        CCurve* curve = m_target.AddCurve();
        curve->m_closed = closed;
        return curve;
    }

    void AddCopyAndImage(const CCurve& source) {
        CCurve* copy = NewCurve(source.m_closed);
        CCurve* image = NewCurve(source.m_closed);
        for (const CCurvePoint* node : source.m_nodes) {
            AddNode(copy, *node, NodeForm::copy);
            AddNode(image, *node, NodeForm::image);
        }
    }

    bool NodeOnPlane(const CCurvePoint& node) const { return node.m_vertex && OnPlane(*node.m_vertex); }

    bool EndJoins(const CCurvePoint& node) const {
        return !m_setup.limitOn ||
               (node.m_vertex && std::fabs(node.m_vertex->Get(m_setup.axis)) <= m_setup.limitDistance);
    }

    // The copies from the first node to the last, without the last when it
    // lies on the plane (its image stands for it). sharedFirst: the first
    // node's image was left out and this copy stands for both.
    void AddCopies(CCurve* curve, const std::vector<const CCurvePoint*>& nodes, bool dropLastOnPlane,
                   bool sharedFirst) {
        for (size_t i = 0; i < nodes.size(); ++i) {
            if (dropLastOnPlane && i + 1 == nodes.size() && NodeOnPlane(*nodes[i]))
                continue;
            const bool shared = sharedFirst && i == 0 && NodeOnPlane(*nodes[i]);
            AddNode(curve, *nodes[i], shared ? NodeForm::sharedFirst : NodeForm::copy);
        }
    }

    // The images from the last node back to the first, without the first
    // when it lies on the plane (its copy stands for it). sharedLast: the
    // last node's copy was left out and this image stands for both.
    void AddImagesBack(CCurve* curve, const std::vector<const CCurvePoint*>& nodes, bool dropFirstOnPlane,
                       bool sharedLast) {
        for (size_t i = nodes.size(); i-- > 0;) {
            if (dropFirstOnPlane && i == 0 && NodeOnPlane(*nodes[i]))
                continue;
            const bool shared = sharedLast && i + 1 == nodes.size() && NodeOnPlane(*nodes[i]);
            AddNode(curve, *nodes[i], shared ? NodeForm::sharedLast : NodeForm::reversedImage);
        }
    }

    void AddConnected(const CCurve& source) {
        std::vector<const CCurvePoint*> nodes;
        for (const CCurvePoint* node : source.m_nodes)
            nodes.push_back(node);
        if (nodes.size() < 2)
            return;
        bool allOnPlane = true;
        for (const CCurvePoint* node : nodes)
            allOnPlane = allOnPlane && NodeOnPlane(*node);
        if (allOnPlane) {
            CCurve* curve = NewCurve(source.m_closed);
            for (const CCurvePoint* node : nodes)
                AddNode(curve, *node, NodeForm::onPlane);
            return;
        }
        if (source.m_closed) {
            AddCopyAndImage(source);
            return;
        }
        const bool firstJoins = EndJoins(*nodes.front());
        const bool lastJoins = EndJoins(*nodes.back());
        if (firstJoins && lastJoins) {
            CCurve* curve = NewCurve(1);
            AddCopies(curve, nodes, true, true);
            AddImagesBack(curve, nodes, true, true);
        } else if (firstJoins) {
            CCurve* curve = NewCurve(0);
            AddImagesBack(curve, nodes, true, false);
            AddCopies(curve, nodes, false, true);
        } else if (lastJoins) {
            CCurve* curve = NewCurve(0);
            AddCopies(curve, nodes, true, false);
            AddImagesBack(curve, nodes, false, true);
        } else {
            AddCopyAndImage(source);
        }
    }

    CSpatchObj& m_source;
    CSpatchObj& m_target;
    MirrorSetup m_setup;
    std::vector<VertexPair> m_map; // by source point number
};

// The mirrored copy of obj, or null when its mirror settings give none.
std::unique_ptr<CSpatchObj> MakeMirroredCopy(CSpatchObj& obj) {
    const int mode = obj.GetMirrorMode();
    if (mode != 1 && mode != 2)
        return nullptr;
    std::unique_ptr<CSpatchObj> result;
    CSpatchObj* source = &obj;
    for (int axis = 0; axis < 3; ++axis) {
        if (!obj.GetMirrorAxis(axis))
            continue;
        auto target = std::make_unique<CSpatchObj>();
        AxisCopier copier(*source, *target,
                          MirrorSetup{axis, obj.GetMirrorLimit(), obj.GetMirrorLimitDistance()});
        if (mode == 1)
            copier.CopySeparated();
        else
            copier.CopyConnected();
        // The previous step's object is no longer needed.
        result = std::move(target);
        source = result.get();
    }
    if (!result)
        return nullptr;
    result->UpdateCurveHandles();
    result->Rebuild();
    result->UpdatePatchNets();
    result->CopySettings(&obj);
    result->SetMirrorMode(0);
    return result;
}

} // namespace

void CMirrorBuilder::Build(CSpatchObj* obj) const {
    if (!obj)
        return;
    std::unique_ptr<CSpatchObj> copy = MakeMirroredCopy(*obj);
    if (!copy)
        return;
    obj->SetMirrorCache(std::move(copy));
    obj->SetMirrorDirty(0);
}

int CMirrorBuilder::Freeze(CSpatchObj* obj) const {
    if (!obj)
        return 0;
    // Without a mirrored copy the geometry must stay as it is.
    std::unique_ptr<CSpatchObj> copy = MakeMirroredCopy(*obj);
    if (!copy)
        return 0;
    obj->SetMirrorDirty(1);
    obj->DeleteAllPatches();
    obj->DeleteAllCurves();
    obj->DeleteAllVertices();
    obj->SetMirrorMode(0);
    obj->AppendGeometry(copy.get(), 1);
    obj->Rebuild();
    obj->UpdatePatchNets();
    return 1;
}
