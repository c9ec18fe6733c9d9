#pragma once
// CColorMapEditor: the control at the top of the colour-map panel with
// which the user edits a colour map of 2 to 25 stops. From the top: the
// transmit, filter and colour ramps; a band in which the inner stops are
// dragged by the handles left and right of their arrows; a column per stop
// with its colour, filter and transmit boxes, joined to the stop's place on
// the colour ramp. A press on a column selects its stop.
//
// The control keeps its own copy of the stops (CColorMapStops does the
// arithmetic). Its parent implements CColorMapEditorHost: the control asks
// it to show the current stop whenever one is selected, and to store the
// whole map after every button release in the control (whether or not a
// stop was dragged). While a stop is dragged nothing is stored.
#include "materials/color_map_stops.h"
#include "materials/color_strip.h"
#include "platform/ui/wnd.h"

#include <array>

class CColorMapEditorHost {
public:
    virtual ~CColorMapEditorHost() = default;
    // Shows the editor's current stop.
    virtual void LoadCurrentStop() = 0;
    // Stores the editor's map.
    virtual void CommitColorMap() = 0;
};

class CColorMapEditor : public CWnd {
public:
    // Child ids: the strips, and the colour, filter and transmit markers of stop i.
    static constexpr UINT colourStripId = 201;
    static constexpr UINT filterStripId = 202;
    static constexpr UINT transmitStripId = 203;
    static constexpr UINT colourMarkerId = 400;
    static constexpr UINT filterMarkerId = 450;
    static constexpr UINT transmitMarkerId = 500;

    CColorMapEditor();
    const char* GetRuntimeClassName() const override { return "CColorMapEditor"; }

    // Makes the window, then the strips and all 75 markers inside it.
    BOOL Create(const CString& windowName, DWORD style, const CRect& rect, CWnd* parent, UINT id) override;

    const CColorMapStops& GetStops() const { return m_stops; }
    const CColorMapLayout& GetLayout() const { return m_layout; }

    // Shows these stops (CColorMapStops::Assign) with the first selected;
    // the parent is not asked to show it.
    void LoadStops(std::span<const ColorStop> stops);
    // Takes the keyboard focus, makes the stop the current one and has the parent show it.
    void SelectStop(int index);
    // The colour, filter and transmit of the current stop, shown in the ramps and boxes.
    void SetCurrentStop(COLORREF color, float filter, float transmit);
    // The buttons' operations (CColorMapStops), each followed by the redraw it needs.
    void InsertStop();
    void DeleteStop();
    void Mirror();
    void SpaceEvenly();
    void RotateLeft();
    void RotateRight();

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message) override;
    // A marker was pressed: the stop's number comes as the code.
    void OnHScroll(UINT code, UINT position, CWnd* scrollBar) override;

private:
    CColorMapEditorHost* Host() const;
    void LoadHost() const;
    void ComputeLayout();
    void CreateChildren();
    void PlaceMarkers();
    void UpdateStrips();
    void Repaint() { Invalidate(TRUE); }
    CColorStopMarker& Marker(int box) { return m_markers[static_cast<size_t>(box)]; }

    CColorMapStops m_stops;
    CColorMapLayout m_layout;
    bool m_mouseDown = false;
    int m_dragStop = 0; // 0: no stop is being dragged
    CColorStrip m_colourStrip;
    CColorStrip m_filterStrip;
    CColorStrip m_transmitStrip;
    // Per stop i: 3i its colour, 3i + 1 its filter, 3i + 2 its transmit.
    std::array<CColorStopMarker, 3 * CColorMapStops::maxCount> m_markers;
};
