// The rules of the custom controls, without windows: spin steps and halves,
// slider values, the number field's keys and commits, panel scrolling,
// group folding, the level bar's thumb and the tab strip's layout.
#include "controls/numeric_rules.h"
#include "controls/numeric_value.h"
#include "controls/scroll_rules.h"
#include "controls/tab_strip.h"

#include <gtest/gtest.h>
#include <string>

TEST(SpinRulesTest, NextValueInEachMode) {
    const struct {
        const char* name;
        int value;
        bool up, pow2, stepOne;
        int expected;
    } cases[] = {
        {"by one up", 5, true, false, true, 6},
        {"by one down", 5, false, false, true, 4},
        {"even mode from odd up", 5, true, false, false, 6},
        {"even mode from odd down", 5, false, false, false, 4},
        {"even mode from even up", 6, true, false, false, 8},
        {"even mode from even down", 6, false, false, false, 4},
        {"power of two up from 8", 8, true, true, true, 16},
        {"power of two down from 8", 8, false, true, true, 4},
        {"power of two up from 3", 3, true, true, true, 4},
        {"power of two down from 3", 3, false, true, true, 2},
        {"power of two up from 63", 63, true, true, true, 64},
        {"power of two down from 64", 64, false, true, true, 32},
        {"power of two up from 0", 0, true, true, true, 2},
        {"power of two down from 2", 2, false, true, true, 1},
        {"power of two down from 1 stays at the bottom", 1, false, true, true, 1},
        {"power of two up from 64 stays at the top, not 2", 64, true, true, true, 64},
        {"power of two up from 100 clamps to the top, not 2", 100, true, true, true, 64},
        {"power of two down from 100 goes to 64, not 1", 100, false, true, true, 64},
        {"power of two down from 65 goes to 64, not 1", 65, false, true, true, 64},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NextSpinValue(c.value, c.up, c.pow2, c.stepOne), c.expected) << c.name;
}

TEST(SpinRulesTest, HalvesCutAt49And51PercentAndTheFloatStepFollowsTheDecimals) {
    // A spin 100 pixels high: a press above 49 is the upper half; a drag
    // leaves the lower half above 50; the auto-repeat's lower half starts at 51.
    EXPECT_EQ(SpinHalfOfPress(48, 100), spinUpperHalf);
    EXPECT_EQ(SpinHalfOfPress(49, 100), spinLowerHalf);
    EXPECT_EQ(SpinHalfOfPress(100, 100), spinNoHalf);
    EXPECT_FALSE(InSpinLowerHalfForDrag(49, 100));
    EXPECT_TRUE(InSpinLowerHalfForDrag(50, 100));
    EXPECT_FALSE(InSpinLowerHalfForRepeat(50, 100));
    EXPECT_TRUE(InSpinLowerHalfForRepeat(51, 100));
    EXPECT_FALSE(InSpinLowerHalfForRepeat(100, 100));
    EXPECT_FLOAT_EQ(SpinFloatStep(3), 0.001f);
    EXPECT_FLOAT_EQ(SpinFloatStep(0), 1.0f);
    EXPECT_FLOAT_EQ(SpinFloatStep(1), 0.1f);
}

TEST(MeterRulesTest, PositionGivesTruncatedIntAndExactFloatWithinTheRange) {
    const struct {
        int x, width;
        int intValue;
        float floatValue;
    } cases[] = {{55, 100, 5, 5.5f}, {100, 100, 10, 10.0f}, {180, 100, 10, 10.0f},
                 {-7, 100, 0, 0.0f}, {0, 100, 0, 0.0f},     {99, 100, 9, 9.9f}};
    for (const auto& c : cases) {
        const MeterValue v = MeterValueAt(c.x, c.width, 0, 10, 0.0f, 10.0f);
        EXPECT_EQ(v.intValue, c.intValue) << c.x;
        EXPECT_FLOAT_EQ(v.floatValue, c.floatValue) << c.x;
    }
    const MeterValue shifted = MeterValueAt(50, 200, 10, 20, -1.0f, 1.0f);
    EXPECT_EQ(shifted.intValue, 12);
    EXPECT_FLOAT_EQ(shifted.floatValue, -0.5f);
}

TEST(MeterRulesTest, ZeroWidthOrEmptyRangeGivesTheMinimumInsteadOfDividingByZero) {
    const MeterValue noWidth = MeterValueAt(5, 0, 3, 10, 1.5f, 9.0f);
    EXPECT_EQ(noWidth.intValue, 3);
    EXPECT_FLOAT_EQ(noWidth.floatValue, 1.5f);
    const MeterValue emptyRange = MeterValueAt(50, 100, 4, 4, 2.0f, 2.0f);
    EXPECT_EQ(emptyRange.intValue, 4);
    EXPECT_FLOAT_EQ(emptyRange.floatValue, 2.0f);
    EXPECT_FLOAT_EQ(MeterFraction(2.0f, 2.0f, 2.0f), 0.0f);
    EXPECT_FLOAT_EQ(MeterFraction(7.5f, 5.0f, 10.0f), 0.5f);
}

TEST(NumberFieldTest, KeysANumberNeedsAreTakenAndOthersDropped) {
    for (const UINT digit : {'0', '5', '9'})
        EXPECT_TRUE(AcceptsNumberChar(digit, false, false));
    EXPECT_TRUE(AcceptsNumberChar('-', false, false));
    EXPECT_FALSE(AcceptsNumberChar('.', false, false)) << "no decimal point in integer mode";
    EXPECT_TRUE(AcceptsNumberChar('.', true, false));
    for (const UINT letter : {'a', 'Z', 'e', ' ', '+', ','})
        EXPECT_FALSE(AcceptsNumberChar(letter, true, false)) << static_cast<char>(letter);
    EXPECT_TRUE(AcceptsNumberChar(0x08, false, false)) << "backspace";
    EXPECT_TRUE(AcceptsNumberChar(0x7F, false, false)) << "delete";
    EXPECT_TRUE(AcceptsNumberChar('v', false, true)) << "Ctrl+V pastes";
}

TEST(NumberFieldTest, CommitClampsAndTellsOnlyAChange) {
    CNumericValue value;
    value.SetRange(0, 10);
    EXPECT_EQ(value.SetInt(4), "4");
    const CNumericValue::Commit typed = value.CommitText("50");
    EXPECT_TRUE(typed.changed);
    EXPECT_EQ(typed.text, "10");
    EXPECT_EQ(value.GetInt(), 10);
    const CNumericValue::Commit again = value.CommitText("10");
    EXPECT_FALSE(again.changed) << "leaving a field that was not changed tells nobody";
    EXPECT_EQ(value.SetInt(-3), "0") << "SetInt clamps too";

    CNumericValue angle;
    angle.SetFloatMode(true);
    angle.SetRangeF(0.0f, 180.0f);
    EXPECT_EQ(angle.SetFloat(89.5f), "89.500");
    EXPECT_FALSE(angle.CommitText(" 89.5 ").changed);
    const CNumericValue::Commit wider = angle.CommitText("120.25");
    EXPECT_TRUE(wider.changed);
    EXPECT_EQ(wider.text, "120.250");
    angle.SetDecimals(1);
    EXPECT_EQ(angle.Text(), "120.2");
}

TEST(NumberFieldTest, TextThatIsNoNumberKeepsTheValueAndShowsItAgain) {
    for (const char* bad : {"12abc", "", "-", "abc", "99999999999"}) {
        CNumericValue value;
        value.SetRange(-100, 100);
        value.SetInt(7);
        const CNumericValue::Commit commit = value.CommitText(bad);
        EXPECT_FALSE(commit.changed) << "'" << bad << "'";
        EXPECT_EQ(commit.text, "7") << "'" << bad << "'";
        EXPECT_EQ(value.GetInt(), 7);
    }
    for (const char* bad : {"1e999", "-1e999", "nan", "1.5x", ""}) {
        CNumericValue value;
        value.SetFloatMode(true);
        value.SetFloat(2.5f);
        const CNumericValue::Commit commit = value.CommitText(bad);
        EXPECT_FALSE(commit.changed) << "'" << bad << "'";
        EXPECT_EQ(commit.text, "2.500") << "'" << bad << "'";
        EXPECT_FLOAT_EQ(value.GetFloat(), 2.5f);
    }
}

TEST(NumberFieldTest, EvenOnlyAndPowerOfTwoEntries) {
    const struct {
        const char* typed;
        int expected;
        bool changed;
    } even[] = {{"7", 6, true}, {"1", 1, true}, {"-3", -3, true}, {"8", 8, true}, {"2", 2, false}};
    for (const auto& c : even) {
        CNumericValue value;
        value.SetOddAllowed(false);
        value.SetInt(2);
        const CNumericValue::Commit commit = value.CommitText(c.typed);
        EXPECT_EQ(value.GetInt(), c.expected) << c.typed;
        EXPECT_EQ(commit.changed, c.changed) << c.typed;
    }
    const struct {
        const char* typed;
        int expected;
        const char* shown;
    } powers[] = {{"20", 16, "16"}, {"1", 1, "1"}, {"32", 32, "32"},
                  {"33", 4, "4"},   {"0", 4, "4"}, {"x", 4, "4"}};
    for (const auto& c : powers) {
        CNumericValue value;
        value.SetPowerOfTwo(true);
        value.SetInt(4);
        const CNumericValue::Commit commit = value.CommitText(c.typed);
        EXPECT_EQ(value.GetInt(), c.expected) << c.typed;
        EXPECT_EQ(commit.text, c.shown) << c.typed << ": an entry outside the table shows the stored value";
    }
}

TEST(PanelScrollRulesTest, DragStaysBetweenTheTopAndTheContentsBottom) {
    // Content 400 in a client of 100: offsets from 0 down to -300.
    EXPECT_EQ(ClampScrollDrag(0, -40, -300, 400, 100).step, -40);
    EXPECT_EQ(ClampScrollDrag(-280, -40, -300, 400, 100).step, -20) << "bottom at the client's bottom";
    EXPECT_EQ(ClampScrollDrag(-20, 50, -300, 400, 100).step, 20) << "top at the client's top";
    EXPECT_EQ(ClampScrollDrag(0, 30, -300, 400, 100).step, 0);
    // Content that fits: an upward drag is dropped whole, a downward one scrolls by 0.
    EXPECT_TRUE(ClampScrollDrag(0, -10, 50, 50, 100).ignored);
    const ScrollDragStep down = ClampScrollDrag(0, 10, 50, 50, 100);
    EXPECT_FALSE(down.ignored);
    EXPECT_EQ(down.step, 0);
}

TEST(PanelScrollRulesTest, TheCursorWrapsFiveFromTheScreensEdges) {
    EXPECT_EQ(WrapCursorY(4, 1200), 1195);
    EXPECT_EQ(WrapCursorY(0, 1200), 1195);
    EXPECT_EQ(WrapCursorY(5, 1200), 5);
    EXPECT_EQ(WrapCursorY(1195, 1200), 1195);
    EXPECT_EQ(WrapCursorY(1196, 1200), 5);
    EXPECT_EQ(WrapCursorY(600, 1200), 600);
}

TEST(PanelScrollRulesTest, GrowingAScrolledPanelLeavesNoEmptyBand) {
    const struct {
        const char* name;
        int client, content, offset, previous;
        bool scroll;
        int step;
    } cases[] = {
        {"content now fits: back to the top", 500, 400, -100, 100, true, 100},
        {"a gap below the content closes", 150, 400, -300, 100, true, 50},
        {"content that now fits exactly: back to the top", 400, 400, -100, 300, true, 100},
        {"bottom at the edge, grown by 20", 120, 400, -300, 100, true, 20},
        {"content below the edge stays", 120, 400, -100, 100, true, 0},
        {"unscrolled: nothing", 120, 400, 0, 100, false, 0},
        {"shrinking: nothing", 80, 400, -100, 100, false, 0},
    };
    for (const auto& c : cases) {
        const ScrollResizeStep step = ResizeScrollStep(c.client, c.content, c.offset, c.previous);
        EXPECT_EQ(step.scroll, c.scroll) << c.name;
        EXPECT_EQ(step.step, c.step) << c.name;
    }
}

TEST(GroupFoldRulesTest, TheGroupReachesToTheNextHeaderOrTheEndControl) {
    // Header at 10, controls at 30 and 60, the next header at 130, a control at 150,
    // the hidden Enter button at 0, in a 400-pixel client.
    const std::vector<GroupSibling> siblings = {
        {0, 10, false, true},   {10, 30, true, false},   {30, 50, false, false},
        {60, 80, false, false}, {130, 150, true, false}, {150, 170, false, false},
    };
    const GroupExtent first = MeasureGroup(siblings, 1, -1, 400);
    EXPECT_EQ(first.extent, 120);
    EXPECT_EQ(first.members, (std::vector<int>{2, 3}));
    const GroupExtent last = MeasureGroup(siblings, 4, -1, 400);
    EXPECT_EQ(last.extent, 400 - 130 - 10) << "the last group ends 10 above the bottom";
    EXPECT_EQ(last.members, (std::vector<int>{5}));
    const GroupExtent toEnd = MeasureGroup(siblings, 1, 60, 400);
    EXPECT_EQ(toEnd.extent, 50);
    EXPECT_EQ(toEnd.members, (std::vector<int>{2}));

    // Folding the first group (extent 120) moves what lies below it up by 100.
    EXPECT_EQ(FoldShift(130, 10, 120, true), -100);
    EXPECT_EQ(FoldShift(60, 10, 120, true), 0) << "a member is hidden, not moved";
    EXPECT_EQ(FoldShift(30, 10, 120, false), 100);
    EXPECT_EQ(FoldShift(29, 10, 120, false), 0);
}

TEST(LevelBarRulesTest, TheThumbShowsTheVisiblePart) {
    const LevelThumb thumb = LevelBarThumb(200, 400, 100, 150);
    EXPECT_EQ(thumb.top, 75);
    EXPECT_EQ(thumb.bottom, 125);
    const LevelThumb fits = LevelBarThumb(200, 100, 150, 0);
    EXPECT_EQ(fits.top, 0);
    EXPECT_GE(fits.bottom, 200) << "content that fits covers the whole strip or more";
    const LevelThumb empty = LevelBarThumb(200, 0, 100, 0);
    EXPECT_EQ(empty.top, 0);
    EXPECT_EQ(empty.bottom, 200) << "a total of 0 covers the strip instead of dividing by zero";
}

TEST(TabStripLayoutTest, TabsStandTenApartAfterTheMargin) {
    const std::vector<TabPlace> tabs = LayoutTabs({40, 25, 60}, 30);
    ASSERT_EQ(tabs.size(), 3u);
    EXPECT_EQ(tabs[0].x, 30);
    EXPECT_EQ(tabs[1].x, 30 + 40 + 30);
    EXPECT_EQ(tabs[2].x, 30 + 40 + 30 + 25 + 30);
    EXPECT_EQ(tabs[2].width, 80);
    EXPECT_EQ(TabAt(tabs, 29), -1);
    EXPECT_EQ(TabAt(tabs, 30), 0);
    EXPECT_EQ(TabAt(tabs, 89), 0);
    EXPECT_EQ(TabAt(tabs, 95), -1) << "between tabs";
    EXPECT_EQ(TabAt(tabs, 100), 1);
    EXPECT_TRUE(LayoutTabs({}, 30).empty());
}
