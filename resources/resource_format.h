#pragma once
// The shape of the program's resources: menus, accelerator tables, string
// tables, dialog templates and tool bars, as constant C++ tables keyed by
// numeric id. Each interface language has one set; the window layer looks
// resources up in the set of the chosen language. Pure data, GUI-free.
#include "platform/base/win_types.h"
#include "platform/base/window_styles.h"

#include <span>

enum class ResourceLanguage { Japanese, English };

// Menus are written flat, in the order they are shown: a popup opens a level
// that its End closes.
enum class MenuEntryKind : BYTE { Item, Separator, Popup, End };

// Item states a menu resource can start with.
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_CHECKED = 0x0008;

struct MenuEntry {
    MenuEntryKind kind;
    UINT id = 0;           // command id of an item
    const char* text = ""; // "&" marks the mnemonic; never a shortcut after a tab
    UINT state = 0;        // MF_GRAYED, MF_CHECKED
};
constexpr MenuEntry MenuItem(const char* text, UINT id, UINT state = 0) {
    return {MenuEntryKind::Item, id, text, state};
}
constexpr MenuEntry MenuSeparator() {
    return {MenuEntryKind::Separator};
}
constexpr MenuEntry MenuPopup(const char* text) {
    return {MenuEntryKind::Popup, 0, text};
}
constexpr MenuEntry MenuEnd() {
    return {MenuEntryKind::End};
}

struct MenuResource {
    UINT id;
    std::span<const MenuEntry> entries; // the top level: popups (a menu bar) or items
};

// Accelerator flags: the key is a virtual-key code, with the modifiers that
// must be held.
constexpr BYTE FVIRTKEY = 0x01;
constexpr BYTE FNOINVERT = 0x02;
constexpr BYTE FSHIFT = 0x04;
constexpr BYTE FCONTROL = 0x08;

struct AccelEntry {
    BYTE flags;
    WORD key; // virtual-key code
    WORD command;
};

struct AcceleratorResource {
    UINT id;
    std::span<const AccelEntry> entries;
};

// A command's string is its status-bar prompt, a line feed and its tool tip.
struct StringEntry {
    UINT id;
    const char* text;
};

// The window class a dialog template item makes.
enum class DialogControl : BYTE { Button, Edit, Static, ListBox, ComboBox, TreeView, TabControl };

// Positions and sizes are dialog units of the 9-point UI font.
struct DialogItemTemplate {
    DialogControl control;
    UINT id;
    const char* text;
    short x, y, cx, cy;
    DWORD style; // WS_*, and BS_*, SS_*, ES_*, LBS_*, CBS_*, TVS_* by control
};

struct DialogTemplate {
    UINT id;
    const char* caption;
    short cx, cy; // client size
    DWORD style;  // WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, or WS_CHILD for a panel
    std::span<const DialogItemTemplate> items;
};

// A picture drawn in text: one character per pixel, each standing for a
// colour of the palette below; '.' is transparent.
struct PixelArt {
    short width, height;
    std::span<const char* const> rows;
};
// The palette of PixelArt: the sixteen classic colours.
//   k black  w white  s silver  d dark grey  r maroon  R red  o olive  Y yellow
//   g green  G lime   t teal    C aqua       n navy    B blue m purple M fuchsia
COLORREF PixelArtColour(char code, bool* transparent);

struct ToolBarResource {
    UINT id;
    short buttonWidth, buttonHeight;
    std::span<const UINT> buttons;    // command ids in order; 0 is a separator
    std::span<const PixelArt> images; // one per button that is not a separator
};

// A program or document icon.
struct IconResource {
    UINT id;
    PixelArt image;
};

// A picture that a window shows, such as a picture button's.
struct BitmapResource {
    UINT id;
    PixelArt image;
};

// A mouse cursor drawn in text: 'X' black, '.' white, anything else
// transparent; the hot spot is the pixel that points.
struct CursorResource {
    UINT id;
    short hotX, hotY;
    std::span<const char* const> rows;
};

struct ResourceSet {
    std::span<const MenuResource> menus;
    std::span<const AcceleratorResource> accelerators;
    std::span<const StringEntry> strings;
    std::span<const DialogTemplate> dialogs;
    std::span<const ToolBarResource> toolBars;
    std::span<const IconResource> icons;
    std::span<const CursorResource> cursors;
    std::span<const BitmapResource> bitmaps;
};
