#include "resources/resource_tables.h"

// The shortcut keys: one entry per key slot, in slot order, each sending the
// command of its slot. The main frame looks the slot's action up in the
// document; both language sets carry this same table.
namespace {

constexpr BYTE kPlain = FVIRTKEY | FNOINVERT;
constexpr BYTE kCtrl = kPlain | FCONTROL;
constexpr BYTE kShift = kPlain | FSHIFT;
constexpr BYTE kCtrlShift = kPlain | FCONTROL | FSHIFT;

constexpr WORD kBack = 0x08;
constexpr WORD kTab = 0x09;
constexpr WORD kReturn = 0x0D;
constexpr WORD kSpace = 0x20;
constexpr WORD kLeft = 0x25;
constexpr WORD kUp = 0x26;
constexpr WORD kRight = 0x27;
constexpr WORD kDown = 0x28;
constexpr WORD kInsert = 0x2D;
constexpr WORD kDelete = 0x2E;
constexpr WORD kF1 = 0x70;
constexpr WORD kF2 = 0x71;
constexpr WORD kF3 = 0x72;
constexpr WORD kF4 = 0x73;
constexpr WORD kF5 = 0x74;
constexpr WORD kF6 = 0x75;
constexpr WORD kF7 = 0x76;
constexpr WORD kF8 = 0x77;
constexpr WORD kF9 = 0x78;
constexpr WORD kF10 = 0x79;
constexpr WORD kF11 = 0x7A;
constexpr WORD kF12 = 0x7B;

constexpr AccelEntry kShortcutSlots[] = {
    // slots 0..: A-Z
    {kPlain, 'A', 30215},
    {kPlain, 'B', 30216},
    {kPlain, 'C', 30217},
    {kPlain, 'D', 30218},
    {kPlain, 'E', 30219},
    {kPlain, 'F', 30220},
    {kPlain, 'G', 30221},
    {kPlain, 'H', 30222},
    {kPlain, 'I', 30223},
    {kPlain, 'J', 30224},
    {kPlain, 'K', 30225},
    {kPlain, 'L', 30226},
    {kPlain, 'M', 30227},
    {kPlain, 'N', 30228},
    {kPlain, 'O', 30229},
    {kPlain, 'P', 30230},
    {kPlain, 'Q', 30231},
    {kPlain, 'R', 30232},
    {kPlain, 'S', 30233},
    {kPlain, 'T', 30234},
    {kPlain, 'U', 30235},
    {kPlain, 'V', 30236},
    {kPlain, 'W', 30237},
    {kPlain, 'X', 30238},
    {kPlain, 'Y', 30239},
    {kPlain, 'Z', 30240},
    // slots 26..: Ctrl+A - Ctrl+Z
    {kCtrl, 'A', 30267},
    {kCtrl, 'B', 30268},
    {kCtrl, 'C', 30269},
    {kCtrl, 'D', 30270},
    {kCtrl, 'E', 30271},
    {kCtrl, 'F', 30272},
    {kCtrl, 'G', 30273},
    {kCtrl, 'H', 30274},
    {kCtrl, 'I', 30275},
    {kCtrl, 'J', 30276},
    {kCtrl, 'K', 30277},
    {kCtrl, 'L', 30278},
    {kCtrl, 'M', 30279},
    {kCtrl, 'N', 30280},
    {kCtrl, 'O', 30281},
    {kCtrl, 'P', 30282},
    {kCtrl, 'Q', 30283},
    {kCtrl, 'R', 30284},
    {kCtrl, 'S', 30285},
    {kCtrl, 'T', 30286},
    {kCtrl, 'U', 30287},
    {kCtrl, 'V', 30288},
    {kCtrl, 'W', 30289},
    {kCtrl, 'X', 30290},
    {kCtrl, 'Y', 30291},
    {kCtrl, 'Z', 30292},
    // slots 52..: Shift+A - Shift+Z
    {kShift, 'A', 30241},
    {kShift, 'B', 30242},
    {kShift, 'C', 30243},
    {kShift, 'D', 30244},
    {kShift, 'E', 30245},
    {kShift, 'F', 30246},
    {kShift, 'G', 30247},
    {kShift, 'H', 30248},
    {kShift, 'I', 30249},
    {kShift, 'J', 30250},
    {kShift, 'K', 30251},
    {kShift, 'L', 30252},
    {kShift, 'M', 30253},
    {kShift, 'N', 30254},
    {kShift, 'O', 30255},
    {kShift, 'P', 30256},
    {kShift, 'Q', 30257},
    {kShift, 'R', 30258},
    {kShift, 'S', 30259},
    {kShift, 'T', 30260},
    {kShift, 'U', 30261},
    {kShift, 'V', 30262},
    {kShift, 'W', 30263},
    {kShift, 'X', 30264},
    {kShift, 'Y', 30265},
    {kShift, 'Z', 30266},
    // slots 78..: Backspace, Delete, Enter, Insert, Space, Tab
    {kPlain, kBack, 30313},
    {kPlain, kDelete, 30294},
    {kPlain, kReturn, 30293},
    {kPlain, kInsert, 30312},
    {kPlain, kSpace, 30296},
    {kPlain, kTab, 30295},
    // slots 84..: F1-F12
    {kPlain, kF1, 30297},
    {kPlain, kF2, 30298},
    {kPlain, kF3, 30299},
    {kPlain, kF4, 30300},
    {kPlain, kF5, 30301},
    {kPlain, kF6, 30302},
    {kPlain, kF7, 30303},
    {kPlain, kF8, 30304},
    {kPlain, kF9, 30305},
    {kPlain, kF10, 30306},
    {kPlain, kF11, 30307},
    {kPlain, kF12, 30308},
    // slots 96..: Down, Left, Right, Up
    {kPlain, kDown, 30311},
    {kPlain, kLeft, 30309},
    {kPlain, kRight, 30358},
    {kPlain, kUp, 30310},
    // slots 100..: Ctrl + the special keys
    {kCtrl, kBack, 30341},
    {kCtrl, kDelete, 30337},
    {kCtrl, kReturn, 30336},
    {kCtrl, kInsert, 30338},
    {kCtrl, kSpace, 30340},
    {kCtrl, kTab, 30339},
    // slots 106..: Ctrl+F1 - Ctrl+F12
    {kCtrl, kF1, 30342},
    {kCtrl, kF2, 30343},
    {kCtrl, kF3, 30344},
    {kCtrl, kF4, 30345},
    {kCtrl, kF5, 30346},
    {kCtrl, kF6, 30347},
    {kCtrl, kF7, 30348},
    {kCtrl, kF8, 30349},
    {kCtrl, kF9, 30350},
    {kCtrl, kF10, 30351},
    {kCtrl, kF11, 30352},
    {kCtrl, kF12, 30353},
    // slots 118..: Ctrl + the arrows
    {kCtrl, kDown, 30357},
    {kCtrl, kLeft, 30355},
    {kCtrl, kRight, 30354},
    {kCtrl, kUp, 30356},
    // slots 122..: Shift + the special keys
    {kShift, kBack, 30319},
    {kShift, kDelete, 30315},
    {kShift, kReturn, 30314},
    {kShift, kInsert, 30316},
    {kShift, kSpace, 30318},
    {kShift, kTab, 30317},
    // slots 128..: Shift+F1 - Shift+F12
    {kShift, kF1, 30320},
    {kShift, kF2, 30321},
    {kShift, kF3, 30322},
    {kShift, kF4, 30323},
    {kShift, kF5, 30324},
    {kShift, kF6, 30325},
    {kShift, kF7, 30326},
    {kShift, kF8, 30327},
    {kShift, kF9, 30328},
    {kShift, kF10, 30329},
    {kShift, kF11, 30330},
    {kShift, kF12, 30331},
    // slots 140..: Shift + the arrows
    {kShift, kDown, 30335},
    {kShift, kLeft, 30333},
    {kShift, kRight, 30332},
    {kShift, kUp, 30334},
    // slots 144..: 0-9
    {kPlain, '0', 30368},
    {kPlain, '1', 30359},
    {kPlain, '2', 30360},
    {kPlain, '3', 30361},
    {kPlain, '4', 30362},
    {kPlain, '5', 30363},
    {kPlain, '6', 30364},
    {kPlain, '7', 30365},
    {kPlain, '8', 30366},
    {kPlain, '9', 30367},
    // slots 154..: Ctrl+0 - Ctrl+9
    {kCtrl, '0', 30388},
    {kCtrl, '1', 30379},
    {kCtrl, '2', 30380},
    {kCtrl, '3', 30381},
    {kCtrl, '4', 30382},
    {kCtrl, '5', 30383},
    {kCtrl, '6', 30384},
    {kCtrl, '7', 30385},
    {kCtrl, '8', 30386},
    {kCtrl, '9', 30387},
    // slots 164..: Shift+0 - Shift+9
    {kShift, '0', 30378},
    {kShift, '1', 30369},
    {kShift, '2', 30370},
    {kShift, '3', 30371},
    {kShift, '4', 30372},
    {kShift, '5', 30373},
    {kShift, '6', 30374},
    {kShift, '7', 30375},
    {kShift, '8', 30376},
    {kShift, '9', 30377},
    // slots 174..: Ctrl+Shift+A - Ctrl+Shift+Z
    {kCtrlShift, 'A', 30679},
    {kCtrlShift, 'B', 30680},
    {kCtrlShift, 'C', 30681},
    {kCtrlShift, 'D', 30682},
    {kCtrlShift, 'E', 30683},
    {kCtrlShift, 'F', 30684},
    {kCtrlShift, 'G', 30685},
    {kCtrlShift, 'H', 30686},
    {kCtrlShift, 'I', 30687},
    {kCtrlShift, 'J', 30688},
    {kCtrlShift, 'K', 30689},
    {kCtrlShift, 'L', 30690},
    {kCtrlShift, 'M', 30691},
    {kCtrlShift, 'N', 30692},
    {kCtrlShift, 'O', 30693},
    {kCtrlShift, 'P', 30694},
    {kCtrlShift, 'Q', 30695},
    {kCtrlShift, 'R', 30696},
    {kCtrlShift, 'S', 30697},
    {kCtrlShift, 'T', 30698},
    {kCtrlShift, 'U', 30699},
    {kCtrlShift, 'V', 30700},
    {kCtrlShift, 'W', 30723},
    {kCtrlShift, 'X', 30724},
    {kCtrlShift, 'Y', 30725},
    {kCtrlShift, 'Z', 30726},
    // slots 200..: Ctrl+Shift + the special keys
    {kCtrlShift, kBack, 30701},
    {kCtrlShift, kDelete, 30702},
    {kCtrlShift, kReturn, 30718},
    {kCtrlShift, kInsert, 30716},
    {kCtrlShift, kSpace, 30720},
    {kCtrlShift, kTab, 30721},
    // slots 206..: Ctrl+Shift+F1 - Ctrl+Shift+F12
    {kCtrlShift, kF1, 30704},
    {kCtrlShift, kF2, 30708},
    {kCtrlShift, kF3, 30709},
    {kCtrlShift, kF4, 30710},
    {kCtrlShift, kF5, 30711},
    {kCtrlShift, kF6, 30712},
    {kCtrlShift, kF7, 30713},
    {kCtrlShift, kF8, 30714},
    {kCtrlShift, kF9, 30715},
    {kCtrlShift, kF10, 30705},
    {kCtrlShift, kF11, 30706},
    {kCtrlShift, kF12, 30707},
    // slots 218..: Ctrl+Shift + the arrows
    {kCtrlShift, kDown, 30703},
    {kCtrlShift, kLeft, 30722},
    {kCtrlShift, kRight, 30719},
    {kCtrlShift, kUp, 30717},
    // slots 222..: Ctrl+Shift+0 - Ctrl+Shift+9
    {kCtrlShift, '0', 30669},
    {kCtrlShift, '1', 30670},
    {kCtrlShift, '2', 30671},
    {kCtrlShift, '3', 30672},
    {kCtrlShift, '4', 30673},
    {kCtrlShift, '5', 30674},
    {kCtrlShift, '6', 30675},
    {kCtrlShift, '7', 30676},
    {kCtrlShift, '8', 30677},
    {kCtrlShift, '9', 30678},
};
static_assert(std::size(kShortcutSlots) == kShortcutSlotKeys);

} // namespace

std::span<const AccelEntry> ShortcutSlotAccelerators() {
    return kShortcutSlots;
}
