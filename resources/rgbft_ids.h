#pragma once
// The control ids of the three colour-entry blocks, the same in every panel
// that holds them: the templates place them and the panels bind them.
#include "platform/base/win_types.h"

// Fields, spins and sliders in the order R, G, B, F, T.
struct RgbftIds {
    UINT swatch;
    UINT filterSwatch;
    UINT transmitSwatch;
    UINT edits[5];
    UINT spins[5];
    UINT meters[5];
};

// clang-format off
inline constexpr RgbftIds kRgbftBlocks[3] = {
    {1003, 1005, 1007, {1021, 1023, 1025, 1027, 1029}, {1361, 1368, 1377, 1385, 1391},
     {1365, 1372, 1381, 1388, 1394}},
    {1006, 1011, 1013, {1031, 1033, 1035, 1037, 1039}, {1396, 1400, 1403, 1406, 1408},
     {1398, 1401, 1404, 1407, 1409}},
    {1010, 1017, 1019, {1041, 1043, 1045, 1047, 1049}, {1410, 1412, 1414, 1416, 1418},
     {1411, 1413, 1415, 1417, 1419}},
};
// clang-format on
