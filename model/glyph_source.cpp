#include "model/glyph_source.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <string>

namespace {

// Faces a document from Windows may name that come with Japanese Windows.
bool IsWindowsJapaneseFace(const std::string& face) {
    static const char* const faces[] = {
        "MS UI Gothic", "MS Gothic", "MS PGothic", "MS Mincho",     "MS PMincho",      "Meiryo",
        "Meiryo UI",    "Yu Gothic", "Yu Mincho",  "ＭＳ ゴシック", "ＭＳ Ｐゴシック", "ＭＳ 明朝",
        "ＭＳ Ｐ明朝",  "メイリオ",  "游ゴシック", "游明朝",
    };
    return std::any_of(std::begin(faces), std::end(faces), [&](const char* f) { return face == f; });
}

bool IsMinchoFace(const std::string& face) {
    return face.find("Mincho") != std::string::npos || face.find("明朝") != std::string::npos;
}

struct FontFile {
    std::string path;
    int index = 0;
};

// The installed font file fontconfig chooses for the face; empty when none.
FontFile FindFontFile(const CString& faceName, const CTextFontStyle& style) {
    const std::string face = faceName.str();
    const bool windowsJapanese = IsWindowsJapaneseFace(face);
    const bool japanese = windowsJapanese || style.charSet == textCharSetShiftJis;
    FontFile file;
    FcPattern* pattern = FcPatternCreate();
    if (!pattern)
        return file;
    if (!face.empty() && !windowsJapanese)
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(face.c_str()));
    const char* generic = windowsJapanese && IsMinchoFace(face) ? "serif" : "sans-serif";
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(generic));
    if (japanese)
        FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8*>("ja"));
    if (style.italic)
        FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ITALIC);
    FcPatternAddBool(pattern, FC_OUTLINE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    if (FcPattern* match = FcFontMatch(nullptr, pattern, &result)) {
        FcChar8* path = nullptr;
        if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path)
            file.path = reinterpret_cast<const char*>(path);
        int index = 0;
        if (FcPatternGetInteger(match, FC_INDEX, 0, &index) == FcResultMatch)
            file.index = index;
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return file;
}

// The height of the character cell in font units: the Windows ascent and
// descent when the font has them, else the horizontal header's.
double CellHeight(FT_Face face) {
    if (const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2))) {
        const double cell = static_cast<double>(os2->usWinAscent) + os2->usWinDescent;
        if (cell > 0.0)
            return cell;
    }
    const double cell = static_cast<double>(face->ascender) - face->descender;
    return cell > 0.0 ? cell : std::max<double>(face->units_per_EM, 1.0);
}

// Starts the contour on an on-curve point. A quadratic contour made only of
// control points starts on the point implied between its last and first.
void StartOnCurve(std::vector<CGlyphPoint>& contour) {
    const auto on =
        std::find_if(contour.begin(), contour.end(), [](const CGlyphPoint& p) { return p.onCurve; });
    if (on != contour.end()) {
        std::rotate(contour.begin(), on, contour.end());
        return;
    }
    const CGlyphPoint& first = contour.front();
    const CGlyphPoint& last = contour.back();
    contour.insert(contour.begin(), CGlyphPoint{(first.x + last.x) / 2.0, (first.y + last.y) / 2.0, true});
}

// The slant of a synthesised italic, as x per unit of y.
constexpr double kItalicSlant = 0.2;

} // namespace

struct CFontGlyphSource::Face {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    double unitsToCell = 1.0; // font units to units of a 1000-high cell
    bool slant = false;

    ~Face() {
        if (face)
            FT_Done_Face(face);
        if (library)
            FT_Done_FreeType(library);
    }
};

CFontGlyphSource::CFontGlyphSource(const CString& faceName, const CTextFontStyle& style)
    : m_face(std::make_unique<Face>()), m_charSet(style.charSet) {
    const FontFile file = FindFontFile(faceName, style);
    if (file.path.empty() || FT_Init_FreeType(&m_face->library) != 0)
        return;
    if (FT_New_Face(m_face->library, file.path.c_str(), file.index, &m_face->face) != 0 ||
        !FT_IS_SCALABLE(m_face->face)) {
        if (m_face->face)
            FT_Done_Face(m_face->face);
        m_face->face = nullptr;
        return;
    }
    m_face->unitsToCell = 1000.0 / CellHeight(m_face->face);
    m_face->slant = style.italic && !(m_face->face->style_flags & FT_STYLE_FLAG_ITALIC);
}

CFontGlyphSource::~CFontGlyphSource() = default;

bool CFontGlyphSource::IsOpen() const {
    return m_face->face != nullptr;
}

CString CFontGlyphSource::GetFamily() const {
    return IsOpen() && m_face->face->family_name ? CString(m_face->face->family_name) : CString();
}

bool CFontGlyphSource::GetGlyph(char32_t code, CGlyphOutline& glyph) {
    if (!IsOpen())
        return false;
    if (code >= 0x80 &&
        (m_charSet == textCharSetAnsi || m_charSet == textCharSetSymbol || m_charSet == textCharSetOem))
        return false;
    FT_Face face = m_face->face;
    const FT_UInt index = FT_Get_Char_Index(face, code);
    if (index == 0 ||
        FT_Load_Glyph(face, index, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0 ||
        face->glyph->format != FT_GLYPH_FORMAT_OUTLINE)
        return false;

    const double k = m_face->unitsToCell;
    const FT_Outline& outline = face->glyph->outline;
    glyph.advance = static_cast<int>(std::lround(face->glyph->advance.x * k));
    glyph.contours.clear();
    int first = 0;
    for (int c = 0; c < outline.n_contours; ++c) {
        const int last = outline.contours[c];
        std::vector<CGlyphPoint> contour;
        for (int i = first; i <= last && i < outline.n_points; ++i) {
            const FT_Vector& p = outline.points[i];
            const double x = m_face->slant ? p.x + kItalicSlant * p.y : static_cast<double>(p.x);
            contour.push_back(CGlyphPoint{x * k, p.y * k, FT_CURVE_TAG(outline.tags[i]) == FT_CURVE_TAG_ON});
        }
        first = last + 1;
        if (contour.empty())
            continue;
        StartOnCurve(contour);
        glyph.contours.push_back(std::move(contour));
    }
    return true;
}
