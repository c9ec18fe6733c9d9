#include "app/hdr_background.h"

#include "app/pov_text.h"
#include "platform/base/archive.h"
#include "platform/base/text_file.h"

#include <utility>

namespace {

// Official POV-Ray knows planar, spherical, cylindrical and torus maps and
// refuses other numbers; MegaPOV adds its angular map (7).
int WrittenMapType(int mapType, int megaPov) {
    return megaPov || mapType == 0 || mapType == 1 || mapType == 2 || mapType == 5 ? mapType : 1;
}

} // namespace

CHdrBackground& CHdrBackground::operator=(const CHdrBackground& other) {
    for (int i = 0; i < 3; ++i) {
        m_center[i] = other.m_center[i];
        m_ambient[i] = other.m_ambient[i];
    }
    m_radius = other.m_radius;
    m_diffuse = other.m_diffuse;
    m_imageFile = other.m_imageFile;
    m_extraLine = other.m_extraLine;
    m_lightsOff = other.m_lightsOff;
    m_use = other.m_use;
    return *this;
}

void CHdrBackground::SwapFileValues(CHdrBackground& other) noexcept {
    for (int i = 0; i < 3; ++i) {
        std::swap(m_center[i], other.m_center[i]);
        std::swap(m_ambient[i], other.m_ambient[i]);
    }
    std::swap(m_radius, other.m_radius);
    std::swap(m_diffuse, other.m_diffuse);
    std::swap(m_imageFile, other.m_imageFile);
    std::swap(m_extraLine, other.m_extraLine);
    std::swap(m_lightsOff, other.m_lightsOff);
    std::swap(m_use, other.m_use);
}

void CHdrBackground::SetDefaults() {
    for (int i = 0; i < 3; ++i) {
        m_center[i] = 0.0f;
        m_ambient[i] = 0.2f;
    }
    m_radius = 200.0f;
    m_diffuse = 0.0f;
    m_imageFile.Empty();
    m_extraLine.Empty();
    m_lightsOff = 1;
    m_use = 0;
    m_mapType = 1;
}

void CHdrBackground::WritePov(qf::CTextFileWriter& file, int megaPov, bool emission) const {
    if (!m_use)
        return;
    file.Printf("sphere{ <%0.3f, %0.3f, %0.3f> , %0.3f\n", m_center[0], m_center[1], m_center[2], m_radius);
    file.Write("\tpigment { image_map { hdr ");
    file.Write(PovStringExpression(m_imageFile).view());
    file.Printf(" once interpolate 2 map_type %d } }\n", WrittenMapType(m_mapType, megaPov));
    file.Printf("\tfinish  { %s<%0.3f, %0.3f, %0.3f> diffuse %0.3f }\n", emission ? "emission" : "ambient",
                m_ambient[0], m_ambient[1], m_ambient[2], m_diffuse);
    file.Write("\thollow\n");
    if (!m_extraLine.IsEmpty()) {
        file.Write("\t");
        file.Write(m_extraLine.view());
        file.Write("\n");
    }
    file.Write("}\n");
}

int CHdrBackground::Store(CArchive& ar) const {
    ar << CString(keyword);
    ar << m_center[0] << m_center[1] << m_center[2] << m_radius << m_ambient[0] << m_ambient[1]
       << m_ambient[2] << m_diffuse << m_imageFile << m_extraLine << int32_t{m_lightsOff} << int32_t{m_use};
    return 1;
}

int CHdrBackground::Load(CArchive& ar) {
    ar >> m_center[0] >> m_center[1] >> m_center[2] >> m_radius >> m_ambient[0] >> m_ambient[1] >>
        m_ambient[2] >> m_diffuse >> m_imageFile >> m_extraLine >> m_lightsOff >> m_use;
    return 1;
}
