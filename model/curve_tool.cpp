// Deleting the selected curve and sharpening or smoothing the curves that cross it.
#include "model/curve_tool.h"

#include "model/spatch_obj.h"

int CCurveTool::DeleteSelectedCurve() {
    if (!m_obj || !m_obj->RemoveCurve(m_obj->GetSelectedCurve()))
        return 0;
    m_obj->SetNeedsRebuild(1);
    return 1;
}

int CCurveTool::SharpenCrossingCurves() {
    return SetCrossingSharp(1);
}

int CCurveTool::SmoothCrossingCurves() {
    return SetCrossingSharp(0);
}

int CCurveTool::SetCrossingSharp(int sharp) {
    const CCurve* selected = m_obj ? m_obj->GetSelectedCurve() : nullptr;
    if (!selected)
        return 0;
    for (const CCurvePoint* node : selected->m_nodes)
        for (const CVertexLink* link : node->m_vertex->m_links)
            if (link->m_curve != selected)
                link->m_node->m_sharp = sharp;
    m_obj->UpdateCurveHandles();
    return 1;
}
