#include "materials/color_map_stops.h"

#include "app/material_data.h"

#include <algorithm>

namespace {

constexpr int kEnd = 1000;

bool IsSlot(int index) {
    return index >= 0 && index < CColorMapStops::maxCount;
}

// Integer product, floating division, truncated toward zero.
int Scaled(int value, int times, int over) {
    return static_cast<int>(static_cast<double>(value * times) / over);
}

BYTE Channel(COLORREF color, int shift) {
    return static_cast<BYTE>((color >> shift) & 0xFF);
}

// A channel `step` columns into a ramp `width` columns wide.
int ChannelAt(int from, int to, int step, int width) {
    return from == to ? from : from + Scaled(to - from, step, width);
}

void CopyValues(ColorStop& to, const ColorStop& from) {
    to.color = from.color;
    to.filter = from.filter;
    to.transmit = from.transmit;
}

} // namespace

CColorMapStops::CColorMapStops() {
    for (int i = 0; i < maxCount; ++i)
        m_stops[static_cast<size_t>(i)].color = RGB(255, 255 - 10 * i, 10 * i);
    m_stops[0].color = RGB(0, 0, 0);
    m_stops[1].color = RGB(255, 255, 255);
    m_stops[1].position = kEnd;
}

void CColorMapStops::SetCount(int count) {
    m_count = std::clamp(count, minCount, maxCount);
}

void CColorMapStops::Select(int index) {
    if (!IsSlot(index))
        return;
    m_current = index;
}

void CColorMapStops::SetCurrentValues(COLORREF color, float filter, float transmit) {
    ColorStop& stop = m_stops[static_cast<size_t>(m_current)];
    stop.color = color;
    stop.filter = filter;
    stop.transmit = transmit;
}

void CColorMapStops::Assign(std::span<const ColorStop> stops) {
    const int count = static_cast<int>(std::min(stops.size(), static_cast<size_t>(maxCount)));
    for (int i = 0; i < count; ++i)
        m_stops[static_cast<size_t>(i)] = stops[static_cast<size_t>(i)];
    SetCount(count);
    Select(0);
}

bool CColorMapStops::Insert() {
    if (m_count == maxCount)
        return false;
    const int j = m_current;
    for (int k = m_count - 1; k > j; --k)
        m_stops[static_cast<size_t>(k + 1)] = m_stops[static_cast<size_t>(k)];
    const ColorStop& from = m_stops[static_cast<size_t>(j)];
    ColorStop& added = m_stops[static_cast<size_t>(j + 1)];
    if (j == m_count - 1) {
        added = from;
        added.position = kEnd;
    } else {
        const ColorStop& to = m_stops[static_cast<size_t>(j + 2)];
        added.position = from.position + (to.position - from.position) / 2;
        added.color = ColorHalfWay(from.color, to.color);
        added.filter = from.filter + (to.filter - from.filter) / 2.0f;
        added.transmit = from.transmit + (to.transmit - from.transmit) / 2.0f;
    }
    ++m_count;
    NormalizePositions();
    return true;
}

bool CColorMapStops::Delete() {
    if (m_count == minCount)
        return false;
    const int j = m_current;
    for (int k = j + 1; k < m_count; ++k)
        m_stops[static_cast<size_t>(k - 1)] = m_stops[static_cast<size_t>(k)];
    Select(j > 0 ? j - 1 : 0);
    --m_count;
    NormalizePositions();
    return true;
}

void CColorMapStops::Mirror() {
    const std::array<ColorStop, maxCount> old = m_stops;
    for (int i = 0; i < m_count; ++i) {
        const ColorStop& from = old[static_cast<size_t>(m_count - 1 - i)];
        ColorStop& to = m_stops[static_cast<size_t>(i)];
        CopyValues(to, from);
        to.position = kEnd - from.position;
    }
    Select(m_count - 1 - m_current);
    NormalizePositions();
}

void CColorMapStops::SpaceEvenly() {
    for (int i = 0; i < m_count; ++i)
        m_stops[static_cast<size_t>(i)].position = Scaled(i, kEnd, m_count - 1);
    m_stops[0].position = 0;
    m_stops[static_cast<size_t>(m_count - 1)].position = kEnd;
}

void CColorMapStops::RotateLeft() {
    const ColorStop first = m_stops[0];
    for (int i = 1; i < m_count; ++i)
        CopyValues(m_stops[static_cast<size_t>(i - 1)], m_stops[static_cast<size_t>(i)]);
    CopyValues(m_stops[static_cast<size_t>(m_count - 1)], first);
}

void CColorMapStops::RotateRight() {
    const ColorStop last = m_stops[static_cast<size_t>(m_count - 1)];
    for (int i = m_count - 2; i >= 0; --i)
        CopyValues(m_stops[static_cast<size_t>(i + 1)], m_stops[static_cast<size_t>(i)]);
    CopyValues(m_stops[0], last);
}

void CColorMapStops::DragCurrentTo(int position) {
    const int i = m_current;
    if (i <= 0 || i >= m_count - 1)
        return;
    const int next = m_stops[static_cast<size_t>(i + 1)].position;
    const int before = m_stops[static_cast<size_t>(i - 1)].position;
    m_stops[static_cast<size_t>(i)].position = position > next ? next : std::max(position, before);
}

void CColorMapStops::NormalizePositions() {
    for (int i = 0; i + 1 < maxCount; ++i) {
        int& position = m_stops[static_cast<size_t>(i)].position;
        position = std::min(position, m_stops[static_cast<size_t>(i + 1)].position);
    }
    m_stops[0].position = 0;
    m_stops[static_cast<size_t>(m_count - 1)].position = kEnd;
}

std::vector<ColorStop> ColorMapOf(const CPigmentData& pigment) {
    const int count = std::clamp(pigment.m_count, CColorMapStops::minCount, CColorMapStops::maxCount);
    std::vector<ColorStop> stops;
    for (int i = 0; i < count; ++i) {
        const CColorMapEntry& entry = pigment.m_colors[i];
        stops.push_back({entry.m_color, entry.m_filter, entry.m_transmit, pigment.m_positions[i]});
    }
    return stops;
}

void StoreColorMap(const CColorMapStops& stops, CPigmentData& pigment) {
    for (int i = 0; i < stops.GetCount(); ++i) {
        const ColorStop& stop = stops.Stop(i);
        pigment.m_colors[i] = CColorMapEntry{stop.color, stop.filter, stop.transmit};
        pigment.m_positions[i] = stop.position;
    }
    pigment.m_count = stops.GetCount();
}

COLORREF ColorHalfWay(COLORREF from, COLORREF to) {
    int channels[3];
    for (int c = 0; c < 3; ++c) {
        const int a = Channel(from, 8 * c);
        channels[c] = a + (Channel(to, 8 * c) - a) / 2;
    }
    return RGB(channels[0], channels[1], channels[2]);
}

// --- ramp ------------------------------------------------------------------------------

CColorRamp::CColorRamp() {
    m_colors.fill(0xFFFFFF);
    m_positions.fill(0);
    const COLORREF colors[] = {0x0000FF, 0x00FFFF, 0xFF0000, 0x00FF00, 0xFFFF00, 0xFF00FF};
    const int positions[] = {0, 100, 200, 400, 700, 1000};
    for (size_t i = 0; i < 6; ++i) {
        m_colors[i] = colors[i];
        m_positions[i] = positions[i];
    }
}

void CColorRamp::SetStopCount(int count) {
    m_count = std::clamp(count, CColorMapStops::minCount, slotCount);
}

void CColorRamp::SetStopColor(COLORREF color, int index) {
    if (IsSlot(index))
        m_colors[static_cast<size_t>(index)] = color;
}

void CColorRamp::SetStopPosition(int index, int position) {
    if (IsSlot(index))
        m_positions[static_cast<size_t>(index)] = position;
}

std::vector<COLORREF> CColorRamp::Columns(int width) {
    std::vector<COLORREF> columns(static_cast<size_t>(std::max(width, 0)));
    for (int& position : m_positions)
        position = std::clamp(position, 0, kEnd);
    m_positions[0] = 0;
    m_positions[static_cast<size_t>(m_count - 1)] = kEnd;
    int left = 0;
    for (int i = 0; i + 1 < m_count; ++i) {
        const int right = Scaled(m_positions[static_cast<size_t>(i + 1)], width, kEnd);
        const int span = right - left;
        const COLORREF a = m_colors[static_cast<size_t>(i)];
        const COLORREF b = m_colors[static_cast<size_t>(i + 1)];
        for (int x = left; x < right; ++x) {
            // Each step of the ramp is two columns wide.
            const int step = (x - left) & ~1;
            columns[static_cast<size_t>(x)] = RGB(ChannelAt(GetRValue(a), GetRValue(b), step, span),
                                                  ChannelAt(GetGValue(a), GetGValue(b), step, span),
                                                  ChannelAt(GetBValue(a), GetBValue(b), step, span));
        }
        left = right;
    }
    return columns;
}

// --- layout ----------------------------------------------------------------------------

CColorMapLayout::CColorMapLayout(int clientWidth, int clientHeight, int count)
    : m_count(std::clamp(count, CColorMapStops::minCount, CColorMapStops::maxCount)) {
    const int w = clientWidth - 6;
    const int h = clientHeight - 8;
    const int u = h / 13;
    transmitArea = CRect(3, 0, w + 3, u);
    filterArea = CRect(3, u + 3, w + 3, 2 * u + 3);
    colourArea = CRect(3, 2 * u + 6, w + 3, 5 * u + 6);
    columnTop = h - (5 * u + 6);
    columnBottom = h;
    handleBottom = columnTop - (columnTop - colourArea.bottom) / 3;
    const double cell = static_cast<double>(w - 3 * (m_count - 1)) / m_count;
    const int cellWidth = static_cast<int>(cell);
    for (int i = 0; i < m_count; ++i) {
        const int x = static_cast<int>(i * (3 + cell) + 3);
        const size_t box = static_cast<size_t>(3 * i);
        m_boxes[box] = CRect(x, columnTop, x + cellWidth, columnTop + 3 * u);
        m_boxes[box + 1] = CRect(x, columnTop + 3 * u + 3, x + cellWidth, columnTop + 4 * u + 3);
        m_boxes[box + 2] = CRect(x, h - u, x + cellWidth, h);
    }
}

CRect CColorMapLayout::Column(int stop) const {
    const CRect& top = Box(3 * stop);
    const CRect& bottom = Box(3 * stop + 2);
    return CRect(top.left, top.top, bottom.right, bottom.bottom);
}

int CColorMapLayout::PlaceOf(int position) const {
    return colourArea.left + static_cast<int>(colourArea.Width() / 1000.0 * position);
}

int CColorMapLayout::PositionAt(int x) const {
    return colourArea.Width() > 0 ? Scaled(x - colourArea.left, kEnd, colourArea.Width()) : 0;
}

int CColorMapLayout::HitColumn(CPoint point) const {
    for (int i = 0; i < m_count; ++i)
        if (Column(i).PtInRect(point))
            return i;
    return -1;
}

int CColorMapLayout::HitHandle(CPoint point, const CColorMapStops& stops) const {
    const int count = std::min(m_count, stops.GetCount());
    const auto handle = [&](int i, bool left) {
        const int x = PlaceOf(stops.Stop(i).position);
        return left ? CRect(x - 5, colourArea.bottom, x, handleBottom)
                    : CRect(x, colourArea.bottom, x + 5, handleBottom);
    };
    for (int i = 1; i <= count - 2; ++i)
        if (handle(i, true).PtInRect(point))
            return i;
    for (int i = count - 2; i >= 1; --i)
        if (handle(i, false).PtInRect(point))
            return i;
    return 0;
}
