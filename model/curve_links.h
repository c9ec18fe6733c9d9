#pragma once
// Small steps that the curve edits share: adding a node together with the
// link from its control point, and the ends of a curve.
#include "model/patch_elements.h"

#include <memory>

// Links node, which lies on vertex, back from vertex to curve and node.
inline CVertexLink* LinkNode(CPatchVertex* vertex, CCurve* curve, CCurvePoint* node) {
    node->m_vertex = vertex;
    CVertexLink* link = vertex->m_links.Emplace();
    link->m_curve = curve;
    link->m_node = node;
    return link;
}

// A new default node on vertex, linked, at the end (atHead false) or the
// start of curve.
inline CCurvePoint* AddLinkedNode(CCurve* curve, CPatchVertex* vertex, bool atHead = false) {
    auto node = std::make_unique<CCurvePoint>();
    CCurvePoint* raw = node.get();
    if (atHead)
        curve->m_nodes.AddHead(std::move(node));
    else
        curve->m_nodes.AddTail(std::move(node));
    LinkNode(vertex, curve, raw);
    return raw;
}

// A new default node on vertex, linked, directly after pos in curve.
inline CCurvePoint* InsertLinkedNode(CCurve* curve, POSITION pos, CPatchVertex* vertex) {
    auto node = std::make_unique<CCurvePoint>();
    CCurvePoint* raw = node.get();
    curve->m_nodes.InsertAfter(pos, std::move(node));
    LinkNode(vertex, curve, raw);
    return raw;
}

// Takes the sharp flag, weight and manual handles of source; not the point,
// not the selection.
inline void CopyShape(CCurvePoint& node, const CCurvePoint& source) {
    node.m_sharp = source.m_sharp;
    node.m_weight = source.m_weight;
    node.m_manualIn = source.m_manualIn;
    node.m_manualOut = source.m_manualOut;
    node.m_offsetIn = source.m_offsetIn;
    node.m_offsetOut = source.m_offsetOut;
}

inline bool IsFirstNode(const CCurve& curve, const CCurvePoint* node) {
    return curve.m_nodes.GetHead() == node;
}

inline bool IsLastNode(const CCurve& curve, const CCurvePoint* node) {
    return curve.m_nodes.GetTail() == node;
}

// Whether node ends an open curve.
inline bool IsOpenEnd(const CCurve& curve, const CCurvePoint* node) {
    return !curve.m_closed && (IsFirstNode(curve, node) || IsLastNode(curve, node));
}

// Drops the link from node's control point to node.
inline void UnlinkNode(CCurvePoint* node) {
    if (node->m_vertex)
        node->m_vertex->RemoveLinkToNode(node);
}
