#pragma once
// The rules of the settings pages that need no window: reordering the
// include-file list, the image-based-lighting ambient colour between its
// three numbers and its swatch, and the tools the mouse page offers.
#include "platform/base/cstring.h"
#include "platform/base/win_types.h"

#include <array>
#include <vector>

// The entry at index changes place with its neighbour before (or after) it.
// Returns the entry's new index, or -1 (nothing changed) when it has no such
// neighbour or index is outside the list.
int MoveEntryUp(std::vector<CString>& list, int index);
int MoveEntryDown(std::vector<CString>& list, int index);
// Removes the entry at index; false when there is none.
bool RemoveEntry(std::vector<CString>& list, int index);

// The folder a file path lies in; empty for a bare name or an empty path.
CString FolderOf(const CString& path);

// The swatch of three ambient values 0..1: each byte is the value times 255,
// truncated toward zero (values outside 0..1 are first brought inside).
COLORREF AmbientSwatchColor(float red, float green, float blue);
// The three ambient values of a chosen colour: each byte over 255 (red from the lowest byte).
std::array<float, 3> AmbientFromColor(COLORREF color);

// One entry of a mouse button's tool list: its text and the tool it chooses.
struct MouseToolChoice {
    const char* text;
    int mode; // MouseMode
};
// The camera tools every button's list offers, then (for the right button)
// "Popup Menu", in the interface language.
std::vector<MouseToolChoice> MouseToolChoices(bool english, bool withPopupMenu);
