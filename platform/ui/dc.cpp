#include "platform/ui/dc.h"

#include "platform/ui/native_window.h"
#include "platform/ui/resource_lookup.h"
#include "platform/ui/sys_color.h"
#include "platform/ui/ui_style.h"
#include "platform/ui/wnd.h"

#include <algorithm>
#include <cmath>
#include <vector>
#include <wx/bitmap.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/font.h>
#include <wx/graphics.h>

namespace {

wxColour Colour(COLORREF c) {
    return wxColour(GetRValue(c), GetGValue(c), GetBValue(c));
}
wxString Text(const CString& s) {
    return wxString::FromUTF8(s.GetString());
}

CPen& DefaultPen() {
    static CPen pen(PS_SOLID, 1, 0);
    return pen;
}
CBrush& DefaultBrush() {
    static CBrush brush(RGB(255, 255, 255));
    return brush;
}
CFont& DefaultFont() {
    static CFont font;
    return font;
}

// Shapes get hard pixel edges: owner-drawn controls draw one-pixel frames that smoothing would blur.
void SharpEdges(wxDC& dc) {
    if (wxGraphicsContext* gc = dc.GetGraphicsContext())
        gc->SetAntialiasMode(wxANTIALIAS_NONE);
}

// A DC that measures but shows nothing: window DCs outside WM_PAINT.
std::unique_ptr<wxDC> MeasuringDC() {
    wxBitmap scratch(1, 1, 24);
    return std::make_unique<wxMemoryDC>(scratch);
}

CString WithoutPrefixes(const CString& text) {
    CString out;
    const std::string& s = text.str();
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '&' && i + 1 < s.size())
            ++i;
        out += s[i];
    }
    return out;
}

} // namespace

BOOL CPen::CreatePen(int style, int width, COLORREF color) {
    m_style = style;
    m_width = std::max(1, width);
    m_color = color;
    return TRUE;
}

BOOL CBrush::CreateSolidBrush(COLORREF color) {
    m_color = color;
    return TRUE;
}

struct CFont::Native {
    wxFont font;
    int cellHeight = 0;
    int shift = 0;
};

CFont::CFont() = default;
CFont::~CFont() = default;

BOOL CFont::CreateFont(int height, int, int, int, int weight, BYTE italic, BYTE underline, BYTE, BYTE charSet,
                       BYTE, BYTE, BYTE, BYTE, const char* faceName) {
    m_height = height == 0 ? 12 : std::abs(height);
    m_weight = weight == 0 ? FW_NORMAL : weight;
    m_italic = italic != 0;
    m_underline = underline != 0;
    m_charSet = charSet;
    m_face = faceName ? faceName : "";
    m_native.reset();
    return TRUE;
}

CString CFont::GetResolvedFace() const {
    return ResolveFontFace(m_face, m_charSet == SHIFTJIS_CHARSET);
}

const CFont::Native& CFont::Realise(wxDC& dc) const {
    if (m_native)
        return *m_native;
    auto native = std::make_unique<Native>();
    // The height is the em size in pixels; wx's pixel sizes mean line
    // heights, so go through points at the DC's resolution.
    const int ppi = dc.GetPPI().y > 0 ? dc.GetPPI().y : 96;
    wxFontInfo info(m_height * 72.0 / ppi);
    info.FaceName(Text(GetResolvedFace())).Italic(m_italic).Underlined(m_underline);
    info.Weight(m_weight);
    native->font = wxFont(info);
    // Our fonts report a taller line than Windows fonts of that height, with room
    // above and below the glyphs; the cell is the em square, centred in it.
    wxCoord width = 0, height = 0;
    dc.GetTextExtent("Ag", &width, &height, nullptr, nullptr, &native->font);
    native->cellHeight = m_height;
    native->shift = static_cast<int>(std::lround((m_height - height) / 2.0));
    m_native = std::move(native);
    return *m_native;
}

CBitmap::CBitmap() = default;
CBitmap::~CBitmap() = default;

BOOL CBitmap::CreateCompatibleBitmap(CDC*, int width, int height) {
    m_bitmap = std::make_unique<wxBitmap>(std::max(1, width), std::max(1, height), 24);
    return m_bitmap->IsOk();
}

BOOL CBitmap::LoadBitmap(UINT resourceId) {
    const BitmapResource* resource = FindBitmapResource(resourceId);
    if (!resource)
        return FALSE;
    m_bitmap = std::make_unique<wxBitmap>(PixelArtBitmap(resource->image));
    return m_bitmap->IsOk();
}

CSize CBitmap::GetSize() const {
    return m_bitmap ? CSize(m_bitmap->GetWidth(), m_bitmap->GetHeight()) : CSize();
}

CDC::CDC() : m_pen(&DefaultPen()), m_brush(&DefaultBrush()), m_font(&DefaultFont()) {}

CDC::CDC(wxDC& native) : CDC() {
    AttachNative(native);
}

CDC::~CDC() {
    if (m_bitmap)
        SelectObject(static_cast<CBitmap*>(nullptr));
}

void CDC::OwnNative(std::unique_ptr<wxDC> dc) {
    m_owned = std::move(dc);
    m_dc = m_owned.get();
    SharpEdges(*m_dc);
}

void CDC::AttachNative(wxDC& dc) {
    m_owned.reset();
    m_dc = &dc;
    SharpEdges(*m_dc);
}

BOOL CDC::CreateCompatibleDC(CDC* dc) {
    if (dc && dc->m_dc)
        OwnNative(std::make_unique<wxMemoryDC>(dc->m_dc));
    else
        OwnNative(std::make_unique<wxMemoryDC>());
    return TRUE;
}

CPen* CDC::SelectObject(CPen* pen) {
    return std::exchange(m_pen, pen ? pen : &DefaultPen());
}
CBrush* CDC::SelectObject(CBrush* brush) {
    return std::exchange(m_brush, brush ? brush : &DefaultBrush());
}
CFont* CDC::SelectObject(CFont* font) {
    return std::exchange(m_font, font ? font : &DefaultFont());
}

CBitmap* CDC::SelectObject(CBitmap* bitmap) {
    CBitmap* previous = m_bitmap;
    auto* memory = dynamic_cast<wxMemoryDC*>(m_dc);
    if (!memory)
        return nullptr;
    m_bitmap = bitmap && bitmap->m_bitmap ? bitmap : nullptr;
    memory->SelectObject(m_bitmap ? *m_bitmap->m_bitmap : wxNullBitmap);
    SharpEdges(*memory);
    return previous;
}

COLORREF CDC::SetTextColor(COLORREF color) {
    return std::exchange(m_textColor, color);
}
COLORREF CDC::SetBkColor(COLORREF color) {
    return std::exchange(m_bkColor, color);
}
int CDC::SetBkMode(int mode) {
    return std::exchange(m_bkMode, mode);
}

void CDC::ApplyPen(bool withPen) const {
    if (!withPen || m_pen->GetStyle() == PS_NULL) {
        m_dc->SetPen(*wxTRANSPARENT_PEN);
        return;
    }
    wxPen pen(Colour(m_pen->GetColor()), m_pen->GetWidth(),
              m_pen->GetStyle() == PS_DOT ? wxPENSTYLE_DOT : wxPENSTYLE_SOLID);
    pen.SetCap(wxCAP_BUTT);
    m_dc->SetPen(pen);
}

void CDC::ApplyBrush(bool withBrush) const {
    m_dc->SetBrush(withBrush ? wxBrush(Colour(m_brush->GetColor())) : *wxTRANSPARENT_BRUSH);
}

void CDC::ApplyFont() const {
    m_dc->SetFont(m_font->Realise(*m_dc).font);
}

int CDC::TextShift() const {
    return m_font->Realise(*m_dc).shift;
}

void CDC::FillRect(const CRect& rect, CBrush* brush) {
    FillSolidRect(rect, brush ? brush->GetColor() : m_brush->GetColor());
}

void CDC::FillSolidRect(const CRect& rect, COLORREF color) {
    CRect r = rect;
    r.NormalizeRect();
    if (!m_dc || r.IsRectEmpty())
        return;
    m_dc->SetPen(*wxTRANSPARENT_PEN);
    m_dc->SetBrush(wxBrush(Colour(color)));
    m_dc->DrawRectangle(r.left, r.top, r.Width(), r.Height());
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color) {
    FillSolidRect(CRect(x, y, x + cx, y + cy), color);
}

void CDC::Draw3dRect(const CRect& rect, COLORREF topLeft, COLORREF bottomRight) {
    Draw3dRect(rect.left, rect.top, rect.Width(), rect.Height(), topLeft, bottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight) {
    FillSolidRect(x, y, cx - 1, 1, topLeft);
    FillSolidRect(x, y, 1, cy - 1, topLeft);
    FillSolidRect(x + cx - 1, y, 1, cy, bottomRight);
    FillSolidRect(x, y + cy - 1, cx, 1, bottomRight);
}

BOOL CDC::DrawEdge(CRect* rect, UINT edge, UINT flags) {
    // Outer then inner border, each one pixel, in the classic 3D colours.
    struct Border {
        COLORREF topLeft, bottomRight;
    };
    const COLORREF light = GetSysColor(COLOR_3DLIGHT), highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), darkShadow = GetSysColor(COLOR_3DDKSHADOW);
    Border borders[2];
    int count = 0;
    if (edge & BDR_RAISEDOUTER)
        borders[count++] = {light, darkShadow};
    else if (edge & BDR_SUNKENOUTER)
        borders[count++] = {shadow, highlight};
    if (edge & BDR_RAISEDINNER)
        borders[count++] = {highlight, shadow};
    else if (edge & BDR_SUNKENINNER)
        borders[count++] = {darkShadow, light};

    CRect r = *rect;
    for (int i = 0; i < count; ++i) {
        const Border& b = borders[i];
        if (flags & BF_TOP)
            FillSolidRect(r.left, r.top, r.Width() - 1, 1, b.topLeft);
        if (flags & BF_LEFT)
            FillSolidRect(r.left, r.top, 1, r.Height() - 1, b.topLeft);
        if (flags & BF_RIGHT)
            FillSolidRect(r.right - 1, r.top, 1, r.Height(), b.bottomRight);
        if (flags & BF_BOTTOM)
            FillSolidRect(r.left, r.bottom - 1, r.Width(), 1, b.bottomRight);
        r = CRect(r.left + ((flags & BF_LEFT) ? 1 : 0), r.top + ((flags & BF_TOP) ? 1 : 0),
                  r.right - ((flags & BF_RIGHT) ? 1 : 0), r.bottom - ((flags & BF_BOTTOM) ? 1 : 0));
    }
    if (flags & BF_ADJUST)
        *rect = r;
    return TRUE;
}

BOOL CDC::Rectangle(const CRect& rect) {
    if (!m_dc)
        return FALSE;
    CRect r = rect;
    r.NormalizeRect();
    if (m_pen->GetStyle() == PS_INSIDEFRAME && m_pen->GetWidth() > 1)
        r.DeflateRect(m_pen->GetWidth() / 2, m_pen->GetWidth() / 2);
    ApplyPen(true);
    ApplyBrush(true);
    m_dc->DrawRectangle(r.left, r.top, r.Width(), r.Height());
    return TRUE;
}

BOOL CDC::RoundRect(const CRect& rect, CPoint ellipse) {
    if (!m_dc)
        return FALSE;
    CRect r = rect;
    r.NormalizeRect();
    ApplyPen(true);
    ApplyBrush(true);
    m_dc->DrawRoundedRectangle(r.left, r.top, r.Width(), r.Height(), std::min(ellipse.x, ellipse.y) / 2.0);
    return TRUE;
}

BOOL CDC::Polygon(const CPoint* points, int count) {
    if (!m_dc || count < 2)
        return FALSE;
    std::vector<wxPoint> corners;
    for (int i = 0; i < count; ++i)
        corners.emplace_back(points[i].x, points[i].y);
    ApplyPen(true);
    ApplyBrush(true);
    m_dc->DrawPolygon(count, corners.data());
    return TRUE;
}

BOOL CDC::Polyline(const CPoint* points, int count) {
    if (!m_dc || count < 2)
        return FALSE;
    ApplyPen(true);
    for (int i = 1; i < count; ++i)
        m_dc->DrawLine(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y);
    return TRUE;
}

CPoint CDC::MoveTo(int x, int y) {
    return std::exchange(m_position, CPoint(x, y));
}

BOOL CDC::LineTo(int x, int y) {
    const CPoint points[2] = {m_position, CPoint(x, y)};
    m_position = points[1];
    return Polyline(points, 2);
}

BOOL CDC::TextOut(int x, int y, const CString& text) {
    if (!m_dc)
        return FALSE;
    if (m_bkMode == OPAQUE) {
        const CSize extent = GetTextExtent(text);
        FillSolidRect(x, y, extent.cx, extent.cy, m_bkColor);
    }
    ApplyFont();
    m_dc->SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    m_dc->SetTextForeground(Colour(m_textColor));
    m_dc->DrawText(Text(text), x, y + TextShift());
    return TRUE;
}

int CDC::DrawText(const CString& text, CRect* rect, UINT format) {
    if (!m_dc)
        return 0;
    const CString shown = (format & DT_NOPREFIX) ? text : WithoutPrefixes(text);
    const CSize extent = GetTextExtent(shown);
    int x = rect->left;
    if (format & DT_CENTER)
        x = rect->left + (rect->Width() - extent.cx) / 2;
    else if (format & DT_RIGHT)
        x = rect->right - extent.cx;
    int y = rect->top;
    if ((format & DT_SINGLELINE) && (format & DT_VCENTER))
        y = rect->top + (rect->Height() - extent.cy) / 2;
    else if ((format & DT_SINGLELINE) && (format & DT_BOTTOM))
        y = rect->bottom - extent.cy;
    if (format & DT_NOCLIP) {
        TextOut(x, y, shown);
    } else if (!rect->IsRectEmpty()) {
        wxDCClipper clip(*m_dc, wxRect(rect->left, rect->top, rect->Width(), rect->Height()));
        TextOut(x, y, shown);
    }
    return extent.cy;
}

CSize CDC::GetTextExtent(const CString& text) const {
    if (!m_dc)
        return CSize();
    const CFont::Native& font = m_font->Realise(*m_dc);
    wxCoord width = 0, height = 0;
    m_dc->GetTextExtent(Text(text), &width, &height, nullptr, nullptr, &font.font);
    return CSize(width, font.cellHeight);
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int xSource, int ySource, DWORD) {
    if (!m_dc || !source || !source->m_dc)
        return FALSE;
    return m_dc->Blit(x, y, width, height, source->m_dc, xSource, ySource, wxCOPY);
}

void CDC::AttachWindow(CWnd* wnd) {
    if (wxDC* dc = wnd ? wnd->m_paintDC : nullptr)
        AttachNative(*dc);
    else
        OwnNative(MeasuringDC());
}

CPaintDC::CPaintDC(CWnd* wnd) {
    AttachWindow(wnd);
}

CClientDC::CClientDC(CWnd* wnd) {
    AttachWindow(wnd);
}
