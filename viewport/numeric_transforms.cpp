#include "viewport/numeric_transforms.h"

#include "app/quel_doc.h"
#include "model/vertex_transform.h"
#include "viewport/view_camera.h"

CVector3 ShiftPositionOffset(int action, const CVector3& maxCorner, const CVector3& minCorner,
                             const std::array<int, 3>& useAxis) {
    CVector3 offset;
    switch (action) {
    case 0:
        offset = ((maxCorner - minCorner) / 2.0f + minCorner) * -1.0f;
        break;
    case 1:
        offset = minCorner * -1.0f;
        break;
    case 2:
        offset = maxCorner * -1.0f;
        break;
    default:
        break;
    }
    return {useAxis[0] ? offset.GetX() : 0.0f, useAxis[1] ? offset.GetY() : 0.0f,
            useAxis[2] ? offset.GetZ() : 0.0f};
}

void AlignSelectedVertices(CSpatchObj& obj, const CVector3& position, const std::array<int, 3>& apply) {
    for (CPatchVertex* v : obj.GetVertices()) {
        if (!v->m_selected)
            continue;
        if (apply[0])
            v->SetX(position.GetX());
        if (apply[1])
            v->SetY(position.GetY());
        if (apply[2])
            v->SetZ(position.GetZ());
    }
    obj.UpdateCurveHandles();
}

void AppendArrayCopies(CSpatchObj& target, CSpatchObj& source, const CArraySteps& steps) {
    for (int i = 1; i <= steps.count; ++i) {
        const float n = static_cast<float>(i);
        CSpatchObj copy;
        copy.AppendGeometry(&source, 0);
        const CVector3 centre = copy.GetCenter();
        const CVector3 factors(1.0f + n * (steps.scale.GetX() - 1.0f), 1.0f + n * (steps.scale.GetY() - 1.0f),
                               1.0f + n * (steps.scale.GetZ() - 1.0f));
        CVertexMap map = ScalingAbout(centre, factors);
        map.m_points.TranslateBy(steps.translate * n);
        for (CMatrix4* m : {&map.m_points, &map.m_handles}) {
            m->RotateX(n * steps.rotate.GetX());
            m->RotateY(n * steps.rotate.GetY());
            m->RotateZ(n * steps.rotate.GetZ());
        }
        TransformVertices(copy, map, VertexChoice::all);
        target.AppendGeometry(&copy, 0);
    }
}

CObjectGroup CollectMultiSelectedObjects(CQuelDoc& doc) {
    CObjectGroup group;
    for (CSpatchObj* obj : doc.m_objects) {
        if (!obj->GetMultiSelected() || !obj->IsEditable() || obj->GetVertices().IsEmpty())
            continue;
        CVector3 maxCorner;
        CVector3 minCorner;
        obj->GetBounds(maxCorner, minCorner);
        const bool first = group.m_objects.empty();
        group.m_max = first ? maxCorner : ComponentMax(group.m_max, maxCorner);
        group.m_min = first ? minCorner : ComponentMin(group.m_min, minCorner);
        group.m_objects.push_back(obj);
    }
    return group;
}
