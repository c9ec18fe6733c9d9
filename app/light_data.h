#pragma once
// One light of the scene with the POV-Ray light-source options it can carry.
// It stores itself in the document file ("light_info" and "light_info2"),
// copies itself for undo, writes itself as a RenderMan light source and draws
// its gizmo and handle points in the current OpenGL context.
#include "model/vector3.h"
#include "platform/base/cstring.h"

#include <cstdint>

class CArchive;
namespace qf {
class CTextFileWriter;
}

enum LightType {
    lightPoint = 0,
    lightSpot = 1,
    lightCylinder = 2,
    lightArea = 3,
};

class CLightData {
public:
    // Area sizes beyond this in a file mean the file is damaged.
    static constexpr int maxAreaSize = 10000;

    // Everything but the selection of the light and its handles and the
    // running index; this light ends up not selected.
    void CopyFrom(const CLightData& other);

    // The "light_info" record (the caller writes the keyword and the count).
    // Load throws CArchiveException on a short stream or an impossible area size.
    int Store(CArchive& ar) const;
    int Load(CArchive& ar);
    // The "light_info2" record: the shadow pigment.
    int StoreExtra(CArchive& ar) const;
    int LoadExtra(CArchive& ar);

    // The RenderMan light source; the caller numbers the lights first.
    void WriteRenderMan(qf::CTextFileWriter& file) const;

    // The gizmo at the light's location, in the light's colour.
    void Draw() const;
    // The location (and for spot and cylinder lights the target) as points
    // of the given size, in the selected or unselected vertex colour
    // (0x00BBGGRR) by each handle's selection. Leaves the point size at 1.
    void DrawHandles(float vertexSize, uint32_t selectedColor, uint32_t unselectedColor) const;

    CString m_name = "light";
    CVector3 m_location{5.0f, 5.0f, 5.0f};
    CVector3 m_pointAt{0.0f, 0.0f, 0.0f}; // target of spot and cylinder lights
    int m_type = lightPoint;
    uint32_t m_color = 0xFFFFFF;
    float m_radius = 30.0f;  // hot-spot angle, degrees
    float m_falloff = 40.0f; // degrees
    int m_reserved1 = 0;     // stored, not interpreted
    int m_fadeOn = 0;
    float m_fadeDistance = 10.0f;
    float m_fadePower = 1.0f;
    float m_tightness = 10.0f;
    CVector3 m_areaAxis1{1.0f, 0.0f, 0.0f};
    CVector3 m_areaAxis2{0.0f, 1.0f, 0.0f};
    int m_areaSize1 = 2; // lights along axis 1
    int m_areaSize2 = 2;
    int m_shadowless = 0;
    int m_mediaAttenuation = 0;
    int m_mediaInteraction = 1;
    int m_enabled = 1; // the scene writer writes only enabled lights
    int m_shown = 1;   // the panes draw this light
    int m_areaSpotlight = 0;
    int m_jitter = 0;
    int m_selected = 0; // 1: the current light
    int m_locationSelected = 0;
    int m_pointAtSelected = 0;
    int m_adaptive = 1;
    int m_reserved2 = 1; // stored, not interpreted
    int m_index = 0;     // running number, written before a RenderMan export
    int m_parallel = 0;
    int m_circular = 0;
    int m_orient = 0;
    int m_shadowPigmentOn = 0;
    uint32_t m_shadowPigmentColor = 0;
};
