#pragma once
// The colour map as the colour-map editor holds it while the user edits it,
// with the arithmetic of its stops, the editor's geometry and the ramp its
// strips paint. No window is involved: the editor control draws what these
// say and forwards the user's input to them.
//
// A map has 2 to 25 stops in use; slots above the count keep stale values
// and are not shown. Positions run from 0 (left) to 1000 (right). After
// every operation but a drag, the first stop lies at 0 and the last at 1000.
#include "platform/base/win_types.h"

#include <array>
#include <span>
#include <vector>

class CPigmentData;

struct ColorStop {
    COLORREF color = 0xFFFFFF;
    float filter = 0.0f;
    float transmit = 0.0f;
    int position = 0;
};

class CColorMapStops {
public:
    static constexpr int minCount = 2;
    static constexpr int maxCount = 25;

    // Black at 0 and white at 1000, the higher slots shades from red to magenta.
    CColorMapStops();

    int GetCount() const { return m_count; }
    // The count limited to 2 .. 25.
    void SetCount(int count);
    int GetCurrent() const { return m_current; }
    // Makes the stop the current one; an index outside the slots is ignored.
    void Select(int index);

    // Slot i (0 .. 24), in use or not.
    const ColorStop& Stop(int index) const { return m_stops[static_cast<size_t>(index)]; }
    // The colour, filter and transmit of the current stop.
    void SetCurrentValues(COLORREF color, float filter, float transmit);

    // The stops in use become these (at most 25; with fewer than two, the
    // slots above them fill the rest), and the first is selected.
    void Assign(std::span<const ColorStop> stops);
    // A stop after the current one, half way to the next (a copy at 1000
    // after the last); the current stop stays selected. False at 25.
    bool Insert();
    // Removes the current stop and selects the one before it (stop 0 when
    // the first was removed). False with two stops.
    bool Delete();
    // Reverses the map end to end; the selection follows its stop.
    void Mirror();
    // Places the stops at equal distances: four give 0, 333, 666, 1000.
    void SpaceEvenly();
    // Colours, filters and transmits pass one stop to the left (the first
    // goes to the end) or right; the positions stay.
    void RotateLeft();
    void RotateRight();
    // Moves the current stop to the position, held between its neighbours
    // (it may meet them but never passes them). Only the inner stops move.
    void DragCurrentTo(int position);
    // Each position no greater than the next; the ends at 0 and 1000.
    void NormalizePositions();

private:
    std::array<ColorStop, maxCount> m_stops;
    int m_count = 2;
    int m_current = 0;
};

// A pigment's colour map as stops: its entries in use, at least two.
std::vector<ColorStop> ColorMapOf(const CPigmentData& pigment);
// The pigment's entries in use and its count become the stops; the entries
// above the count keep their values.
void StoreColorMap(const CColorMapStops& stops, CPigmentData& pigment);

// A colour's three channels each half way to another's, truncated.
COLORREF ColorHalfWay(COLORREF from, COLORREF to);

// The stops a ramp strip paints: colours and positions of its 25 slots and
// how many of them are in use.
class CColorRamp {
public:
    static constexpr int slotCount = CColorMapStops::maxCount;

    CColorRamp();
    // Limited to 2 .. 25.
    void SetStopCount(int count);
    int GetStopCount() const { return m_count; }
    // A slot outside 0 .. 24 is ignored.
    void SetStopColor(COLORREF color, int index);
    void SetStopPosition(int index, int position);
    int GetStopPosition(int index) const { return m_positions[static_cast<size_t>(index)]; }

    // The colour of each pixel column of a strip `width` pixels wide. The
    // positions are first limited to 0 .. 1000 and the ends put at the
    // edges, and kept so. Between neighbouring stops the colour steps every
    // two columns from one to the other; stops at one place make a hard edge.
    std::vector<COLORREF> Columns(int width);

private:
    std::array<COLORREF, slotCount> m_colors;
    std::array<int, slotCount> m_positions;
    int m_count = 6;
};

// Where the parts of the colour-map editor lie in its client area (pixels),
// for the stops in use: the transmit ramp on top, the filter ramp, the
// colour ramp, a band of drag handles below it and a row of stop columns
// (colour, filter and transmit box of each stop) at the bottom.
class CColorMapLayout {
public:
    CColorMapLayout(int clientWidth, int clientHeight, int count);

    CRect transmitArea;
    CRect filterArea;
    CRect colourArea;
    // The top of the stop columns; the handles reach from the colour ramp down to handleBottom.
    int columnTop = 0;
    int columnBottom = 0;
    int handleBottom = 0;

    int GetCount() const { return m_count; }
    // Box 3i: colour of stop i, 3i + 1 its filter, 3i + 2 its transmit.
    const CRect& Box(int index) const { return m_boxes[static_cast<size_t>(index)]; }
    // The column of a stop: its three boxes and the gaps between them.
    CRect Column(int stop) const;
    // Where a position lies along the colour ramp.
    int PlaceOf(int position) const;
    // The position under x on the colour ramp (may lie outside 0 .. 1000).
    int PositionAt(int x) const;

    // The stop whose column holds the point; -1 for none.
    int HitColumn(CPoint point) const;
    // The inner stop whose drag handle holds the point, 0 for none. Left of
    // stacked stops takes the lowest of them, right of them the highest.
    int HitHandle(CPoint point, const CColorMapStops& stops) const;

private:
    int m_count;
    std::array<CRect, 3 * CColorMapStops::maxCount> m_boxes{};
};
