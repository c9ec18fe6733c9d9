#pragma once
// The tool numbers stored per mouse button, and the setters that store them.
// Choosing a tool only stores its number; the pane's mouse-tool controller
// reads it when a button goes down. The left-button setter also arranges what
// belongs to the new tool: the transform read-outs, the knife dialog, the
// "Select Multi Objects" dialog and the repaints that show or hide
// tool-specific drawing in the panes.
#include "model/mouse_modes.h"

// The name the mouse-assignment strip shows for a mode, in English or in
// Japanese; null for a mode it does not name (316, the polygon tools).
const char* MouseModeName(int mode, int english = 1);

// isLeft non-zero sets the left button's tool, zero the right button's.
void SetMouseMode(int mode, int isLeft);
void SetMiddleMouseMode(int mode);
// The tool of the left+right chord.
void SetBothButtonsMode(int mode);
