#pragma once
// Where the text command gets its glyph outlines. A glyph is given as the
// font holds it: closed contours of points, each on the outline or a control
// point off it (quadratic for TrueType fonts, cubic pairs for CFF fonts),
// and the advance to the next glyph. Units are those of a font whose
// character cell (ascent plus descent) is 1000 high, with y up from the base
// line. Tests feed synthetic glyphs through the same interface.
#include "platform/base/cstring.h"

#include <memory>
#include <vector>

struct CGlyphPoint {
    double x = 0.0;
    double y = 0.0;
    bool onCurve = true;
};

struct CGlyphOutline {
    int advance = 0; // whole units, as the cell advance of the glyph's metrics
    // Each contour starts on an on-curve point.
    std::vector<std::vector<CGlyphPoint>> contours;
};

class CGlyphSource {
public:
    virtual ~CGlyphSource() = default;
    // The glyph of a Unicode character; false when there is none to draw
    // (the character is then skipped, without advance).
    virtual bool GetGlyph(char32_t code, CGlyphOutline& glyph) = 0;
};

// Character sets of the font choice; Shift-JIS asks for a Japanese face.
enum TextCharSet {
    textCharSetAnsi = 0,
    textCharSetDefault = 1,
    textCharSetSymbol = 2,
    textCharSetShiftJis = 128,
    textCharSetOem = 255,
};

// What the text command takes of the user's font choice besides its face.
struct CTextFontStyle {
    int italic = 0;
    int charSet = textCharSetDefault;
};

// Glyphs of an installed font, found through fontconfig by face name. The
// Windows face names of Japanese fonts ("MS UI Gothic" and the like) and the
// Shift-JIS character set select an installed Japanese face. With the ANSI,
// symbol and OEM character sets only the ASCII characters are given, as
// those sets hold no two-byte characters. An italic face is chosen when
// asked for, or the upright one is slanted.
class CFontGlyphSource : public CGlyphSource {
public:
    CFontGlyphSource(const CString& faceName, const CTextFontStyle& style);
    ~CFontGlyphSource() override;
    CFontGlyphSource(const CFontGlyphSource&) = delete;
    CFontGlyphSource& operator=(const CFontGlyphSource&) = delete;

    // False when no font file could be opened; every glyph then fails.
    bool IsOpen() const;
    // The family of the opened face, for messages and tests.
    CString GetFamily() const;
    bool GetGlyph(char32_t code, CGlyphOutline& glyph) override;

private:
    struct Face;
    std::unique_ptr<Face> m_face;
    int m_charSet;
};
