#pragma once
// The image-based-lighting background: a large hollow sphere round the scene
// whose pigment is a high-dynamic-range image and whose finish lights the
// scene. Stored in the document file as the "hdr_setting" section.
#include "platform/base/cstring.h"

class CArchive;
namespace qf {
class CTextFileWriter;
}

class CHdrBackground {
public:
    static constexpr const char* keyword = "hdr_setting";

    CHdrBackground() { SetDefaults(); }
    CHdrBackground(const CHdrBackground&) = delete;
    // Copies what the file stores; the map type stays this record's own.
    CHdrBackground& operator=(const CHdrBackground& other);
    // Trades what the file stores with other, which cannot fail; the map
    // types stay where they are.
    void SwapFileValues(CHdrBackground& other) noexcept;

    // Everything back to a new document's values.
    void SetDefaults();

    // The sphere as POV-Ray text; nothing unless the record is in use. A map
    // type that official POV-Ray refuses is written as spherical unless megaPov.
    // The sphere's light is its finish's ambient, or its emission where the
    // renderer ignores ambient (POV-Ray 3.7 and later with radiosity on).
    void WritePov(qf::CTextFileWriter& file, int megaPov, bool emission) const;
    // The section, keyword included.
    int Store(CArchive& ar) const;
    // The section body (the reader has consumed the keyword). The map type is
    // not in the file and keeps its value.
    int Load(CArchive& ar);

    float m_center[3];
    float m_radius;
    float m_ambient[3]; // r, g, b
    float m_diffuse;
    CString m_imageFile;
    CString m_extraLine; // one line of POV-Ray text put inside the sphere as it stands
    int m_lightsOff;     // 1: the scene writer writes no light sources with the sphere
    int m_use;
    int m_mapType; // the image map's map_type
};
