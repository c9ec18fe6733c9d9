#pragma once
// Moves one patch object or folder into another folder, or to the top
// level, as one undo step: the Change Parent Object command asks for the
// folder, a drop in the object tree names it. Made on the caller's stack
// for one use.
#include "platform/base/win_types.h"

class CBaseObj;
class CWnd;

// Whether obj may go into folder (null: the top level): obj is a patch
// object or a folder, and the hierarchy allows the move. Polygon objects
// stay outside the hierarchy.
bool CanChangeParent(const CBaseObj* obj, const CBaseObj* folder);

class CChangeParentCommand {
public:
    virtual ~CChangeParentCommand() = default;

    // A patch object or a folder is selected.
    BOOL CanRun() const;
    // Asks for the new folder of the selected item and moves it there.
    void Run(CWnd* parent);
    // 1 when obj moved into folder (null: the top level), with its item in
    // the object tree re-inserted and selected; 0, with nothing recorded,
    // when the move is not allowed.
    int MoveToFolder(CBaseObj* obj, CBaseObj* folder);
};
