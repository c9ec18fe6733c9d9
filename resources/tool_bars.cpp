#include "resources/resource_parts.h"

// Tool bars and their button pictures, the same in both sets.
namespace {

// clang-format off

constexpr const char* kNew[] = {
    "................",
    "..kkkkkkkk......",
    "..kwwwwwwkk.....",
    "..kwwwwwwkwk....",
    "..kwwwwwwkwwk...",
    "..kwwwwwwkkkkk..",
    "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..",
    "..kkkkkkkkkkkk..",
    "................",
};
constexpr const char* kOpen[] = {
    "................",
    "..........kkk...",
    ".........k...k.k",
    "..............kk",
    ".kkkk........kkk",
    "kYwYwkkkkkk.....",
    "kwYwYwYwYwk.....",
    "kYwYwYwYwYk.....",
    "kwYwYwkkkkkkkkkk",
    "kYwYwkoooooooook",
    "kwYwkoooooooook.",
    "kYwkoooooooook..",
    "kwkoooooooook...",
    "kkoooooooook....",
    "kkkkkkkkkkk.....",
};
constexpr const char* kSave[] = {
    "................",
    ".kkkkkkkkkkkkkk.",
    ".kokwwwwwwwwkok.",
    ".kokwwwwwwwwkkk.",
    ".kokwwwwwwwwkok.",
    ".kokwwwwwwwwkok.",
    ".kokkkkkkkkkkok.",
    ".kooooooooooook.",
    ".kooookkkkkkook.",
    ".kooookkkssdook.",
    ".kooookkkssdook.",
    ".kooookkkssdook.",
    "..kkkkkkkkkkkkk.",
    "................",
    "................",
};
constexpr const char* kCut[] = {
    "................",
    "....k.....k.....",
    "....k.....k.....",
    "....k.....k.....",
    "....kk...kk.....",
    ".....k...k......",
    ".....kk.kk......",
    "......kkk.......",
    ".......k........",
    "......nBn.......",
    "...nnnB.Bnnn....",
    "..n...n.n...n...",
    "..n...n.n...n...",
    "..n...n.n...n...",
    "...nnn...nnn....",
};
constexpr const char* kCopy[] = {
    "kkkkkk..........",
    "kwwwwkk.........",
    "kwkkwkwk........",
    "kwwwwkkkk.......",
    "kwkkkkkkkkk.....",
    "kwwwwknnnnnn....",
    "kwkkkknwwwwnn...",
    "kwwwwknwwwwnwn..",
    "kwkkkknwkkwnnnn.",
    "kwwwwknwwwwwwwn.",
    "kkkkkknwkkkkkwn.",
    "......nwwwwwwwn.",
    "......nwkkkkkwn.",
    "......nwwwwwwwn.",
    "......nnnnnnnnn.",
};
constexpr const char* kPaste[] = {
    "....kkkk........",
    ".kkkkYYkkkk.....",
    "kooksssskook....",
    "kokssssssk.k....",
    "kookkkkkkook....",
    "kooooooooook....",
    "kooooonnnnnnn...",
    "kooooonwwwwwnn..",
    "kooooonwkkkwnwn.",
    "kooooonwwwwwnnnn",
    "kooooonwkkkkkwwn",
    "kooooonwwwwwwwwn",
    ".kkkkknwkkkkkkwn",
    "......nwwwwwwwwn",
    "......nnnnnnnnnn",
};
constexpr const char* kUndo[] = {
    "................",
    "................",
    "................",
    "......BBBBB.....",
    "....BB.....BB...",
    "...B.........B..",
    "..B...........B.",
    "..B...........B.",
    "BBBBB.........B.",
    ".BBB..........B.",
    "..B..........B..",
    "............B...",
    "..........BB....",
    "................",
    "................",
};
constexpr const char* kAbout[] = {
    "................",
    ".....kkkkkk.....",
    "...kkwwwwwwkk...",
    "..kwwwwnnwwwwk..",
    ".kwwwwwnnwwwwwk.",
    ".kwwwwwwwwwwwwk.",
    ".kwwwwnnnwwwwwk.",
    ".kwwwwwnnwwwwwk.",
    ".kwwwwwnnwwwwwk.",
    "..kwwwwnnwwwwk..",
    "...kkwnnnnwkk...",
    ".....kkwwkkk....",
    ".......kwk......",
    "........kk......",
    "................",
};

// clang-format on

constexpr PixelArt kMainImages[] = {
    {16, 15, kNew},  {16, 15, kOpen},  {16, 15, kSave}, {16, 15, kCut},
    {16, 15, kCopy}, {16, 15, kPaste}, {16, 15, kUndo}, {16, 15, kAbout},
};

// The main frame's bar (103): New, Open, Save | Cut, Copy, Paste | Undo | About.
constexpr UINT kMainButtons[] = {57600, 57601, 57603, 0, 57635, 57634, 57637, 0, 57643, 0, 57664};

constexpr ToolBarResource kToolBars[] = {
    {103, 16, 15, kMainButtons, kMainImages},
};

} // namespace

COLORREF PixelArtColour(char code, bool* transparent) {
    *transparent = false;
    switch (code) {
    case 'k':
        return RGB(0, 0, 0);
    case 'w':
        return RGB(255, 255, 255);
    case 's':
        return RGB(192, 192, 192);
    case 'd':
        return RGB(128, 128, 128);
    case 'r':
        return RGB(128, 0, 0);
    case 'R':
        return RGB(255, 0, 0);
    case 'o':
        return RGB(128, 128, 0);
    case 'Y':
        return RGB(255, 255, 0);
    case 'g':
        return RGB(0, 128, 0);
    case 'G':
        return RGB(0, 255, 0);
    case 't':
        return RGB(0, 128, 128);
    case 'C':
        return RGB(0, 255, 255);
    case 'n':
        return RGB(0, 0, 128);
    case 'B':
        return RGB(0, 0, 255);
    case 'm':
        return RGB(128, 0, 128);
    case 'M':
        return RGB(255, 0, 255);
    default:
        *transparent = true;
        return 0;
    }
}

std::span<const ToolBarResource> SharedToolBars() {
    return kToolBars;
}
