// The colour map's stops without windows: each operation of the editor's
// buttons and of a drag, worked out by hand; where the parts of the editor
// lie and what a press hits; the ramp a strip paints; the map to and from a
// pigment.
#include "app/material_data.h"
#include "materials/color_map_stops.h"
#include "materials/material_rules.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

COLORREF Grey(int level) {
    return RGB(level, level, level);
}

CColorMapStops Map(std::vector<ColorStop> stops, int current = 0) {
    CColorMapStops map;
    map.Assign(stops);
    map.Select(current);
    return map;
}

std::vector<int> Positions(const CColorMapStops& map) {
    std::vector<int> positions;
    for (int i = 0; i < map.GetCount(); ++i)
        positions.push_back(map.Stop(i).position);
    return positions;
}

std::vector<COLORREF> Colors(const CColorMapStops& map) {
    std::vector<COLORREF> colors;
    for (int i = 0; i < map.GetCount(); ++i)
        colors.push_back(map.Stop(i).color);
    return colors;
}

} // namespace

TEST(ColorMapStopsTest, AddingFiveStopsToTwoHalvesTheWayToTheNextEachTime) {
    CColorMapStops map; // black at 0, white at 1000, the first selected
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(map.Insert());
    EXPECT_EQ(map.GetCount(), 7);
    EXPECT_EQ(map.GetCurrent(), 0) << "the selection stays on the first stop";
    EXPECT_EQ(Positions(map), (std::vector<int>{0, 31, 62, 125, 250, 500, 1000}));
    EXPECT_EQ(Colors(map),
              (std::vector<COLORREF>{kBlack, Grey(7), Grey(15), Grey(31), Grey(63), Grey(127), kWhite}));

    // Filter and transmit half way in floating point.
    CColorMapStops clear = Map({{kBlack, 0.0f, 1.0f, 0}, {kWhite, 1.0f, 0.0f, 1000}});
    clear.Insert();
    EXPECT_FLOAT_EQ(clear.Stop(1).filter, 0.5f);
    EXPECT_FLOAT_EQ(clear.Stop(1).transmit, 0.5f);
}

TEST(ColorMapStopsTest, AddingAfterTheLastCopiesItAtTheEndAndStopsAt25) {
    CColorMapStops map = Map({{kBlack, 0, 0, 0}, {kRed, 0.25f, 0.75f, 1000}}, 1);
    EXPECT_TRUE(map.Insert());
    EXPECT_EQ(map.GetCount(), 3);
    EXPECT_EQ(map.GetCurrent(), 1);
    EXPECT_EQ(map.Stop(2).color, kRed);
    EXPECT_EQ(map.Stop(2).filter, 0.25f);
    EXPECT_EQ(map.Stop(2).transmit, 0.75f);
    EXPECT_EQ(Positions(map), (std::vector<int>{0, 1000, 1000}));

    while (map.GetCount() < CColorMapStops::maxCount)
        ASSERT_TRUE(map.Insert());
    EXPECT_FALSE(map.Insert());
    EXPECT_EQ(map.GetCount(), 25);
}

TEST(ColorMapStopsTest, DeletingSelectsTheStopBeforeAndKeepsTheEnds) {
    CColorMapStops map =
        Map({{kBlack, 0, 0, 0}, {kRed, 0, 0, 300}, {kGreen, 0, 0, 600}, {kWhite, 0, 0, 1000}}, 2);
    EXPECT_TRUE(map.Delete());
    EXPECT_EQ(map.GetCurrent(), 1);
    EXPECT_EQ(Colors(map), (std::vector<COLORREF>{kBlack, kRed, kWhite}));

    map.Select(0);
    EXPECT_TRUE(map.Delete());
    EXPECT_EQ(map.GetCurrent(), 0);
    EXPECT_EQ(Colors(map), (std::vector<COLORREF>{kRed, kWhite}));
    EXPECT_EQ(Positions(map), (std::vector<int>{0, 1000})) << "the old second stop moves to the left edge";

    EXPECT_FALSE(map.Delete()) << "two stops stay";
    EXPECT_EQ(map.GetCount(), 2);
}

TEST(ColorMapStopsTest, MirrorReversesTheMapAndTheSelectionFollowsItsStop) {
    CColorMapStops map =
        Map({{kRed, 0.1f, 0.0f, 0}, {kGreen, 0.2f, 0.0f, 200}, {kBlue, 0.3f, 0.5f, 1000}}, 0);
    map.Mirror();
    EXPECT_EQ(Positions(map), (std::vector<int>{0, 800, 1000}));
    EXPECT_EQ(Colors(map), (std::vector<COLORREF>{kBlue, kGreen, kRed}));
    EXPECT_EQ(map.Stop(0).filter, 0.3f);
    EXPECT_EQ(map.Stop(0).transmit, 0.5f);
    EXPECT_EQ(map.GetCurrent(), 2) << "still the red stop";
}

TEST(ColorMapStopsTest, EvenSpacing) {
    struct Case {
        const char* name;
        int count;
        std::vector<int> positions;
    };
    const Case cases[] = {
        {"two", 2, {0, 1000}},
        {"three", 3, {0, 500, 1000}},
        {"four", 4, {0, 333, 666, 1000}},
        {"seven", 7, {0, 166, 333, 500, 666, 833, 1000}},
    };
    for (const Case& c : cases) {
        std::vector<ColorStop> stops(static_cast<size_t>(c.count), ColorStop{kRed, 0, 0, 900});
        CColorMapStops map = Map(stops);
        map.SpaceEvenly();
        EXPECT_EQ(Positions(map), c.positions) << c.name;
    }
}

TEST(ColorMapStopsTest, RotationsPassTheColoursOnAndLeaveThePositions) {
    const std::vector<ColorStop> stops = {
        {kRed, 0.1f, 0.4f, 0}, {kGreen, 0.2f, 0.5f, 300}, {kBlue, 0.3f, 0.6f, 1000}};
    CColorMapStops left = Map(stops, 1);
    left.RotateLeft();
    EXPECT_EQ(Colors(left), (std::vector<COLORREF>{kGreen, kBlue, kRed}));
    EXPECT_EQ(left.Stop(2).filter, 0.1f);
    EXPECT_EQ(left.Stop(2).transmit, 0.4f);
    EXPECT_EQ(Positions(left), (std::vector<int>{0, 300, 1000}));
    EXPECT_EQ(left.GetCurrent(), 1) << "the selection keeps its place";

    CColorMapStops right = Map(stops);
    right.RotateRight();
    EXPECT_EQ(Colors(right), (std::vector<COLORREF>{kBlue, kRed, kGreen}));
    EXPECT_EQ(right.Stop(0).filter, 0.3f);
    EXPECT_EQ(Positions(right), (std::vector<int>{0, 300, 1000}));
    right.RotateLeft();
    EXPECT_EQ(Colors(right), Colors(Map(stops))) << "one turn each way is no turn";
}

TEST(ColorMapStopsTest, ADragStopsAtTheNeighbours) {
    CColorMapStops map =
        Map({{kBlack, 0, 0, 0}, {kRed, 0, 0, 400}, {kGreen, 0, 0, 600}, {kWhite, 0, 0, 1000}}, 1);
    map.DragCurrentTo(450);
    EXPECT_EQ(map.Stop(1).position, 450);
    map.DragCurrentTo(700);
    EXPECT_EQ(map.Stop(1).position, 600) << "meets its right neighbour";
    map.DragCurrentTo(-80);
    EXPECT_EQ(map.Stop(1).position, 0) << "meets its left neighbour, even off the ramp";
    EXPECT_EQ(Colors(map), (std::vector<COLORREF>{kBlack, kRed, kGreen, kWhite})) << "never changes order";

    map.Select(0);
    map.DragCurrentTo(300);
    map.Select(3);
    map.DragCurrentTo(300);
    EXPECT_EQ(Positions(map), (std::vector<int>{0, 0, 600, 1000})) << "the ends do not move";
}

TEST(ColorMapStopsTest, NormalizingLowersAStopAboveTheNextAndPinsTheEnds) {
    CColorMapStops map =
        Map({{kBlack, 0, 0, 50}, {kRed, 0, 0, 700}, {kGreen, 0, 0, 300}, {kWhite, 0, 0, 900}});
    map.NormalizePositions();
    EXPECT_EQ(Positions(map), (std::vector<int>{0, 300, 300, 1000}));
}

TEST(ColorMapStopsTest, AssignedMapsKeepTwoToTwentyFiveStops) {
    CColorMapStops map;
    map.Assign(std::vector<ColorStop>(1, ColorStop{kRed, 0, 0, 0}));
    EXPECT_EQ(map.GetCount(), 2);
    EXPECT_EQ(map.Stop(0).color, kRed);
    map.Assign(std::vector<ColorStop>(40, ColorStop{kBlue, 0, 0, 0}));
    EXPECT_EQ(map.GetCount(), 25);
    map.SetCount(0);
    EXPECT_EQ(map.GetCount(), 2);
}

// The editor's parts for a client of 206 x 112 pixels: W 200, H 104, u 8.
TEST(ColorMapStopsTest, LayoutAndWhatAPressHits) {
    const CColorMapLayout two(206, 112, 2);
    EXPECT_EQ(two.transmitArea, CRect(3, 0, 203, 8));
    EXPECT_EQ(two.filterArea, CRect(3, 11, 203, 19));
    EXPECT_EQ(two.colourArea, CRect(3, 22, 203, 46));
    EXPECT_EQ(two.columnTop, 58);
    EXPECT_EQ(two.handleBottom, 54);
    // Columns 98.5 wide, 3 apart.
    EXPECT_EQ(two.Box(0), CRect(3, 58, 101, 82));
    EXPECT_EQ(two.Box(1), CRect(3, 85, 101, 93));
    EXPECT_EQ(two.Box(2), CRect(3, 96, 101, 104));
    EXPECT_EQ(two.Box(3).left, 104);
    EXPECT_EQ(two.HitColumn(CPoint(50, 83)), 0) << "the gap between a stop's boxes is its column";
    EXPECT_EQ(two.HitColumn(CPoint(104, 100)), 1);
    EXPECT_EQ(two.HitColumn(CPoint(102, 70)), -1) << "between columns";
    EXPECT_EQ(two.HitColumn(CPoint(101, 70)), -1) << "a right edge is outside";
    EXPECT_EQ(two.PlaceOf(500), 103);
    EXPECT_EQ(two.PositionAt(103), 500);
    EXPECT_EQ(two.PositionAt(2), -5);

    // Two inner stops stacked at 500: left of them the lower, right of them the higher.
    const CColorMapStops stacked =
        Map({{kBlack, 0, 0, 0}, {kRed, 0, 0, 500}, {kGreen, 0, 0, 500}, {kWhite, 0, 0, 1000}});
    const CColorMapLayout four(206, 112, 4);
    EXPECT_EQ(four.HitHandle(CPoint(98, 46), stacked), 1);
    EXPECT_EQ(four.HitHandle(CPoint(102, 53), stacked), 1);
    EXPECT_EQ(four.HitHandle(CPoint(103, 50), stacked), 2);
    EXPECT_EQ(four.HitHandle(CPoint(107, 50), stacked), 2);
    EXPECT_EQ(four.HitHandle(CPoint(108, 50), stacked), 0);
    EXPECT_EQ(four.HitHandle(CPoint(100, 54), stacked), 0) << "below the handles";
    EXPECT_EQ(four.HitHandle(CPoint(5, 50), stacked), 0) << "the first stop has no handle";
    EXPECT_EQ(four.HitHandle(CPoint(200, 50), stacked), 0) << "nor has the last";
}

TEST(ColorMapStopsTest, TheRampStepsEveryTwoColumnsAndBreaksAtStackedStops) {
    CColorRamp ramp;
    ramp.SetStopCount(2);
    ramp.SetStopColor(kBlack, 0);
    ramp.SetStopColor(RGB(255, 0, 100), 1);
    ramp.SetStopPosition(1, 1000);
    const std::vector<COLORREF> linear = ramp.Columns(10);
    const int reds[10] = {0, 0, 51, 51, 102, 102, 153, 153, 204, 204};
    for (int x = 0; x < 10; ++x) {
        EXPECT_EQ(GetRValue(linear[static_cast<size_t>(x)]), reds[x]) << x;
        EXPECT_EQ(GetGValue(linear[static_cast<size_t>(x)]), 0) << "equal channels stay";
        EXPECT_EQ(GetBValue(linear[static_cast<size_t>(x)]), reds[x] * 100 / 255) << x;
    }

    ramp.SetStopCount(4);
    const COLORREF colors[4] = {kRed, kRed, kBlue, kBlue};
    const int positions[4] = {0, 500, 500, 1000};
    for (int i = 0; i < 4; ++i) {
        ramp.SetStopColor(colors[i], i);
        ramp.SetStopPosition(i, positions[i]);
    }
    const std::vector<COLORREF> edge = ramp.Columns(10);
    for (size_t x = 0; x < 10; ++x)
        EXPECT_EQ(edge[x], x < 5 ? kRed : kBlue) << x;
}

TEST(ColorMapStopsTest, TheRampKeepsItsPositionsOnTheStripAndItsCountInRange) {
    CColorRamp ramp;
    ramp.SetStopCount(3);
    ramp.SetStopPosition(0, 300);
    ramp.SetStopPosition(1, 1500);
    ramp.SetStopPosition(2, -20);
    ramp.SetStopPosition(7, -5);
    ramp.Columns(50);
    EXPECT_EQ(ramp.GetStopPosition(0), 0) << "the first stop at the left edge";
    EXPECT_EQ(ramp.GetStopPosition(1), 1000) << "clamped and stored back";
    EXPECT_EQ(ramp.GetStopPosition(2), 1000) << "the last stop at the right edge";
    EXPECT_EQ(ramp.GetStopPosition(7), 0) << "slots above the count too";

    ramp.SetStopCount(0);
    EXPECT_EQ(ramp.GetStopCount(), 2);
    ramp.SetStopCount(26);
    EXPECT_EQ(ramp.GetStopCount(), 25);
    EXPECT_EQ(ramp.Columns(25).size(), 25u) << "a count of 25 paints within its slots";
    ramp.SetStopColor(kRed, 25);
    ramp.SetStopPosition(-1, 10);
    EXPECT_EQ(ramp.Columns(0).size(), 0u);
}

TEST(ColorMapStopsTest, APigmentsMapAsStopsAndBack) {
    CPigmentData pigment;
    pigment.m_count = 0; // as a damaged file may bring it
    pigment.m_colors[0] = {kRed, 0.5f, 0.25f};
    const std::vector<ColorStop> two = ColorMapOf(pigment);
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[0].color, kRed);
    EXPECT_EQ(two[0].filter, 0.5f);
    EXPECT_EQ(two[0].transmit, 0.25f);
    EXPECT_EQ(two[1].position, 1000);

    pigment.m_colors[3] = {kGreen, 0, 0};
    const CColorMapStops map = Map({{kBlue, 0.1f, 0.2f, 0}, {kWhite, 0, 0, 400}, {kBlack, 0, 0, 1000}});
    StoreColorMap(map, pigment);
    EXPECT_EQ(pigment.m_count, 3);
    EXPECT_EQ(pigment.m_colors[0].m_color, kBlue);
    EXPECT_EQ(pigment.m_colors[0].m_transmit, 0.2f);
    EXPECT_EQ(pigment.m_positions[1], 400);
    EXPECT_EQ(pigment.m_colors[3].m_color, kGreen) << "entries above the count keep their values";
}

TEST(ColorMapStopsTest, ComponentsBytesAndGreys) {
    EXPECT_EQ(ComponentToByte(0.5f), 127) << "truncated, not rounded";
    EXPECT_NEAR(ByteToComponent(127), 0.498, 0.001);
    EXPECT_EQ(ComponentToByte(1.0f), 255);
    EXPECT_EQ(GreyOf(1.0f), kWhite);
    EXPECT_EQ(GreyOf(1.5f), kWhite) << "a value out of range shows its end";
    EXPECT_EQ(GreyOf(-0.5f), kBlack);
    EXPECT_EQ(ColorHalfWay(kBlack, kWhite), Grey(127));
    EXPECT_EQ(ColorHalfWay(RGB(200, 10, 0), RGB(100, 11, 255)), RGB(150, 10, 127));
}
