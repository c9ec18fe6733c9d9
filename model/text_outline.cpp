// Text as curves: every glyph contour becomes one closed curve whose nodes
// sit on the outline's points, with manual handles pointing at its control
// points.
#include "model/glyph_source.h"
#include "model/spatch_obj.h"

#include <cstdlib>
#include <string_view>

namespace {

// The character starting at text[i], moving i past it; an invalid or cut
// sequence gives U+FFFD and moves past one byte only.
char32_t NextCharacter(std::string_view text, size_t& i) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    int length = lead < 0x80           ? 1
                 : (lead >> 5) == 0x6  ? 2
                 : (lead >> 4) == 0xE  ? 3
                 : (lead >> 3) == 0x1E ? 4
                                       : 0;
    if (length == 0 || i + length > text.size()) {
        ++i;
        return U'\uFFFD';
    }
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            ++i;
            return U'\uFFFD';
        }
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    i += length;
    return code;
}

// One contour of a glyph as a closed curve. A control point next to an
// on-curve point only steers that point's handle; inner points of longer
// runs of control points stay as smooth nodes.
void AddContour(CSpatchObj& obj, const std::vector<CGlyphPoint>& contour, double scale, double x0) {
    const size_t n = contour.size();
    auto at = [&](size_t i) {
        const CGlyphPoint& p = contour[i % n];
        return CVector3(static_cast<float>(p.x * scale + x0), static_cast<float>(p.y * scale), 0.0f);
    };
    CCurve* curve = obj.AddCurve();
    curve->m_closed = 1;
    for (size_t i = 0; i < n; ++i) {
        const CGlyphPoint& point = contour[i];
        const CGlyphPoint& previous = contour[(i + n - 1) % n];
        const CGlyphPoint& next = contour[(i + 1) % n];
        if (!point.onCurve && (previous.onCurve || next.onCurve))
            continue;
        const CVector3 p = at(i);
        CPatchVertex* vertex = obj.AddVertex(p.GetX(), p.GetY(), p.GetZ());
        CCurvePoint* node = obj.AddCurvePoint(curve);
        node->m_vertex = vertex;
        node->m_sharp = point.onCurve ? 1 : 0;
        if (!previous.onCurve) {
            node->m_manualIn = 1;
            node->m_offsetIn = at(i + n - 1) - p;
        }
        if (!next.onCurve) {
            node->m_manualOut = 1;
            node->m_offsetOut = at(i + 1) - p;
        }
        CVertexLink* link = obj.AddVertexLink(vertex);
        link->m_curve = curve;
        link->m_node = node;
    }
}

} // namespace

int CSpatchObj::CreateTextOutline(CGlyphSource& glyphs, const CString& text, float size) {
    if (!(size > 0.0f))
        size = 1.0f;
    const double scale = size / 1000.0;
    const double gap = size / 40.0;
    double pen = 0.0;
    int added = 0;
    CGlyphOutline glyph;
    const std::string_view chars = text.view();
    for (size_t i = 0; i < chars.size();) {
        const char32_t code = NextCharacter(chars, i);
        if (!glyphs.GetGlyph(code, glyph))
            continue;
        const double x0 = pen;
        pen += std::abs(glyph.advance) * scale + gap;
        for (const std::vector<CGlyphPoint>& contour : glyph.contours) {
            if (contour.empty())
                continue;
            AddContour(*this, contour, scale, x0);
            ++added;
        }
    }
    if (added == 0)
        return 0;
    UpdateCurveHandles();
    // New closed curves may enclose patches.
    SetNeedsRebuild(1);
    return 1;
}

int CSpatchObj::CreateTextOutline(const CString& text, const CString& faceName, const CTextFontStyle& font,
                                  float size) {
    CFontGlyphSource glyphs(faceName, font);
    return CreateTextOutline(glyphs, text, size);
}
