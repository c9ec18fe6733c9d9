#include "shell/shortcut_actions.h"

#include "model/mouse_modes.h"

#include <array>
#include <string>
#include <vector>

namespace {

// The camera modes 0..10 as the action names spell them.
constexpr const char* kCameraWords[] = {"rotate1",   "rotate2",   "translate", "zoom",
                                        "angle",     "locationX", "locationY", "locationZ",
                                        "look_at X", "look_at Y", "look_at Z"};
constexpr int kCameraModes = static_cast<int>(std::size(kCameraWords));

// Actions 11-18 and 19-20: the patch and render tools of the left button.
constexpr int kPatchTools[] = {mouseModeSelect, mouseModeLasso,    mouseModeTranslate,   mouseModeScale,
                               mouseModeRotate, mouseModeAddPoint, mouseModeCurveWeight, mouseModeNoise};
constexpr const char* kPatchToolNames[] = {
    "(patch) select (left button)",           "(patch) select with rope (left button)",
    "(patch) translate (left button)",        "(patch) scale (left button)",
    "(patch) rotate (left button)",           "(patch) add point (left button)",
    "(patch) set curve weight (left button)", "(patch) noise (left button)"};

// One action that runs a command, with its name.
struct CommandAction {
    int action;
    ShortcutRun run;
    int command;
    const char* name;
};

constexpr int kMagnetTool = 316;

constexpr CommandAction kCommandActions[] = {
    {55, ShortcutRun::sendToFrame, 57643, "Undo"},
    {56, ShortcutRun::sendToFrame, 57644, "Redo"},
    {57, ShortcutRun::sendToFrame, 57600, "New Document"},
    {58, ShortcutRun::sendToFrame, 57601, "File Open"},
    {59, ShortcutRun::sendToFrame, 57603, "File Save"},
    {60, ShortcutRun::command, 57635, "Cut"},
    {61, ShortcutRun::command, 57634, "Copy"},
    {62, ShortcutRun::command, 57637, "Paste"},
    {63, ShortcutRun::command, 30032, "Full Screen"},
    {64, ShortcutRun::command, 30042, "Show Document"},
    {65, ShortcutRun::command, 30027, "show/hide point"},
    {66, ShortcutRun::command, 30031, "show/hide curve"},
    {67, ShortcutRun::command, 30034, "show/hide surface"},
    {68, ShortcutRun::command, 30006, "unselect all points"},
    {69, ShortcutRun::command, 30008, "select connected points"},
    {70, ShortcutRun::command, 30213, "select curve"},
    {71, ShortcutRun::command, 30214, "delete select points"},
    {72, ShortcutRun::command, 30094, "x on/off"},
    {73, ShortcutRun::command, 30095, "y on/off"},
    {74, ShortcutRun::command, 30096, "z on/off"},
    {75, ShortcutRun::toggleProjection, 0, "(view) perspective/ortho"},
    {76, ShortcutRun::command, 30022, "(view) front"},
    {77, ShortcutRun::command, 30020, "(view) top"},
    {78, ShortcutRun::command, 30024, "(view) right"},
    {79, ShortcutRun::command, 30077, "show/hide axis"},
    {80, ShortcutRun::command, 30025, "show/hide tool window"},
    {81, ShortcutRun::command, 30023, "show/hide dialog window"},
    {82, ShortcutRun::command, 30028, "show/hide status window"},
    {83, ShortcutRun::sendToFrame, 59393, "show/hide status bar"},
    {84, ShortcutRun::command, 30029, "show/hide menu"},
    {85, ShortcutRun::nothing, 0, "set curve subdivision level"},
    {86, ShortcutRun::nothing, 0, "set curve subdivision level 2"},
    {87, ShortcutRun::nothing, 0, "set curve subdivision level 3"},
    {88, ShortcutRun::nothing, 0, "set surface subdivision level"},
    {89, ShortcutRun::nothing, 0, "set surface subdivision level 2"},
    {90, ShortcutRun::nothing, 0, "set surface subdivision level 3"},
    {91, ShortcutRun::command, 30183, "(patch) extrude"},
    {92, ShortcutRun::command, 30181, "(patch) lathe"},
    {93, ShortcutRun::command, 30187, "(patch) delete select curve"},
    {94, ShortcutRun::command, 30005, "select all points"},
    {95, ShortcutRun::command, 30015, "(patch) toggle invisibility"},
    {96, ShortcutRun::command, 30185, "(patch) clone"},
    {97, ShortcutRun::command, 30010, "(patch) Flip X"},
    {98, ShortcutRun::command, 30011, "(patch) Flip Y"},
    {99, ShortcutRun::command, 30012, "(patch) Flip Z"},
    {100, ShortcutRun::command, 30189, "(patch) peak"},
    {101, ShortcutRun::command, 30191, "(patch) round"},
    {102, ShortcutRun::command, 30009, "select points (on select curve)"},
    {103, ShortcutRun::command, 30007, "select invert"},
    {104, ShortcutRun::command, 30048, "select invisible points"},
    {105, ShortcutRun::command, 30013, "hide select points"},
    {106, ShortcutRun::command, 30014, "show all points"},
    {107, ShortcutRun::command, 30046, "create Box"},
    {108, ShortcutRun::command, 30044, "create Circle(4)"},
    {109, ShortcutRun::command, 30079, "create Circle(8)"},
    {110, ShortcutRun::command, 30041, "create Cone"},
    {111, ShortcutRun::command, 30039, "create cylinder"},
    {112, ShortcutRun::command, 30049, "create plane"},
    {113, ShortcutRun::command, 30037, "create sphere"},
    {114, ShortcutRun::command, 30052, "create square"},
    {115, ShortcutRun::command, 30055, "create star"},
    {116, ShortcutRun::command, 30068, "render with POV-Ray"},
    {117, ShortcutRun::command, 30131, "(patch) extrude select curve"},
    {118, ShortcutRun::command, 30174, "(patch) create point"},
    {119, ShortcutRun::command, 30083, "(camera) save1"},
    {120, ShortcutRun::command, 30084, "(camera) load1"},
    {121, ShortcutRun::command, 30085, "(camera) save2"},
    {122, ShortcutRun::command, 30086, "(camera) load2"},
    {123, ShortcutRun::command, 30087, "(camera) save3"},
    {124, ShortcutRun::command, 30088, "(camera) load3"},
    {125, ShortcutRun::command, 30089, "(camera) save4"},
    {126, ShortcutRun::command, 30090, "(camera) load4"},
    {127, ShortcutRun::sendToView, 30532, "(patch) text"},
    {128, ShortcutRun::leftTool, mouseModeTranslateMulti, "(patch) translate multi objects"},
    {129, ShortcutRun::leftTool, mouseModeRotateMulti, "(patch) rotate multi objects"},
    {130, ShortcutRun::leftTool, mouseModeScaleMulti, "(patch) scale multi objects"},
    {131, ShortcutRun::command, 30519, "show/hide menu window"},
    {172, ShortcutRun::command, 30114, "(patch) shift position"},
    {173, ShortcutRun::command, 30116, "(patch) align points"},
    {174, ShortcutRun::command, 30118, "(patch) translate"},
    {175, ShortcutRun::command, 30122, "(patch) rotate"},
    {176, ShortcutRun::command, 30124, "(patch) scale"},
    {177, ShortcutRun::command, 30549, "(patch) subdivide select curve"},
    {178, ShortcutRun::command, 30595, "(patch) delete select curve"},
    {179, ShortcutRun::command, 30596, "(patch) peak (around select curve)"},
    {180, ShortcutRun::command, 30597, "(patch) round (around select curve)"},
    {181, ShortcutRun::command, 30128, "Paste (Center of select vertex)"},
    {182, ShortcutRun::command, 30136, "Paste (Around select curve)"},
    {183, ShortcutRun::command, 30577, "Array"},
    {184, ShortcutRun::command, 30565, "(patch) Reset CP"},
    {185, ShortcutRun::command, 30559, "(light) Translate"},
    {186, ShortcutRun::command, 30562, "(light) Select"},
    {187, ShortcutRun::command, 30563, "(patch) Translate CP1"},
    {188, ShortcutRun::command, 30564, "(patch) Translate CP2"},
    {189, ShortcutRun::leftTool, mouseModeSelectCurve, "(patch) Select Curve"},
    {190, ShortcutRun::leftTool, mouseModeKnife, "(patch) Knife"},
    {191, ShortcutRun::leftTool, kMagnetTool, "(patch) Magnet"},
};

const CommandAction* FindCommandAction(int action) {
    for (const CommandAction& c : kCommandActions)
        if (c.action == action)
            return &c;
    return nullptr;
}

// The four buttons whose camera modes take eleven actions each.
struct ButtonBlock {
    int first;
    ShortcutRun run;
    const char* suffix;
};
constexpr ButtonBlock kCameraBlocks[] = {
    {0, ShortcutRun::leftTool, " (left button)"},
    {21, ShortcutRun::rightTool, " (right button)"},
    {33, ShortcutRun::middleTool, " (middle button)"},
    {44, ShortcutRun::bothTool, " (left + right button)"},
};

const ButtonBlock* FindCameraBlock(int action) {
    for (const ButtonBlock& b : kCameraBlocks)
        if (action >= b.first && action < b.first + kCameraModes)
            return &b;
    return nullptr;
}

// 132-151 set the curve resolution, 152-171 the surface resolution; only
// the odd actions do something.
constexpr int kCurveResolutionBase = 131;
constexpr int kSurfaceResolutionBase = 151;
constexpr int kResolutionLast = 171;

} // namespace

ShortcutActionRun DescribeShortcutAction(int action) {
    if (const ButtonBlock* b = FindCameraBlock(action))
        return {b->run, action - b->first};
    if (action >= 11 && action <= 18)
        return {ShortcutRun::leftTool, kPatchTools[action - 11]};
    if (action == 19 || action == 20)
        return {ShortcutRun::leftTool, action == 19 ? mouseModeRenderWindow : mouseModeRenderParts};
    if (action == 32)
        return {ShortcutRun::rightTool, mouseModePopupMenu};
    if (action > kCurveResolutionBase && action <= kResolutionLast) {
        if (action % 2 == 0)
            return {};
        return action <= kSurfaceResolutionBase
                   ? ShortcutActionRun{ShortcutRun::curveResolution, action - kCurveResolutionBase}
                   : ShortcutActionRun{ShortcutRun::surfaceResolution, action - kSurfaceResolutionBase};
    }
    if (const CommandAction* c = FindCommandAction(action))
        return {c->run, c->command};
    return {};
}

CString ShortcutActionName(int action) {
    if (const ButtonBlock* b = FindCameraBlock(action))
        return CString("(camera) ") + kCameraWords[action - b->first] + b->suffix;
    if (action >= 11 && action <= 18)
        return kPatchToolNames[action - 11];
    if (action == 19)
        return "(POV-Ray) render select window";
    if (action == 20)
        return "(POV-Ray) render select part";
    if (action == 32)
        return "popup menu (right button)";
    if (action > kCurveResolutionBase && action <= kSurfaceResolutionBase)
        return CString("set curve resolution ") + std::to_string(action - kCurveResolutionBase).c_str();
    if (action > kSurfaceResolutionBase && action <= kResolutionLast)
        return CString("set surface resolution ") + std::to_string(action - kSurfaceResolutionBase).c_str();
    if (const CommandAction* c = FindCommandAction(action))
        return c->name;
    return "none";
}

int ShortcutSlotOfKey(int keyIndex, int modifier) {
    // Per key group: its first key index and the first slot of each modifier.
    struct Group {
        int firstKey;
        std::array<int, kShortcutModifierCount> base;
    };
    static constexpr Group kGroups[] = {
        {54, {96, 118, 140, 218}},  // arrows
        {48, {78, 100, 122, 200}},  // Backspace, Delete, Enter, Insert, Space, Tab
        {36, {84, 106, 128, 206}},  // F1-F12
        {26, {144, 154, 164, 222}}, // 0-9
        {0, {0, 26, 52, 174}},      // A-Z
    };
    if (keyIndex < 0 || keyIndex >= kShortcutKeyCount || modifier < 0 || modifier >= kShortcutModifierCount)
        return -1;
    for (const Group& g : kGroups)
        if (keyIndex >= g.firstKey)
            return g.base[static_cast<size_t>(modifier)] + keyIndex - g.firstKey;
    return -1;
}

std::span<const ShortcutMenuItem> ShortcutMenuItems() {
    static const auto kItems = [] {
        std::vector<ShortcutMenuItem> items = {
            {30394, 57},  {30395, 58},  {30396, 59},  {30397, 55},  {30398, 56},  {30399, 60},  {30400, 61},
            {30401, 62},  {30651, 181}, {30652, 182}, {30653, 183}, {30427, 94},  {30402, 68},  {30434, 103},
            {30435, 104}, {30403, 69},  {30433, 102}, {30409, 70},  {30436, 105}, {30437, 106}, {30445, 113},
            {30442, 111}, {30441, 110}, {30439, 108}, {30440, 109}, {30438, 107}, {30443, 112}, {30444, 114},
            {30446, 115}, {30430, 97},  {30431, 98},  {30432, 99},  {30428, 95},  {30642, 172}, {30643, 173},
            {30644, 174}, {30645, 175}, {30646, 176}, {30448, 117}, {30449, 118}, {30533, 127}, {30647, 177},
            {30648, 178}, {30649, 179}, {30650, 180}, {30419, 80},  {30420, 81},  {30421, 82},  {30422, 83},
            {30537, 131}, {30423, 84},  {30404, 63},  {30405, 64},  {30414, 75},  {30415, 77},  {30416, 76},
            {30417, 78},  {30406, 65},  {30407, 66},  {30408, 67},  {30418, 79},  {30390, 91},  {30391, 92},
            {30429, 96},  {30392, 101}, {30393, 100}, {30654, 184}, {30410, 71},  {30426, 93},  {30411, 72},
            {30412, 73},  {30413, 74},  {30447, 116}, {30665, 189}, {30666, 190}, {30657, 187}, {30658, 188},
            {30534, 128}, {30535, 129}, {30536, 130}, {30655, 185}, {30656, 186}, {30505, -1},
        };
        // "Set Curve Custom" and "Set Surface Custom": item n gives resolution 2n.
        for (int n = 0; n < 10; ++n) {
            items.push_back({static_cast<UINT>(30599 + 2 * n), 133 + 2 * n});
            items.push_back({static_cast<UINT>(30619 + 2 * n), 153 + 2 * n});
        }
        // The memo cameras: Save and Load of cameras 1 to 4 in turn.
        for (int k = 0; k < 8; ++k)
            items.push_back({static_cast<UINT>(30506 + k), 119 + k});
        // The mouse submenus: ids 30450-30504 stand for actions 0-54 in order.
        for (int action = 0; action <= 54; ++action)
            items.push_back({static_cast<UINT>(30450 + action), action});
        return items;
    }();
    return kItems;
}
