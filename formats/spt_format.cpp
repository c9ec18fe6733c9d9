#include "formats/spt_format.h"

#include "formats/export_text.h"
#include "model/spatch_obj.h"

#include <string_view>

namespace {

// The smallest number of bytes a record can take: its tokens of one
// character each and a separator after each.
constexpr size_t kMinPointBytes = 10; // x y z hidden count
constexpr size_t kMinLinkBytes = 4;   // curve node
constexpr size_t kMinCurveBytes = 4;  // count closed
constexpr size_t kMinNodeBytes = 6;   // point smooth weight

struct CSptPoint {
    float x, y, z;
    int layer;
    int hidden;
    int firstLink;
    int linkCount;
};

struct CSptNode {
    int point;
    int smooth;
    float weight;
};

struct CSptCurve {
    int closed;
    int firstNode;
    int nodeCount;
};

struct CSptLink {
    int curve;
    int node;
    int line;
};

// A body read and checked, before anything is built from it.
struct CSptBody {
    std::vector<CSptPoint> points;
    std::vector<CSptLink> links;
    std::vector<CSptCurve> curves;
    std::vector<CSptNode> nodes;
};

CSptBody ScanBody(CTokenScanner& in, bool layered) {
    CSptBody body;
    in.Word();
    const int pointCount = in.Count(kMinPointBytes);
    body.points.reserve(pointCount);
    for (int i = 0; i < pointCount; ++i) {
        CSptPoint p{};
        p.x = in.Float();
        p.y = in.Float();
        p.z = in.Float();
        if (layered) {
            p.layer = in.Int();
            if (p.layer < 0 || p.layer >= kSptLayerCount)
                in.Fail(formatProblem::badLayer);
        }
        p.hidden = in.Int();
        p.linkCount = in.Count(kMinLinkBytes);
        p.firstLink = static_cast<int>(body.links.size());
        for (int k = 0; k < p.linkCount; ++k) {
            const int line = in.Line();
            const int curve = in.Int();
            body.links.push_back({curve, in.Int(), line});
        }
        body.points.push_back(p);
    }

    in.Word();
    const int curveCount = in.Count(kMinCurveBytes);
    body.curves.reserve(curveCount);
    for (int c = 0; c < curveCount; ++c) {
        CSptCurve curve{};
        curve.nodeCount = in.Count(kMinNodeBytes);
        curve.closed = in.Int();
        curve.firstNode = static_cast<int>(body.nodes.size());
        int layer = -1;
        for (int n = 0; n < curve.nodeCount; ++n) {
            CSptNode node{};
            node.point = in.Int();
            if (node.point < 0 || node.point >= pointCount)
                in.Fail(formatProblem::badIndex);
            if (n == 0)
                layer = body.points[node.point].layer;
            else if (body.points[node.point].layer != layer)
                in.Fail(formatProblem::mixedLayers);
            node.smooth = in.Int();
            node.weight = in.Float();
            body.nodes.push_back(node);
        }
        body.curves.push_back(curve);
    }
    in.Word();

    // Each node is linked exactly once, from the point it lies on: the edits
    // find a point's curves through its links.
    std::vector<char> linked(body.nodes.size(), 0);
    for (int p = 0; p < pointCount; ++p) {
        const CSptPoint& point = body.points[p];
        for (int k = 0; k < point.linkCount; ++k) {
            const CSptLink& link = body.links[point.firstLink + k];
            if (link.curve < 0 || link.curve >= curveCount || link.node < 0 ||
                link.node >= body.curves[link.curve].nodeCount)
                throw CFormatError(formatProblem::badIndex, link.line);
            const size_t node = static_cast<size_t>(body.curves[link.curve].firstNode + link.node);
            if (body.nodes[node].point != p || linked[node])
                throw CFormatError(formatProblem::badLink, link.line);
            linked[node] = 1;
        }
    }
    if (body.links.size() != body.nodes.size())
        in.Fail(formatProblem::badLink);
    return body;
}

// Builds the objects of a checked body: object(layer) gives the object of a
// layer, made on first use.
// A version-2 curve without nodes belongs to no layer and is left out.
template <class ObjectOf> void BuildBody(const CSptBody& body, bool layered, ObjectOf object) {
    std::vector<CPatchVertex*> points;
    points.reserve(body.points.size());
    for (const CSptPoint& p : body.points) {
        CPatchVertex* vertex = object(p.layer).AddVertex(p.x, p.y, -p.z);
        vertex->m_visible = p.hidden == 0 ? 1 : 0;
        points.push_back(vertex);
    }
    std::vector<CCurve*> curves;
    std::vector<CCurvePoint*> nodes;
    curves.reserve(body.curves.size());
    nodes.reserve(body.nodes.size());
    for (const CSptCurve& c : body.curves) {
        if (c.nodeCount == 0 && layered) {
            curves.push_back(nullptr);
            continue;
        }
        const int layer = c.nodeCount ? body.points[body.nodes[c.firstNode].point].layer : 0;
        CSpatchObj& owner = object(layer);
        CCurve* curve = owner.AddCurve();
        curve->m_closed = c.closed;
        for (int n = 0; n < c.nodeCount; ++n) {
            const CSptNode& source = body.nodes[c.firstNode + n];
            CCurvePoint* node = owner.AddCurvePoint(curve);
            node->m_vertex = points[source.point];
            node->m_sharp = source.smooth == 0 ? 1 : 0;
            node->m_weight = source.weight;
            nodes.push_back(node);
        }
        curves.push_back(curve);
    }
    for (size_t p = 0; p < body.points.size(); ++p) {
        const CSptPoint& point = body.points[p];
        for (int k = 0; k < point.linkCount; ++k) {
            const CSptLink& source = body.links[point.firstLink + k];
            CVertexLink* link = object(point.layer).AddVertexLink(points[p]);
            link->m_curve = curves[source.curve];
            link->m_node = nodes[body.curves[source.curve].firstNode + source.node];
        }
    }
}

void SkipWords(CTokenScanner& in, int count) {
    for (int i = 0; i < count; ++i)
        in.Word();
}

} // namespace

int ReadSptHeader(CTokenScanner& scanner) {
    std::string_view magic, any, version;
    if (!scanner.TryWord(magic) || !scanner.TryWord(any) || !scanner.TryWord(version) || magic != "sPatches")
        return 0;
    int value = 0;
    if (!ParseWholeInt(version, value) || (value != 1 && value != 2))
        return 0;
    return value;
}

void ReadSptBody(CTokenScanner& scanner, CSpatchObj& object) {
    if (!object.GetVertices().IsEmpty() || !object.GetCurves().IsEmpty())
        return;
    SkipWords(scanner, 2);
    const CSptBody body = ScanBody(scanner, false);
    BuildBody(body, false, [&](int) -> CSpatchObj& { return object; });
    object.UpdateCurveHandles();
}

std::array<std::unique_ptr<CSpatchObj>, kSptLayerCount> ReadSptLayers(CTokenScanner& scanner) {
    SkipWords(scanner, 4);
    const CSptBody body = ScanBody(scanner, true);
    std::array<std::unique_ptr<CSpatchObj>, kSptLayerCount> layers;
    BuildBody(body, true, [&](int layer) -> CSpatchObj& {
        if (!layers[layer])
            layers[layer] = std::make_unique<CSpatchObj>();
        return *layers[layer];
    });
    for (auto& layer : layers)
        if (layer)
            layer->UpdateCurveHandles();
    return layers;
}

std::string WriteSptText(const std::vector<CSpatchObj*>& layers) {
    CExportText text;
    text << "sPatches\nversion 2\nvisibility FALSE\nselection FALSE\n";
    int pointTotal = 0;
    int curveTotal = 0;
    for (const CSpatchObj* obj : layers) {
        pointTotal += obj->GetVertices().GetCount();
        curveTotal += obj->GetCurves().GetCount();
    }

    text << "num_points ";
    text.Int(pointTotal) << '\n';
    int curveOffset = 0;
    for (size_t layer = 0; layer < layers.size(); ++layer) {
        CSpatchObj& obj = *layers[layer];
        obj.NumberCurves();
        for (const CPatchVertex* v : obj.GetVertices()) {
            text << '\t';
            text.Fixed(v->GetX(), 6) << ' ';
            text.Fixed(v->GetY(), 6) << ' ';
            text.Fixed(-v->GetZ(), 6) << "\n\t\t";
            text.Int(static_cast<long>(layer)) << "\n\t\t";
            text.Int(v->m_visible == 0 ? 1 : 0) << "\n\t\t";
            text.Int(v->m_links.GetCount()) << '\n';
            for (const CVertexLink* link : v->m_links) {
                text << "\t\t";
                text.Int(curveOffset + link->m_curve->m_number) << ' ';
                text.Int(link->m_node->m_number) << '\n';
            }
        }
        curveOffset += obj.GetCurves().GetCount();
    }
    text << "\nnum_curves ";
    text.Int(curveTotal) << '\n';
    int pointOffset = 0;
    for (CSpatchObj* obj : layers) {
        obj->NumberVertices();
        for (const CCurve* curve : obj->GetCurves()) {
            text << '\t';
            text.Int(curve->m_nodes.GetCount()) << ' ';
            text.Int(curve->m_closed) << '\n';
            for (const CCurvePoint* node : curve->m_nodes) {
                text << "\t\t";
                text.Int(pointOffset + node->m_vertex->m_index) << ' ';
                text.Int(node->m_sharp == 0 ? 1 : 0) << ' ';
                text.Fixed(node->m_weight, 6) << '\n';
            }
        }
        pointOffset += obj->GetVertices().GetCount();
    }
    text << "end_patches";
    return text.GetBytes();
}
