#pragma once
// Drawing in Windows GDI terms over a wx device context: pens, brushes,
// fonts and off-screen bitmaps selected into a CDC, with the pixel rules
// owner-drawn controls rely on (right and bottom edges excluded, a line
// leaves out its end point, no smoothing of edges).
//
// A window DC (CPaintDC, CClientDC) draws on the window only while its
// WM_PAINT runs; anywhere else it can measure text, but what is drawn on it
// is discarded, and the next paint shows the truth.
#include "platform/base/cstring.h"
#include "platform/base/win_types.h"

#include <memory>

class wxDC;
class wxFont;
class wxBitmap;
class CWnd;
class CDC;

constexpr int PS_SOLID = 0;
constexpr int PS_DOT = 2;
constexpr int PS_NULL = 5;
constexpr int PS_INSIDEFRAME = 6; // solid; a wide frame stays inside the figure's rectangle

constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

constexpr DWORD SRCCOPY = 0x00CC0020;

constexpr UINT BDR_RAISEDOUTER = 0x0001;
constexpr UINT BDR_SUNKENOUTER = 0x0002;
constexpr UINT BDR_RAISEDINNER = 0x0004;
constexpr UINT BDR_SUNKENINNER = 0x0008;
constexpr UINT EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr UINT EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr UINT BF_LEFT = 0x0001;
constexpr UINT BF_TOP = 0x0002;
constexpr UINT BF_RIGHT = 0x0004;
constexpr UINT BF_BOTTOM = 0x0008;
constexpr UINT BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
constexpr UINT BF_ADJUST = 0x2000;

constexpr UINT DT_LEFT = 0x0000;
constexpr UINT DT_TOP = 0x0000;
constexpr UINT DT_CENTER = 0x0001;
constexpr UINT DT_RIGHT = 0x0002;
constexpr UINT DT_VCENTER = 0x0004;
constexpr UINT DT_BOTTOM = 0x0008;
constexpr UINT DT_SINGLELINE = 0x0020;
constexpr UINT DT_NOCLIP = 0x0100;
constexpr UINT DT_NOPREFIX = 0x0800;

constexpr int FW_NORMAL = 400;
constexpr int FW_BOLD = 700;
constexpr BYTE ANSI_CHARSET = 0;
constexpr BYTE DEFAULT_CHARSET = 1;
constexpr BYTE SHIFTJIS_CHARSET = 128;
constexpr BYTE OUT_DEFAULT_PRECIS = 0;
constexpr BYTE OUT_CHARACTER_PRECIS = 2;
constexpr BYTE CLIP_DEFAULT_PRECIS = 0;
constexpr BYTE CLIP_CHARACTER_PRECIS = 1;
constexpr BYTE DEFAULT_QUALITY = 0;
constexpr BYTE DRAFT_QUALITY = 1;
constexpr BYTE DEFAULT_PITCH = 0;

class CPen {
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
    BOOL CreatePen(int style, int width, COLORREF color);
    int GetStyle() const { return m_style; }
    int GetWidth() const { return m_width; }
    COLORREF GetColor() const { return m_color; }

private:
    int m_style = PS_SOLID;
    int m_width = 1;
    COLORREF m_color = 0;
};

class CBrush {
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
    BOOL CreateSolidBrush(COLORREF color);
    COLORREF GetColor() const { return m_color; }

private:
    COLORREF m_color = RGB(255, 255, 255);
};

// A font by face and pixel height. The face goes through fontconfig, so
// "MS UI Gothic" with the Shift-JIS character set becomes the installed
// Japanese UI font. The height is the character height in pixels (either
// sign: the layouts count no internal leading, as with Windows fonts of these faces); text is laid out in
// cells of that height.
class CFont {
public:
    CFont();
    ~CFont();
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;
    // Width, escapement, orientation, strike-out and the precision, quality
    // and pitch hints have no counterpart and are accepted as given.
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                    BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                    BYTE quality, BYTE pitchAndFamily, const char* faceName);
    // The face fontconfig chose for this font.
    CString GetResolvedFace() const;

private:
    friend class CDC;
    struct Native;
    // Builds the wx font and its cell metrics on first use, measured on dc.
    const Native& Realise(wxDC& dc) const;

    int m_height = 12;
    int m_weight = FW_NORMAL;
    bool m_italic = false;
    bool m_underline = false;
    BYTE m_charSet = DEFAULT_CHARSET;
    CString m_face;
    mutable std::unique_ptr<Native> m_native;
};

class CBitmap {
public:
    CBitmap();
    ~CBitmap();
    CBitmap(const CBitmap&) = delete;
    CBitmap& operator=(const CBitmap&) = delete;
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    // The picture of the resources' bitmap; FALSE when there is none.
    BOOL LoadBitmap(UINT resourceId);
    CSize GetSize() const;

private:
    friend class CDC;
    friend class CButton;
    std::unique_ptr<wxBitmap> m_bitmap;
};

class CDC {
public:
    // An empty DC; CreateCompatibleDC makes it a memory DC.
    CDC();
    // Draws on a DC that someone else owns (the window layer's paint DC).
    explicit CDC(wxDC& native);
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // A memory DC that draws into the bitmap selected into it.
    BOOL CreateCompatibleDC(CDC* dc);

    // Each returns the object selected before (the DC's default at first).
    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    CFont* SelectObject(CFont* font);
    CBitmap* SelectObject(CBitmap* bitmap);

    COLORREF SetTextColor(COLORREF color);
    COLORREF SetBkColor(COLORREF color);
    int SetBkMode(int mode);

    void FillRect(const CRect& rect, CBrush* brush);
    void FillSolidRect(const CRect& rect, COLORREF color);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);
    // Top and left lines in the first colour, right and bottom in the second.
    void Draw3dRect(const CRect& rect, COLORREF topLeft, COLORREF bottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight);
    // Two-pixel sunken or raised edges; BF_ADJUST shrinks *rect inside them.
    BOOL DrawEdge(CRect* rect, UINT edge, UINT flags);

    // Outlined with the pen and filled with the brush.
    BOOL Rectangle(const CRect& rect);
    BOOL RoundRect(const CRect& rect, CPoint ellipse);
    BOOL Polygon(const CPoint* points, int count);
    BOOL Polyline(const CPoint* points, int count);
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(CPoint point) { return MoveTo(point.x, point.y); }
    BOOL LineTo(int x, int y);
    BOOL LineTo(CPoint point) { return LineTo(point.x, point.y); }

    // (x, y) is the top-left corner of the text's cell.
    BOOL TextOut(int x, int y, const CString& text);
    // One line in *rect, placed by DT_ flags and clipped to it unless DT_NOCLIP;
    // "&x" shows as x unless DT_NOPREFIX; nothing shows in an empty rectangle.
    // Returns the text height.
    int DrawText(const CString& text, CRect* rect, UINT format);
    CSize GetTextExtent(const CString& text) const;

    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int xSource, int ySource, DWORD rop);

    wxDC* GetNativeDC() const { return m_dc; }

protected:
    // Draws on a DC this object owns.
    void OwnNative(std::unique_ptr<wxDC> dc);
    void AttachNative(wxDC& dc);
    // The window's paint DC while its WM_PAINT runs, else a measuring DC.
    void AttachWindow(CWnd* wnd);

private:
    void ApplyPen(bool withPen) const;
    void ApplyBrush(bool withBrush) const;
    void ApplyFont() const;
    // How far text is drawn above where wx would put it, so that the cell
    // is the font's height.
    int TextShift() const;

    std::unique_ptr<wxDC> m_owned;
    wxDC* m_dc = nullptr;
    CPen* m_pen;
    CBrush* m_brush;
    CFont* m_font;
    CBitmap* m_bitmap = nullptr;
    COLORREF m_textColor = 0;
    COLORREF m_bkColor = RGB(255, 255, 255);
    int m_bkMode = OPAQUE;
    CPoint m_position;
};

// The window's DC for its paint handler.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* wnd);
};

// The window's DC for code that draws on it from inside the paint (the
// owner-drawn controls) or measures text anywhere.
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* wnd);
};
using CWindowDC = CClientDC;
