#pragma once
// Style bits of windows, dialog templates and controls. GUI-free, so the
// resource tables can name them; the window layer gives them their meaning.
#include "platform/base/win_types.h"

constexpr DWORD WS_TABSTOP = 0x00010000;
constexpr DWORD WS_GROUP = 0x00020000; // the first control of a group (radio buttons, tab stops)
constexpr DWORD WS_THICKFRAME = 0x00040000;
constexpr DWORD WS_SYSMENU = 0x00080000; // a close box
constexpr DWORD WS_BORDER = 0x00800000;
constexpr DWORD WS_CAPTION = 0x00C00000;
constexpr DWORD WS_CLIPCHILDREN = 0x02000000; // children never share pixels with their parent here
constexpr DWORD WS_CLIPSIBLINGS = 0x04000000; // siblings never share pixels here
constexpr DWORD WS_DISABLED = 0x08000000;
constexpr DWORD WS_VISIBLE = 0x10000000;
constexpr DWORD WS_CHILD = 0x40000000;
constexpr DWORD WS_POPUP = 0x80000000;

// Dialog templates.
constexpr DWORD DS_MODALFRAME = 0x0080;

// Buttons: one type in the low four bits, then flags.
constexpr DWORD BS_PUSHBUTTON = 0x0000;
constexpr DWORD BS_DEFPUSHBUTTON = 0x0001; // Enter presses it
constexpr DWORD BS_AUTOCHECKBOX = 0x0003;  // a click toggles it
constexpr DWORD BS_GROUPBOX = 0x0007;
constexpr DWORD BS_AUTORADIOBUTTON = 0x0009; // a click checks it and unchecks the rest of its group
constexpr DWORD BS_OWNERDRAW = 0x000B;       // drawn by its class
constexpr DWORD BS_TYPEMASK = 0x000F;
constexpr DWORD BS_BITMAP = 0x0080;   // shows the picture its owner gives it instead of its text
constexpr DWORD BS_PUSHLIKE = 0x1000; // a check or radio button drawn as a push button

// Static texts and frames.
constexpr DWORD SS_LEFT = 0x0000;
constexpr DWORD SS_CENTER = 0x0001;
constexpr DWORD SS_RIGHT = 0x0002;
constexpr DWORD SS_ETCHEDFRAME = 0x0012; // an empty frame that marks an area
constexpr DWORD SS_TYPEMASK = 0x001F;

// Edit controls.
constexpr DWORD ES_MULTILINE = 0x0004;
constexpr DWORD ES_AUTOHSCROLL = 0x0080;
constexpr DWORD ES_READONLY = 0x0800;

// List boxes.
constexpr DWORD LBS_NOTIFY = 0x0001;
constexpr DWORD LBS_SORT = 0x0002;
constexpr DWORD LBS_EXTENDEDSEL = 0x0800;

// Combo boxes.
constexpr DWORD CBS_DROPDOWN = 0x0002;     // the text can be typed
constexpr DWORD CBS_DROPDOWNLIST = 0x0003; // a choice from the list only
constexpr DWORD CBS_SORT = 0x0100;

// Tree controls.
constexpr DWORD TVS_HASBUTTONS = 0x0001;
constexpr DWORD TVS_HASLINES = 0x0002;
constexpr DWORD TVS_LINESATROOT = 0x0004;
constexpr DWORD TVS_SHOWSELALWAYS = 0x0020;
