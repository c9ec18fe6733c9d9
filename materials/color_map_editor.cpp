#include "materials/color_map_editor.h"

#include "controls/control_paint.h"
#include "materials/material_rules.h"
#include "platform/ui/cursor.h"
#include "platform/ui/dc.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr DWORD kChildStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;

CRect Shrunk(CRect rect) {
    rect.DeflateRect(1, 1);
    return rect;
}

} // namespace

CColorMapEditor::CColorMapEditor() : m_layout(0, 0, CColorMapStops::minCount) {}

BOOL CColorMapEditor::PreCreateWindow(CREATESTRUCT& cs) {
    cs.classStyle = CS_HREDRAW | CS_VREDRAW;
    return TRUE;
}

BOOL CColorMapEditor::Create(const CString& windowName, DWORD style, const CRect& rect, CWnd* parent,
                             UINT id) {
    if (!CWnd::Create(windowName, style, rect, parent, id))
        return FALSE;
    ComputeLayout();
    CreateChildren();
    PlaceMarkers();
    return TRUE;
}

CColorMapEditorHost* CColorMapEditor::Host() const {
    return dynamic_cast<CColorMapEditorHost*>(GetParent());
}

void CColorMapEditor::LoadHost() const {
    if (CColorMapEditorHost* host = Host())
        host->LoadCurrentStop();
}

// --- the stops -----------------------------------------------------------------------------

void CColorMapEditor::LoadStops(std::span<const ColorStop> stops) {
    m_stops.Assign(stops);
    ComputeLayout();
    UpdateStrips();
    PlaceMarkers();
    Repaint();
}

// The focus moves first, so that a field of the parent left by it still
// stores into the stop it showed.
void CColorMapEditor::SelectStop(int index) {
    SetFocus();
    m_stops.Select(index);
    LoadHost();
}

void CColorMapEditor::SetCurrentStop(COLORREF color, float filter, float transmit) {
    m_stops.SetCurrentValues(color, filter, transmit);
    UpdateStrips();
}

void CColorMapEditor::InsertStop() {
    if (!m_stops.Insert())
        return;
    ComputeLayout();
    UpdateStrips();
    PlaceMarkers();
    Repaint();
}

void CColorMapEditor::DeleteStop() {
    if (m_stops.GetCount() == CColorMapStops::minCount)
        return;
    SetFocus();
    m_stops.Delete();
    LoadHost();
    ComputeLayout();
    UpdateStrips();
    PlaceMarkers();
    Repaint();
}

void CColorMapEditor::Mirror() {
    SetFocus();
    m_stops.Mirror();
    LoadHost();
    UpdateStrips();
    Repaint();
}

void CColorMapEditor::SpaceEvenly() {
    m_stops.SpaceEvenly();
    UpdateStrips();
    Repaint();
}

void CColorMapEditor::RotateLeft() {
    m_stops.RotateLeft();
    UpdateStrips();
    SelectStop(m_stops.GetCurrent());
    Repaint();
}

void CColorMapEditor::RotateRight() {
    m_stops.RotateRight();
    UpdateStrips();
    SelectStop(m_stops.GetCurrent());
    Repaint();
}

// --- children ------------------------------------------------------------------------------

void CColorMapEditor::ComputeLayout() {
    CRect client;
    GetClientRect(&client);
    m_layout = CColorMapLayout(client.Width(), client.Height(), m_stops.GetCount());
}

// Every marker is made once, in the place it has with 25 stops.
void CColorMapEditor::CreateChildren() {
    CRect client;
    GetClientRect(&client);
    const CColorMapLayout full(client.Width(), client.Height(), CColorMapStops::maxCount);
    for (int i = 0; i < CColorMapStops::maxCount; ++i) {
        const UINT ids[3] = {colourMarkerId, filterMarkerId, transmitMarkerId};
        for (int row = 0; row < 3; ++row) {
            CColorStopMarker& marker = Marker(3 * i + row);
            marker.SetIndex(i);
            marker.Create("", kChildStyle, full.Box(3 * i + row), this, ids[row] + static_cast<UINT>(i));
        }
    }
    m_colourStrip.Create("", kChildStyle, Shrunk(m_layout.colourArea), this, colourStripId);
    m_filterStrip.Create("", kChildStyle, Shrunk(m_layout.filterArea), this, filterStripId);
    m_transmitStrip.Create("", kChildStyle, Shrunk(m_layout.transmitArea), this, transmitStripId);
    UpdateStrips();
}

void CColorMapEditor::PlaceMarkers() {
    for (int box = 0; box < 3 * CColorMapStops::maxCount; ++box) {
        CColorStopMarker& marker = Marker(box);
        if (box / 3 < m_stops.GetCount()) {
            marker.MoveWindow(m_layout.Box(box), TRUE);
            marker.ShowWindow(SW_SHOW);
        } else {
            marker.ShowWindow(SW_HIDE);
        }
    }
}

void CColorMapEditor::UpdateStrips() {
    CColorStrip* strips[3] = {&m_colourStrip, &m_filterStrip, &m_transmitStrip};
    for (CColorStrip* strip : strips)
        strip->SetStopCount(m_stops.GetCount());
    for (int i = 0; i < CColorMapStops::maxCount; ++i) {
        const ColorStop& stop = m_stops.Stop(i);
        const COLORREF colors[3] = {stop.color, GreyOf(stop.filter), GreyOf(stop.transmit)};
        for (int row = 0; row < 3; ++row) {
            Marker(3 * i + row).SetColor(colors[row]);
            strips[row]->SetStopColor(colors[row], i);
            strips[row]->SetStopPosition(i, stop.position);
        }
    }
    for (CColorStrip* strip : strips)
        strip->Repaint();
}

// --- drawing -------------------------------------------------------------------------------

BOOL CColorMapEditor::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CColorMapEditor::OnPaint() {
    CPaintDC target(this);
    CRect client;
    GetClientRect(&client);
    COffscreenPaint paint(target, client);
    CDC& dc = paint.DC();
    CBrush black(kBlack);
    CBrush* previousBrush = dc.SelectObject(&black);
    for (const CRect& area : {m_layout.transmitArea, m_layout.filterArea, m_layout.colourArea})
        dc.Draw3dRect(area, kBlack, kBlack);

    const int rampBottom = m_layout.colourArea.bottom;
    const int third = (m_layout.columnTop - rampBottom) / 3;
    for (int i = 0; i < m_stops.GetCount(); ++i) {
        const CRect& box = m_layout.Box(3 * i);
        const int cx = box.left + box.Width() / 2;
        const int px = m_layout.PlaceOf(m_stops.Stop(i).position);
        const CPoint connector[] = {{cx, m_layout.columnTop},
                                    {cx, m_layout.columnTop - third},
                                    {px, m_layout.columnTop - third * 2},
                                    {px, rampBottom}};
        dc.Polyline(connector, 4);
        const CPoint arrow[] = {{px, rampBottom}, {px + 2, rampBottom + 5}, {px - 2, rampBottom + 5}};
        dc.Polygon(arrow, 3);
        for (int row = 0; row < 3; ++row)
            dc.Draw3dRect(m_layout.Box(3 * i + row), kBlack, kBlack);
    }

    const CRect column = m_layout.Column(m_stops.GetCurrent());
    const CPoint frame[] = {{column.right + 2, column.top - 3},
                            {column.left - 2, column.top - 3},
                            {column.left - 2, column.bottom + 3},
                            {column.right + 2, column.bottom + 3},
                            {column.right + 2, column.top - 3}};
    dc.Polyline(frame, 5);
    dc.SelectObject(previousBrush);
}

// --- mouse ---------------------------------------------------------------------------------

void CColorMapEditor::OnLButtonDown(UINT flags, CPoint point) {
    m_mouseDown = true;
    if (const int stop = m_layout.HitColumn(point); stop >= 0) {
        SelectStop(stop);
        Repaint();
        return;
    }
    if (const int stop = m_layout.HitHandle(point, m_stops); stop > 0) {
        m_dragStop = stop;
        SelectStop(stop);
        Repaint();
        SetCapture();
        return;
    }
    CWnd::OnLButtonDown(flags, point);
}

void CColorMapEditor::OnMouseMove(UINT flags, CPoint point) {
    if (m_mouseDown && m_dragStop) {
        CPoint cursor;
        GetCursorPos(&cursor);
        ScreenToClient(&cursor);
        m_stops.DragCurrentTo(m_layout.PositionAt(cursor.x));
        CRect client;
        GetClientRect(&client);
        const CRect band(client.left, m_layout.colourArea.bottom, client.right, m_layout.handleBottom + 3);
        InvalidateRect(&band, TRUE);
        UpdateStrips();
    }
    CWnd::OnMouseMove(flags, point);
}

void CColorMapEditor::OnLButtonUp(UINT flags, CPoint point) {
    ReleaseCapture();
    m_mouseDown = false;
    m_dragStop = 0;
    if (CColorMapEditorHost* host = Host())
        host->CommitColorMap();
    CWnd::OnLButtonUp(flags, point);
}

BOOL CColorMapEditor::OnSetCursor(CWnd* window, UINT hitTest, UINT message) {
    CWnd::OnSetCursor(window, hitTest, message);
    SetCursor(LoadStandardCursor(IDC_ARROW));
    return TRUE;
}

void CColorMapEditor::OnHScroll(UINT code, UINT, CWnd*) {
    SelectStop(static_cast<int>(code));
    Repaint();
}
