#pragma once
// The single place where a tool number (MouseMode) meets its handlers. A
// handler gets the controller, whose fields and key flags it reads, and the
// cursor in client pixels. A new drag tool adds its row to the table in
// tool_table.cpp.
class CMouseToolController;

using ToolHandler = void (*)(CMouseToolController& controller, int x, int y);

// Begin at the press, drag at every move while the drag lasts, end at the
// release; a null handler does nothing.
struct CToolHandlers {
    ToolHandler begin;
    ToolHandler drag;
    ToolHandler end;
};

// The tool of a left-button mode; null for a mode without one.
const CToolHandlers* FindLeftTool(int mode);
// The camera drags (modes 0 to 11), the only tools of the other buttons;
// null for any other mode.
const CToolHandlers* FindCameraTool(int mode);
