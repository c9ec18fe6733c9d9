#pragma once
// Mouse cursors: the standard shapes and our own drawn ones by resource id.
// SetCursor shows a cursor over the window whose mouse message is being
// handled (else the capture holder, else the window under the pointer) until
// the next WM_SETCURSOR chooses again.
#include "platform/base/win_types.h"

#include <string>
#include <vector>

class CCursor;
using HCURSOR = const CCursor*;

constexpr int IDC_ARROW = 32512;
constexpr int IDC_WAIT = 32514;
constexpr int IDC_SIZEWE = 32644;
constexpr int IDC_SIZENS = 32645;
constexpr int IDC_SIZEALL = 32646;

// Null for an id that is not one of the above.
HCURSOR LoadStandardCursor(int id);
// Adds a drawn cursor: rows of equal length, 'X' black, '.' white, anything
// else transparent; the hot spot is the pixel that points.
void RegisterCursor(UINT resourceId, const std::vector<std::string>& rows, CPoint hotSpot);
// A registered cursor, else the cursor drawn in the resources under the id
// (registered on first use); null when there is neither.
HCURSOR LoadCursor(UINT resourceId);

// Returns the cursor shown before; null hides the cursor.
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();

// Screen pixels.
BOOL SetCursorPos(int x, int y);
BOOL GetCursorPos(CPoint* point);

// The size of the screen in pixels (of the display that shows the program).
constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
// 0 for any other index.
int GetSystemMetrics(int index);
