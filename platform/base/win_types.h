#pragma once
// The small value types of the Windows vocabulary the program is written in: sized integers, BOOL,
// packed colours and the point, size and rectangle types. GUI-free, so the
// core and the window layer share them.
#include <algorithm>
#include <cstdint>

using BOOL = int; // 4 bytes, as the document files store it
#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using SHORT = std::int16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using UINT_PTR = std::uintptr_t;

// A colour packed as 0x00BBGGRR.
using COLORREF = DWORD;
constexpr COLORREF RGB(int r, int g, int b) {
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr BYTE GetRValue(COLORREF c) {
    return static_cast<BYTE>(c & 0xFF);
}
constexpr BYTE GetGValue(COLORREF c) {
    return static_cast<BYTE>((c >> 8) & 0xFF);
}
constexpr BYTE GetBValue(COLORREF c) {
    return static_cast<BYTE>((c >> 16) & 0xFF);
}

class CSize {
public:
    int cx = 0;
    int cy = 0;
    constexpr CSize() = default;
    constexpr CSize(int width, int height) : cx(width), cy(height) {}
    friend constexpr bool operator==(const CSize&, const CSize&) = default;
};

class CPoint {
public:
    int x = 0;
    int y = 0;
    constexpr CPoint() = default;
    constexpr CPoint(int px, int py) : x(px), y(py) {}
    void Offset(int dx, int dy) {
        x += dx;
        y += dy;
    }
    friend constexpr bool operator==(const CPoint&, const CPoint&) = default;
    friend constexpr CPoint operator+(CPoint a, CSize b) { return {a.x + b.cx, a.y + b.cy}; }
    friend constexpr CPoint operator-(CPoint a, CSize b) { return {a.x - b.cx, a.y - b.cy}; }
    friend constexpr CSize operator-(CPoint a, CPoint b) { return {a.x - b.x, a.y - b.y}; }
};

// Right and bottom lie outside the rectangle, as in Windows; layouts and hit tests count on it.
class CRect {
public:
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    constexpr CRect() = default;
    constexpr CRect(int l, int t, int r, int b) : left(l), top(t), right(r), bottom(b) {}
    constexpr CRect(CPoint topLeft, CSize size)
        : left(topLeft.x), top(topLeft.y), right(topLeft.x + size.cx), bottom(topLeft.y + size.cy) {}

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr CSize Size() const { return {Width(), Height()}; }
    constexpr CPoint TopLeft() const { return {left, top}; }
    constexpr CPoint BottomRight() const { return {right, bottom}; }
    constexpr bool IsRectEmpty() const { return right <= left || bottom <= top; }
    // Left and top edges are inside, right and bottom edges outside.
    constexpr bool PtInRect(CPoint p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }

    void SetRect(int l, int t, int r, int b) { *this = CRect(l, t, r, b); }
    void NormalizeRect() {
        if (left > right)
            std::swap(left, right);
        if (top > bottom)
            std::swap(top, bottom);
    }
    void OffsetRect(int dx, int dy) {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
    }
    void InflateRect(int dx, int dy) {
        left -= dx;
        right += dx;
        top -= dy;
        bottom += dy;
    }
    void DeflateRect(int dx, int dy) { InflateRect(-dx, -dy); }

    friend constexpr bool operator==(const CRect&, const CRect&) = default;
};
