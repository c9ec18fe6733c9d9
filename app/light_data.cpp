#include "app/light_data.h"

#include "model/gl_scope.h"
#include "platform/base/archive.h"
#include "platform/base/text_file.h"

#include <GL/gl.h>
#include <cmath>
#include <string>

namespace {

void StoreVector(CArchive& ar, const CVector3& v) {
    ar << v.GetX() << v.GetY() << v.GetZ();
}

CVector3 LoadVector(CArchive& ar) {
    float x, y, z;
    ar >> x >> y >> z;
    return CVector3(x, y, z);
}

int LoadAreaSize(CArchive& ar) {
    int32_t size = 0;
    ar >> size;
    if (size < 0 || size > CLightData::maxAreaSize)
        ar.Fail(CArchiveException::badLength, "impossible area light size " + std::to_string(size));
    return size;
}

float Channel(uint32_t color, int shift) {
    return static_cast<float>((color >> shift) & 0xFF) / 255.0f;
}

void SetGlColor(uint32_t color) {
    glColor3f(Channel(color, 0), Channel(color, 8), Channel(color, 16));
}

void Line(float x0, float y0, float z0, float x1, float y1, float z1) {
    glVertex3f(x0, y0, z0);
    glVertex3f(x1, y1, z1);
}

void Line(const CVector3& a, const CVector3& b) {
    Line(a.GetX(), a.GetY(), a.GetZ(), b.GetX(), b.GetY(), b.GetZ());
}

void DrawPointGizmo() {
    GlMatrixScope matrix;
    glBegin(GL_LINES);
    Line(-1, 0, 0, 1, 0, 0);
    Line(0, 1, 0, 0, -1, 0);
    Line(0, 0, -1, 0, 0, 1);
    glEnd();
    glScalef(0.5f, 0.5f, 0.5f);
    glBegin(GL_LINES);
    Line(1, 1, 1, -1, -1, -1);
    Line(-1, 1, 1, 1, -1, -1);
    Line(1, 1, -1, -1, -1, 1);
    Line(-1, 1, -1, 1, -1, 1);
    glEnd();
}

// A loop of n steps round the unit circle in the XZ plane.
void DrawCircle(int n) {
    const double twoPi = 2.0 * 3.1415;
    glBegin(GL_LINE_LOOP);
    for (double t = 0.0; t < twoPi; t += twoPi / n)
        glVertex3f(static_cast<float>(std::cos(t)), 0.0f, static_cast<float>(std::sin(t)));
    glEnd();
}

// The unit circle in the XY plane at height z.
void DrawCircleAtZ(float z) {
    GlMatrixScope matrix;
    glTranslatef(0.0f, 0.0f, z);
    glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
    DrawCircle(30);
}

// Four lines from the apex (0, 0, 0) to the rim of the unit circle at z = 1.
void DrawConeLines() {
    glBegin(GL_LINES);
    Line(0, 0, 0, 1, 0, 1);
    Line(0, 0, 0, -1, 0, 1);
    Line(0, 0, 0, 0, 1, 1);
    Line(0, 0, 0, 0, -1, 1);
    glEnd();
}

// The small box and fins at the light's end of a spot or cylinder gizmo.
void DrawLamp() {
    const float a = 0.1f, b = 0.1f;
    {
        GlMatrixScope matrix;
        glTranslatef(0.0f, 0.0f, -a);
        glBegin(GL_LINES);
        Line(-a, a, a, a, a, a);
        Line(-a, -a, a, a, -a, a);
        Line(-a, a, -a, a, a, -a);
        Line(-a, -a, -a, a, -a, -a);
        glEnd();
        for (float x : {a, -a}) {
            glBegin(GL_LINE_LOOP);
            glVertex3f(x, a, a);
            glVertex3f(x, -a, a);
            glVertex3f(x, -a, -a);
            glVertex3f(x, a, -a);
            glEnd();
        }
    }
    for (int i = 0; i < 4; ++i) {
        GlMatrixScope matrix;
        glRotatef(static_cast<float>(i) * 90.0f, 0.0f, 0.0f, 1.0f);
        glBegin(GL_LINE_LOOP);
        glVertex3f(a, a, 0.0f);
        glVertex3f(a, -a, 0.0f);
        glVertex3f(a + b, -a, a);
        glVertex3f(a + b, a, a);
        glEnd();
    }
}

void DrawBeamGizmo(const CLightData& light) {
    const CVector3 d = light.m_pointAt - light.m_location;
    const float length = d.Length();
    const float radiusSpread = length * static_cast<float>(std::tan(light.m_radius * 3.1415927 / 180.0));
    const float falloffSpread = length * static_cast<float>(std::tan(light.m_falloff * 3.1415927 / 180.0));
    glBegin(GL_LINES);
    Line(CVector3(), d);
    glEnd();
    GlMatrixScope aim;
    glRotatef(d.GetAzimuth(), 0.0f, 1.0f, 0.0f);
    glRotatef(d.GetElevation(), 1.0f, 0.0f, 0.0f);
    DrawLamp();
    {
        GlMatrixScope matrix;
        glScalef(radiusSpread, radiusSpread, length);
        DrawCircleAtZ(1.0f);
        DrawConeLines();
    }
    GlMatrixScope matrix;
    glScalef(falloffSpread, falloffSpread, length);
    DrawCircleAtZ(1.0f);
    if (light.m_type == lightSpot) {
        DrawConeLines();
        return;
    }
    DrawCircleAtZ(0.0f);
    glBegin(GL_LINES);
    Line(1, 0, 0, 1, 0, 1);
    Line(-1, 0, 0, -1, 0, 1);
    Line(0, 1, 0, 0, 1, 1);
    Line(0, -1, 0, 0, -1, 1);
    glEnd();
}

// size lines along `along`, spread evenly over `across` from its start; a
// single line lies at the start.
void DrawGridLines(const CVector3& across, const CVector3& along, int size) {
    glBegin(GL_LINES);
    for (int i = 0; i < size; ++i) {
        const float share = size > 1 ? static_cast<float>(i) / static_cast<float>(size - 1) : 0.0f;
        const CVector3 start = across * share;
        Line(start, start + along);
    }
    glEnd();
}

void DrawAreaGizmo(const CLightData& light) {
    GlMatrixScope matrix;
    DrawGridLines(light.m_areaAxis2, light.m_areaAxis1, light.m_areaSize2);
    DrawGridLines(light.m_areaAxis1, light.m_areaAxis2, light.m_areaSize1);
}

} // namespace

void CLightData::CopyFrom(const CLightData& other) {
    const int locationSelected = m_locationSelected;
    const int pointAtSelected = m_pointAtSelected;
    const int index = m_index;
    *this = other;
    m_selected = 0;
    m_locationSelected = locationSelected;
    m_pointAtSelected = pointAtSelected;
    m_index = index;
}

int CLightData::Store(CArchive& ar) const {
    ar << m_name;
    StoreVector(ar, m_location);
    StoreVector(ar, m_pointAt);
    ar << int32_t{m_type} << m_color << m_radius << m_falloff << int32_t{m_reserved1};
    ar << int32_t{m_fadeOn} << m_fadeDistance << m_fadePower << m_tightness;
    StoreVector(ar, m_areaAxis1);
    StoreVector(ar, m_areaAxis2);
    ar << int32_t{m_areaSize1} << int32_t{m_areaSize2} << int32_t{m_shadowless} << int32_t{m_mediaAttenuation}
       << int32_t{m_mediaInteraction} << int32_t{m_enabled} << int32_t{m_shown} << int32_t{m_areaSpotlight}
       << int32_t{m_jitter};
    ar << int32_t{m_adaptive} << int32_t{m_reserved2};
    ar << int32_t{m_parallel} << int32_t{m_circular} << int32_t{m_orient};
    return 1;
}

int CLightData::Load(CArchive& ar) {
    ar >> m_name;
    m_location = LoadVector(ar);
    m_pointAt = LoadVector(ar);
    ar >> m_type >> m_color >> m_radius >> m_falloff >> m_reserved1;
    ar >> m_fadeOn >> m_fadeDistance >> m_fadePower >> m_tightness;
    m_areaAxis1 = LoadVector(ar);
    m_areaAxis2 = LoadVector(ar);
    m_areaSize1 = LoadAreaSize(ar);
    m_areaSize2 = LoadAreaSize(ar);
    ar >> m_shadowless >> m_mediaAttenuation >> m_mediaInteraction >> m_enabled >> m_shown >>
        m_areaSpotlight >> m_jitter;
    ar >> m_adaptive >> m_reserved2;
    ar >> m_parallel >> m_circular >> m_orient;
    return 1;
}

int CLightData::StoreExtra(CArchive& ar) const {
    ar << int32_t{m_shadowPigmentOn} << m_shadowPigmentColor;
    return 1;
}

int CLightData::LoadExtra(CArchive& ar) {
    ar >> m_shadowPigmentOn >> m_shadowPigmentColor;
    return 1;
}

void CLightData::WriteRenderMan(qf::CTextFileWriter& file) const {
    file.Printf("Attribute \"light\" \"shadows\" \"%s\"\n", m_shadowless ? "off" : "on");
    const bool area = m_type == lightArea;
    const bool beam = m_type == lightSpot || m_type == lightCylinder;
    if (m_type == lightPoint || beam || area) {
        if (area)
            file.Printf("AreaLightSource \"arealight\" %d ", m_index);
        else
            file.Printf("LightSource \"%s\" %d ", beam ? "spotlight" : "pointlight", m_index);
        file.Printf(" \"intensity\" [100] ");
        file.Printf(" \"lightcolor\" [%0.3f %0.3f %0.3f] ", Channel(m_color, 0), Channel(m_color, 8),
                    Channel(m_color, 16));
    }
    if (m_type == lightPoint || beam)
        file.Printf(" \"from\" [%0.3f %0.3f %0.3f] ", m_location.GetX(), m_location.GetY(),
                    m_location.GetZ());
    if (beam) {
        file.Printf(" \"to\" [%0.3f %0.3f %0.3f] ", m_pointAt.GetX(), m_pointAt.GetY(), m_pointAt.GetZ());
        // The renderer's own cone, whatever the light's radius and falloff.
        file.Printf(" \"coneangle\" [%0.3f] \"conedeltaangle\" [%0.3f] ", 0.52, 0.087);
    }
    file.Printf("\n");
}

void CLightData::Draw() const {
    GlMatrixScope matrix;
    glTranslatef(m_location.GetX(), m_location.GetY(), m_location.GetZ());
    SetGlColor(m_color);
    switch (m_type) {
    case lightPoint:
        DrawPointGizmo();
        break;
    case lightSpot:
    case lightCylinder:
        DrawBeamGizmo(*this);
        break;
    case lightArea:
        DrawAreaGizmo(*this);
        break;
    default:
        break;
    }
}

void CLightData::DrawHandles(float vertexSize, uint32_t selectedColor, uint32_t unselectedColor) const {
    glPointSize(vertexSize);
    glBegin(GL_POINTS);
    SetGlColor(m_locationSelected ? selectedColor : unselectedColor);
    glVertex3f(m_location.GetX(), m_location.GetY(), m_location.GetZ());
    if (m_type == lightSpot || m_type == lightCylinder) {
        SetGlColor(m_pointAtSelected ? selectedColor : unselectedColor);
        glVertex3f(m_pointAt.GetX(), m_pointAt.GetY(), m_pointAt.GetZ());
    }
    glEnd();
    glPointSize(1.0f);
}
