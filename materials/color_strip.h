#pragma once
// The two small windows the colour-map editor places inside itself.
//
// CColorStrip paints a horizontal colour ramp through up to 25 stops (the
// arithmetic is CColorRamp's); every pixel of it comes from the ramp.
//
// CColorStopMarker is a box filled with one colour and framed in black that
// stands for one stop; a press on it sends WM_HSCROLL to the parent with the
// stop's number in wParam, so the parent cannot tell which of a stop's
// markers was pressed.
#include "materials/color_map_stops.h"
#include "platform/ui/wnd.h"

class CColorStrip : public CWnd {
public:
    const char* GetRuntimeClassName() const override { return "CColorStrip"; }

    // Limited to 2 .. 25.
    void SetStopCount(int count) { m_ramp.SetStopCount(count); }
    // A slot outside 0 .. 24 is ignored.
    void SetStopColor(COLORREF color, int index) { m_ramp.SetStopColor(color, index); }
    void SetStopPosition(int index, int position) { m_ramp.SetStopPosition(index, position); }
    // Repaints the whole strip.
    void Repaint() { Invalidate(TRUE); }

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;

private:
    CColorRamp m_ramp;
};

class CColorStopMarker : public CWnd {
public:
    const char* GetRuntimeClassName() const override { return "CColorStopMarker"; }

    // Stores and redraws at once.
    void SetColor(COLORREF color);
    COLORREF GetColor() const { return m_color; }
    void SetIndex(int index) { m_index = index; }
    int GetIndex() const { return m_index; }

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    void OnLButtonDown(UINT flags, CPoint point) override;

private:
    COLORREF m_color = RGB(255, 255, 255);
    int m_index = 0;
};
