#pragma once
// Pieces of POV-Ray text the scene writer builds by hand: numbers with a fixed
// count of decimals, exactly as printf's "%0.Nf" gives them in the C locale
// but without a format string per value (the geometry is millions of them),
// and user text made safe for a comment line or an identifier.
#include "platform/base/cstring.h"

#include <cstdint>
#include <string>

class CPovNumberFormat {
public:
    // decimals outside 0..10 are taken as the nearest end.
    explicit CPovNumberFormat(int decimals);

    // value as "%0.Nf".
    void AppendNumber(std::string& out, double value) const;
    // "<x,y,z>" with each coordinate as "%0.Nf".
    void AppendVector(std::string& out, float x, float y, float z) const;

private:
    int m_decimals;
};

// Text for a "//" comment: every control character (a line break would end
// the comment and let the rest be read as scene text) becomes a blank.
CString PovCommentText(const CString& text);

// A name the user gave for an identifier declared elsewhere, as a valid
// identifier: each character other than a letter, digit or underscore becomes
// an underscore, and a leading digit gets one in front. Empty stays empty.
CString PovIdentifier(const CString& name);

// The red, green and blue bytes of a packed 0x00BBGGRR colour, for "%d/255".
struct CRgb255 {
    explicit CRgb255(uint32_t color)
        : r(static_cast<int>(color & 0xFF)), g(static_cast<int>((color >> 8) & 0xFF)),
          b(static_cast<int>((color >> 16) & 0xFF)) {}
    int r, g, b;
};
