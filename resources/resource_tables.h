#pragma once
// The program's two resource sets and the ids of the resources the window
// layer itself needs.
#include "resources/resource_format.h"

// The set of one interface language.
const ResourceSet& GetResourceSet(ResourceLanguage language);

// The resource with the id in a table, or null.
template <class T> const T* FindResourceById(std::span<const T> table, UINT id) {
    for (const T& entry : table)
        if (entry.id == id)
            return &entry;
    return nullptr;
}

// Main menus, and the accelerator tables loaded with them. The same ids
// name the document strings; the program icon is IDR_MAINFRAME_JA.
constexpr UINT IDR_MAINFRAME_JA = 103;
constexpr UINT IDR_MAINFRAME_EN = 140;
// The main menus while a polygon object is edited.
constexpr UINT IDR_POLYGON_MENU_JA = 191;
constexpr UINT IDR_POLYGON_MENU_EN = 193;
// The pane popup menus.
constexpr UINT IDR_PANE_MENU_JA = 119;
constexpr UINT IDR_PANE_MENU_EN = 142;

// The shortcut keys: this many slots, in the accelerator tables above.
constexpr int kShortcutSlotKeys = 232;
std::span<const AccelEntry> ShortcutSlotAccelerators();
// The commands those keys send lie in these two ranges.
constexpr UINT kFirstShortcutSlotCommand = 30215;
constexpr UINT kLastShortcutSlotCommand = 30388;
constexpr UINT kFirstCtrlShiftSlotCommand = 30669;
constexpr UINT kLastCtrlShiftSlotCommand = 30726;

// Strings of the frame and the dialog data exchange.
constexpr UINT IDS_IDLE_MESSAGE = 57345; // the status bar's text while nothing is pointed at
constexpr UINT IDS_PARSE_INT = 61712;    // an integer field holds no integer
constexpr UINT IDS_PARSE_REAL = 61713;   // a number field holds no number
constexpr UINT IDS_FILE_EXISTS = 61830;  // a save would replace a file ("%s": its path)
// Buttons of message boxes.
constexpr UINT IDS_BUTTON_OK = 61840;
constexpr UINT IDS_BUTTON_CANCEL = 61841;
constexpr UINT IDS_BUTTON_YES = 61842;
constexpr UINT IDS_BUTTON_NO = 61843;

// Pictures of the object trees' items.
constexpr UINT IDI_PATCH_OBJECT = 137;
constexpr UINT IDI_POLYGON_OBJECT = 138;
constexpr UINT IDI_FOLDER = 224;
// The light tree's pictures of the light types.
constexpr UINT IDI_POINT_LIGHT = 126;
constexpr UINT IDI_SPOT_LIGHT = 127;
constexpr UINT IDI_CYLINDER_LIGHT = 129;
constexpr UINT IDI_AREA_LIGHT = 131;

// The cursors of a drag in the object tree: the drop is refused, or accepted.
constexpr UINT IDC_DROP_REFUSED = 228;
constexpr UINT IDC_DROP_ACCEPTED = 229;

// Status-bar indicators.
constexpr UINT ID_INDICATOR_CAPS = 59137;
constexpr UINT ID_INDICATOR_NUM = 59138;
constexpr UINT ID_INDICATOR_SCRL = 59139;
constexpr UINT ID_INDICATOR_KANA = 59142;

// Cursors of the panels that scroll by dragging their background: the
// dragging hand and the open hand over the background.
constexpr UINT IDC_PANEL_DRAG = 116;
constexpr UINT IDC_PANEL_HAND = 133;
